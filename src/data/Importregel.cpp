#include "Importregel.h"

#include "Kontoauszug.h"
#include "Text.h"

#include <algorithm>

namespace velmora {

namespace {

std::string Getrimmt(const std::string& text)
{
    const auto leer = [](unsigned char c) { return c == ' ' || c == '\t' || c == 0xA0; };
    size_t anfang = 0, ende = text.size();
    while (anfang < ende && leer(static_cast<unsigned char>(text[anfang])))
        ++anfang;
    while (ende > anfang && leer(static_cast<unsigned char>(text[ende - 1])))
        --ende;
    return text.substr(anfang, ende - anfang);
}

std::string OhneLeerzeichen(const std::string& text)
{
    std::string ergebnis;
    for (const char c : text) {
        if (c != ' ' && c != '\t')
            ergebnis += c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
    }
    return ergebnis;
}

} // namespace

void Normalisiere(Importregel& regel)
{
    for (std::string* text :
         {&regel.strNameEnthaelt, &regel.strNameBeginnt, &regel.strNameGleich, &regel.strZweckEnthaelt, &regel.strKonto,
          &regel.strNutzniesser, &regel.strKategorie, &regel.strUKategorie, &regel.strKommentar})
        *text = Getrimmt(*text);
    regel.strIban = OhneLeerzeichen(regel.strIban);
    if (regel.cVorzeichen != '+' && regel.cVorzeichen != '-')
        regel.cVorzeichen = 0;
}

Regelfehler Pruefe(const Importregel& r)
{
    const std::string* texte[] = {&r.strNameEnthaelt, &r.strNameBeginnt, &r.strNameGleich, &r.strIban,
                                  &r.strZweckEnthaelt};
    bool bedingung = r.cVorzeichen != 0 || r.dMin || r.dMax;
    for (const std::string* text : texte) {
        if (text->size() == 1)
            return Regelfehler::kZuKurz;
        bedingung = bedingung || !text->empty();
    }
    if (!bedingung)
        return Regelfehler::kOhneBedingung;
    if ((r.dMin && *r.dMin < 0.0) || (r.dMax && *r.dMax < 0.0) || (r.dMin && r.dMax && *r.dMin > *r.dMax))
        return Regelfehler::kSpanne;
    if ((r.strKonto.empty() && r.strNutzniesser.empty() && r.strKategorie.empty() && r.strKommentar.empty()) ||
        (r.strKategorie.empty() && !r.strUKategorie.empty()))
        return Regelfehler::kOhneWirkung;
    return Regelfehler::kKeiner;
}

Regelgegenstand Gegenstand(const std::string& name, const std::string& iban, const std::string& zweck, double betrag)
{
    return {Klein(name), OhneLeerzeichen(iban), Klein(zweck), betrag};
}

Regelgegenstand GegenstandVon(const Auszugszeile& zeile)
{
    return Gegenstand(zeile.strName, zeile.strIban, zeile.strZweck, zeile.dBetrag);
}

Regelpruefer::Regelpruefer(const Importregel& regel)
    : m_regel(regel)
{
    for (std::string* text :
         {&m_regel.strNameEnthaelt, &m_regel.strNameBeginnt, &m_regel.strNameGleich, &m_regel.strZweckEnthaelt})
        *text = Klein(*text);
}

bool Regelpruefer::Passt(const Regelgegenstand& g) const
{
    const Importregel& r = m_regel;
    if (r.cVorzeichen == '+' ? g.dBetrag <= 0.0 : r.cVorzeichen == '-' && g.dBetrag >= 0.0)
        return false;
    const double betrag = g.dBetrag < 0.0 ? -g.dBetrag : g.dBetrag;
    // A cent of rounding must not move a line out of a range typed in whole cents.
    if ((r.dMin && betrag < *r.dMin - 0.005) || (r.dMax && betrag > *r.dMax + 0.005))
        return false;
    // An empty text of the line matches no condition: a short text is never a wildcard.
    const auto enthaelt = [](const std::string& text, const std::string& teil) {
        return teil.empty() || (text.size() >= kMindestLaenge && text.find(teil) != std::string::npos);
    };
    return enthaelt(g.strName, r.strNameEnthaelt) &&
           (r.strNameBeginnt.empty() ||
            (g.strName.size() >= kMindestLaenge && g.strName.starts_with(r.strNameBeginnt))) &&
           (r.strNameGleich.empty() || g.strName == r.strNameGleich) && (r.strIban.empty() || g.strIban == r.strIban) &&
           enthaelt(g.strZweck, r.strZweckEnthaelt);
}

Regelwerk::Regelwerk(const std::vector<Importregel>& regeln)
{
    for (const bool mitIban : {true, false}) {
        for (size_t i = 0; i < regeln.size(); ++i) {
            if (regeln[i].strIban.empty() != mitIban)
                m_pruefer.emplace_back(static_cast<int>(i), Regelpruefer(regeln[i]));
        }
    }
}

int Regelwerk::Finde(const Regelgegenstand& gegenstand) const
{
    for (const auto& [position, pruefer] : m_pruefer) {
        if (pruefer.Passt(gegenstand))
            return position;
    }
    return -1;
}

} // namespace velmora
