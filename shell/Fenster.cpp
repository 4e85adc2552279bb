#include "shell/Fenster.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>

#include "quiz/Musikquiz.h"
#include "shell/MDI.h"

namespace Fenster {
namespace {
QPointer<MDI> mainWindow;
QPointer<Musikquiz> quiz;
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
    delete q;
}

}  // namespace Fenster
