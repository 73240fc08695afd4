// The report lists' accessibility interface: numbered as Qt numbers a table's children in its focus
// events, headers that sort by their action, cells that tell their text and selection, and rows that
// come and go.

#include "Tabellenzugang.h"
#include "Listenansicht.h"

#include <QAccessible>
#include <QApplication>
#include <QHeaderView>
#include <QSignalSpy>
#include <QStandardItemModel>
#include <QTableView>
#include <gtest/gtest.h>

#include <utility>

namespace velmora::test {
namespace {

TEST(Tabellenzugang, KoepfeZellenAuswahlUndZeilenwechsel)
{
    QStandardItemModel modell(3, 2);
    modell.setHorizontalHeaderLabels({QStringLiteral("Name"), QStringLiteral("Betrag")});
    for (int zeile = 0; zeile < 3; ++zeile) {
        modell.setItem(zeile, 0, new QStandardItem(QStringLiteral("Zeile %1").arg(zeile)));
        modell.setItem(zeile, 1, new QStandardItem(QString::number(zeile * 10)));
    }
    modell.item(2, 1)->setData(QStringLiteral("Treffer"), Qt::AccessibleDescriptionRole);
    QTableView liste;
    RichteListenansichtEin(liste);
    MacheKoepfeBedienbar(liste);
    liste.setModel(&modell);
    liste.resize(300, 200);
    liste.show();
    QApplication::processEvents();

    QAccessibleInterface* zugang = QAccessible::queryAccessibleInterface(&liste);
    ASSERT_NE(nullptr, zugang);
    QAccessibleTableInterface* tabelle = zugang->tableInterface();
    ASSERT_NE(nullptr, tabelle);
    EXPECT_EQ(QAccessible::Table, zugang->role());
    EXPECT_EQ(2 + 3 * 2, zugang->childCount());
    QAccessibleInterface* kopf = zugang->child(1);
    EXPECT_EQ(QAccessible::ColumnHeader, kopf->role());
    EXPECT_EQ(QStringLiteral("Betrag"), kopf->text(QAccessible::Name));
    // Cell (row 2, column 1) is child (2 + 1) * 2 + 1, as Qt's focus events count it.
    QAccessibleInterface* zelle = tabelle->cellAt(2, 1);
    EXPECT_EQ(zelle, zugang->child(7));
    EXPECT_EQ(7, zugang->indexOfChild(zelle));
    EXPECT_EQ(1, zugang->indexOfChild(kopf));
    EXPECT_EQ(QStringLiteral("20"), zelle->text(QAccessible::Name));
    EXPECT_EQ(QStringLiteral("Treffer"), zelle->text(QAccessible::Description));
    EXPECT_EQ(zelle, zugang->childAt(zelle->rect().center().x(), zelle->rect().center().y()));
    EXPECT_EQ(kopf, zugang->childAt(kopf->rect().center().x(), kopf->rect().center().y()));
    EXPECT_EQ(kopf, zelle->tableCellInterface()->columnHeaderCells().value(0));

    QSignalSpy geklickt(liste.horizontalHeader(), &QHeaderView::sectionClicked);
    ASSERT_NE(nullptr, kopf->actionInterface());
    kopf->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ((QList<QVariant>{1}), geklickt.value(0));

    EXPECT_FALSE(zelle->state().selected);
    liste.setCurrentIndex(modell.index(2, 1));
    EXPECT_EQ((std::pair{true, true}), (std::pair{bool(zelle->state().selected), bool(zelle->state().focused)}));
    EXPECT_EQ((QList<int>{2}), tabelle->selectedRows());
    EXPECT_TRUE(tabelle->selectRow(0));
    EXPECT_EQ((QList<int>{0}), tabelle->selectedRows());
    EXPECT_FALSE(zelle->state().selected);

    modell.removeRows(0, 2);
    EXPECT_EQ(2 + 1 * 2, zugang->childCount());
    EXPECT_EQ(nullptr, tabelle->cellAt(1, 0));
    EXPECT_EQ(QStringLiteral("20"), tabelle->cellAt(0, 1)->text(QAccessible::Name));
}

} // namespace
} // namespace velmora::test
