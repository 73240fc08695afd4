#pragma once

// A household book in a scratch folder for the tests of the settings commands: set up through those
// commands, booked as the entry window books, saved as "Ende" saves and started again as a new run.

#include "Basis.h"
#include "Hilfen.h"
#include "Verwaltung.h"

#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace velmora::test {

struct Buchung
{
    Buchung(std::string kennung, std::string auftraggeber, std::string empfaenger, double betrag = 0.0, int datum = 0,
            std::string nutzniesser = {}, std::string kategorie = {}, std::string ukategorie = {})
        : strKennung(std::move(kennung))
        , strAuftraggeber(std::move(auftraggeber))
        , strEmpfaenger(std::move(empfaenger))
        , dBetrag(betrag)
        , nDatum(datum)
        , strNutzniesser(std::move(nutzniesser))
        , strKategorie(std::move(kategorie))
        , strUKategorie(std::move(ukategorie))
    {
    }

    std::string strKennung; // kept in the comment, to find the transaction again
    std::string strAuftraggeber;
    std::string strEmpfaenger;
    double dBetrag;
    int nDatum;
    std::string strNutzniesser;
    std::string strKategorie;
    std::string strUKategorie;
};

class Buchhaltung final
{
public:
    // The first run, on an empty data folder.
    explicit Buchhaltung(int heute);

    CBasis& Basis() { return *m_basis; }
    const TempOrdner& Ordner() const { return m_ordner; }

    // Saves as "Ende" does and starts the next run on that day.
    CBasis& NeuerLauf(int heute);

    // Family Meier: Anna (Bar, Giro-Konto 1000), Bernd (Bar, Giro-Konto 500) and Annabelle (Bar); the
    // external accounts Supermarkt, Supermarkt Nord, Anna, Stadtwerke and Arbeitgeber; the categories
    // Wohnen (Strom, Miete), Auto (Strom, Benzin) and Lebensmittel.
    void RichteMeierEin();

private:
    TempOrdner m_ordner;
    std::unique_ptr<CBasis> m_basis;
};

// Books as the entry window does: appends the transaction, books it, counts the use of the external
// accounts and categories it names and marks its month.
void Buche(CBasis& basis, const Buchung& buchung);
// An inactive standing order naming these records, so that no start-up executes it.
CDauerAuftrag& NeuerAuftrag(CBasis& basis, const Buchung& vorlage);
// Cancels a transaction as the overview deletes it; answers the stamp.
int LoescheInUebersicht(CBasis& basis, const std::string& kennung);

// The transaction or standing order by its comment; a record reading "<fehlt>" when there is none.
const CInOut& Transaktion(const CBasis& basis, const std::string& kennung);
const CDauerAuftrag& Auftrag(const CBasis& basis, const std::string& kennung);
double Stand(const CBasis& basis, const std::string& person, const std::string& konto);

// Answers every question as told and remembers the questions.
struct Antworten
{
    bool bJa = true;
    std::vector<Rueckfrage> fragen;
    Bestaetigung Frage()
    {
        return [this](const Rueckfrage& f) {
            fragen.push_back(f);
            return bJa;
        };
    }
};

} // namespace velmora::test
