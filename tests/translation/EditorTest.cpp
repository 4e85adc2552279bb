// The translation editor without its window: context chains, storing texts,
// the jumps, coverage and the bytes of the saved personal table.
#include "tests/translation/TranslationFixture.h"
#include "translation/Uebersetzungseditor.h"

using testing_support::readFile;

namespace {
// A chain of seven parents above 10007; 13500 belongs to another program of the
// maker (project 3 is ours only when set).
const std::string kHaupt =
    "1\tDeutsch\tx\r\n10001\t0\tFenster\r\n10002\t10001\tEbene 2\r\n10003\t10002\tEbene 3\r\n"
    "10004\t10003\tEbene 4\r\n10005\t10004\tEbene 5\r\n10006\t10005\tEbene 6\r\n10007\t10006\tEbene 7\r\n"
    "13500\t0\tAnderes Programm\r\n20009\t10001\tMeldung\r\n80010\t0\tHilfe\r\n";
}  // namespace

TEST_F(TranslationTest, EditorShowsAnEntryWithAtMostFiveParents) {
    haupt(kHaupt);
    Translation_Class& t = laden();
    Uebersetzungseditor ed(t);
    Uebersetzungseditor::Anzeige a = ed.Zeige(7);
    EXPECT_EQ(a.id, 10007);
    EXPECT_EQ(a.orgi, "Deutsch:\r\nEbene 7");
    EXPECT_EQ(a.bereich, 1);
    EXPECT_EQ(a.mutter,
              "->10002: Ebene 2\r\n"
              "   ->10003: Ebene 3\r\n"
              "      ->10004: Ebene 4\r\n"
              "         ->10005: Ebene 5\r\n"
              "            ->10006: Ebene 6");

    // Another project's entry is passed over in the direction of the move.
    EXPECT_EQ(ed.Zeigbar(8, 1), 9);
    EXPECT_EQ(ed.Zeigbar(8, -1), 7);
    t.ProjectNummer(3);
    EXPECT_EQ(ed.Zeigbar(8, 1), 8);

    EXPECT_EQ(ed.PositionVon(20009), 9);
    EXPECT_EQ(ed.PositionVon(12345), 1);
    EXPECT_EQ(ed.PositionVonBereich(2), 9);
    EXPECT_EQ(ed.PositionVonBereich(6), 10) << "the button marking 80000 reaches its entries";
}

TEST_F(TranslationTest, EditorStoresTextsAndSavesThemWithTheirParent) {
    haupt(kHaupt);
    personal(
        " 1\tEnglish\tx\r\n 4\tmeine Notiz\tx\r\n 5\tDejaVu Serif\tx\r\n 6\t12\tx\r\n"
        " 10002\t 0\tLevel 2\r\n 55555\t 0\tnot in the language table\r\n");
    Translation_Class& t = laden();
    Uebersetzungseditor ed(t);
    EXPECT_EQ(t.Prozent(), "20%");  // 2 of 10 entries
    ed.TextSpeichern(20009, "Message\r\nwith a break\tand a Tab");
    ed.TextSpeichern(10002, "");  // emptied: the language text shows again
    ed.TextSpeichern(10003, "Level 3");
    EXPECT_EQ(t.Prozent(), "30%");
    EXPECT_EQ(t.translation(20009), "Message with a break and a Tab");

    const std::string erwartet =
        " 1\tFrench\tx\r\n 2\t" + ApiClass::Version() +
        "\tx\r\n 3\t07.12.2026\tx\r\n 4\tmeine Notiz\tx\r\n 5\tDejaVu Serif\tx\r\n 6\t12\tx\r\n 7\t1\tx\r\n"
        " 10003\t 10002\tLevel 3\r\n"
        " 20009\t 10001\tMessage with a break and a Tab\r\n"
        " 55555\t 0\tnot in the language table\r\n";
    ASSERT_TRUE(ed.Speichern("  French ", "07.12.2026"));
    EXPECT_EQ(readFile(t.PersonalDatei()), erwartet);
    // Saved and loaded again: the texts count straight away.
    EXPECT_EQ(t.PersonalSprache(), "French");
    EXPECT_EQ(t.translation(10003), "Level 3");

    // A folder that cannot take the file: reported, and the typed text stays.
    ed.TextSpeichern(10004, "Level 4");
    t.PrivatPfad(common + "fehlt/");
    EXPECT_FALSE(ed.Speichern("French", "07.12.2026"));
    EXPECT_EQ(t.translation(10004), "Level 4");
}

TEST_F(TranslationTest, EditorFindsTheNextEntryWithoutText) {
    haupt(kHaupt);
    personal(" 10002\t 0\tLevel 2\r\n 10004\t 0\t   \r\n");
    Translation_Class& t = laden();
    Uebersetzungseditor ed(t);
    EXPECT_EQ(ed.SucheFehlende(10001), 3);
    EXPECT_EQ(ed.SucheFehlende(10003), 4) << "a text of blanks counts as missing";
    EXPECT_EQ(ed.SucheFehlende(80010), 1) << "wraps round";
    for (std::int32_t id : {10001, 10003, 10004, 10005, 10006, 10007, 20009, 80010})
        ed.TextSpeichern(id, "x");
    EXPECT_EQ(ed.SucheFehlende(10001), 0);
    EXPECT_EQ(t.Prozent(), "90%");
}
