#include "CsvAuszug.h"

#include "Auszugstext.h"
#include "CsvZeilen.h"
#include "Text.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <map>

namespace velmora {

namespace {

std::string Verbinde(const std::vector<std::string>& felder)
{
    std::string text;
    for (size_t i = 0; i < felder.size(); ++i)
        text += (i ? ";" : "") + felder[i];
    return text;
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

std::string Feld(const CsvZeile& zeile, int spalte)
{
    return spalte >= 0 && static_cast<size_t>(spalte) < zeile.felder.size()
               ? Getrimmt(zeile.felder[static_cast<size_t>(spalte)])
               : std::string();
}

bool Leer(const CsvZeile& zeile)
{
    return std::all_of(zeile.felder.begin(), zeile.felder.end(),
                       [](const std::string& f) { return Getrimmt(f).empty(); });
}

// The layout of a file without a header: its number of columns and, for each, whether its values are
// dates (D), amounts (B) or anything else (T).
std::string Form(const std::vector<CsvZeile>& zeilen, size_t ab, size_t spalten)
{
    std::string form = "#" + std::to_string(spalten) + ":";
    for (size_t s = 0; s < spalten; ++s) {
        bool datum = true, betrag = true, gesehen = false;
        for (size_t i = ab; i < zeilen.size(); ++i) {
            const std::string wert = Feld(zeilen[i], static_cast<int>(s));
            if (wert.empty() || zeilen[i].felder.size() != spalten)
                continue;
            gesehen = true;
            int d = 0;
            double b = 0.0;
            datum = datum && LiesAuszugsdatum(wert, d) != Datumsfehler::kKeinDatum;
            betrag = betrag && (LiesAuszugsbetrag(wert, ',', b) || LiesAuszugsbetrag(wert, '.', b));
        }
        form += !gesehen ? 'T' : datum ? 'D' : betrag ? 'B' : 'T';
    }
    return form;
}

struct Tabelle
{
    char trenner = 0;
    size_t nKopf = 0;  // the header row, or the first data row of a file without one
    size_t nDaten = 0; // the first data row
    std::vector<CsvZeile> probe;
    std::string strLayout;
    Spaltenzuordnung zuordnung;
    bool bErkannt = false;
};

bool HatDatum(const CsvZeile& zeile, const Spaltenzuordnung& z)
{
    int datum = 0;
    return LiesAuszugsdatum(Feld(zeile, z[kRolleDatum]), datum) != Datumsfehler::kKeinDatum;
}

// The separator and header row: the first row naming a date and an amount, or whose layout the memory
// knows. Without one (and always with a mapping the user gave), the separator whose rows most often have
// the same number of fields, and the first such row; it is a header unless it already holds a date.
Tabelle FindeTabelle(const std::string& text, const Importgedaechtnis& gedaechtnis, const Spaltenzuordnung* vorgabe)
{
    constexpr size_t kProbe = 60;
    Tabelle beste;
    size_t besteGleiche = 1;
    for (char trenner : {';', '\t', ','}) {
        std::vector<CsvZeile> probe = CsvZeilen(text, trenner, kProbe + 10);
        for (size_t i = 0; i < probe.size() && i < kProbe && !vorgabe; ++i) {
            const std::vector<std::string>& felder = probe[i].felder;
            if (felder.size() < 2)
                continue;
            const std::string layout = Utf8ZuCp1252(Verbinde(felder));
            const auto gemerkt = gedaechtnis.zuordnungen.find(layout);
            const Spaltenzuordnung z =
                gemerkt != gedaechtnis.zuordnungen.end() ? gemerkt->second : ErkenneSpalten(felder);
            if (z.Vollstaendig())
                return {trenner, i, i + 1, std::move(probe), layout, z, true};
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
                beste.probe = probe;
            }
        }
    }
    if (beste.trenner == 0)
        return beste;
    const size_t spalten = beste.probe[beste.nKopf].felder.size();
    const std::string form = Form(beste.probe, beste.nKopf, spalten);
    const auto gemerkt = gedaechtnis.zuordnungen.find(form);
    const Spaltenzuordnung* z = vorgabe && vorgabe->Vollstaendig()         ? vorgabe
                                : gemerkt != gedaechtnis.zuordnungen.end() ? &gemerkt->second
                                                                           : nullptr;
    const bool ohneKopf = z ? HatDatum(beste.probe[beste.nKopf], *z) : gemerkt != gedaechtnis.zuordnungen.end();
    beste.nDaten = beste.nKopf + (ohneKopf ? 0 : 1);
    beste.strLayout = ohneKopf ? form : Utf8ZuCp1252(Verbinde(beste.probe[beste.nKopf].felder));
    if (z) {
        beste.zuordnung = *z;
        beste.bErkannt = true;
    }
    return beste;
}

bool LiesBetrag(const CsvZeile& zeile, int spalte, char dezimal, double& wert, Lesefehler& fehler)
{
    const std::string text = Feld(zeile, spalte);
    if (LiesAuszugsbetrag(text, dezimal, wert))
        return true;
    fehler = {Lesefehler::kBetrag, zeile.nZeile, text, {}, {}};
    return false;
}

// The signed amount of a row: one column, a debit and a credit column, or an amount with S/H. Where a
// file has an amount column and debit/credit columns, an empty amount leaves it to the latter.
bool Betrag(const CsvZeile& zeile, const Spaltenzuordnung& z, char dezimal, double& betrag, Lesefehler& fehler)
{
    const bool sollHaben = z[kRolleSoll] >= 0 && z[kRolleHaben] >= 0;
    if (z[kRolleBetrag] >= 0 && (!sollHaben || !Feld(zeile, z[kRolleBetrag]).empty())) {
        if (!LiesBetrag(zeile, z[kRolleBetrag], dezimal, betrag, fehler))
            return false;
        const std::string sh = Klein(Feld(zeile, z[kRolleSollHaben]));
        if (sh.starts_with("s") || sh.starts_with("d"))
            betrag = -std::fabs(betrag);
        else if (sh.starts_with("h") || sh.starts_with("c"))
            betrag = std::fabs(betrag);
        return true;
    }
    const bool soll = !Feld(zeile, z[kRolleSoll]).empty();
    const bool haben = !Feld(zeile, z[kRolleHaben]).empty();
    double aus = 0.0, ein = 0.0;
    if (!soll && !haben)
        return LiesBetrag(zeile, z[kRolleSoll], dezimal, aus, fehler);
    if ((soll && !LiesBetrag(zeile, z[kRolleSoll], dezimal, aus, fehler)) ||
        (haben && !LiesBetrag(zeile, z[kRolleHaben], dezimal, ein, fehler)))
        return false;
    betrag = std::fabs(ein) - std::fabs(aus);
    return true;
}

// comdirect writes the whole booking into one text: "Auftraggeber: NAME Buchungstext: PURPOSE Ref. ...".
void ZerlegeText(const std::string& text, std::string& name, std::string& zweck)
{
    name = zweck = text;
    const size_t buchungstext = text.find("Buchungstext: ");
    if (buchungstext == std::string::npos)
        return;
    const size_t von = buchungstext + 14;
    const size_t ref = text.find(" Ref. ", von);
    zweck = Getrimmt(text.substr(von, ref == std::string::npos ? std::string::npos : ref - von));
    name = zweck;
    for (const char* marke : {"Auftraggeber: ", "Empfänger: ", "Zahlungsempfänger: "}) {
        const size_t p = text.find(marke);
        if (p == std::string::npos || p > buchungstext)
            continue;
        const size_t anfang = p + std::string(marke).size();
        const size_t konto = text.find(" Kto/IBAN: ", anfang);
        name = Getrimmt(text.substr(anfang, std::min(konto, buchungstext) - anfang));
        break;
    }
}

// The statement's own account from a column: its IBAN, or an account number that keeps two accounts of
// one bank apart.
void EigenesKonto(const std::string& wert, std::string& iban, std::string& nummer)
{
    iban = NormaleIban(wert.substr(0, wert.find('/')));
    nummer.clear();
    if (iban.empty() && !wert.empty() &&
        std::all_of(wert.begin(), wert.end(), [](unsigned char c) { return std::isdigit(c) || c == ' '; }))
        nummer = wert;
}

class Zeilenleser final
{
public:
    Zeilenleser(Leseergebnis& ergebnis, const Tabelle& tabelle, char dezimal, const std::string& eigeneIban)
        : m_ergebnis(ergebnis)
        , m_z(tabelle.zuordnung)
        , m_strLayout(tabelle.strLayout)
        , m_nSpalten(tabelle.probe[tabelle.nKopf].felder.size())
        , m_dezimal(dezimal)
        , m_strEigeneIban(eigeneIban)
    {
    }

