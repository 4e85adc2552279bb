// The table readers, the sort order and the emergency lookup, on plain bytes.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "translation/TranslationTable.h"

using namespace translation_table;

namespace {

std::string zeilen(const std::vector<std::string>& z) {
    std::string s;
    for (const auto& l : z) s += l + "\r\n";
    return s;
}

// The classic exchange sort the order of equal ids must match.
template <class Entry>
void austauschSort(std::vector<Entry>& t) {
    for (size_t i = 0; i + 1 < t.size(); ++i)
        for (size_t j = i + 1; j < t.size(); ++j)
            if (t[j].id < t[i].id) std::swap(t[i], t[j]);
}

}  // namespace

TEST(Haupttabelle, HeadersEntriesAndRemarks) {
    Haupttabelle t = leseHaupttabelle(zeilen({
        "; Deutsche Texte",
        "1\tDeutsch\tx",
        "",
        "5\tArial\tx",
        "6\t14\tx",
        "7\t0\tx",
        "3\t13.05.2026\tx",
        "Bemerkung ohne Nummer",
        "10412\t0\tDatei",
        "13005\t13000\tSpiel starten",
        "10001\t0\tJa; nein",
        "10002\tOhne Elternnummer",
        "20001\t-7\tZwei\tTabs",
    }));
    EXPECT_EQ(t.sprache, "Deutsch");
    EXPECT_EQ(t.font, "Arial");
    EXPECT_TRUE(t.hatFontGroesse);
    EXPECT_TRUE(t.hatCharset);
    EXPECT_EQ(t.charset, 0);
    EXPECT_EQ(t.info, "\r\nDeutsch\r\nArial\r\n14\r\n0\r\n13.05.2026");
    ASSERT_EQ(t.eintraege.size(), 5u);
    EXPECT_EQ(t.eintraege[0].id, 10412);
    EXPECT_EQ(t.eintraege[0].text, "Datei");
    EXPECT_EQ(t.eintraege[1].nummer2, 13000);
    EXPECT_EQ(t.eintraege[1].text, "Spiel starten");
    EXPECT_EQ(t.eintraege[2].text, "Ja");  // everything from ";" on is dropped
    EXPECT_EQ(t.eintraege[3].nummer2, 0);
    EXPECT_EQ(t.eintraege[3].text, "Ohne Elternnummer");
    EXPECT_EQ(t.eintraege[4].nummer2, -7);
    EXPECT_EQ(t.eintraege[4].text, "Zwei\tTabs");
}

// Lines end in CR LF, CR or LF, the last one in none.
TEST(Haupttabelle, IdComesFromTheFirstSixCharactersOnAnyLine) {
    Haupttabelle t = leseHaupttabelle(
        "1234567\t0\tlang\r7\t1\tx\n10412\r\n0\t5\tnull\r\n00000010413\t0\tnull davor\r\n10414\t0\tD");
    ASSERT_EQ(t.eintraege.size(), 3u);
    EXPECT_EQ(t.eintraege[0].id, 123456);
    EXPECT_EQ(t.charset, 1);
    EXPECT_EQ(t.eintraege[1].id, 10412);  // a bare number is an entry without text
    EXPECT_EQ(t.eintraege[1].text, "");
    EXPECT_EQ(t.eintraege[2].text, "D");
}

TEST(Haupttabelle, OverlongLinesAreCut) {
    std::string lang(100000, 'a');
    Haupttabelle t = leseHaupttabelle(zeilen({"10001\t0\t" + lang, "1\t" + lang, "9\t" + lang + "\tx"}));
    ASSERT_EQ(t.eintraege.size(), 1u);
    EXPECT_EQ(t.eintraege[0].text, std::string(455, 'a'));
    EXPECT_EQ(t.sprache, std::string(255, 'a'));
    EXPECT_EQ(t.info, "\r\n" + std::string(255, 'a') + "\r\n" + std::string(255, 'a'));
}

TEST(Haupttabelle, ReadingStopsAfterThousandEntries) {
    std::vector<std::string> z{"1\tDeutsch\tx"};
    for (int i = 0; i < 1005; ++i) z.push_back(std::to_string(10000 + i) + "\t0\tText " + std::to_string(i));
    z.push_back("5\tArial\tx");
    Haupttabelle t = leseHaupttabelle(zeilen(z));
    ASSERT_EQ(t.eintraege.size(), 1000u);
    EXPECT_EQ(t.eintraege.back().id, 10999);
    EXPECT_EQ(t.font, "");  // the header after the limit is not read
}

