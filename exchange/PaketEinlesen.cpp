#include "exchange/PaketEinlesen.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "services/ApiClass.h"
#include "services/Codepage.h"
#include "services/Dialogs.h"
#include "translation/Texte.h"

using namespace cp1252::literals;

namespace {
QString ui(const std::string& ansi) {
    return cp1252::toUnicode(ansi);
}

QString zeile(const paket::PaketEintrag& e) {
    const fragen::QuestionRecord& r = e.frage;
    QString text =
        texte::TextNr(33150, QStringLiteral("Frage")) + QStringLiteral(" %1: ").arg(e.nummer) + ui(r.Frage);
    if (!r.Bereich.empty()) text += QStringLiteral("  [") + ui(r.Bereich) + QLatin1Char(']');
    QStringList medien;
    for (const std::string* m : {&r.Bild, &r.Bild2, &r.Audio})
        if (!m->empty()) medien << ui(*m);
    if (!medien.isEmpty())
        text += QStringLiteral("  (") + medien.join(QStringLiteral(", ")) + QLatin1Char(')');
    if (!e.problem.empty()) text += QStringLiteral("  – ") + ui(e.problem);
    return text;
}
}  // namespace

PaketAuswahl::PaketAuswahl(const paket::PaketImport& paket, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("PaketAuswahl"));
    setWindowTitle(texte::TextNr(23014, QStringLiteral("Paket einlesen")));
    auto* layout = new QVBoxLayout(this);
    auto* kopf = new QLabel(
        texte::TextNr(33151, QStringLiteral("Welche Fragen sollen zu deinen eigenen Fragen kommen?")), this);
    layout->addWidget(kopf);
    Fragen = new QListWidget(this);
    Fragen->setObjectName(QStringLiteral("Fragen"));
    for (const paket::PaketEintrag& e : paket.Fragen()) {
        auto* item = new QListWidgetItem(zeile(e), Fragen);
        const bool ok = e.problem.empty();
        // A damaged record cannot be ticked; its reason stands in the line.
        item->setFlags(ok ? Qt::ItemIsEnabled | Qt::ItemIsUserCheckable : Qt::NoItemFlags);
        item->setCheckState(ok ? Qt::Checked : Qt::Unchecked);
    }
    layout->addWidget(Fragen, 1);
    lblHinweise = new QLabel(this);
    lblHinweise->setObjectName(QStringLiteral("lblHinweise"));
    lblHinweise->setWordWrap(true);
    QStringList hinweise;
    for (const std::string& h : paket.Hinweise()) hinweise << ui(h);
    lblHinweise->setText(hinweise.join(QLatin1Char('\n')));
    lblHinweise->setVisible(!hinweise.isEmpty());
    layout->addWidget(lblHinweise);
    auto* knoepfe = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    knoepfe->button(QDialogButtonBox::Ok)->setText(texte::TextNr(13154, QStringLiteral("Einlesen")));
    knoepfe->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("Einlesen"));
    knoepfe->button(QDialogButtonBox::Cancel)->setText(texte::TextNr(10029, QStringLiteral("Abbrechen")));
    connect(knoepfe, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(knoepfe, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(knoepfe);
    resize(640, 420);
}

std::vector<size_t> PaketAuswahl::Gewaehlt() const {
    std::vector<size_t> out;
    for (int i = 0; i < Fragen->count(); ++i)
        if (Fragen->item(i)->checkState() == Qt::Checked) out.push_back(size_t(i));
    return out;
}

namespace paket {

bool PaketEinlesen(ApiClass& api, QWidget* parent, const ModalAnzeige& modal) {
    const std::string titel = texte::Text(23014, "Paket einlesen");
    dlg::FileRequest anfrage;
    anfrage.title = titel;
    anfrage.filter = texte::Text(43120, "Melvato-Paket") + "|*.zip;*.ZIP;NeueFragen.Dat;NEUEFRAGEN.DAT|" +
                     texte::Text(43121, "Alle Dateien") + "|*";
    const std::string datei = dlg::dialogs().FileOpen(anfrage);
    if (datei.empty()) return false;
    PaketImport paket(api);
    if (!paket.Oeffnen(datei)) {
        dlg::dialogs().MsgBox(paket.Fehler(), dlg::Exclamation, titel);
        return false;
    }
    PaketAuswahl auswahl(paket, parent);
    modal(auswahl);
    if (auswahl.result() != QDialog::Accepted) return false;
    const ImportErgebnis erg = paket.Einlesen(auswahl.Gewaehlt());
    dlg::dialogs().MsgBox(erg.Zusammenfassung(), erg.eingelesen.empty() ? dlg::Exclamation : dlg::Information,
                          titel);
    return !erg.eingelesen.empty();
}

}  // namespace paket
