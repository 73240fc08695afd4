#pragma once

// The standing-order list: which orders are listed under which filter, what each row shows, the yearly
// totals of income, expenses and transfers of the listed orders, and the sorting of the order list. The
// list window and velmora-cli show exactly this.

#include "Auftragssortierung.h"
#include "Uebersicht.h"

#include <array>
#include <string>
#include <vector>

namespace velmora {

class CBasis;
struct CDauerAuftrag;

// Columns of the list: 0 the icon and "nr-kind", 1 to 6 the texts, 7 the amount, 8 the cycle text,
// 9 the last date ("unbefristet" / "open-ended" for an order without one).
enum DauerAuftragsSpalte
{
    kSpalteKennung = 0,
    kSpalteAuftraggeber = 1,
    kSpalteEmpfaenger = 2,
    kSpalteNutzniesser = 3,
    kSpalteKategorie = 4,
    kSpalteUKategorie = 5,
    kSpalteKommentar = 6,
    kSpalteBetrag = 7,
    kSpalteAusfuehrung = 8,
    kSpalteEnde = 9,
};

// What an order adds up to in a year: the amount twelve times when monthly, 52 times when weekly,
// once per fixed date.
double Jahresbetrag(const CDauerAuftrag& auftrag);

// The last date as the list and the editor show it: "unbefristet" / "open-ended" without an end.
std::string EndeText(const CDauerAuftrag& auftrag, bool deutsch);

class DauerAuftragsListe final
{
public:
    explicit DauerAuftragsListe(CBasis& basis)
        : m_basis(basis)
    {
    }

    int m_bBearbeitung = 0;
    // Sort direction per key, 1 = descending: execution, amount, payer, payee, beneficiary, category,
    // sub-category (the order of Sortierung).
    std::array<int, 7> m_abAbsteigend{1, 1, 1, 1, 1, 1, 1};
    int m_nMarkiert = -1;
    int m_bFilter = 0;
    int m_nFilterArt = 0;
    std::string m_strFilterText;
    double m_dEinnahmen = 0.0;
    double m_dAusgaben = 0.0;
    double m_dUmbuchungen = 0.0;
    std::string m_strSuche;

    // Positions in m_arrDauerAuftraege, one per row; an order can be listed twice under an account filter.
    std::vector<int> m_arrZeilen;

    // The list as the window opens: every order, deleted ones in grey.
    void RichteEin();
    // After a change: the mark and the edit flag go; the filter listing runs again, else every order.
    void Aktualisiere();
    // "Zeige Alles": every order that is not deleted; the filter ends.
    void ZeigeAlles();
    void ZeigeGefiltert();
    // Adds one order's yearly amount to the totals by a rule of Summenregel; index -1 clears them.
    void Summiere(int index, int regel = kRegelGesamt, int eigen = 0, Seite seite = Seite::Auftraggeber);

    // A left click on a cell; zeile -1 is a click outside the cells. Answers whether a filter is active.
    bool KlickeZelle(int zeile, int spalte);
    // A click on a column header: turns that column's direction over, then sorts.
    void KlickeKopf(int spalte);
    // Sorts the orders by a key of Sortierung in its direction and lists all of them, without a filter.
    void Sortiere(int schluessel);

    // Commands of the right-click pop-up on the order at a position of m_arrDauerAuftraege; each lists anew.
    void Loesche(int index);
    void StelleWiederHer(int index);
    void LoescheEndgueltig(int index);

    const CDauerAuftrag* AuftragDerZeile(int zeile) const;
    int IndexDerZeile(int zeile) const;
    // Text of one cell, as shown (cp1252).
    std::string Zelle(int zeile, int spalte) const;
    // 0 blank, 1 active and not ended, 2 marked, 3 both.
    int Icon(int zeile) const;
    bool Geloescht(int zeile) const;
    // An order whose last date lies before today: greyed like a deleted one, without the active mark.
    bool Beendet(int zeile) const;
    // Whether an order counts in the totals: present, active and not ended.
    bool Laeuft(const CDauerAuftrag& auftrag) const;
    // Whether the filter key names an own account, which the caption then calls an account.
    bool SchluesselIstKonto() const;

    // Search: the search text lower-cased; a cell of columns 1 to 8 matches when its lower-cased text
    // contains it. The first row with a match, or -1; an empty search text gives row 0.
    void SetzeSuche(const std::string& text);
    bool ZelleTrifft(int zeile, int spalte) const;
    int ErsteTrefferZeile() const;

private:
    void Liste(int index, int regel = kRegelGesamt, int eigen = 0, Seite seite = Seite::Auftraggeber);
    // Every order; without mitGeloeschten the deleted ones are left out.
    void ListeAlle(bool mitGeloeschten);

    CBasis& m_basis;
};

} // namespace velmora
