#pragma once
// Where the windows of the program are found. Child windows are loaded on first
// use and unloaded when closed, so callers ask here instead of keeping pointers.
#include <functional>
#include <string>

class MDI;
class Musikquiz;
class QDialog;

namespace Fenster {

// The main window; nullptr before start-up shows it and after it closed.
MDI* mdi();
void setMdi(MDI* window);

// The quiz window, loaded (hidden) on first use.
Musikquiz* musikquiz();
// nullptr when it is not loaded.
Musikquiz* musikquizIfLoaded();
void unloadMusikquiz();

// Shows a window modally and returns when it is closed. Tests replace the wait
// with a script that works the window's controls; nullptr restores exec().
void zeigeModal(QDialog& window);
void setModalRunner(std::function<void(QDialog&)> runner);

// The windows that the main window commands but that other parts of the program
// own: the list window (frmKonfig), the parameters window (frmParameter), the
// package window (Pack) and the question store's list loading. Each subsystem
// fills in its entries when its window exists; an empty entry makes the command
// do nothing.
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
    // Unloads the list window when it is open.
    std::function<void()> ListeEntladen;
    // Parameters window, modeless; package window, modal.
    std::function<void()> ParameterZeigen;
    std::function<void()> PackZeigen;
    // Question index rebuild (true = with the progress window).
    std::function<void(bool)> IndexKomplettErstellen;
    // Question store: load a list into the game's selection, count the pool.
    std::function<void(const std::string& datei)> TeilSpielLaden;
    std::function<int()> AnzahlFragen;
    // Further windows to unload when the program closes (their own names logged).
    std::function<void()> AndereEntladen;
};
Anbindung& anbindung();

}  // namespace Fenster
