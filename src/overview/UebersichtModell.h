#pragma once

// The rows of the overview's listing as a table model. Rows are the listing's rows; every cell is
// formatted when the view asks for it, so a listing of thirty years costs nothing until it is seen.

#include <QAbstractTableModel>

namespace velmora {

class CBasis;
class OverviewListing;

class UebersichtModell final : public QAbstractTableModel
{
    Q_OBJECT
public:
    enum Spalte
    {
        kKennung = 0,
        kAuftraggeber,
        kEmpfaenger,
        kNutzniesser,
        kKategorie,
        kUKategorie,
        kKommentar,
        kBetrag,
        kDatum,
    };
    // The text "%d-%d" of column 0: m_nIndex and kind of the row's transaction.
    static constexpr int kKennungsRolle = Qt::UserRole;

    UebersichtModell(const OverviewListing& liste, const CBasis& basis, QObject* eltern = nullptr);

    // The listing was made anew.
    void Neu();
    // One row was rewritten (its icon changed).
    void ZeileNeu(int zeile);
    // The search text changed: every cell may change its colours.
    void FarbenNeu();

    int rowCount(const QModelIndex& eltern = {}) const override;
    int columnCount(const QModelIndex& eltern = {}) const override;
    QVariant data(const QModelIndex& index, int rolle) const override;
    QVariant headerData(int abschnitt, Qt::Orientation richtung, int rolle) const override;

private:
    QVariant Textfarbe(int zeile, int spalte) const;

    const OverviewListing& m_liste;
    const CBasis& m_basis;
};

} // namespace velmora
