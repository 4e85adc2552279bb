#include "quiz/Ziehung.h"

#include <cmath>

namespace quiz {

bool Ziehung::Ziehen(const Pool& pool, Zufall& zufall) {
    int abgelehnt = 0;
    DurchAusweg = false;
    for (;;) {
        zufall.Randomize();
        const std::int32_t anzahl = pool.anzahl();
        if (anzahl < 1 || !pool.tabelle) {
            FrageNummer = 0;
            FrageSchwierigkeit = 0;
            return false;
        }
        const std::int32_t maxPos = std::min<std::int32_t>(anzahl, 1000);
        std::int32_t p = std::int32_t(zufall.Rnd() * float(maxPos)) + 1;
        if (p > maxPos) p = maxPos;  // float rounding right below 1
        FrageNummer = (*pool.tabelle)[size_t(p)];
        const std::int32_t index = FrageNummer >= 0 && FrageNummer <= 1000 ? FrageNummer : 0;
        const bool ausweg = abgelehnt > kMaxAbgelehnt;

        if (!ausweg && Gesperrt[size_t(index)] >= Runde) {
            ++abgelehnt;
            continue;
        }
        if (pool.yield) pool.yield();
        FrageSchwierigkeit = pool.problem(FrageNummer);
        if (FrageSchwierigkeit < 10) {
            FrageSchwierigkeit = 40;
        } else if (!ausweg) {
            const float d = std::fabs(float(FrageSchwierigkeit - Niveau));
            const float r = zufall.Rnd() * kNiveauSpanne;
            if (!(r > d)) {
                ++abgelehnt;
                continue;
            }
        }
        DurchAusweg = ausweg;
        Gesperrt[size_t(index)] = Runde + kSperrRunden;
        return true;
    }
}

}  // namespace quiz
