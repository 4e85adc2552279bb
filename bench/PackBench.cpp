// Packages: collecting and packing 99 own questions with 60 media files of
// 50 KB, and importing that package (as a zip) into a data folder that holds
// the supplied questions 100 .. 997.
#include <benchmark/benchmark.h>

#include <QTemporaryDir>
#include <cstdlib>
#include <map>
#include <memory>

#include "exchange/Paket.h"
#include "exchange/PaketImport.h"
#include "questions/QuestionPool.h"
#include "services/ApiClass.h"
#include "services/FileSys.h"

namespace {

std::string datensatz(int n, bool verschluesselt) {
    auto t = [&](const std::string& s) { return verschluesselt ? ApiClass::EnCode(s) : s; };
    std::string d = "[Quiz " + std::to_string(n) + "]\r\nCrypt=" + (verschluesselt ? "1" : "0") +
                    "\r\nFrage=" + t("Welcher Komponist schrieb das Werk Nummer " + std::to_string(n) + "?") +
                    "\r\n";
    for (int j = 1; j <= 5; ++j)
        d += "Antwort " + std::to_string(j) + "=" + t("Komponist " + std::to_string(j * n)) + "\r\n";
    for (int j = 1; j <= 5; ++j)
        d += "Erkl\xE4rung " + std::to_string(j) + "=" +
             t("Weil er im Jahr " + std::to_string(1600 + n + j) +
               " in Leipzig lebte und dort Kantaten schrieb.") +
             "\r\n";
    const std::string bild = n <= 60 ? "bild" + std::to_string(n) + ".jpg" : "";
    return d + "L\xF6sung=1\r\nBild=" + bild +
           "\r\nBild2=\r\nMusical=\r\nProblem=" + std::to_string(10 * (1 + n % 9)) +
           "\r\nAudio=\r\nBereich=Barock\r\n";
}

struct Ordner {
    QTemporaryDir tmp;
    std::unique_ptr<ApiClass> api;
    std::string app;
    explicit Ordner(const std::string& name) {
        setenv("XDG_DATA_HOME", (tmp.path().toStdString() + "/" + name).c_str(), 1);
        fsys::clearResolveCache();
        api = std::make_unique<ApiClass>();
        app = api->AppPfad();
        fsys::makeFolders(app + "DATEN");
    }
};

// The sender: own questions 1 .. 99, pictures for 1 .. 60.
Ordner& sender() {
    static Ordner o = [] {
        Ordner s("sender");
        std::string datei;
        for (int n = 1; n <= 99; ++n) datei += datensatz(n, true);
        fsys::writeAtomic(s.app + "Fragen 0.Dat", datei);
        for (int n = 1; n <= 60; ++n) {
            std::string bild(50 * 1000, '\0');
            for (size_t i = 0; i < bild.size(); ++i) bild[i] = char((i * 7919 + size_t(n) * 31) >> 3);
            fsys::writeAtomic(s.app + "DATEN/bild" + std::to_string(n) + ".jpg", bild);
        }
        return s;
    }();
    return o;
}

std::vector<std::int32_t> liste(ApiClass& api) {
    fragen::QuestionPool::Table t{};
    fragen::QuestionPool pool(api, t);
    const std::int32_t n = pool.AnzahlFragen(true, true);
    return std::vector<std::int32_t>(t.begin() + 1, t.begin() + 1 + n);
}

void BM_PaketExport(benchmark::State& state) {
    Ordner& s = sender();
    for (auto _ : state) {
        paket::Packer packer(*s.api, liste(*s.api));
        const paket::Sammlung sammlung = packer.jetzPacken({1, 99, false, false});
        if (sammlung.neuBestand.size() != 60) state.SkipWithError("not 60 media files");
    }
}
BENCHMARK(BM_PaketExport)->Unit(benchmark::kMillisecond);

void BM_PaketImport(benchmark::State& state) {
    Ordner& s = sender();
    paket::Packer(*s.api, liste(*s.api)).jetzPacken({1, 99, false, false});
    const std::string zip = s.app + "paket.zip";
    std::string fehler;
    if (!paket::PaketSpeichern(s.app + "pack/", zip, fehler)) state.SkipWithError("no zip");

    Ordner e("empfaenger");
    std::map<int, std::string> geliefert;
    for (int n = 100; n <= 997; ++n) geliefert[n / 100] += datensatz(n, false);
    for (const auto& [k, bytes] : geliefert)
        fsys::writeAtomic(e.app + "Fragen " + std::to_string(k) + ".Dat", bytes);
    for (auto _ : state) {
        state.PauseTiming();
        for (const std::string& name : fsys::list(e.app + "DATEN/")) fsys::remove(e.app + "DATEN/" + name);
        for (const std::string& name : fsys::list(e.app))
            if (name.rfind("Index", 0) == 0 || name == "Fragen 0.Dat") fsys::remove(e.app + name);
        e.api->profiles().clear();
        state.ResumeTiming();
        paket::PaketImport imp(*e.api);
        if (!imp.Oeffnen(zip)) state.SkipWithError(imp.Fehler().c_str());
        std::vector<size_t> alle(imp.Fragen().size());
        for (size_t i = 0; i < alle.size(); ++i) alle[i] = i;
        if (imp.Einlesen(alle).eingelesen.size() != 99) state.SkipWithError("not 99 imported");
    }
}
BENCHMARK(BM_PaketImport)->Unit(benchmark::kMillisecond);

}  // namespace
