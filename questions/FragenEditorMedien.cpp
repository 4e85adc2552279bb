// The editor's media: the two picture slots, the sound file and the microphone.
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QTimer>

#include "questions/FragenEditor.h"
#include "questions/Media.h"
#include "services/ApiClass.h"
#include "services/Codepage.h"
#include "services/Dialogs.h"
#include "services/FileSys.h"
#include "translation/Texte.h"

using namespace cp1252::literals;

namespace {
std::string bildFilter() {
    return texte::Text(43263, "Grafiken") + " (*.gif)|*.gif|" + texte::Text(43264, "Jpeg-Bilder") +
           " (*.jpg)|*.jpg|" + texte::Text(43265, "Windows Bilddateien") + " (*.bmp)|*.bmp|" +
           texte::Text(43266, "Icons") + " (*.ico)|*.ico";
}
std::string audioFilter() {
    return texte::Text(43267, "Audio-Dateien") + " (*.wav)|*.wav";
}
std::string bildTitel() {
    return texte::Text(53265, "Bild hinzuufügen"_ansi);
}
}  // namespace

void FragenEditor::BildLeeren(int k) {
    bildTag_[size_t(k)].clear();
    InputBild[size_t(k)]->clear();
    InputBild[size_t(k)]->hide();
    bearbeitet();
}

void FragenEditor::EditorBildAnzeigen(int k) {
    Klickfeld* bild = InputBild[size_t(k)];
    Klickfeld* box = k == 0 ? BildBox : AntwortBildBox;
    const std::string& tag = bildTag_[size_t(k)];
    const std::string anzeige = fragen::AnzeigeKopie(api_, tag);
    QPixmap p;
    const bool da =
        !tag.empty() && (an_.fileOk ? an_.fileOk(tag, anzeige) : fragen::FileOk(api_, tag, anzeige));
    if (da) p.load(QString::fromStdString(fsys::native(anzeige).string()));
    if (p.isNull()) {
        bild->clear();
        bild->hide();
        box->setToolTip(da || tag.empty()
                            ? QString()
                            : cp1252::toUnicode(tag + " " + texte::Text(83133, "wurde nicht gefunden.")));
        return;
    }
    // As high as the box, as wide as the picture's shape allows, left edge 0.
    QSize s = p.size().scaled(box->size(), Qt::KeepAspectRatio);
    bild->setScaledContents(true);
    bild->setPixmap(p);
    bild->setGeometry(0, 0, s.width(), s.height());
    bild->show();
    box->setToolTip(cp1252::toUnicode(tag));
}

void FragenEditor::Bild_Click(int k) {
    dlg::FileRequest r;
    r.title = bildTitel();
    r.filter = bildFilter();
    r.folder = api_.AppPfad() + "DATEN/";
    const std::string datei = dlg::dialogs().FileOpen(r);
    if (datei.empty()) return;  // cancelled: the slot keeps its picture
    const std::string name = fragen::MediumUebernehmen(api_, datei, true);
    if (name.empty()) {
        dlg::dialogs().MsgBox(
            texte::Text(53266, "Das Bild konnte nicht in den Datenordner kopiert werden:") + "\r\n" + datei,
            dlg::OKOnly | dlg::Exclamation, bildTitel());
        return;
    }
    bildTag_[size_t(k)] = name;
    bearbeitet();
    EditorBildAnzeigen(k);
    if (k == 0 && InputBild[0]->isVisible()) InputMusical->clear();
}

void FragenEditor::InputAudio_Click() {
    dlg::FileRequest r;
    r.title = texte::Text(53267, "Audio-Datei laden");
    r.filter = audioFilter();
    r.folder = api_.AppPfad() + "DATEN/";
    const std::string datei = dlg::dialogs().FileOpen(r);
    if (datei.empty()) return;  // cancelled: the sound stays
    const std::string name = fragen::MediumUebernehmen(api_, datei, false);
    if (name.empty()) {
        dlg::dialogs().MsgBox(
            texte::Text(53268, "Die Audio-Datei konnte nicht in den Datenordner kopiert werden:") + "\r\n" +
                datei,
            dlg::OKOnly | dlg::Exclamation, texte::Text(53267, "Audio-Datei laden"));
        return;
    }
    AudioName->setText(cp1252::toUnicode(name));
    bearbeitet();
    if (an_.abspielen) an_.abspielen(name);
}

std::string FragenEditor::aufnahmeDatei() const {
    return api_.AppPfad() + "TEMP/Temp.wav";
}

void FragenEditor::Mikro_Click() {
    const std::string datei = aufnahmeDatei();
    fsys::makeFolders(api_.AppPfad() + "TEMP");
    fsys::remove(datei);
    if (mci_.mciSendString("open new type waveaudio alias capture") != fragen::Mci::Ok ||
        mci_.mciSendString("record capture") != fragen::Mci::Ok) {
        mci_.mciSendString("close capture");
        dlg::dialogs().MsgBox(
            texte::Text(53269, "Es wurde kein Mikrofon gefunden. Es kann nichts aufgenommen werden."),
            dlg::OKOnly | dlg::Exclamation, texte::Text(53270, "Mikrofon"));
        return;
    }
    Mikro->hide();
    StopKnopf->show();
    Aufnahme->show();
    Aufnahmeanzeige();
    Aufnahmetimer->start();
}

void FragenEditor::Aufnahmeanzeige() {
    if (!mci_.offen()) return;
    Aufnahme->setText((QStringLiteral("\u25CF ") + texte::TextNr(43262, QStringLiteral("Aufnahme %1 s")))
                          .arg(int(mci_.sekunden())));
    // A recording ends by itself at 60 seconds.
    if (!mci_.nimmtAuf()) StopKnopf_Click();
}

void FragenEditor::StopKnopf_Click() {
    if (!mci_.offen()) return;
    Aufnahmetimer->stop();
    const std::string datei = aufnahmeDatei();
    mci_.mciSendString("stop capture");
    const int fehler = mci_.mciSendString("save capture " + datei);
    mci_.mciSendString("close capture");
    StopKnopf->hide();
    Aufnahme->hide();
    Mikro->show();
    if (fehler != fragen::Mci::Ok) {
        dlg::dialogs().MsgBox(texte::Text(53271, "Die Aufnahme konnte nicht gespeichert werden."),
                              dlg::OKOnly | dlg::Exclamation, texte::Text(53270, "Mikrofon"));
        return;
    }
    dlg::FileRequest r;
    r.title = texte::Text(53273, "Audio-Datei speichern");
    r.filter = audioFilter();
    r.folder = api_.AppPfad() + "DATEN/";
    std::string ziel = dlg::dialogs().FileSave(r);
    if (ziel.empty()) return;
    if (fragen::DateiName(ziel).find('.') == std::string::npos) ziel += ".wav";
    const std::string name = fragen::AufnahmeAblegen(api_, datei, ziel);
    if (name.empty()) {
        dlg::dialogs().MsgBox(
            texte::Text(53272, "Die Aufnahme konnte nicht gespeichert werden:") + "\r\n" + ziel,
            dlg::OKOnly | dlg::Exclamation, texte::Text(53273, "Audio-Datei speichern"));
        return;
    }
    AudioName->setText(cp1252::toUnicode(name));
    bearbeitet();
}
