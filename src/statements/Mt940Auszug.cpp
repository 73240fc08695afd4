#include "Mt940Auszug.h"

#include "Auszugstext.h"
#include "Text.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdio>
#include <map>

namespace velmora {

namespace {

struct Feld
{
    std::string strTag;
    std::string strInhalt; // the lines of the field joined with '\n'
    int nZeile = 0;
};

bool Ziffern(const std::string& s, size_t von, size_t laenge)
{
    return von + laenge <= s.size() && std::all_of(s.begin() + static_cast<std::ptrdiff_t>(von),
                                                   s.begin() + static_cast<std::ptrdiff_t>(von + laenge),
                                                   [](unsigned char c) { return std::isdigit(c); });
}

// ":61:" gives "61", ":28C:" "28C"; empty when the line starts no field.
std::string Tag(const std::string& zeile)
{
    if (zeile.size() < 4 || zeile[0] != ':' || !Ziffern(zeile, 1, 2))
        return {};
    if (zeile[3] == ':')
        return zeile.substr(1, 2);
    if (zeile.size() >= 5 && std::isalpha(static_cast<unsigned char>(zeile[3])) && zeile[4] == ':')
        return zeile.substr(1, 3);
    return {};
}

std::vector<Feld> Felder(const std::string& text)
{
    std::vector<Feld> felder;
    int nummer = 0;
    size_t pos = 0;
    while (pos < text.size()) {
        size_t ende = text.find('\n', pos);
        if (ende == std::string::npos)
            ende = text.size();
        std::string zeile = text.substr(pos, ende - pos);
        pos = ende + 1;
        ++nummer;
        if (!zeile.empty() && zeile.back() == '\r')
            zeile.pop_back();
        const std::string tag = Tag(zeile);
        if (!tag.empty()) {
            felder.push_back({tag, zeile.substr(tag.size() + 2), nummer});
        } else if (zeile == "-" || zeile.starts_with("-}") || zeile.starts_with("{")) {
            felder.push_back({"-", {}, nummer});
        } else if (!felder.empty() && felder.back().strTag != "-") {
            felder.back().strInhalt += "\n" + zeile;
        }
    }
    return felder;
}

int Jahr(int jj)
{
    return jj < 80 ? 2000 + jj : 1900 + jj;
}

constexpr std::array<const char*, 14> kSepaWoerter = {"EREF+", "KREF+", "MREF+", "CRED+", "DEBT+", "SVWZ+", "ABWA+",
                                                      "ABWE+", "IBAN+", "BIC+",  "COAM+", "OAMT+", "SQTP+", "PURP+"};

// The purpose split at its SEPA keywords: keyword -> text; "" holds a purpose without keywords.
std::map<std::string, std::string> SepaTeile(const std::string& zweck)
{
    std::vector<std::pair<size_t, const char*>> stellen;
    for (const char* wort : kSepaWoerter) {
        for (size_t p = zweck.find(wort); p != std::string::npos; p = zweck.find(wort, p + 1))
            stellen.emplace_back(p, wort);
    }
    std::sort(stellen.begin(), stellen.end());
    std::map<std::string, std::string> teile;
    if (stellen.empty() || stellen.front().first != 0) {
        teile[""] = zweck.substr(0, stellen.empty() ? std::string::npos : stellen.front().first);
    }
    for (size_t i = 0; i < stellen.size(); ++i) {
        const size_t von = stellen[i].first + std::string_view(stellen[i].second).size();
        const size_t bis = i + 1 < stellen.size() ? stellen[i + 1].first : zweck.size();
        teile[stellen[i].second] += zweck.substr(von, bis - von);
    }
    return teile;
}

std::string Getrimmt(const std::string& text)
{
    const size_t von = text.find_first_not_of(" \t");
    if (von == std::string::npos)
        return {};
    return text.substr(von, text.find_last_not_of(" \t") - von + 1);
}

// The details of an entry from its :86: field.
void Details(const std::string& inhalt, Auszugszeile& zeile)
{
    std::string text;
    for (char c : inhalt) {
        if (c != '\n')
            text += c;
    }
    const bool strukturiert =
        text.size() >= 4 && Ziffern(text, 0, 3) && !std::isalnum(static_cast<unsigned char>(text[3]));
    if (!strukturiert) {
        std::string zweck = inhalt;
        std::replace(zweck.begin(), zweck.end(), '\n', ' ');
        zeile.strZweck = Utf8ZuCp1252(Getrimmt(zweck));
        return;
    }
    const char trenner = text[3];
    std::map<int, std::string> teile;
    for (size_t p = text.find(trenner); p != std::string::npos;) {
        const size_t naechster = text.find(trenner, p + 1);
        if (Ziffern(text, p + 1, 2)) {
            const int code = (text[p + 1] - '0') * 10 + (text[p + 2] - '0');
            teile[code] += text.substr(p + 3, (naechster == std::string::npos ? text.size() : naechster) - p - 3);
        }
        p = naechster;
    }
    std::string zweck;
    for (const auto& [code, wert] : teile) {
        if ((code >= 20 && code <= 29) || (code >= 60 && code <= 63))
            zweck += wert;
    }
    const std::map<std::string, std::string> sepa = SepaTeile(zweck);
    const auto teil = [&sepa](const char* wort) {
        const auto it = sepa.find(wort);
        return it == sepa.end() ? std::string() : Getrimmt(it->second);
    };
    std::string kommentar = teil("SVWZ+");
    if (kommentar.empty() && sepa.size() == 1)
        kommentar = Getrimmt(teil(""));
    const std::string buchungstext = Getrimmt(teile[0]);
    std::string name = Getrimmt(teile[32] + teile[33]);
    zeile.strName = Utf8ZuCp1252(name.empty() ? buchungstext : name);
    zeile.strZweck = Utf8ZuCp1252(kommentar.empty() ? buchungstext : kommentar);
    zeile.strIban = NormaleIban(teile[31]);
    if (zeile.strIban.empty())
        zeile.strIban = NormaleIban(teil("IBAN+"));
}

class Leser final
{
public:
    explicit Leser(Leseergebnis& ergebnis)
        : m_ergebnis(ergebnis)
    {
    }

