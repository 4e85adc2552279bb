#pragma once
// A picture or label that reports clicks, for the game view and the editor: a
// left click, taken when the button is released over it. The second press of a
// double-click is no new click, and other buttons do nothing.
#include <QLabel>

class Klickfeld : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;
signals:
    void geklickt();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool gedrueckt_ = false;
};
