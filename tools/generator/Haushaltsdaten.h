#pragma once

// What the synthetic household is made of: members and their accounts, categories, the shops and
// other counterparts with their booking habits, and the standing orders. Every text exists in German
// (cp1252, with umlauts) and in English.

#include <vector>

namespace velmora::generator {

struct Name
{
    constexpr Name(const char* deutsch, const char* englisch)
        : de(deutsch)
        , en(englisch)
    {
    }

    const char* In(bool englisch) const { return englisch ? en : de; }

    const char* de;
    const char* en;
};

struct KontoVorlage
{
    Name name;
    double dStart;
};

// Account 0 of every member is the cash account; adults keep their giro account at 1 and their savings at 2.
struct MitgliedVorlage
{
    Name name;
    bool bKind;
    std::vector<KontoVorlage> konten;
};

struct KategorieVorlage
{
    Name name;
    std::vector<Name> unter;
};

// How the bookings with a counterpart are paid.
enum class Zahlweise
{
    Bar,            // an adult pays cash
    Karte,          // from an adult's giro account
    Kind,           // a child pays from its pocket money
    Einnahme,       // income on an adult's giro account
    Geschenk,       // income in a child's cash
    NurDauerauftrag // only standing orders name it
};

// Who the beneficiary of a booking is.
enum class Nutzen
{
    Familie, // the whole family
    Zufall,  // any member or the whole family
    Zahler   // the paying member
};

// A counterpart outside the family. Category and sub-category are named by their German names.
struct LadenVorlage
{
    Name name;
    const char* kategorie;
    const char* unter;
    double dMin;
    double dMax;
    double dProMonat; // bookings by hand per month, on average
    Zahlweise weise;
    Nutzen nutzen;
};

// One side of a standing order: an account of a member, or a counterpart named by its German name.
struct Seite
{
    int nMitglied = -1;
    int nKonto = 0;
    const char* laden = nullptr;
};

inline Seite Eigen(int mitglied, int konto)
{
    return {mitglied, konto, nullptr};
}

inline Seite Fremd(const char* laden)
{
    return {-1, 0, laden};
}

// The fixed dates (mmdd) of a standing order that falls due on them every year.
template<class... MonatTage>
std::vector<int> Termine(MonatTage... monatTage)
{
    return {monatTage...};
}

constexpr int kFamilie = -1;

struct AuftragVorlage
{
    Seite zahler;
    Seite empfaenger;
    int nNutzniesser; // member index or kFamilie
    const char* kategorie;
    const char* unter;
    double dBetrag;
    int nZyklus;
    std::vector<int> termine; // mmdd, for cycle 0
    double dBeginn;           // share of the generated period before the first execution
    double dEnde;             // share after which the order ends; 1 = open-ended
    bool bAktiv;
    bool bGeloescht; // deleted by the user at 80 % of the period
    Name kommentar;
};

Name Familienname();
const std::vector<MitgliedVorlage>& Mitglieder();
const std::vector<KategorieVorlage>& Kategorien();
const std::vector<LadenVorlage>& Laeden();
const std::vector<AuftragVorlage>& Auftraege();
const std::vector<Name>& Kommentare();

// Names of the things the user created once and deleted again without ever using them.
extern const char* const kGeloeschterLaden;
extern const char* const kGeloeschteKategorie;
extern const char* const kGeloeschteUnterkategorie;

} // namespace velmora::generator
