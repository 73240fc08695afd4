#pragma once

// The balance list of the main window: a hidden sign column, "member, account", the balance and the
// forecast balance at the end of the month.

#include "Kontostaende.h"

#include <QAbstractTableModel>
#include <array>

class QTableView;

namespace velmora {

class CBasis;

// The amounts take what their widest cell or heading needs, the names the rest of the width w.
void RichteKontostandSpaltenEin(QTableView& liste, int w);

class KontostandModell final : public QAbstractTableModel
{
    Q_OBJECT
public:
    enum Spalte
    {
        kVorzeichen,
        kName,
        kBetrag,
        kMonatsende,
        kAnzahlSpalten
    };

    explicit KontostandModell(const CBasis& basis, QObject* eltern = nullptr);

    // Reads the balances again from the store.
    void Fuelle();

    int rowCount(const QModelIndex& eltern = {}) const override;
    int columnCount(const QModelIndex& eltern = {}) const override;
    QVariant data(const QModelIndex& index, int rolle) const override;
    QVariant headerData(int abschnitt, Qt::Orientation richtung, int rolle) const override;

private:
    const CBasis& m_basis;
    std::vector<KontostandZeile> m_zeilen;
};

} // namespace velmora
