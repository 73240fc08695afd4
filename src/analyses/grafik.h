#pragma once

// The analyses window: two years compared month by month and two months compared category by category,
// for the whole family or one family account, external account, beneficiary or category, drawn as bars
// on one scale, with the annual totals in a box. A click on a row of the monthly comparison lists that
// month's transactions of the row's category in the overview.
//
// The main window creates it with `new grafik(basis, hub, eltern)` and calls Aktualisiere after every
// change of the data; the window deletes itself when closed.

#include "Vergleich.h"

#include <QDialog>
#include <QPoint>
#include <memory>

namespace Ui {
class grafik;
}

class QTableView;

namespace velmora {

class CBasis;
class CPPToolTip;
class Hub;
class Mitwachsen;
class Vergleichsliste;

class grafik final : public QDialog
{
    Q_OBJECT
public:
    // Control ids; each control's objectName is "c" and its id.
    enum Id
    {
        kAuswahl = 1065,
        kZweiteAuswahl = 1066,
        kJahresListe = 1019,
        kMonatsListe = 1024,
        kJahrAZurueck = 1025,
        kJahrAVor = 1026,
        kJahrBZurueck = 1027,
        kJahrBVor = 1028,
        kBeideZurueck = 1067,
        kBeideVor = 1068,
        kMonatAZurueck = 1029,
        kMonatAVor = 1030,
        kMonatBZurueck = 1031,
        kMonatBVor = 1032,
        kSummenkasten = 1093,
    };

    grafik(CBasis& basis, Hub& hub, QWidget* eltern = nullptr);
    ~grafik() override;

    // Recomputes both comparisons from the store and redraws; the selection stays where it can.
    void Aktualisiere();

    const Vergleich& Stand() const { return m_vergleich; }
    CPPToolTip& Ballons() const { return *m_ballons; }
    // Every text the window paints, in painting order: headings, periods, the totals box.
    QStringList GemalteTexte() const;

protected:
    void paintEvent(QPaintEvent* ereignis) override;
    void resizeEvent(QResizeEvent* ereignis) override;
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

private:
    void SetzeSprache();
    void RichteListeEin(QTableView* liste, Vergleichsliste* modell);
    void RichteSpaltenEin();
    void VerbindeNavigation();
    void FuelleAuswahl();
    void AuswahlGewaehlt(int auswahl);
    void ZweiteAuswahlGewaehlt(int zeile);
    void FuelleZweiteAuswahl(int auswahl);
    void Zeige();
    void Details(int zeile);
    QPoint Ort(int id) const;
    QWidget* Steuerelement(int id) const;

    std::unique_ptr<Ui::grafik> m_ui;
    std::unique_ptr<Mitwachsen> m_wachsen;
    CBasis& m_basis;
    Hub& m_hub;
    Vergleich m_vergleich;
    Vergleichsliste* m_jahre = nullptr;
    Vergleichsliste* m_monate = nullptr;
    CPPToolTip* m_ballons = nullptr;
};

} // namespace velmora
