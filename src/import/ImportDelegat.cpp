#include "ImportDelegat.h"

#include "Auswahllisten.h"
#include "Basis.h"
#include "Datumsfeld.h"
#include "ImportModell.h"
#include "QtText.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QWheelEvent>

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

// The category editor of a cell: a drop-down whose arrow keys, typed letters and wheel open the list
// instead of changing the value, so that only a choice confirmed in the list (Return or a click) counts.
class Zellauswahl final : public QComboBox
{
public:
    using QComboBox::QComboBox;

protected:
    void keyPressEvent(QKeyEvent* ereignis) override
    {
        switch (ereignis->key()) {
            case Qt::Key_Up:
            case Qt::Key_Down:
            case Qt::Key_PageUp:
            case Qt::Key_PageDown:
            case Qt::Key_Home:
            case Qt::Key_End:
            case Qt::Key_Space:
            case Qt::Key_F4:
                showPopup();
                ereignis->accept();
                return;
            default:
                break;
        }
        if (!ereignis->text().isEmpty() && ereignis->text()[0].isPrint() &&
            !(ereignis->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
            showPopup();
            QKeyEvent kopie(ereignis->type(), ereignis->key(), ereignis->modifiers(), ereignis->text());
            QCoreApplication::sendEvent(view(), &kopie);
            ereignis->accept();
            return;
        }
        QComboBox::keyPressEvent(ereignis);
    }
    void wheelEvent(QWheelEvent* ereignis) override { ereignis->ignore(); }
};

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
    if (index.data(Qt::EditRole).metaType().id() == QMetaType::QDate) {
        auto* feld = new Datumsfeld(eltern);
        feld->SetzeSprache(m_basis.Deutsch());
        feld->setAccessibleName(index.model()->headerData(index.column(), Qt::Horizontal).toString());
        return feld;
    }
    if (liste < 0)
        return QStyledItemDelegate::createEditor(eltern, option, index);
    // Beside the table, not in its viewport: a screen reader finds children of the window, and a table
    // tells it only of its cells.
    m_viewport = eltern;
    auto* auswahl = new Zellauswahl(eltern->parentWidget()->parentWidget());
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
    // A choice confirmed in the list counts at once, as a click in the entry window's lists does.
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
    if (auto* feld = qobject_cast<Datumsfeld*>(editor); feld && !feld->Uebernimm())
        return;
    QStyledItemDelegate::setModelData(editor, modell, index);
}

void ImportDelegat::updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                                         const QModelIndex& index) const
{
    QStyledItemDelegate::updateEditorGeometry(editor, option, index);
    if (m_viewport && editor->parentWidget() != m_viewport)
        editor->move(m_viewport->mapTo(editor->parentWidget(), editor->pos()));
}

} // namespace velmora
