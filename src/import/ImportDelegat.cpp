#include "ImportDelegat.h"

#include "Auswahllisten.h"
#include "ImportModell.h"
#include "QtText.h"

#include <QComboBox>

namespace velmora {

namespace {

// The picker list behind a column, or -1 for a column edited as text, number or date.
int ListeVon(int spalte)
{
    switch (spalte) {
        case ImportModell::kZahler:
            return kZahlerListe;
        case ImportModell::kEmpfaenger:
            return kEmpfaengerListe;
        case ImportModell::kNutzniesser:
            return kNutzniesserListe;
        case ImportModell::kKategorie:
            return kKategorieListe;
        case ImportModell::kUKategorie:
            return kUKategorieListe;
        default:
            return -1;
    }
}

} // namespace

ImportDelegat::ImportDelegat(CBasis& basis, QObject* eltern)
    : QStyledItemDelegate(eltern)
    , m_basis(basis)
{
}

QWidget* ImportDelegat::createEditor(QWidget* eltern, const QStyleOptionViewItem& option,
                                     const QModelIndex& index) const
{
    const int liste = ListeVon(index.column());
    if (liste < 0)
        return QStyledItemDelegate::createEditor(eltern, option, index);
    auto* auswahl = new QComboBox(eltern);
    auswahl->setAccessibleName(index.model()->headerData(index.column(), Qt::Horizontal).toString());
    const std::string kategorie =
        AlsCp1252(index.siblingAtColumn(ImportModell::kKategorie).data(Qt::EditRole).toString());
    for (const std::string& text :
         AuswahlTexte(m_basis, static_cast<Auswahlliste>(liste), KategoriePosition(m_basis, kategorie)))
        auswahl->addItem(AlsQString(text));
    // A counterparty still to be created is not in the store's lists yet.
    const QString jetzt = index.data(Qt::EditRole).toString();
    if (!jetzt.isEmpty() && auswahl->findText(jetzt) < 0)
        auswahl->insertItem(0, jetzt);
    // A choice counts at once, as a click in the entry window's lists does.
    auto* selbst = const_cast<ImportDelegat*>(this);
    connect(auswahl, &QComboBox::activated, selbst, [selbst, auswahl] {
        emit selbst->commitData(auswahl);
        emit selbst->closeEditor(auswahl);
    });
    return auswahl;
}

void ImportDelegat::setEditorData(QWidget* editor, const QModelIndex& index) const
{
    if (auto* auswahl = qobject_cast<QComboBox*>(editor)) {
        auswahl->setCurrentIndex(auswahl->findText(index.data(Qt::EditRole).toString()));
        return;
    }
    QStyledItemDelegate::setEditorData(editor, index);
}

void ImportDelegat::setModelData(QWidget* editor, QAbstractItemModel* modell, const QModelIndex& index) const
{
    if (auto* auswahl = qobject_cast<QComboBox*>(editor)) {
        if (auswahl->currentIndex() >= 0)
            modell->setData(index, auswahl->currentText(), Qt::EditRole);
        return;
    }
    QStyledItemDelegate::setModelData(editor, modell, index);
}

} // namespace velmora
