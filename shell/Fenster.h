#pragma once
// Where the windows of the program are found. Child windows are loaded on first
// use and unloaded when closed, so callers ask here instead of keeping pointers.
class MDI;
class Musikquiz;

namespace Fenster {

// The main window; nullptr before start-up shows it and after it closed.
MDI* mdi();
void setMdi(MDI* window);

// The quiz window, loaded (hidden) on first use.
Musikquiz* musikquiz();
// nullptr when it is not loaded.
Musikquiz* musikquizIfLoaded();
void unloadMusikquiz();

}  // namespace Fenster
