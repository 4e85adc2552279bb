#pragma once
// The symbol chooser: a small modal window with the characters 32 .. 255 of one
// font as a scrolling table, 20 to a row with the code under each. A click on a
// character chooses it and closes the window.
#include <QDialog>
#include <array>
#include <string>

class QLabel;
class QScrollBar;

class MusicalWaehler : public QDialog {
    Q_OBJECT
public:
    explicit MusicalWaehler(QWidget* parent = nullptr);

    // Shows the characters of `font` and returns the one clicked, as one
    // Windows-1252 character; the empty text when the window was closed
    // without a choice. The table of a font is built once: asked again with
    // the same font, the window keeps it (and its size).
    std::string Sign(const std::string& font, int size);

    // For tests and the quiz window: builds the table without showing it.
    void TabelleAufbauen(const std::string& font, int size);
    int gewählt() const { return code_; }

private:
    void Label1_Click(int i);
    void VScroll1_Change(int wert);
    void resizeEvent(QResizeEvent* event) override;
    void BereichSetzen();

    QWidget* rahmen_ = nullptr;
    QWidget* picture1 = nullptr;
    std::array<QLabel*, 256> Label1{};
    std::array<QLabel*, 256> Label2{};
    QScrollBar* VScroll1 = nullptr;
    QString schrift_;
    int code_ = 0;
    bool gewählt_ = false;
};

// The window under its own name; moc takes only plain letters in class names.
using MusicalWähler = MusicalWaehler;
