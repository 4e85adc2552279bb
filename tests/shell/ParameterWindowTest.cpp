// The settings window through the main window: a share set up and used by the
// list loader at once, typed numbers, the teacher's tick, Cancel.
#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <filesystem>

#include "network/Netzwerk.h"
#include "shell/frmParameter.h"
#include "tests/shell/ShellFixture.h"

namespace {
// Records the texts of every short message window that shows.
class KurzboxZeuge : public QObject {
public:
    std::vector<std::string> texte;
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() == QEvent::Show && o->objectName() == QLatin1String("kurzbox"))
            for (const char* name : {"Label1", "Label2"})
                texte.push_back(texte::ansi(o->findChild<QLabel*>(QLatin1String(name))->text()));
        return false;
    }
};

class ParameterWindowTest : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        frmParameter::Anbinden(kontext);
        main();
    }
    void TearDown() override {
        if (frmParameter* f = frmParameter::offen()) f->cancel_Click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        ShellTest::TearDown();
    }
    frmParameter& oeffnen() {
        main().ToolButton_Click(17);
        frmParameter* f = frmParameter::offen();
        EXPECT_NE(f, nullptr);
        EXPECT_EQ(MelvatoBasic::FensterModus, 4);
        return *f;
    }
    template <typename T>
    T* kind(frmParameter& f, const char* name) {
        T* w = f.findChild<T*>(QString::fromUtf8(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    std::string ini(const char* section, const char* key) {
        return MelvatoBasic::Api().IniLesen("", section, key);
    }
};
}  // namespace

TEST_F(ParameterWindowTest, EmptyShareIsSetUpUnderTheShortMessageAndTheListLoaderUsesItAfterOk) {
    frmParameter& f = oeffnen();
    // A folder inside the data folder is refused and nothing changes.
    dialogs.files.push_back(home.appPfad() + "DATEN/");
    kind<QPushButton>(f, "NetzWerkFestlegen")->click();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_NE(dialogs.messages[0].text.find("Daten-Ordner"), std::string::npos);
    EXPECT_EQ(kind<QLabel>(f, "lblNetzWerkPfad")->text(), QString());

    const std::string share = home.root() + "server/";
    std::filesystem::create_directories(share);
    KurzboxZeuge zeuge;
    qApp->installEventFilter(&zeuge);
    dialogs.files.push_back(share);
    kind<QPushButton>(f, "NetzWerkFestlegen")->click();
    qApp->removeEventFilter(&zeuge);
    const std::string netz = share + "Varulak/Melvato/";
    EXPECT_EQ(dialogs.fileRequests.back().title, "Server-Pfad:");
    EXPECT_EQ(zeuge.texte, (std::vector<std::string>{"Netzwerk-Verzeichnis wird angelegt....",
                                                     share + "Varulak/Melvato/..."}));
    EXPECT_EQ(kontext.kurzboxFenster(), nullptr);
    EXPECT_EQ(texte::ansi(kind<QLabel>(f, "lblNetzWerkPfad")->text()), netz);
    EXPECT_TRUE(std::filesystem::is_directory(netz + "Spiele"));

    // Typing: a number beyond 99 is refused with a message, a good one moves the scroll bar.
    auto* nummer = kind<QLineEdit>(f, "SlaveNumber");
    nummer->selectAll();
    QTest::keyClicks(nummer, QStringLiteral("100"));
    EXPECT_EQ(nummer->text(), QStringLiteral("10"));
    EXPECT_EQ(dialogs.messages.size(), 2u);
    nummer->selectAll();
    QTest::keyClicks(nummer, QStringLiteral("4"));
    EXPECT_EQ(kind<QScrollBar>(f, "scrSlaveNumber")->value(), 4);
    kind<QCheckBox>(f, "IstMaster")->click();
    EXPECT_EQ(testing_support::readFile(netz + "Master.Ini"), "[Konfiguration]\r\nMaster=4\r\n");

    kind<QCheckBox>(f, "Design")->setChecked(true);
    // No age given yet counts as 13: read aloud until someone chooses otherwise.
    auto* vorlesen = kind<QCheckBox>(f, "Vorlesen");
    EXPECT_TRUE(vorlesen->isChecked());
    vorlesen->setChecked(false);
    kind<QPushButton>(f, "Ok")->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(frmParameter::offen(), nullptr);
    EXPECT_EQ(MelvatoBasic::FensterModus, 0);
    EXPECT_EQ(ini("Netzwerk", "NetzwerkPfad"), netz);
    EXPECT_EQ(ini("Netzwerk", "TeilnehmerNr"), "4");
    EXPECT_EQ(ini("ProfilParameter", "MacColor"), "1");
    EXPECT_EQ(ini("ProfilParameter",
                  "W\xE4"
                  "chter"),
              "0");
    EXPECT_EQ(ini("ProfilParameter", "FragenVorlesen"), "0");
    EXPECT_EQ(MelvatoBasic::NetzPfad, netz);
    main().Menueintrag("Laden")->trigger();
    EXPECT_EQ(dialogs.fileRequests.back().folder, netz + "Spiele/");
}

TEST_F(ParameterWindowTest, AnotherStationsTickIsClearedAndCancelWritesNothing) {
    const std::string netz = home.root() + "share/Varulak/Melvato/";
    std::filesystem::create_directories(netz);
    testing_support::writeFile(netz + "Master.Ini", "[Konfiguration]\r\nMaster=4\r\n");
    MelvatoBasic::Api().IniSchreiben("", "Netzwerk", "NetzwerkPfad", netz);
    MelvatoBasic::Api().IniSchreiben("", "Netzwerk", "TeilnehmerNr", "6");
    const std::string vorher = testing_support::readFile(home.appPfad() + "Melvato.Ini");

    frmParameter& f = oeffnen();
    auto* master = kind<QCheckBox>(f, "IstMaster");
    EXPECT_FALSE(master->isChecked());
    master->click();
    EXPECT_FALSE(master->isChecked());
    kind<QScrollBar>(f, "scrSlaveNumber")->setValue(4);  // the registered number shows as master
    EXPECT_TRUE(master->isChecked());
    EXPECT_EQ(kind<QLineEdit>(f, "SlaveNumber")->text(), QStringLiteral("4"));
    kind<QPushButton>(f, "cancel")->click();
    EXPECT_EQ(testing_support::readFile(netz + "Master.Ini"), "[Konfiguration]\r\nMaster=4\r\n");
    EXPECT_EQ(testing_support::readFile(home.appPfad() + "Melvato.Ini"), vorher);
    EXPECT_TRUE(dialogs.messages.empty());
}
