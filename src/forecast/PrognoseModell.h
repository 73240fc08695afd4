#pragma once

// The upcoming bookings of the forecast window: date, order, payer, payee, what the balance gains and the
// balance after it; credits in the income colour, debits and balances below zero in the expense colour.

#include <QAbstractTableModel>

namespace velmora {

class CBasis;
struct Verlauf;
struct Vorschau;

class PrognoseModell final : public QAbstractTableModel
{
    Q_OBJECT
public:
    enum Spalte
    {
        kDatum,
        kAuftrag,
        kZahler,
        kEmpfaenger,
        kBetrag,
        kStand,
        kAnzahlSpalten
    };

    explicit PrognoseModell(const CBasis& basis, QObject* eltern = nullptr);

    // Lists the bookings of one account, member or the family of a forecast, which must outlive the next call.
    void Zeige(const Vorschau* vorschau, const Verlauf* verlauf);

    int rowCount(const QModelIndex& eltern = {}) const override;
    int columnCount(const QModelIndex& eltern = {}) const override;
    QVariant data(const QModelIndex& index, int rolle) const override;
    QVariant headerData(int abschnitt, Qt::Orientation richtung, int rolle) const override;

private:
    QString Text(int zeile, int spalte) const;

    const CBasis& m_basis;
    const Vorschau* m_vorschau = nullptr;
    const Verlauf* m_verlauf = nullptr;
};

} // namespace velmora
