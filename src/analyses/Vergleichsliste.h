#pragma once

// The rows of the analyses' two lists: the annual list (two rows per month, year B above year A) and the
// monthly list (two rows per category or sub-category, month B above month A). The cells hold the
// texts a screen reader reads; the list's painter draws them, and the bars, from the same rows.

#include "Records.h"
#include "Vergleich.h"

#include <QAbstractTableModel>
#include <QColor>
#include <vector>

namespace velmora {

class CBasis;

// The colours of one period's rows: label, income and expenses.
struct Periodenfarben
{
    QColor beschriftung;
    QColor einnahmen;
    QColor ausgaben;
};
Periodenfarben FarbenDer(const CBasis& basis, Periode periode);
// Equal income and expenses, and a difference of 0.
inline const QColor kAusgeglichenFarbe(164, 164, 164);

class Vergleichsliste final : public QAbstractTableModel
{
    Q_OBJECT
public:
    enum Art
    {
        kJahre,
        kMonate
    };
    enum Spalte
    {
        kBeschriftung,
        kBalken,
        kEinnahmen,
        kAusgaben,
        kDifferenz,
        kSpalten
    };
    // What a cell tells its painter besides its text.
    enum Rolle
    {
        kEinnahmenRolle = Qt::UserRole, // double
        kAusgabenRolle,                 // double
        kPeriodeRolle,                  // Periode
    };

    Vergleichsliste(const CBasis& basis, const Vergleich& vergleich, Art art, QObject* eltern = nullptr);

    // Takes the rows afresh from the comparison. The monthly rows are copies, so that a category the
    // settings remove never leaves the list pointing into the void before the next refresh.
    void Fuelle();
    // The category or sub-category of a monthly row, or null.
    const CUKategorie* EintragDerZeile(int zeile) const;

    int rowCount(const QModelIndex& eltern = {}) const override;
    int columnCount(const QModelIndex& eltern = {}) const override;
    QVariant data(const QModelIndex& index, int rolle = Qt::DisplayRole) const override;
    QVariant headerData(int abschnitt, Qt::Orientation richtung, int rolle = Qt::DisplayRole) const override;

private:
    Periodensumme Summe(int zeile) const;
    QString Beschriftung(int zeile) const;
    QString Zeilenname(int zeile) const;
    QColor Textfarbe(int zeile, int spalte) const;

    const CBasis& m_basis;
    const Vergleich& m_vergleich;
    Art m_art;
    std::vector<CUKategorie> m_eintraege;
};

} // namespace velmora
