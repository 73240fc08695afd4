#pragma once

// The records of the household book. Every string holds cp1252 bytes exactly as they are stored on disk.

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

namespace velmora {

// A list that owns its records; records keep their address while the list is reordered.
template<class T>
using OwnedList = std::vector<std::unique_ptr<T>>;

// Status at or below this value marks a transaction as deleted for good: it is never listed nor written.
constexpr int kEndgueltigGeloescht = -99999;

// One transaction: income, expense or transfer.
struct CInOut
{
    std::string m_strAuftraggeber;
    std::string m_strEmpfaenger;
    std::string m_strNutzniesser;
    std::string m_strKategorie;
    std::string m_strUKategorie;
    std::string m_strKommentar;
    int m_nArt = 0;
    double m_dBetrag = 0.0;
    int m_nDatum = 0;
    int m_nIndex = 0;
    int m_nStatus = 0;
    int m_nDauerAuftragNr = -1;

    // A household of decades holds hundreds of thousands of transactions; they are allocated side by
    // side in large blocks rather than one by one (Transaktionsspeicher.cpp).
    static void* operator new(std::size_t groesse);
    static void operator delete(void* zeiger, std::size_t groesse) noexcept;
};

// One fixed date of a standing order, due every year on m_nMonatTag (mmdd).
struct CTermin
{
    std::string m_strTermin1;
    std::string m_strTermin2;
    int m_nTermin0C = 0;
    std::string m_strTermin3;
    int m_nMonatTag = 0;
};

// One standing order.
struct CDauerAuftrag
{
    std::string m_strAuftraggeber;
    std::string m_strEmpfaenger;
    std::string m_strNutzniesser;
    std::string m_strKategorie;
    std::string m_strUKategorie;
    std::string m_strKommentar;
    std::string m_strZyklus;
    double m_dBetrag = 0.0;
    int m_nArt = 0;
    int m_nZyklus = 0;
    int m_nStatus = 0;
    int m_nBeginn = 19700101;
    int m_nEnde = 20301231;
    int m_n3C = 1;
    int m_n40 = 0;
    int m_nNr = 0;
    int m_n48 = 1;
    OwnedList<CTermin> m_arrTermine;
};

// One account of a member.
struct CKonto
{
    std::string m_strName;
    double m_dStand = 0.0;
    int m_nAnzahl = 0;
    int m_nKonto14 = 0;
    int m_nStatus = 1;
    int m_nIndex = 0;
};

// One family member with the member's accounts.
struct CPerson
{
    OwnedList<CKonto> m_arrKonten;
    std::string m_strName;
    int m_nAnzahl = 0;
    int m_nStatus = 1;
    int m_nPerson24 = 0;
};

struct CFAMILY
{
    std::string m_strName;
    OwnedList<CPerson> m_arrPersonen;
};

// A counterpart outside the family: shop, employer, insurer.
struct CZIELKONTO
{
    std::string m_strName;
    int m_nAnzahl = 0;
    int m_bGebucht = 0;
    int m_bBenutzt = 0;
    int m_nZiel14 = 0;
};

struct CUKategorie
{
    std::string m_strName;
    int m_nAnzahl = 0;
    int m_nKat0C = 0;
    int m_bBenutzt = 0;
    int m_nKat14 = 0;
    double m_dSumme1 = 0.0;
    double m_dSumme2 = 0.0;
    double m_dSumme3 = 0.0;
    double m_dSumme4 = 0.0;
    double m_dSumme5 = 0.0;
    double m_dSumme6 = 0.0;
    int m_nKat48 = 0;
};

// A category carries every field of a sub-category, and its sub-categories.
struct CKategorie : CUKategorie
{
    OwnedList<CUKategorie> m_arrUKategorien;
};

// A monthly file known to the store.
struct CLoadedFiles
{
    std::string m_strDatei;
    int m_nMonat = 0;
    int m_bGeaendert = 0;
};

// One row of a picker list in the entry window.
struct TempList
{
    std::string m_strName;
    int m_nAnzahl = 0;
};

} // namespace velmora
