#include "CsvAuszug.h"

#include "Auszugstext.h"
#include "Text.h"

#include <QStringDecoder>

#include <csv.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <map>

namespace velmora {

namespace {

struct CsvZeile
{
    int nZeile = 0; // line of the file where the row starts
    std::vector<std::string> felder;
};

// The text as UTF-8: UTF-8 with or without its byte-order mark, anything else read as cp1252.
std::string AlsUtf8(const std::string& bytes)
{
    if (bytes.starts_with("\xEF\xBB\xBF"))
        return bytes.substr(3);
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
    if (!utf8.hasError())
        return bytes;
    return Cp1252ZuUtf8(bytes);
}

int LeerOhneTab(unsigned char c)
{
    return c == CSV_SPACE;
}

int LeerMitTab(unsigned char c)
{
    return c == CSV_SPACE || c == CSV_TAB;
}

struct Sammler
{
    std::vector<CsvZeile> zeilen;
    CsvZeile aktuell;
    int nBeginn = 1;
    bool bBegonnen = false;
    size_t nHoechstens = 0; // stop collecting after that many rows; 0 = all
};

void Feld(void* text, size_t laenge, void* daten)
{
    auto& s = *static_cast<Sammler*>(daten);
    if (!s.bBegonnen) {
        s.aktuell.nZeile = s.nBeginn;
        s.bBegonnen = true;
    }
    s.aktuell.felder.emplace_back(static_cast<const char*>(text), laenge);
}

void Zeilenende(int, void* daten)
{
    auto& s = *static_cast<Sammler*>(daten);
    if (!s.bBegonnen)
        s.aktuell.nZeile = s.nBeginn;
    if (s.nHoechstens == 0 || s.zeilen.size() < s.nHoechstens)
        s.zeilen.push_back(std::move(s.aktuell));
    s.aktuell = {};
    s.bBegonnen = false;
}

// The rows of the text, fed line by line so that each row knows the line it starts on.
std::vector<CsvZeile> Zeilen(const std::string& text, char trenner, size_t hoechstens = 0)
{
    csv_parser parser;
    csv_init(&parser, 0);
    csv_set_delim(&parser, static_cast<unsigned char>(trenner));
    csv_set_space_func(&parser, trenner == '\t' ? LeerOhneTab : LeerMitTab);
    Sammler sammler;
    sammler.nHoechstens = hoechstens;
    int zeile = 1;
    size_t pos = 0;
    while (pos < text.size()) {
        if (hoechstens != 0 && sammler.zeilen.size() >= hoechstens)
            break;
        size_t ende = text.find('\n', pos);
        ende = ende == std::string::npos ? text.size() : ende + 1;
        // A row begins on this line unless a quoted field runs on from the previous one.
        if (!sammler.bBegonnen && parser.pstate == 0)
            sammler.nBeginn = zeile;
        csv_parse(&parser, text.data() + pos, ende - pos, Feld, Zeilenende, &sammler);
        pos = ende;
        ++zeile;
    }
    csv_fini(&parser, Feld, Zeilenende, &sammler);
    csv_free(&parser);
    return std::move(sammler.zeilen);
}

// A header name in lower case, umlauts spelt out, without blanks and punctuation.
std::string Normal(const std::string& name)
{
    std::string s = Klein(Utf8ZuCp1252(name));
    std::string n;
    for (unsigned char c : s) {
        if ((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9'))
            n += static_cast<char>(c);
        else if (c == 0xE4)
            n += "ae";
        else if (c == 0xF6)
            n += "oe";
        else if (c == 0xFC)
            n += "ue";
        else if (c == 0xDF)
            n += "ss";
    }
    return n;
}

template<size_t N>
bool Unter(const std::string& n, const std::array<const char*, N>& namen)
{
    return std::any_of(namen.begin(), namen.end(), [&n](const char* name) { return n == name; });
}

template<size_t N>
bool Enthaelt(const std::string& n, const std::array<const char*, N>& teile)
{
    return std::any_of(teile.begin(), teile.end(),
                       [&n](const char* teil) { return n.find(teil) != std::string::npos; });
}

constexpr std::array<const char*, 10> kDatum = {"buchungstag", "buchungsdatum", "bookingdate",     "buchung",
                                                "datum",       "date",          "transactiondate", "bookeddate",
                                                "umsatzdatum", "bookingday"};
constexpr std::array<const char*, 5> kWertstellung = {"valuta", "wertstellung", "valuedate", "valutadatum",
                                                      "wertstellungsdatum"};
constexpr std::array<const char*, 5> kBetrag = {"umsatz", "value", "summe", "betrageur", "amounteur"};
constexpr std::array<const char*, 5> kSollHaben = {"sh", "sollhaben", "debitcredit", "dc", "creditdebit"};
constexpr std::array<const char*, 11> kSoll = {"soll",        "ausgang",    "lastschrift", "debit",
                                               "belastung",   "ausgabe",    "ausgaben",    "sollbetrag",
                                               "debitamount", "withdrawal", "withdrawals"};
constexpr std::array<const char*, 11> kHaben = {"haben",    "eingang",   "gutschrift",  "credit",
                                                "einnahme", "einnahmen", "habenbetrag", "creditamount",
                                                "deposit",  "deposits",  "eingaenge"};
constexpr std::array<const char*, 3> kEigeneIban = {"auftragskonto", "eigeneiban", "ownaccount"};
constexpr std::array<const char*, 3> kIban = {"iban", "kontonummer", "accountnumber"};
constexpr std::array<const char*, 11> kName = {
    "empfaenger",   "auftraggeber", "beguenstigt", "zahlungsbeteiligt", "zahlungspflichtig", "payee", "payer",
    "counterparty", "beneficiary",  "name",        "glaeubigername"};
constexpr std::array<const char*, 9> kZweck = {
    "zweck",     "purpose", "description",      "beschreibung",         "memo",
    "reference", "details", "paymentreference", "remittanceinformation"};

} // namespace

Spaltenzuordnung ErkenneSpalten(const std::vector<std::string>& kopf)
{
    Spaltenzuordnung z;
    int wertstellung = -1;
    auto setze = [&z](Spaltenrolle rolle, int spalte) {
        if (z[rolle] < 0)
            z[rolle] = spalte;
    };
    for (int i = 0; i < static_cast<int>(kopf.size()); ++i) {
        const std::string n = Normal(kopf[static_cast<size_t>(i)]);
        if (n.empty())
            continue;
        if (Unter(n, kDatum)) {
            setze(kRolleDatum, i);
        } else if (Unter(n, kWertstellung)) {
            if (wertstellung < 0)
                wertstellung = i;
        } else if (Unter(n, kSollHaben)) {
            setze(kRolleSollHaben, i);
        } else if (Unter(n, kSoll)) {
            setze(kRolleSoll, i);
        } else if (Unter(n, kHaben)) {
            setze(kRolleHaben, i);
        } else if (n.starts_with("betrag") || n.starts_with("amount") || Unter(n, kBetrag)) {
            setze(kRolleBetrag, i);
        } else if (Enthaelt(n, kEigeneIban)) {
            setze(kRolleEigeneIban, i);
        } else if (Enthaelt(n, kIban)) {
            setze(kRolleIban, i);
        } else if (n.starts_with("verwendungszweck") || Unter(n, kZweck)) {
            if (z[kRolleZweck] < 0)
                z[kRolleZweck] = i;
            else
                z.anWeitereZwecke.push_back(i);
        } else if (Enthaelt(n, kName) && !n.ends_with("id")) {
            setze(kRolleName, i);
        }
    }
    // The value date serves only where the file has no booking date.
    setze(kRolleDatum, wertstellung);
    return z;
}

namespace {

std::string Verbinde(const std::vector<std::string>& felder)
{
    std::string text;
    for (size_t i = 0; i < felder.size(); ++i)
        text += (i ? ";" : "") + felder[i];
    return text;
}

struct Tabelle
{
    char trenner = 0;
    std::vector<CsvZeile> zeilen;
    size_t nKopf = 0;
    Spaltenzuordnung zuordnung;
    bool bErkannt = false;
};

// The separator and header row: the first row naming a date and an amount, or whose layout the memory
// knows. Without one (and always with a mapping the user gave), the separator whose rows most often have
// the same number of fields, and the first such row.
Tabelle FindeTabelle(const std::string& text, const Importgedaechtnis& gedaechtnis, const Spaltenzuordnung* vorgabe)
{
    constexpr size_t kProbe = 60;
    Tabelle beste;
    size_t besteGleiche = 1;
    for (char trenner : {';', '\t', ','}) {
        std::vector<CsvZeile> probe = Zeilen(text, trenner, kProbe);
        for (size_t i = 0; i < probe.size() && !vorgabe; ++i) {
            const std::vector<std::string>& felder = probe[i].felder;
            if (felder.size() < 2)
                continue;
            const auto gemerkt = gedaechtnis.zuordnungen.find(Utf8ZuCp1252(Verbinde(felder)));
            const Spaltenzuordnung z =
                gemerkt != gedaechtnis.zuordnungen.end() ? gemerkt->second : ErkenneSpalten(felder);
            if (z.Vollstaendig())
                return {trenner, Zeilen(text, trenner), i, z, true};
        }
        std::map<size_t, size_t> anzahl;
        for (const CsvZeile& z : probe) {
            if (z.felder.size() >= 2)
                ++anzahl[z.felder.size()];
        }
        for (const auto& [felder, wieOft] : anzahl) {
            if (wieOft > besteGleiche) {
                besteGleiche = wieOft;
                beste.trenner = trenner;
                const auto kopf = std::find_if(probe.begin(), probe.end(),
                                               [n = felder](const CsvZeile& z) { return z.felder.size() == n; });
                beste.nKopf = static_cast<size_t>(kopf - probe.begin());
            }
        }
    }
    if (beste.trenner != 0)
        beste.zeilen = Zeilen(text, beste.trenner);
    if (vorgabe && vorgabe->Vollstaendig()) {
        beste.zuordnung = *vorgabe;
        beste.bErkannt = true;
    }
    return beste;
}

std::string Feld(const CsvZeile& zeile, int spalte)
{
    return spalte >= 0 && static_cast<size_t>(spalte) < zeile.felder.size() ? zeile.felder[static_cast<size_t>(spalte)]
                                                                            : std::string();
}

std::string Getrimmt(std::string text)
{
    const auto leer = [](unsigned char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!text.empty() && leer(static_cast<unsigned char>(text.back())))
        text.pop_back();
    size_t i = 0;
    while (i < text.size() && leer(static_cast<unsigned char>(text[i])))
        ++i;
    return text.substr(i);
}

bool Leer(const CsvZeile& zeile)
{
    return std::all_of(zeile.felder.begin(), zeile.felder.end(),
                       [](const std::string& f) { return Getrimmt(f).empty(); });
}

bool LiesBetrag(const CsvZeile& zeile, int spalte, char dezimal, double& wert, Lesefehler& fehler)
{
    const std::string text = Getrimmt(Feld(zeile, spalte));
    if (LiesAuszugsbetrag(text, dezimal, wert))
        return true;
    fehler = {Lesefehler::kBetrag, zeile.nZeile, text, {}};
    return false;
}

// The signed amount of a row: one column, a debit and a credit column, or an amount with S/H.
bool Betrag(const CsvZeile& zeile, const Spaltenzuordnung& z, char dezimal, double& betrag, Lesefehler& fehler)
{
    if (z[kRolleBetrag] >= 0) {
        if (!LiesBetrag(zeile, z[kRolleBetrag], dezimal, betrag, fehler))
            return false;
        const std::string sh = Klein(Getrimmt(Feld(zeile, z[kRolleSollHaben])));
        if (sh.starts_with("s") || sh.starts_with("d"))
            betrag = -std::fabs(betrag);
        else if (sh.starts_with("h") || sh.starts_with("c"))
            betrag = std::fabs(betrag);
        return true;
    }
    const bool soll = !Getrimmt(Feld(zeile, z[kRolleSoll])).empty();
    const bool haben = !Getrimmt(Feld(zeile, z[kRolleHaben])).empty();
    double aus = 0.0, ein = 0.0;
    if (!soll && !haben)
        return LiesBetrag(zeile, z[kRolleSoll], dezimal, aus, fehler);
    if ((soll && !LiesBetrag(zeile, z[kRolleSoll], dezimal, aus, fehler)) ||
        (haben && !LiesBetrag(zeile, z[kRolleHaben], dezimal, ein, fehler)))
        return false;
    betrag = std::fabs(ein) - std::fabs(aus);
    return true;
}

char DezimalzeichenDer(const std::vector<CsvZeile>& zeilen, size_t ab, const Spaltenzuordnung& z)
{
    Dezimalzeichen zeichen;
    for (size_t i = ab; i < zeilen.size(); ++i) {
        for (Spaltenrolle rolle : {kRolleBetrag, kRolleSoll, kRolleHaben})
            zeichen.Zaehle(Feld(zeilen[i], z[rolle]));
    }
    return zeichen.Zeichen();
}

} // namespace

Leseergebnis LiesCsv(const std::string& bytes, const Importgedaechtnis& gedaechtnis, const Spaltenzuordnung* zuordnung)
{
    Leseergebnis ergebnis;
    const std::string text = AlsUtf8(bytes);
    Tabelle tabelle = FindeTabelle(text, gedaechtnis, zuordnung);
    if (tabelle.trenner == 0 || tabelle.zeilen.empty()) {
        ergebnis.fehler.art = Lesefehler::kUnbekannt;
        return ergebnis;
    }
    const std::vector<std::string>& kopf = tabelle.zeilen[tabelle.nKopf].felder;
    const std::string layout = Utf8ZuCp1252(Verbinde(kopf));
    ergebnis.vorschau.strLayout = layout;
    if (!tabelle.bErkannt) {
        ergebnis.bZuordnen = true;
        ergebnis.vorschau.kopf = kopf;
        for (size_t i = tabelle.nKopf + 1; i < tabelle.zeilen.size() && ergebnis.vorschau.ersteZeilen.size() < 10; ++i)
            ergebnis.vorschau.ersteZeilen.push_back(tabelle.zeilen[i].felder);
        return ergebnis;
    }
    const Spaltenzuordnung& z = tabelle.zuordnung;

    // Some banks name the account above the table.
    std::string eigeneIban;
    for (size_t i = 0; i < tabelle.nKopf && eigeneIban.empty(); ++i) {
        for (const std::string& feld : tabelle.zeilen[i].felder) {
            eigeneIban = NormaleIban(feld);
            if (!eigeneIban.empty())
                break;
        }
    }

    const char dezimal = DezimalzeichenDer(tabelle.zeilen, tabelle.nKopf + 1, z);
    std::map<std::string, size_t> proIban;
    for (size_t i = tabelle.nKopf + 1; i < tabelle.zeilen.size(); ++i) {
        const CsvZeile& zeile = tabelle.zeilen[i];
        if (Leer(zeile))
            continue;
        Auszugszeile a;
        a.nZeile = zeile.nZeile;
        const std::string datum = Getrimmt(Feld(zeile, z[kRolleDatum]));
        const Datumsfehler datumsfehler = LiesAuszugsdatum(datum, a.nDatum);
        // Closing lines below the table ("Kontostand am ...") have another shape and no date.
        if (datumsfehler != Datumsfehler::kKeiner && zeile.felder.size() != kopf.size())
            continue;
        if (datumsfehler != Datumsfehler::kKeiner) {
            ergebnis.fehler = {datumsfehler == Datumsfehler::kGibtEsNicht ? Lesefehler::kDatumGibtEsNicht
                                                                          : Lesefehler::kKeinDatum,
                               zeile.nZeile,
                               datum,
                               {}};
            return ergebnis;
        }
        if (!Betrag(zeile, z, dezimal, a.dBetrag, ergebnis.fehler))
            return ergebnis;
        a.strName = Utf8ZuCp1252(Getrimmt(Feld(zeile, z[kRolleName])));
        a.strIban = NormaleIban(Feld(zeile, z[kRolleIban]));
        std::string zweck = Feld(zeile, z[kRolleZweck]);
        for (int weitere : z.anWeitereZwecke)
            zweck += " " + Feld(zeile, weitere);
        a.strZweck = Utf8ZuCp1252(Getrimmt(zweck));
        std::string iban = NormaleIban(Feld(zeile, z[kRolleEigeneIban]));
        if (iban.empty())
            iban = eigeneIban;
        auto [it, neu] = proIban.try_emplace(iban, ergebnis.auszuege.size());
        if (neu) {
            Kontoauszug& auszug = ergebnis.auszuege.emplace_back();
            auszug.strIban = iban;
            auszug.strLayout = layout;
        }
        ergebnis.auszuege[it->second].zeilen.push_back(std::move(a));
    }
    return ergebnis;
}

} // namespace velmora
