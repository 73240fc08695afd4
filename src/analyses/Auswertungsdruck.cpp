#include "Auswertungsdruck.h"

#include "Balkenmaler.h"
#include "Basis.h"
#include "MaleText.h"
#include "QtText.h"
#include "Text.h"
#include "Texte.h"
#include "Vergleich.h"
#include "Vergleichsliste.h"

#include <QPainter>
#include <QStyleOptionViewItem>

namespace velmora {

namespace {

// The printed columns: the window's, with the period of each row beside its label, since on paper in
// black and white the rows' colours no longer tell the two periods apart.
enum Druckspalten
{
    kBeschriftung,
    kPeriode,
    kBalken,
    kEinnahmen,
    kAusgaben,
    kDifferenz,
};
constexpr int kListenspalte[] = {Vergleichsliste::kBeschriftung, -1,
                                 Vergleichsliste::kBalken,       Vergleichsliste::kEinnahmen,
                                 Vergleichsliste::kAusgaben,     Vergleichsliste::kDifferenz};
constexpr double kBalkenMm = 45;

class Vergleichszeilen final : public Zeilenquelle
{
public:
    Vergleichszeilen(const CBasis& basis, const Vergleich& vergleich, Vergleichsliste::Art art)
        : m_basis(basis)
        , m_vergleich(vergleich)
        , m_art(art)
        , m_liste(basis, vergleich, art)
        , m_maler(basis, [&vergleich] { return vergleich.Massstab(); })
    {
    }

    int Anzahl() const override { return m_liste.rowCount(); }

    void Fuelle(int zeile, Druckzeile& aus) const override
    {
        for (size_t s = 0; s < aus.texte.size(); ++s) {
            if (kListenspalte[s] < 0)
                continue;
            const QModelIndex index = m_liste.index(zeile, kListenspalte[s]);
            aus.texte[s] = index.data(Qt::DisplayRole).toString().trimmed();
            aus.farben[s] = index.data(Qt::ForegroundRole).value<QColor>();
        }
        const auto periode = static_cast<Periode>(m_liste.index(zeile, 0).data(Vergleichsliste::kPeriodeRolle).toInt());
        aus.texte[kPeriode] = Periodentext(periode);
        aus.farben[kPeriode] = FarbenDer(m_basis, periode).beschriftung;
    }

    void MaleZelle(QPainter& maler, const QRect& zelle, int zeile, int) const override
    {
        QStyleOptionViewItem option;
        option.rect = zelle;
        m_maler.paint(&maler, option, m_liste.index(zeile, Vergleichsliste::kBalken));
    }

    QString Periodentext(Periode periode) const
    {
        const int jahr = m_vergleich.m_anJahr[static_cast<size_t>(periode)];
        if (m_art == Vergleichsliste::kJahre)
            return QString::number(jahr);
        const int monat = m_vergleich.m_anMonat[static_cast<size_t>(periode)];
        return AlsQString(m_basis.MonatsName(monat)).left(3) + QLatin1Char(' ') + QString::number(jahr);
    }