    bool Zeile(const CsvZeile& zeile)
    {
        if (zeile.bZuLang) {
            m_ergebnis.fehler = {Lesefehler::kZuVieleSpalten, zeile.nZeile, {}, {}, {}};
            return false;
        }
        if (Leer(zeile))
            return true;
        if (Vorgemerkt(Feld(zeile, m_z.nStatus)) || Vorgemerkt(Feld(zeile, m_z[kRolleDatum]))) {
            Auszug(zeile).nVorgemerkt += 1;
            return true;
        }
        Auszugszeile a;
        a.nZeile = zeile.nZeile;
        const std::string datum = Feld(zeile, m_z[kRolleDatum]);
        const Datumsfehler datumsfehler = LiesAuszugsdatum(datum, a.nDatum);
        // Closing lines below the table ("Kontostand am ...") have another shape and no date.
        if (datumsfehler != Datumsfehler::kKeiner && zeile.felder.size() != m_nSpalten)
            return true;
        if (datumsfehler != Datumsfehler::kKeiner) {
            m_ergebnis.fehler = {datumsfehler == Datumsfehler::kGibtEsNicht ? Lesefehler::kDatumGibtEsNicht
                                                                            : Lesefehler::kKeinDatum,
                                 zeile.nZeile,
                                 datum,
                                 {},
                                 {}};
            return Kurz(zeile);
        }
        if (!Betrag(zeile, m_z, m_dezimal, a.dBetrag, m_ergebnis.fehler))
            return Kurz(zeile);
        const int nameSpalte = m_z.nZahlerName >= 0 && a.dBetrag > 0 ? m_z.nZahlerName : m_z[kRolleName];
        a.strName = Utf8ZuCp1252(Feld(zeile, nameSpalte));
        a.strIban = NormaleIban(Feld(zeile, m_z[kRolleIban]));
        std::string zweck = Feld(zeile, m_z[kRolleZweck]);
        for (int weitere : m_z.anWeitereZwecke)
            zweck += " " + Feld(zeile, weitere);
        a.strZweck = Utf8ZuCp1252(Getrimmt(zweck));
        if (m_z.nText >= 0) {
            std::string name;
            ZerlegeText(Feld(zeile, m_z.nText), name, zweck);
            a.strName = Utf8ZuCp1252(name);
            a.strZweck = Utf8ZuCp1252(zweck);
        }
        const std::string waehrung = Klein(Feld(zeile, m_z.nWaehrung));
        if (!waehrung.empty() && waehrung != "eur" && waehrung != "\xE2\x82\xAC")
            a.strWaehrung = Utf8ZuCp1252(Feld(zeile, m_z.nWaehrung));
        Auszug(zeile).zeilen.push_back(std::move(a));
        return true;
    }

private:
    // A row with fewer fields than the header is read when only trailing fields are missing; else its
    // fault is the missing fields.
    bool Kurz(const CsvZeile& zeile)
    {
        if (zeile.felder.size() < m_nSpalten)
            m_ergebnis.fehler = {Lesefehler::kKurzeZeile,
                                 zeile.nZeile,
                                 std::to_string(zeile.felder.size()),
                                 std::to_string(m_nSpalten),
                                 {}};
        return false;
    }

