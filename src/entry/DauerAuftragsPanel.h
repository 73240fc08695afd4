#pragma once

// The standing-order panel of the entry window: the active box, the first and last date, and the cycle
// (monthly on a day, weekly on a weekday, or on fixed dates of the year with their list). It edits a
// draft of the order; the entry window stores the draft with its pickers, comment and amount when the
// panel's commit button is pressed, and leaves everything as it was on Cancel.

#include "Auftragsentwurf.h"

#include <QWidget>
#include <memory>

class QGroupBox;

namespace Ui {
class DauerAuftragsPanel;
}

namespace velmora {

class CBasis;

class DauerAuftragsPanel final : public QWidget
{
    Q_OBJECT
public:
    // Control ids; each control's objectName is "c" and its id.
    enum Id
    {
        kUebernehmen = 3,
        kTermine = 1020,
        kEnde = 1044,
        kAktiv = 1048,
        kMonatlich = 1049,
        kWoechentlich = 1050,
        kMonatsTag = 1051,
        kWochentag = 1052,
        kAndereTermine = 1053,
        kBeginn = 1054,
        kHinzufuegen = 1055,
        kEntfernen = 1056,
        kTerminMonat = 1057,
        kTerminTag = 1058,
        kAbbrechen = 1059,
        kUnbefristet = 1118,
    };

    // Sets itself into the frame of the entry window.
    DauerAuftragsPanel(CBasis& basis, QGroupBox& rahmen);
    ~DauerAuftragsPanel() override;

    // A new order from the defaults; the order edited goes.
    void Neu();
    // The order to edit: its cycle, dates, active switch and a copy of its fixed dates.
    void Lade(CDauerAuftrag& auftrag);

    const Auftragsentwurf& Entwurf() const { return m_entwurf; }
    // The order being edited; null while a new one is entered. Set to the new order once it is stored.
    CDauerAuftrag*& Auftrag() { return m_auftrag; }
    QWidget* UebernehmenKnopf() const;

signals:
    void Uebernehmen();
    void Abbrechen();

private:
    void SetzeSprache();
    void FuelleListen();
    void ZeigeEntwurf();
    void ZeigeTermine();
    void PruefeHinzufuegen();
    void TerminGewaehlt();
    void FuegeHinzu();
    void Entferne();
    void WaehleTermin(int zeile);
    std::string TagText() const;
    std::string MonatText() const;

    std::unique_ptr<Ui::DauerAuftragsPanel> m_ui;
    CBasis& m_basis;
    Auftragsentwurf m_entwurf;
    CDauerAuftrag* m_auftrag = nullptr;
    int m_nTerminZeile = -1;
};

} // namespace velmora
