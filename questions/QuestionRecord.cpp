#include "questions/QuestionRecord.h"

#include <algorithm>
#include <limits>
#include <optional>

#include "services/ApiClass.h"
#include "services/Codepage.h"
#include "services/FileSys.h"

using namespace cp1252::literals;

namespace fragen {

namespace {
// Integer division that rounds down, also for negative numbers.
std::int64_t floorDiv(std::int64_t a, std::int64_t b) {
    std::int64_t q = a / b;
    if ((a % b != 0) && ((a < 0) != (b < 0))) --q;
    return q;
}

std::string antwortKey(int j) {
    return "Antwort" + vb::Str(static_cast<long long>(j));
}
std::string erklaerungKey(int j) {
    return "Erklärung"_ansi + vb::Str(static_cast<long long>(j));
}
}  // namespace

std::string FragenDatei(std::int32_t n) {
    return "Fragen" + vb::Str(static_cast<long long>(floorDiv(n, 100))) + ".Dat";
}

std::string QuizSektion(std::int32_t n) {
    return "Quiz" + vb::Str(static_cast<long long>(n));
}

QuestionRecord FrageLesen(ApiClass& api, std::int32_t n) {
    QuestionRecord r;
    r.Nummer = n;
    const std::string file = FragenDatei(n);
    const std::string sec = QuizSektion(n);
    r.Verschlüsselt = api.IniLesenVal(file, sec, "Crypt") != 0;
    auto text = [&](const std::string& key) {
        return r.Verschlüsselt ? api.Ini_Verschlüsselt(file, sec, key) : api.IniLesen(file, sec, key);
    };
    r.Frage = text("Frage");
    for (int j = 1; j <= 5; ++j) {
        r.Antwort[size_t(j)] = text(antwortKey(j));
        r.Erklärung[size_t(j)] = text(erklaerungKey(j));
    }
    r.Lösung = vb::CLng(vb::Val(api.IniLesen(file, sec, "Lösung"_ansi)));
    std::int32_t problem = api.IniLesenVal(file, sec, "Problem");
    r.Problem = std::int16_t(std::clamp<std::int32_t>(problem, std::numeric_limits<std::int16_t>::min(),
                                                      std::numeric_limits<std::int16_t>::max()));
    r.Bild = api.IniLesen(file, sec, "Bild");
    r.Bild2 = api.IniLesen(file, sec, "Bild2");
    r.Musical = api.IniLesen(file, sec, "Musical");
    r.Audio = api.IniLesen(file, sec, "Audio");
    r.Bereich = api.IniLesen(file, sec, "Bereich");
    return r;
}

bool FrageSpeichern(ApiClass& api, std::int32_t n, const QuestionRecord& r) {
    const std::string file = FragenDatei(n);
    const std::string sec = QuizSektion(n);
    // Every key is its own write; when one fails (full disk) the file goes back
    // to what it held, so that no half record is left behind.
    const std::string pfad = api.IniDateiName(file);
    const std::optional<std::string> vorher = fsys::readAll(pfad);
    bool ok = api.IniSchreiben(file, sec, "Crypt", "1");
    ok = ok && api.Ini_Verschlüsselt(file, sec, "Frage", r.Frage);
    for (int j = 1; j <= 5; ++j)
        ok = ok && api.Ini_Verschlüsselt(file, sec, antwortKey(j), r.Antwort[size_t(j)]);
    for (int j = 1; j <= 5; ++j)
        ok = ok && api.Ini_Verschlüsselt(file, sec, erklaerungKey(j), r.Erklärung[size_t(j)]);
    ok = ok && api.IniSchreiben(file, sec, "Lösung"_ansi, std::to_string(r.Lösung));
    ok = ok && api.IniSchreiben(file, sec, "Bild", r.Bild);
    ok = ok && api.IniSchreiben(file, sec, "Bild2", r.Bild2);
    ok = ok && api.IniSchreiben(file, sec, "Musical", r.Musical);
    ok = ok && api.IniSchreiben(file, sec, "Problem", std::to_string(r.Problem));
    ok = ok && api.IniSchreiben(file, sec, "Audio", r.Audio);
    ok = ok && api.IniSchreiben(file, sec, "Bereich", r.Bereich);
    if (!ok) {
        if (vorher)
            fsys::writeAtomic(pfad, *vorher);
        else
            fsys::remove(pfad);
        return false;
    }
    api.IniSchreiben("", "Allgemein", "IndexNotwendig", "2");
    return true;
}

double ProblemLesen(ApiClass& api, std::int32_t n) {
    return vb::Val(api.IniLesen(FragenDatei(n), QuizSektion(n), "Problem"));
}

void ProblemSchreiben(ApiClass& api, std::int32_t n, std::int32_t wert) {
    api.IniSchreiben(FragenDatei(n), QuizSektion(n), "Problem", std::to_string(wert));
}

bool FrageVorhanden(ApiClass& api, std::int32_t n) {
    return !api.IniLesen(FragenDatei(n), QuizSektion(n), "Frage").empty();
}

std::string SchwierigkeitsName(std::int32_t problem, std::int32_t alterLevel) {
    struct Stufe {
        std::int64_t von, bis;
        const char* name;
    };
    static const Stufe stufen[] = {
        {-999, -40, "Glücksfrage"}, {-39, -30, "Baby-leicht"}, {-29, -20, "sehr einfach"},
        {-19, -10, "Harmlos"},      {-9, 0, "Problemlos"},     {1, 10, "durchschnittlich"},
        {11, 20, "anstrengend"},    {21, 30, "anspruchsvoll"}, {31, 40, "kniffelig"},
        {41, 50, "Super-schwer"},   {51, 999, "Unlösbar!!!"},
    };
    const std::int64_t d = std::int64_t(problem) - std::int64_t(alterLevel);
    for (const Stufe& s : stufen)
        if (d >= s.von && d <= s.bis) return cp1252::fromUtf8(s.name);
    return vb::Str(static_cast<long long>(problem));
}

bool MacherModus(ApiClass& api) {
    return fsys::fileExists(api.AppPfad() + "back/debug.txt");
}

}  // namespace fragen
