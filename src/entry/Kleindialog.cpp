#include "Kleindialog.h"

#include "QtText.h"

#include <QAbstractItemView>
#include <QPushButton>
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

void RichteAntwortknoepfeEin(bool deutsch, std::span<const Antwortknopf> knoepfe, QObject* kontext,
                             const std::function<void(int wahl)>& waehle)
{
    for (const Antwortknopf& k : knoepfe) {
        k.knopf->setText(Sprachtext(deutsch, k.de, k.en));
        k.knopf->setAccessibleName(k.knopf->text());
        QObject::connect(k.knopf, &QPushButton::clicked, kontext, [waehle, wahl = k.wahl] { waehle(wahl); });
    }
}

} // namespace velmora
