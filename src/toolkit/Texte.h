#pragma once

// The bilingual string table: id = language base (1000 English, 2000 German) + offset.

#include <QString>

namespace velmora {

enum Textnummer
{
    kTxtName = 0,
    kTxtDifferenz = 1,
    kTxtBeruf = 2,
    kTxtKonto = 3,
    kTxtFamilienKonten = 4,
    kTxtBank = 5,
    kTxtBlz = 6,
    kTxtBetrag = 7,
    kTxtNutzniesser = 8,
    kTxtKategorie = 9,
    kTxtUKategorie = 10,
    kTxtEmpfaenger = 11,
    kTxtKommentar = 12,
    kTxtDatum = 13,
    kTxtFremdKonten = 14,
    kTxtZyklus = 15,
    kTxtAuftraggeber = 16,
    kTxtGiroKonto = 17,
    kTxtSparbuch = 18,
    kTxtExistiertBereits = 19,
    kTxtEingabeLeer = 20,
    kTxtKeinBetrag = 21,
    kTxtMontag = 22,
    kTxtAusfuehrung = 29,
    kTxtDauerAuftraege = 30,
    kTxtEinnahmen = 31,
    kTxtAusgaben = 32,
    kTxtUmbuchungen = 33,
};

// Text of a string-table id; ids without a text give an empty string.
QString Zeichenkette(int id);

// Text at an offset in the language of a run (m_nSprache; 0 before any settings exist reads as English).
QString Zeichenkette(int sprache, int offset);

// The About entry of the main window's system menu.
constexpr int kTxtUeberVelmora = 101;

} // namespace velmora
