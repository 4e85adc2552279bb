#pragma once
// The main window: a multiple-document frame with menus, toolbar and status bar.
// It does no work of its own; every command goes to the child window on top,
// and which commands make sense depends on the window mode (FensterModus).
#include <QMainWindow>
#include <QPixmap>
#include <array>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "quiz/Vorleser.h"

class QAction;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QToolButton;
class Kontext;

class MDI : public QMainWindow {
    Q_OBJECT
public:
    explicit MDI(Kontext& kontext, QWidget* parent = nullptr);
    ~MDI() override;

    // A child window reports that it is on top in mode n / that it leaves mode n.
    void TopIst(int n);
    void TopWar(int n);
    // Size check and background again (after the settings changed).
    void ChangeDesign();
    void SymbolleisteAn();
    // Offers tool button i (0 to 21) or not. A button not offered stays in its
    // place, disabled, so the buttons after it never move under the pointer.
    void setToolButtonEnabled(int i, bool enabled);
    // Offers the "Vorlesen" button in the game, or says on it why it cannot read.
    void VorlesenKnopf(quiz::Vorleser::Hindernis hindernis);
    // Puts a child window into the frame / takes it out again. Showing or hiding
    // the child shows or hides its frame window too.
    void addChild(QWidget* child);
    void removeChild(QWidget* child);
    // Gives the keys back to the child window on top (after a dialog or a menu
    // closed), unless another window of the program has them.
    void FokusZumKind();

    // The commands that menus and toolbar share; what they do depends on the mode.
    enum class Befehl { Ende, Start, Laden, Save };
    void Ausfuehren(Befehl befehl);
    // The same for the mode the user chose the command in.
    void Ausfuehren(Befehl befehl, int modus);
    void ToolButton_Click(int index);

    // The load-list dialog: asks for a list file and loads it into the game.
    // False when the dialog was cancelled: then nothing changed.
    bool ListeLadenDialog();
    // The list file chosen last (full name) and its name without folder; the
    // title is emptied when the file turned out to be no question list.
    const std::string& CmDialog1_FileName() const { return cmDialogFileName_; }
    const std::string& CmDialog1_FileTitle() const { return cmDialogFileTitle_; }
    void CmDialog1_clearFileTitle() { cmDialogFileTitle_.clear(); }
    // The loaded question list (full name), empty when none.
    const std::string& GeladeneListe() const { return geladeneListe_; }

    // Status bar panels 1 and 2.
    void setStatusText(int panel, const QString& text);
    QString statusText(int panel) const;

    QToolButton* ToolButton(int index) const;
    // A menu entry by its control name ("Laden", "teilstart"); menus by their
    // title entry ("Datei").
    QAction* Menueintrag(std::string_view name) const;
    QMdiArea* area() const { return area_; }
    Kontext& kontext() const { return kontext_; }

    // Reads a mode list ("01,10,13-20,") into the numbers it names.
    static std::vector<int> ModusListe(std::string_view liste);

    // Sees every call the window hands on ("Musikquiz.Starten_Click"), before it
    // is made; for diagnosis and tests.
    std::function<void(const std::string& aufruf)> aufrufBeobachter;
    // Opens a document with its program (the manual); tests replace it.
    std::function<void(const std::string& datei)> dokumentOeffnen;

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Eintrag {
        QAction* action;
        int tag;  // 0 = none
        std::string name;
    };
    void Platzieren(QMdiSubWindow* sub, QSize wunsch);
    void MDIForm_Initialize();
    void MDIForm_Load();
    void MenuesAnlegen();
    void SymbolleisteAnlegen();
    void Tooltips();
    void Hintergrund();
    void MenueKlick(const std::string& name);
    // The languages to choose from, and the choice (counts from the next start).
    void SprachenAnlegen(QMenu* menue);
    void SpracheWaehlen(std::size_t index);
    void Hilfe();
    void Autor();
    // Reports the call to the observer, then makes it.
    void rufe(const char* aufruf, const std::function<void()>& f);
    int translateNummer(int modus, const std::string& key);

    Kontext& kontext_;
    QMdiArea* area_ = nullptr;
    QWidget* picture1_ = nullptr;
    std::array<QToolButton*, 22> toolButtons_{};
    std::vector<Eintrag> eintraege_;
    std::array<QLabel*, 2> panels_{};
    std::string cmDialogFileName_, cmDialogFileTitle_, geladeneListe_;
    QPixmap hintergrund_;
    std::string hintergrundDatei_;
    QSize hintergrundGroesse_;  // the size the background was last drawn for
    bool geladen_ = false;
    bool vorlesenMoeglich_ = false;
};
