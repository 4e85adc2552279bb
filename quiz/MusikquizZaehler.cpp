// The quiz window's rolling counter.
#include <QPainter>

#include "quiz/Anzeige.h"
#include "quiz/Musikquiz.h"
#include "services/ApiClass.h"
#include "services/FileSys.h"

namespace {
// A digit picture; when the file is missing the digit is drawn, so a damaged
// data folder still gives a readable counter.
QPixmap ziffernBild(const std::string& pfad, int ziffer) {
    QPixmap bild(QString::fromStdString(fsys::native(pfad).string()));
    if (!bild.isNull()) return bild;
    bild = QPixmap(32, 48);
    bild.fill(Qt::black);
    QPainter p(&bild);
    p.setPen(Qt::white);
    QFont f = p.font();
    f.setPixelSize(40);
    f.setBold(true);
    p.setFont(f);
    p.drawText(bild.rect(), Qt::AlignCenter, QString::number(ziffer));
    return bild;
}
}  // namespace

void Musikquiz::ZählerBilderLaden() {
    for (int i = 0; i < 10; ++i)
        imgCounter[size_t(i)]->setPixmap(ziffernBild(daten() + "counter" + std::to_string(i) + ".gif", i));
    ZählerGroesse();
}

// Room for the three digits of a stopped counter, the rolling digit in the
// middle; both grow with a large window.
void Musikquiz::ZählerGroesse() {
    const QSize ziffer = imgCounter[0]->pixmap().size() * massstab_;
    zähler->resize(ziffer.width() * 3, ziffer.height());
    for (QLabel* c : counter) c->setGeometry(ziffer.width(), 0, ziffer.width(), ziffer.height());
}

void Musikquiz::ZählerDrehen(int bild, int ziffer) {
    zähler->show();
    QLabel* neu = counter[size_t(bild)];
    QLabel* alt = counter[size_t(1 - bild)];
    alt->lower();
    alt->hide();
    neu->setPixmap(imgCounter[size_t(ziffer)]->pixmap());
    neu->raise();
    neu->show();
}

void Musikquiz::ZählerStopp(std::int32_t n) {
    zähler->setProperty("Tag", QStringLiteral("STOP"));
    for (QLabel* c : counter) c->hide();
    zähler->clear();
    const auto ziffern = quiz::ZaehlerZiffern(n);
    const QSize g = imgCounter[0]->pixmap().size();
    QPixmap bild(g.width() * 3, g.height());
    bild.fill(Qt::transparent);
    {
        QPainter p(&bild);
        for (int i = 0; i < 3; ++i)
            p.drawPixmap(i * g.width(), 0, imgCounter[size_t(ziffern[size_t(i)])]->pixmap());
    }
    zähler->setPixmap(bild);
    zähler->setProperty("Ziffern", QStringLiteral("%1%2%3").arg(ziffern[0]).arg(ziffern[1]).arg(ziffern[2]));
    zähler->show();
}
