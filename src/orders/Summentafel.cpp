#include "Summentafel.h"

#include "Basis.h"
#include "DauerAuftragModell.h"
#include "DauerAuftragsliste.h"
#include "QtText.h"
#include "Texte.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>

namespace velmora {

namespace {

constexpr Schrift kSummenSchrift{18, 9, 800};
constexpr Schrift kTitelSchrift{28, 14, 800};
constexpr int kWertBreite = 108;
constexpr int kWertX = 120; // values from R - 120 ...
constexpr int kWortX = 180; // ... words from R - 180, further left when a word needs the room
constexpr int kAbstand = 8; // between a word and its value box
const QColor kSchluesselFarbe(0, 128, 255);

int Breite(const QString& text, Schrift schrift)
{
    return QFontMetrics(SchriftFuer(schrift)).horizontalAdvance(text);
}

QString Wert(double betrag)
{
    return QString::asprintf("%6.2f", betrag);
}

} // namespace

Summentafel BaueSummentafel(const QRect& flaeche, const CBasis& basis, const DauerAuftragsListe& liste)
{
    const bool deutsch = basis.Deutsch();
    const int sprache = basis.m_nSprache;
    const QColor einnahmen = AlsFarbe(basis.m_aFarben[0]);
    const QColor ausgaben = AlsFarbe(basis.m_aFarben[1]);
    const QColor umbuchungen = AlsFarbe(basis.m_aFarben[2]);
    const int links = flaeche.left();
    const int rechts = flaeche.left() + flaeche.width();
    const int oben = flaeche.top();
    const double differenz = liste.m_dEinnahmen - liste.m_dAusgaben;

    struct Posten
    {
        int offset;
        int y;
        double betrag;
        QColor wortFarbe;
        QColor wertFarbe;
    };
    const Posten posten[] = {
        {kTxtEinnahmen, 5, liste.m_dEinnahmen, einnahmen, einnahmen},
        {kTxtAusgaben, 25, liste.m_dAusgaben, ausgaben, ausgaben},
        {kTxtDifferenz, 47, differenz, Qt::black, differenz >= 0 ? einnahmen : ausgaben},
        {kTxtUmbuchungen, 63, liste.m_dUmbuchungen, umbuchungen, umbuchungen},
    };
    int wortX = rechts - kWortX;
    for (const Posten& p : posten)
        wortX =
            std::min(wortX, rechts - kWertX - kAbstand - Breite(Zeichenkette(sprache, p.offset) + ':', kSummenSchrift));

    Summentafel tafel;
    const int titelEnde = wortX - 2 * kAbstand;
    if (liste.m_strFilterText.empty()) {
        tafel.texte.push_back(
            {Sprachtext(deutsch, "Gesamt / Jahr", "Total / Year"), {links + 45, oben + 37}, kTitelSchrift, Qt::black});
    } else {
        const QString spalte = liste.SchluesselIstKonto() ? Zeichenkette(sprache, kTxtKonto)
                                                          : DauerAuftragsKopf(sprache, liste.m_nFilterArt);
        tafel.texte.push_back({spalte, {links + 5, oben + 22}, kTitelSchrift, Qt::black});
        // A long entry is shortened to the room left of the totals; screen readers hear it whole.
        const QString jahr = Sprachtext(deutsch, " / Jahr", " / Year");
        const QFontMetrics mass(SchriftFuer(kTitelSchrift));
        const int platz = titelEnde - (links + 25) - mass.horizontalAdvance(jahr);
        const QString schluessel = AlsQString(liste.m_strFilterText);
        tafel.texte.push_back({mass.elidedText(schluessel, Qt::ElideRight, std::max(platz, 0)) + jahr,
                               {links + 25, oben + 52},
                               kTitelSchrift,
                               kSchluesselFarbe});
    }
    for (const Posten& p : posten) {
        tafel.texte.push_back(
            {Zeichenkette(sprache, p.offset) + ':', {wortX, oben + p.y}, kSummenSchrift, p.wortFarbe});
        const QString wert = Wert(p.betrag);
        const int wertEnde = rechts - kWertX + kWertBreite;
        tafel.texte.push_back(
            {wert, {wertEnde - Breite(wert, kSummenSchrift), oben + p.y}, kSummenSchrift, p.wertFarbe});
    }
    tafel.linie = QLine(wortX, oben + 45, rechts - 10, oben + 45);
    return tafel;
}

void MaleSummentafel(QPainter& maler, const Summentafel& tafel)
{
    for (const GemalterText& t : tafel.texte)
        MaleText(maler, t.ort, t.text, t.schrift, t.farbe);
    maler.save();
    maler.setPen(Qt::black);
    maler.drawLine(tafel.linie);
    maler.restore();
}

} // namespace velmora
