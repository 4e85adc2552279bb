#include "questions/FragenEingabe.h"

#include <cctype>
#include <charconv>

#include "questions/QuestionPool.h"
#include "questions/WordIndex.h"
#include "services/ApiClass.h"
#include "services/Codepage.h"
#include "services/Dialogs.h"
#include "translation/Texte.h"

using namespace cp1252::literals;

namespace fragen {

namespace {
std::string nichtGespeichert() {
    return " " + texte::Text(53274, "Frage wurde nicht abgespeichert!") + " ";
}
}  // namespace

bool FeldText(std::string& text) {
    for (char& c : text)
        if (c == '\t' || c == '\r' || c == '\n') c = ' ';
    if (text.size() <= kFeldLaenge) return false;
    text.resize(kFeldLaenge);
    return true;
}

Pruefung EingabePruefen(const QuestionRecord& r) {
    Pruefung p;
    const int l = (r.Lösung >= 1 && r.Lösung <= 5) ? r.Lösung : 1;
    std::string teilA;
    if (r.Problem / 10 == 0) {
        teilA = texte::Text(53275, "Schierigkeitsgrad");
        p.schwierigkeit = true;
    }
    if (r.Bereich.empty()) {
        p.bereich = true;
        teilA = teilA.empty() ? texte::Text(53276, "Themenbereich")
                              : texte::Text(53277, "Schierigkeitsgrad und Themenbereich");
    }
    std::string m;
    if (!teilA.empty()) m = teilA + " " + texte::Text(53278, "festlegen!") + "\r\n";
    std::string q, e, s;
    if (r.Frage.empty()) {
        p.frage = true;
        q = texte::Text(53279, "Bitte Frage") + " ";
    }
    if (r.Erklärung[size_t(l)].empty()) {
        e = texte::Text(53280, "eine Erklärung zur richtigen Lösung"_ansi) + " ";
        p.erklaerung[size_t(l)] = true;
    }
    // An answer of blanks only is not shown in the game, so it counts as none:
    // a question could not be answered otherwise.
    if (!AntwortGezeigt(r.Antwort[size_t(l)])) {
        s = texte::Text(53281, "Lösungs-Text"_ansi) + " ";
        p.antwort[size_t(l)] = true;
    }
    if (!(q + s + e).empty()) m = q + s + e + texte::Text(53278, "festlegen!") + "\r\n" + m;
    int antworten = 0;
    for (int i = 1; i <= 5; ++i) antworten += AntwortGezeigt(r.Antwort[size_t(i)]) ? 1 : 0;
    if (antworten < 3) {
        m += texte::Text(53282, "Mind. 3 Antworten eingeben!");
        for (int i = 1; i <= 5; ++i)
            if (!AntwortGezeigt(r.Antwort[size_t(i)])) p.antwort[size_t(i)] = true;
    }
    p.meldung = m;
    return p;
}

std::string FehlerText(const Pruefung& p) {
    return texte::Text(53283, "Folgende Fehler wurden festgestellt:") + " \r\n\r\n" + p.meldung + "\r\n\r\n" +
           texte::Text(53284, "Frage kann nicht gespeichert werden!!!");
}

std::optional<std::int32_t> NummerLesen(const std::string& text) {
    size_t a = text.find_first_not_of(' ');
    size_t b = text.find_last_not_of(' ');
    if (a == std::string::npos) return std::nullopt;
    const char* first = text.data() + a;
    const char* last = text.data() + b + 1;
    std::int32_t n = 0;
    auto [ende, fehler] = std::from_chars(first, last, n);
    if (fehler != std::errc() || ende != last) return std::nullopt;
    return n;
}

FragenAblage::FragenAblage(ApiClass& api, QuestionPool& pool, WortIndex& index)
    : api_(api), pool_(pool), index_(index) {}

Ablage FragenAblage::Speichern(const std::string& nummerText, const QuestionRecord& r) {
    const bool macher = MacherModus(api_);
    const std::int32_t bis = macher ? kLetzteFrage : 99;
    const std::optional<std::int32_t> n = NummerLesen(nummerText);
    if (!n || *n < 1 || *n > bis) {
        // Also in maker mode a number must name a question file; 999 is the test's.
        dlg::dialogs().MsgBox(macher ? texte::Text(53285, "erst eine Nummer zwischen 1 und 998 eingeben")
                                     : texte::Text(53286, "erst eine Nummer zwischen 1 und 99 eingeben"),
                              dlg::OKOnly, texte::Text(23013, "Warnung"));
        Ablage a;
        a.nummerText = nummerText;
        return a;
    }
    Ablage a = schreiben(*n, r, false);
    if (!a.gespeichert) {
        a.nummerText = nummerText;
        return a;
    }
    index_.FrageIndizieren(a.nummer);
    if (a.nummer != *n || macher)
        a.nummerText = std::to_string(a.nummer);  // the box names the question just written
    else
        a.nummerText = std::to_string(pool_.FreieFrageNummer());
    return a;
}

Ablage FragenAblage::TestSpeichern(const QuestionRecord& r) {
    return schreiben(kTestFrage, r, true);
}

Ablage FragenAblage::schreiben(std::int32_t n, const QuestionRecord& r, bool test) {
    Ablage a;
    a.pruefung = EingabePruefen(r);
    if (!a.pruefung.ok()) {
        dlg::dialogs().MsgBox(FehlerText(a.pruefung), dlg::OKOnly | dlg::Exclamation,
                              texte::Text(53287, "Fehler bei Eingabe"));
        if (!test) a.status = nichtGespeichert();
        return a;
    }
    if (!test) {
        // Shown as the loader shows it: a plain record is not unscrambled.
        const std::string alt = FrageLesen(api_, n).Frage.substr(0, 50);
        if (alt.empty()) {
            a.status = " " + texte::Text(53288, "Frage wurde als neu abgespeichert!") + " ";
        } else if (dlg::dialogs().MsgBox(texte::Text(53289, "Bestehende Frage...") + "\r\n\r\n'" + alt +
                                             "...'\r\n\r\n" + texte::Text(53290, "...überschreiben?"_ansi),
                                         dlg::YesNo, texte::Text(23013, "Warnung")) == dlg::Yes) {
            a.status = " " + texte::Text(53291, "Frage wurde überschrieben!"_ansi) + " ";
        } else {
            const std::int32_t frei = pool_.FreieFrageNummer();
            // With every number taken the search answers one past its range,
            // which may hold a question too: never write over it unasked.
            if (frei == n || frei > kLetzteFrage || FrageVorhanden(api_, frei)) {
                dlg::dialogs().MsgBox(
                    texte::Text(53292, "Es ist keine Nummer mehr frei. Die Frage wurde nicht gespeichert."),
                    dlg::OKOnly | dlg::Exclamation, texte::Text(23013, "Warnung"));
                a.status = nichtGespeichert();
                return a;
            }
            n = frei;
            a.status = " " + texte::Text(53288, "Frage wurde als neu abgespeichert!") + " ";
        }
    }
    QuestionRecord neu = r;
    neu.Nummer = n;
    if (!FrageSpeichern(api_, n, neu)) {
        dlg::dialogs().MsgBox(
            texte::Text(53293, "Die Frage konnte nicht gespeichert werden.") + " " +
                texte::Text(53295, "Der Datenordner ist schreibgeschützt oder die Festplatte ist voll."_ansi),
            dlg::OKOnly | dlg::Critical, texte::Text(53294, "Fehler beim Speichern"));
        a.status = test ? std::string() : nichtGespeichert();
        return a;
    }
    if (test) a.status.clear();
    a.gespeichert = true;
    a.nummer = n;
    return a;
}

}  // namespace fragen
