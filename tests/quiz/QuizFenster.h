#pragma once
// The quiz window as the tests load it: a private data folder, the recording
// sound library, a hand-moved clock and a scripted draw.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QImage>
#include <QPointer>
#include <QTest>
#include <QTimer>

#include "quiz/Musikquiz.h"
#include "services/ApiClass.h"
#include "services/Codepage.h"
#include "services/FileSys.h"
#include "services/MelvatoBasic.h"
#include "shell/Kontext.h"
#include "tests/quiz/QuizFakes.h"
#include "tests/support/TestSupport.h"

namespace quiz_test {

inline std::string text(const QLabel* l) {
    return cp1252::fromUnicode(l->text());
}
inline quiz::Farbe farbe(const QLabel* l, QPalette::ColorRole rolle) {
    const QColor c = l->palette().color(rolle);
    return {c.red(), c.green(), c.blue()};
}

// A plain picture (PNG bytes whatever the name says), its folder made.
inline void bildSchreiben(const std::string& pfad, int w, int h, QColor farbe = Qt::darkBlue) {
    fsys::makeFolders(fsys::fromNative(fsys::native(pfad).parent_path()));
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(farbe);
    img.save(QString::fromStdString(fsys::native(pfad).string()), "PNG");
}

struct QuizFenster : ::testing::Test {
    testing_support::TempHome home;
    testing_support::ScriptedDialogs dialogs;
    ApiClass* api = nullptr;
    AufnahmeSound sound;
    HandUhr uhr;
    SkriptZufall zufall{7};
    Kontext kontext;
    QPointer<Musikquiz> quiz;

    void SetUp() override {
        MelvatoBasic::ReleaseApi();
        api = &MelvatoBasic::Api();
        api->setSleeper([](int) {});
        MelvatoBasic::SoundOk = false;
        MelvatoBasic::Tabelle.fill(0);
    }
    void TearDown() override {
        if (quiz) {
            if (quiz->isVisible()) quiz->close();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            delete quiz.data();
        }
        MelvatoBasic::SoundOk = false;
        MelvatoBasic::ReleaseApi();
    }
    // Loads the window with the test's sound, clock and draw; its timer ticks
    // every millisecond.
    Musikquiz* laden(Musikquiz::Anbindung an) {
        an.sound = &sound;
        an.uhr = &uhr;
        an.zufall = &zufall;
        quiz = new Musikquiz(nullptr, an);
        quiz->resize(900, 640);
        quiz->Form_Load();
        quiz->findChild<QTimer*>(QStringLiteral("Soundtimer"))->setInterval(1);
        return quiz.data();
    }
    template <class T = QLabel>
    T* control(const char* name) {
        T* c = quiz->findChild<T*>(QString::fromUtf8(name));
        EXPECT_NE(c, nullptr) << name;
        return c;
    }
    void taste(char c) { QTest::keyClick(quiz.data(), c); }
    // The show of a question (slot, reveal) runs on the timer: let it run, and
    // the clock with it (an ended sound rings out for 0.3 s).
    void bis(quiz::Phase ziel) {
        ASSERT_TRUE(QTest::qWaitFor(
            [&] {
                uhr.zeit += 0.0625;
                return quiz && quiz->spiel().phase() == ziel;
            },
            10000))
            << "phase " << int(ziel);
    }
    void bisFrage() { bis(quiz::Phase::Frage); }
};

}  // namespace quiz_test
