#pragma once
// Brings the main window to the front when a later copy of the program, started
// for the same data folder, asks for it (services/Instanz.h) before it ends.
#include <QObject>
#include <functional>

class QSocketNotifier;
class QWidget;

class Vorholen : public QObject {
    Q_OBJECT
public:
    // `fenster` gives the window to bring forward (nullptr while there is none).
    // Listens from construction on: before this copy takes the data folder's
    // lock, so that no call can come before it is heard.
    explicit Vorholen(std::function<QWidget*()> fenster);
    ~Vorholen() override;

signals:
    void vorgeholt();

private:
    void vorholen();

    std::function<QWidget*()> fenster_;
    QSocketNotifier* notifier_ = nullptr;
};
