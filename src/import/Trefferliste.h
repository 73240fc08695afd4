#pragma once

// The rule dialog's lists of what a rule matches: statement lines or bookings, each with its date,
// amount, counterparty and category (a line's purpose text in place of the category).

#include <QAbstractTableModel>
#include <vector>

namespace velmora {

class CBasis;

class Trefferliste final : public QAbstractTableModel
{
    Q_OBJECT
public:
    enum Spalte
    {
        kDatum = 0,
        kBetrag,
        kName,
        kKategorie,
        kSpalten
    };

    struct Zeile
    {
        int nDatum = 0;
        double dBetrag = 0.0; // signed: positive money in
        QString strName;
        QString strKategorie;
    };

    Trefferliste(const CBasis& basis, bool zeilen, QObject* eltern = nullptr);

    void Setze(std::vector<Zeile> zeilen);

    int rowCount(const QModelIndex& eltern = {}) const override;
    int columnCount(const QModelIndex& eltern = {}) const override;
    QVariant data(const QModelIndex& index, int rolle) const override;
    QVariant headerData(int abschnitt, Qt::Orientation richtung, int rolle) const override;

private:
    const CBasis& m_basis;
    const bool m_bZeilen;
    std::vector<Zeile> m_zeilen;
};

} // namespace velmora
