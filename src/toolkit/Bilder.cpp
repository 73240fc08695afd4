#include "Bilder.h"

#include "BilderIntern.h"

#include <QPixmapCache>

// The resources live in a static library; naming their init function keeps the linker from
// dropping them.
static void LadeRessourcen()
{
    [[maybe_unused]] static const bool geladen = [] {
        Q_INIT_RESOURCE(velmora);
        return true;
    }();
}

namespace velmora {

QPixmap LeeresBild(int breite, int hoehe)
{
    QPixmap bild(breite, hoehe);
    bild.fill(Qt::transparent);
    return bild;
}

QPixmap Bild(int idres)
{
    LadeRessourcen();
    const QString schluessel = QStringLiteral("velmora-bild-%1").arg(idres);
    QPixmap bild;
    if (QPixmapCache::find(schluessel, &bild))
        return bild;
    for (QPixmap (*maler)(int) : {Knopfbild, Ballonbild, Kleinbild, Willkommensbild}) {
        bild = maler(idres);
        if (!bild.isNull()) {
            QPixmapCache::insert(schluessel, bild);
            break;
        }
    }
    return bild;
}

} // namespace velmora
