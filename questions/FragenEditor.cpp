#include "questions/FragenEditor.h"

FragenEditor::FragenEditor(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("FragenEditor"));
}
