#pragma once
// What the editor does with a written question before and while it is stored:
// the check of the input (`EingabeOk`), the number box, and the save with its
// numbering rules and the word index. No windows here; questions go through the
// dialog service.
#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "questions/QuestionRecord.h"

class ApiClass;

namespace fragen {

class QuestionPool;
class WortIndex;

// A profile value longer than this does not read back whole.
constexpr size_t kFeldLaenge = 254;

// Makes a typed or pasted text storable: tabs and line breaks become blanks (a
// line break would end the value in the file) and the text is cut to
// kFeldLaenge characters. True when it had to be cut.
bool FeldText(std::string& text);

// Result of the input check. An empty message means the question may be saved;
// the flags say which captions turn red.
struct Pruefung {
    std::string meldung;
    bool schwierigkeit = false, bereich = false, frage = false;
    std::array<bool, 6> antwort{}, erklaerung{};  // 1 .. 5
    bool ok() const { return meldung.empty(); }
};

// Checks grade (r.Problem / 10), area, question, the marked answer and its
// explanation, and that at least three answers are given (an answer of
// blanks only counts as none). Every fault is collected at once.
Pruefung EingabePruefen(const QuestionRecord& r);
// The text of the "Fehler bei Eingabe" message for a failed check.
std::string FehlerText(const Pruefung& p);

// The number box read strictly: a whole number with nothing else but blanks
// around it, or nothing.
std::optional<std::int32_t> NummerLesen(const std::string& text);

struct Ablage {
    bool gespeichert = false;
    std::int32_t nummer = 0;  // the number the question was written to
    std::string status;       // for the main window's status bar; empty: none
    std::string nummerText;   // what the number box shows afterwards
    Pruefung pruefung;
};

// Saves questions for the editor: into the user's numbers (any number in maker
// mode), or into the scratch slot for a test.
class FragenAblage {
public:
    FragenAblage(ApiClass& api, QuestionPool& pool, WortIndex& index);

    // The save button: number box, check, overwrite question, write, index.
    Ablage Speichern(const std::string& nummerText, const QuestionRecord& r);
    // The test: check and write into 999 without questions, status or index.
    Ablage TestSpeichern(const QuestionRecord& r);

private:
    Ablage schreiben(std::int32_t n, const QuestionRecord& r, bool test);

    ApiClass& api_;
    QuestionPool& pool_;
    WortIndex& index_;
};

}  // namespace fragen
