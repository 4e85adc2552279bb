#include <gtest/gtest.h>

#include <map>

#include "quiz/Ziehung.h"
#include "tests/quiz/QuizFakes.h"

using quiz::Pool;
using quiz_test::position;
using quiz_test::SkriptZufall;

namespace {

// A pool held in memory: question numbers in ascending order with their difficulty.
struct TestPool {
    std::array<int, 1001> tabelle{};
    std::map<int, double> problem;
    int anzahl = 0;
    int problemGelesen = 0;

    void add(int nummer, double p) {
        tabelle[size_t(++anzahl)] = nummer;
        problem[nummer] = p;
    }
    Pool pool() {
        Pool p;
        p.anzahl = [this] { return anzahl; };
        p.tabelle = &tabelle;
        p.problem = [this](int n) {
            ++problemGelesen;
            auto it = problem.find(n);
            return it == problem.end() ? 0.0 : it->second;
        };
        return p;
    }
};

// A pool, a scripted random source and the draw, fresh for every test.
struct Ziehung : ::testing::Test {
    TestPool tp;
    SkriptZufall z;
    quiz::Ziehung zg;
    bool ziehen() { return zg.Ziehen(tp.pool(), z); }
};

}  // namespace

TEST_F(Ziehung, UngradedQuestionIsTakenAtOnceAsForty) {
    tp.add(5, 0);
    tp.add(6, 7);
    zg.Runde = 1;
    z.werte = {position(1, 2)};
    ASSERT_TRUE(ziehen());
    EXPECT_EQ(zg.FrageNummer, 5);
    EXPECT_EQ(zg.FrageSchwierigkeit, 40);
    EXPECT_EQ(z.rndAufrufe, 1);  // no level test
    EXPECT_EQ(zg.Gesperrt[5], 1 + 25);

    z.werte = {position(2, 2)};
    zg.Runde = 2;
    ASSERT_TRUE(ziehen());
    EXPECT_EQ(zg.FrageNummer, 6);  // "Problem" below 10 counts as no grade
    EXPECT_EQ(zg.FrageSchwierigkeit, 40);
}

// The level test takes a question only when the chance (random number times 35)
// lies strictly above its distance from the level, on both sides of the level.
TEST_F(Ziehung, LevelTestBoundaries) {
    struct Fall {
        double niveau;
        int schwierigkeit;
        float zufall;
        bool genommen;
    } faelle[] = {
        {20, 20, 0.0f, false},                                  // chance 0 at distance 0
        {20, 20, 0.01f, true},        {20.5, 38, 0.5f, false},  // chance 17.5 equals distance 17.5
        {20.5, 38, 0.48f, false},                               // 16.8: a point too little
        {20.5, 38, 0.52f, true},                                // 18.2
        {20, 50, 0.85f, false},                                 // 29.75 against 30
        {20, 50, 0.9f, true},                                   // 31.5
        {30, 10, 0.56f, false},                                 // below the level: 19.6 against 20
        {30, 10, 0.58f, true},                                  // 20.3
        {20, 55, 0.99999994f, false},                           // 35 away: never
        {55, 20, 0.99999994f, false},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(testing::Message() << f.niveau << " / " << f.schwierigkeit << " / " << f.zufall);
        tp = TestPool();
        tp.add(100, f.schwierigkeit);
        tp.add(101, 0);  // ungraded: taken at once when the first is refused
        z = SkriptZufall();
        zg = quiz::Ziehung();
        zg.Runde = 1;
        zg.Niveau = f.niveau;
        z.werte = {position(1, 2), f.zufall, position(2, 2)};
        ASSERT_TRUE(ziehen());
        EXPECT_EQ(zg.FrageNummer, f.genommen ? 100 : 101);
        EXPECT_EQ(z.randomizeAufrufe, f.genommen ? 1 : 2);  // reseeded before every draw
    }
}

