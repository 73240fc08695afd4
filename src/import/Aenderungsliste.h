#pragma once

// The bookings a rule would change, each with its tick: date, amount, external account and category
// before and after.

#include "Regelanwendung.h"

#include <QAbstractTableModel>
#include <vector>

namespace velmora {

class CBasis;

class Aenderungsliste final : public QAbstractTableModel
{
    Q_OBJECT
public:
    enum Spalte
    {
        kHaken = 0,
        kDatum,
        kBetrag,
        kKonto,
        kAlt,
        kNeu,
        kSpalten
    };

    Aenderungsliste(const CBasis& basis, std::vector<Regelaenderung> aenderungen, QObject* eltern = nullptr);

    // The ticked changes, in the list's order.
    std::vector<Regelaenderung> Angehakte() const;

    int rowCount(const QModelIndex& eltern = {}) const override;
    int columnCount(const QModelIndex& eltern = {}) const override;
    QVariant data(const QModelIndex& index, int rolle) const override;
    bool setData(const QModelIndex& index, const QVariant& wert, int rolle) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int abschnitt, Qt::Orientation richtung, int rolle) const override;

signals:
    void HakenGeaendert();

private:
    const CBasis& m_basis;
    std::vector<Regelaenderung> m_aenderungen;
    std::vector<char> m_haken;
};

} // namespace velmora
