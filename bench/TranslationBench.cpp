// Translation engine: one lookup in full tables, and loading both tables.
#include <benchmark/benchmark.h>

#include <QTemporaryDir>
#include <algorithm>
#include <cstdlib>
#include <memory>
#include <random>
#include <vector>

#include "services/ApiClass.h"
#include "services/FileSys.h"
#include "translation/Translation_Class.h"

namespace {

std::string wort(std::mt19937& rng, size_t len) {
    std::string s;
    for (size_t i = 0; i < len; ++i) s.push_back(char('a' + rng() % 26));
    return s;
}

// 1000 main entries over the id ranges of the categories, in shuffled order (the
// load sorts them), and 1000 personal entries for the same ids, a tenth blank.
struct Tabellen {
    QTemporaryDir dir;
    std::unique_ptr<ApiClass> api;
    std::vector<std::int32_t> ids;
    Tabellen() {
        setenv("XDG_DATA_HOME", (dir.path() + QStringLiteral("/share")).toStdString().c_str(), 1);
        fsys::clearResolveCache();
        api = std::make_unique<ApiClass>();
        fsys::makeFolders(api->AppPfad());
        api->protokoll("START", 0);
        std::mt19937 rng(3);
        for (int bereich = 1; bereich <= 5; ++bereich)
            for (int i = 0; i < 200; ++i) ids.push_back(bereich * 10000 + (i % 2 ? 3000 : 0) + i);
        std::shuffle(ids.begin(), ids.end(), rng);
        std::string haupt = "1\tDeutsch\tx\r\n5\tArial\tx\r\n6\t10\tx\r\n7\t0\tx\r\n";
        std::string personal =
            " 1\tMeins\tx\r\n 2\t3.0.1\tx\r\n 3\t01.01.2026\tx\r\n 4\t\tx\r\n 5\t\tx\r\n 6\t0\tx\r\n "
            "7\t1\tx\r\n";
        for (std::int32_t id : ids) {
            haupt += std::to_string(id) + "\t" + std::to_string(id / 1000 * 1000) + "\t" +
                     wort(rng, 10 + rng() % 60) + "\r\n";
            personal +=
                " " + std::to_string(id) + "\t 0\t" + (rng() % 10 ? wort(rng, 10 + rng() % 60) : "") + "\r\n";
        }
        std::string common = api->ManuAppPfad() + "common/";
        fsys::makeFolders(common);
        fsys::writeAtomic(common + "Translation.dat", haupt);
        fsys::writeAtomic(common + "Personal Translation.dat", personal);
    }
};

Tabellen& tabellen() {
    static Tabellen t;
    return t;
}

void BM_Translation(benchmark::State& state) {
    Tabellen& t = tabellen();
    Translation_Class engine(*t.api);
    engine.Neu_laden();
    size_t i = 0;
    for (auto _ : state) {
        std::string text = engine.translation(t.ids[i]);
        benchmark::DoNotOptimize(text);
        i = (i + 7) % t.ids.size();
    }
}
BENCHMARK(BM_Translation);

void BM_TranslationLoad(benchmark::State& state) {
    Tabellen& t = tabellen();
    Translation_Class engine(*t.api);
    for (auto _ : state) {
        engine.Neu_laden();
        benchmark::DoNotOptimize(engine.HauptTabelle().data());
    }
    state.counters["entries"] = double(engine.HauptTabelle().size() + engine.PersonalTabelle().size());
}
BENCHMARK(BM_TranslationLoad)->Unit(benchmark::kMillisecond);

}  // namespace
