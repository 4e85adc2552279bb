#include "services/WindowOps.h"

#include <QGuiApplication>
#include <QImageWriter>
#include <QLabel>
#include <QMainWindow>
#include <QPainter>
#include <QScreen>
#include <cmath>

#include "services/ApiClass.h"
#include "services/Codepage.h"
#include "services/FileSys.h"
#include "services/MelvatoBasic.h"

namespace winops {

namespace {

void log(const std::string& text, int level) {
    if (MelvatoBasic::HasApi()) MelvatoBasic::Api().protokoll(text, level);
}

QScreen* screenOf(const QWidget* w) {
    QScreen* s = w ? w->screen() : nullptr;
    return s ? s : QGuiApplication::primaryScreen();
}

QRect screenRect(const QWidget* w) {
    QScreen* s = screenOf(w);
    return s ? s->geometry() : QRect(0, 0, 1280, 800);
}

// A top-level window is placed by its frame, a child by its geometry.
QSize outerSize(const QWidget* w) {
    return w->isWindow() ? w->frameGeometry().size() : w->size();
}

QImage grabScreen(int x, int y, int w, int h) {
    QScreen* s = QGuiApplication::primaryScreen();
    if (!s || w <= 0 || h <= 0) return {};
    return s->grabWindow(0, x, y, w, h).toImage();
}

}  // namespace

int pixel(int twips) {
    return int(std::lround(twips / double(kTwipsProPixel)));
}
int twips(int pixel) {
    return pixel * kTwipsProPixel;
}

void CenterScreen(QWidget* window) {
    QRect s = screenRect(window);
    QSize size = outerSize(window);
    window->move(s.left() + (s.width() - size.width()) / 2, s.top() + (s.height() - size.height()) / 2);
}

void CenterMe(QWidget* window) {
    CenterScreen(window);
}

void CenterForm(QWidget* window, const QWidget* reference) {
    if (!reference) return CenterScreen(window);
    QSize size = outerSize(window);
    window->move((reference->width() - size.width()) / 2, (reference->height() - size.height()) / 2);
}

void CenterFormModal(QWidget* window, const QWidget* reference) {
    if (!reference) return CenterScreen(window);
    // Both in screen coordinates, whatever window each of them sits in.
    QRect ref = reference->isWindow() ? reference->frameGeometry()
                                      : QRect(reference->mapToGlobal(QPoint(0, 0)), reference->size());
    QSize size = outerSize(window);
    QPoint ziel(ref.left() + (ref.width() - size.width()) / 2,
                ref.top() + (ref.height() - size.height()) / 2);
    if (!window->isWindow() && window->parentWidget()) ziel = window->parentWidget()->mapFromGlobal(ziel);
    window->move(ziel);
}

void Center(QWidget* control, const QWidget* window) {
    QRect inner = window->contentsRect();
    control->move(inner.left() + (inner.width() - control->width()) / 2,
                  inner.top() + (inner.height() - control->height()) / 2);
}

void ScreenPos(QWidget* window, int left, int top, int width, int height) {
    QRect area = window->parentWidget() && !window->isWindow() ? window->parentWidget()->contentsRect()
                                                               : screenRect(window);
    int w = width > 0 ? pixel(width) : window->width();
    int h = height > 0 ? pixel(height) : window->height();
    window->setGeometry(area.left() + pixel(left), area.top() + pixel(top), w, h);
}

void MDIFullScreen(QMainWindow* window, bool minimiseAllowed, bool closeAllowed, bool useWorkArea,
                   bool extra) {
    // No frame means no moving, sizing or maximising; minimise and close stay
    // only when allowed.
    Qt::WindowFlags flags = Qt::Window | Qt::FramelessWindowHint | Qt::CustomizeWindowHint;
    if (minimiseAllowed) flags |= Qt::WindowMinimizeButtonHint;
    if (closeAllowed) flags |= Qt::WindowCloseButtonHint;
    bool wasVisible = window->isVisible();
    window->setWindowFlags(flags);
    QScreen* s = screenOf(window);
    QRect area = s ? (useWorkArea ? s->availableGeometry() : s->geometry()) : QRect(0, 0, 1280, 800);
    if (extra) {
        int more = pixel(90);
        area.adjust(-more, -more, more, more);
    }
    window->setGeometry(area);
    if (wasVisible) window->show();
}

int StretchMode(const QPainter& target) {
    // The numbers of the classic stretch modes: 4 smooths, 3 drops pixels.
    return target.testRenderHint(QPainter::SmoothPixmapTransform) ? 4 : 3;
}

void ScreenCopyFrei(int x, int y, int w, int h, int tx, int ty, int tw, int th, QPainter& target) {
    log("Stretchmode:" + std::to_string(StretchMode(target)), 1);
    QImage image = grabScreen(x, y, w, h);
    if (!image.isNull()) target.drawImage(QRect(tx, ty, tw, th), image);
}

void ScreenCopyFix(int x, int y, int w, int h, int tx, int ty, QPainter& target) {
    QImage image = grabScreen(x, y, w, h);
    if (!image.isNull()) target.drawImage(QPoint(tx, ty), image);
}

void HandleCopyFrei(int x, int y, int w, int h, const QImage& source, int tx, int ty, QPainter& target) {
    target.drawImage(QPoint(tx, ty), source, QRect(x, y, w, h));
}

void ScreenCopyII(int x, int y, int w, int h, QPainter& target) {
    log("Stretchmode:" + std::to_string(StretchMode(target)), 0);
    QImage image = grabScreen(x, y, w, h);
    if (!image.isNull()) target.drawImage(QPoint(0, 0), image);
}

void ScreenCopy(int x, int y, int w, int h, QPainter& target) {
    log("Stretchmode:" + std::to_string(StretchMode(target)), 0);
    QImage image = grabScreen(x, y, w, h);
    if (!image.isNull()) target.drawImage(QRect(0, 0, w / 2, h / 2), image);
}

int SaveJPGImage(const QImage& image, const std::string& file) {
    // Status numbers as the picture library reports them: 2 bad picture,
    // 7 the file could not be written, 1 anything else.
    if (image.isNull()) return 2;
    QImageWriter writer(QString::fromStdString(fsys::native(file).string()), "jpg");
    writer.setQuality(kJpgQualitaet);
    if (writer.write(image)) return 0;
    switch (writer.error()) {
        case QImageWriter::DeviceError:
            return 7;
        case QImageWriter::InvalidImageError:
            return 2;
        default:
            return 1;
    }
}

void SaveJPG(const QWidget* pictureBox, const std::string& file) {
    QImage image;
    if (auto* label = qobject_cast<const QLabel*>(pictureBox); label && !label->pixmap().isNull())
        image = label->pixmap().toImage();
    else if (pictureBox)
        image = const_cast<QWidget*>(pictureBox)->grab().toImage();
    int status = SaveJPGImage(image, file);
    if (status != 0)
        throw ApiError(5, "Speicherung des Bildes fehlgeschlagen. GDI+ Error:" + std::to_string(status));
}

QPoint PrintText(QPainter& surface, int x, int y, const std::string& text) {
    QFontMetrics metrics(surface.font());
    surface.drawText(QPoint(x, y + metrics.ascent()), cp1252::toUnicode(text));
    return QPoint(x, y + metrics.lineSpacing());
}

}  // namespace winops

namespace NewStandard {

void MitteOben(const QWidget* outer, QWidget* window) {
    int x = (outer->width() - window->width()) / 2;
    int y = (outer->height() - window->height()) / 2 - winops::pixel(600);
    window->move(x, y);
}

void MitteInnen(const QWidget* outer, QWidget* window) {
    winops::CenterForm(window, outer);
}

void MitteUeber(const QWidget* outer, QWidget* window) {
    winops::CenterFormModal(window, outer);
}

void MitteBildschirm(const QWidget*, QWidget* window) {
    winops::CenterScreen(window);
}

}  // namespace NewStandard
