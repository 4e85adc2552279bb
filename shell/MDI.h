#pragma once
// The main window: a multiple-document frame with menus, toolbar and status bar.
// It does no work of its own; commands go to the child window on top.
#include <QMainWindow>

class QMdiArea;

class MDI : public QMainWindow {
    Q_OBJECT
public:
    explicit MDI(QWidget* parent = nullptr);
    ~MDI() override;

    // A child window reports that it is on top in mode n / that it leaves mode n.
    void TopIst(int n);
    void TopWar(int n);
    void ChangeDesign();
    void SymbolleisteAn();
    // Shows or hides tool button i (0 to 21).
    void setToolButtonVisible(int i, bool visible);
    // Puts a child window into the frame / takes it out again.
    void addChild(QWidget* child);
    void removeChild(QWidget* child);

private:
    QMdiArea* area_ = nullptr;
};
