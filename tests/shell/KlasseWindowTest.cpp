// The class overview on the teacher's station, through the main window's menu.
#include <QAction>
#include <QMenu>
#include <QPrinter>
#include <QPushButton>
#include <QTableWidget>
#include <filesystem>

#include "network/Ergebnisse.h"
#include "shell/frmKlasse.h"
#include "tests/shell/ShellFixture.h"

namespace {
class KlasseWindowTest : public ShellTest {
protected:
    std::string netz = home.root() + "server/Varulak/Melvato/";
    void SetUp() override {
        ShellTest::SetUp();
        std::filesystem::create_directories(netz);
        testing_support::writeFile(netz + "Master.Ini", "[Konfiguration]\r\nMaster=4\r\n");
        MelvatoBasic::NetzPfad = netz;
        frmKlasse::Anbinden(kontext);
        main();
    }
    bool angeboten() {
        QMenu* optionen = main().findChild<QMenu*>(QStringLiteral("Extras"));
        emit optionen->aboutToShow();
        return main().Menueintrag("klasse")->isEnabled();
    }
    void antwort(int platz, int nummer, int ergebnis) {
        netz::ErgebnisZeile z;
        z.zeit = QDateTime(QDate::currentDate(), QTime(0, 0, 1));
        z.frage.nummer = nummer;
        z.frage.bereich = "Oper";
        z.frage.ergebnis = ergebnis;
        EXPECT_TRUE(netz::ErgebnisSchreiber(home.root()).Schreiben(netz, platz, z));
    }
};
}  // namespace

TEST_F(KlasseWindowTest, OnlyTheTeachersStationOpensItAndItShowsTheStationsAnswers) {
    MelvatoBasic::Api().IniSchreiben("", "Netzwerk", "TeilnehmerNr", "6");
    EXPECT_FALSE(angeboten());
    MelvatoBasic::Api().IniSchreiben("", "Netzwerk", "TeilnehmerNr", "4");
    EXPECT_TRUE(angeboten());

    antwort(7, 101, 0);
    antwort(7, 102, 1);
    antwort(2, 101, 1);
    const std::string csv = home.root() + "klasse.csv", pdf = home.root() + "klasse.pdf";
    std::vector<std::vector<std::string>> zeilen;
    kontext.setModalSkript([&](QDialog& d) {
        auto* t = d.findChild<QTableWidget*>(QStringLiteral("stationen"));
        t->sortItems(2, Qt::DescendingOrder);  // right at the first try, best first
        for (int r = 0; r < t->rowCount(); ++r) {
            zeilen.emplace_back();
            for (int c = 0; c < t->columnCount(); ++c)
                zeilen.back().push_back(t->item(r, c)->text().toStdString());
        }
        dialogs.files.push_back(csv);
        d.findChild<QPushButton*>(QStringLiteral("Exportieren"))->click();
        QPrinter drucker;
        drucker.setOutputFormat(QPrinter::PdfFormat);
        drucker.setOutputFileName(QString::fromStdString(pdf));
        static_cast<frmKlasse&>(d).Drucken(drucker);
        d.accept();
    });
    main().Menueintrag("klasse")->trigger();
    EXPECT_EQ(zeilen, (std::vector<std::vector<std::string>>{{"2", "1", "100,0", "0,0", "0"},
                                                             {"7", "2", "50,0", "0,0", "0"}}));
    EXPECT_EQ(testing_support::readFile(csv).substr(0, 3), "\xEF\xBB\xBF");
    EXPECT_EQ(testing_support::readFile(pdf).substr(0, 4), "%PDF");
}
