#include "tests/questions/QuestionsTestData.h"

#include <filesystem>
#include <map>

#include "services/FileSys.h"

#include <gtest/gtest.h>

#include "tests/support/TestSupport.h"

namespace testing_support {

void schreibeDatei(const std::string& path, const std::string& bytes) {
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    ASSERT_TRUE(fsys::writeAtomic(path, bytes)) << path;
}

std::string quizSektion(int n, const std::string& frage, const std::string& extra) {
    return "[Quiz " + std::to_string(n) + "]\r\nFrage=" + frage + "\r\nAntwort 1=ja\r\nL\xf6sung=1\r\n" + extra;
}

void schreibeFragen(const std::string& appPfad, const std::vector<int>& nummern) {
    std::map<int, std::string> dateien;
    for (int n : nummern) dateien[n / 100] += quizSektion(n, "Frage Nummer " + std::to_string(n));
    for (const auto& [k, inhalt] : dateien)
        schreibeDatei(appPfad + "Fragen " + std::to_string(k) + ".Dat", inhalt);
}

}  // namespace testing_support
