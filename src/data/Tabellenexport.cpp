#include "Tabellenexport.h"

#include "Basis.h"
#include "Binaer.h"
#include "Text.h"
#include "Uebersicht.h"

#include <algorithm>
#include <array>

namespace velmora {

namespace {

constexpr int kErsteSpalte = 1;
constexpr int kBetragSpalte = 7;
constexpr const char* kZeilenende = "\r\n";

// The captions of columns 1 to 8, as the string table has them, in cp1252.
constexpr std::array<const char*, 8> kTitelDeutsch = {"Auftraggeber",
                                                      "Empf\xE4nger",
                                                      "Nutznie\xDF"
                                                      "er",
                                                      "Kategorie",
                                                      "Unter-Kategorie",
                                                      "Kommentar",
                                                      "Betrag",
                                                      "Datum"};
constexpr std::array<const char*, 8> kTitelEnglisch = {"Applicant",     "Payee",   "Beneficiary", "Category",
                                                       "Sub-Categorie", "Comment", "Amount",      "Date"};

const std::array<const char*, 8>& Titel(const OverviewListing& liste)
{
    return liste.Basis().Deutsch() ? kTitelDeutsch : kTitelEnglisch;
}

bool EndetMit(const std::string& text, std::string_view ende, bool ohneGross)
{
    if (text.size() < ende.size())
        return false;
    const std::string_view schluss(text.data() + text.size() - ende.size(), ende.size());
    return ohneGross ? GleichOhneGross(schluss, ende) : schluss == ende;
}

std::string Excel(const OverviewListing& liste)
{
    std::string aus;
    for (size_t i = 0; i < Titel(liste).size(); ++i) {
        if (i > 0)
            aus += ' ';
        aus += Titel(liste)[i];
        aus += " \t";
    }
    std::replace(aus.begin(), aus.end(), '.', ',');
    aus += kZeilenende;
    aus += kZeilenende;
    for (int zeile = 0; zeile < liste.m_nZeilen; ++zeile) {
        for (int spalte = kErsteSpalte; spalte < kSpalten; ++spalte) {
            std::string zelle = liste.Zelle(zeile, spalte);
            if (spalte == kBetragSpalte)
                std::replace(zelle.begin(), zelle.end(), '.', ',');
            aus += zelle;
            aus += " \t";
        }
        aus += kZeilenende;
    }
    return aus;
}

// One CSV field. A text that a spreadsheet would take for a formula gets an apostrophe before it, so that
// a payee named "=1+1" stays a name.
void CsvFeld(std::string& aus, const std::string& cp1252)
{
    std::string text = Cp1252ZuUtf8(cp1252);
    if (!text.empty() && std::string_view("=+-@\t\r").find(text.front()) != std::string_view::npos)
        text.insert(text.begin(), '\'');
    const bool zitieren = text.find_first_of(",\"\r\n") != std::string::npos ||
                          (!text.empty() && (text.front() == ' ' || text.back() == ' '));
    if (!zitieren) {
        aus += text;
        return;
    }
    aus += '"';
    for (char c : text) {
        if (c == '"')
            aus += '"';
        aus += c;
    }
    aus += '"';
}

std::string Csv(const OverviewListing& liste)
{
    std::string aus = "\xEF\xBB\xBF";
    for (size_t i = 0; i < Titel(liste).size(); ++i) {
        if (i > 0)
            aus += ',';
        CsvFeld(aus, Titel(liste)[i]);
    }
    aus += kZeilenende;
    for (int zeile = 0; zeile < liste.m_nZeilen; ++zeile) {
        const CInOut* t = liste.TransaktionDerZeile(zeile);
        if (!t)
            continue;
        for (const std::string* text : {&t->m_strAuftraggeber, &t->m_strEmpfaenger, &t->m_strNutzniesser,
                                        &t->m_strKategorie, &t->m_strUKategorie, &t->m_strKommentar}) {
            CsvFeld(aus, *text);
            aus += ',';
        }
        // Numbers and ISO dates read the same in every locale's spreadsheet.
        aus += Format("%.2f,%04d-%02d-%02d", t->m_dBetrag, t->m_nDatum / 10000, t->m_nDatum / 100 % 100,
                      t->m_nDatum % 100);
        aus += kZeilenende;
    }
    return aus;
}

} // namespace

std::string ExportDatei(const std::string& pfad, Exportformat format)
{
    if (format == Exportformat::kCsv)
        return EndetMit(pfad, ".csv", true) ? pfad : pfad + ".csv";
    return EndetMit(pfad, ".xls", false) ? pfad : pfad + ".xls";
}

Exportformat ExportformatVon(const std::string& pfad)
{
    return EndetMit(pfad, ".csv", true) ? Exportformat::kCsv : Exportformat::kExcel;
}

std::string ExportInhalt(const OverviewListing& liste, Exportformat format)
{
    return format == Exportformat::kCsv ? Csv(liste) : Excel(liste);
}

bool SchreibeExport(const std::string& datei, const OverviewListing& liste, Exportformat format)
{
    return SchreibeDateiSicher(datei, ExportInhalt(liste, format));
}

} // namespace velmora
