#pragma once
// The editor face of the quiz window: where a question is written, its media
// attached and saved. It sits in the window's editor panel and is shown instead
// of the game. Its controls come with the question editor.
#include <QWidget>

class FragenEditor : public QWidget {
    Q_OBJECT
public:
    explicit FragenEditor(QWidget* parent = nullptr);
};
