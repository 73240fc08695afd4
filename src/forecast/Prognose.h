#pragma once

// The forecast window, "Was bleibt am Monatsende?": for a chosen account, member or the whole family, the
// balance day by day over the coming twelve months from the standing orders, with the everyday estimate
// beside it, the lowest point marked, the month-end, year-end and lowest figures, and the list of the
// coming standing-order bookings. It books nothing.
//
// The main window creates it with `new Prognose(basis, eltern)` (a double click on an account row, hub
// code 10) and calls Aktualisiere after every change (hub codes 1 and 8); it deletes itself when closed.

#include "Vorschau.h"

#include <QDialog>
#include <memory>

namespace Ui {
class Prognose;
}

namespace velmora {

class CBasis;
class CPPToolTip;
class PrognoseModell;
class Verlaufsbild;

class Prognose final : public QDialog
{
    Q_OBJECT
public:
    // Control ids; each control's objectName is "c" and its id.
    enum Id
    {
        kAuswahl = 1001,
        kVerlauf = 1002,
        kListe = 1003,
        kZahlen = 1004,
        kAuswahlText = 1005,
    };

    Prognose(CBasis& basis, QWidget* eltern = nullptr);
    ~Prognose() override;

    // Computes the forecast anew after the book changed, keeping the choice.
    void Aktualisiere();
    // Shows the account at that position of the balance list; -1 shows the family.
    void WaehleKonto(int konto);

    const Vorschau& Daten() const { return m_vorschau; }
    // The account, member or family shown.
    const Verlauf& Gezeigt() const;
    Verlaufsbild& Bild() const;
    CPPToolTip& Ballons() const { return *m_ballons; }

private:
    void SetzeSprache();
    void FuelleAuswahl();
    void Zeige();
    QString Zahlen(const Verlauf& v) const;

    std::unique_ptr<Ui::Prognose> m_ui;
    CBasis& m_basis;
    Vorschau m_vorschau;
    PrognoseModell* m_modell = nullptr;
    CPPToolTip* m_ballons = nullptr;
};

} // namespace velmora
