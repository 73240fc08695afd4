#include "KontostandModell.h"

#include "Basis.h"
#include "MaleText.h"
#include "QtText.h"
#include "Text.h"

#include <QBrush>
#include <QHeaderView>
#include <QTableView>
#include <algorithm>

namespace velmora {

void RichteKontostandSpaltenEin(QTableView& liste, int w)
{
    // QTableView hides the measure its base class offers.
    const QAbstractItemView& ansicht = liste;
    int rest = w;
    for (int spalte : {KontostandModell::kBetrag, KontostandModell::kMonatsende}) {
        const int breite =
            std::max(ansicht.sizeHintForColumn(spalte), liste.horizontalHeader()->sectionSizeHint(spalte));
        liste.setColumnWidth(spalte, breite);
        rest -= breite;
    }
    liste.setColumnWidth(KontostandModell::kVorzeichen, 1);
    liste.setColumnWidth(KontostandModell::kName, std::max(rest, 0));
}

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
            return AlsQString(index.column() == kBetrag ? zeile.strBetrag : zeile.strMonatsEnde);
        case Qt::AccessibleTextRole:
            if (index.column() == kName)
                return AlsQString(zeile.strName);
            if (index.column() == kBetrag)
                return AlsQString(zeile.strBetrag).trimmed();
            if (index.column() == kMonatsende)
                return AlsQString(zeile.strMonatsEnde).trimmed();
            return {};
        case Qt::ToolTipRole:
            if (index.column() == kMonatsende && zeile.nErstesMinus != 0)
                return AlsQString(DatumsText(zeile.nErstesMinus, m_basis.Deutsch()))
                    .trimmed()
                    .prepend(Sprachtext(m_basis.Deutsch(), "Unter null ab ", "Below zero from "));
            return {};
        case Qt::ForegroundRole:
            if (index.column() == kBetrag)
                return QBrush(AlsFarbe(m_basis.m_aFarben[zeile.bNegativ ? 1 : 0]));
            if (index.column() == kMonatsende)
                return QBrush(AlsFarbe(m_basis.m_aFarben[zeile.bMonatsEndeNegativ ? 1 : 0]));
            return QBrush(Qt::black);
        case Qt::BackgroundRole:
            return QBrush(Qt::white);
        case Qt::TextAlignmentRole:
            return index.column() >= kBetrag ? int(Qt::AlignRight | Qt::AlignVCenter)
                                             : int(Qt::AlignLeft | Qt::AlignVCenter);
        default:
            return {};
    }
}

QVariant KontostandModell::headerData(int abschnitt, Qt::Orientation richtung, int rolle) const
{
    if (richtung == Qt::Horizontal && rolle == Qt::ToolTipRole && abschnitt == kMonatsende)
        return Sprachtext(m_basis.Deutsch(),
                          "Der Stand am Monatsende nach den Daueraufträgen.\nDoppelklick auf ein Konto zeigt seine "
                          "Vorschau.",
                          "The balance at the end of the month after the standing orders.\nDouble-click an account "
                          "for its forecast.");
    if (richtung != Qt::Horizontal || rolle != Qt::DisplayRole)
        return {};
    switch (abschnitt) {
        case kName:
            return QStringLiteral("Name");
        case kBetrag:
            return m_basis.Deutsch() ? QStringLiteral("Konto-Stand") : QStringLiteral("Amount");
        case kMonatsende:
            return m_basis.Deutsch() ? QStringLiteral("Monatsende") : QStringLiteral("Month end");
        default:
            return QString();
    }
}

} // namespace velmora
