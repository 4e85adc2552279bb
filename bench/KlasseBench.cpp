// The teacher's overview after a school year: 30 stations with 2,000 answers each.
#include <benchmark/benchmark.h>

#include <QTemporaryDir>
#include <random>

#include "network/Ergebnisse.h"
#include "services/FileSys.h"

namespace {
const char* const kBereiche[] = {"Instrumente", "Oper", "Komponisten", "Notenlehre", "Rhythmus", "Musical"};

struct Klasse {
    QTemporaryDir dir;
    std::string netz = dir.path().toStdString() + "/Melvato/";
    QDate von{2026, 1, 1}, bis{2026, 12, 31};
    Klasse() {
        std::mt19937 rng(3);
        for (int platz = 1; platz <= 30; ++platz) {
            std::string text;
            for (int i = 0; i < 2000; ++i) {
                netz::ErgebnisZeile z;
                z.zeit =
                    QDateTime(von.addDays(int(rng() % 365)), QTime(8 + int(rng() % 8), int(rng() % 60), 0));
                z.frage.nummer = 100 + int(rng() % 800);
                z.frage.bereich = kBereiche[rng() % 6];
                z.frage.schwierigkeit = double(rng() % 100);
                z.frage.niveauVorher = double(rng() % 100);
                z.frage.ergebnis = int(rng() % 3);
                z.frage.sekunden = double(rng() % 60);
                text += netz::ZeileText(z);
            }
            fsys::makeFolders(netz + "Ergebnisse/");
            fsys::writeAtomic(netz::ErgebnisDatei(netz, platz), text);
        }
    }
};
}  // namespace

static void BM_Klassenuebersicht(benchmark::State& state) {
    static Klasse k;
    for (auto _ : state) {
        netz::Uebersicht u = netz::Auswerten(k.netz, k.von, k.bis, [](std::int32_t n) {
            return std::make_pair("Frage " + std::to_string(n), std::string("Antwort"));
        });
        if (u.stationen.size() != 30) state.SkipWithError("stations missing");
        benchmark::DoNotOptimize(u);
    }
}
BENCHMARK(BM_Klassenuebersicht)->Unit(benchmark::kMillisecond);
