#include "shell/Fenster.h"

#include <QDialog>
#include <QPointer>

#include "quiz/Musikquiz.h"
#include "shell/MDI.h"

namespace Fenster {
namespace {
QPointer<MDI> mainWindow;
QPointer<Musikquiz> quiz;
std::function<void(QDialog&)> modalRunner;
}  // namespace

MDI* mdi() {
    return mainWindow.data();
}
void setMdi(MDI* window) {
    mainWindow = window;
}

Musikquiz* musikquiz() {
    if (!quiz) {
        quiz = new Musikquiz();
        if (mainWindow) mainWindow->addChild(quiz);
        quiz->Form_Load();
    }
    return quiz.data();
}

Musikquiz* musikquizIfLoaded() {
    return quiz.data();
}

void unloadMusikquiz() {
    if (!quiz) return;
    Musikquiz* q = quiz.data();
    quiz = nullptr;
    if (mainWindow) mainWindow->removeChild(q);
    // A game loop of the window may still run below the caller: it notices the
    // close and returns, and the window goes after it.
    if (q->Unload())
        delete q;
    else
        q->deleteLater();
}

void zeigeModal(QDialog& window) {
    if (modalRunner) {
        window.show();
        modalRunner(window);
        if (window.isVisible()) window.hide();
    } else {
        window.exec();
    }
}

void setModalRunner(std::function<void(QDialog&)> runner) {
    modalRunner = std::move(runner);
}

Anbindung& anbindung() {
    static Anbindung a;
    return a;
}

}  // namespace Fenster