    bool Lies(const std::vector<Feld>& felder)
    {
        for (const Feld& f : felder) {
            m_bDetails = m_bDetails && f.strTag == "86";
            if (f.strTag == "20") {
                m_nAuszug = -1;
                m_strWaehrung.clear();
            } else if (f.strTag == "25") {
                Konto(f);
            } else if (f.strTag == "34F" || f.strTag == "13D") {
                m_bVorgemerkt = true;
            } else if (f.strTag == "60F" || f.strTag == "60M") {
                m_strWaehrung = f.strInhalt.size() >= 10 ? f.strInhalt.substr(7, 3) : std::string();
            } else if (f.strTag == "61") {
                if (!Eintrag(f))
                    return false;
            } else if (f.strTag == "86" && m_bDetails) {
                Details(f.strInhalt, m_ergebnis.auszuege[static_cast<size_t>(m_nAuszug)].zeilen.back());
                m_bDetails = false;
            }
        }
        if (m_ergebnis.auszuege.empty())
            return Fehler(felder.empty() ? 1 : felder.front().nZeile, ":25:", "no account");
        return true;
    }

private:
    bool Fehler(int zeile, const std::string& tag, const std::string& detail)
    {
        m_ergebnis.fehler = {Lesefehler::kMt940, zeile, tag, detail, {}};
        return false;
    }

    void Konto(const Feld& f)
    {
        std::string wert = Getrimmt(f.strInhalt.substr(0, f.strInhalt.find('\n')));
        std::string iban = NormaleIban(wert.substr(0, std::min<size_t>(wert.size(), 34)));
        if (iban.empty() && wert.size() > 3)
            iban = NormaleIban(wert.substr(0, wert.size() - 3)); // IBAN with the currency behind it
        if (const size_t strich = wert.find('/'); iban.empty() && strich != std::string::npos) {
            std::string konto = wert.substr(strich + 1);
            while (!konto.empty() && !std::isdigit(static_cast<unsigned char>(konto.back())))
                konto.pop_back();
            iban = DeutscheIban(wert.substr(0, strich), konto);
        }
        const auto [it, neu] = m_proIban.try_emplace(iban, m_ergebnis.auszuege.size());
        if (neu)
            m_ergebnis.auszuege.emplace_back().strIban = iban;
        m_nAuszug = static_cast<int>(it->second);
    }

    bool Datum(int zeile, int jahr, int monat, int tag, int& datum)
    {
        char text[40];
        std::snprintf(text, sizeof text, "%04d-%02d-%02d", jahr, monat, tag);
        const Datumsfehler fehler = LiesAuszugsdatum(text, datum);
        if (fehler == Datumsfehler::kKeiner)
            return true;
        m_ergebnis.fehler = {fehler == Datumsfehler::kGibtEsNicht ? Lesefehler::kDatumGibtEsNicht
                                                                  : Lesefehler::kKeinDatum,
                             zeile,
                             text,
                             {},
                             {}};
        return false;
    }

