// On a nearly full disk the log stops before it takes the last megabyte, says
// so once, and goes on when there is room again.
#include <gtest/gtest.h>

#include "services/ApiClass.h"
#include "tests/support/TestSupport.h"

TEST(LogReserve, BelowOneMegabyteTheLogStopsAndSaysSoOnce) {
    testing_support::TempHome home;
    ApiClass api;
    std::uintmax_t frei = 0;
    api.setFreeSpace([&](const std::string&) { return frei; });
    api.protokoll("START", 0);
    EXPECT_FALSE(testing_support::fileExists(api.LogDatei())) << "no room even for the start";
    frei = kLogReserve;
    api.protokoll("START", 0);
    api.protokoll("eins", 0);
    frei = kLogReserve - 1;
    api.protokoll("zwei", 0);
    api.protokoll("drei", 0);
    frei = 10 * kLogReserve;
    api.protokoll("vier", 0);
    frei = 0;
    api.protokoll("fuenf", 0);
    const std::string log = testing_support::readFile(api.LogDatei());
    EXPECT_EQ(testing_support::logEntries(log),
              (std::vector<std::string>{"eins", "Protokoll angehalten: weniger als 1 MB frei", "vier"}));
    EXPECT_EQ(log.substr(log.size() - 6), "vier\r\n");
}
