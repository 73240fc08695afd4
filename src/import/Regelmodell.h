#pragma once

// The rules of the import in their order, one row each: its number, its conditions and what it sets.

#include <QAbstractTableModel>
#include <vector>

namespace velmora {

class CBasis;
struct Importregel;

class Regelmodell final : public QAbstractTableModel
{
    Q_OBJECT
public:
    enum Spalte
    {
        kNr = 0,
        kWenn,
        kDann,
        kSpalten
    };

    Regelmodell(const CBasis& basis, const std::vector<Importregel>& regeln, QObject* eltern = nullptr);

    // The rules changed under the model.
    void Neu();

    int rowCount(const QModelIndex& eltern = {}) const override;
    int columnCount(const QModelIndex& eltern = {}) const override;
    QVariant data(const QModelIndex& index, int rolle) const override;
    QVariant headerData(int abschnitt, Qt::Orientation richtung, int rolle) const override;

private:
    const CBasis& m_basis;
    const std::vector<Importregel>& m_regeln;
};

} // namespace velmora
