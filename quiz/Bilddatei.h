#pragma once
// Pictures of the data folder, decoded once: the background photo alone is shown
// by the splash, the main window and the quiz window.
#include <QPixmap>
#include <string>

// The picture in `datei` (a path in any letter case); a null pixmap when it is
// missing or unreadable. A file changed since it was decoded is decoded anew.
QPixmap Bilddatei(const std::string& datei);
