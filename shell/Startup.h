#pragma once
// Wires the windows into the start-up sequence and owns them for the run.
#include <QObject>
#include <memory>
#include <thread>

#include "shell/Kontext.h"
#include "shell/QtDialogs.h"
#include "shell/Vorholen.h"

class MDI;

class Startup : public QObject {
    Q_OBJECT
public:
    Startup();
    ~Startup() override;
    void run();
    MDI* mainWindow() const { return mainWindow_.get(); }
    Kontext& kontext() { return kontext_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QtDialogs dialogs_;
    Kontext kontext_;
    std::unique_ptr<MDI> mainWindow_;
    Vorholen vorholen_;
    std::jthread tonBibliotheken_;  // loads the sound libraries during start-up
};
