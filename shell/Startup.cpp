#include "shell/Startup.h"

#include <QApplication>
#include <QGuiApplication>
#include <QTimer>
#include <QWindow>

#include "exchange/Pack.h"
#include "questions/WordIndex.h"
#include "quiz/Bilddatei.h"
#include "quiz/FMod.h"
#include "quiz/Musikquiz.h"
#include "services/ApiClass.h"
#include "services/Codepage.h"
#include "services/Nachladen.h"
#include "services/Unzip.h"
#include "shell/ErsterStart.h"
#include "shell/Fonts.h"
#include "shell/MDI.h"
#include "shell/Main.h"
#include "shell/Progress.h"
#include "shell/frmAutor.h"
#include "shell/frmKlasse.h"
#include "shell/frmKonfig.h"
#include "shell/frmParameter.h"
#include "translation/Translation_Class.h"

Startup::Startup() : vorholen_([this] { return static_cast<QWidget*>(mainWindow_.get()); }) {
    dlg::setDialogs(&dialogs_);
}

Startup::~Startup() {
    kontext_.unloadMusikquiz();
    mainWindow_.reset();
    FSOUND_Close();
    MelvatoBasic::ReleaseApi();
    dlg::setDialogs(nullptr);
}

void Startup::run() {
    {
        ApiClass pfade;  // only for the folder names; it writes nothing before "START"
        // A second copy for this data folder brings the first forward and ends
        // here, before it has touched a file.
        pfade.SchonGestartet(true);
        // The splash and the main window show this photo; it is decoded, and
        // scaled for the splash, meanwhile on other threads.
        BilddateiVorausladen(pfade.AppPfad() + "DATEN/Back.jpg");
        BilddateiVorausladen(pfade.AppPfad() + "DATEN/Back.jpg", frmAutor::Groesse());
        // The sound starts before the main window shows; its libraries load
        // meanwhile. (Started after the pictures: while a library loads, no new
        // thread can start.)
        tonBibliotheken_ = nachladen::TonImVoraus();
        ErsterStart::NachliefernFuerDiesesProgramm();
        ladeSchriften(pfade.AppPfad());
    }
    kontext_.hauptfensterErwartet();
    MelvatoBasic::StartupParts parts;
    parts.yield = [] { QCoreApplication::processEvents(); };
    parts.mousePointer = [](int code) {
        if (code == 11)
            QGuiApplication::setOverrideCursor(Qt::WaitCursor);
        else
            while (QGuiApplication::overrideCursor()) QGuiApplication::restoreOverrideCursor();
    };
    parts.showSplash = [this] { frmAutor::ZeigenModeless(kontext_); };
    parts.closeSplash = [this] { kontext_.autorEntladen(); };
    parts.createTranslation = [] { CreateT_call(); };
    parts.setupTranslation = [this] {
        SetupT_call();
        if (kontext_.autorGeladen()) kontext_.autor().TexteSetzen();
    };
    parts.extract = [](const std::string& zip, const std::string& folder) {
        return VBUnzBas::Extrakt(zip, folder);
    };
    // The quiz window is loaded hidden, for its pool: the main window need not
    // wait for it, nor for the start-up sound.
    parts.loadQuiz = [this] { kontext_.nachDemZeigen([this] { kontext_.musikquiz()->init(); }); };
    // The game's pool lives in the quiz window.
    kontext_.anbindung.TeilSpielLaden = [this](const std::string& datei) {
        kontext_.musikquiz()->pool().TeilSpielLaden(datei);
    };
    frmKonfig::Anbinden(kontext_);
    frmParameter::Anbinden(kontext_);
    frmKlasse::Anbinden(kontext_);
    kontext_.anbindung.AnzahlFragen = [this] { return kontext_.musikquiz()->AnzahlFragen(true, false); };
    // The search commands rebuild the word index first, under the progress window.
    kontext_.anbindung.IndexKomplettErstellen = [this](bool) {
        fragen::IndexFortschritt f;
        f.sanduhr = [](bool an) {
            if (an)
                QGuiApplication::setOverrideCursor(Qt::WaitCursor);
            else
                QGuiApplication::restoreOverrideCursor();
        };
        f.oeffnen = [this](const std::string& titel) { Progress::ShowProgress(kontext_, 0, 0, titel); };
        f.setzen = [this](int wert, int max) { Progress::ShowProgress(kontext_, wert, max, ""); };
        f.yield = [] { QCoreApplication::processEvents(); };
        fragen::WortIndex index(MelvatoBasic::Api());
        index.IndexKomplettErstellen(kontext_.musikquiz()->pool(), f);
    };
    // The package window and the package import, modal over the main window.
    kontext_.anbindung.PackZeigen = [this] {
        Pack fenster(
            MelvatoBasic::Api(), [this](QDialog& d) { kontext_.zeigeModal(d); }, kontext_.mdi());
        kontext_.zeigeModal(fenster);
    };
    kontext_.anbindung.PaketEinlesen = [this] {
        paket::PaketEinlesen(MelvatoBasic::Api(), kontext_.mdi(),
                             [this](QDialog& d) { kontext_.zeigeModal(d); });
    };
    parts.playSound = [this](const std::string& file) {
        kontext_.nachDemZeigen([this, file] { kontext_.musikquiz()->PlaySound(file); });
    };
    parts.showMain = [this] {
        mainWindow_ = std::make_unique<MDI>(kontext_);
        mainWindow_->winId();
        mainWindow_->windowHandle()->installEventFilter(this);
        mainWindow_->show();
    };
    parts.statusText = [this](const std::string& text) {
        if (mainWindow_) mainWindow_->setStatusText(2, cp1252::toUnicode(text));
    };
    MelvatoBasic::Main(parts);
}

bool Startup::eventFilter(QObject* watched, QEvent* event) {
    // Once the main window is on the screen, what could wait for it runs, after
    // the window's first paint.
    if (event->type() == QEvent::Expose && static_cast<QWindow*>(watched)->isExposed()) {
        watched->removeEventFilter(this);
        QTimer::singleShot(0, this, [this] { kontext_.hauptfensterGezeigt(); });
    }
    return false;
}
