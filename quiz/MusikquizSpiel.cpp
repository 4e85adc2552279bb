// The quiz window's commands of the game: start, the editor's test, going on.
#include <QApplication>
#include <QScrollBar>

#include "quiz/Musikquiz.h"
#include "services/ApiClass.h"
#include "services/MelvatoBasic.h"

void Musikquiz::Starten_Click() {
    if (spiel_->laeuftShow() || entladen_) return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    if (MelvatoBasic::StartPhase && an_.startBildVerbergen) an_.startBildVerbergen();
    MelvatoBasic::StartPhase = false;
    show();
    setFocus();         // the keys 1 to 5 come here
    Aktivierung(true);  // shown and on top now, not only when the frame says so later
    api_.protokoll("Starten Klick nach Me.Show", 0);
    QApplication::restoreOverrideCursor();

    const std::optional<int> level = an_.alterAbfragen ? an_.alterAbfragen() : quiz::AlterLevel(0);
    api_.protokoll("Starten Klick nach Alter.Show", 0);
    if (entladen_) return;  // closed while the age was asked
    spiel_->Starten(level);
}

void Musikquiz::FrageTesten(std::int32_t nummer) {
    if (entladen_) return;
    // Without a number the editor's scroll position picks the question.
    if (nummer <= 0) nummer = spiel_->pool().Tabelle()[size_t(std::clamp(HScroll1->value(), 0, 1000))];
    spiel_->FrageTesten(nummer);
}

void Musikquiz::testen_Click() {
    // Without the editor on screen the button starts a game.
    if (Editor->isHidden()) {
        Starten_Click();
        return;
    }
    // The editor's own test: check, save into the scratch slot, FrageTesten.
    editorSeite->testen_Click();
}

void Musikquiz::Frage_Click() {
    spiel_->Weiterklick();
}

void Musikquiz::Vorlesen_Click() {
    if (!entladen_ && Editor->isHidden()) vorleser_->Vorlesen();
}

void Musikquiz::SoundRepeat_Click() {
    spiel_->SoundRepeat_Click();
}

void Musikquiz::PlaySound(const std::string& file) {
    spiel_->PlaySound(file);
}

void Musikquiz::StreamBreak() {
    spiel_->StreamBreak();
}
