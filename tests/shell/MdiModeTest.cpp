// Which menu entries and tool buttons each window mode offers.
#include <QAction>
#include <QMdiArea>
#include <QMenuBar>
#include <QScreen>
#include <QToolButton>
#include <set>

#include "services/FileSys.h"
#include "tests/shell/ShellFixture.h"

namespace {

const char* const kTagged[] = {
    "Datei",     "Laden",     "speichern", "speichernunter", "einfügen",  "drucken", "Ende",
    "Spiel",     "Starten",   "teilstart", "bearbeiten",     "neu",       "reset",   "Knofigurieren",
    "Erstellen", "verpacken", "einlesen",  "Extras",         "parameter", "Hilfe",   "Autor"};

// The buttons a mode offers; all others stay in their places, disabled.
std::set<int> offeredButtons(MDI& m) {
    std::set<int> v;
    for (int i = 0; i <= 20; ++i) {
        EXPECT_FALSE(m.ToolButton(i)->isHidden()) << "button " << i;
        if (m.ToolButton(i)->isEnabled()) v.insert(i);
    }
    return v;
}

std::set<std::string> enabledEntries(MDI& m) {
    std::set<std::string> e;
    for (const char* name : kTagged)
        if (m.Menueintrag(name)->isEnabled()) e.insert(name);
    return e;
}

using ModeTest = ShellTest;

// Each mode's offer, reached in this order; 4 (the settings) leaves the entries
// without a tag alone, 9 is a mode without its own list: every button with a
// command, and codes that name no entry (11, 80) are skipped.
TEST_F(ModeTest, EachModeOffersItsButtonsAndMenuEntries) {
    MDI& m = main();
    QStringList titles;
    for (QAction* a : m.menuBar()->actions()) titles << a->text();
    EXPECT_EQ(titles, (QStringList{QStringLiteral("Datei"), QStringLiteral("Spiel"),
                                   QStringLiteral("Bearbeiten"), QStringLiteral("Optionen")}));
    EXPECT_EQ(m.Menueintrag("Starten")->text(), QStringLiteral("Starten mit allen Fragen"));
    const std::set<int> nullKnoepfe{1, 10, 14, 15, 16, 17, 18};
    const std::set<std::string> nullEintraege{"Datei",     "Laden",     "Ende",       "Spiel",
                                              "Starten",   "teilstart", "bearbeiten", "Knofigurieren",
                                              "Erstellen", "verpacken", "einlesen",   "Extras",
                                              "parameter", "Hilfe",     "Autor"};
    struct Fall {
        std::function<void()> wechsel;
        int modus;
        std::set<int> knoepfe;
        std::set<std::string> eintraege;
    };
    const Fall faelle[] = {
        {[] {}, 0, nullKnoepfe, nullEintraege},
        {[&] { m.TopIst(4); }, 4, {}, {}},
        {[&] { m.TopIst(2); }, 2, {0, 1, 2, 4, 12}, {"Datei", "speichern", "Extras", "Hilfe"}},
        // "Einfügen" holds the list window's import commands.
        {[&] { m.TopIst(6); }, 6, {0, 4, 10, 18}, {"Datei", "Laden", "speichernunter", "einfügen"}},
        {[&] { m.TopIst(5); }, 5, {0, 10, 18}, {"Datei", "Laden", "einfügen"}},
        // Only the mode that is on top goes back to 0.
        {[&] { m.TopWar(1); }, 5, {0, 10, 18}, {"Datei", "Laden", "einfügen"}},
        {[&] { m.TopWar(5); }, 0, nullKnoepfe, nullEintraege},
        {[&] { m.TopIst(9); },
         9,
         {0, 1, 2, 4, 7, 8, 9, 10, 12, 14, 15, 16, 17, 18},
         {"Datei", "Laden", "speichern", "speichernunter", "Ende", "Spiel", "bearbeiten", "Extras"}},
    };
    for (const Fall& f : faelle) {
        f.wechsel();
        SCOPED_TRACE(f.modus);
        EXPECT_EQ(MelvatoBasic::FensterModus, f.modus);
        EXPECT_EQ(offeredButtons(m), f.knoepfe);
        EXPECT_EQ(enabledEntries(m), f.eintraege);
        if (f.modus == 4) {
            for (const char* ohneTag : {"FrageRaum", "suchanzeig", "unworte"})
                EXPECT_TRUE(m.Menueintrag(ohneTag)->isEnabled()) << ohneTag;
        }
    }
}

// "Spiel starten" must not slide to where "nächste Frage" was under a child's pointer.
TEST_F(ModeTest, ButtonsKeepTheirPlacesFromModeToMode) {
    MDI& m = main();
    QCoreApplication::processEvents();
    std::vector<int> orte;
    for (int i = 0; i <= 20; ++i) orte.push_back(m.ToolButton(i)->x());
    for (int modus : {1, 2, 4, 5, 6, 7, 9, 0}) {
        m.TopIst(modus);
        for (int i = 0; i <= 20; ++i) EXPECT_EQ(m.ToolButton(i)->x(), orte[size_t(i)]) << modus << " " << i;
    }
}

TEST_F(ModeTest, TranslateSectionOfTheModeReplacesTooltipsAndCaptions) {
    testing_support::writeFile(home.appPfad() + "Melvato.Ini",
                               "[Translate 1]\r\n7=4711\r\n106=4712\r\n10=0\r\n[Translate 0]\r\n1=4713\r\n");
    texte::setQuelle([](long n) {
        if (n == 4711) return QStringLiteral("Weiter!");
        if (n == 4712) return QStringLiteral("Spiel beenden");
        if (n == 4713) return QStringLiteral("Los geht's");
        return QString();
    });
    MDI& m = main();
    EXPECT_EQ(m.ToolButton(1)->toolTip(), QStringLiteral("Los geht's"));
    EXPECT_EQ(m.ToolButton(7)->toolTip(), QStringLiteral("nächste Frage"));
    m.TopIst(1);
    EXPECT_EQ(m.ToolButton(7)->toolTip(), QStringLiteral("Weiter!"));
    EXPECT_EQ(m.Menueintrag("Ende")->text(), QStringLiteral("Spiel beenden"));
    // 0 leaves the text alone.
    EXPECT_EQ(m.ToolButton(10)->toolTip(), QStringLiteral("Fragen-Liste laden"));
}

// The game offers "Vorlesen" only where the voice and the sound work, and the
// button says why not.
TEST_F(ModeTest, ReadAloudButtonOnlyWhereItCanRead) {
    using H = quiz::Vorleser::Hindernis;
    MDI& m = main();
    for (H h : {H::KeinTon, H::KeineStimme, H::Keins}) {
        m.VorlesenKnopf(h);
        m.TopIst(1);
        EXPECT_EQ(m.ToolButton(9)->isEnabled(), h == H::Keins);
        EXPECT_EQ(m.ToolButton(9)->toolTip().startsWith(QStringLiteral("Vorlesen geht nicht")),
                  h != H::Keins);
        m.TopIst(0);
        EXPECT_FALSE(m.ToolButton(9)->isEnabled());
    }
}

using DesignTest = ShellTest;

QColor mitte(MDI& m) {
    QImage bild = m.area()->background().texture().toImage();
    return bild.pixelColor(bild.width() / 2, bild.height() / 2);
}

TEST_F(DesignTest, BackgroundPictureFillsTheFrameAndAMissingOneIsOnlyLogged) {
    QImage rot(64, 48, QImage::Format_RGB32);
    rot.fill(QColor(200, 20, 20));
    fsys::makeFolders(home.appPfad() + "DATEN/");
    ASSERT_TRUE(rot.save(QString::fromStdString(home.appPfad() + "DATEN/Back.jpg"), "jpg", 95));
    MDI& m = main();
    QColor c = mitte(m);
    EXPECT_GT(c.red(), 150);
    EXPECT_LT(c.green(), 80);
    EXPECT_EQ(log().find("Hintergrundbild fehlt"), std::string::npos);

    // The settings ask for the other picture, which is not there: logged, no picture.
    testing_support::writeFile(home.appPfad() + "Melvato.Ini", "[ProfilParameter]\r\nMacColor=1\r\n");
    m.ChangeDesign();
    EXPECT_NE(log().find("Hintergrundbild fehlt: " + home.appPfad() + "DATEN/mac2.gif"), std::string::npos);
    EXPECT_LT(mitte(m).red(), 150);
    EXPECT_TRUE(m.isVisible());
}

TEST_F(DesignTest, GuardSettingMakesTheWindowCoverTheScreen) {
    testing_support::writeFile(home.appPfad() + "Melvato.Ini",
                               "[ProfilParameter]\r\nW\xE4"
                               "chter=-1\r\n");
    MDI& m = main();
    EXPECT_EQ(m.geometry(), m.screen()->geometry());
    EXPECT_TRUE(m.windowFlags() & Qt::FramelessWindowHint);
}

// A width below 9000 twips is raised again.
TEST_F(DesignTest, WindowOpensAtFourFifthsOfTheScreenInTheMiddleAndKeepsItsLeastWidth) {
    MDI& m = main();
    QRect s = m.screen()->geometry();
    EXPECT_NEAR(m.width(), s.width() * 0.8, 2);
    EXPECT_NEAR(m.frameGeometry().center().x(), s.center().x(), 2);
    EXPECT_NEAR(m.frameGeometry().center().y(), s.center().y(), 2);
    m.resize(300, 400);
    EXPECT_EQ(m.width(), 600);
}

}  // namespace
