// The activity log: on with "START", rotation with the "LAST " line, levels, and
// the last megabyte of a nearly full disk.
#include <gtest/gtest.h>

#include "services/ApiClass.h"
#include "tests/support/TestSupport.h"

using testing_support::readFile;
using testing_support::TempHome;
using testing_support::writeFile;

namespace {
QDateTime at(int day, int h, int m, int s) {
    return QDateTime(QDate(2026, 12, day), QTime(h, m, s));
}
}  // namespace

class LogTest : public ::testing::Test {
protected:
    TempHome home;
    std::string log() { return home.appPfad() + "Melvato Protokoll.Txt"; }
    std::string old() { return home.appPfad() + "Melvato Old Protokoll.Txt"; }
    std::unique_ptr<ApiClass> run(QDateTime when) {
        auto api = std::make_unique<ApiClass>();
        api->setClock([when] { return when; });
        return api;
    }
};

TEST_F(LogTest, FirstStartWritesStartLineAndUpdateHistory) {
    auto api = run(at(4, 14, 3, 27));
    api->UpdateHistory(" 3.0.1 neue Fragen");  // trimmed, and its own line end stays
    api->protokoll("vorher", 0);               // before the start report: lost
    api->protokoll("start", 0);                // lower case counts
    api->protokoll("MDI Form Load", 0);
    api->protokoll("Stretchmode:3", 1);  // level 1 is dropped on a first start
    EXPECT_EQ(readFile(log()),
              "START: 04.12.2026:3.0.1\r\n\r\nUpdate History Anfang\r\n3.0.1 neue Fragen\r\n\r\n"
              "Update History Ende\r\n\r\n14:03:27:MDI Form Load\r\n");
    EXPECT_EQ(api->protokollLevel(), 0);
    EXPECT_FALSE(testing_support::fileExists(old()));
}

TEST_F(LogTest, SecondStartRotatesAndRaisesLevel) {
    {
        auto first = run(at(3, 9, 0, 0));
        first->protokoll("START", 0);
        first->protokoll("a, b", 0);
    }
    std::string firstLog = readFile(log());
    auto second = run(at(4, 10, 0, 1));
    second->protokoll("START", 0);
    second->protokoll("Stretchmode:3", 1);
    EXPECT_EQ(second->protokollLevel(), 1);
    EXPECT_EQ(readFile(old()), firstLog);
    EXPECT_EQ(readFile(log()),
              "LAST START: 03.12.2026:3.0.1\r\n"
              "\r\nUpdate History Anfang\r\n\r\nUpdate History Ende\r\n\r\n"
              "09:00:00:a\r\nb\r\n"
              "09:00:00:api class terminate 1\r\n09:00:00:api class terminate 2\r\n"
              "START: 04.12.2026:3.0.1\r\n\r\nUpdate History Anfang\r\n\r\nUpdate History Ende\r\n\r\n"
              "10:00:01:Stretchmode:3\r\n");
    // A third start keeps exactly two runs: the "LAST " line of the second run is skipped.
    second.reset();
    auto third = run(at(5, 11, 0, 0));
    third->protokoll("START", 0);
    std::string l = readFile(log());
    EXPECT_EQ(l.rfind("LAST START: 04.12.2026:3.0.1\r\n", 0), 0u) << l;
    EXPECT_EQ(l.find("03.12.2026"), std::string::npos);
}

// A previous log without a start line gives only the marker; a previous run that
// ended with "ENDE" keeps the level at 0.
TEST_F(LogTest, PreviousLogWithoutStartLineOrEndedRun) {
    writeFile(log(), "irgendwas\r\nletzte Zeile\r\n");
    run(at(4, 8, 0, 0))->protokoll("START", 0);
    EXPECT_EQ(readFile(log()).rfind("LAST letzte Zeile\r\nSTART: 04.12.2026:3.0.1\r\n", 0), 0u);
    writeFile(log(), "START: 01.12.2026:3.0.1\r\n08:00:00:ENDE\r\n");
    auto api = run(at(4, 8, 0, 0));
    api->protokoll("START", 0);
    EXPECT_EQ(api->protokollLevel(), 0);
}

TEST_F(LogTest, UnwritableLogNeverStopsTheProgram) {
    std::filesystem::remove_all(home.appPfad());
    auto api = run(at(4, 8, 0, 0));
    api->protokoll("START", 0);
    api->protokoll("weiter", 0);
    EXPECT_TRUE(api->ProtokollAn());
}

// On a nearly full disk the log stops before it takes the last megabyte, says
// so once, and goes on when there is room again.
TEST_F(LogTest, BelowOneMegabyteTheLogStopsAndSaysSoOnce) {
    auto api = run(at(4, 8, 0, 0));
    std::uintmax_t frei = 0;
    api->setFreeSpace([&](const std::string&) { return frei; });
    api->protokoll("START", 0);
    EXPECT_FALSE(testing_support::fileExists(log())) << "no room even for the start";
    frei = kLogReserve;
    api->protokoll("START", 0);
    api->protokoll("eins", 0);
    frei = kLogReserve - 1;
    api->protokoll("zwei", 0);
    api->protokoll("drei", 0);
    frei = 10 * kLogReserve;
    api->protokoll("vier", 0);
    frei = 0;
    api->protokoll("fuenf", 0);
    const std::string l = readFile(log());
    EXPECT_EQ(testing_support::logEntries(l),
              (std::vector<std::string>{"eins", "Protokoll angehalten: weniger als 1 MB frei", "vier"}));
    EXPECT_EQ(l.substr(l.size() - 6), "vier\r\n");
}
