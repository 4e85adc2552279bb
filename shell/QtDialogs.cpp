#include "shell/QtDialogs.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QStringList>

#include "services/ApiClass.h"
#include "services/Codepage.h"
#include "services/FileSys.h"
#include "translation/Texte.h"

namespace {
QString titleOf(const std::string& title) {
    return title.empty() ? QString::fromLatin1(ApiClass::kProgramName) : cp1252::toUnicode(title);
}
QWidget* parentWindow() {
    return QApplication::activeWindow();
}
}  // namespace

int QtDialogs::MsgBox(const std::string& text, int flags, const std::string& title) {
    QMessageBox box(parentWindow());
    box.setWindowTitle(titleOf(title));
    QString body = cp1252::toUnicode(text);
    body.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    box.setText(body);
    switch (flags & 0x70) {
        case dlg::Critical:
            box.setIcon(QMessageBox::Critical);
            break;
        case dlg::Question:
            box.setIcon(QMessageBox::Question);
            break;
        case dlg::Exclamation:
            box.setIcon(QMessageBox::Warning);
            break;
        case dlg::Information:
            box.setIcon(QMessageBox::Information);
            break;
        default:
            break;
    }
    struct B {
        QMessageBox::StandardButton button;
        int answer;
        long nummer;  // its caption in the translation table
    };
    std::vector<B> buttons;
    switch (flags & 7) {
        case dlg::OKCancel:
            buttons = {{QMessageBox::Ok, dlg::OK, 30005}, {QMessageBox::Cancel, dlg::Cancel, 10029}};
            break;
        case dlg::AbortRetryIgnore:
            buttons = {{QMessageBox::Abort, dlg::Abort, 30132},
                       {QMessageBox::Retry, dlg::Retry, 13162},
                       {QMessageBox::Ignore, dlg::Ignore, 13163}};
            break;
        case dlg::YesNoCancel:
            buttons = {{QMessageBox::Yes, dlg::Yes, 13160},
                       {QMessageBox::No, dlg::No, 13161},
                       {QMessageBox::Cancel, dlg::Cancel, 10029}};
            break;
        case dlg::YesNo:
            buttons = {{QMessageBox::Yes, dlg::Yes, 13160}, {QMessageBox::No, dlg::No, 13161}};
            break;
        case dlg::RetryCancel:
            buttons = {{QMessageBox::Retry, dlg::Retry, 13162}, {QMessageBox::Cancel, dlg::Cancel, 10029}};
            break;
        default:
            buttons = {{QMessageBox::Ok, dlg::OK, 30005}};
            break;
    }
    QMessageBox::StandardButtons set;
    for (const B& b : buttons) set |= b.button;
    box.setStandardButtons(set);
    // The toolkit's own captions are English; the table has the program's.
    for (const B& b : buttons)
        if (QAbstractButton* k = box.button(b.button)) k->setText(texte::TextNr(b.nummer, k->text()));
    box.setDefaultButton(buttons.front().button);
    auto clicked = QMessageBox::StandardButton(box.exec());
    for (const B& b : buttons)
        if (b.button == clicked) return b.answer;
    // Closed with Escape or the window's close box.
    return buttons.size() > 1 ? (flags & 7) == dlg::YesNo ? dlg::No : dlg::Cancel : dlg::OK;
}

std::optional<std::string> QtDialogs::InputBox(const std::string& prompt, const std::string& title,
                                               const std::string& preset) {
    bool ok = false;
    QString text = QInputDialog::getText(parentWindow(), titleOf(title), cp1252::toUnicode(prompt),
                                         QLineEdit::Normal, cp1252::toUnicode(preset), &ok);
    if (!ok) return std::nullopt;
    return cp1252::fromUnicode(text);
}

QString qtFilter(const std::string& filter) {
    QStringList parts = cp1252::toUnicode(filter).split(QLatin1Char('|'));
    QStringList out;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString patterns = parts[i + 1];
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        out << parts[i] + QStringLiteral(" (") + patterns + QLatin1Char(')');
    }
    return out.join(QStringLiteral(";;"));
}

static QString startPath(const dlg::FileRequest& r) {
    QString folder = r.folder.empty() ? QString() : QString::fromStdString(fsys::native(r.folder).string());
    if (r.fileName.empty()) return folder;
    return folder.isEmpty() ? cp1252::toUnicode(r.fileName)
                            : folder + QLatin1Char('/') + cp1252::toUnicode(r.fileName);
}

std::string QtDialogs::FileOpen(const dlg::FileRequest& r) {
    QString f =
        QFileDialog::getOpenFileName(parentWindow(), titleOf(r.title), startPath(r), qtFilter(r.filter));
    return f.isEmpty() ? std::string() : fsys::fromNative(f.toStdString());
}

std::string QtDialogs::FileSave(const dlg::FileRequest& r) {
    QString f =
        QFileDialog::getSaveFileName(parentWindow(), titleOf(r.title), startPath(r), qtFilter(r.filter));
    return f.isEmpty() ? std::string() : fsys::fromNative(f.toStdString());
}

std::string QtDialogs::FolderOpen(const dlg::FileRequest& r) {
    QString f = QFileDialog::getExistingDirectory(parentWindow(), titleOf(r.title), startPath(r));
    return f.isEmpty() ? std::string() : fsys::fromNative(f.toStdString()) + "/";
}
