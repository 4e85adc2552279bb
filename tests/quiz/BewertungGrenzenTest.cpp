// A "Problem" edited by hand to a number near the 32-bit limits: the level still
// moves by its steps and the rewritten value stays within 10 .. 99. The sums on
// such a value overflowed; a build with MELVATO_SANITIZE stops there.
#include <gtest/gtest.h>

#include <limits>

#include "quiz/Bewertung.h"

TEST(BewertungGrenzen, ExtremeProblemValuesGiveTheBoundsAndNormalLevelSteps) {
    constexpr std::int32_t max = std::numeric_limits<std::int32_t>::max();
    constexpr std::int32_t min = std::numeric_limits<std::int32_t>::min();
    struct Fall {
        std::int32_t problem;
        bool richtig;
        std::int32_t wert;
        double level;
    };
    for (const Fall& f : {Fall{max, true, 99, 51}, Fall{max - 5, false, 99, 48}, Fall{min, false, 10, 48},
                          Fall{min + 5, true, 10, 51}}) {
        double level = 50;
        std::int32_t geschrieben = 0;
        EXPECT_EQ(quiz::SchwierigkeitAnpassen(f.problem, 7, level, f.richtig,
                                              [&](std::int32_t, std::int32_t w) { geschrieben = w; }),
                  f.wert)
            << f.problem;
        EXPECT_EQ(geschrieben, f.wert);
        EXPECT_DOUBLE_EQ(level, f.level);
    }
}
