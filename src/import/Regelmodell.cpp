#include "Regelmodell.h"

#include "Basis.h"
#include "Importregel.h"
#include "QtText.h"
#include "Regeltexte.h"

namespace velmora {

Regelmodell::Regelmodell(const CBasis& basis, const std::vector<Importregel>& regeln, QObject* eltern)
    : QAbstractTableModel(eltern)
    , m_basis(basis)
    , m_regeln(regeln)
{
}

void Regelmodell::Neu()
{
    beginResetModel();
    endResetModel();
}

int Regelmodell::rowCount(const QModelIndex& eltern) const
{
    return eltern.isValid() ? 0 : static_cast<int>(m_regeln.size());
}

int Regelmodell::columnCount(const QModelIndex& eltern) const
{
    return eltern.isValid() ? 0 : kSpalten;
}

QVariant Regelmodell::data(const QModelIndex& index, int rolle) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    if (rolle != Qt::DisplayRole && rolle != Qt::ToolTipRole && rolle != Qt::AccessibleTextRole)
        return {};
    const Importregel& regel = m_regeln[static_cast<size_t>(index.row())];
    switch (index.column()) {
        case kNr:
            return index.row() + 1;
        case kWenn:
            return Bedingungstext(regel, m_basis.Deutsch());
        case kDann:
            return Wirkungstext(regel, m_basis.Deutsch());
        default:
            return {};
    }
}

QVariant Regelmodell::headerData(int abschnitt, Qt::Orientation richtung, int rolle) const
{
    if (richtung != Qt::Horizontal || (rolle != Qt::DisplayRole && rolle != Qt::AccessibleTextRole))
        return {};
    const bool deutsch = m_basis.Deutsch();
    switch (abschnitt) {
        case kNr:
            return Sprachtext(deutsch, "Nr.", "No.");
        case kWenn:
            return Sprachtext(deutsch, "Wenn", "When");
        case kDann:
            return Sprachtext(deutsch, "Dann", "Then");
        default:
            return {};
    }
}

} // namespace velmora
