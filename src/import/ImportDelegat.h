#pragma once

// In-place editing of the import preview: payer, payee, beneficiary, category and sub-category are
// chosen from the rows the entry window's pickers offer, the date in the program's date field; the
// other fields use Qt's own editors.

#include <QPointer>
#include <QStyledItemDelegate>

namespace velmora {

class CBasis;

class ImportDelegat final : public QStyledItemDelegate
{
    Q_OBJECT
public:
    explicit ImportDelegat(CBasis& basis, QObject* eltern = nullptr);

    QWidget* createEditor(QWidget* eltern, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* modell, const QModelIndex& index) const override;
    void updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const override;

private:
    CBasis& m_basis;
    // The table's viewport, where the cells lie; the pickers sit on the window beside it.
    mutable QPointer<QWidget> m_viewport;
};

} // namespace velmora
