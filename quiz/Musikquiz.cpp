#include "quiz/Musikquiz.h"

Musikquiz::Musikquiz(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Musikquiz"));
}
Musikquiz::~Musikquiz() = default;

void Musikquiz::Form_Load() {}
void Musikquiz::Starten_Click() {}
void Musikquiz::Ende_Click() {}
void Musikquiz::testen_Click() {}
void Musikquiz::Frage_Click() {}
void Musikquiz::SoundRepeat_Click() {}
// The editor face comes with the question editor.
void Musikquiz::Erstellen_Click() {}
void Musikquiz::neu_Click() {}
void Musikquiz::Save_Click() {}
void Musikquiz::PlaySound(const std::string&) {}
