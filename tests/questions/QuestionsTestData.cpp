#include "tests/questions/QuestionsTestData.h"

#include <map>

#include "tests/support/TestSupport.h"

namespace testing_support {

std::string quizSektion(int n, const std::string& frage, const std::string& extra) {
    return "[Quiz " + std::to_string(n) + "]\r\nFrage=" + frage + "\r\nAntwort 1=ja\r\nL\xf6sung=1\r\n" +
           extra;
}

void schreibeFragen(const std::string& appPfad, const std::vector<int>& nummern) {
    std::map<int, std::string> dateien;
    for (int n : nummern) dateien[n / 100] += quizSektion(n, "Frage Nummer " + std::to_string(n));
    for (const auto& [k, inhalt] : dateien)
        writeFile(appPfad + "Fragen " + std::to_string(k) + ".Dat", inhalt);
}

}  // namespace testing_support
