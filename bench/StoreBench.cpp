// The question store on a generated data folder with all supplied numbers
// 100 .. 997 filled: pool recount, full word-index rebuild, and one media file
// taken out of a 20 MB media archive.
#include <benchmark/benchmark.h>
#include <zip.h>

#include <QTemporaryDir>
#include <cstdlib>
#include <map>
#include <random>

#include "questions/FragenListe.h"
#include "questions/Media.h"
#include "questions/QuestionPool.h"
#include "questions/QuestionRecord.h"
#include "questions/WordIndex.h"
#include "services/ApiClass.h"
#include "services/FileSys.h"

namespace {

const char* const kHaeufig[] = {"die",  "der", "welche", "Musik", "Komponist",  "Oper",   "Sinfonie",
                                "wer",  "wie", "viele",  "Jahr",  "Instrument", "spielt", "schrieb",
                                "eine", "ist", "das",    "und",   "in",         "von"};

std::string wort(std::mt19937& rng) {
    static const char* const silben[] = {"ba",   "ch",   "kla", "vier", "gei", "ge",  "flö",  "te",
                                         "mo",   "zart", "bee", "tho",  "ven", "har", "fe",   "trom",
                                         "pe",   "ton",  "lei", "ter",  "or",  "gel", "chor", "lied",
                                         "takt", "no",   "te",  "sai",  "ten", "ak"};
    std::uniform_int_distribution<int> n(2, 4), s(0, 29);
    std::string w;
    for (int i = n(rng); i > 0; --i) w += silben[s(rng)];
    w[0] = char(std::toupper(static_cast<unsigned char>(w[0])));
    return w;
}

std::string satz(std::mt19937& rng, int woerter) {
    std::uniform_int_distribution<int> h(0, 19), art(0, 2);
    std::string s;
    for (int i = 0; i < woerter; ++i) {
        if (!s.empty()) s += ' ';
        s += art(rng) == 0 ? wort(rng) : kHaeufig[h(rng)];
    }
    return s + "?";
}

// The supplied questions 100 .. 997, scrambled as the editor stores them,
// written one question file at a time.
void fragenErzeugen(const std::string& app) {
    std::mt19937 rng(1791);
    std::map<int, std::string> dateien;
    for (int n = 100; n <= 997; ++n) {
        std::string& d = dateien[n / 100];
        d += "[Quiz " + std::to_string(n) + "]\r\nCrypt=1\r\nFrage=" + ApiClass::EnCode(satz(rng, 12)) +
             "\r\n";
        for (int j = 1; j <= 5; ++j)
            d += "Antwort " + std::to_string(j) + "=" + ApiClass::EnCode(satz(rng, 3)) + "\r\n";
        for (int j = 1; j <= 5; ++j)
            d += "Erkl\xE4rung " + std::to_string(j) + "=" + ApiClass::EnCode(satz(rng, 14)) + "\r\n";
        d += "L\xF6sung=" + std::to_string(1 + n % 5) + "\r\nBild=bild" + std::to_string(n) +
             ".jpg\r\nBild2=\r\nMusical=\r\nProblem=" + std::to_string(10 * (1 + n % 9)) + "\r\nAudio=klang" +
             std::to_string(n) + ".wav\r\nBereich=" + (n % 3 ? "Klassik" : "Instrumente") + "\r\n";
    }
    for (const auto& [k, bytes] : dateien)
        fsys::writeAtomic(app + "Fragen " + std::to_string(k) + ".Dat", bytes);
}

struct Datenordner {
    QTemporaryDir tmp;
    std::unique_ptr<ApiClass> api;
    Datenordner() {
        setenv("XDG_DATA_HOME", (tmp.path().toStdString() + "/share").c_str(), 1);
        fsys::clearResolveCache();
        api = std::make_unique<ApiClass>();
        fsys::makeFolders(api->AppPfad() + "DATEN");
        fragenErzeugen(api->AppPfad());
        api->protokoll("START", 0);
    }
};

Datenordner& ordner() {
    static Datenordner d;
    return d;
}

void BM_AnzahlFragen(benchmark::State& state) {
    ApiClass& api = *ordner().api;
    fragen::QuestionPool::Table tabelle{};
    fragen::QuestionPool pool(api, tabelle);
    for (auto _ : state) benchmark::DoNotOptimize(pool.AnzahlFragen(true, true));
    if (pool.Anzahl() != 898) state.SkipWithError("pool is not 898 questions");
}
BENCHMARK(BM_AnzahlFragen)->Unit(benchmark::kMillisecond);

void BM_IndexKomplettErstellen(benchmark::State& state) {
    ApiClass& api = *ordner().api;
    fragen::QuestionPool::Table tabelle{};
    fragen::QuestionPool pool(api, tabelle);
    fragen::WortIndex index(api);
    for (auto _ : state) {
        api.IniSchreiben("", "Allgemein", "IndexNotwendig", "0");
        if (!index.IndexKomplettErstellen(pool)) state.SkipWithError("no rebuild");
    }
    state.counters["woerter"] = double(std::count(index.Wortliste().begin(), index.Wortliste().end(), ' '));
}
BENCHMARK(BM_IndexKomplettErstellen)->Unit(benchmark::kMillisecond);

void BM_FileOkFromArchive(benchmark::State& state) {
    Datenordner& d = ordner();
    ApiClass& api = *d.api;
    const std::string installation = d.tmp.path().toStdString() + "/programm/";
    fsys::makeFolders(installation + "DATEN");
    fragen::setInstallationsPfad(installation);
    // 40 pictures of 512 KB that do not compress: a 20 MB archive.
    std::mt19937 rng(4);
    std::vector<std::string> inhalte(40);
    const std::string archiv = installation + "DATEN/Daten 3.DAT";
    int fehler = 0;
    zip_t* za = zip_open(fsys::native(archiv).c_str(), ZIP_CREATE | ZIP_TRUNCATE, &fehler);
    for (size_t i = 0; i < inhalte.size(); ++i) {
        inhalte[i].resize(512 * 1024);
        for (char& c : inhalte[i]) c = char(rng());
        zip_source_t* src = zip_source_buffer(za, inhalte[i].data(), inhalte[i].size(), 0);
        zip_file_add(za, ("bild" + std::to_string(100 + i) + ".jpg").c_str(), src, 0);
    }
    zip_close(za);
    fsys::writeAtomic(api.AppPfad() + "DATEN/bild120.jpg", " 3 \r\n");
    const std::string ziel = fragen::AnzeigeKopie(api, "bild120.jpg");
    for (auto _ : state)
        if (!fragen::FileOk(api, "bild120.jpg", ziel)) state.SkipWithError("not provided");
    state.counters["archiv_MB"] = double(fsys::stamp(archiv)->size) / 1e6;
}
BENCHMARK(BM_FileOkFromArchive)->Unit(benchmark::kMillisecond);

// A full rebuild of the list window's rows with every filter step at work.
void BM_ListeAktualisieren(benchmark::State& state) {
    ApiClass& api = *ordner().api;
    fragen::ListenBau bau(api);
    bau.Laden();
    bau.grade[8] = false;
    bau.NummerWeg("120 300-310");
    bau.UnWort("Sinfonie");
    for (auto _ : state) bau.ListeAktualisieren();
    if (bau.zeilen.empty() || bau.zeilen.size() >= 898) state.SkipWithError("filters took nothing or all");
    state.counters["zeilen"] = double(bau.zeilen.size());
}
BENCHMARK(BM_ListeAktualisieren)->Unit(benchmark::kMillisecond);

void BM_Stichwortsuche(benchmark::State& state) {
    ApiClass& api = *ordner().api;
    fragen::QuestionPool::Table tabelle{};
    fragen::QuestionPool pool(api, tabelle);
    fragen::WortIndex index(api);
    api.IniSchreiben("", "Allgemein", "IndexNotwendig", "0");
    index.IndexKomplettErstellen(pool);
    fragen::ListenBau bau(api);
    fragen::Suchergebnis e;
    for (auto _ : state)
        e = fragen::Stichwortsuche(api, "Komponist", [&](std::int32_t n) { return bau.Zeile(n); });
    if (e.zeilen.empty()) state.SkipWithError("nothing found");
    state.counters["zeilen"] = double(e.zeilen.size());
}
BENCHMARK(BM_Stichwortsuche)->Unit(benchmark::kMillisecond);

}  // namespace

