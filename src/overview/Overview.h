#pragma once

// The transaction overview: the transactions of a date range with the totals of income, expenses,
// difference and transfers. A click into a cell filters by that entry, the drop-down by a member; a
// header click sorts; the search box highlights; a right click edits, deletes, restores or deletes for
// good; the table can be written to a spreadsheet file.
//
// The main window creates it with `new Overview(basis, hub, eltern)` and shows it; it deletes itself
// when closed. Every change it makes to the data is reported to the hub with code kDatenGeaendert,
// whereupon the main window calls Aktualisiere.

#include "Uebersicht.h"

#include <QDialog>
#include <memory>
#include <string>

namespace Ui {
class Overview;
}

namespace velmora {

class CBasis;
class CPPToolTip;
class Hub;
class UebersichtModell;

class Overview final : public QDialog
{
    Q_OBJECT
public:
    enum Id
    {
        kListe = 1019,
        kGesamt = 1025,
        kVon = 1042,
        kBis = 1047,
        kAktuellerMonat = 1060,
        kAktuellesJahr = 1061,
        kAuswahl = 1076,
        kExport = 1079,
        kSuche = 1092,
        kZeilen = 1094,
        kZeigeText = 1103,
        kTransaktionenText = 1115,
        kSucheText = 1116,
        kSummen = 1117,
        kVonText = 1122,
        kBisText = 1123,
    };

    Overview(CBasis& basis, Hub& hub, QWidget* eltern = nullptr);
    ~Overview() override;

    // Lists the transactions another window asks for: datum1 is a month key times 100 (yyyymm00), the
    // range runs from its first day, or from the day datum1 names (yyyymmdd), to datum2, or to the end of
    // that month when datum2 is 0. Kind 0
    // lists everything; kinds 1, 2, 3, 12 filter by text2; kinds 4, 5, 9, 10 by text1; kFilterUKategorieIn
    // by the sub-category text2 within the category text1; any other kind by the sub-category text2 when
    // the texts differ, else by the category text1.
    void ZeigeMitFilter(int art, int datum1, int datum2, const std::string& text1, const std::string& text2);
    // After any window changed the data: newest first again, no mark, the filter kept.
    void Aktualisiere();

    const OverviewListing& Liste() const { return m_liste; }
    // The painted texts (picker labels, filter caption, totals), as screen readers get them.
    QStringList GemalteTexte() const;
    CPPToolTip& Ballons() const { return *m_ballons; }

protected:
    void paintEvent(QPaintEvent* ereignis) override;
    void resizeEvent(QResizeEvent* ereignis) override;

private:
    void SetzeSprache();
    void FuelleAuswahl();
    void RichteSpaltenEin();
    void SetzeDaten();
    void BaueListe();
    void ZeigeMitgliedsfilter();
    void ZeigeErgebnis();
    void BeschreibeGemaltes();
    void KopfGeklickt(int spalte);
    void ZelleGeklickt(int zeile, int spalte);
    void MitgliedGewaehlt(int eintrag);
    void ZeigeGesamt();
    void ZeitraumGeaendert(int von, int bis);
    void Suche(const QString& text);
    QWidget* Steuerelement(int id) const;

    // Commands of the right-click pop-up and the export (OverviewBefehle.cpp).
    void Rechtsklick(int zeile, int spalte);
    void Markiere(int position, int zeile);
    void MonatGeaendert(const CInOut& t);
    void Loesche(int position);
    void Bearbeite(int position);
    void BaueNachAenderungNeu();
    void Exportiere();

    std::unique_ptr<Ui::Overview> m_ui;
    CBasis& m_basis;
    Hub& m_hub;
    OverviewListing m_liste;
    UebersichtModell* m_modell = nullptr;
    CPPToolTip* m_ballons = nullptr;
    bool m_bEingerichtet = false;
};

} // namespace velmora
