#pragma once

// Reading the values of bank statements and turning a bank's texts into the book's names and comments.

#include <string>
#include <string_view>

namespace velmora {

// The decimal separator of a column of amounts: ',' when the last separator of most values is a comma
// followed by one or two digits, '.' otherwise. Called with each value in turn.
class Dezimalzeichen final
{
public:
    void Zaehle(std::string_view betrag);
    char Zeichen() const { return m_komma > m_punkt ? ',' : '.'; }

private:
    int m_komma = 0;
    int m_punkt = 0;
};

// An amount as banks write it: "-1.234,56", "1,234.56", "12,50-", "+3.00 EUR". The separator that is
// not the decimal one may only group thousands. False for anything else, including an empty text.
bool LiesAuszugsbetrag(std::string_view text, char dezimal, double& wert);

enum class Datumsfehler
{
    kKeiner,
    kKeinDatum,   // not dd.mm.yyyy, dd.mm.yy nor yyyy-mm-dd
    kGibtEsNicht, // the form fits, but the day does not exist (31.02.2024)
};

// dd.mm.yyyy, dd.mm.yy (20yy) or yyyy-mm-dd, the latter also with a time behind it.
Datumsfehler LiesAuszugsdatum(std::string_view text, int& datum);

// Days since 1 January 1970 of a valid date yyyymmdd.
int Tagnummer(int datum);
// The date yyyymmdd that lies that many days from a valid date.
int VerschiebeDatum(int datum, int tage);

// An IBAN without blanks, in upper case; empty when the text is not shaped like one.
std::string NormaleIban(std::string_view text);

// A counterparty's name as an external account: the words up to a legal form ("GmbH", "AG", ...) and
// before store numbers, dates and phrases like "Filiale" or "Sagt Danke", at most 40 characters.
// "REWE Markt GmbH Filiale 1234 Sagt Danke" becomes "REWE Markt GmbH". cp1252 in and out.
std::string KuerzeName(std::string_view name);

// A purpose text as a comment: one line (tabs and line breaks would split the spreadsheet export) with
// single blanks, cut at a word to at most kKommentarLaenge characters.
constexpr size_t kKommentarLaenge = 120;
std::string KuerzeKommentar(std::string_view text);

} // namespace velmora
