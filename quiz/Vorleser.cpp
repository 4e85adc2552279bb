#include "quiz/Vorleser.h"

#include <unistd.h>

#include <algorithm>
#include <filesystem>

#include "quiz/Bewertung.h"
#include "quiz/Spiel.h"
#include "services/ApiClass.h"
#include "services/Codepage.h"
#include "services/FileSys.h"
#include "services/MelvatoBasic.h"

using namespace cp1252::literals;

namespace quiz {

namespace {

constexpr const char* kSchluessel = "FragenVorlesen";

std::string tempOrdner() {
    std::error_code ec;
    const std::filesystem::path p = std::filesystem::temp_directory_path(ec);
    return ec ? std::string("/tmp") : fsys::fromNative(p);
}

}  // namespace

bool AutomatischVorlesen(ApiClass& api, int alter) {
    const std::string wert = api.IniLesen("", "ProfilParameter", kSchluessel);
    if (!wert.empty()) return vb::Val(wert) != 0;
    if (alter < 5 || alter >= 71) alter = 13;
    return alter <= 19;
}

bool AutomatischVorlesenSetzen(ApiClass& api, bool an) {
    return api.IniSchreiben("", "ProfilParameter", kSchluessel, an ? "-1" : "0");
}

Vorleser::Vorleser(ApiClass& api, Spiel& spiel, Anbindung anbindung, QObject* parent)
    : QObject(parent),
      api_(api),
      spiel_(spiel),
      an_(std::move(anbindung)),
      sound_(an_.sound ? an_.sound : &spiel.sound()),
      stimme_(an_.stimmdaten) {
    if (an_.ordner.empty()) an_.ordner = tempOrdner();
    if (!an_.ordner.empty() && !fsys::isSeparator(an_.ordner.back())) an_.ordner += '/';
    aussprache_.Laden(an_.aussprache.empty() ? api_.AppPfad() + "Aussprache.txt" : an_.aussprache);

    connect(&spiel_, &Spiel::takt, this, &Vorleser::Takt);
    // Whatever the game plays was asked for after the reading.
    connect(&spiel_, &Spiel::tonBeginnt, this, &Vorleser::Stoppen);
    connect(&spiel_, &Spiel::antwortTaste, this, &Vorleser::Stoppen);
    connect(&spiel_, &Spiel::frageGeladen, this, [this] {
        Stoppen();
        erklaerung_.clear();
        falsch_ = 0;
    });
    connect(&spiel_, &Spiel::phaseGeaendert, this, &Vorleser::beiPhase);
    connect(&spiel_, &Spiel::beurteilt, this,
            [this](int k, const Urteil& urteil, const std::string&) { beiUrteil(k, urteil); });
}

Vorleser::~Vorleser() {
    Aufraeumen();
}

Vorleser::Hindernis Vorleser::hindernis() {
    Hindernis h = Hindernis::Keins;
    std::string grund;
    if (!stimme_.bereit()) {
        h = Hindernis::KeineStimme;
        grund = stimme_.hindernis();
    } else if (!MelvatoBasic::SoundOk) {
        h = Hindernis::KeinTon;
        grund = "keine Tonausgabe";
    }
    if (h != Hindernis::Keins && !gemeldet_[size_t(h)]) {
        gemeldet_[size_t(h)] = true;
        api_.protokoll("Vorlesen nicht möglich: "_ansi + grund, 0);
    }
    return h;
}

bool Vorleser::automatisch() const {
    return AutomatischVorlesen(api_, an_.alter ? an_.alter() : 0);
}

std::vector<std::string> Vorleser::antwortStuecke(int ohne) const {
    static const char* const zahlen[] = {"", "eins", "zwei", "drei", "vier", "fünf"};
    std::vector<std::string> stuecke;
    for (int k = 1; k <= 5; ++k)
        if (k != ohne && spiel_.antwortGezeigt(k))
            stuecke.push_back("Antwort "_ansi + cp1252::fromUtf8(zahlen[k]) + ": " +
                              spiel_.frage().Antwort[size_t(k)]);
    return stuecke;
}

std::vector<std::string> Vorleser::frageStuecke() const {
    std::vector<std::string> stuecke{spiel_.frage().Frage};
    const std::vector<std::string> antworten = antwortStuecke(0);
    stuecke.insert(stuecke.end(), antworten.begin(), antworten.end());
    return stuecke;
}

std::vector<std::string> Vorleser::erklaerungStuecke() const {
    std::vector<std::string> stuecke{erklaerung_};
    if (falsch_) {
        const std::vector<std::string> antworten = antwortStuecke(falsch_);
        stuecke.insert(stuecke.end(), antworten.begin(), antworten.end());
    }
    return stuecke;
}

void Vorleser::Vorlesen() {
    Stoppen();
    if (hindernis() != Hindernis::Keins) return;
    switch (spiel_.phase()) {
        case Phase::Frage:
            Einreihen(frageStuecke());
            break;
        case Phase::ZweiterVersuch:
        case Phase::Erledigt:
            Einreihen(erklaerungStuecke());
            break;
        default:
            break;  // nothing on show to read
    }
}

void Vorleser::beiPhase(Phase phase) {
    switch (phase) {
        case Phase::Frage:
            // A question has just been uncovered.
            if (automatisch() && hindernis() == Hindernis::Keins) Einreihen(frageStuecke());
            break;
        case Phase::ZweiterVersuch:
        case Phase::Erledigt:
            break;  // the verdict came before
        case Phase::Geschlossen:
            Aufraeumen();
            break;
        default:
            Stoppen();
            break;
    }
}

void Vorleser::beiUrteil(int k, const Urteil& urteil) {
    erklaerung_ = urteil.text;
    falsch_ = urteil.erledigt ? 0 : k;
    if (automatisch() && hindernis() == Hindernis::Keins) Einreihen(erklaerungStuecke());
}

void Vorleser::Einreihen(std::vector<std::string> stuecke) {
    for (std::string& s : stuecke) reihe_.push_back(std::move(s));
    Weiter();
}

void Vorleser::Weiter() {
    // The game's sound goes first; the next tick tries again.
    if (stream_ || spiel_.ton().spielt()) return;
    while (!reihe_.empty()) {
        const std::string text = aussprache_.Bereinigen(reihe_.front());
        reihe_.pop_front();
        const std::string datei = an_.ordner + "Melvato-Vorlesen-" + std::to_string(::getpid()) + "-" +
                                  std::to_string(toggle_) + ".wav";
        // A piece that cannot be spoken or played is left out.
        if (!stimme_.Sprechen(text, datei)) continue;
        toggle_ = 1 - toggle_;
        if (std::find(dateien_.begin(), dateien_.end(), datei) == dateien_.end()) dateien_.push_back(datei);
        stream_ = sound_->StreamOpen(datei);
        if (!stream_) continue;
        if (sound_->StreamPlay(stream_) < 0) {
            sound_->StreamClose(stream_);
            stream_ = 0;
            continue;
        }
        emit stueckBeginnt(text);
        return;
    }
}

void Vorleser::Takt() {
    if (stream_ && sound_->GetPosition(stream_) >= sound_->GetLength(stream_)) {
        sound_->StreamClose(stream_);
        stream_ = 0;
    }
    if (!reihe_.empty()) Weiter();
}

void Vorleser::Stoppen() {
    reihe_.clear();
    if (!stream_) return;
    sound_->StreamStop(stream_);
    sound_->StreamClose(stream_);
    stream_ = 0;
}

void Vorleser::Aufraeumen() {
    Stoppen();
    for (const std::string& datei : dateien_) fsys::remove(datei);
    dateien_.clear();
}

}  // namespace quiz
