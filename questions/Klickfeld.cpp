#include "questions/Klickfeld.h"

#include <QMouseEvent>

void Klickfeld::mousePressEvent(QMouseEvent* event) {
    event->accept();
    gedrueckt_ = event->button() == Qt::LeftButton;
}

void Klickfeld::mouseDoubleClickEvent(QMouseEvent* event) {
    // The first click of the pair has counted already.
    event->accept();
    gedrueckt_ = false;
}

void Klickfeld::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    const bool klick =
        gedrueckt_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    gedrueckt_ = false;
    if (klick) emit geklickt();
}
