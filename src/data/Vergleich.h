#pragma once

// The comparisons of the analyses: income and expenses of two years month by month (the annual table)
// and of two months category by category (the work sums of the categories or sub-categories), for the
// whole family or for one family account, external account, beneficiary or category; and the two periods
// with their navigation, which never passes today's month.

#include <array>
#include <string>
#include <vector>

namespace velmora {

class CBasis;
struct CInOut;
struct CUKategorie;

// The selection box: what the comparison is restricted to. Category k of the store is kAuswahlKategorie + k.
enum Vergleichsauswahl
{
    kAuswahlAlle = 0,
    kAuswahlFamilienKonto = 1,
    kAuswahlFremdKonto = 2,
    kAuswahlNutzniesser = 3,
    kAuswahlKategorie = 4,
};

// The two compared periods: year A against year B, month A of year A against month B of year B.
enum Periode
{
    kPeriodeA = 0,
    kPeriodeB = 1,
};

// The rows of the annual table.
enum Jahreswert
{
    kEinnahmenA,
    kAusgabenA,
    kEinnahmenB,
    kAusgabenB,
    kDifferenzA,
    kDifferenzB,
    kJahreswerte
};

// How one transaction counts under a selection with its compared name. A family account counts what it
// pays as expense and what it receives as income, transfers included; an external account the other way
// round; a beneficiary counts transfers to him as income. Deleted transactions are the caller's concern.
struct Anteil
{
    bool bEinnahme = false;
    bool bAusgabe = false;
};
Anteil AnteilVon(const CInOut& t, int auswahl, const std::string& name);

// The rows of the second selection box: every account of the current family's members ("member,
// account"), every external account, or every member's name; empty for the other selections.
std::vector<std::string> Vergleichsnamen(const CBasis& basis, int auswahl);

// An amount in whole cents, the precision every figure shows: sums of many bookings that print alike
// compare equal by it, and a difference that prints as 0.00 is 0.
long long InCent(double betrag);

// Income and expenses of one row of either list.
struct Periodensumme
{
    double dEinnahmen = 0.0;
    double dAusgaben = 0.0;
    Periode periode = kPeriodeB;
};

class Vergleich final
{
public:
    explicit Vergleich(CBasis& basis);

    // Opens on today: year A the current year, year B the one before, both months the current month,
    // everything selected. Loads every month of the years from the first month of the book to today's.
    void Beginne();

    // Restricts both comparisons and recomputes the annual table. The name is the second box's row for
    // selections 1 to 3; categories take their name from the store; selection 0 has none.
    void Waehle(int auswahl, const std::string& name = {});

    // Sets both periods at once; each is held at today's month as the navigation holds it.
    void SetzePerioden(int jahrA, int monatA, int jahrB, int monatB);

    void JahrZurueck(Periode p);
    void JahrVor(Periode p);
    void BeideZurueck();
    void BeideVor();
    // A month step past January or December moves the period's year with it, and the annual table follows.
    void MonatZurueck(Periode p);
    void MonatVor(Periode p);
    bool JahrVorMoeglich(Periode p) const;
    bool BeideVorMoeglich() const;
    bool MonatVorMoeglich(Periode p) const;

    // The annual table of the selection; under selection 0 also the kept maximum.
    void BerechneJahre();
    // The work sums of the monthly list's rows: m_dSumme1/2 income and expenses of month A, m_dSumme3/4
    // of month B.
    void BerechneMonate();

    // The categories (selections 0 to 3) or the chosen category's sub-categories, in store order.
    std::vector<CUKategorie*> Monatseintraege() const;
    // Row r of the annual list: month r / 2 + 1, year A on odd rows, year B on even ones.
    Periodensumme Jahreszeile(int zeile) const;
    // Row r of the monthly list: entry r / 2, month A on odd rows, month B on even ones.
    static Periodensumme Monatszeile(const CUKategorie& eintrag, int zeile);
    // Sum of the twelve months of one row of the annual table.
    double Jahressumme(Jahreswert wert) const;

    // The length a bar of the whole cell stands for: the maximum kept from the family's comparison, so
    // that bars of every selection compare with it; a selection whose own values are larger (an
    // account's transfers, which the family's totals leave out) widens it so that no bar overflows.
    double Massstab() const;

    int m_nAuswahl = kAuswahlAlle;
    std::string m_strName;
    std::array<int, 2> m_anJahr{};
    std::array<int, 2> m_anMonat{};
    int m_nJahr = 0;
    int m_nMonat = 0;
    std::array<std::array<double, 13>, kJahreswerte> m_aJahrestabelle{};
    double m_dMaximum = 0.0;

private:
    void LadeJahr(int jahr);
    void HalteBeiHeute(Periode p);
    double GroessterWert() const;

    CBasis& m_basis;
};

} // namespace velmora
