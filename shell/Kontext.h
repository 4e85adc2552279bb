#pragma once
// The program's windows, reached through one object that start-up builds and
// hands to the main window. Child windows are loaded on first use and unloaded
// when closed, so callers ask here instead of keeping pointers.
#include <QPointer>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "quiz/Musikquiz.h"

class MDI;
class QDialog;
class frmAlter;
class frmAutor;
class kurzbox;
class Progress;

class Kontext {
public:
    Kontext();
    ~Kontext();
    Kontext(const Kontext&) = delete;
    Kontext& operator=(const Kontext&) = delete;

    // The main window; nullptr before start-up shows it and after it closed.
    MDI* mdi() const;
    void setMdi(MDI* window);

    // The quiz window, loaded (hidden) on first use.
    Musikquiz* musikquiz();
    // nullptr when it is not loaded.
    Musikquiz* musikquizIfLoaded() const;
    void unloadMusikquiz();
    // What the quiz window needs of the other windows: the age window and the
    // main window (its tool buttons, mode and loaded list) and the splash.
    Musikquiz::Anbindung quizAnbindung();
    // Work that the first sight of the main window need not wait for: during
    // start-up it is kept until the window is on the screen, else done at once.
    void nachDemZeigen(std::function<void()> arbeit);
    void hauptfensterErwartet() { aufschieben_ = true; }
    void hauptfensterGezeigt();

    // The age window, loaded once and only hidden between games so the last age
    // stays stored.
    frmAlter& alter();
    bool alterGeladen() const;
    void alterEntladen();
    // Asks the player's age; the starting level, or nothing after "Ende".
    std::optional<int> AlterAbfragen();

    // The author window (start-up splash and the "Autor" command).
    frmAutor& autor();
    bool autorGeladen() const;
    void autorEntladen();

    // The short message window and the progress window, nullptr when not open.
    kurzbox* kurzboxFenster() const;
    Progress* progressFenster() const;
    // How the progress window lets pending events run; empty = processEvents.
    std::function<void()> progressYield;

    // Shows a window modally and returns when it is closed. Tests set a script
    // that works the window's controls instead of waiting for a person.
    void zeigeModal(QDialog& window);
    void setModalSkript(std::function<void(QDialog&)> skript) { modalSkript_ = std::move(skript); }

    // The windows that the main window commands but that other parts of the
    // program own: the list window (frmKonfig), the parameters window
    // (frmParameter), the package window (Pack) and the question store's list
    // loading. Each subsystem fills in its entries when its window exists; an
    // empty entry makes the command do nothing.
    struct Anbindung {
        // List window: open as display, as new list, as search.
        std::function<void()> ShowAlsAnzeige;
        std::function<void()> ShowAlsNeu;
        std::function<void()> ShowAlsIndex;
        // List window commands.
        std::function<void()> ListeFüllen;
        std::function<void()> FrageLaden;
        std::function<void()> ListeSave_Click;
        std::function<void()> fragelade_Click;
        // Kind of the open list window (2 = search); -1 when none is open.
        std::function<int()> ListenArt;
        // Takes "UnWorte", "DieseImmer" or "DieseNicht" from another list file.
        std::function<void(const std::string& feld)> ImportFeld;
        // Unloads the list window when it is open.
        std::function<void()> ListeEntladen;
        // Parameters window, modeless; package window, modal.
        std::function<void()> ParameterZeigen;
        std::function<void()> PackZeigen;
        // Reading a package of someone else's questions (chosen by the user).
        std::function<void()> PaketEinlesen;
        // Question index rebuild (true = with the progress window).
        std::function<void(bool)> IndexKomplettErstellen;
        // Question store: load a list into the game's selection, count the pool.
        std::function<void(const std::string& datei)> TeilSpielLaden;
        std::function<int()> AnzahlFragen;
        // The class results: whether this station is the teacher's now, the
        // overview window, and where a settled question of a game goes.
        std::function<bool()> IstLehrer;
        std::function<void()> KlassenuebersichtZeigen;
        std::function<void(const quiz::FrageErgebnis&)> FrageErledigt;
        // Further windows to unload when the program closes (their own names logged).
        std::function<void()> AndereEntladen;
    };
    Anbindung anbindung;

private:
    friend class kurzbox;
    friend class Progress;

    QPointer<MDI> mdi_;
    QPointer<Musikquiz> quiz_;
    QPointer<frmAlter> alter_;
    QPointer<frmAutor> autor_;
    QPointer<kurzbox> kurzbox_;
    QPointer<Progress> progress_;
    std::function<void(QDialog&)> modalSkript_;
    bool aufschieben_ = false;
    std::vector<std::function<void()>> nachDemZeigen_;
};
