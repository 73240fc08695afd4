#pragma once

// The one store of the household book: the family, its accounts, the external accounts, categories,
// standing orders, the transactions of every loaded month and the program-wide settings.

#include "Records.h"
#include "Uhr.h"

#include <array>
#include <limits>
#include <memory>
#include <string>
#include <vector>

namespace velmora {

class BinaerLeser;
class Monatsvorrat;

constexpr int kDeutsch = 2000;
constexpr int kEnglisch = 1000;
// No book reaches back before January 1900.
constexpr int kFruehesterMonat = 190001;

// Default colours (0x00BBGGRR): income, expenses, transfers, then their darker variants.
constexpr std::array<int, 6> kStandardFarben = {0x00A400, 0x0000FF, 0x000000, 0x003C00, 0x000055, 0x000000};

// The sides of a booking whose names count a use of the external account of that name.
struct Fremdseiten
{
    bool bZahler = true;
    bool bEmpfaenger = true;
};

// Counts one more use or transaction. A count stops at the largest int instead of overflowing: only a
// damaged settings file brings one near it.
inline void ZaehleHoch(int& zaehler)
{
    if (zaehler < std::numeric_limits<int>::max())
        ++zaehler;
}

// A file as "Ende" writes it: its name (cp1252, as the settings file keeps names) and its bytes.
struct Dateistand
{
    std::string strName;
    std::string bytes;
};

class CBasis final
{
public:
    CBasis();
    ~CBasis();
    CBasis(const CBasis&) = delete;
    CBasis& operator=(const CBasis&) = delete;

    std::array<std::string, 13> m_astrMonateD;
    std::array<std::string, 13> m_astrMonateE;
    OwnedList<CKategorie> m_arrKategorien;
    OwnedList<CFAMILY> m_arrFamilien;
    OwnedList<CZIELKONTO> m_arrZielKonten;
    OwnedList<CInOut> m_arrInOut;
    OwnedList<CDauerAuftrag> m_arrDauerAuftraege;
    OwnedList<CLoadedFiles> m_arrLoadedFiles;
    std::array<OwnedList<TempList>, 6> m_arrTempListen;
    CInOut m_InOutNeu;
    CDauerAuftrag m_DauerAuftragNeu;
    OwnedList<CInOut> m_arrVorlagen;
    int m_nFamilie = -1;
    int m_nVersion = 1;
    int m_nSprache = kDeutsch;
    int m_bTooltips = 1;
    int m_nZaehler = 0;
    std::string m_strErsteDatei;
    std::string m_strLetzteDatei;
    int m_nErsterMonat = 0;
    int m_nLoeschNr = 0;
    int m_nLetzterAufruf = 0;
    int m_nLetzteZeit = 0;
    int m_nHeute = 0;
    int m_nJetzt = 0;
    int m_nVonDatum = 0;
    int m_nBisDatum = 0;
    std::string m_strPfad;
    // While a run restores the unsaved changes of a run that ended unexpectedly: the folder of that
    // copy, read before the data folder. Empty otherwise.
    std::string m_strWiederherstellung;
    std::array<int, 6> m_aFarben = kStandardFarben;
    double m_dFarbFaktor = 0.77;
    std::string m_strPasswort;

    // Where "now" comes from.
    Uhr m_uhr = SystemZeit;
    // Files the readers found cut short or corrupt (full paths), in the order met; the program reports them.
    std::vector<std::string> m_abgeschnitteneDateien;
    // Files the last save could not write (full paths), and files it refused to replace because their
    // mode forbids writing; the save changed nothing then.
    std::vector<std::string> m_nichtGeschriebeneDateien;
    std::vector<std::string> m_schreibgeschuetzteDateien;
    // What kept the last save from making its backup (Sicherungen.h); empty when it made one or needed none.
    std::string m_strSicherungsfehler;

    // Booking rules.
    void BucheTransaktion(CInOut& transaktion);
    void StorniereTransaktion(int index);
    int IstEigenesKonto(const std::string& referenz, std::string& person, std::string& konto) const;
    int IstEigenesKonto(const std::string& referenz) const;
    void AddiereAufKonto(double betrag, const std::string& person, const std::string& konto);
    // Counts one use of the category and sub-category a booking names and of the external accounts its
    // payer and payee name, on the sides given; every record of a matching name counts.
    void ZaehleNutzung(const CInOut& transaktion, Fremdseiten seiten = {});
    void SortiereKategorien();
    void SortiereZielKonten();

    // Sets m_nHeute and m_nJetzt from the clock and names the current month, "März 2009".
    std::string MonatsTitel();
    const std::string& MonatsName(int monat) const;
    bool Deutsch() const { return m_nSprache == kDeutsch; }

    // The family the program works on, or null before one exists.
    CFAMILY* Familie();
    const CFAMILY* Familie() const;
    // First five characters of the family name: the prefix of every monthly file.
    std::string DateiPraefix() const;

    // Appends a transaction with a fresh m_nIndex. The index is unique within the run, even after removals.
    CInOut& NeueTransaktion();
    // Removes a transaction for good (its month must be marked changed by the caller).
    void EntferneTransaktion(int position);
    // Position in m_arrInOut of the transaction with that m_nIndex, or -1.
    int PositionVonIndex(int nIndex) const;

    // Settings file.
    int LadeEinstellungen();
    int SpeichereEinstellungen();
    // The bytes SpeichereEinstellungen writes, with the file names moved to the current prefix. An earlier
    // format version leaves out what it lacks: the password below 3, the combinations below 4, the
    // standing orders' m_n48 below 5.
    std::string EinstellungsBytes(int version = 5);
    // The settings file the current language writes, as a name and as a path in the data folder.
    std::string EinstellungsName() const;
    std::string EinstellungsPfad() const;

    // Monthly files.
    int LadeMonat(int datum);
    void MonatGeaendert(int monat);
    int SpeichereMonate();
    // The changed months as SpeichereMonate writes them, each under the current prefix.
    std::vector<Dateistand> GeaenderteMonate();
    void LadeAlleMonate();
    // m_nErsterMonat as a month from January 1900 to today's month, whatever a damaged file put there.
    int ErsterMonatImBuch() const;
    // Loads every calendar month from the month of vonDatum to that of bisDatum that is not loaded yet.
    void LadeMonate(int vonDatum, int bisDatum);
    // Starts reading the months of the range on a second thread, so that a later LadeMonat finds them
    // parsed. The store itself does not change until LadeMonat takes a month.
    void LadeMonateVoraus(int vonDatum, int bisDatum);
    CLoadedFiles* GeladenerMonat(int monat);

    // Standing orders.
    void FuehreDauerAuftraegeAus(int start);

private:
    void LiesEinstellungen(BinaerLeser& leser);
    void SenkeLoeschNr(int status);
    void SenkeLoeschNrNachEinstellungen();
    void VerbucheDauerAuftrag(const CDauerAuftrag& auftrag, int datum);
    std::string MonatsDatei(int monat) const;

    int m_naechsterIndex = 0;
    std::unique_ptr<Monatsvorrat> m_vorrat;
};

// Whether a folder holds a book: a settings file of either language.
bool HatEinstellungen(const std::string& ordner);
// The settings file start-up reads in a folder (the German one wins), or empty.
std::string EinstellungsDatei(const std::string& ordner);

} // namespace velmora
