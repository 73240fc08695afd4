#include "BilderIntern.h"

#include <QPainter>

namespace velmora {

namespace {

struct Bildmass
{
    int idres;
    QSize groesse;
};

// The pictures of the help balloons show the program's own windows; the balloons are laid out for
// exactly these sizes.
const Bildmass kBallonbilder[] = {
    {181, {278, 110}}, // transaction entry
    {182, {296, 195}}, // overview
    {183, {287, 299}}, // analyses
    {184, {429, 255}}, // standing orders
    {185, {276, 334}}, // settings
    {186, {436, 107}}, // save and end
    {187, {271, 221}}, // password lock
    {188, {436, 175}}, // About box, German
    {189, {372, 50}},  // online help
    {193, {436, 174}}, // About box, English
    {195, {166, 95}},  // annual comparison
    {196, {191, 95}},  // monthly comparison
    {197, {264, 26}},  // standing-order list
};

// Until a screenshot is there: a plain sketch of a window of that size.
QPixmap Platzhalter(QSize groesse)
{
    QPixmap bild(groesse);
    bild.fill(QColor(243, 244, 246));
    QPainter maler(&bild);
    const int titel = std::min(16, groesse.height() / 3);
    maler.fillRect(QRect(0, 0, groesse.width(), titel), QColor(212, 220, 232));
    maler.setPen(Qt::NoPen);
    maler.setBrush(QColor(222, 225, 230));
    const int rand = std::min(12, groesse.height() / 6);
    for (int y = titel + rand; y + 8 <= groesse.height() - rand; y += 16) {
        const int laenge = (groesse.width() - 2 * rand) * (y / 16 % 3 == 0 ? 3 : 4) / 5;
        maler.drawRoundedRect(QRect(rand, y, laenge, 7), 3, 3);
    }
    maler.setPen(QColor(167, 173, 181));
    maler.setBrush(Qt::NoBrush);
    maler.drawRect(QRect(0, 0, groesse.width() - 1, groesse.height() - 1));
    return bild;
}

} // namespace

QPixmap Ballonbild(int idres)
{
    for (const auto& [nummer, groesse] : kBallonbilder) {
        if (nummer != idres)
            continue;
        const QPixmap bild(QStringLiteral(":/velmora/pictures/%1.png").arg(idres));
        if (bild.isNull())
            return Platzhalter(groesse);
        return bild.size() == groesse ? bild : bild.scaled(groesse, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    return {};
}

} // namespace velmora
