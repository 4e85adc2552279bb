#include "quiz/Bilddatei.h"

#include <QFileInfo>
#include <QPixmapCache>

#include "services/FileSys.h"

QPixmap Bilddatei(const std::string& datei) {
    const QFileInfo info(QString::fromStdString(fsys::native(datei).string()));
    if (!info.exists()) return {};
    // A full-HD background takes 8 MB decoded; keep a few of them.
    if (QPixmapCache::cacheLimit() < 64 * 1024) QPixmapCache::setCacheLimit(64 * 1024);
    const QString schluessel = info.absoluteFilePath() + QLatin1Char('|') +
                               QString::number(info.lastModified().toMSecsSinceEpoch()) + QLatin1Char('|') +
                               QString::number(info.size());
    QPixmap bild;
    if (QPixmapCache::find(schluessel, &bild)) return bild;
    bild = QPixmap(info.absoluteFilePath());
    if (!bild.isNull()) QPixmapCache::insert(schluessel, bild);
    return bild;
}
