#pragma once

// Offsets of the printing texts in the bilingual string table (resources/strings.tsv).

namespace velmora {

enum Drucktext
{
    kTxtDrucken = 40,
    kTxtAlsPdf = 41,
    kTxtSeiteVon = 42,
    kTxtGedrucktAm = 43,
    kTxtFamilie = 44,
    kTxtGeloeschteZeilen = 45,
    kTxtGrauZeigen = 46,
    kTxtWeglassen = 47,
    kTxtPapier = 48,
    kTxtPassend = 49,
    kTxtHochformat = 50,
    kTxtQuerformat = 51,
    kTxtPdfDateien = 52,
    kTxtPdfFehler = 53,
    kTxtDruckFehler = 54,
    kTxtZeitraum = 55,
    kTxtDruckTitel = 56,
    kTxtZeilen = 57,
};

} // namespace velmora
