// The list window in its three kinds, reached through the main window's commands.
#include <QAction>
#include <QLineEdit>
#include <QListWidget>
#include <QToolButton>
#include <QTreeView>
#include <filesystem>

#include "questions/WordIndex.h"
#include "shell/frmKonfig.h"
#include "tests/shell/ShellFixture.h"

namespace {
class ListWindowTest : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        std::string dat;
        const char* bereich[] = {"Instrumente", "Oper", "Instrumente", ""};
        for (int n = 1; n <= 4; ++n)
            dat += "[Quiz " + std::to_string(n) + "]\r\nFrage=Frage " + std::to_string(n) +
                   (n == 3 ? " zur Geige" : "") + "\r\nAntwort 1=A" + std::to_string(n) +
                   "\r\nL\xF6sung=1\r\nBereich=" + bereich[n - 1] + "\r\nProblem=" + std::to_string(n * 10) +
                   "\r\n";
        testing_support::writeFile(home.appPfad() + "Fragen 0.Dat", dat);
        std::filesystem::create_directories(MelvatoBasic::SpielePfad);
        frmKonfig::Anbinden(kontext);
        main();
    }
    void menue(const char* name) { main().Menueintrag(name)->trigger(); }
    std::vector<int> zeilen() {
        std::vector<int> out;
        for (const auto& z : frmKonfig::offen()->modell().zeilen()) out.push_back(z.nummer);
        return out;
    }
};
}  // namespace

TEST_F(ListWindowTest, ABuiltListIsSavedLoadedBackAndPlayedWithExactlyItsQuestions) {
    menue("konfigchange");
    frmKonfig* f = frmKonfig::offen();
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(f->ListenArt(), 1);
    EXPECT_EQ(MelvatoBasic::FensterModus, 6);
    EXPECT_EQ(texte::ansi(f->windowTitle()), "Fragen-Liste neu erstellen");
    EXPECT_EQ(zeilen(), (std::vector<int>{1, 2, 3}));
    f->lstThemen()->item(1)->setSelected(false);  // Oper
    f->NummerWeg()->setText(QStringLiteral("1"));
    EXPECT_EQ(zeilen(), (std::vector<int>{3}));
    EXPECT_EQ(texte::ansi(f->FragenListe()->toolTip()), "Diese 1 Fragen werden im Spiel vorkommen)");

    const std::string datei = MelvatoBasic::SpielePfad + "instrumente.lst";
    dialogs.files.push_back(datei);
    menue("speichernunter");
    EXPECT_EQ(texte::ansi(f->windowTitle()), "Fragen-Liste: instrumente.lst");

    // Another list whose fields the three imports take, each into its own box.
    testing_support::writeFile(
        MelvatoBasic::SpielePfad + "andere.lst",
        "[Allgemein]\r\nTyp=Melvato-Frageliste\r\nUnW\xF6rter=geige\r\nDieseNicht=1 2\r\nDieseImmer=4\r\n");
    f->NummerWeg()->setText(QStringLiteral(""));
    const struct {
        const char* befehl;
        QLineEdit* feld;
        const char* text;
        std::vector<int> zeilen;
    } importe[] = {{"unworte", f->UnWort(), "geige", {1}},
                   {"imfrag", f->DieseDoch(), "4", {1, 4}},
                   {"niefrag", f->NummerWeg(), "1 2", {4}}};
    for (const auto& i : importe) {
        dialogs.files.push_back(MelvatoBasic::SpielePfad + "andere.lst");
        menue(i.befehl);
        EXPECT_EQ(texte::ansi(i.feld->text()), i.text) << i.befehl;
        EXPECT_EQ(zeilen(), i.zeilen) << i.befehl;
    }

    // Loading the saved list brings its filters back.
    dialogs.files.push_back(datei);
    menue("Laden");
    EXPECT_EQ(texte::ansi(f->NummerWeg()->text()), "1");
    EXPECT_EQ(texte::ansi(f->UnWort()->text()), "");
    EXPECT_FALSE(f->lstThemen()->item(1)->isSelected());
    EXPECT_EQ(zeilen(), (std::vector<int>{3}));

    // The display kind shows the loaded list; the game takes exactly it.
    menue("FrageRaum");
    ASSERT_EQ(frmKonfig::offen()->ListenArt(), 0);
    EXPECT_EQ(MelvatoBasic::FensterModus, 5);
    EXPECT_EQ(zeilen(), (std::vector<int>{3}));
    kontext.musikquiz()->pool().TeilSpielLaden(datei);
    EXPECT_EQ(kontext.musikquiz()->pool().Anzahl(), 1);
}

TEST_F(ListWindowTest, TheKeywordSearchBuildsTheIndexWhenItIsMissingAndSavesItsTerm) {
    kontext.anbindung.IndexKomplettErstellen = [this](bool) {
        fragen::WortIndex index(MelvatoBasic::Api());
        index.IndexKomplettErstellen(kontext.musikquiz()->pool());
    };
    dialogs.inputs.push_back(std::string("geig"));
    menue("suchanzeig");
    frmKonfig* f = frmKonfig::offen();
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(MelvatoBasic::FensterModus, 7);
    EXPECT_EQ(zeilen(), (std::vector<int>{3}));
    EXPECT_EQ(texte::ansi(f->FragenListe()->toolTip()), "Diese 1 Fragen verwenden den Begriff GEIG.");
    // The import commands belong to the filter kinds.
    menue("unworte");
    EXPECT_TRUE(dialogs.fileRequests.empty());

    const std::string datei = MelvatoBasic::SpielePfad + "geige.lst";
    dialogs.files.push_back(datei);
    main().ToolButton(4)->click();
    const std::string bytes = testing_support::readFile(datei);
    EXPECT_NE(bytes.find("UnterTyp=2\r\n"), std::string::npos) << bytes;
    EXPECT_NE(bytes.find("Suchbegriff=geig\r\n"), std::string::npos) << bytes;
    EXPECT_NE(bytes.find("UnW\xF6rter= GEIGE\r\n"), std::string::npos) << bytes;
}
