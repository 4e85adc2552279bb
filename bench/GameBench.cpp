// The game's draw loop: how long it takes to find the next question.
#include <benchmark/benchmark.h>

#include <QTemporaryDir>
#include <array>
#include <cstdlib>
#include <memory>

#include "questions/QuestionRecord.h"
#include "quiz/Spielzeit.h"
#include "quiz/Ziehung.h"
#include "services/ApiClass.h"
#include "services/FileSys.h"

namespace {

// A full supplied pool (questions 100 .. 997) with difficulties 10 .. 90 spread
// evenly; the player's level is 50. Each iteration is one accepted question.
void BM_NaechsteFrageDraw(benchmark::State& state) {
    std::array<int, 1001> tabelle{};
    std::array<double, 1001> problem{};
    const int anzahl = 898;
    for (int i = 1; i <= anzahl; ++i) {
        tabelle[size_t(i)] = 99 + i;
        problem[size_t(99 + i)] = 10 + ((i * 7) % 9) * 10;
    }
    quiz::Pool pool;
    pool.anzahl = [&] { return anzahl; };
    pool.tabelle = &tabelle;
    pool.problem = [&](int n) { return problem[size_t(n)]; };
    quiz::EchterZufall zufall;
    quiz::Ziehung ziehung;
    ziehung.Niveau = 50;
    for (auto _ : state) {
        ++ziehung.Runde;
        benchmark::DoNotOptimize(ziehung.Ziehen(pool, zufall));
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_NaechsteFrageDraw);

// The same draw with every difficulty read from the question files, as the game
// reads it.
void BM_NaechsteFrageDrawFromFiles(benchmark::State& state) {
    QTemporaryDir dir;
    setenv("XDG_DATA_HOME", (dir.path() + QStringLiteral("/share")).toStdString().c_str(), 1);
    auto api = std::make_unique<ApiClass>();
    fsys::makeFolders(api->AppPfad());
    std::array<int, 1001> tabelle{};
    const int anzahl = 898;
    std::array<std::string, 10> dateien;
    for (int i = 1; i <= anzahl; ++i) {
        const int n = 99 + i;
        tabelle[size_t(i)] = n;
        dateien[size_t(n / 100)] += "[" + fragen::QuizSektion(n) + "]\r\nCrypt=1\r\nFrage=xyz\r\nProblem=" +
                                    std::to_string(10 + ((i * 7) % 9) * 10) + "\r\nBereich=Klassik\r\n";
    }
    for (int h = 1; h <= 9; ++h)
        fsys::writeAtomic(api->AppPfad() + fragen::FragenDatei(h * 100), dateien[size_t(h)]);
    quiz::Pool pool;
    pool.anzahl = [&] { return anzahl; };
    pool.tabelle = &tabelle;
    pool.problem = [&](int n) {
        return vb::Val(api->IniLesen(fragen::FragenDatei(n), fragen::QuizSektion(n), "Problem"));
    };
    quiz::EchterZufall zufall;
    quiz::Ziehung ziehung;
    ziehung.Niveau = 50;
    for (auto _ : state) {
        ++ziehung.Runde;
        benchmark::DoNotOptimize(ziehung.Ziehen(pool, zufall));
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_NaechsteFrageDrawFromFiles);

}  // namespace
