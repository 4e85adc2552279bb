// Profile reads and writes on question files of realistic size.
#include <benchmark/benchmark.h>

#include <QTemporaryDir>
#include <cstdlib>
#include <random>

#include "services/ApiClass.h"
#include "services/FileSys.h"

namespace {
const char* kKeys[] = {
    "Crypt",     "Frage",          "Antwort 1",      "Antwort 2",      "Antwort 3",      "Antwort 4",
    "Antwort 5", "Erkl\xE4rung 1", "Erkl\xE4rung 2", "Erkl\xE4rung 3", "Erkl\xE4rung 4", "Erkl\xE4rung 5",
    "L\xF6sung", "Bild",           "Problem",        "Audio",          "Bereich"};

std::string text(std::mt19937& rng, size_t len) {
    std::string s;
    for (size_t i = 0; i < len; ++i) s.push_back(char(33 + rng() % 200));
    return s;
}

// 100 sections of 17 keys, about 100 KB, as the program stores questions.
std::string questionFile(int hundred, std::mt19937& rng) {
    std::string f;
    for (int i = 0; i < 100; ++i) {
        int n = hundred * 100 + i;
        f += "[Quiz " + std::to_string(n) + "]\r\n";
        for (const char* k : kKeys) {
            std::string key = k;
            size_t len = key == "Frage"                 ? 120
                         : key.rfind("Erkl", 0) == 0    ? 80
                         : key.rfind("Antwort", 0) == 0 ? 30
                                                        : 6;
            f += key + "=" + text(rng, len) + "\r\n";
        }
    }
    return f;
}

struct Folder {
    QTemporaryDir dir;
    std::unique_ptr<ApiClass> api;
    Folder() {
        setenv("XDG_DATA_HOME", (dir.path() + QStringLiteral("/share")).toStdString().c_str(), 1);
        api = std::make_unique<ApiClass>();
        fsys::makeFolders(api->AppPfad());
        std::mt19937 rng(7);
        for (int h = 0; h < 10; ++h)
            fsys::writeAtomic(api->AppPfad() + "Fragen " + std::to_string(h) + ".Dat", questionFile(h, rng));
    }
    std::string file(int n) { return "Fragen " + std::to_string(n / 100) + ".Dat"; }
};

Folder& folder() {
    static Folder f;
    return f;
}
}  // namespace

static void BM_IniLesen(benchmark::State& state) {
    Folder& f = folder();
    std::mt19937 rng(1);
    f.api->IniLesen(f.file(150), "Quiz 150", "Frage");  // warm
    for (auto _ : state) {
        int n = 100 + int(rng() % 100);
        benchmark::DoNotOptimize(f.api->IniLesen(f.file(n), "Quiz " + std::to_string(n), kKeys[rng() % 17]));
    }
}
BENCHMARK(BM_IniLesen);

static void BM_IniSchreiben(benchmark::State& state) {
    Folder& f = folder();
    int i = 0;
    for (auto _ : state)
        f.api->IniSchreiben(f.file(250), "Quiz 250", "Problem", std::to_string(10 + (i++ % 9) * 10));
}
BENCHMARK(BM_IniSchreiben);

// The same write as before files were shared: built on the cached copy, without
// the lock and without asking the file system first. Same atomic replace.
static void BM_IniSchreibenOhneSperre(benchmark::State& state) {
    Folder& f = folder();
    std::string path = f.api->AppPfad() + f.file(250);
    auto parsed = std::make_shared<profile::Parsed>(*fsys::readAll(path));
    int i = 0;
    for (auto _ : state) {
        std::string out = parsed->withValue("Quiz 250", "Problem", std::to_string(10 + (i++ % 9) * 10));
        if (out == parsed->bytes()) continue;
        fsys::writeAtomic(path, out);
        benchmark::DoNotOptimize(fsys::stamp(path));
        parsed = std::make_shared<profile::Parsed>(std::move(out));
    }
}
BENCHMARK(BM_IniSchreibenOhneSperre);

// Arg 1: every scan reads and parses the ten files afresh; 0: files already known.
static void BM_PoolScanRead(benchmark::State& state) {
    Folder& f = folder();
    for (auto _ : state) {
        if (state.range(0)) f.api->profiles().clear();
        int found = 0;
        for (int n = 1; n <= 998; ++n)
            found += !f.api->IniLesen(f.file(n), "Quiz " + std::to_string(n), "Frage").empty();
        benchmark::DoNotOptimize(found);
    }
}
BENCHMARK(BM_PoolScanRead)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

static void BM_RawRead(benchmark::State& state) {
    Folder& f = folder();
    for (auto _ : state) {
        size_t bytes = 0;
        for (int h = 0; h < 10; ++h)
            bytes += fsys::readAll(f.api->AppPfad() + "Fragen " + std::to_string(h) + ".Dat")->size();
        benchmark::DoNotOptimize(bytes);
    }
}
BENCHMARK(BM_RawRead)->Unit(benchmark::kMillisecond);
