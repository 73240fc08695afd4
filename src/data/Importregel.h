#pragma once

// A rule of the import: conditions on a statement line and what a line it matches is booked with. Texts
// are cp1252 as typed; conditions compare without regard to case (umlauts by the code page, as typed).

#include <optional>
#include <string>
#include <vector>

namespace velmora {

struct Auszugszeile;

struct Importregel
{
    // Conditions; an empty text, a zero sign and an absent bound are not used.
    std::string strNameEnthaelt;
    std::string strNameBeginnt;
    std::string strNameGleich;
    std::string strIban; // the counterparty's IBAN, blanks removed, upper case
    std::string strZweckEnthaelt;
    char cVorzeichen = 0;       // '+' money in, '-' money out, 0 either
    std::optional<double> dMin; // bounds of the amount without its sign
    std::optional<double> dMax;
    // What a matched line is booked with; empty = left as the import proposes it.
    std::string strKonto; // the external account
    std::string strNutzniesser;
    std::string strKategorie;
    std::string strUKategorie;
    std::string strKommentar;

    bool operator==(const Importregel&) const = default;
};

// Why a rule cannot be kept.
enum class Regelfehler
{
    kKeiner,
    kOhneBedingung, // no condition at all: it would match every line
    kZuKurz,        // a text condition of fewer than two characters (a blank would match nearly all)
    kSpanne,        // a negative bound, or the lower above the upper
    kOhneWirkung,   // it sets nothing, or a sub-category without a category
};

constexpr size_t kMindestLaenge = 2;

// Trims the texts (blanks around a condition are never meant) and writes the IBAN without blanks in
// upper case.
void Normalisiere(Importregel& regel);

// Checks a normalised rule.
Regelfehler Pruefe(const Importregel& regel);

// What a condition is tested against, lower-cased once: a statement line, or a booking of the book (its
// external account as the name, its comment as the purpose).
struct Regelgegenstand
{
    std::string strName;
    std::string strIban;
    std::string strZweck;
    double dBetrag = 0.0; // signed: positive money in
};

Regelgegenstand GegenstandVon(const Auszugszeile& zeile);
Regelgegenstand Gegenstand(const std::string& name, const std::string& iban, const std::string& zweck, double betrag);

// One rule ready for many lines: its texts lower-cased once.
class Regelpruefer final
{
public:
    explicit Regelpruefer(const Importregel& regel);
    bool Passt(const Regelgegenstand& gegenstand) const;
    bool MitIban() const { return !m_regel.strIban.empty(); }

private:
    Importregel m_regel;
};

// The rules of the import in their order. A rule by IBAN names one counterparty for certain, so the rules
// with an IBAN are asked first; within each group the first in the list wins.
class Regelwerk final
{
public:
    explicit Regelwerk(const std::vector<Importregel>& regeln);
    // The position in the list of the rule a line is booked with, or -1.
    int Finde(const Regelgegenstand& gegenstand) const;
    int Finde(const Auszugszeile& zeile) const { return Finde(GegenstandVon(zeile)); }

private:
    std::vector<std::pair<int, Regelpruefer>> m_pruefer;
};

} // namespace velmora
