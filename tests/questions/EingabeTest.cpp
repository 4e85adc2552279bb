// The editor's core: the input check, the number box, saving with its numbering
// rules and the index, and taking pictures, sounds and recordings into DATEN.
#include <gtest/gtest.h>

#include "questions/FragenEingabe.h"
#include "questions/Media.h"
#include "questions/QuestionPool.h"
#include "questions/WordIndex.h"
#include "services/ApiClass.h"
#include "services/Codepage.h"
#include "services/FileSys.h"
#include "tests/questions/QuestionsTestData.h"
#include "tests/support/TestSupport.h"

using namespace cp1252::literals;
using namespace fragen;
using testing_support::fileExists;
using testing_support::readFile;
using testing_support::writeFile;

namespace {
QuestionRecord gueltig(const std::string& frage = "Wer schrieb die Zauberflöte?") {
    QuestionRecord r;
    r.Frage = cp1252::fromUtf8(frage);
    r.Antwort = {"", "Mozart", "Bach", "Haydn", "", ""};
    r.Erklärung[1] = "Richtig, 1791.";
    r.Lösung = 1;
    r.Problem = 30;
    r.Bereich = "Oper";
    return r;
}
}  // namespace

TEST(EingabePruefen, CollectsEveryFaultWithItsCaption) {
    QuestionRecord leer;
    leer.Lösung = 1;
    leer.Antwort[2] = "b";
    leer.Antwort[3] = "c";
    leer.Antwort[4] = "d";
    const Pruefung alles = EingabePruefen(leer);
    EXPECT_EQ(alles.meldung,
              "Bitte Frage Lösungs-Text eine Erklärung zur richtigen Lösung festlegen!\r\n"
              "Schierigkeitsgrad und Themenbereich festlegen!\r\n"_ansi);
    EXPECT_TRUE(alles.schwierigkeit && alles.bereich && alles.frage && alles.antwort[1] &&
                alles.erklaerung[1]);
    EXPECT_FALSE(alles.antwort[2]);

    QuestionRecord zwei = gueltig();
    zwei.Antwort[3].clear();
    const Pruefung p = EingabePruefen(zwei);
    EXPECT_EQ(p.meldung, "Mind. 3 Antworten eingeben!");
    EXPECT_EQ(p.antwort, (std::array<bool, 6>{false, false, false, true, true, true}));
    EXPECT_EQ(FehlerText(p),
              "Folgende Fehler wurden festgestellt: \r\n\r\nMind. 3 Antworten eingeben!\r\n\r\n"
              "Frage kann nicht gespeichert werden!!!");

    // Answers of blanks only are not shown in the game, so they count as none.
    QuestionRecord blanks = gueltig();
    blanks.Antwort = {"", "  ", "\xA0", "Haydn", "", ""};
    EXPECT_EQ(EingabePruefen(blanks).meldung, "Lösungs-Text festlegen!\r\nMind. 3 Antworten eingeben!"_ansi);

    QuestionRecord nurBereich = gueltig();
    nurBereich.Bereich.clear();
    EXPECT_EQ(EingabePruefen(nurBereich).meldung, "Themenbereich festlegen!\r\n");
    EXPECT_TRUE(EingabePruefen(gueltig()).ok());
}

TEST(FeldText, LineBreaksAndTabsBecomeBlanksAndLongTextIsCut) {
    std::string s = "a\tb\r\nc";
    EXPECT_FALSE(FeldText(s));
    EXPECT_EQ(s, "a b  c");
    std::string lang(300, 'x');
    EXPECT_TRUE(FeldText(lang));
    EXPECT_EQ(lang.size(), 254u);
}

TEST(NummerLesen, OnlyAWholeNumber) {
    const std::optional<int> nein;
    const std::pair<const char*, std::optional<int>> faelle[] = {{"5", 5},      {" 42 ", 42}, {"", nein},
                                                                 {"abc", nein}, {"5a", nein}, {"1.5", nein}};
    for (const auto& [text, erwartet] : faelle) EXPECT_EQ(NummerLesen(text), erwartet) << text;
}

struct AblageFall {
    const char* name;
    std::vector<int> vorhanden;  // questions already stored
    bool macher;
    const char* nummer;
    int antwort;  // to the overwrite question
    int geschrieben;
    const char* status;
    const char* nummerDanach;
    const char* meldung;  // start of the message shown, empty for none
};

// A data folder with the editor's store behind it.
struct Speicher {
    testing_support::TempHome home;
    ApiClass api;
    QuestionPool pool{api};
    WortIndex index{api};
    testing_support::ScriptedDialogs dialoge;
    FragenAblage ablage{api, pool, index};
};

