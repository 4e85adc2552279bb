#include "quiz/Bilddatei.h"

#include <QImage>
#include <QImageReader>
#include <QPixmapCache>

#include <future>
#include <map>
#include <optional>

#include "services/FileSys.h"

namespace {

// Where the file is, and the cache key of its place, time and size (and the
// size wanted): a file changed since it was decoded gets a new key. The time is
// read from the system directly; the first local-time conversion alone would
// cost milliseconds at start-up. Nothing when the file is missing.
struct Ort {
    QString pfad;
    QString schluessel;
};
std::optional<Ort> ortVon(const std::string& datei, QSize groesse) {
    const auto stempel = fsys::stamp(datei);
    if (!stempel) return std::nullopt;
    Ort o;
    o.pfad = QString::fromStdString(fsys::native(datei).string());
    o.schluessel =
        o.pfad + QStringLiteral("|%1|%2|%3").arg(stempel->mtime).arg(stempel->size).arg(stempel->inode);
    if (groesse.isValid())
        o.schluessel += QStringLiteral("|%1x%2").arg(groesse.width()).arg(groesse.height());
    return o;
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
    const auto ort = ortVon(datei, groesse);
    if (!ort) return;
    QPixmap schonDa;
    if (QPixmapCache::find(ort->schluessel, &schonDa) || unterwegs().count(ort->schluessel)) return;
    unterwegs().emplace(ort->schluessel, std::async(std::launch::async, lesen, ort->pfad, groesse));
}

QPixmap Bilddatei(const std::string& datei, QSize groesse) {
    const auto ort = ortVon(datei, groesse);
    if (!ort) return {};
    const QString& schluessel = ort->schluessel;
    // A full-HD background takes 8 MB decoded; keep a few of them.
    if (QPixmapCache::cacheLimit() < 64 * 1024) QPixmapCache::setCacheLimit(64 * 1024);
    QPixmap bild;
    if (QPixmapCache::find(schluessel, &bild)) return bild;
    auto vorab = unterwegs().find(schluessel);
    if (vorab != unterwegs().end()) {
        bild = QPixmap::fromImage(vorab->second.get());
        unterwegs().erase(vorab);
    } else {
        bild = QPixmap::fromImage(lesen(ort->pfad, groesse));
    }
    if (!bild.isNull()) QPixmapCache::insert(schluessel, bild);
    return bild;
}
