#include <QApplication>

#include "shell/ErsterStart.h"
#include "shell/Startup.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    ErsterStart::FuerDiesesProgramm();
    Startup startup;
    startup.run();
    return app.exec();
}