TEST(Personaltabelle, AsTheEditorWritesIt) {
    std::string lang(2000, 'z');
    Personaltabelle t = lesePersonaltabelle(
        " 1\tBairisch\tx\r\n 2\t3.0.1\tx\r\n 3\t01.01.2026\tx\r\n 4\tfrei; mit Strichpunkt\tx\r\n"
        " 5\tComic Sans\tx\r\n 6\t12\tx\r\n 7\t1\tx\r\n"
        " 10412\t 10000\tDatei; Ordner\r\n"
        " 0\tnichts\r\n"
        " 10413\t 0\t\r\n"
        " 10414\tohne Eltern\r\n"
        " 10415\t 0\t" +
        lang + "\r\n 10416\t 0\tLetzte Zeile");
    EXPECT_EQ(t.sprache, "Bairisch");
    EXPECT_EQ(t.version, "3.0.1");
    EXPECT_EQ(t.freitext, "frei; mit Strichpunkt");
    EXPECT_EQ(t.font, "Comic Sans");
    EXPECT_EQ(t.fontGroesse, 12);
    EXPECT_TRUE(t.hatCharset);
    EXPECT_EQ(t.charset, 1);
    ASSERT_EQ(t.eintraege.size(), 5u);
    EXPECT_EQ(t.eintraege[0].id, 10412);
    EXPECT_EQ(t.eintraege[0].text, "Datei; Ordner");  // no ";" rule here
    EXPECT_EQ(t.eintraege[1].text, "");
    EXPECT_EQ(t.eintraege[2].text, "ohne Eltern");
    EXPECT_EQ(t.eintraege[3].text.size(), kMaxPersonalText);
    EXPECT_EQ(t.eintraege[4].text, "Letzte Zeile");
    EXPECT_EQ(t.nichtLeer, 4);
}

TEST(Sortierung, EqualIdsKeepTheExchangeSortOrder) {
    std::mt19937 rnd(11);
    for (int runde = 0; runde < 30; ++runde) {
        std::vector<HauptEintrag> t;
        int n = 1 + int(rnd() % 300);
        for (int i = 0; i < n; ++i)
            t.push_back({10000 + int(rnd() % (runde % 2 ? 40 : 100000)), i, "t" + std::to_string(i)});
        auto erwartet = t;
        austauschSort(erwartet);
        sortiere(t);
        ASSERT_EQ(t.size(), erwartet.size());
        for (size_t i = 0; i < t.size(); ++i) {
            EXPECT_EQ(t[i].id, erwartet[i].id);
            EXPECT_EQ(t[i].text, erwartet[i].text) << "runde " << runde << " platz " << i;
        }
    }
    std::vector<PersonalEintrag> p{{10003, "c"}, {10001, "a1"}, {10003, "c2"}, {10001, "a2"}, {10002, "b"}};
    auto erwartet = p;
    austauschSort(erwartet);
    sortiere(p);
    for (size_t i = 0; i < p.size(); ++i) EXPECT_EQ(p[i].text, erwartet[i].text);
}

TEST(Sortierung, CommonFormClearsTheProjectDigit) {
    EXPECT_EQ(allgemeineForm(13412), 10412);
    EXPECT_EQ(allgemeineForm(10412), 10412);
    EXPECT_EQ(allgemeineForm(29999), 20999);
}

TEST(NotTabelle, FindsTheRecordOfTheId) {
    std::string datei =
        "English\r\n110412\t0\tWrong\r\n20001\t10412\tParent\r\n10412\t0\tFile\r\n10413\t0\tLast";
    auto f = notSuche(datei, 10412);
    ASSERT_TRUE(f);
    EXPECT_EQ(f->text, "File");
    EXPECT_EQ(datei.substr(f->tab1 - 1, 1), "\t");
    EXPECT_EQ(datei.substr(f->tab2 - 1, 1), "\t");
    EXPECT_EQ(f->tab2, f->tab1 + 2);
    auto letzte = notSuche(datei, 10413);
    ASSERT_TRUE(letzte);
    EXPECT_EQ(letzte->text, "Last");  // last line without a line end
    EXPECT_FALSE(notSuche(datei, 10414));
    EXPECT_FALSE(notSuche("10415 no tabs\r\n", 10415));
}
