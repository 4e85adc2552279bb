// The quiz window's judging: colours, verdict and explanation, feedback voice,
// solution picture and the rewritten difficulty of the question.
#include "questions/QuestionRecord.h"
#include "quiz/Anzeige.h"
#include "quiz/Musikquiz.h"
#include "services/ApiClass.h"
#include "services/Codepage.h"

namespace {
void faerben(QLabel* l, QPalette::ColorRole rolle, const quiz::Farbe& f) {
    QPalette p = l->palette();
    p.setColor(rolle, QColor(f.r, f.g, f.b));
    l->setPalette(p);
}
}  // namespace

void Musikquiz::FeedbackSpielen(bool ja) {
    const double anzahl = vb::Val(api_.IniLesen("", "Allgemein", ja ? "AnzahlJa" : "AnzahlNein"));
    SoundAbspielen(quiz::FeedbackName(ja, std::int32_t(anzahl), *an_.zufall));
}

void Musikquiz::AntwortAuswerten(int k) {
    if (k < 1 || k > 5) return;
    const quiz::Urteil u = quiz::AntwortAuswerten(
        frage_, ziehung_, k, [this] { return pool_.AnzahlFragen(false, false); },
        [this](std::int32_t n, std::int32_t wert) {
            api_.IniSchreiben(fragen::FragenDatei(n), fragen::QuizSektion(n), "Problem",
                              std::to_string(wert));
        });
    faerben(Antwort[size_t(k)], QPalette::Window, quiz::kHellrot);
    if (u.erledigt && u.hellgruen >= 1 && u.hellgruen <= 5)
        faerben(Antwort[size_t(u.hellgruen)], QPalette::Window, quiz::kHellgruen);
    if (u.erledigt) {
        faerben(Frage, QPalette::WindowText, quiz::kGrau);
        const fragen::QuestionRecord r = fragen::FrageLesen(api_, ziehung_.FrageNummer);
        BildAnzeigen(r.Bild2, false);
    }
    FeedbackSpielen(u.jaTon);
    faerben(Answer, QPalette::WindowText, u.textFarbe);
    Answer->setText(cp1252::toUnicode(u.text));
    // Below the question, as wide as it; once settled the verdict takes the
    // question's place when there is not enough room below.
    Answer->show();
    TexteEinpassen(u.erledigt);
    if (u.erledigt) toolButton(7, true);
}
