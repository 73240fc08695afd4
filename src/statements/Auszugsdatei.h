#pragma once

// Reading a bank's statement file: CAMT.052/053/054 (XML), MT940/MT942, the bank's CSV download or a ZIP
// archive of these. The kind is found from the content. A file that cannot be read whole yields no lines
// at all, only the reason.

#include "Kontoauszug.h"

#include <string>
#include <vector>

namespace velmora {

constexpr long long kGroessteAuszugsdatei = 50LL * 1024 * 1024;
// No household books more in one line; anything above is a misread or a hostile file.
constexpr double kGroessterBetrag = 100'000'000.0;

struct Lesefehler
{
    enum Art
    {
        kKeiner,
        kNichtLesbar,      // the file cannot be opened
        kZuGross,          // over kGroessteAuszugsdatei
        kUnbekannt,        // neither format
        kKeinXml,          // XML that is not well formed
        kKeinAuszug,       // well-formed XML that is no CAMT.053 statement
        kBetrag,           // an amount that is no number
        kKeinDatum,        // a date in no known form, or missing
        kDatumGibtEsNicht, // a date that does not exist
        kZuTief,           // XML nested deeper than any statement
        kZuGrosserBetrag,  // an amount above kGroessterBetrag
        kDatumAusserhalb,  // a date before 1900 or more than a year ahead
        kKodierung,        // bytes that are neither UTF-8 nor cp1252, or broken UTF-16
        kZuVieleSpalten,   // a CSV row with more fields than any bank writes
        kKurzeZeile,       // a CSV row missing fields that are not trailing ones
        kArchiv,           // a ZIP archive that cannot be unpacked, or one inside another
        kFremdesFormat,    // a known kind of file that holds no statement Velmora reads (strWert names it)
        kMt940             // an MT940 field out of form (strDetail names it)
    };
    Art art = kKeiner;
    int nZeile = 0;
    std::string strWert;   // the offending text, UTF-8
    std::string strDetail; // the XML reader's or the element's word on it, UTF-8
    std::string strTeil;   // the member of a ZIP archive the fault lies in, UTF-8
};

// The message for the user, naming the file and the line. UTF-8.
std::string Fehlertext(const std::string& datei, const Lesefehler& fehler, bool deutsch);

// A CSV file whose columns are not recognised, for the page where the user assigns them.
struct CsvVorschau
{
    std::vector<std::string> kopf;                     // the header row, UTF-8
    std::vector<std::vector<std::string>> ersteZeilen; // up to ten data rows, UTF-8
    std::string strLayout;                             // memory key of the header row (cp1252)
};

struct Leseergebnis
{
    std::vector<Kontoauszug> auszuege; // one per account the file holds
    Lesefehler fehler;
    bool bZuordnen = false; // a CSV file whose columns the user must assign first
    CsvVorschau vorschau;

    bool Ok() const { return fehler.art == Lesefehler::kKeiner && !bZuordnen; }
};

// Reads the file. CSV columns come from `zuordnung` when given, else from the remembered mapping of the
// file's layout, else from the header names. Dates after `heute` (yyyymmdd; 0: the system's date) plus
// one year are refused.
Leseergebnis LiesAuszugsdatei(const std::string& pfad, const Importgedaechtnis& gedaechtnis,
                              const Spaltenzuordnung* zuordnung = nullptr, int heute = 0);

// The same on bytes already read.
Leseergebnis LiesAuszug(const std::string& pfad, const std::string& bytes, const Importgedaechtnis& gedaechtnis,
                        const Spaltenzuordnung* zuordnung = nullptr, int heute = 0);

} // namespace velmora
