#pragma once
// The short message window: shows two lines and an icon over the main window
// and closes itself after the given seconds (or when CloseNow is called).
#include <QDialog>
#include <string>

class QLabel;
class QPushButton;
class QTimer;
class Kontext;

class kurzbox : public QDialog {
    Q_OBJECT
public:
    // Texts are Windows-1252 bytes. A duration of 0 keeps the window until CloseNow.
    // The window is the context's (kurzboxFenster()); one at a time.
    static void Start(Kontext& kontext, const std::string& text1, const std::string& text2, int icon,
                      double sekunden);
    static void StartAndWait(Kontext& kontext, const std::string& text1, const std::string& text2);
    static void CloseNow(Kontext& kontext);

    ~kurzbox() override;
    // "exit" after the cancel button was pressed.
    QString Tag;
    static constexpr int kIcons = 11;

    void kurzzeit_Timer();
    void exxit_Click();

private:
    kurzbox(Kontext& kontext, QWidget* parent);
    void Form_Load();

    Kontext& kontext_;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Image1 = nullptr;
    QTimer* kurzzeit = nullptr;
    QPushButton* exxit = nullptr;
};
