#include "quiz/Bilddatei.h"

#include <QImage>
#include <QImageReader>
#include <QPixmapCache>

#include <future>
#include <map>

#include "services/FileSys.h"

namespace {

// The file's place, time and size (and the size wanted): a file changed since
// it was decoded gets a new key. Read from the system directly; the first
// local-time conversion alone would cost milliseconds at start-up.
QString schluesselFuer(const QString& pfad, const fsys::Stamp& stempel, QSize groesse) {
    QString s = pfad + QStringLiteral("|%1|%2|%3").arg(stempel.mtime).arg(stempel.size).arg(stempel.inode);
    if (groesse.isValid()) s += QStringLiteral("|%1x%2").arg(groesse.width()).arg(groesse.height());
    return s;
}

QImage lesen(const QString& pfad, QSize groesse) {
    QImageReader leser(pfad);
    // A photo is then decoded at a fraction of its size, which is much faster.
    if (groesse.isValid()) leser.setScaledSize(groesse);
    QImage bild = leser.read();
    if (bild.isNull() || !groesse.isValid() || bild.size() == groesse) return bild;
    return bild.scaled(groesse, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

// Decodings under way, by key; a QImage may be made on any thread, a QPixmap not.
std::map<QString, std::future<QImage>>& unterwegs() {
    static std::map<QString, std::future<QImage>> m;
    return m;
}

}  // namespace

void BilddateiVorausladen(const std::string& datei, QSize groesse) {
    const auto stempel = fsys::stamp(datei);
    if (!stempel) return;
    const QString pfad = QString::fromStdString(fsys::native(datei).string());
    const QString schluessel = schluesselFuer(pfad, *stempel, groesse);
    QPixmap schonDa;
    if (QPixmapCache::find(schluessel, &schonDa) || unterwegs().count(schluessel)) return;
    unterwegs().emplace(schluessel, std::async(std::launch::async, lesen, pfad, groesse));
}

QPixmap Bilddatei(const std::string& datei, QSize groesse) {
    const auto stempel = fsys::stamp(datei);
    if (!stempel) return {};
    const QString pfad = QString::fromStdString(fsys::native(datei).string());
    // A full-HD background takes 8 MB decoded; keep a few of them.
    if (QPixmapCache::cacheLimit() < 64 * 1024) QPixmapCache::setCacheLimit(64 * 1024);
    const QString schluessel = schluesselFuer(pfad, *stempel, groesse);
    QPixmap bild;
    if (QPixmapCache::find(schluessel, &bild)) return bild;
    auto vorab = unterwegs().find(schluessel);
    if (vorab != unterwegs().end()) {
        bild = QPixmap::fromImage(vorab->second.get());
        unterwegs().erase(vorab);
    } else {
        bild = QPixmap::fromImage(lesen(pfad, groesse));
    }
    if (!bild.isNull()) QPixmapCache::insert(schluessel, bild);
    return bild;
}
