#include "Texte.h"

#include "Basis.h"

#include <QFile>
#include <QHash>
#include <QStringList>
#include <QTextStream>

namespace velmora {

namespace {

// strings.tsv: one line per entry, "offset<TAB>English<TAB>German"; an offset below 1000 is a plain id.
QHash<int, QString> LadeTabelle()
{
    QHash<int, QString> tabelle;
    QFile datei(QStringLiteral(":/velmora/strings.tsv"));
    if (!datei.open(QIODevice::ReadOnly))
        return tabelle;
    QTextStream ein(&datei);
    ein.setEncoding(QStringConverter::Utf8);
    while (!ein.atEnd()) {
        const QString zeile = ein.readLine();
        if (zeile.isEmpty() || zeile.startsWith(QLatin1Char('#')))
            continue;
        const QStringList teile = zeile.split(QLatin1Char('\t'));
        if (teile.size() < 3)
            continue;
        const int nummer = teile[0].toInt();
        if (teile[0].startsWith(QLatin1Char('='))) {
            tabelle.insert(teile[0].mid(1).toInt(), teile[2]);
            continue;
        }
        tabelle.insert(kEnglisch + nummer, teile[1]);
        tabelle.insert(kDeutsch + nummer, teile[2]);
    }
    return tabelle;
}

} // namespace

QString Zeichenkette(int id)
{
    static const QHash<int, QString> tabelle = LadeTabelle();
    return tabelle.value(id);
}

QString Zeichenkette(int sprache, int offset)
{
    return Zeichenkette((sprache == kDeutsch ? kDeutsch : kEnglisch) + offset);
}

} // namespace velmora