    Kontoauszug& Auszug(const CsvZeile& zeile)
    {
        std::string iban, nummer;
        EigenesKonto(Feld(zeile, m_z[kRolleEigeneIban]), iban, nummer);
        if (iban.empty() && nummer.empty())
            iban = m_strEigeneIban;
        auto [it, neu] = m_proKonto.try_emplace(iban + "|" + nummer, m_ergebnis.auszuege.size());
        if (neu) {
            Kontoauszug& auszug = m_ergebnis.auszuege.emplace_back();
            auszug.strIban = iban;
            auszug.strLayout = nummer.empty() ? m_strLayout : m_strLayout + "|" + nummer;
        }
        return m_ergebnis.auszuege[it->second];
    }

    Leseergebnis& m_ergebnis;
    const Spaltenzuordnung& m_z;
    const std::string& m_strLayout;
    size_t m_nSpalten;
    char m_dezimal;
    std::string m_strEigeneIban;
    std::map<std::string, size_t> m_proKonto;
};

} // namespace

Leseergebnis LiesCsv(const std::string& text, const Importgedaechtnis& gedaechtnis, const Spaltenzuordnung* zuordnung)
{
    Leseergebnis ergebnis;
    const Tabelle tabelle = FindeTabelle(text, gedaechtnis, zuordnung);
    if (tabelle.trenner == 0 || tabelle.probe.empty()) {
        ergebnis.fehler.art = Lesefehler::kUnbekannt;
        return ergebnis;
    }
    ergebnis.vorschau.strLayout = tabelle.strLayout;
    if (!tabelle.bErkannt) {
        ergebnis.bZuordnen = true;
        ergebnis.vorschau.kopf = tabelle.probe[tabelle.nKopf].felder;
        for (size_t i = tabelle.nKopf + 1; i < tabelle.probe.size() && ergebnis.vorschau.ersteZeilen.size() < 10; ++i)
            ergebnis.vorschau.ersteZeilen.push_back(tabelle.probe[i].felder);
        return ergebnis;
    }
    const Spaltenzuordnung& z = tabelle.zuordnung;

    // Some banks name the account above the table ("IBAN;DE12 ...", "DE12... / Girokonto").
    std::string eigeneIban;
    for (size_t i = 0; i < tabelle.nKopf && eigeneIban.empty(); ++i) {
        for (const std::string& feld : tabelle.probe[i].felder) {
            eigeneIban = NormaleIban(feld.substr(0, feld.find('/')));
            if (!eigeneIban.empty())
                break;
        }
    }

    // Rows are read twice, for the decimal separator and for the lines, and never kept.
    Dezimalzeichen zeichen;
    size_t index = 0;
    JedeCsvZeile(text, tabelle.trenner, [&](const CsvZeile& zeile) {
        if (index++ >= tabelle.nDaten) {
            for (Spaltenrolle rolle : {kRolleBetrag, kRolleSoll, kRolleHaben})
                zeichen.Zaehle(Feld(zeile, z[rolle]));
        }
        return true;
    });
    Zeilenleser leser(ergebnis, tabelle, zeichen.Zeichen(), eigeneIban);
    index = 0;
    JedeCsvZeile(text, tabelle.trenner,
                 [&](const CsvZeile& zeile) { return index++ < tabelle.nDaten || leser.Zeile(zeile); });
    return ergebnis;
}

} // namespace velmora
