#pragma once

// The category editor: create, rename, delete restorably, restore and delete for good the categories
// and the sub-categories of the marked category.

#include "Eintragsfrage.h"
#include "Fensterhilfen.h"

#include <QDialog>
#include <memory>

namespace Ui {
class EditKategorie;
}

namespace velmora {

class CBasis;
class Hub;
class KategorienListe;
class UKategorienListe;

class EditKategorie final : public QDialog
{
    Q_OBJECT
public:
    // Opens on the category with that index; -1 opens on the first.
    EditKategorie(CBasis& basis, Hub& hub, QWidget* eltern = nullptr, int vorauswahl = -1);
    ~EditKategorie() override;

    // Rebuilds both lists and the buttons from the store.
    void Aktualisiere();
    // Marks the category with that index, as a click on its row does.
    void WaehleKategorie(int kategorie);

    void SetzeEintragsfrage(Eintragsfrage frage) { m_frage = std::move(frage); }
    QString Meldung() const { return m_meldung.Text(); }

protected:
    void paintEvent(QPaintEvent* ereignis) override;

private:
    void SetzeSprache();
    void AktualisiereAnzeige();
    // Shows the store's new state and tells the main window.
    void Geaendert(int nachricht);
    void UKategorieAngeklickt(int zeile);
    void ErstelleKategorie();
    void ErstelleUKategorie();
    void BenenneKategorieUm();
    void BenenneUKategorieUm();
    void LoescheKategorie();
    void LoescheUKategorie();
    void StelleKategorieWiederHer();
    void StelleUKategorieWiederHer();
    void LoescheKategorieEndgueltig();
    void LoescheUKategorieEndgueltig();

    std::unique_ptr<Ui::EditKategorie> m_ui;
    CBasis& m_basis;
    Hub& m_hub;
    Steuerelemente m_steuer;
    Meldungszeile m_meldung;
    KategorienListe* m_kategorien = nullptr;
    UKategorienListe* m_ukategorien = nullptr;
    Eintragsfrage m_frage;
    int m_nKategorie = 0;
    int m_nUKategorie = 0;
};

} // namespace velmora
