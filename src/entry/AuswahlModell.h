#pragma once

// One picker list of the entry window: its rows are the store's TempList records of that list, the
// chosen row carries the arrow icon, and in the payer and payee lists family accounts are blue.

#include "Auswahllisten.h"

#include <QAbstractTableModel>

namespace velmora {

class CBasis;

class AuswahlModell final : public QAbstractTableModel
{
    Q_OBJECT
public:
    AuswahlModell(CBasis& basis, Auswahlliste liste, QObject* eltern = nullptr);

    Auswahlliste Liste() const { return m_liste; }
    const OwnedList<TempList>& Zeilen() const;
    // Text of a row; empty for a row that does not exist.
    std::string Text(int zeile) const;

    // The chosen row (-1 = none). Only the window's choice sets it; the view's highlight follows it.
    int Gewaehlt() const { return m_nGewaehlt; }
    void SetzeGewaehlt(int zeile);

    // Refills the rows from the store (the sub-category list from that category of the store).
    void Fuelle(int kategorieIndex);
    // Refills the payer or payee rows after the accounts changed: family accounts first.
    void FuelleKonten();
    void Sortiere(bool absteigend);

    int rowCount(const QModelIndex& eltern = {}) const override;
    int columnCount(const QModelIndex& eltern = {}) const override;
    QVariant data(const QModelIndex& index, int rolle) const override;
    QVariant headerData(int abschnitt, Qt::Orientation richtung, int rolle) const override;

private:
    CBasis& m_basis;
    Auswahlliste m_liste;
    int m_nGewaehlt = -1;
};

} // namespace velmora
