#include <QLineEdit>
#include <QPushButton>

#include "tests/shell/ShellFixture.h"

namespace {

class AlterTest : public ShellTest {
protected:
    void answer(const QString& age, const char* button) {
        kontext.setModalSkript([age, button](QDialog& w) {
            ASSERT_TRUE(w.isVisible());
            w.findChild<QLineEdit*>(QStringLiteral("txtAlter"))->setText(age);
            w.findChild<QPushButton*>(QString::fromLatin1(button))->click();
        });
    }
};

// An age outside the bands (0: never asked) counts as thirteen and is stored so.
TEST_F(AlterTest, AgeBandsGiveTheStartingLevels) {
    const std::tuple<int, int, int> cases[] = {{4, 31, 13},  {5, 10, 5},   {7, 14, 7},   {8, 21, 8},
                                               {19, 43, 19}, {20, 50, 20}, {50, 80, 50}, {51, 78, 51},
                                               {70, 40, 70}, {71, 31, 13}, {0, 31, 13},  {120, 31, 13}};
    for (auto [age, level, stored] : cases) {
        frmAlter& w = kontext.alter();
        w.setAlter(age);
        EXPECT_EQ(w.AlterLevel(), level) << "age " << age;
        EXPECT_EQ(w.Alter(), stored) << "age " << age;
    }
}

TEST_F(AlterTest, EachAnswerInTurnStartsOrEndsTheGame) {
    // One window through a run of games: "Ende" reports EXIT and keeps the last
    // age, the next "Start" is not cancelled again, an empty entry counts as
    // thirteen.
    const struct {
        QString typed;
        const char* button;
        bool started;
        int level, age;
    } steps[] = {
        {QStringLiteral("9"), "Start", true, 23, 9},     {QStringLiteral("30"), "Start", true, 60, 30},
        {QStringLiteral("8"), "cmdEnde", false, 60, 30}, {QStringLiteral("10"), "cmdEnde", false, 60, 30},
        {QStringLiteral("10"), "Start", true, 25, 10},   {QString(), "Start", true, 31, 13}};
    for (const auto& s : steps) {
        answer(s.typed, s.button);
        frmAlter& w = kontext.alter();
        EXPECT_EQ(w.Abfragen(), s.started) << s.button << " " << s.typed.toStdString();
        EXPECT_FALSE(w.isVisible());
        EXPECT_EQ(w.Tag, s.started ? QString() : QStringLiteral("EXIT"));
        EXPECT_EQ(w.AlterLevel(), s.level) << s.typed.toStdString();
        EXPECT_EQ(w.Alter(), s.age) << s.typed.toStdString();
    }
}

}  // namespace
