#include "quiz/MusicalWaehler.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QScrollBar>
#include <functional>

#include "services/Codepage.h"
#include "translation/Texte.h"

namespace {
constexpr int kSpalten = 20;
constexpr int kZeilenAbstand = 20;  // 300 twips
constexpr int kZusatzBereich = 60;  // 900 twips of extra scroll range

class Zelle : public QLabel {
public:
    Zelle(QWidget* parent, std::function<void()> klick) : QLabel(parent), klick_(std::move(klick)) {}

protected:
    void mouseReleaseEvent(QMouseEvent* e) override {
        if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint())) klick_();
    }

private:
    std::function<void()> klick_;
};
}  // namespace

MusicalWaehler::MusicalWaehler(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("MusicalWähler"));
    setWindowTitle(texte::TextNr(23021, QStringLiteral("Zeichen wählen")));
    setModal(true);
    auto* zeile = new QHBoxLayout(this);
    zeile->setContentsMargins(0, 0, 0, 0);
    rahmen_ = new QWidget(this);
    zeile->addWidget(rahmen_, 1);
    VScroll1 = new QScrollBar(Qt::Vertical, this);
    VScroll1->setObjectName(QStringLiteral("VScroll1"));
    zeile->addWidget(VScroll1);
    connect(VScroll1, &QScrollBar::valueChanged, this, &MusicalWaehler::VScroll1_Change);
    picture1 = new QWidget(rahmen_);
    picture1->setObjectName(QStringLiteral("picture1"));
    picture1->setAutoFillBackground(true);
    QPalette p = picture1->palette();
    p.setColor(QPalette::Window, Qt::white);
    picture1->setPalette(p);
    for (int i = 0; i < 256; ++i) {
        auto* zelle = new Zelle(picture1, [this, i] { Label1_Click(i); });
        zelle->setObjectName(QStringLiteral("Label1_%1").arg(i));
        zelle->setAlignment(Qt::AlignCenter);
        zelle->setCursor(Qt::PointingHandCursor);
        zelle->hide();
        Label1[size_t(i)] = zelle;
        Label2[size_t(i)] = new QLabel(picture1);
        Label2[size_t(i)]->setObjectName(QStringLiteral("Label2_%1").arg(i));
        Label2[size_t(i)]->setAlignment(Qt::AlignCenter);
        Label2[size_t(i)]->hide();
    }
}

void MusicalWaehler::TabelleAufbauen(const std::string& font, int size) {
    const QString name = cp1252::toUnicode(font);
    if (name == schrift_) return;  // the table of this font stands already
    schrift_ = name;
    QFont f(name);
    f.setPointSize(std::clamp(size, 6, 48));
    const QFontMetrics m(f);
    const int breite = std::max(m.maxWidth(), m.height()) + 10;
    const int hoehe = m.height() + 6;
    const int codeHoehe = Label2[0]->fontMetrics().height();
    const int abstand = hoehe + codeHoehe + kZeilenAbstand;
    for (int i = 32; i <= 255; ++i) {
        const int zeile = (i - 32) / kSpalten, spalte = (i - 32) % kSpalten;
        QLabel* l = Label1[size_t(i)];
        l->setFont(f);
        l->setText(cp1252::toUnicode(std::string(1, char(i))));
        l->setGeometry(spalte * breite, zeile * abstand, breite, hoehe);
        l->show();
        Label2[size_t(i)]->setText(QString::number(i));
        Label2[size_t(i)]->setGeometry(spalte * breite, zeile * abstand + hoehe, breite, codeHoehe);
        Label2[size_t(i)]->show();
    }
    Label1[0]->setFont(f);
    const int zeilen = (255 - 32) / kSpalten + 1;
    picture1->resize(kSpalten * breite, zeilen * abstand);
    resize(picture1->width() + VScroll1->sizeHint().width(), std::min(picture1->height(), 6 * abstand));
    BereichSetzen();
}

void MusicalWaehler::BereichSetzen() {
    VScroll1->setMaximum(std::max(0, picture1->height() - rahmen_->height()) + kZusatzBereich);
    VScroll1->setPageStep(std::max(1, rahmen_->height()));
}

void MusicalWaehler::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    BereichSetzen();
}

void MusicalWaehler::VScroll1_Change(int wert) {
    picture1->move(0, -wert);
}

void MusicalWaehler::Label1_Click(int i) {
    code_ = i;
    gewählt_ = true;
    accept();
}

std::string MusicalWaehler::Sign(const std::string& font, int size) {
    TabelleAufbauen(font, size);
    gewählt_ = false;
    exec();
    // Closed without a click: nothing is inserted.
    if (!gewählt_ || code_ == 0) return {};
    return std::string(1, char(code_));
}
