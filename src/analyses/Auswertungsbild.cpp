#include "Auswertungsbild.h"

#include "Basis.h"
#include "QtText.h"
#include "Text.h"
#include "Texte.h"
#include "Vergleich.h"
#include "Vergleichsliste.h"

#include <QFontMetrics>
#include <QPainter>
#include <array>

namespace velmora {

namespace {

const QColor kUeberschriftFarbe(128, 128, 128);
constexpr Schrift kUeberschrift{28, 14, 800};
constexpr Schrift kJahrNeben{16, 8, 800};
constexpr Schrift kMonatNeben{20, 10, 800};
constexpr Schrift kKastenSchrift{18, 9, 800};

// The columns of the totals box and the least gap between the texts of two columns.
constexpr std::array<int, 4> kSpaltenX = {5, 65, 155, 255};
constexpr int kLuecke = 10;
constexpr int kZeilenY[] = {5, 25, 45, 67};
constexpr int kLinieY = 65;
constexpr int kLinieBis = 365;

QString Jahrestext(int jahr)
{
    return AlsQString(Format("%4d", jahr));
}

QString Summentext(double betrag)
{
    return AlsQString(Format("%6.2f", static_cast<double>(InCent(betrag)) / 100.0));
}

} // namespace

std::vector<GemalterText> Beschriftungen(const CBasis& basis, const Vergleich& v,
                                         const std::function<QPoint(int id)>& ort)
{
    const bool deutsch = basis.Deutsch();
    const QColor a = FarbenDer(basis, kPeriodeA).beschriftung;
    const QColor b = FarbenDer(basis, kPeriodeB).beschriftung;
    const auto monat = [&basis](int m) { return AlsQString(basis.MonatsName(m)); };
    return {
        {Sprachtext(deutsch, "Jahres-Vergleich", "Annual-Report"), ort(1127), kUeberschrift, kUeberschriftFarbe},
        {Jahrestext(v.m_anJahr[kPeriodeA]), ort(1128), kJahrNeben, a},
        {Jahrestext(v.m_anJahr[kPeriodeB]), ort(1129), kJahrNeben, b},
        {Sprachtext(deutsch, "Monats-Vergleich", "Months-Report"), ort(1112), kUeberschrift, kUeberschriftFarbe},
        {monat(v.m_anMonat[kPeriodeA]), ort(1131), kMonatNeben, a},
        {Jahrestext(v.m_anJahr[kPeriodeA]), ort(1133), kMonatNeben, a},
        {monat(v.m_anMonat[kPeriodeB]), ort(1130), kMonatNeben, b},
        {Jahrestext(v.m_anJahr[kPeriodeB]), ort(1132), kMonatNeben, b},
    };
}

Summenkasten::Summenkasten(const CBasis& basis, const Vergleich& v, const QRect& platz)
    : rahmen(platz)
{
    const int sprache = basis.m_nSprache;
    const QColor plus = AlsFarbe(basis.m_aFarben[0]);
    const QColor minus = AlsFarbe(basis.m_aFarben[1]);
    const QColor jahrA = FarbenDer(basis, kPeriodeA).beschriftung;
    const QColor jahrB = FarbenDer(basis, kPeriodeB).beschriftung;
    const double einA = v.Jahressumme(kEinnahmenA);
    const double einB = v.Jahressumme(kEinnahmenB);
    const double ausA = v.Jahressumme(kAusgabenA);
    const double ausB = v.Jahressumme(kAusgabenB);
    const auto vorzeichenfarbe = [&](double wert) { return InCent(wert) < 0 ? minus : plus; };

    struct Zelle
    {
        int spalte;
        int zeile;
        QString text;
        QColor farbe;
    };
    const Zelle zellen[] = {
        {1, 0, Jahrestext(v.m_anJahr[kPeriodeA]), jahrA},
        {2, 0, Jahrestext(v.m_anJahr[kPeriodeB]), jahrB},
        {3, 0, Zeichenkette(sprache, kTxtDifferenz), Qt::black},
        {0, 1, Zeichenkette(sprache, kTxtEinnahmen), plus},
        {1, 1, Summentext(einA), plus},
        {2, 1, Summentext(einB), plus},
        {3, 1, Summentext(einA - einB), InCent(einB) <= InCent(einA) ? plus : minus},
        {0, 2, Zeichenkette(sprache, kTxtAusgaben), minus},
        {1, 2, Summentext(ausA), minus},
        {2, 2, Summentext(ausB), minus},
        {3, 2, Summentext(ausA - ausB), InCent(ausB) < InCent(ausA) ? minus : plus},
        {0, 3, Zeichenkette(sprache, kTxtDifferenz), Qt::black},
        {1, 3, Summentext(einA - ausA), vorzeichenfarbe(einA - ausA)},
        {2, 3, Summentext(einB - ausB), vorzeichenfarbe(einB - ausB)},
        {3, 3, Summentext((einA - einB) - (ausA - ausB)), InCent(einA - einB) < InCent(ausA - ausB) ? minus : plus},
    };

    const QFontMetrics masse(SchriftFuer(kKastenSchrift));
    std::array<int, 4> breite{};
    for (const Zelle& z : zellen)
        breite[z.spalte] = std::max(breite[z.spalte], masse.horizontalAdvance(z.text));
    std::array<int, 4> x = kSpaltenX;
    for (size_t s = 1; s < x.size(); ++s)
        x[s] = std::max(kSpaltenX[s], x[s - 1] + breite[s - 1] + kLuecke);
    const int rechts = std::max(kLinieBis, x[3] + breite[3]);
    rahmen.setWidth(std::max(platz.width(), rechts + kSpaltenX[0]));

    const QPoint ecke = rahmen.topLeft();
    linie = QLine(ecke + QPoint(kSpaltenX[0], kLinieY), ecke + QPoint(rechts, kLinieY));
    for (const Zelle& z : zellen)
        texte.push_back({z.text, ecke + QPoint(x[z.spalte], kZeilenY[z.zeile]), kKastenSchrift, z.farbe});
}

void Male(QPainter& maler, const Summenkasten& kasten)
{
    maler.save();
    maler.setPen(Qt::black);
    maler.setBrush(Qt::white);
    maler.drawRect(kasten.rahmen.adjusted(0, 0, -1, -1));
    maler.drawLine(kasten.linie);
    maler.restore();
    Male(maler, kasten.texte);
}

} // namespace velmora
