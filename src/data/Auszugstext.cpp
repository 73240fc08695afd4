#include "Auszugstext.h"

#include "Kalender.h"
#include "Text.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <cmath>
#include <vector>

namespace velmora {

namespace {

bool Ziffer(char c)
{
    return c >= '0' && c <= '9';
}

bool Leer(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// The text without blanks (no-break ones of both encodings included) and without a currency.
std::string OhneBeiwerk(std::string_view text)
{
    std::string s;
    for (size_t i = 0; i < text.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        if (Leer(text[i]) || c == 0xA0 || c == 0x80)
            continue;
        if (c == 0xC2 && i + 1 < text.size() && static_cast<unsigned char>(text[i + 1]) == 0xA0) {
            ++i;
            continue;
        }
        if (text.substr(i, 3) == "\xE2\x82\xAC") {
            i += 2;
            continue;
        }
        s += text[i];
    }
    for (const char* waehrung : {"EUR", "eur"}) {
        if (s.size() >= 3 && s.ends_with(waehrung))
            s.resize(s.size() - 3);
        if (s.starts_with(waehrung))
            s.erase(0, 3);
    }
    return s;
}

} // namespace

void Dezimalzeichen::Zaehle(std::string_view betrag)
{
    const std::string s = OhneBeiwerk(betrag);
    const size_t pos = s.find_last_of(",.");
    if (pos == std::string::npos)
        return;
    size_t ziffern = 0;
    while (pos + 1 + ziffern < s.size() && Ziffer(s[pos + 1 + ziffern]))
        ++ziffern;
    // Three digits behind the last separator group thousands; one or two are decimals.
    const bool dezimal = ziffern == 1 || ziffern == 2;
    if ((s[pos] == ',') == dezimal)
        ++m_komma;
    else
        ++m_punkt;
}

bool LiesAuszugsbetrag(std::string_view text, char dezimal, double& wert)
{
    std::string s = OhneBeiwerk(text);
    bool negativ = false;
    if (!s.empty() && (s.front() == '-' || s.front() == '+')) {
        negativ = s.front() == '-';
        s.erase(0, 1);
    } else if (!s.empty() && (s.back() == '-' || s.back() == '+')) {
        negativ = s.back() == '-';
        s.pop_back();
    }
    const char tausender = dezimal == ',' ? '.' : ',';
    const size_t komma = s.find(dezimal);
    const std::string ganz = s.substr(0, komma);
    const std::string bruch = komma == std::string::npos ? std::string() : s.substr(komma + 1);
    if (ganz.empty() || (komma != std::string::npos && bruch.empty()))
        return false;
    if (!std::all_of(bruch.begin(), bruch.end(), Ziffer))
        return false;
    std::string ziffern;
    size_t gruppe = 0;
    bool gruppiert = false;
    for (char c : ganz) {
        if (c == tausender) {
            // Groups of three, the first of one to three digits.
            if (gruppe == 0 || gruppe > 3 || (gruppiert && gruppe != 3))
                return false;
            gruppiert = true;
            gruppe = 0;
        } else if (Ziffer(c)) {
            ziffern += c;
            ++gruppe;
        } else {
            return false;
        }
    }
    if (gruppe == 0 || (gruppiert && gruppe != 3))
        return false;
    const std::string zahl = ziffern + (bruch.empty() ? "" : "." + bruch);
    double gelesen = 0.0;
    const auto [ende, fehler] = std::from_chars(zahl.data(), zahl.data() + zahl.size(), gelesen);
    if (fehler != std::errc() || ende != zahl.data() + zahl.size() || !std::isfinite(gelesen))
        return false;
    wert = negativ ? -gelesen : gelesen;
    return true;
}

Datumsfehler LiesAuszugsdatum(std::string_view text, int& datum)
{
    while (!text.empty() && Leer(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && Leer(text.back()))
        text.remove_suffix(1);
    auto zahl = [&text](size_t von, size_t laenge, int& wert) {
        if (von + laenge > text.size())
            return false;
        const std::string_view teil = text.substr(von, laenge);
        if (!std::all_of(teil.begin(), teil.end(), Ziffer))
            return false;
        std::from_chars(teil.data(), teil.data() + teil.size(), wert);
        return true;
    };
    int jahr = 0, monat = 0, tag = 0;
    bool passt = false;
    if (text.size() >= 10 && text[4] == '-' && text[7] == '-' && (text.size() == 10 || text[10] == 'T')) {
        passt = zahl(0, 4, jahr) && zahl(5, 2, monat) && zahl(8, 2, tag);
    } else if (text.size() >= 8 && text[2] == '.' && text[5] == '.') {
        passt = zahl(0, 2, tag) && zahl(3, 2, monat) &&
                ((text.size() == 10 && zahl(6, 4, jahr)) || (text.size() == 8 && zahl(6, 2, jahr)));
        if (passt && text.size() == 8)
            jahr += 2000;
    }
    if (!passt)
        return Datumsfehler::kKeinDatum;
    if (jahr < 1900 || monat < 1 || monat > 12 || tag < 1 || tag > TageImMonat(jahr, monat))
        return Datumsfehler::kGibtEsNicht;
    datum = jahr * 10000 + monat * 100 + tag;
    return Datumsfehler::kKeiner;
}

int Tagnummer(int datum)
{
    return static_cast<int>(TageSeitEpoche(datum / 10000, datum / 100 % 100, datum % 100));
}

int VerschiebeDatum(int datum, int tage)
{
    int z = Tagnummer(datum) + tage + 719468;
    const int aera = (z >= 0 ? z : z - 146096) / 146097;
    const int tagDerAera = z - aera * 146097;
    const int jahrDerAera = (tagDerAera - tagDerAera / 1460 + tagDerAera / 36524 - tagDerAera / 146096) / 365;
    const int tagDesJahres = tagDerAera - (365 * jahrDerAera + jahrDerAera / 4 - jahrDerAera / 100);
    const int mp = (5 * tagDesJahres + 2) / 153;
    const int tag = tagDesJahres - (153 * mp + 2) / 5 + 1;
    const int monat = mp < 10 ? mp + 3 : mp - 9;
    const int jahr = jahrDerAera + aera * 400 + (monat <= 2 ? 1 : 0);
    return jahr * 10000 + monat * 100 + tag;
}

std::string NormaleIban(std::string_view text)
{
    std::string iban;
    for (char c : text) {
        if (Leer(c))
            continue;
        if (!std::isalnum(static_cast<unsigned char>(c)))
            return {};
        iban += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    const bool form = iban.size() >= 15 && iban.size() <= 34 && std::isalpha(static_cast<unsigned char>(iban[0])) &&
                      std::isalpha(static_cast<unsigned char>(iban[1])) && Ziffer(iban[2]) && Ziffer(iban[3]);
    return form ? iban : std::string();
}

namespace {

std::vector<std::string> Woerter(std::string_view text)
{
    std::vector<std::string> woerter;
    std::string wort;
    for (char c : text) {
        if (Leer(c)) {
            if (!wort.empty())
                woerter.push_back(std::move(wort));
            wort.clear();
        } else {
            wort += c;
        }
    }
    if (!wort.empty())
        woerter.push_back(std::move(wort));
    return woerter;
}

// The word in lower case without the punctuation around it.
std::string Kern(const std::string& wort)
{
    std::string kern = Klein(wort);
    while (!kern.empty() && std::ispunct(static_cast<unsigned char>(kern.back())))
        kern.pop_back();
    while (!kern.empty() && std::ispunct(static_cast<unsigned char>(kern.front())))
        kern.erase(0, 1);
    return kern;
}

constexpr std::array<const char*, 22> kRechtsformen = {"gmbh", "ag",   "kg",  "ohg", "e.v", "ev",   "se",  "ug",
                                                       "gbr",  "mbh",  "e.k", "ltd", "inc", "corp", "llc", "s.a.r.l",
                                                       "s.a",  "sarl", "b.v", "n.v", "plc", "kgaa"};

constexpr std::array<const char*, 14> kSchlussWoerter = {"filiale", "fil",           "sagt",  "dankt",         "danke",
                                                         "nr",      "kartenzahlung", "karte", "girocard",      "pos",
                                                         "ec",      "lastschrift",   "//",    "end-to-end-ref"};

bool IstEines(const std::string& kern, auto& liste)
{
    return std::any_of(liste.begin(), liste.end(), [&kern](const char* w) { return kern == w; });
}

} // namespace

std::string KuerzeName(std::string_view name)
{
    constexpr size_t kLaenge = 40;
    std::string ergebnis;
    for (const std::string& wort : Woerter(name)) {
        const std::string kern = Kern(wort);
        const bool mitZiffer = std::any_of(wort.begin(), wort.end(), Ziffer);
        if (!ergebnis.empty() && (mitZiffer || IstEines(kern, kSchlussWoerter) || wort.starts_with("/")))
            break;
        if (ergebnis.size() + 1 + wort.size() > kLaenge && !ergebnis.empty())
            break;
        if (!ergebnis.empty())
            ergebnis += ' ';
        ergebnis += wort;
        if (IstEines(kern, kRechtsformen))
            break;
    }
    if (ergebnis.size() > kLaenge)
        ergebnis.resize(kLaenge);
    while (!ergebnis.empty() && (ergebnis.back() == ',' || ergebnis.back() == '/' || ergebnis.back() == '-'))
        ergebnis.pop_back();
    return ergebnis;
}

std::string KuerzeKommentar(std::string_view text)
{
    std::string zeile;
    for (const std::string& wort : Woerter(text)) {
        if (!zeile.empty() && zeile.size() + 1 + wort.size() > kKommentarLaenge)
            break;
        if (!zeile.empty())
            zeile += ' ';
        zeile += wort;
    }
    if (zeile.size() > kKommentarLaenge)
        zeile.resize(kKommentarLaenge);
    return zeile;
}

} // namespace velmora
