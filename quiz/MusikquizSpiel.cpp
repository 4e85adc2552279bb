// The quiz window's game: start, the draw of the next question, going on.
#include <QApplication>
#include <QCoreApplication>
#include <QScrollBar>

#include "questions/QuestionRecord.h"
#include "quiz/Musikquiz.h"
#include "services/ApiClass.h"
#include "services/Codepage.h"
#include "services/Dialogs.h"
#include "shell/MelvatoBasic.h"
#include "shell/frmAlter.h"
#include "shell/frmAutor.h"

using namespace cp1252::literals;

void Musikquiz::Starten_Click() {
    if (eingabeGesperrt() || entladen_) return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    if (MelvatoBasic::StartPhase && frmAutor::isLoaded()) frmAutor::instance().hide();
    MelvatoBasic::StartPhase = false;
    show();
    setFocus();         // the keys 1 to 5 come here
    Aktivierung(true);  // shown and on top now, not only when the frame says so later
    api_.protokoll("Starten Klick nach Me.Show", 0);
    QApplication::restoreOverrideCursor();
    ablauf_.Abbruch = false;

    std::optional<int> level;
    if (an_.alterAbfragen) {
        level = an_.alterAbfragen();
    } else if (frmAlter::Abfragen()) {
        level = frmAlter::instance().AlterLevel();
    }
    api_.protokoll("Starten Klick nach Alter.Show", 0);
    ablauf_.Testmodus = false;
    if (!level) {
        Ende_Click();
        return;
    }
    ziehung_.Niveau = *level;
    Editor->hide();
    pool_.ListReset();
    if (pool_.AnzahlFragen(false, false) < 1) {
        KeineFragenMelden();
        return;
    }
    AntwortenZeigen();
    NächsteFrage(false);
    ziehung_.SperreAufheben();
}

void Musikquiz::KeineFragenMelden() {
    dlg::dialogs().MsgBox(
        "Es gibt keine Fragen zum Spielen. Bitte erstelle zuerst Fragen oder lade eine andere Fragen-Liste."_ansi,
        dlg::OKOnly | dlg::Exclamation);
}

void Musikquiz::NächsteFrage(bool EditorTest) {
    if (ablauf_.Abbruch && !ablauf_.Testmodus) {
        if (!entladen_) close();
        return;
    }
    inZiehung_ = true;
    if (EditorTest) {
        frmNeueFrage->show();
        // The editor's scratch question is never in the pool; it is handed over
        // by number. Otherwise the editor's scroll position picks the question.
        const int pos = std::clamp(HScroll1->value(), 0, 1000);
        ziehung_.FrageNummer = testNummer_ > 0 ? testNummer_ : pool_.Tabelle()[size_t(pos)];
        testNummer_ = 0;
        const std::int32_t n = ziehung_.FrageNummer;
        ziehung_.FrageSchwierigkeit =
            vb::Val(api_.IniLesen(fragen::FragenDatei(n), fragen::QuizSektion(n), "Problem"));
        if (ziehung_.FrageSchwierigkeit < 10) ziehung_.FrageSchwierigkeit = 40;
    } else {
        lblGrad->setText(QStringLiteral("Risiko"));
        lblGebiet->setText(QStringLiteral("??? "));
        zähler->setProperty("Tag", QStringLiteral("GO"));
        ablauf_.zaehlerTag = "GO";
        ablauf_.ZählerLäuft = true;
        toolButton(0, false);
        frmNeueFrage->show();
        frmNeueFrage->raise();
        zähler->raise();
        QCoreApplication::processEvents();

        ++ziehung_.Runde;
        SoundAbspielen("slot.wav");
        QCoreApplication::processEvents();
        ablauf_.SlotLäuft = true;

        quiz::Pool pool;
        pool.anzahl = [this] { return pool_.AnzahlFragen(false, false); };
        pool.tabelle = &pool_.Tabelle();
        pool.problem = [this](std::int32_t n) {
            return vb::Val(api_.IniLesen(fragen::FragenDatei(n), fragen::QuizSektion(n), "Problem"));
        };
        pool.yield = [] { QCoreApplication::processEvents(); };
        if (!ziehung_.Ziehen(pool, *an_.zufall)) {
            // The pool went empty under the running game (files removed).
            ZählerStopp(0);
            frmNeueFrage->hide();
            ablauf_.SlotLäuft = false;
            inZiehung_ = false;
            KeineFragenMelden();
            return;
        }
    }
    if (EditorTest)
        ziehung_.Gesperrt[size_t(std::clamp(ziehung_.FrageNummer, 0, 1000))] = ziehung_.Runde + 25;
    QCoreApplication::processEvents();
    if (ablauf_.Abbruch) {
        inZiehung_ = false;
        return;
    }
    FrageAnzeigen();
    inZiehung_ = false;
}

void Musikquiz::FrageTesten(std::int32_t nummer) {
    if (eingabeGesperrt() || entladen_) return;
    ablauf_.Testmodus = true;
    ablauf_.Abbruch = false;
    Editor->hide();
    AntwortenZeigen();
    testNummer_ = nummer;
    NächsteFrage(true);
}

void Musikquiz::testen_Click() {
    // Without the editor on screen the button starts a game.
    if (Editor->isHidden()) {
        Starten_Click();
        return;
    }
    // The editor's own test (check, save into the scratch slot, FrageTesten)
    // belongs to the editor side.
}

void Musikquiz::Weiter() {
    if (!ablauf_.Testmodus) {
        NächsteFrage(false);
        return;
    }
    AntwortenVerbergen();
    Editor->show();
    ablauf_.Testmodus = false;
}

void Musikquiz::Frage_Click() {
    if (eingabeGesperrt()) return;
    if (frage_.Beantwortet) Weiter();
}
