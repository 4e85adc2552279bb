// Building a question list from filters and by keyword, and the list file it saves.
#include <gtest/gtest.h>

#include <QProcess>
#include <filesystem>
#include <map>

#include "questions/FragenListe.h"
#include "questions/QuestionRecord.h"
#include "questions/WordIndex.h"
#include "services/ApiClass.h"
#include "services/FileSys.h"
#include "services/Profile.h"
#include "tests/questions/QuestionsTestData.h"
#include "tests/support/TestSupport.h"

using namespace fragen;
using testing_support::readFile;
using testing_support::writeFile;

namespace {
struct Frage {
    int n;
    std::string bereich;
    int problem;
    std::string text = {};
};

struct ListenBauFixture : PoolFixture {
    ListenBau bau{api};

    // Plain question files: question text, answer 2 marked, area and "Problem".
    void fragen(const std::vector<Frage>& liste) {
        std::map<int, std::string> dateien;
        for (const auto& f : liste) {
            std::string text = f.text.empty() ? "Frage " + std::to_string(f.n) : f.text;
            dateien[f.n / 100] += "[Quiz " + std::to_string(f.n) + "]\r\nFrage=" + text +
                                  "\r\nAntwort 1=falsch\r\nAntwort 2=Antwort " + std::to_string(f.n) +
                                  "\r\nL\xF6sung=2\r\nBereich=" + f.bereich +
                                  "\r\nProblem=" + std::to_string(f.problem) + "\r\n";
        }
        for (const auto& [k, inhalt] : dateien)
            writeFile(home.appPfad() + "Fragen " + std::to_string(k) + ".Dat", inhalt);
    }
    std::vector<int> nummern() const {
        std::vector<int> out;
        for (const auto& z : bau.zeilen) out.push_back(z.nummer);
        return out;
    }
    void thema(const std::string& name, bool an) {
        for (auto& t : bau.themen)
            if (t.first == name) t.second = an;
    }
};
}  // namespace

TEST_F(ListenBauFixture, FiltersTakeExactlyTheMatchingQuestions) {
    fragen({{1, "Rock", 10},
            {5, "Rock", 20},
            {10, "Rock", 30},
            {11, "Oper", 30},
            {12, "Rock", 0},
            {13, "Rock", 120},
            {14, "", 10},
            {120, "Oper", 50, "Wie klingt die Geige?"}});
    bau.Laden();
    ASSERT_EQ(bau.themen.size(), 2u);
    EXPECT_EQ(bau.themen[0].first, "Rock");

    struct Fall {
        const char* name;
        std::function<void()> setzen;
        std::vector<int> erwartet;
    };
    const std::vector<Fall> faelle = {
        {"all areas and grades; no area is never taken",
         [&] { bau.ListeAktualisieren(); },
         {1, 5, 10, 11, 12, 13, 120}},
        {"never 5 and 10-12", [&] { bau.NummerWeg("5 10-12"); }, {1, 13, 120}},
        {"always a missing number and one without area",
         [&] { bau.DieseDoch("99 14"); },
         {1, 5, 10, 11, 12, 13, 120, 14}},
        {"starred word keeps the part before the star", [&] { bau.UnWort("gei*"); }, {1, 5, 10, 11, 12, 13}},
        {"grade 0 counts as 1, above 99 as 9",
         [&] {
             bau.grade.fill(false);
             bau.grade[0] = bau.grade[8] = true;
             bau.ListeAktualisieren();
         },
         {1, 12, 13}},
        {"area deselected",
         [&] {
             thema("Rock", false);
             bau.ListeAktualisieren();
         },
         {11, 120}},
    };
    for (const auto& f : faelle) {
        bau.FilterZuruecksetzen();
        f.setzen();
        EXPECT_EQ(nummern(), f.erwartet) << f.name;
    }
    bau.FilterZuruecksetzen();
    bau.ListeAktualisieren();
    EXPECT_EQ(bau.zeilen.back().antwort, "Antwort 120");
    EXPECT_EQ(bau.zeilen.back().frage, "Wie klingt die Geige?");
}

TEST_F(ListenBauFixture, ScrambledAndPlainRecordsBothReadAsWritten) {
    QuestionRecord r;
    r.Frage = "Welches Instrument hat vier Saiten?";
    r.Antwort[3] = "Geige";
    r.Lösung = 3;
    r.Bereich = "Instrumente";
    fragen({{8, "Instrumente", 10, "Klar und deutlich"}});
    FrageSpeichern(api, 107, r);  // scrambled
    bau.Laden();
    bau.ListeAktualisieren();
    ASSERT_EQ(nummern(), (std::vector<int>{8, 107}));
    EXPECT_EQ(bau.zeilen[0].frage, "Klar und deutlich");
    EXPECT_EQ(bau.zeilen[1].antwort, "Geige");
    EXPECT_EQ(bau.zeilen[1].frage, r.Frage);
}

TEST_F(ListenBauFixture, AChangeDuringABuildEndsWithExactlyTheNewFiltersRows) {
    std::vector<Frage> viele;
    for (int n = 100; n < 998; ++n) viele.push_back({n, n % 2 ? "Jazz" : "Pop", 10 + (n % 9) * 10});
    fragen(viele);
    bau.Laden();
    int aufrufe = 0, fertigMeldungen = 0;
    bau.fertig = [&](const std::vector<ListenZeile>&) { ++fertigMeldungen; };
    bau.yield = [&] {
        if (++aufrufe == 300) {
            thema("Jazz", false);
            bau.ListeAktualisieren();  // what the list box's change event does
            bau.NummerWeg("100-199");
        }
    };
    bau.ListeAktualisieren();
    EXPECT_EQ(fertigMeldungen, 1);
    EXPECT_FALSE(bau.BautListe());
    std::vector<int> erwartet;
    for (int n = 200; n < 998; n += 2) erwartet.push_back(n);
    EXPECT_EQ(nummern(), erwartet);
}

