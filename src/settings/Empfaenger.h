#pragma once

// The external-accounts editor: create, rename, delete restorably, restore and delete for good the
// counterparts of the family's own accounts.

#include "Eintragsfrage.h"
#include "Fensterhilfen.h"

#include <QDialog>
#include <memory>

namespace Ui {
class Empfaenger;
}

namespace velmora {

class CBasis;
class FremdKontenListe;
class Hub;

class Empfaenger final : public QDialog
{
    Q_OBJECT
public:
    Empfaenger(CBasis& basis, Hub& hub, QWidget* eltern = nullptr);
    ~Empfaenger() override;

    // Rebuilds the list and the buttons from the store (the main window calls it on every change).
    void Aktualisiere();

    void SetzeEintragsfrage(Eintragsfrage frage) { m_frage = std::move(frage); }
    // The painted message line; empty when none is shown.
    QString Meldung() const { return m_meldung.Text(); }

protected:
    void paintEvent(QPaintEvent* ereignis) override;

private:
    void SetzeSprache();
    void AktualisiereAnzeige(bool neuAufbauen);
    void Angeklickt(int zeile);
    void Erstelle();
    void BenenneUm();
    void Loesche();
    void StelleWiederHer();
    void LoescheEndgueltig();

    std::unique_ptr<Ui::Empfaenger> m_ui;
    CBasis& m_basis;
    Hub& m_hub;
    Steuerelemente m_steuer;
    Meldungszeile m_meldung;
    FremdKontenListe* m_liste = nullptr;
    Eintragsfrage m_frage;
    int m_nMarkiert = 0;
};

} // namespace velmora
