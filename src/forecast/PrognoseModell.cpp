#include "PrognoseModell.h"

#include "Basis.h"
#include "MaleText.h"
#include "QtText.h"
#include "Text.h"
#include "Vorschau.h"

#include <QBrush>

namespace velmora {

PrognoseModell::PrognoseModell(const CBasis& basis, QObject* eltern)
    : QAbstractTableModel(eltern)
    , m_basis(basis)
{
}

void PrognoseModell::Zeige(const Vorschau* vorschau, const Verlauf* verlauf)
{
    beginResetModel();
    m_vorschau = vorschau;
    m_verlauf = verlauf;
    endResetModel();
}

int PrognoseModell::rowCount(const QModelIndex& eltern) const
{
    return eltern.isValid() || !m_verlauf ? 0 : static_cast<int>(m_verlauf->buchungen.size());
}

int PrognoseModell::columnCount(const QModelIndex& eltern) const
{
    return eltern.isValid() ? 0 : kAnzahlSpalten;
}

QString PrognoseModell::Text(int zeile, int spalte) const
{
    const VorschauBuchung& b = m_verlauf->buchungen[static_cast<size_t>(zeile)];
    const Vorschauauftrag& a = m_vorschau->auftraege[static_cast<size_t>(b.nAuftrag)];
    switch (spalte) {
        case kDatum:
            return AlsQString(DatumsText(b.nDatum, m_basis.Deutsch()));
        case kAuftrag:
            return AlsQString(a.strText);
        case kZahler:
            return AlsQString(a.strZahler);
        case kEmpfaenger:
            return AlsQString(a.strEmpfaenger);
        case kBetrag:
            return AlsQString(Format("%5.2f", b.dBetrag));
        default:
            return AlsQString(Format("%5.2f", b.dStand));
    }
}

QVariant PrognoseModell::data(const QModelIndex& index, int rolle) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const VorschauBuchung& b = m_verlauf->buchungen[static_cast<size_t>(index.row())];
    switch (rolle) {
        case Qt::DisplayRole:
            return Text(index.row(), index.column());
        case Qt::AccessibleTextRole:
            return Text(index.row(), index.column()).trimmed();
        case Qt::ForegroundRole:
            if (index.column() == kBetrag)
                return QBrush(AlsFarbe(m_basis.m_aFarben[b.dBetrag < 0 ? 1 : 0]));
            if (index.column() == kStand)
                return QBrush(b.dStand < 0 ? AlsFarbe(m_basis.m_aFarben[1]) : QColor(Qt::black));
            return QBrush(Qt::black);
        case Qt::TextAlignmentRole:
            return index.column() >= kBetrag ? int(Qt::AlignRight | Qt::AlignVCenter)
                                             : int(Qt::AlignLeft | Qt::AlignVCenter);
        default:
            return {};
    }
}

QVariant PrognoseModell::headerData(int abschnitt, Qt::Orientation richtung, int rolle) const
{
    if (richtung != Qt::Horizontal || rolle != Qt::DisplayRole)
        return {};
    const bool deutsch = m_basis.Deutsch();
    switch (abschnitt) {
        case kDatum:
            return Sprachtext(deutsch, "Datum", "Date");
        case kAuftrag:
            return Sprachtext(deutsch, "Auftrag", "Order");
        case kZahler:
            return Sprachtext(deutsch, "Auftraggeber", "Payer");
        case kEmpfaenger:
            return Sprachtext(deutsch, "Empfänger", "Payee");
        case kBetrag:
            return Sprachtext(deutsch, "Betrag", "Amount");
        default:
            return Sprachtext(deutsch, "Stand danach", "Balance after");
    }
}

} // namespace velmora