TEST_F(Ziehung, BlockedQuestionIsDrawnAgainAndFirstOfGameIsFree) {
    tp.add(1, 20);
    tp.add(2, 20);
    zg.Runde = 10;
    zg.Gesperrt[1] = 10;  // blocked up to and including this turn
    z.werte = {position(1, 2), position(2, 2), 0.5f};
    ASSERT_TRUE(ziehen());
    EXPECT_EQ(zg.FrageNummer, 2);
    EXPECT_EQ(tp.problemGelesen, 1);  // the blocked draw reads no difficulty

    zg.Runde = 11;  // the block has run out
    z.werte = {position(1, 2), 0.5f};
    ASSERT_TRUE(ziehen());
    EXPECT_EQ(zg.FrageNummer, 1);

    zg.SperreAufheben();
    EXPECT_EQ(zg.Gesperrt[1], 0);
    EXPECT_EQ(zg.Gesperrt[2], 0);
}

TEST_F(Ziehung, AfterMoreThanHundredRejectionsTheNextDrawIsTaken) {
    tp.add(900, 90);  // out of reach of level 20
    zg.Runde = 3;
    zg.Niveau = 20;
    ASSERT_TRUE(ziehen());
    EXPECT_EQ(zg.FrageNummer, 900);
    EXPECT_TRUE(zg.DurchAusweg);
    EXPECT_EQ(zg.FrageSchwierigkeit, 90);
    EXPECT_EQ(z.randomizeAufrufe, 102);  // 101 rejected, the 102nd taken
    EXPECT_EQ(zg.Gesperrt[900], 28);

    // The escape also overrides a block.
    zg.Runde = 4;
    ASSERT_TRUE(ziehen());
    EXPECT_EQ(zg.FrageNummer, 900);
    EXPECT_TRUE(zg.DurchAusweg);
}

// An empty pool draws nothing; in a full one the last position can be drawn.
TEST_F(Ziehung, PoolEdges) {
    zg.FrageNummer = 17;
    EXPECT_FALSE(ziehen());
    EXPECT_EQ(zg.FrageNummer, 0);
    EXPECT_EQ(tp.problemGelesen, 0);

    for (int n = 1; n <= 898; ++n) tp.add(n + 100, 50);
    zg.Runde = 1;
    zg.Niveau = 50;
    z.werte = {0.99999994f, 0.5f};  // the largest float below 1
    ASSERT_TRUE(ziehen());
    EXPECT_EQ(zg.FrageNummer, 998);
}

// Over many turns at level 20: nothing of difficulty 55 or more passes the level
// test, a drawn question stays out for its block, and every question that lies
// within reach of the level turns up.
TEST_F(Ziehung, StatisticsOfManyDraws) {
    for (int i = 0; i < 60; ++i) tp.add(100 + i, 10 + (i % 9) * 10);  // 10 .. 90
    quiz::EchterZufall echt;
    zg.Niveau = 20;
    std::map<int, int> zuletzt;
    std::map<int, int> gezogen;
    int ausweg = 0;
    for (int runde = 0; runde < 6000; ++runde) {
        ++zg.Runde;
        ASSERT_TRUE(zg.Ziehen(tp.pool(), echt));
        const int n = zg.FrageNummer;
        if (zg.DurchAusweg) {
            ++ausweg;
        } else {
            EXPECT_LT(tp.problem[n], 55) << "question " << n << " passed the level test";
            auto it = zuletzt.find(n);
            if (it != zuletzt.end()) {
                EXPECT_GE(zg.Runde, it->second + 26) << "question " << n;
            }
        }
        zuletzt[n] = zg.Runde;
        ++gezogen[n];
    }
    for (int i = 0; i < 60; ++i) {
        const int n = 100 + i;
        if (tp.problem[n] < 55) {
            EXPECT_GT(gezogen[n], 0) << "question " << n << " never drawn";
        }
    }
    EXPECT_LT(ausweg, 6000);
}
