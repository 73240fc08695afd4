#include "Uebersichtsmalerei.h"

#include "Basis.h"
#include "QtText.h"
#include "Texte.h"
#include "Uebersicht.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>

namespace velmora {

namespace {

constexpr Schrift kSummenSchrift{18, 9, 800};
constexpr Schrift kTitelSchrift{28, 14, 800};
const QColor kBeschriftungsFarbe(0, 128, 255);
constexpr int kWortX = 180;   // words this far left of the panel's right edge
constexpr int kWertX = 120;   // the box of the values starts here ...
constexpr int kWertRand = 12; // ... and ends this far from the right edge (108 pixels wide)
constexpr int kLinienRand = 10;
constexpr int kAbstand = 8;

int Breite(const QString& text, Schrift schrift)
{
    return QFontMetrics(SchriftFuer(schrift)).horizontalAdvance(text);
}

} // namespace

QString Filterart(const OverviewListing& liste)
{
    const CBasis& basis = liste.Basis();
    const int sprache = basis.m_nSprache;
    const bool deutsch = basis.Deutsch();
    const int art = liste.m_nFilterArt;
    static constexpr int kSpaltentitel[] = {kTxtAuftraggeber, kTxtEmpfaenger, kTxtNutzniesser, kTxtKategorie,
                                            kTxtUKategorie,   kTxtKommentar,  kTxtBetrag,      kTxtDatum};
    if (art == 0)
        return liste.m_bNurDauerAuftraege == 1 ? Sprachtext(deutsch, "Daueraufträge", "Standing Orders")
                                               : Sprachtext(deutsch, "Ohne Daueraufträge", "Without Standing Orders");
    if ((art == 1 || art == 2) && basis.IstEigenesKonto(liste.m_strFilterText) == 1)
        return Zeichenkette(sprache, kTxtKonto);
    if (art >= 1 && art <= 8)
        return Zeichenkette(sprache, kSpaltentitel[art - 1]);
    if (art == kFilterUKategorieIn)
        return Zeichenkette(sprache, kTxtUKategorie);
    if (art >= kFilterKategorieBeiKonto && art <= kFilterKategorieBeiNutzniesser)
        return Zeichenkette(sprache, kTxtKategorie);
    if (art == 9)
        return QStringLiteral("Person");
    return Zeichenkette(sprache, kTxtKonto);
}

std::vector<GemalterText> Datumsbeschriftung(bool deutsch, QRect vonOrt, QRect bisOrt)
{
    const int hoehe = QFontMetrics(SchriftFuer(kDatumsSchrift)).height();
    const auto bei = [hoehe](QRect ort) { return QPoint(ort.left(), ort.top() + (ort.height() - hoehe) / 2); };
    return {{Sprachtext(deutsch, "von", "from"), bei(vonOrt), kDatumsSchrift, kBeschriftungsFarbe},
            {Sprachtext(deutsch, "bis", "to"), bei(bisOrt), kDatumsSchrift, kBeschriftungsFarbe}};
}

Uebersichtsbild Summenbild(const OverviewListing& liste, QRect tafel)
{
    const CBasis& basis = liste.Basis();
    const int sprache = basis.m_nSprache;
    const QColor einnahmen = AlsFarbe(basis.m_aFarben[0]);
    const QColor ausgaben = AlsFarbe(basis.m_aFarben[1]);
    const double differenz = liste.m_dEinnahmen - liste.m_dAusgaben;
    struct Zeile
    {
        int y;
        QString wort;
        QColor wortFarbe;
        double wert;
        QColor wertFarbe;
    };
    const Zeile zeilen[] = {
        {5, Zeichenkette(sprache, kTxtEinnahmen), einnahmen, liste.m_dEinnahmen, einnahmen},
        {25, Zeichenkette(sprache, kTxtAusgaben), ausgaben, liste.m_dAusgaben, ausgaben},
        {47, Zeichenkette(sprache, kTxtDifferenz), Qt::black, differenz, differenz >= 0 ? einnahmen : ausgaben},
        {67, Zeichenkette(sprache, kTxtUmbuchungen), AlsFarbe(basis.m_aFarben[2]), liste.m_dUmbuchungen,
         AlsFarbe(basis.m_aFarben[2])},
    };
    const int r = tafel.right() + 1;
    const int t = tafel.top();
    int wortBreite = 0;
    int wertBreite = 0;
    for (const Zeile& z : zeilen) {
        wortBreite = std::max(wortBreite, Breite(z.wort, kSummenSchrift));
        wertBreite = std::max(wertBreite, Breite(QString::asprintf("%6.2f", z.wert), kSummenSchrift));
    }
    const int wertRechts = r - kWertRand;
    const int wertLinks = std::min(r - kWertX, wertRechts - wertBreite);
    const int wortX = std::min(r - kWortX, wertLinks - kAbstand - wortBreite);

    Uebersichtsbild bild;
    for (const Zeile& z : zeilen) {
        const QString wert = QString::asprintf("%6.2f", z.wert);
        bild.texte.push_back({z.wort, {wortX, t + z.y}, kSummenSchrift, z.wortFarbe});
        bild.texte.push_back({wert, {wertRechts - Breite(wert, kSummenSchrift), t + z.y}, kSummenSchrift, z.wertFarbe});
    }
    bild.linie = QLine(wortX, t + 43, r - kLinienRand, t + 43);

    const int l = tafel.left();
    if (!liste.m_bFilter) {
        bild.texte.insert(bild.texte.begin(),
                          {Sprachtext(basis.Deutsch(), "Gesamt", "Total"), {l + 40, t + 35}, kTitelSchrift, Qt::black});
        return bild;
    }
    std::vector<GemalterText> titel = {{Filterart(liste), {l + 10, t + 5}, kTitelSchrift, Qt::black}};
    if (liste.m_nFilterArt > 0) {
        const int platz = wortX - kAbstand * 2 - (l + 20);
        const QString schluessel =
            QFontMetrics(SchriftFuer(kTitelSchrift))
                .elidedText(AlsQString(liste.Filterschluessel()), Qt::ElideRight, std::max(platz, 0));
        titel.push_back({schluessel, {l + 20, t + 35}, kTitelSchrift, kBeschriftungsFarbe});
    }
    bild.texte.insert(bild.texte.begin(), titel.begin(), titel.end());
    return bild;
}

} // namespace velmora
