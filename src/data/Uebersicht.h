#pragma once

// The overview's listing: which transactions of the date range are listed under which filter, what each
// row shows, the totals of income, expenses and transfers, and the sorting of the transaction list.

#include "Transaktionssortierung.h"

#include <array>
#include <string>
#include <vector>

namespace velmora {

class CBasis;
struct CInOut;

// Totals rules of Summiere.
enum Summenregel
{
    kRegelGesamt = 0,
    kRegelKonto = 1,
    kRegelNutzniesser = 2,
    kRegelPerson = 3
};
enum class Seite
{
    Auftraggeber,
    Empfaenger
};

struct UebersichtsZeile
{
    int nTransaktion = 0; // position in m_arrInOut
    int nIcon = 0;        // 0 blank, 1 standing order, 2 marked, 3 both
};

constexpr int kSpalten = 9;

// Filter kind of one sub-category within its category, as the analyses' sub-category rows sum it: the key
// is the sub-category, m_strFilterKategorie its category. Kind 5 alone takes a sub-category name that
// several categories share (a "Sonstiges" in each) from all of them.
constexpr int kFilterUKategorieIn = 13;
// Filter kinds of one category within an analyses selection, as its monthly rows sum it: the key is the
// category, m_strFilterAuswahl the family account, external account or beneficiary selected.
constexpr int kFilterKategorieBeiKonto = 14;
constexpr int kFilterKategorieBeiFremdkonto = 15;
constexpr int kFilterKategorieBeiNutzniesser = 16;
// The filter kind that lists a category within analyses selection 1 to 3.
constexpr int FilterKategorieBei(int auswahl)
{
    return kFilterKategorieBeiKonto + auswahl - 1;
}

class OverviewListing final
{
public:
    explicit OverviewListing(CBasis& basis)
        : m_basis(basis)
    {
    }

    std::array<int, 7> m_abAbsteigend{1, 1, 1, 1, 1, 1, 1};
    int m_nMarkiert = -1;
    int m_bBearbeitung = 0;
    int m_bFilter = 0;
    int m_nFilterArt = 0;
    std::string m_strFilterText;
    std::string m_strFilterKategorie; // kind kFilterUKategorieIn only
    std::string m_strFilterAuswahl;   // kinds kFilterKategorieBeiKonto to kFilterKategorieBeiNutzniesser only
    int m_nMarkiertZeile = -1;
    double m_dEinnahmen = 0.0;
    double m_dAusgaben = 0.0;
    double m_dUmbuchungen = 0.0;
    int m_bNurDauerAuftraege = 0;
    int m_nZeilen = 0;
    std::string m_strSuche;

    std::vector<UebersichtsZeile> m_arrZeilen;

    void ZeigeAlle();
    void ZeigeGefiltert();
    void Summiere(int index, int regel = kRegelGesamt, int eigen = 0, Seite seite = Seite::Auftraggeber);
    void SetzeZeile(int index, int zeile, bool einfuegen);
    void SortiereTransaktionen(int schluessel);
    void LadeZeitraum();

    // The filter key as the caption shows it: for a sub-category within its category, or a category within
    // a selection, both names; an empty key as "(leer)" / "(empty)".
    std::string Filterschluessel() const;

    // Text of one cell, as shown and exported (cp1252).
    std::string Zelle(int zeile, int spalte) const;
    // The texts of a column 1 to 8 with the most characters among the listed rows, at most `anzahl`
    // different ones, longest first: what the column's width must hold.
    std::vector<std::string> LaengsteTexte(int spalte, size_t anzahl) const;
    const CInOut* TransaktionDerZeile(int zeile) const;
    const CBasis& Basis() const { return m_basis; }

    // Search: the search text lower-cased; a cell matches when its lower-cased text contains it.
    void SetzeSuche(const std::string& text);
    bool ZelleTrifft(int zeile, int spalte) const;
    // First row with a matching cell in columns 1 to 8, or -1; an empty search text matches row 0.
    int ErsteTrefferZeile() const;

private:
    bool Qualifiziert(const CInOut& t, int bisDatum) const;
    void HaengeZeileAn(int index);
    bool GehoertMitglied(const std::string& referenz, const std::string& mitglied) const;
    void SummiereAnteil(int index, int auswahl);
    int IconVon(int index) const;

    CBasis& m_basis;
    bool m_bSucheZahl = false;    // the search text could be part of an amount or a date
    std::string m_strSucheBetrag; // the search text with a decimal comma as the amounts print it
};

} // namespace velmora