    QStringList Beschriftungen() const
    {
        QStringList texte;
        for (int z = 0; z < m_liste.rowCount(); ++z)
            texte << m_liste.index(z, 0).data(Qt::DisplayRole).toString().trimmed();
        return texte;
    }

private:
    const CBasis& m_basis;
    const Vergleich& m_vergleich;
    Vergleichsliste::Art m_art;
    Vergleichsliste m_liste;
    Balkenmaler m_maler;
};

Drucktabelle Tabelle(const CBasis& basis, const Vergleich& v, Vergleichsliste::Art art, const QString& titel)
{
    const bool deutsch = basis.Deutsch();
    auto zeilen = std::make_shared<Vergleichszeilen>(basis, v, art);
    const Vergleichsliste kopf(basis, v, art);
    Drucktabelle tabelle;
    tabelle.titel = titel;
    tabelle.nGruppe = 2;
    tabelle.quelle = zeilen;
    const QString beispiel = QString::asprintf("-%.2f", v.Massstab());
    for (int s = kBeschriftung; s <= kDifferenz; ++s) {
        Druckspalte spalte;
        spalte.kopf = s == kPeriode ? Sprachtext(deutsch, "Zeitraum", "Period")
                                    : kopf.headerData(kListenspalte[s], Qt::Horizontal).toString();
        spalte.bRechts = s >= kEinnahmen;
        if (s == kBeschriftung)
            spalte.muster = zeilen->Beschriftungen();
        else if (s == kPeriode)
            spalte.muster = {zeilen->Periodentext(kPeriodeA), zeilen->Periodentext(kPeriodeB)};
        else if (s == kBalken)
            spalte.dGemaltMm = kBalkenMm;
        else
            spalte.muster = {beispiel};
        tabelle.spalten.push_back(spalte);
    }
    return tabelle;
}

QString Auswahltext(const CBasis& basis, const Vergleich& v)
{
    const int sprache = basis.m_nSprache;
    const QString name = AlsQString(v.m_strName);
    switch (v.m_nAuswahl) {
        case kAuswahlAlle:
            return Sprachtext(basis.Deutsch(), "Alle %1/%2", "All %1/%2")
                .arg(Zeichenkette(sprache, kTxtEinnahmen), Zeichenkette(sprache, kTxtAusgaben));
        case kAuswahlFamilienKonto:
            return Zeichenkette(sprache, kTxtFamilienKonten) + QStringLiteral(": ") + name;
        case kAuswahlFremdKonto:
            return Zeichenkette(sprache, kTxtFremdKonten) + QStringLiteral(": ") + name;
        case kAuswahlNutzniesser:
            return Zeichenkette(sprache, kTxtNutzniesser) + QStringLiteral(": ") + name;
        default:
            return Zeichenkette(sprache, kTxtKategorie) + QStringLiteral(": ") + name;
    }
}

QString Betrag(double betrag)
{
    return AlsQString(Format("%.2f", static_cast<double>(InCent(betrag)) / 100.0));
}

// The totals box as the window paints it: both years' income, expenses and difference, and the change.
std::vector<std::vector<Summenzelle>> Summenkasten(const CBasis& basis, const Vergleich& v)
{
    const int sprache = basis.m_nSprache;
    const QColor plus = AlsFarbe(basis.m_aFarben[0]);
    const QColor minus = AlsFarbe(basis.m_aFarben[1]);
    const double einA = v.Jahressumme(kEinnahmenA);
    const double einB = v.Jahressumme(kEinnahmenB);
    const double ausA = v.Jahressumme(kAusgabenA);
    const double ausB = v.Jahressumme(kAusgabenB);
    const auto farbe = [&](double wert) { return InCent(wert) < 0 ? minus : plus; };
    const double wandel = (einA - einB) - (ausA - ausB);
    return {
        {{},
         {QString::number(v.m_anJahr[kPeriodeA]), FarbenDer(basis, kPeriodeA).beschriftung},
         {QString::number(v.m_anJahr[kPeriodeB]), FarbenDer(basis, kPeriodeB).beschriftung},
         {Zeichenkette(sprache, kTxtDifferenz)}},
        {{Zeichenkette(sprache, kTxtEinnahmen), plus},
         {Betrag(einA), plus},
         {Betrag(einB), plus},
         {Betrag(einA - einB), InCent(einB) <= InCent(einA) ? plus : minus}},
        {{Zeichenkette(sprache, kTxtAusgaben), minus},
         {Betrag(ausA), minus},
         {Betrag(ausB), minus},
         {Betrag(ausA - ausB), InCent(ausB) < InCent(ausA) ? minus : plus}},
        {{Zeichenkette(sprache, kTxtDifferenz)},
         {Betrag(einA - ausA), farbe(einA - ausA)},
         {Betrag(einB - ausB), farbe(einB - ausB)},
         {Betrag(wandel), farbe(wandel)}},
    };
}

} // namespace

Drucksache AuswertungsDruck(const CBasis& basis, const Vergleich& v)
{
    const bool deutsch = basis.Deutsch();
    const int sprache = basis.m_nSprache;
    const CFAMILY* familie = basis.Familie();
    const auto jahr = [&v](Periode p) { return QString::number(v.m_anJahr[static_cast<size_t>(p)]); };
    const auto monat = [&](Periode p) {
        return AlsQString(basis.MonatsName(v.m_anMonat[static_cast<size_t>(p)])) + QLatin1Char(' ') + jahr(p);
    };

    Drucksache sache;
    sache.nSprache = sprache;
    sache.titel = Sprachtext(deutsch, "Auswertung", "Analyses");
    sache.unterzeilen = {Auswahltext(basis, v)};
    sache.tabellen.push_back(Tabelle(basis, v, Vergleichsliste::kJahre,
                                     Sprachtext(deutsch, "Jahres-Vergleich", "Annual-Report") +
                                         QStringLiteral("  %1 / %2").arg(jahr(kPeriodeA), jahr(kPeriodeB))));
    sache.tabellen.push_back(Tabelle(basis, v, Vergleichsliste::kMonate,
                                     Sprachtext(deutsch, "Monats-Vergleich", "Months-Report") +
                                         QStringLiteral("  %1 / %2").arg(monat(kPeriodeA), monat(kPeriodeB))));
    sache.summen = Summenkasten(basis, v);
    sache.nLinieVorSumme = 3;
    sache.bSummenRahmen = true;
    sache.fuss = Fusstext(sprache, familie ? AlsQString(familie->m_strName) : QString(), basis.m_nHeute);
    return sache;
}

} // namespace velmora