// The editor's save: one user question written and filed in the word index,
// beside the 898 supplied questions and their full index. Two questions that
// differ in every field take turns, so every save rewrites the whole record as
// saving a new question does. On a disk, the time is mostly the one flush that
// makes the save survive a power cut; run with TMPDIR=/dev/shm for the
// program's own share.
void BM_FrageSpeichernUndIndex(benchmark::State& state) {
    ApiClass& api = *ordner().api;
    fragen::QuestionPool::Table tabelle{};
    fragen::QuestionPool pool(api, tabelle);
    fragen::WortIndex index(api);
    index.IndexKomplettErstellen(pool);
    std::mt19937 rng(1756);
    fragen::QuestionRecord fassung[2];
    for (int k = 0; k < 2; ++k) {
        fragen::QuestionRecord& r = fassung[k];
        r.Frage = satz(rng, 12);
        for (size_t j = 1; j <= 5; ++j) {
            r.Antwort[j] = satz(rng, 3);
            r.Erklärung[j] = satz(rng, 14);
        }
        r.Lösung = 2 + k;
        r.Problem = std::int16_t(30 + 10 * k);
        r.Bereich = k == 0 ? "Oper" : "Instrumente";
    }
    int i = 0;
    for (auto _ : state) {
        if (!fragen::FrageSpeichern(api, 5, fassung[i++ % 2])) state.SkipWithError("not saved");
        index.FrageIndizieren(5);
    }
}
BENCHMARK(BM_FrageSpeichernUndIndex)->Unit(benchmark::kMillisecond);
