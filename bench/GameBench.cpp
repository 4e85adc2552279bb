// The game's draw loop: how long it takes to find the next question.
#include <benchmark/benchmark.h>

#include <array>

#include "quiz/Spielzeit.h"
#include "quiz/Ziehung.h"

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

}  // namespace
