#pragma once

// Reading a bank's statement file: a CAMT.053 statement (XML) or the bank's CSV download. A file that
// cannot be read whole yields no lines at all, only the reason.

#include "Kontoauszug.h"

#include <string>
#include <vector>

namespace velmora {

constexpr long long kGroessteAuszugsdatei = 50LL * 1024 * 1024;

struct Lesefehler
{
    enum Art
    {
        kKeiner,
        kNichtLesbar,     // the file cannot be opened
        kZuGross,         // over kGroessteAuszugsdatei
        kUnbekannt,       // neither format
        kKeinXml,         // XML that is not well formed
        kKeinAuszug,      // well-formed XML that is no CAMT.053 statement
        kBetrag,          // an amount that is no number
        kKeinDatum,       // a date in no known form, or missing
        kDatumGibtEsNicht // a date that does not exist
    };
    Art art = kKeiner;
    int nZeile = 0;
    std::string strWert;   // the offending text, UTF-8
    std::string strDetail; // the XML reader's or the element's word on it, UTF-8
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
// file's header row, else from the header names.
Leseergebnis LiesAuszugsdatei(const std::string& pfad, const Importgedaechtnis& gedaechtnis,
                              const Spaltenzuordnung* zuordnung = nullptr);

// The same on bytes already read.
Leseergebnis LiesAuszug(const std::string& pfad, const std::string& bytes, const Importgedaechtnis& gedaechtnis,
                        const Spaltenzuordnung* zuordnung = nullptr);

} // namespace velmora
