#include "Kleindialog.h"

#include <QAbstractItemView>
#include <QWidget>

namespace velmora {

QPoint ZellenEcke(const QAbstractItemView& liste, const QModelIndex& zelle)
{
    return liste.viewport()->mapToGlobal(liste.visualRect(zelle).topLeft());
}

void PlatziereBei(QWidget& dialog, QPoint ort)
{
    dialog.move(ort + QPoint(10, 15));
}

} // namespace velmora
