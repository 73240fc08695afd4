#include "Tabellenzugang.h"

#include <QAccessibleWidget>
#include <QHash>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QPointer>
#include <QTableView>
#include <QWindow>

#include <utility>

namespace velmora {

namespace {

constexpr const char* kMerkmal = "velmoraKopfaktion";

// What the cells and the header cells share: no children, no object of their own, the list's window.
class Teil : public QAccessibleInterface
{
public:
    explicit Teil(QTableView* liste)
        : m_liste(liste)
    {
    }

    bool isValid() const override { return !m_liste.isNull(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return m_liste ? m_liste->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(m_liste.data()); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    void setText(QAccessible::Text, const QString&) override {}

protected:
    QPointer<QTableView> m_liste;
};

class Kopfzelle final
    : public Teil
    , public QAccessibleActionInterface
{
public:
    Kopfzelle(QTableView* liste, int spalte)
        : Teil(liste)
        , m_nSpalte(spalte)
    {
    }

    QString text(QAccessible::Text art) const override
    {
        if (!m_liste || !m_liste->model() || art != QAccessible::Name)
            return {};
        return m_liste->model()->headerData(m_nSpalte, Qt::Horizontal).toString();
    }
    QRect rect() const override
    {
        if (!m_liste)
            return {};
        const QHeaderView* kopf = m_liste->horizontalHeader();
        const QRect ort(kopf->sectionViewportPosition(m_nSpalte), 0, kopf->sectionSize(m_nSpalte), kopf->height());
        return ort.translated(kopf->viewport()->mapToGlobal(QPoint(0, 0)));
    }
    QAccessible::Role role() const override { return QAccessible::ColumnHeader; }
    QAccessible::State state() const override
    {
        QAccessible::State zustand;
        zustand.invisible = !m_liste || m_liste->horizontalHeader()->isSectionHidden(m_nSpalte);
        return zustand;
    }
    void* interface_cast(QAccessible::InterfaceType typ) override
    {
        return typ == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this) : nullptr;
    }

    QStringList actionNames() const override
    {
        return m_liste && m_liste->horizontalHeader()->sectionsClickable() ? QStringList{pressAction()} : QStringList{};
    }
    // The list answers the header's click signal, whether a pointer or this action sent it.
    void doAction(const QString& aktion) override
    {
        if (aktion == pressAction() && !actionNames().isEmpty())
            emit m_liste->horizontalHeader()->sectionClicked(m_nSpalte);
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    int m_nSpalte;
};

class Zelle final
    : public Teil
    , public QAccessibleTableCellInterface
{
public:
    Zelle(QTableView* liste, int zeile, int spalte)
        : Teil(liste)
        , m_nZeile(zeile)
        , m_nSpalte(spalte)
    {
    }

    bool isValid() const override { return Index().isValid(); }
    QString text(QAccessible::Text art) const override
    {
        const QModelIndex index = Index();
        if (art == QAccessible::Description)
            return index.data(Qt::AccessibleDescriptionRole).toString();
        if (art != QAccessible::Name)
            return {};
        const QVariant name = index.data(Qt::AccessibleTextRole);
        return name.isValid() ? name.toString() : index.data(Qt::DisplayRole).toString();
    }
    QRect rect() const override
    {
        if (!m_liste)
            return {};
        return m_liste->visualRect(Index()).translated(m_liste->viewport()->mapToGlobal(QPoint(0, 0)));
    }
    QAccessible::Role role() const override { return QAccessible::Cell; }
    QAccessible::State state() const override
    {
        QAccessible::State zustand;
        if (!isValid())
            return zustand;
        const QRect sichtbar(m_liste->viewport()->mapToGlobal(QPoint(0, 0)), m_liste->viewport()->size());
        zustand.invisible = !sichtbar.intersects(rect());
        zustand.selectable = m_liste->selectionMode() != QAbstractItemView::NoSelection;
        zustand.focusable = zustand.selectable;
        zustand.selected = isSelected();
        zustand.focused = m_liste->currentIndex() == Index();
        return zustand;
    }
    void* interface_cast(QAccessible::InterfaceType typ) override
    {
        return typ == QAccessible::TableCellInterface ? static_cast<QAccessibleTableCellInterface*>(this) : nullptr;
    }

    bool isSelected() const override
    {
        return m_liste && m_liste->selectionModel() && m_liste->selectionModel()->isSelected(Index());
    }
    QList<QAccessibleInterface*> columnHeaderCells() const override
    {
        QAccessibleInterface* ganzes = parent();
        if (!ganzes || m_liste->horizontalHeader()->isHidden())
            return {};
        return {ganzes->child(m_nSpalte)};
    }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return m_nSpalte; }
    int rowIndex() const override { return m_nZeile; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override { return parent(); }

private:
    QModelIndex Index() const
    {
        return m_liste && m_liste->model() ? m_liste->model()->index(m_nZeile, m_nSpalte) : QModelIndex();
    }

    int m_nZeile;
    int m_nSpalte;
};

class Tabelle final
    : public QAccessibleWidget
    , public QAccessibleTableInterface
{
public:
    explicit Tabelle(QTableView* liste)
        : QAccessibleWidget(liste, QAccessible::Table)
    {
    }
    ~Tabelle() override { Vergiss(); }

    int childCount() const override { return Koepfe() + rowCount() * columnCount(); }
    QAccessibleInterface* child(int nummer) const override
    {
        if (nummer < 0 || nummer >= childCount())
            return nullptr;
        if (QAccessibleInterface* bekannt = QAccessible::accessibleInterface(m_kinder.value(nummer)))
            return bekannt;
        QAccessibleInterface* kind = nullptr;
        if (nummer < Koepfe())
            kind = new Kopfzelle(Liste(), nummer);
        else
            kind = new Zelle(Liste(), (nummer - Koepfe()) / columnCount(), (nummer - Koepfe()) % columnCount());
        m_kinder.insert(nummer, QAccessible::registerAccessibleInterface(kind));
        return kind;
    }
    int indexOfChild(const QAccessibleInterface* kind) const override
    {
        if (!kind)
            return -1;
        if (kind->role() == QAccessible::ColumnHeader)
            return m_kinder.key(QAccessible::uniqueId(const_cast<QAccessibleInterface*>(kind)), -1);
        const QAccessibleTableCellInterface* zelle = const_cast<QAccessibleInterface*>(kind)->tableCellInterface();
        return zelle ? Nummer(zelle->rowIndex(), zelle->columnIndex()) : -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override
    {
        const QPoint ort = Liste()->viewport()->mapFromGlobal(QPoint(x, y));
        const QModelIndex index = Liste()->indexAt(ort);
        if (index.isValid() && Liste()->viewport()->rect().contains(ort))
            return child(Nummer(index.row(), index.column()));
        const QHeaderView* kopf = Liste()->horizontalHeader();
        const QPoint imKopf = kopf->viewport()->mapFromGlobal(QPoint(x, y));
        const int spalte = kopf->logicalIndexAt(imKopf);
        return Koepfe() > 0 && kopf->viewport()->rect().contains(imKopf) && spalte >= 0 ? child(spalte) : nullptr;
    }
    QAccessibleInterface* focusChild() const override
    {
        const QModelIndex aktuell = Liste()->currentIndex();
        return Liste()->hasFocus() && aktuell.isValid() ? child(Nummer(aktuell.row(), aktuell.column())) : nullptr;
    }
    void* interface_cast(QAccessible::InterfaceType typ) override
    {
        if (typ == QAccessible::TableInterface)
            return static_cast<QAccessibleTableInterface*>(this);
        return QAccessibleWidget::interface_cast(typ);
    }

    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int zeile, int spalte) const override
    {
        if (zeile < 0 || spalte < 0 || zeile >= rowCount() || spalte >= columnCount())
            return nullptr;
        return child(Nummer(zeile, spalte));
    }
    int columnCount() const override { return Liste()->model() ? Liste()->model()->columnCount() : 0; }
    int rowCount() const override { return Liste()->model() ? Liste()->model()->rowCount() : 0; }
    QString columnDescription(int spalte) const override
    {
        return Liste()->model() ? Liste()->model()->headerData(spalte, Qt::Horizontal).toString() : QString();
    }
    QString rowDescription(int) const override { return {}; }
    int selectedCellCount() const override { return static_cast<int>(Gewaehlt().size()); }
    QList<QAccessibleInterface*> selectedCells() const override
    {
        QList<QAccessibleInterface*> zellen;
        for (const QModelIndex& index : Gewaehlt())
            zellen << cellAt(index.row(), index.column());
        return zellen;
    }
    int selectedColumnCount() const override { return 0; }
    QList<int> selectedColumns() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    int selectedRowCount() const override { return static_cast<int>(selectedRows().size()); }
    QList<int> selectedRows() const override
    {
        QList<int> zeilen;
        if (QItemSelectionModel* wahl = Liste()->selectionModel()) {
            for (const QModelIndex& index : wahl->selectedRows())
                zeilen << index.row();
        }
        return zeilen;
    }
    bool isRowSelected(int zeile) const override
    {
        return Liste()->selectionModel() && Liste()->selectionModel()->isRowSelected(zeile, {});
    }
    // Choosing a row is what a click on it shows: it becomes the current row, and the window's filter
    // clicks are left to the pointer.
    bool selectRow(int zeile) override
    {
        if (zeile < 0 || zeile >= rowCount() || Liste()->selectionMode() == QAbstractItemView::NoSelection)
            return false;
        Liste()->setCurrentIndex(Liste()->model()->index(zeile, 0));
        return true;
    }
    bool unselectRow(int zeile) override
    {
        if (!isRowSelected(zeile))
            return false;
        Liste()->selectionModel()->clearSelection();
        return true;
    }
    bool selectColumn(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    // The cells know only their row and column: a changed value needs nothing; rows that came or went
    // renumber the cells, which are made anew when next asked for.
    void modelChange(QAccessibleTableModelChangeEvent* ereignis) override
    {
        if (ereignis->modelChangeType() != QAccessibleTableModelChangeEvent::DataChanged)
            Vergiss();
    }

private:
    QTableView* Liste() const { return static_cast<QTableView*>(widget()); }
    int Koepfe() const { return Liste()->horizontalHeader()->isHidden() ? 0 : columnCount(); }
    int Nummer(int zeile, int spalte) const { return Koepfe() + zeile * columnCount() + spalte; }
    QModelIndexList Gewaehlt() const
    {
        return Liste()->selectionModel() ? Liste()->selectionModel()->selectedIndexes() : QModelIndexList();
    }
    void Vergiss()
    {
        const QHash<int, QAccessible::Id> kinder = std::exchange(m_kinder, {});
        for (const QAccessible::Id id : kinder)
            QAccessible::deleteAccessibleInterface(id);
    }

    mutable QHash<int, QAccessible::Id> m_kinder;
};

QAccessibleInterface* Fabrik(const QString&, QObject* objekt)
{
    auto* liste = qobject_cast<QTableView*>(objekt);
    return liste && liste->property(kMerkmal).toBool() ? new Tabelle(liste) : nullptr;
}

} // namespace

void MacheKoepfeBedienbar(QTableView& liste)
{
    static const bool eingerichtet = [] {
        QAccessible::installFactory(&Fabrik);
        return true;
    }();
    (void)eingerichtet;
    liste.setProperty(kMerkmal, true);
}

} // namespace velmora
