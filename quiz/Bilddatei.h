#pragma once
// Pictures of the data folder, decoded once: the background photo alone is shown
// by the splash, the main window and the quiz window.
#include <QPixmap>
#include <QSize>
#include <string>

// The picture in `datei` (a path in any letter case), smoothly scaled to
// `groesse` when one is given; a null pixmap when it is missing or unreadable.
// A file changed since it was decoded is decoded anew.
QPixmap Bilddatei(const std::string& datei, QSize groesse = {});

// Starts decoding `datei` (and scaling it to `groesse`, when given) on another
// thread, so that the first Bilddatei call for it only waits for what is left.
// Must be called on the window thread.
void BilddateiVorausladen(const std::string& datei, QSize groesse = {});
