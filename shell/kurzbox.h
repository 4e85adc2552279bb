#pragma once
// The short message window: shows two lines and an icon over the main window
// and closes itself after the given seconds (or when CloseNow is called).
#include <QDialog>
#include <string>

class QLabel;
class QPushButton;
class QTimer;

class kurzbox : public QDialog {
    Q_OBJECT
public:
    // Texts are Windows-1252 bytes. A duration of 0 keeps the window until CloseNow.
    static void Start(const std::string& text1, const std::string& text2, int icon, double sekunden);
    static void StartAndWait(const std::string& text1, const std::string& text2);
    static void CloseNow();
    static bool isLoaded();
    // The open window; nullptr when none.
    static kurzbox* instance();

    // "exit" after the cancel button was pressed.
    QString Tag;
    static constexpr int kIcons = 11;

    void kurzzeit_Timer();
    void exxit_Click();

private:
    explicit kurzbox(QWidget* parent);
    ~kurzbox() override;
    void Form_Load();

    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Image1 = nullptr;
    QTimer* kurzzeit = nullptr;
    QPushButton* exxit = nullptr;
};
