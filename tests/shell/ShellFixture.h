#pragma once
// A main window in a private data folder, with scripted dialogs and every call
// it hands on recorded.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QPushButton>
#include <memory>
#include <string>
#include <vector>

#include "quiz/Musikquiz.h"
#include "services/ApiClass.h"
#include "services/MelvatoBasic.h"
#include "shell/Kontext.h"
#include "shell/MDI.h"
#include "shell/Progress.h"
#include "shell/Texte.h"
#include "shell/frmAlter.h"
#include "shell/frmAutor.h"
#include "shell/kurzbox.h"
#include "tests/support/TestSupport.h"
#include "translation/Translation_Class.h"

class ShellTest : public ::testing::Test {
protected:
    testing_support::TempHome home;
    testing_support::ScriptedDialogs dialogs;
    std::vector<std::string> calls;
    Kontext kontext;

    void SetUp() override {
        MelvatoBasic::Api().protokoll("START", 0);
        MelvatoBasic::FensterModus = 0;
        QApplication::setQuitOnLastWindowClosed(false);
        MelvatoBasic::SpielePfad = home.appPfad() + "Spiele/";
        // A game start asks for the age: leave with "Ende" so nothing runs on.
        kontext.setModalSkript([](QDialog& d) {
            if (auto* ende = d.findChild<QPushButton*>(QStringLiteral("cmdEnde")))
                ende->click();
            else
                d.done(QDialog::Accepted);
        });
    }
    void TearDown() override {
        if (kontext.anbindung.ListeEntladen) kontext.anbindung.ListeEntladen();
        Progress::unload(kontext);
        kurzbox::CloseNow(kontext);
        while (QGuiApplication::overrideCursor()) QGuiApplication::restoreOverrideCursor();
        mdi.reset();
        kontext.unloadMusikquiz();
        kontext.autorEntladen();
        kontext.alterEntladen();
        texte::setQuelle(nullptr);
        MelvatoBasic::NetzPfad.clear();
        // The next test starts without tables again; made before the services go,
        // as it reads its folders from them.
        CreateT_call();
        MelvatoBasic::ReleaseApi();
    }

    MDI& main() {
        if (!mdi) {
            mdi = std::make_unique<MDI>(kontext);
            mdi->aufrufBeobachter = [this](const std::string& c) { calls.push_back(c); };
            mdi->dokumentOeffnen = [this](const std::string& f) { calls.push_back("open " + f); };
            mdi->show();
        }
        return *mdi;
    }

    std::string log() { return testing_support::readFile(MelvatoBasic::Api().LogDatei()); }

    std::unique_ptr<MDI> mdi;
};
