#include "Bilder.h"

#include <QPainter>

namespace velmora {

QPixmap Bild(int idres)
{
    QPixmap bild(140, 52);
    bild.fill(Qt::lightGray);
    QPainter maler(&bild);
    maler.drawText(bild.rect(), Qt::AlignCenter, QString::number(idres));
    return bild;
}

} // namespace velmora
