#pragma once

// The rows of the standing-order list, read from the listing in data(): the icon of the active and the
// marked order, the texts, the amount, the cycle text and the end; deleted and ended orders grey, the
// others in the colour of their kind, cells matching the search red on yellow.

#include <QAbstractTableModel>

namespace velmora {

class CBasis;
class DauerAuftragsListe;

// The caption of a column 1 to 9 in the book's language.
QString DauerAuftragsKopf(int sprache, int spalte);

class DauerAuftragModell final : public QAbstractTableModel
{
    Q_OBJECT
public:
    DauerAuftragModell(const CBasis& basis, const DauerAuftragsListe& liste, QObject* eltern = nullptr);

    // The listing has new rows.
    void Neu();
    // Rows keep their orders; their look changed (mark, search).
    void Auffrischen();

    int rowCount(const QModelIndex& eltern = {}) const override;
    int columnCount(const QModelIndex& eltern = {}) const override;
    QVariant data(const QModelIndex& index, int rolle) const override;
    QVariant headerData(int abschnitt, Qt::Orientation richtung, int rolle) const override;

private:
    QColor Textfarbe(int zeile) const;
    QString Zustand(int zeile) const;

    const CBasis& m_basis;
    const DauerAuftragsListe& m_liste;
};

} // namespace velmora
