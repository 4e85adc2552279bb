// The supplied translation tables, read by the real engine from the folders the
// first start fills: every text number the program asks for has a German text
// and the English emergency table answers every number.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "services/ApiClass.h"
#include "services/Codepage.h"
#include "shell/ErsterStart.h"
#include "tests/support/TestSupport.h"
#include "translation/Translation_Class.h"

using namespace cp1252::literals;
using testing_support::readFile;
using testing_support::writeFile;

namespace {

namespace fs = std::filesystem;

const std::string kData = std::string(MELVATO_DATA_DIR) + "/";

// Every source file of the program, read once.
const std::vector<std::string>& quellen() {
    static const std::vector<std::string> alle = [] {
        std::vector<std::string> v;
        for (const char* ordner : {"shell", "questions", "quiz", "exchange", "network", "translation"}) {
            fs::path wurzel = fs::path(MELVATO_SOURCE_DIR) / ordner;
            if (!fs::exists(wurzel)) continue;
            for (const auto& e : fs::recursive_directory_iterator(wurzel)) {
                std::string ext = e.path().extension().string();
                if (ext == ".cpp" || ext == ".h") v.push_back(readFile(e.path().string()));
            }
        }
        return v;
    }();
    return alle;
}

// Text numbers the windows ask for: the fixed ones of the windows whose numbers
// are part of their design, and every literal number handed to the text lookup in
// the program's sources.
std::set<int> gefragteNummern() {
    std::set<int> nummern = {10008, 10028, 10029, 10058, 10059, 20012, 20017, 30005,
                             30132, 30191, 30220, 30221, 30222, 33722, 80007};
    const std::regex aufruf(R"((?:TextNr|Text|translation|KapitalTranslation)\(\s*(\d{5})\b)");
    const std::regex tabelle(R"(\{\s*\d+\s*,\s*(\d{5})\s*,\s*")");  // {button, number, "text"}
    const std::regex menue(R"(\bnr\([^;]*?,\s*(\d{5})\);)");        // nr(eintrag(...), number);
    for (const std::string& s : quellen())
        for (const std::regex* r : {&aufruf, &tabelle, &menue})
            for (std::sregex_iterator it(s.begin(), s.end(), *r), end; it != end; ++it)
                nummern.insert(std::stoi((*it)[1]));
    return nummern;
}

// The German text each call site holds for the case the table lacks its number
// ("TextNr(n, QStringLiteral("..."))", "Text(n, "...")"): the table must say
// the same, so the German interface reads the same with and without it.
std::map<int, std::string> vorgaben() {
    std::map<int, std::string> texte;
    const std::regex aufruf(R"re(Text(?:Nr)?\(\s*(\d{5}),\s*(?:QStringLiteral\()?"([^"\\]*)"(?:_ansi)?\))re");
    for (const std::string& s : quellen())
        for (std::sregex_iterator it(s.begin(), s.end(), aufruf), end; it != end; ++it)
            texte[std::stoi((*it)[1])] = cp1252::fromUtf8((*it)[2].str());
    return texte;
}

bool istFehler(const std::string& text) {
    return text.empty() || text.rfind("ERR", 0) == 0 || text.rfind("Err:", 0) == 0 || text == "Error []";
}

}  // namespace

TEST(SuppliedTables, EveryAskedNumberHasAGermanTextAndAnEnglishEmergencyText) {
    testing_support::TempHome home;
    ApiClass api;
    ASSERT_TRUE(ErsterStart::Bereitstellen(kData, api.ManuAppPfad(), api.AppPfad()));
    const std::string common = api.ManuAppPfad() + "common/";
    std::set<int> nummern = gefragteNummern();
    {
        Translation_Class t(api);
        t.ProjectNummer(3);
        t.Neu_laden();
        EXPECT_EQ(t.AktSprache(), "DEUTSCH");
        EXPECT_EQ(t.SystemFont(), "DejaVu Sans");
        for (int id : nummern) {
            std::string text = t.translation(id);
            EXPECT_FALSE(istFehler(text))
                << id << " gives " << text
                << ": add it to tools/appdata/texte.tsv and run tools/appdata/make_tables.py";
            EXPECT_EQ(text.find('['), std::string::npos) << id << ": unfilled placeholder in " << text;
        }
        const std::map<int, std::string> texte = vorgaben();
        EXPECT_GT(texte.size(), 50u);
        // The short message window's caption and button stand as designed until the
        // table's texts replace them when it loads.
        for (const auto& [id, text] : texte)
            if (id != 20012 && id != 30132) {
                EXPECT_EQ(t.translation(id), text) << id;
            }
        EXPECT_EQ(t.FehlerZahl(), 0);
        EXPECT_EQ(readFile(common + "Translationfehler.txt").substr(0, 8), "Fehler:0");
        // The placeholder reads the program's name from the supplied "Sprache.id".
        EXPECT_EQ(t.translation(80007), "Hilfe zu Melvato");
        EXPECT_EQ(t.translation(10028), "Schließen"_ansi);
        // The emergency table must also answer the window entries that only the
        // translation editor asks for.
        for (const auto& e : t.HauptTabelle()) nummern.insert(e.id);
    }
    // A language table with almost nothing: every number goes to the English table.
    writeFile(common + "Translation.dat", "1\tDeutsch\tx\r\n10001\t0\tJa\r\n");
    Translation_Class t(api);
    t.Neu_laden();
    for (int id : nummern) {
        std::string text = t.translation(id);
        EXPECT_FALSE(istFehler(text)) << id << " gives " << text;
        EXPECT_EQ(text.find('\t'), std::string::npos) << id << " took a neighbour's field: " << text;
    }
    EXPECT_EQ(t.translation(10028), "Close");
    EXPECT_EQ(t.translation(20012), "Message");
    EXPECT_EQ(t.FehlerZahl(), int(nummern.size())) << "they still count as missing in the language table";
}

TEST(SuppliedTableFiles, Windows1252WithCrLf) {
    for (const char* datei : {"common/Translation.dat", "common/Translation English.Dat",
                              "common/Beispiel Englisch/Personal Translation.dat", "appdata/Sprache.id"}) {
        std::string bytes = readFile(kData + datei);
        ASSERT_FALSE(bytes.empty()) << datei;
        EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n") << datei;
        for (size_t i = 0; i < bytes.size(); ++i) {
            unsigned char c = static_cast<unsigned char>(bytes[i]);
            if (c == '\n') {
                ASSERT_TRUE(i > 0 && bytes[i - 1] == '\r') << datei << ": bare LF at " << i;
            }
            // UTF-8 would show up as these lead bytes before a continuation byte.
            if ((c == 0xC3 || c == 0xC2) && i + 1 < bytes.size()) {
                unsigned char next = static_cast<unsigned char>(bytes[i + 1]);
                EXPECT_FALSE(next >= 0x80 && next < 0xC0) << datei << ": UTF-8 at " << i;
            }
        }
    }
}
