#include "quiz/Bewertung.h"

#include <algorithm>
#include <cmath>

#include "services/ApiClass.h"

namespace quiz {
namespace {
const std::string kCrLf = "\r\n";
constexpr std::int32_t kProblemGrenze = 1000000;
}  // namespace

std::int32_t SchwierigkeitAnpassen(std::int32_t P, std::int32_t nummer, double& level, bool richtig,
                                   const std::function<void(std::int32_t, std::int32_t)>& schreiben) {
    // "Problem" may have been edited by hand to any number. The result ends in
    // 10 .. 99 either way; clamped first, the sums below cannot overflow.
    P = std::clamp<std::int32_t>(P, -kProblemGrenze, kProblemGrenze);
    double neu = P;
    if (richtig) {
        if (P - 10 < level) neu = (level + 4.0 * P) / 5.0 - 5.0;
        level += 1.0;
    } else {
        if (P + 10 > level) neu = (level + 4.0 * P) / 5.0 + 5.0;
        level -= 2.0;
    }
    std::int32_t wert = vb::CLng(neu);
    if (wert < 10) wert = 10;
    if (wert > 99) wert = 99;
    if (schreiben) schreiben(nummer, wert);
    return wert;
}

Urteil AntwortAuswerten(OffeneFrage& frage, Ziehung& ziehung, std::int32_t k,
                        const std::function<std::int32_t()>& anzahl,
                        const std::function<void(std::int32_t, std::int32_t)>& problemSchreiben) {
    Urteil u;
    u.hellrot = k;
    const auto erklaerung = [&](std::int32_t i) -> const std::string& {
        static const std::string leer;
        return i >= 1 && i <= 5 ? frage.Erklärungen[size_t(i)] : leer;
    };

    if (!frage.ZweiterVersuch && k != frage.RichtigeAntwort) {
        frage.ZweiterVersuch = true;
        u.art = Urteil::Art::ErsterFehler;
        u.textFarbe = kDunkelrot;
        u.text = "Leider nicht richtig:" + kCrLf + kCrLf + erklaerung(k) + kCrLf + "Probier es noch einmal!";
        ziehung.Niveau -= 0.2;
        return u;
    }

    u.erledigt = true;
    u.hellgruen = frage.RichtigeAntwort;
    if (k != frage.RichtigeAntwort) {
        u.art = Urteil::Art::ZweiterFehler;
        u.textFarbe = kDunkelrot;
        u.text = "Leider nicht richtig:" + kCrLf + kCrLf;
        if (!erklaerung(k).empty()) u.text += erklaerung(k) + kCrLf + kCrLf;
        u.text += erklaerung(frage.RichtigeAntwort);
        u.neueSchwierigkeit = SchwierigkeitAnpassen(vb::CLng(ziehung.FrageSchwierigkeit), ziehung.FrageNummer,
                                                    ziehung.Niveau, false, problemSchreiben);
    } else {
        u.art = Urteil::Art::Richtig;
        u.jaTon = true;
        u.text = "Ja, richtig: " + kCrLf + kCrLf + erklaerung(frage.RichtigeAntwort);
        const std::int32_t n = ziehung.FrageNummer;
        if (n >= 0 && n <= 1000) ziehung.Gesperrt[size_t(n)] = vb::CLng(ziehung.Runde + anzahl() / 2.0);
        ziehung.Niveau += 0.2;
        u.neueSchwierigkeit = SchwierigkeitAnpassen(vb::CLng(ziehung.FrageSchwierigkeit), ziehung.FrageNummer,
                                                    ziehung.Niveau, true, problemSchreiben);
        u.textFarbe = kDunkelgruen;
    }
    if (ziehung.Niveau > 90) ziehung.Niveau = 90;
    if (ziehung.Niveau < 10) ziehung.Niveau = 10;
    frage.ZweiterVersuch = false;
    frage.Beantwortet = true;
    return u;
}

std::string FeedbackName(bool ja, std::int32_t anzahl, Zufall& zufall) {
    const std::int32_t n = std::int32_t(zufall.Rnd() * float(anzahl) + 1.0f);
    return std::string(ja ? "ja " : "nein ") + std::to_string(n < 1 ? 1 : n);
}

void SoundDateienZählen(ApiClass& api,
                        const std::function<bool(const std::string&, const std::string&)>& gefunden) {
    const std::string ziel = api.AppPfad() + "DATEN\\Now0.Wav";
    for (const char* art : {"Ja", "Nein"}) {
        int n = 1;
        while (n <= 99 && gefunden(std::string(art) + " " + std::to_string(n) + ".wav", ziel)) ++n;
        api.IniSchreiben("", "Allgemein", std::string("Anzahl") + art, std::to_string(n - 1));
    }
}

int AlterLevel(int a) {
    if (a < 5 || a >= 71) a = 13;
    double level;
    if (a <= 7)
        level = a / 5.0;
    else if (a <= 19)
        level = a / 5.0 + 0.5;
    else if (a <= 50)
        level = a / 10.0 + 3;
    else
        level = 18 - a / 5.0;
    return int(std::lround(level * 10));
}

}  // namespace quiz
