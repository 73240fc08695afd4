#pragma once

// Applying a rule to bookings already in the book, never silently: the bookings it would change, each
// ticked, with their old and new category; "Ändern" changes the ticked ones as an edit from the overview
// does. The dialog says how to undo it: leaving without saving, or the backups of "Ende".

#include "Regelanwendung.h"

#include <QDialog>
#include <memory>

namespace Ui {
class Anwendungsdialog;
}

namespace velmora {

class Aenderungsliste;
class CBasis;
class CPPToolTip;
class Hub;

class Anwendungsdialog final : public QDialog
{
    Q_OBJECT
public:
    enum Id
    {
        kListe = 1002,
        kAendern = 1004,
        kAbbrechen = 1005,
    };

    Anwendungsdialog(CBasis& basis, Hub& hub, std::vector<Regelaenderung> aenderungen, QWidget* eltern = nullptr);
    ~Anwendungsdialog() override;

    // Offers the rule's changes to the book in this dialog, when there are any. Answers how many bookings
    // were changed, -1 when the rule would change none.
    static int Biete(CBasis& basis, Hub& hub, const Importgedaechtnis& gedaechtnis, const Importregel& regel,
                     QWidget* eltern);

    Aenderungsliste& Liste() const { return *m_liste; }
    int Geaendert() const { return m_nGeaendert; }
    CPPToolTip& Ballons() const { return *m_ballons; }

private:
    void SetzeSprache();
    void Aendere();

    std::unique_ptr<Ui::Anwendungsdialog> m_ui;
    CBasis& m_basis;
    Hub& m_hub;
    Aenderungsliste* m_liste = nullptr;
    CPPToolTip* m_ballons = nullptr;
    int m_nGeaendert = 0;
};

} // namespace velmora
