#include "Trefferliste.h"

#include "Basis.h"
#include "QtText.h"
#include "Text.h"
#include "Texte.h"

namespace velmora {

Trefferliste::Trefferliste(const CBasis& basis, bool zeilen, QObject* eltern)
    : QAbstractTableModel(eltern)
    , m_basis(basis)
    , m_bZeilen(zeilen)
{
}

void Trefferliste::Setze(std::vector<Zeile> zeilen)
{
    beginResetModel();
    m_zeilen = std::move(zeilen);
    endResetModel();
}

int Trefferliste::rowCount(const QModelIndex& eltern) const
{
    return eltern.isValid() ? 0 : static_cast<int>(m_zeilen.size());
}

int Trefferliste::columnCount(const QModelIndex& eltern) const
{
    return eltern.isValid() ? 0 : kSpalten;
}

QVariant Trefferliste::data(const QModelIndex& index, int rolle) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const Zeile& z = m_zeilen[static_cast<size_t>(index.row())];
    if (rolle == Qt::TextAlignmentRole)
        return index.column() == kBetrag ? QVariant(Qt::AlignRight | Qt::AlignVCenter) : QVariant();
    if (rolle != Qt::DisplayRole && rolle != Qt::ToolTipRole && rolle != Qt::AccessibleTextRole)
        return {};
    switch (index.column()) {
        case kDatum:
            return AlsQString(DatumsText(z.nDatum, m_basis.Deutsch()));
        case kBetrag:
            return QString::asprintf("%5.2f", z.dBetrag);
        case kName:
            return z.strName;
        case kKategorie:
            return z.strKategorie;
        default:
            return {};
    }
}

QVariant Trefferliste::headerData(int abschnitt, Qt::Orientation richtung, int rolle) const
{
    if (richtung != Qt::Horizontal || (rolle != Qt::DisplayRole && rolle != Qt::AccessibleTextRole))
        return {};
    const int sprache = m_basis.m_nSprache;
    switch (abschnitt) {
        case kDatum:
            return Zeichenkette(sprache, kTxtDatum);
        case kBetrag:
            return Zeichenkette(sprache, kTxtBetrag);
        case kName:
            return Sprachtext(m_basis.Deutsch(), "Gegenüber", "Counterparty");
        case kKategorie:
            return m_bZeilen ? Sprachtext(m_basis.Deutsch(), "Verwendungszweck", "Purpose")
                             : Zeichenkette(sprache, kTxtKategorie);
        default:
            return {};
    }
}

} // namespace velmora
