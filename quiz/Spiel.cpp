#include "quiz/Spiel.h"

#include <QTimer>
#include <algorithm>

#include "questions/Media.h"
#include "services/ApiClass.h"
#include "services/Codepage.h"
#include "services/Dialogs.h"
#include "services/FileSys.h"
#include "translation/Texte.h"

using namespace cp1252::literals;

namespace quiz {

Spiel::Spiel(ApiClass& api, fragen::QuestionPool::Table& tabelle, Anbindung anbindung, QObject* parent)
    : QObject(parent), api_(api), an_(std::move(anbindung)), pool_(api, tabelle) {
    if (!an_.sound) {
        eigenerSound_ = std::make_unique<FModSound>();
        an_.sound = eigenerSound_.get();
    }
    if (!an_.uhr) {
        eigeneUhr_ = std::make_unique<EchteUhr>();
        an_.uhr = eigeneUhr_.get();
    }
    if (!an_.zufall) {
        eigenerZufall_ = std::make_unique<EchterZufall>();
        an_.zufall = eigenerZufall_.get();
    }
    if (!an_.fileOk)
        an_.fileOk = [this](const std::string& n, const std::string& z) {
            return fragen::FileOk(api_, n, z);
        };
    ton_ = std::make_unique<Tonwiedergabe>(
        api_, *an_.sound, *an_.uhr,
        Tonwiedergabe::Anbindung{an_.fileOk, [this](int i, bool an) { emit toolButton(i, an); },
                                 an_.schreibHindernis});
    ton_->beginnt = [this] { emit tonBeginnt(); };
    timer_ = new QTimer(this);
    timer_->setObjectName(QStringLiteral("Soundtimer"));
    timer_->setInterval(200);
    connect(timer_, &QTimer::timeout, this, &Spiel::Soundtimer_Timer);
}

Spiel::~Spiel() = default;

std::string Spiel::daten() const {
    return api_.AppPfad() + "DATEN\\";
}

void Spiel::wechseln(Phase neu) {
    phase_ = neu;
    emit phaseGeaendert(neu);
}

void Spiel::TonStarten() {
    ton_->Starten();
}

void Spiel::FeedbackZaehlen() {
    SoundDateienZählen(api_, an_.fileOk);
}

void Spiel::TimerStarten() {
    timer_->start();
}

// ---- start and draw

void Spiel::Starten(std::optional<int> level) {
    if (laeuftShow() || phase_ == Phase::Geschlossen) return;
    ablauf_.Abbruch = false;
    ablauf_.Testmodus = false;
    if (!level) {
        emit schliessenAngefragt();
        return;
    }
    ziehung_.Niveau = *level;
    emit editorSichtbar(false);
    pool_.ListReset();
    if (pool_.AnzahlFragen(false, false) < 1) {
        KeineFragenMelden();
        return;
    }
    emit antwortenSichtbar(true);
    emit toolButton(8, true);
    ersteFrage_ = true;
    NächsteFrage(false);
}

void Spiel::FrageTesten(std::int32_t nummer) {
    if (laeuftShow() || phase_ == Phase::Geschlossen) return;
    ablauf_.Testmodus = true;
    ablauf_.Abbruch = false;
    emit editorSichtbar(false);
    emit antwortenSichtbar(true);
    emit toolButton(8, true);
    ziehung_.FrageNummer = nummer;
    NächsteFrage(true);
}

void Spiel::KeineFragenMelden() {
    dlg::dialogs().MsgBox(
        texte::Text(
            53121,
            "Es gibt keine Fragen zum Spielen. Bitte erstelle zuerst Fragen oder lade eine andere Fragen-Liste."_ansi),
        dlg::OKOnly | dlg::Exclamation);
}

void Spiel::NächsteFrage(bool EditorTest) {
    if (ablauf_.Abbruch && !ablauf_.Testmodus) {
        emit schliessenAngefragt();
        return;
    }
    if (EditorTest) {
        // The editor hands the question over by number (its scratch slot is never
        // in the pool); it is shown without a slot.
        emit deckelSichtbar(true);
        const std::int32_t n = ziehung_.FrageNummer;
        ziehung_.FrageSchwierigkeit = fragen::ProblemLesen(api_, n);
        if (ziehung_.FrageSchwierigkeit < 10) ziehung_.FrageSchwierigkeit = 40;
        ziehung_.Gesperrt[size_t(std::clamp(n, 0, 1000))] = ziehung_.Runde + kSperrRunden;
        FrageAnzeigen();
        return;
    }
    emit gradUndGebiet(texte::Text(33141, "Risiko"), "??? ");
    ablauf_.zaehlerTag = "GO";
    ablauf_.ZählerLäuft = true;
    emit zaehlerStartet();
    emit toolButton(0, false);
    emit deckelSichtbar(true);
    ++ziehung_.Runde;
    SoundAbspielen("slot.wav");
    ablauf_.SlotLäuft = true;

    Pool pool;
    pool.anzahl = [this] { return pool_.AnzahlFragen(false, false); };
    pool.tabelle = &pool_.Tabelle();
    pool.problem = [this](std::int32_t n) { return fragen::ProblemLesen(api_, n); };
    bool gezogen = ziehung_.Ziehen(pool, *an_.zufall);
    // A question without answers, or whose solution names no shown answer, could
    // never be settled rightly (or at all): it stays blocked and another is drawn.
    for (int versuch = 0; gezogen && !spielbar(fragen::FrageLesen(api_, ziehung_.FrageNummer)); ++versuch) {
        api_.protokoll(
            "Frage " + std::to_string(ziehung_.FrageNummer) + " ohne spielbare Antworten übersprungen"_ansi,
            0);
        gezogen = versuch < kMaxAbgelehnt && ziehung_.Ziehen(pool, *an_.zufall);
    }
    if (!gezogen) {
        // The pool went empty under the running game (files removed).
        ZählerStopp(0);
        emit deckelSichtbar(false);
        ablauf_.SlotLäuft = false;
        wechseln(Phase::Leerlauf);
        KeineFragenMelden();
        return;
    }
    if (ersteFrage_) {
        ziehung_.SperreAufheben();
        ersteFrage_ = false;
    }
    FrageAnzeigen();
}

// ---- showing a question: loaded under the cover, revealed once the slot ended

void Spiel::FrageAnzeigen() {
    const std::int32_t n = ziehung_.FrageNummer;
    api_.protokoll("Next Quiz: " + std::to_string(n), 0);
    record_ = fragen::FrageLesen(api_, n);
    frage_.RichtigeAntwort = record_.Lösung;
    for (int i = 1; i <= 5; ++i) frage_.Erklärungen[size_t(i)] = record_.Erklärung[size_t(i)];
    frage_.Beantwortet = false;
    frage_.ZweiterVersuch = false;
    emit frageGeladen(record_, BildKopieren(record_.Bild));
    if (ablauf_.Testmodus) {
        Enthuellen();
        return;
    }
    phaseSeit_ = an_.uhr->jetzt();
    wechseln(Phase::Slot);
}

void Spiel::Enthuellen() {
    const int alter = an_.alterLevel ? an_.alterLevel() : 0;
    emit gradUndGebiet(fragen::SchwierigkeitsName(vb::CLng(ziehung_.FrageSchwierigkeit), alter),
                       record_.Bereich);
    ZählerStopp(ziehung_.FrageNummer);
    SoundAbspielen("sound.wav");
    ablauf_.SlotLäuft = true;
    phaseSeit_ = an_.uhr->jetzt();
    wechseln(Phase::Enthuellung);
}

void Spiel::Aufdecken() {
    emit deckelSichtbar(false);
    ablauf_.AktuellesAudio = record_.Audio;
    if (!record_.Audio.empty())
        SoundAbspielen(record_.Audio);
    else
        emit toolButton(8, false);
    emit toolButton(7, false);
    offenSeit_ = an_.uhr->jetzt();
    niveauVorher_ = ziehung_.Niveau;
    wechseln(Phase::Frage);
}

std::string Spiel::BildKopieren(const std::string& datei) {
    if (datei.empty()) return {};
    const std::string upper = cp1252::upper(datei);
    const std::string ziel = daten() + "Now" + upper.substr(upper.size() > 4 ? upper.size() - 4 : 0);
    return an_.fileOk(datei, ziel) ? ziel : std::string();
}

void Spiel::ZählerStopp(std::int32_t n) {
    ablauf_.zaehlerTag = "STOP";
    emit zaehlerSteht(n);
    ablauf_.ZählerLäuft = false;
    emit toolButton(0, true);
}

void Spiel::Soundtimer_Timer() {
    if (phase_ == Phase::Geschlossen) return;
    if (ton_->Takt(ablauf_)) {
        zaehlerlauf_.Drehen();
        emit zaehlerDreht(zaehlerlauf_.bild, zaehlerlauf_.ziffer);
    }
    ShowTakt();
    emit takt();
}

void Spiel::ShowTakt() {
    if (!laeuftShow()) return;
    const double seit = an_.uhr->jetzt() - phaseSeit_;
    if (phase_ == Phase::Slot) {
        if (!ablauf_.SlotLäuft || seit >= kSlotGrenze) Enthuellen();
    } else if (ablauf_.Testmodus ? seit >= kTestEnthuellung
                                 : !ablauf_.SlotLäuft || seit >= kEnthuellungGrenze) {
        Aufdecken();
    }
}

// ---- input and judging

namespace {
bool gezeigt(const fragen::QuestionRecord& r, int k) {
    if (k < 1 || k > 5) return false;
    return r.Antwort[size_t(k)].find_first_not_of(" \t\r\n\xA0") != std::string::npos;
}
}  // namespace

bool Spiel::antwortGezeigt(int k) const {
    return gezeigt(record_, k);
}

bool Spiel::spielbar(const fragen::QuestionRecord& r) {
    return gezeigt(r, r.Lösung);
}

void Spiel::AntwortGewaehlt(int k) {
    emit antwortTaste(k);
    switch (phase_) {
        case Phase::Frage:
        case Phase::ZweiterVersuch:
            if (antwortGezeigt(k)) AntwortAuswerten(k);
            break;
        case Phase::Erledigt:
            Weiter();
            break;
        default:
            break;
    }
}

void Spiel::Weiterklick() {
    if (phase_ == Phase::Erledigt) Weiter();
}

void Spiel::FeedbackSpielen(bool ja) {
    const double anzahl = vb::Val(api_.IniLesen("", "Allgemein", ja ? "AnzahlJa" : "AnzahlNein"));
    SoundAbspielen(FeedbackName(ja, std::int32_t(anzahl), *an_.zufall));
}

void Spiel::AntwortAuswerten(int k) {
    const bool zweiterVersuch = frage_.ZweiterVersuch;
    const Urteil u = quiz::AntwortAuswerten(
        frage_, ziehung_, k, [this] { return pool_.AnzahlFragen(false, false); },
        [this](std::int32_t n, std::int32_t wert) { fragen::ProblemSchreiben(api_, n, wert); });
    const std::string loesungsBild = u.erledigt ? BildKopieren(record_.Bild2) : std::string();
    FeedbackSpielen(u.jaTon);
    emit beurteilt(k, u, loesungsBild);
    if (!u.erledigt) {
        wechseln(Phase::ZweiterVersuch);
        return;
    }
    if (!ablauf_.Testmodus) {
        FrageErgebnis e;
        e.nummer = ziehung_.FrageNummer;
        e.bereich = record_.Bereich;
        e.schwierigkeit = ziehung_.FrageSchwierigkeit;
        e.niveauVorher = niveauVorher_;
        e.ergebnis = u.art != Urteil::Art::Richtig ? 0 : zweiterVersuch ? 2 : 1;
        e.sekunden = an_.uhr->jetzt() - offenSeit_;
        emit frageErledigt(e);
    }
    emit toolButton(7, true);
    wechseln(Phase::Erledigt);
}

void Spiel::Weiter() {
    if (!ablauf_.Testmodus) {
        NächsteFrage(false);
        return;
    }
    emit antwortenSichtbar(false);
    emit toolButton(8, false);
    emit editorSichtbar(true);
    ablauf_.Testmodus = false;
    wechseln(Phase::Leerlauf);
}

// ---- sound

void Spiel::SoundAbspielen(const std::string& name) {
    ton_->SoundAbspielen(name);
}

void Spiel::SoundRepeat_Click() {
    if (!laeuftShow() && phase_ != Phase::Geschlossen) SoundAbspielen(ablauf_.AktuellesAudio);
}

void Spiel::PlaySound(const std::string& pfad) {
    ton_->PlaySound(pfad);
}

void Spiel::StreamBreak() {
    ton_->StreamBreak();
}

// ---- closing

bool Spiel::Schliessen(bool erzwingen) {
    if (phase_ == Phase::Geschlossen) return true;
    if (!erzwingen && ablauf_.zaehlerTag == "GO") return false;
    // Nothing runs below us that would have to notice the close: the game
    // simply stops where it is.
    ablauf_.Abbruch = true;
    timer_->stop();
    ton_->Schliessen();
    for (const char* name : {"now0.wav", "now1.wav", "now2.wav", "now.wav", "now.gif", "now.jpg", "now.bmp"})
        if (fsys::fileExists(daten() + name)) fsys::remove(daten() + name);
    wechseln(Phase::Geschlossen);
    return true;
}

}  // namespace quiz
