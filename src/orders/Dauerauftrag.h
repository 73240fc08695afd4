#pragma once

// The standing-order list window: every standing order with its amount and cycle, and what the listed
// orders add up to in a year. A left click on a cell lists only the orders with that entry, a header
// click sorts, the search box marks matching cells, a right click edits, deletes, restores or deletes an
// order for good. New orders and edits are made in the entry window, which the main window opens on
// this window's request (hub code 7); after the editor has stored, the main window calls Aktualisiere.
//
// The main window creates it with `new Dauerauftrag(basis, hub, eltern)`; it deletes itself when closed.

#include "DauerAuftragsliste.h"

#include <QDialog>
#include <memory>

namespace Ui {
class Dauerauftrag;
}

namespace velmora {

class CBasis;
class CPPToolTip;
class DauerAuftragModell;
class Hub;
class Mitwachsen;

class Dauerauftrag final : public QDialog
{
    Q_OBJECT
public:
    // Control ids; each control's objectName is "c" and its id.
    enum Id
    {
        kListe = 1020,
        kZeigeAlles = 1025,
        kSummen = 1031,
        kNeu = 1077,
        kSuche = 1092,
        kSuchText = 1116,
    };

    Dauerauftrag(CBasis& basis, Hub& hub, QWidget* eltern = nullptr);
    ~Dauerauftrag() override;

    // Lists anew after the orders changed elsewhere; ends the mark and a pending edit.
    void Aktualisiere();

    const DauerAuftragsListe& Liste() const { return m_liste; }
    // The painted caption and totals, in reading order.
    QStringList GemalteTexte() const;
    CPPToolTip& Ballons() const { return *m_ballons; }

protected:
    void paintEvent(QPaintEvent* ereignis) override;
    void resizeEvent(QResizeEvent* ereignis) override;

private:
    void SetzeSprache();
    void RichteSpaltenEin();
    void Geklickt(int zeile, int spalte);
    void Rechtsklick(int zeile, int spalte, QPoint ecke);
    void KopfGeklickt(int spalte);
    void ZeigeAlles();
    void Suche(const QString& text);
    void ZeigeListe();
    void Markiere(int index);
    void Geaendert();

    std::unique_ptr<Ui::Dauerauftrag> m_ui;
    CBasis& m_basis;
    Hub& m_hub;
    DauerAuftragsListe m_liste;
    DauerAuftragModell* m_modell = nullptr;
    CPPToolTip* m_ballons = nullptr;
    std::unique_ptr<Mitwachsen> m_wachsen;
};

} // namespace velmora
