#pragma once
// The word index: every word of every question's texts is filed under its first
// character in "Index" + character + ".Ini", so that the keyword search finds
// questions without opening all question files. "scan.txt" lists the words of
// the last full build.
#include <QDateTime>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

class ApiClass;

namespace fragen {

class QuestionPool;

// Keeps digits, ASCII letters, blanks and ½ Ä Ö Ü ß ä é ö ü; everything else
// becomes a blank; runs of blanks shrink to one. The result may start or end
// with a blank.
void RemoveSonderzeichen(std::string& text);

// True when one of the blank-separated numbers of `value` is n.
bool EnthaeltNummer(std::string_view value, std::int32_t n);

// What the full build reports while it runs (the progress window uses it).
struct IndexFortschritt {
    std::function<void(bool)> sanduhr;                // hourglass on / normal pointer
    std::function<void(const std::string&)> oeffnen;  // show with this caption at 0
    std::function<void(int wert, int max)> setzen;    // move the bar
    std::function<void()> yield;                      // let pending window events run
};

class WortIndex {
public:
    explicit WortIndex(ApiClass& api);
    ~WortIndex();

    // Files every word of `text` under question n.
    void WoerterIndizieren(const std::string& text, std::int32_t n);
    // Files question, answers, explanations, picture, sound and subject area of
    // question n; nothing for the scratch slot 999.
    void FrageIndizieren(std::int32_t n);
    // Between these two, FrageIndizieren collects its changes in memory and the
    // end writes each touched index file once (for many questions at a time).
    void StapelBeginnen();
    void StapelSchreiben();
    // Rebuilds the whole index unless it is complete or was built recently.
    // The pool is recounted with all questions. True when it rebuilt.
    bool IndexKomplettErstellen(QuestionPool& pool, const IndexFortschritt& fortschritt = {});

    // Words new to the index since the last full build began, each after a blank.
    const std::string& Wortliste() const { return wortliste_; }

    // Current time (for the "built recently" rule).
    std::function<QDateTime()> jetzt;

private:
    class Sammlung;
    std::string lesen(const std::string& c, const std::string& wort);
    void schreiben(const std::string& c, const std::string& wort, const std::string& wert);
    void indexDateienLoeschen();

    ApiClass& api_;
    std::string wortliste_;
    std::unique_ptr<Sammlung> sammlung_;  // set while a full build collects its writes
};

}  // namespace fragen
