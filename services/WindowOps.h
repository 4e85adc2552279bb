#pragma once
// Screen, window and picture operations of the services object that need the
// window toolkit. They live beside ApiClass but in the window library, so the
// core stays free of QtWidgets. Window sizes in the program's figures are twips;
// 15 twips are one pixel.
#include <QPoint>
#include <string>

class QMainWindow;
class QPainter;
class QWidget;
class QImage;

namespace winops {

constexpr int kTwipsProPixel = 15;
// Twips to pixels (rounded) and back.
int pixel(int twips);
int twips(int pixel);

// ---- Window placement ----
// Centred on the screen the window is on.
void CenterScreen(QWidget* window);
void CenterMe(QWidget* window);
// Centred within the reference window's width and height (as if it stood at 0,0).
void CenterForm(QWidget* window, const QWidget* reference);
// Centred over the reference window, its left and top taken into account.
void CenterFormModal(QWidget* window, const QWidget* reference);
// A control centred within the inner area of its window.
void Center(QWidget* control, const QWidget* window);
// Places the window inside the inner area of its parent (or the screen): left,
// top, width and height in twips; a width or height of 0 keeps the size.
void ScreenPos(QWidget* window, int left, int top, int width = 0, int height = 0);
// Full-screen main window: no frame, placed on the whole screen or on the work
// area; the extra flag enlarges the placed area by 90 twips on every side.
void MDIFullScreen(QMainWindow* window, bool minimiseAllowed, bool closeAllowed, bool useWorkArea,
                   bool extra);

// ---- Screen copies (pixels); each returns the copied picture drawn onto target ----
// Stretching copy of a screen area onto a target area; logs the stretch mode at level 1.
void ScreenCopyFrei(int x, int y, int w, int h, int tx, int ty, int tw, int th, QPainter& target);
// Copy of a screen area at its own size to (tx, ty).
void ScreenCopyFix(int x, int y, int w, int h, int tx, int ty, QPainter& target);
// Copy between two pictures at the same size.
void HandleCopyFrei(int x, int y, int w, int h, const QImage& source, int tx, int ty, QPainter& target);
// Copy of a screen area to the target's origin at its own size; logs at level 0.
void ScreenCopyII(int x, int y, int w, int h, QPainter& target);
// Copy of a screen area to the target's origin at half size; logs at level 0.
void ScreenCopy(int x, int y, int w, int h, QPainter& target);
// The stretch mode number the copies report ("Stretchmode:" + number).
int StretchMode(const QPainter& target);

// ---- Pictures and text ----
constexpr int kJpgQualitaet = 10;
// Saves the widget's current picture (a label's pixmap, else what it shows) as a
// JPEG file of quality 10. Throws ApiError 5 with "Speicherung des Bildes
// fehlgeschlagen. GDI+ Error:" and a status number when it cannot be written.
void SaveJPG(const QWidget* pictureBox, const std::string& file);
// Status number of a failed picture write, 0 on success.
int SaveJPGImage(const QImage& image, const std::string& file);
// Prints the text at (x, y) and returns the position after the line break.
QPoint PrintText(QPainter& surface, int x, int y, const std::string& text);

}  // namespace winops

// Placement procedures for single windows, each moving `window` relative to `outer`.
namespace NewStandard {
// Centred in the outer window, 600 twips above the middle.
void MitteOben(const QWidget* outer, QWidget* window);
// Centred within the outer window's width and height.
void MitteInnen(const QWidget* outer, QWidget* window);
// Centred over the outer window, using its left and top.
void MitteUeber(const QWidget* outer, QWidget* window);
// Centred on the screen.
void MitteBildschirm(const QWidget* outer, QWidget* window);
}  // namespace NewStandard
