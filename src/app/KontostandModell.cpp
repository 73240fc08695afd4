#include "KontostandModell.h"

#include "Basis.h"
#include "MaleText.h"
#include "QtText.h"

#include <QBrush>

namespace velmora {

KontostandModell::KontostandModell(const CBasis& basis, QObject* eltern)
    : QAbstractTableModel(eltern)
    , m_basis(basis)
{
}

void KontostandModell::Fuelle()
{
    beginResetModel();
    m_zeilen = Kontostaende(m_basis);
    endResetModel();
}

int KontostandModell::rowCount(const QModelIndex& eltern) const
{
    return eltern.isValid() ? 0 : static_cast<int>(m_zeilen.size());
}

int KontostandModell::columnCount(const QModelIndex& eltern) const
{
    return eltern.isValid() ? 0 : kAnzahlSpalten;
}

QVariant KontostandModell::data(const QModelIndex& index, int rolle) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const KontostandZeile& zeile = m_zeilen[static_cast<size_t>(index.row())];
    switch (rolle) {
        case Qt::DisplayRole:
            if (index.column() == kVorzeichen)
                return zeile.bNegativ ? QStringLiteral("1") : QStringLiteral("0");
            if (index.column() == kName)
                return AlsQString(zeile.strName);
            return AlsQString(zeile.strBetrag);
        case Qt::AccessibleTextRole:
            if (index.column() == kName)
                return AlsQString(zeile.strName);
            if (index.column() == kBetrag)
                return AlsQString(zeile.strBetrag).trimmed();
            return {};
        case Qt::ForegroundRole:
            if (index.column() == kBetrag)
                return QBrush(AlsFarbe(m_basis.m_aFarben[zeile.bNegativ ? 1 : 0]));
            return QBrush(Qt::black);
        case Qt::BackgroundRole:
            return QBrush(Qt::white);
        case Qt::TextAlignmentRole:
            return index.column() == kBetrag ? int(Qt::AlignRight | Qt::AlignVCenter)
                                             : int(Qt::AlignLeft | Qt::AlignVCenter);
        default:
            return {};
    }
}

QVariant KontostandModell::headerData(int abschnitt, Qt::Orientation richtung, int rolle) const
{
    if (richtung != Qt::Horizontal || rolle != Qt::DisplayRole)
        return {};
    switch (abschnitt) {
        case kName:
            return QStringLiteral("Name");
        case kBetrag:
            return m_basis.Deutsch() ? QStringLiteral("Konto-Stand") : QStringLiteral("Amount");
        default:
            return QString();
    }
}

} // namespace velmora
