// Placeholders: values, other texts, the profile "Sprache.id", broken brackets
// and texts that would fill themselves for ever.
#include <gtest/gtest.h>

#include "tests/translation/TranslationFixture.h"

namespace {

class PlatzhalterTest : public TranslationTest {
protected:
    void SetUp() override {
        TranslationTest::SetUp();
        haupt(
            "10412\t0\tDatei\r\n"
            "10010\t0\tHallo [T:10011]\r\n"
            "10011\t0\t[Gruss:Welt]\r\n"
            "10020\t0\tFrage [X:A] von [X:B]\r\n"
            "10030\t0\tkreis [T:10031]\r\n"
            "10031\t0\tund [T:10030]\r\n"
            "10040\t0\tselbst [T:13040]\r\n");
        testing_support::writeFile(home.appPfad() + "Sprache.id",
                                   "[Gruss]\r\nWelt=Welt!\r\n[Schleife]\r\nimmer=[Schleife:immer]\r\n"
                                   "wachsen=ab[Schleife:wachsen]\r\n");
        laden();
    }
    std::string fuelle(std::string text, std::string_view werte = {}) {
        engine->Platzhalter(text, werte);
        return text;
    }
};

}  // namespace

TEST_F(PlatzhalterTest, ValuesTextsAndProfile) {
    EXPECT_EQ(fuelle("Frage [T:10412] von [X:A]", "[A: 5]"), "Frage Datei von 5");
    EXPECT_EQ(engine->translation(10020, "[A: 7][B: 12]"), "Frage 7 von 12");
    EXPECT_EQ(fuelle("Hallo [X:Name]!", "[Alter: 9][Name: Lea]"), "Hallo Lea!");
    EXPECT_EQ(engine->translation(10010), "Hallo Welt!");  // a text that holds a placeholder
    EXPECT_EQ(fuelle("[Gruss:Niemand]."), ".");            // missing profile key: empty
    EXPECT_EQ(fuelle("[X:C] fehlt", "[A: 5]"), "ERROR fehlt");
    EXPECT_EQ(fuelle("[X:A]", ""), "ERROR");
    EXPECT_EQ(fuelle("[X:A]!", "[A: offen"), "offen!");  // value without "]" runs to the end
    EXPECT_EQ(fuelle("[T:12345]"), "ERR12345");
    EXPECT_EQ(fuelle("ohne ] Klammer auf"), "ohne ] Klammer auf");
    EXPECT_EQ(fuelle("vorher ] dann [T:10412]"), "vorher ] dann Datei");
}

// Broken brackets, and texts that would fill themselves for ever, spoil the whole text.
TEST_F(PlatzhalterTest, SelfReproducingPlaceholdersEnd) {
    EXPECT_EQ(fuelle("Frage [T:10412"), "Error []");
    EXPECT_EQ(fuelle("[T:10412] und [ohne Doppelpunkt]"), "Error []");
    EXPECT_EQ(fuelle("[]"), "Error []");
    EXPECT_EQ(fuelle("[X:A] ende", "[A: ["), "Error []");  // the value brings an open bracket
    EXPECT_EQ(fuelle("a [Schleife:immer] b"), "Error []");
    EXPECT_EQ(fuelle("[Schleife:wachsen]"), "Error []");
    EXPECT_EQ(engine->translation(10030), "Error []");  // two texts naming each other
    EXPECT_EQ(engine->translation(10040), "Error []");  // a text naming itself by its project id
    // The budget belongs to one call: the next text is filled normally.
    EXPECT_EQ(engine->translation(10010), "Hallo Welt!");
    // One text fills up to a hundred placeholders; one more spoils it.
    std::string viele, erwartet;
    for (int i = 0; i < 100; ++i) {
        viele += "[T:10412]";
        erwartet += "Datei";
    }
    EXPECT_EQ(fuelle(viele), erwartet);
    EXPECT_EQ(fuelle(viele + "[T:10412]"), "Error []");
}

TEST_F(PlatzhalterTest, ResultIsCutAtTheLimit) {
    std::string lang(20000, 'y');
    std::string text = fuelle("[X:A]z", "[A: " + lang + "]");
    EXPECT_EQ(text, std::string(Translation_Class::kMaxTextLaenge, 'y'));
    // The cut falls inside the next placeholder, which is then left open.
    EXPECT_EQ(fuelle("[X:A][T:10412]", "[A: " + std::string(9995, 'y') + "]"), "Error []");
}
