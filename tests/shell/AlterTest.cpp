#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>

#include "services/ApiClass.h"
#include "services/MelvatoBasic.h"
#include "shell/Kontext.h"
#include "shell/frmAlter.h"
#include "tests/support/TestSupport.h"

namespace {

class AlterTest : public ::testing::Test {
protected:
    testing_support::TempHome home;
    Kontext kontext;
    void SetUp() override { MelvatoBasic::Api().protokoll("START", 0); }
    void TearDown() override {
        kontext.alterEntladen();
        MelvatoBasic::ReleaseApi();
    }
    void answer(const QString& age, const char* button) {
        kontext.setModalSkript([age, button](QDialog& w) {
            ASSERT_TRUE(w.isVisible());
            w.findChild<QLineEdit*>(QStringLiteral("txtAlter"))->setText(age);
            w.findChild<QPushButton*>(QString::fromLatin1(button))->click();
        });
    }
};

TEST_F(AlterTest, AgeBandsGiveTheStartingLevels) {
    const std::pair<int, int> cases[] = {{4, 31},  {5, 10},  {7, 14},  {8, 21},  {19, 43},
                                         {20, 50}, {50, 80}, {51, 78}, {70, 40}, {71, 31}};
    for (auto [age, level] : cases) {
        frmAlter& w = kontext.alter();
        w.setAlter(age);
        EXPECT_EQ(w.AlterLevel(), level) << "age " << age;
    }
}

TEST_F(AlterTest, AgeOutsideTheBandsIsStoredAsThirteen) {
    frmAlter& w = kontext.alter();
    w.setAlter(0);  // never asked
    EXPECT_EQ(w.AlterLevel(), 31);
    EXPECT_EQ(w.Alter(), 13);
    w.setAlter(120);
    w.AlterLevel();
    EXPECT_EQ(w.Alter(), 13);
}

TEST_F(AlterTest, StartStoresTheTypedAgeAndHides) {
    answer(QStringLiteral("9"), "Start");
    EXPECT_TRUE(kontext.alter().Abfragen());
    frmAlter& w = kontext.alter();
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(w.Alter(), 9);
    EXPECT_EQ(w.AlterLevel(), 23);
    EXPECT_TRUE(w.Tag.isEmpty());
}

TEST_F(AlterTest, EndeReportsExitAndKeepsTheLastAge) {
    answer(QStringLiteral("30"), "Start");
    ASSERT_TRUE(kontext.alter().Abfragen());
    answer(QStringLiteral("8"), "cmdEnde");
    EXPECT_FALSE(kontext.alter().Abfragen());
    EXPECT_EQ(kontext.alter().Tag, QStringLiteral("EXIT"));
    EXPECT_EQ(kontext.alter().Alter(), 30);
}

TEST_F(AlterTest, StartAfterACancelledGameIsNotCancelledAgain) {
    answer(QStringLiteral("10"), "cmdEnde");
    ASSERT_FALSE(kontext.alter().Abfragen());
    answer(QStringLiteral("10"), "Start");
    EXPECT_TRUE(kontext.alter().Abfragen());
    EXPECT_EQ(kontext.alter().AlterLevel(), 25);
}

TEST_F(AlterTest, EmptyEntryCountsAsThirteen) {
    answer(QString(), "Start");
    EXPECT_TRUE(kontext.alter().Abfragen());
    EXPECT_EQ(kontext.alter().AlterLevel(), 31);
}

TEST_F(AlterTest, LoadingAndStartAreLogged) {
    answer(QStringLiteral("12"), "Start");
    kontext.alter().Abfragen();
    std::string log = testing_support::readFile(MelvatoBasic::Api().LogDatei());
    size_t a = log.find("Alter.FormLoad Start");
    size_t b = log.find("Alter.FormLoad Ende");
    size_t c = log.find("Alter Form Click auf Start");
    ASSERT_NE(a, std::string::npos);
    ASSERT_NE(b, std::string::npos);
    ASSERT_NE(c, std::string::npos);
    EXPECT_LT(a, b);
    EXPECT_LT(b, c);
}

}  // namespace
