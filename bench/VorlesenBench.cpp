// Reading aloud: from the button to the first piece handed to the sound layer.
#include <benchmark/benchmark.h>

#include <QTemporaryDir>
#include <cstdlib>
#include <memory>

#include "questions/QuestionRecord.h"
#include "quiz/Spiel.h"
#include "quiz/Vorleser.h"
#include "services/ApiClass.h"
#include "services/FileSys.h"
#include "services/MelvatoBasic.h"

namespace {

struct StehendeUhr : quiz::Uhr {
    double zeit = 0;
    double jetzt() override { return zeit; }
};

// A 120-character question on show with three answers; the real voice and the
// real sound library on SDL's silent driver. Each iteration is one press of the
// button: the first piece synthesised, written and started.
void BM_VorlesenErsterTon(benchmark::State& state) {
    QTemporaryDir dir;
    setenv("XDG_DATA_HOME", (dir.path() + QStringLiteral("/share")).toStdString().c_str(), 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    ApiClass api;
    fsys::makeFolders(api.AppPfad() + "DATEN");
    fragen::QuestionRecord r;
    r.Frage =
        "Welches Instrument hat vier Saiten, wird mit einem Bogen gestrichen und klingt tiefer als eine "
        "Geige?";
    while (r.Frage.size() < 120) r.Frage += " Na?";
    r.Frage.resize(120);
    for (int k = 1; k <= 3; ++k) r.Antwort[size_t(k)] = k == 1 ? "Bratsche" : k == 2 ? "Cello" : "Harfe";
    r.Lösung = 1;
    fragen::FrageSpeichern(api, 5, r);
    quiz::AutomatischVorlesenSetzen(api, false);

    fragen::QuestionPool::Table tabelle{};
    StehendeUhr uhr;
    quiz::Spiel::Anbindung an;
    an.uhr = &uhr;
    quiz::Spiel spiel(api, tabelle, an);
    spiel.TonStarten();
    if (!MelvatoBasic::SoundOk) {
        state.SkipWithError("no sound library");
        return;
    }
    spiel.FrageTesten(5);
    uhr.zeit += quiz::kTestEnthuellung;
    spiel.Soundtimer_Timer();
    quiz::Vorleser leser(api, spiel, {nullptr, dir.path().toStdString(), "", "", {}});
    int stuecke = 0;
    QObject::connect(&leser, &quiz::Vorleser::stueckBeginnt, [&](const std::string&) { ++stuecke; });
    if (spiel.phase() != quiz::Phase::Frage || leser.hindernis() != quiz::Vorleser::Hindernis::Keins) {
        state.SkipWithError("no question on show, or no voice");
        return;
    }
    for (auto _ : state) leser.Vorlesen();
    if (stuecke != int(state.iterations())) state.SkipWithError("a press started nothing");
    spiel.Schliessen(true);
}
BENCHMARK(BM_VorlesenErsterTon)->Unit(benchmark::kMillisecond);

}  // namespace