TEST_F(ListenBauFixture, KeywordSearchFindsWholeWordsAndStopsAtTooMany) {
    fragen({{3, "A", 10, "Wer baut eine Geige?"},
            {4, "A", 10, "\x84Geigenbauer\x93 in Cremona"},
            {6, "A", 10, "Die Trompete"}});
    WortIndex index(api);
    for (int n : {3, 4, 6}) index.FrageIndizieren(n);
    api.TextDatei("scan.txt", index.Wortliste());
    auto zeile = [&](std::int32_t n) { return bau.Zeile(n); };

    Suchergebnis e = Stichwortsuche(api, " geige ", zeile);
    std::vector<int> gefunden;
    for (const auto& z : e.zeilen) gefunden.push_back(z.nummer);
    EXPECT_EQ(gefunden, (std::vector<int>{3, 4}));
    EXPECT_EQ(e.fundwoerter, (std::vector<std::string>{"GEIGE", "GEIGENBAUER"}));
    EXPECT_TRUE(Stichwortsuche(api, "Harfe", zeile).zeilen.empty());

    std::string scan;
    for (int i = 0; i < 120; ++i) scan += " E" + std::to_string(i);
    api.TextDatei("scan.txt", scan);
    e = Stichwortsuche(api, "e", zeile);
    EXPECT_TRUE(e.zuViele);
    EXPECT_EQ(e.fundwoerter.size(), 99u);
}

TEST_F(ListenBauFixture, SavedListsHaveTheirKeyOrderAndPlayExactlyTheirQuestions) {
    fragen({{1, "Rock", 10}, {12, "Rock", 20}, {120, "Oper", 30}});
    const std::string datei = home.appPfad() + "Spiele/test.lst";
    std::filesystem::create_directories(home.appPfad() + "Spiele");
    ListenDatei l;
    l.nummern = {1, 120};
    l.grade.fill(true);
    l.grade[1] = false;
    l.themen = {{"Rock", true}, {"Oper", true}};
    l.dieseNicht = "12";
    l.unWoerter = "xyz";
    EXPECT_FALSE(ListeSpeichern(api, home.appPfad() + "fehlt/test.lst", l));
    EXPECT_TRUE(ListeSpeichern(api, datei, l));
    EXPECT_EQ(readFile(datei), readFile(testing_support::golden("question-list/filters.lst")));

    pool.TeilSpielLaden(datei);
    EXPECT_EQ(pool.Anzahl(), 2);
    EXPECT_EQ(ListenNummern(api, datei), (std::vector<std::int32_t>{1, 120}));

    // Saved again as a shorter search list over the same file.
    ListenDatei s;
    s.unterTyp = 2;
    s.nummern = {12};
    s.unWoerter = " ROCK";
    s.suchbegriff = "rock";
    ListeSpeichern(api, datei, s);
    EXPECT_EQ(ListenNummern(api, datei), (std::vector<std::int32_t>{12}));
    EXPECT_NE(readFile(datei).find("\r\nDieseImmer= 012\r\n"), std::string::npos);
    EXPECT_EQ(api.IniLesen(datei, "Allgemein", "Suchbegriff"), "rock");
    EXPECT_EQ(api.IniLesen(datei, "Allgemein", "UnterTyp"), "2");
}

TEST(ListeZweiStationen, AListSavedByTwoStationsAtOnceIsAlwaysWhollyOneOfThem) {
    testing_support::TempHome home;
    const std::string datei = home.root() + "klasse.lst";
    // What a reader finds: the station whose numbers and term the file holds, 0 for
    // no list yet, -1 for a mix.
    auto station = [&] {
        const std::string bytes = fsys::readAll(datei).value_or(std::string());
        if (bytes.empty()) return 0;
        const profile::Parsed p(bytes);
        const std::string term(p.lookup("Allgemein", "Suchbegriff").value_or(""));
        const int k = term == "w1" ? 1 : term == "w2" ? 2 : -1;
        for (int i = 1; i <= 61; ++i) {
            const auto wert = p.lookup("FragenListe", "Frage " + std::to_string(i));
            const std::string erwartet = i <= 60 ? DreiStellig(k * 100 + i - 1) : "";
            if (!wert || *wert != erwartet) return -1;
        }
        return k;
    };
    QProcess stationen[2];
    for (int k = 1; k <= 2; ++k)
        stationen[k - 1].start(QStringLiteral(STATION),
                               {QStringLiteral("liste"), QString::fromStdString(datei), QString::number(k),
                                QStringLiteral("15")});
    int gelesen = 0;
    // Read while both save; each wait also lets a process report its end.
    for (QProcess& s : stationen)
        while (s.state() != QProcess::NotRunning && !s.waitForFinished(2)) {
            ASSERT_NE(station(), -1) << readFile(datei);
            ++gelesen;
        }
    for (QProcess& s : stationen) {
        EXPECT_EQ(s.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(s.exitCode(), 0) << s.readAllStandardError().toStdString();
    }
    EXPECT_GT(gelesen, 0);
    EXPECT_GT(station(), 0) << readFile(datei);
}
