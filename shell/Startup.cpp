#include "shell/Startup.h"

#include <QApplication>
#include <QGuiApplication>

#include "exchange/Unzip.h"
#include "questions/WordIndex.h"
#include "quiz/FMod.h"
#include "quiz/Musikquiz.h"
#include "services/ApiClass.h"
#include "shell/Fenster.h"
#include "shell/Fonts.h"
#include "shell/MDI.h"
#include "shell/MelvatoBasic.h"
#include "shell/Progress.h"
#include "shell/frmAutor.h"
#include "translation/Translation_Class.h"

Startup::Startup() {
    dlg::setDialogs(&dialogs_);
}

Startup::~Startup() {
    Fenster::unloadMusikquiz();
    mainWindow_.reset();
    FSOUND_Close();
    MelvatoBasic::ReleaseApi();
    dlg::setDialogs(nullptr);
}

void Startup::run() {
    {
        ApiClass pfade;  // only for the folder names; it writes nothing before "START"
        ladeSchriften(pfade.AppPfad());
    }
    MelvatoBasic::StartupParts parts;
    parts.yield = [] { QCoreApplication::processEvents(); };
    parts.mousePointer = [](int code) {
        if (code == 11)
            QGuiApplication::setOverrideCursor(Qt::WaitCursor);
        else
            while (QGuiApplication::overrideCursor()) QGuiApplication::restoreOverrideCursor();
    };
    parts.showSplash = [] { frmAutor::ZeigenModeless(); };
    parts.closeSplash = [] { frmAutor::unload(); };
    parts.createTranslation = [] { CreateT_call(); };
    parts.setupTranslation = [] { SetupT_call(); };
    parts.extract = [](const std::string& zip, const std::string& folder) {
        return VBUnzBas::Extrakt(zip, folder);
    };
    parts.loadQuiz = [] { Fenster::musikquiz()->init(); };
    // The game's pool lives in the quiz window.
    Fenster::anbindung().TeilSpielLaden = [](const std::string& datei) {
        Fenster::musikquiz()->pool().TeilSpielLaden(datei);
    };
    Fenster::anbindung().AnzahlFragen = [] { return Fenster::musikquiz()->AnzahlFragen(true, false); };
    // The search commands rebuild the word index first, under the progress window.
    Fenster::anbindung().IndexKomplettErstellen = [](bool) {
        fragen::IndexFortschritt f;
        f.sanduhr = [](bool an) {
            if (an)
                QGuiApplication::setOverrideCursor(Qt::WaitCursor);
            else
                QGuiApplication::restoreOverrideCursor();
        };
        f.oeffnen = [](const std::string& titel) { Progress::ShowProgress(0, 0, titel); };
        f.setzen = [](int wert, int max) { Progress::ShowProgress(wert, max, ""); };
        f.yield = [] { QCoreApplication::processEvents(); };
        fragen::WortIndex index(MelvatoBasic::Api());
        index.IndexKomplettErstellen(Fenster::musikquiz()->pool(), f);
    };
    parts.playSound = [](const std::string& file) { Fenster::musikquiz()->PlaySound(file); };
    parts.showMain = [this] {
        mainWindow_ = std::make_unique<MDI>();
        mainWindow_->show();
    };
    MelvatoBasic::Main(parts);
}
