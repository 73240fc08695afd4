#pragma once

// The import's memory beside the data: one small UTF-8 JSON file, "VLMImport.json", read at the first
// import of a run and written with the other files at "Ende", through a temporary file and a rename.
//
// {"version": 2,
//  "accounts": {"DE02...": "Anna, Giro", "layout:Buchungstag;...": "Bernd, Giro"},
//  "columns": {"Datum;Wert;Text": {"date": 0, "amount": 1, ..., "purposes": [4, 5]}},
//  "counterparties": {"DE89...": "REWE Markt GmbH", "name:stadtwerke": "Stadtwerke"},
//  "references": ["DE02...|2024010200001"],
//  "rules": [{"name_contains": "stadtwerke", ..., "category": "Wohnen"}]}   (Regeljson.h; from version 2)

#include "Kontoauszug.h"

#include <array>
#include <string>

namespace velmora {

inline constexpr const char* kGedaechtnisDatei = "VLMImport.json";

// The names of the column roles in the file (and on velmora-cli's command line), in Spaltenrolle order.
inline constexpr std::array<const char*, kAnzahlSpaltenrollen> kRollennamen = {
    "date", "amount", "debit", "credit", "debitcredit", "name", "iban", "purpose", "ownIban"};

// Reads the memory of the data folder once; later calls keep what is in memory. A missing file is an
// empty memory. A damaged file also reads as empty, and the answer is -1 so the caller can say so.
int LadeGedaechtnis(const std::string& ordner, Importgedaechtnis& gedaechtnis);

// Writes the memory when it changed. 0 when written or nothing to write, -1 when the write failed.
int SpeichereGedaechtnis(const std::string& ordner, Importgedaechtnis& gedaechtnis);

std::string GedaechtnisPfad(const std::string& ordner);

} // namespace velmora
