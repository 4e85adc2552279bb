// The window side of the translation engine: the language font on a window.
#include <QFontDatabase>
#include <QVariant>
#include <QWidget>

#include "services/ApiClass.h"
#include "services/Codepage.h"
#include "translation/Translation_Class.h"

namespace {

// Symbol fonts (the music symbols) must keep their own font: a language font
// would turn the symbols into letters.
bool zeigtSymbole(const QWidget* w) {
    QVariant charset = w->property(Translation_Class::kCharsetProperty);
    if (charset.isValid() && charset.toInt() == Translation_Class::kSymbolCharset) return true;
    if (!w->testAttribute(Qt::WA_SetFont)) return false;
    const QString family = w->font().family();
    if (family == QLatin1String(Translation_Class::kMusikSymbolFont)) return true;
    const QList<QFontDatabase::WritingSystem> systeme = QFontDatabase::writingSystems(family);
    return systeme.size() == 1 && systeme.front() == QFontDatabase::Symbol;
}

std::string familie(const QWidget* w) {
    return cp1252::fromUnicode(w->font().family());
}

}  // namespace

void Translation_Class::ChangeFont(QWidget* window) {
    if (!window) return;
    QString name = window->objectName();
    if (name.isEmpty()) name = QString::fromLatin1(window->metaObject()->className());
    log("Change Font in " + cp1252::fromUnicode(name));
    log("Font:" + familie(window) + ", " + neuFont_);
    const QString neu = cp1252::toUnicode(neuFont_);
    // Without a language font the window keeps the one it has.
    if (!neu.isEmpty()) {
        QFont f = window->font();
        f.setFamily(neu);
        window->setFont(f);
    }
    window->setProperty(kCharsetProperty, systemCharset_);
    log("nachher Font:" + familie(window) + ", " + neuFont_);
    // Controls without a font of their own take the window's; a control that set
    // the old default font by name gets the language font as well.
    for (QWidget* control : window->findChildren<QWidget*>()) {
        if (zeigtSymbole(control)) continue;
        if (!neu.isEmpty() && control->testAttribute(Qt::WA_SetFont) &&
            control->font().family() == QStringLiteral("MS Sans Serif")) {
            QFont f = control->font();
            f.setFamily(neu);
            control->setFont(f);
        }
        control->setProperty(kCharsetProperty, systemCharset_);
    }
}
