// A second start of the real program on the same data folder brings the first
// copy's window forward and ends before it has changed anything there.
#include <gtest/gtest.h>

#include <QProcess>
#include <QSignalSpy>
#include <QTest>
#include <QWidget>
#include <filesystem>
#include <set>

#include "services/ApiClass.h"
#include "shell/Vorholen.h"
#include "tests/support/TestSupport.h"

namespace {
std::set<std::string> inhalt(const std::string& ordner) {
    std::set<std::string> namen;
    for (const auto& e : std::filesystem::recursive_directory_iterator(ordner))
        namen.insert(e.path().string() + " " + std::to_string(e.is_regular_file() ? e.file_size() : 0));
    return namen;
}
}  // namespace

TEST(Einzelstart, SecondStartOnTheSameDataFolderEndsAndBringsTheFirstForward) {
    testing_support::TempHome home;
    testing_support::writeFile(home.appPfad() + "DATEN/slot.wav", "a data folder in use");
    QWidget fenster;
    Vorholen vorholen([&] { return &fenster; });
    QSignalSpy gerufen(&vorholen, &Vorholen::vorgeholt);
    fenster.showMinimized();
    ApiClass api;
    ASSERT_FALSE(api.SchonGestartet(false)) << "this process is the first copy";
    const auto vorher = inhalt(home.appPfad());

    QProcess zweite;
    zweite.start(QStringLiteral(MELVATO_PROGRAMM), {});
    ASSERT_TRUE(zweite.waitForStarted(10000));
    EXPECT_TRUE(QTest::qWaitFor([&] { return zweite.state() == QProcess::NotRunning; }, 60000))
        << "a second copy that runs on";
    EXPECT_EQ(zweite.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(zweite.exitCode(), 0);
    EXPECT_TRUE(QTest::qWaitFor([&] { return gerufen.count() == 1; }, 5000));
    EXPECT_FALSE(fenster.windowState() & Qt::WindowMinimized);
    EXPECT_EQ(inhalt(home.appPfad()), vorher);
    if (zweite.state() != QProcess::NotRunning) zweite.kill();
}
