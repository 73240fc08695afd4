#include "Vergleichsliste.h"

#include "Basis.h"
#include "MaleText.h"
#include "Programmeinstellungen.h"
#include "QtText.h"
#include "Text.h"

namespace velmora {

namespace {

const QColor kPeriodeAFarbe(0, 128, 255);
const QColor kPeriodeBFarbe(206, 67, 0);

QString Betragstext(double betrag)
{
    return AlsQString(Format("  %5.2f", static_cast<double>(InCent(betrag)) / 100.0));
}

} // namespace

Periodenfarben FarbenDer(const CBasis& basis, Periode periode)
{
    if (periode == kPeriodeA)
        return {kPeriodeAFarbe, AlsFarbe(basis.m_aFarben[0]), AlsFarbe(basis.m_aFarben[1])};
    return {kPeriodeBFarbe, AlsFarbe(FarbeDesZweitenJahres(basis, 0)), AlsFarbe(FarbeDesZweitenJahres(basis, 1))};
}

Vergleichsliste::Vergleichsliste(const CBasis& basis, const Vergleich& vergleich, Art art, QObject* eltern)
    : QAbstractTableModel(eltern)
    , m_basis(basis)
    , m_vergleich(vergleich)
    , m_art(art)
{
    Fuelle();
}

void Vergleichsliste::Fuelle()
{
    beginResetModel();
    m_eintraege.clear();
    if (m_art == kMonate) {
        for (const CUKategorie* eintrag : m_vergleich.Monatseintraege())
            m_eintraege.push_back(*eintrag);
    }
    endResetModel();
}

const CUKategorie* Vergleichsliste::EintragDerZeile(int zeile) const
{
    if (m_art != kMonate || zeile < 0 || zeile / 2 >= static_cast<int>(m_eintraege.size()))
        return nullptr;
    return &m_eintraege[static_cast<size_t>(zeile / 2)];
}

int Vergleichsliste::rowCount(const QModelIndex& eltern) const
{
    if (eltern.isValid())
        return 0;
    return m_art == kJahre ? 24 : 2 * static_cast<int>(m_eintraege.size());
}

int Vergleichsliste::columnCount(const QModelIndex& eltern) const
{
    return eltern.isValid() ? 0 : kSpalten;
}

Periodensumme Vergleichsliste::Summe(int zeile) const
{
    if (m_art == kJahre)
        return m_vergleich.Jahreszeile(zeile);
    return Vergleich::Monatszeile(*EintragDerZeile(zeile), zeile);
}

QString Vergleichsliste::Beschriftung(int zeile) const
{
    if (m_art == kMonate)
        return QStringLiteral(" ") + AlsQString(EintragDerZeile(zeile)->m_strName);
    return QStringLiteral("  ") + AlsQString(m_basis.MonatsName(zeile / 2 + 1)).left(3);
}

// The two rows of a month (or category) differ by colour on screen; a screen reader names the period.
QString Vergleichsliste::Zeilenname(int zeile) const
{
    const auto periode = static_cast<size_t>(Summe(zeile).periode);
    const int jahr = m_vergleich.m_anJahr[periode];
    if (m_art == kJahre)
        return QStringLiteral("%1 %2").arg(AlsQString(m_basis.MonatsName(zeile / 2 + 1))).arg(jahr);
    return QStringLiteral("%1, %2 %3")
        .arg(AlsQString(EintragDerZeile(zeile)->m_strName),
             AlsQString(m_basis.MonatsName(m_vergleich.m_anMonat[periode])))
        .arg(jahr);
}

QColor Vergleichsliste::Textfarbe(int zeile, int spalte) const
{
    const Periodensumme summe = Summe(zeile);
    const Periodenfarben farben = FarbenDer(m_basis, summe.periode);
    switch (spalte) {
        case kBeschriftung:
            return farben.beschriftung;
        case kEinnahmen:
            return farben.einnahmen;
        case kAusgaben:
            return farben.ausgaben;
        case kDifferenz: {
            const long long differenz = InCent(summe.dEinnahmen - summe.dAusgaben);
            return differenz > 0 ? farben.einnahmen : differenz < 0 ? farben.ausgaben : kAusgeglichenFarbe;
        }
        default:
            return {};
    }
}

QVariant Vergleichsliste::data(const QModelIndex& index, int rolle) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const int zeile = index.row();
    switch (rolle) {
        case Qt::DisplayRole: {
            const Periodensumme summe = Summe(zeile);
            switch (index.column()) {
                case kBeschriftung:
                    return Beschriftung(zeile);
                case kEinnahmen:
                    return Betragstext(summe.dEinnahmen);
                case kAusgaben:
                    return Betragstext(summe.dAusgaben);
                case kDifferenz:
                    return Betragstext(summe.dEinnahmen - summe.dAusgaben);
                default:
                    return QString();
            }
        }
        case Qt::AccessibleTextRole:
            if (index.column() == kBeschriftung)
                return Zeilenname(zeile);
            if (index.column() == kBalken) {
                const Periodensumme summe = Summe(zeile);
                const bool deutsch = m_basis.Deutsch();
                return Sprachtext(deutsch, "Einnahmen %1, Ausgaben %2", "Income %1, expenses %2")
                    .arg(Betragstext(summe.dEinnahmen).trimmed(), Betragstext(summe.dAusgaben).trimmed());
            }
            return data(index, Qt::DisplayRole).toString().trimmed();
        case Qt::ForegroundRole:
            return Textfarbe(zeile, index.column());
        case Qt::TextAlignmentRole:
            return index.column() == kBeschriftung ? int(Qt::AlignLeft | Qt::AlignVCenter)
                                                   : int(Qt::AlignRight | Qt::AlignVCenter);
        case kEinnahmenRolle:
            return Summe(zeile).dEinnahmen;
        case kAusgabenRolle:
            return Summe(zeile).dAusgaben;
        case kPeriodeRolle:
            return static_cast<int>(Summe(zeile).periode);
        default:
            return {};
    }
}

QVariant Vergleichsliste::headerData(int abschnitt, Qt::Orientation richtung, int rolle) const
{
    if (richtung != Qt::Horizontal || rolle != Qt::DisplayRole)
        return {};
    const bool deutsch = m_basis.Deutsch();
    switch (abschnitt) {
        case kBeschriftung:
            return m_art == kJahre ? Sprachtext(deutsch, "Monat", "Month")
                                   : Sprachtext(deutsch, "Kategorie", "Category");
        case kBalken:
            return Sprachtext(deutsch, "Einnahmen / Ausgaben", "Income / Expenses");
        case kEinnahmen:
            return Sprachtext(deutsch, "Einnahmen", "Income");
        case kAusgaben:
            return Sprachtext(deutsch, "Ausgaben", "Expenses");
        case kDifferenz:
            return Sprachtext(deutsch, "Differenz", "Difference");
        default:
            return {};
    }
}

} // namespace velmora