TEST(FragenAblage, NumberingRules) {
    const char* neu = " Frage wurde als neu abgespeichert! ";
    const char* ueber = " Frage wurde überschrieben! ";
    const char* zahl = "erst eine Nummer zwischen 1 und 99 eingeben";
    const AblageFall faelle[] = {
        {"neu", {}, false, "5", 0, 5, neu, "1", ""},
        {"ueberschreiben", {5}, false, "5", dlg::Yes, 5, ueber, "1", "Bestehende Frage"},
        {"nein", {1, 2, 5}, false, "5", dlg::No, 3, neu, "3", "Bestehende Frage"},
        {"hundert", {}, false, "100", 0, 0, "", "100", zahl},
        {"keineZahl", {}, false, "x", 0, 0, "", "x", zahl},
        {"macher", {}, true, "150", 0, 150, neu, "150", ""},
        {"macherTest", {}, true, "999", 0, 0, "", "999", "erst eine Nummer zwischen 1 und 998 eingeben"},
    };
    for (const AblageFall& f : faelle) {
        SCOPED_TRACE(f.name);
        Speicher s;
        testing_support::schreibeFragen(s.home.appPfad(), f.vorhanden);
        if (f.macher) writeFile(s.home.appPfad() + "back/debug.txt", "");
        if (f.antwort) s.dialoge.answers.push_back(f.antwort);
        const Ablage a = s.ablage.Speichern(f.nummer, gueltig());
        EXPECT_EQ(a.gespeichert, f.geschrieben != 0);
        EXPECT_EQ(a.status, cp1252::fromUtf8(f.status));
        EXPECT_EQ(a.nummerText, f.nummerDanach);
        ASSERT_EQ(s.dialoge.messages.size(), std::string(f.meldung).empty() ? 0u : 1u);
        if (!s.dialoge.messages.empty()) {
            EXPECT_EQ(s.dialoge.messages[0].text.find(cp1252::fromUtf8(f.meldung)), 0u);
        }
        if (f.geschrieben) {
            EXPECT_EQ(FrageLesen(s.api, f.geschrieben).Frage, gueltig().Frage);
            // The word index knows the number actually written.
            EXPECT_TRUE(EnthaeltNummer(s.api.IniLesen("IndexZ.Ini", "Z", "ZAUBERFLÖTE"_ansi), f.geschrieben));
        }
        if (f.antwort == dlg::No) {
            EXPECT_EQ(FrageLesen(s.api, 5).Frage, "Frage Nummer 5");
        }
    }
}

TEST(FragenAblage, OverwriteQuestionShowsAPlainRecordAsWrittenAndAtMostFiftyCharacters) {
    Speicher s;
    writeFile(s.home.appPfad() + "Fragen 0.Dat", testing_support::quizSektion(5, std::string(80, 'k')));
    s.dialoge.answers.push_back(dlg::Yes);
    s.ablage.Speichern("5", gueltig());
    ASSERT_EQ(s.dialoge.messages.size(), 1u);
    EXPECT_EQ(s.dialoge.messages[0].text,
              "Bestehende Frage...\r\n\r\n'" + std::string(50, 'k') + "...'\r\n\r\n...überschreiben?"_ansi);
}

TEST(FragenAblage, AFailedWriteSaysSoAndLeavesFileAndIndexAlone) {
    Speicher s;
    // A folder where the question file should be: no write can replace it.
    fsys::makeFolders(s.home.appPfad() + "Fragen 0.Dat");
    const Ablage a = s.ablage.Speichern("5", gueltig());
    EXPECT_FALSE(a.gespeichert);
    EXPECT_EQ(a.status, " Frage wurde nicht abgespeichert! ");
    EXPECT_EQ(a.nummerText, "5");
    ASSERT_EQ(s.dialoge.messages.size(), 1u);
    EXPECT_EQ(s.dialoge.messages[0].title, "Fehler beim Speichern");
    EXPECT_FALSE(fileExists(s.home.appPfad() + "IndexZ.Ini"));
    EXPECT_EQ(s.api.IniLesen("", "Allgemein", "IndexNotwendig"), "");
}

TEST(MediumUebernehmen, CopiesIntoDatenAndKeepsASpareInBack) {
    testing_support::TempHome home;
    ApiClass api;
    writeFile(home.appPfad() + "DATEN/bach.jpg", "im Ordner");
    writeFile(home.root() + "Bilder/Mein Bild.JPG", "von außen");

    EXPECT_EQ(MediumUebernehmen(api, home.appPfad() + "daten/BACH.jpg", true), "BACH.jpg");
    EXPECT_EQ(readFile(home.appPfad() + "DATEN/bach.jpg"), "im Ordner");
    EXPECT_FALSE(fileExists(home.appPfad() + "DATEN/BACH.jpg.tmp"));

    EXPECT_EQ(MediumUebernehmen(api, home.root() + "Bilder/Mein Bild.JPG", true), "Mein Bild.JPG");
    EXPECT_EQ(readFile(home.appPfad() + "DATEN/Mein Bild.JPG"), "von außen");
    EXPECT_EQ(readFile(home.appPfad() + "Back/Mein Bild.JPG"), "von außen");

    EXPECT_EQ(MediumUebernehmen(api, home.root() + "fehlt.jpg", true), "");
}

TEST(AufnahmeAblegen, ARecordingSavedElsewhereIsAlsoFoundInDaten) {
    testing_support::TempHome home;
    ApiClass api;
    writeFile(home.root() + "TEMP/Temp.wav", "RIFF-Aufnahme");
    const std::string ziel = home.root() + "Meine Aufnahmen/Oma singt.wav";
    writeFile(ziel, "alt");
    EXPECT_EQ(AufnahmeAblegen(api, home.root() + "TEMP/Temp.wav", ziel), "Oma singt.wav");
    EXPECT_EQ(readFile(ziel), "RIFF-Aufnahme");
    EXPECT_TRUE(FileOk(api, "Oma singt.wav", home.root() + "kopie.wav"));
}
