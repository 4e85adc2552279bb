// The author, short message and progress windows.
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "tests/shell/ShellFixture.h"

namespace {

using SmallWindowsTest = ShellTest;

TEST_F(SmallWindowsTest, ProgressMovesOncePerNewPercentageAndClosesAtTheEnd) {
    main();
    std::vector<int> shown;  // the bar's value each time the window lets events run
    kontext.progressYield = [&] {
        shown.push_back(kontext.progressFenster()->findChild<QProgressBar*>(QStringLiteral("Bar"))->value());
    };
    Progress::ShowProgress(kontext, 0, 0, "Index wird erstellt...");
    ASSERT_TRUE(kontext.progressFenster());
    Progress* w = kontext.progressFenster();
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Index wird erstellt..."));
    Progress::ShowProgress(kontext, 1, 3, "");
    Progress::ShowProgress(kontext, 1, 3, "");  // same percentage: nothing
    Progress::ShowProgress(kontext, 2, 6, "");  // 33 again: nothing
    Progress::ShowProgress(kontext, 2, 3, "");
    Progress::ShowProgress(kontext, 1, 3, "");  // going back: nothing
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Index wird erstellt..."));
    EXPECT_EQ(w->findChild<QProgressBar*>(QStringLiteral("Bar"))->value(), 66);
    Progress::ShowProgress(kontext, 3, 3, "");
    EXPECT_EQ(shown, (std::vector<int>{0, 33, 66, 100}));
    EXPECT_FALSE(kontext.progressFenster());
    // The next job starts afresh.
    Progress::ShowProgress(kontext, 0, 0, "zwei");
    Progress::ShowProgress(kontext, 10, 100, "");
    ASSERT_TRUE(kontext.progressFenster());
    EXPECT_EQ(kontext.progressFenster()->findChild<QProgressBar*>(QStringLiteral("Bar"))->value(), 10);
    EXPECT_EQ(kontext.progressFenster()->windowTitle(), QStringLiteral("zwei"));
}

// A short message closes when its time is up or at CloseNow, which comes first;
// without a duration it stays until CloseNow.
TEST_F(SmallWindowsTest, ShortMessageClosesWhenItsTimeIsUpOrAtOnce) {
    main();
    kurzbox::Start(kontext, "Daten werden kopiert", "bitte warten", 0, 10);
    kurzbox* w = kontext.kurzboxFenster();
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Meldung..."));
    EXPECT_EQ(w->findChild<QLabel*>(QStringLiteral("Label1"))->text(),
              QStringLiteral("Daten werden kopiert"));
    EXPECT_EQ(w->findChild<QLabel*>(QStringLiteral("Label2"))->text(), QStringLiteral("bitte warten"));
    auto* timer = w->findChild<QTimer*>(QStringLiteral("kurzzeit"));
    EXPECT_TRUE(timer->isActive());
    EXPECT_EQ(timer->interval(), 10000);
    ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
    w->kurzzeit_Timer();
    EXPECT_FALSE(kontext.kurzboxFenster());
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);

    kurzbox::Start(kontext, "a", "b", 3, 10);
    w = kontext.kurzboxFenster();
    w->findChild<QPushButton*>(QStringLiteral("exxit"))->click();
    EXPECT_EQ(w->Tag, QStringLiteral("exit"));
    kurzbox::CloseNow(kontext);
    EXPECT_FALSE(kontext.kurzboxFenster());
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    kurzbox::StartAndWait(kontext, "x", "y");
    EXPECT_FALSE(kontext.kurzboxFenster()->findChild<QTimer*>(QStringLiteral("kurzzeit"))->isActive());
}

// The author window shows its progress bar only as the splash of a start.
TEST_F(SmallWindowsTest, SplashShowsVersionAndProgressOnlyWhileStarting) {
    MelvatoBasic::StartPhase = true;
    frmAutor::ZeigenModeless(kontext);
    frmAutor& w = kontext.autor();
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Quirandel Version 3.0.1"));
    w.progresstimer_Timer();
    EXPECT_FALSE(w.findChild<QFrame*>(QStringLiteral("Progress"))->isHidden());
    EXPECT_FALSE(w.findChild<QLabel*>(QStringLiteral("Datenwerden"))->isHidden());
    // The picture is missing here: the window shows anyway and the log names it.
    EXPECT_NE(log().find("Bild fehlt: " + home.appPfad() + "DATEN/Back.jpg"), std::string::npos);
    QTest::mouseClick(w.findChild<QLabel*>(QStringLiteral("Label1")), Qt::LeftButton);
    EXPECT_FALSE(kontext.autorGeladen());

    MelvatoBasic::StartPhase = false;
    bool progressShown = true;
    kontext.setModalSkript([&](QDialog& d) {
        static_cast<frmAutor&>(d).progresstimer_Timer();
        progressShown = !d.findChild<QFrame*>(QStringLiteral("Progress"))->isHidden();
        d.done(QDialog::Accepted);
    });
    main().Menueintrag("Autor")->trigger();
    EXPECT_FALSE(progressShown);
    EXPECT_FALSE(kontext.autorGeladen());
}

}  // namespace
