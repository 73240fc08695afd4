#pragma once

// Draws every cell of the analyses' lists itself: a white cell, the label or the figure in its row's
// colour, and in the bar column income against expenses on the scale of the comparison.

#include <QStyledItemDelegate>
#include <functional>

namespace velmora {

class CBasis;

class Balkenmaler final : public QStyledItemDelegate
{
    Q_OBJECT
public:
    // massstab: the amount a bar of the whole cell width stands for; 0 draws no bars.
    Balkenmaler(const CBasis& basis, std::function<double()> massstab, QObject* eltern = nullptr);

    void paint(QPainter* maler, const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    void MaleBalken(QPainter& maler, const QRect& zelle, const QModelIndex& index) const;

    const CBasis& m_basis;
    std::function<double()> m_massstab;
};

} // namespace velmora
