#include "questions/QuestionPool.h"

#include <algorithm>

#include "questions/QuestionRecord.h"
#include "services/ApiClass.h"
#include "services/Codepage.h"
#include "services/Dialogs.h"
#include "services/MelvatoBasic.h"

using namespace cp1252::literals;

namespace fragen {

namespace {
const char* alsText(bool b) {
    return b ? "True" : "False";
}
std::string str(long long n) {
    return vb::Str(n);
}
}  // namespace

std::string FrageMangel(ApiClass& api, std::int32_t n) {
    const std::string datei = FragenDatei(n);
    const std::string sektion = QuizSektion(n);
    const bool verschluesselt = api.IniLesenVal(datei, sektion, "Crypt") != 0;
    std::array<bool, 6> gezeigt{};
    for (size_t i = 1; i <= 5; ++i) {
        const std::string key = "Antwort" + str(static_cast<long long>(i));
        const std::string text =
            verschluesselt ? api.Ini_Verschlüsselt(datei, sektion, key) : api.IniLesen(datei, sektion, key);
        gezeigt[i] = AntwortGezeigt(text);
    }
    if (std::find(gezeigt.begin(), gezeigt.end(), true) == gezeigt.end()) return "keine Antworten";
    const std::int32_t loesung = vb::CLng(vb::Val(api.IniLesen(datei, sektion, "Lösung"_ansi)));
    if (loesung < 1 || loesung > 5 || !gezeigt[size_t(loesung)])
        return "Lösung"_ansi + str(loesung) + " ist keine gezeigte Antwort";
    return {};
}

QuestionPool::QuestionPool(ApiClass& api) : QuestionPool(api, MelvatoBasic::Tabelle) {}

QuestionPool::QuestionPool(ApiClass& api, Table& tabelle) : api_(api), tabelle_(tabelle) {
    Auswahl.fill(true);
}

void QuestionPool::alleAuswaehlen(bool wert) {
    Auswahl.fill(wert);
}

std::int32_t QuestionPool::AnzahlFragen(bool Neu, bool Alle) {
    api_.protokoll(std::string("Anzahl der Fragen feststellen: ") + alsText(Alle) + " " + alsText(Neu), 0);
    if (Neu || letzteGescannt_ == 0) {
        anzahl_ = 0;
        api_.protokoll("Anzahl der Fragen: Erase Tabelle Start", 0);
        tabelle_.fill(0);
        api_.protokoll("Anzahl der Fragen: Erase Tabelle Ende", 0);
        for (std::int32_t n = kErsteFrage; n <= kLetzteFrage; ++n) {
            letzteGescannt_ = n;
            const std::string datei = FragenDatei(n);
            const bool gewaehlt = Auswahl[size_t(n)];
            api_.protokoll("Checke Frage " + str(n) + "in  Datei : " + datei + " " + alsText(gewaehlt), 0);
            if ((Alle || gewaehlt) && !api_.IniLesen(datei, QuizSektion(n), "Frage").empty()) {
                const std::string mangel = Alle ? std::string() : FrageMangel(api_, n);
                if (!mangel.empty()) {
                    // On display it would wait for an answer that cannot be given.
                    api_.protokoll("Frage" + str(n) + " nicht im Spiel: " + mangel, 0);
                } else {
                    api_.protokoll("nehme auf Frage in Platz " + str(anzahl_), 0);
                    ++anzahl_;
                    tabelle_[size_t(anzahl_)] = n;
                }
            }
            if (yield) yield();
        }
        // The count is the number of entries stored, so that the last collected
        // question can be drawn as well.
    }
    api_.protokoll("Anzahl der Fragen festgestellt: " + std::to_string(anzahl_), 0);
    return anzahl_;
}

bool QuestionPool::FrageExistiert(std::int32_t n) const {
    for (size_t p = 1; p <= 1000; ++p)
        if (tabelle_[p] == n) return true;
    return false;
}

std::int32_t QuestionPool::FragePosition(std::int32_t n) {
    for (size_t p = 1; p <= 999; ++p)
        if (tabelle_[p] == n) return std::int32_t(p);
    dlg::dialogs().MsgBox("diese Frage exisitert nicht!", dlg::OKOnly);
    if (nummerAnzeigen) nummerAnzeigen(tabelle_[1]);
    return 1;
}

std::int32_t QuestionPool::FreieFrageNummer() {
    AnzahlFragen(true, true);
    const bool macher = MacherModus(api_);
    const std::int32_t von = macher ? 100 : 1;
    const std::int32_t bis = macher ? 997 : 98;
    std::array<bool, 1001> belegt{};
    for (size_t p = 1; p <= 1000; ++p)
        if (tabelle_[p] >= 0 && tabelle_[p] <= 1000) belegt[size_t(tabelle_[p])] = true;
    for (std::int32_t n = von; n <= bis; ++n)
        if (!belegt[size_t(n)]) return n;
    return bis + 1;
}

bool ListeEinlesen(ApiClass& api, const std::string& datei, std::array<bool, kAuswahlMax + 1>& auswahl) {
    if (api.IniLesen(datei, "Allgemein", "Typ") != "Melvato-Frageliste") return false;
    auswahl.fill(false);
    // The list ends at its first empty (or zero, or non-numeric) entry; older
    // entries behind it stay in the file but do not count.
    for (long long i = 1;; ++i) {
        std::int32_t n = api.IniLesenVal(datei, "FragenListe", "Frage" + vb::Str(i));
        if (n == 0) break;
        if (n > 0 && n <= kAuswahlMax) auswahl[size_t(n)] = true;
    }
    return true;
}

void QuestionPool::TeilSpielLaden(const std::string& datei) {
    api_.protokoll("TeilSpielLaden: " + datei, 0);
    if (ListeEinlesen(api_, datei, Auswahl)) {
        NurTeil = true;
    } else {
        alleAuswaehlen(true);
        if (dialogTitelLeeren) dialogTitelLeeren();
    }
    AnzahlFragen(true, false);
    api_.protokoll("TeilSpielLaden  Ende ", 0);
}

void QuestionPool::ListReset() {
    if (!NurTeil) {
        api_.protokoll("ListReset All=True", 0);
        alleAuswaehlen(true);
    } else {
        api_.protokoll("ListReset Teil", 0);
        TeilSpielLaden(geladeneListe ? geladeneListe() : std::string());
    }
    api_.protokoll("ListReset Ende", 0);
    AnzahlFragen(true, false);
}

}  // namespace fragen
