#pragma once

// Statement files written by the tests (no bank's real data) and a small household to import them into.

#include "Basis.h"
#include "Kontoauszug.h"
#include "TempOrdner.h"

#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace velmora::test {

constexpr const char* kIbanAnna = "DE11520513735120710131";
constexpr const char* kIbanBernd = "DE22520513735120710132";
constexpr const char* kIbanMarkt = "DE33370400440532013000";
constexpr const char* kIbanFirma = "DE44370400440532013001";

// One transaction detail of a batch.
struct CamtDetail
{
    std::string strBetrag; // empty: the detail carries no amount
    std::string strName;
    std::string strIban;
    std::string strZweck;
};

struct CamtEintrag
{
    CamtEintrag(std::string betrag = "12.50", std::string richtung = "DBIT", std::string status = "BOOK",
                std::string datum = "2024-03-04", bool storno = false, std::string referenz = {}, std::string name = {},
                std::string iban = {}, std::string zweck = {}, std::vector<CamtDetail> teile = {})
        : strBetrag(std::move(betrag))
        , strRichtung(std::move(richtung))
        , strStatus(std::move(status))
        , strDatum(std::move(datum))
        , bStorno(storno)
        , strReferenz(std::move(referenz))
        , strName(std::move(name))
        , strIban(std::move(iban))
        , strZweck(std::move(zweck))
        , details(std::move(teile))
    {
    }

    std::string strBetrag;
    std::string strRichtung;
    std::string strStatus;
    std::string strDatum;
    bool bStorno;
    std::string strReferenz;
    // Creditor and debtor; the account owner is the other one.
    std::string strName;
    std::string strIban;
    std::string strZweck;
    std::vector<CamtDetail> details; // more than one: a batch
};

// A CAMT.053 statement of the account `iban`: version 2 writes <Sts>BOOK</Sts> and party names
// directly, version 8 <Sts><Cd>BOOK</Cd></Sts> and parties under <Pty>.
std::string Camt(int version, const std::string& iban, const std::vector<CamtEintrag>& eintraege);

// Family Meier on 15 March 2024 in a scratch folder: Anna (Giro 1000), Bernd (Giro 500); external
// accounts Supermarkt (last booking: Anna, Lebensmittel/Obst) and Arbeitgeber (last booking: Gehalt);
// categories Lebensmittel (Obst), Gehalt, Wohnen (Strom). The memory knows both Giro IBANs.
class Importhaushalt final
{
public:
    Importhaushalt();

    CBasis& Basis() { return *m_basis; }
    Importgedaechtnis& Gedaechtnis() { return m_gedaechtnis; }
    const std::string& Ordner() const { return m_ordner.Pfad(); }
    // Writes a file into the scratch folder and answers its path.
    std::string Datei(const std::string& name, const std::string& bytes) const;
    double Stand(const std::string& person) const;
    // Writes the household to its folder as a previous run left it, with the import's memory.
    void Hinterlege();

private:
    TempOrdner m_ordner{"velmora-import"};
    std::unique_ptr<CBasis> m_basis;
    Importgedaechtnis m_gedaechtnis;
};

// The lines of a statement as read: date|amount|counterparty|comment|IBAN, then |currency and |storno
// where there are. Texts as UTF-8.
std::vector<std::string> Auszugszeilen(const Kontoauszug& auszug);

// A ZIP archive of the named files, written to `pfad`.
void SchreibeZip(const std::string& pfad, const std::vector<std::pair<std::string, std::string>>& dateien);

// A proposal in one line: date|amount|payer|payee|beneficiary|category|sub-category|comment, then
// " dup" for a duplicate and " ok" when ticked. Texts as UTF-8.
std::string Zeile(const Importvorschlag& v);
std::vector<std::string> Zeilen(const Importergebnis& ergebnis);

} // namespace velmora::test
