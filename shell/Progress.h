#pragma once
// The progress window for long operations (the index rebuild): a bar from 0 to
// 100 that moves only when the whole percentage grows.
#include <QDialog>
#include <string>

class QProgressBar;
class Kontext;

class Progress : public QDialog {
    Q_OBJECT
public:
    // Value 0 opens the window, value == maximum shows 100 and closes it, any
    // other value moves the bar when its percentage is new. A caption that is
    // not empty becomes the title (Windows-1252 bytes). The window is the
    // context's (progressFenster()).
    static void ShowProgress(Kontext& kontext, long wert, double maximum, const std::string& caption);
    static void unload(Kontext& kontext);

    ~Progress() override;
    int LetzterProzent() const { return letzter_; }

private:
    explicit Progress(QWidget* parent);

    QProgressBar* Bar = nullptr;
    int letzter_ = 0;
};