    // 6!n[4!n]2a[1!a]15d1!a3!c16x[//16x]: value date, booking date, mark, funds code, amount, type and
    // references.
    bool Eintrag(const Feld& f)
    {
        if (m_nAuszug < 0)
            return Fehler(f.nZeile, ":25:", "missing before :61:");
        const std::string s = f.strInhalt.substr(0, f.strInhalt.find('\n'));
        if (!Ziffern(s, 0, 6))
            return Fehler(f.nZeile, ":61:", "value date");
        const auto zahl = [&s](size_t von) { return (s[von] - '0') * 10 + (s[von + 1] - '0'); };
        const int jahr = Jahr(zahl(0)), monat = zahl(2), tag = zahl(4);
        size_t pos = 6;
        int buchungsjahr = jahr, buchungsmonat = monat, buchungstag = tag;
        if (Ziffern(s, 6, 4)) {
            buchungsmonat = zahl(6);
            buchungstag = zahl(8);
            // The booking date may fall into the year before or after the value date.
            if (buchungsmonat == 12 && monat == 1)
                buchungsjahr = jahr - 1;
            else if (buchungsmonat == 1 && monat == 12)
                buchungsjahr = jahr + 1;
            pos = 10;
        }
        Auszugszeile zeile;
        zeile.nZeile = f.nZeile;
        if (!Datum(f.nZeile, buchungsjahr, buchungsmonat, buchungstag, zeile.nDatum))
            return false;
        zeile.bStorno = s.compare(pos, 1, "R") == 0;
        pos += zeile.bStorno ? 1 : 0;
        if (pos >= s.size() || (s[pos] != 'C' && s[pos] != 'D'))
            return Fehler(f.nZeile, ":61:", "debit/credit mark");
        const bool haben = s[pos] == 'C';
        ++pos;
        if (pos < s.size() && std::isalpha(static_cast<unsigned char>(s[pos])))
            ++pos; // the third letter of the currency
        const size_t betragEnde = s.find_first_not_of("0123456789,", pos);
        std::string betrag = s.substr(pos, betragEnde - pos);
        if (betrag.ends_with(','))
            betrag += "00";
        double wert = 0.0;
        if (betrag.find(',') == std::string::npos || !LiesAuszugsbetrag(betrag, ',', wert)) {
            m_ergebnis.fehler = {Lesefehler::kBetrag, f.nZeile, s.substr(pos, betragEnde - pos), {}, {}};
            return false;
        }
        // A reversal of a credit takes money out, one of a debit brings it back.
        zeile.dBetrag = haben != zeile.bStorno ? wert : -wert;
        if (betragEnde != std::string::npos) {
            const std::string rest = s.substr(std::min(betragEnde + 4, s.size()));
            const size_t bank = rest.find("//");
            const std::string referenz = bank == std::string::npos ? std::string() : Getrimmt(rest.substr(bank + 2));
            if (referenz != "NONREF")
                zeile.strReferenz = Utf8ZuCp1252(referenz);
        }
        if (m_strWaehrung != "EUR")
            zeile.strWaehrung = Utf8ZuCp1252(m_strWaehrung);
        Kontoauszug& auszug = m_ergebnis.auszuege[static_cast<size_t>(m_nAuszug)];
        if (m_bVorgemerkt) {
            auszug.nVorgemerkt += 1;
            return true;
        }
        auszug.zeilen.push_back(std::move(zeile));
        m_bDetails = true;
        return true;
    }

    Leseergebnis& m_ergebnis;
    std::map<std::string, size_t> m_proIban;
    int m_nAuszug = -1;
    std::string m_strWaehrung;
    bool m_bVorgemerkt = false;
    bool m_bDetails = false; // the last field was an entry taken in, whose :86: may follow
};

} // namespace

bool IstMt940(const std::string& text)
{
    const std::string anfang = text.substr(0, 4096);
    const auto zeileMit = [&anfang](const char* tag) {
        return anfang.starts_with(tag) || anfang.find(std::string("\n") + tag) != std::string::npos;
    };
    return zeileMit(":20:") && zeileMit(":25:");
}

Leseergebnis LiesMt940(const std::string& text)
{
    Leseergebnis ergebnis;
    Leser leser(ergebnis);
    leser.Lies(Felder(text));
    return ergebnis;
}

std::string DeutscheIban(const std::string& bankleitzahl, const std::string& konto)
{
    if (bankleitzahl.size() != 8 || !Ziffern(bankleitzahl, 0, 8) || konto.empty() || konto.size() > 10 ||
        !Ziffern(konto, 0, konto.size()))
        return {};
    const std::string bban = bankleitzahl + std::string(10 - konto.size(), '0') + konto;
    // Check digits: the BBAN followed by "DE00" as digits (D=13, E=14), modulo 97.
    int rest = 0;
    for (char c : bban + "131400")
        rest = (rest * 10 + (c - '0')) % 97;
    const int pruef = 98 - rest;
    return "DE" + std::string(1, static_cast<char>('0' + pruef / 10)) + static_cast<char>('0' + pruef % 10) + bban;
}

} // namespace velmora
