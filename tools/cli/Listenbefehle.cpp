#include "Listenbefehle.h"

#include "Ausgaenge.h"
#include "Basis.h"
#include "DauerAuftragsliste.h"
#include "Druckbefehl.h"
#include "Ladehilfen.h"
#include "Tabellenexport.h"
#include "Text.h"
#include "Uebersicht.h"

#include <array>
#include <ostream>

namespace velmora::cli {

namespace {

constexpr std::array<const char*, 7> kSortierNamen = {"date",        "amount",   "payer",      "payee",
                                                      "beneficiary", "category", "subcategory"};

int SortierSchluessel(const Aufruf& aufruf)
{
    const std::string& text = aufruf.Wert("--sort");
    for (size_t i = 0; i < kSortierNamen.size(); ++i) {
        if (text == kSortierNamen[i] || text == std::to_string(i))
            return static_cast<int>(i);
    }
    throw Benutzungsfehler("--sort wants date, amount, payer, payee, beneficiary, category, subcategory or 0 to 6, "
                           "not '" +
                           text + "'");
}

// The listing as the overview's export writes it; the file written is named on the output.
int Exportiere(const OverviewListing& liste, const std::string& ziel, std::ostream& aus, std::ostream& fehler)
{
    const Exportformat format = ExportformatVon(ziel);
    const std::string datei = ExportDatei(ziel, format);
    if (!SchreibeExport(datei, liste, format)) {
        fehler << "velmora-cli: cannot write " << datei << '\n';
        return kFehlgeschlagen;
    }
    aus << datei << '\n';
    return kFertig;
}

} // namespace

int List(const Aufruf& aufruf, std::ostream& aus, std::ostream& fehler)
{
    const int von = aufruf.Datum("--from");
    const int bis = aufruf.Datum("--to");
    const int art =
        aufruf.Hat("--filter") ? static_cast<int>(aufruf.Zahl("--filter", 0, kFilterKategorieBeiNutzniesser)) : -1;
    const bool inAuswahl = art >= kFilterKategorieBeiKonto;
    if (aufruf.Hat("--within") != inAuswahl)
        throw Benutzungsfehler("--filter 14 to 16 need --within, and --within belongs to them");
    if (aufruf.Hat("--key") && art < 0)
        throw Benutzungsfehler("--key belongs to --filter");
    if (aufruf.Hat("--category") && art != kFilterUKategorieIn)
        throw Benutzungsfehler("--category belongs to --filter 13");
    if (art == kFilterUKategorieIn && !aufruf.Hat("--category"))
        throw Benutzungsfehler("--filter 13 needs --category");
    const int schluessel = aufruf.Hat("--sort") ? SortierSchluessel(aufruf) : -1;
    if (aufruf.Hat("--ascending") && schluessel < 0)
        throw Benutzungsfehler("--ascending belongs to --sort");
    if (aufruf.Hat("--export") && aufruf.Hat("--pdf"))
        throw Benutzungsfehler("--export and --pdf exclude each other");

    CBasis basis;
    if (!LadeEinstellungen(basis, aufruf, fehler))
        return kFehlgeschlagen;
    basis.m_nVonDatum = von;
    basis.m_nBisDatum = bis;
    OverviewListing liste(basis);
    if (aufruf.Hat("--all-months"))
        LadeAlleMonate(basis);
    else
        liste.LadeZeitraum();
    MeldeSchaeden(basis, fehler);

    if (schluessel >= 0) {
        liste.m_abAbsteigend[static_cast<size_t>(schluessel)] = aufruf.Hat("--ascending") ? 0 : 1;
        liste.SortiereTransaktionen(schluessel);
    }
    if (art >= 0) {
        liste.m_bFilter = 1;
        liste.m_nFilterArt = art;
        liste.m_strFilterText = Utf8ZuCp1252(aufruf.Wert("--key"));
        liste.m_strFilterKategorie = Utf8ZuCp1252(aufruf.Wert("--category"));
        liste.m_strFilterAuswahl = Utf8ZuCp1252(aufruf.Wert("--within"));
        liste.m_bNurDauerAuftraege = art == 0 && aufruf.Wert("--key") == "1" ? 1 : 0;
        liste.ZeigeGefiltert();
    } else {
        liste.ZeigeAlle();
    }

    if (aufruf.Hat("--export"))
        return Exportiere(liste, aufruf.Wert("--export"), aus, fehler);
    if (aufruf.Hat("--pdf"))
        return ListenPdf(liste, aufruf, aus, fehler);

    std::string zeile;
    for (int z = 0; z < static_cast<int>(liste.m_arrZeilen.size()); ++z) {
        zeile.clear();
        for (int spalte = 0; spalte < kSpalten; ++spalte) {
            if (spalte > 0)
                zeile += '\t';
            zeile += Cp1252ZuUtf8(liste.Zelle(z, spalte));
        }
        zeile += '\n';
        aus << zeile;
    }
    aus << Format("totals\t%.2f\t%.2f\t%.2f\n", liste.m_dEinnahmen, liste.m_dAusgaben, liste.m_dUmbuchungen);
    return kFertig;
}

// The standing-order list as its window shows it on opening, after a header click (--sort) or a click
// on a cell (--filter with the column 1 to 8 and the cell's text).
int Orders(const Aufruf& aufruf, std::ostream& aus, std::ostream& fehler)
{
    const int art = aufruf.Hat("--filter") ? static_cast<int>(aufruf.Zahl("--filter", 1, kSpalteEnde)) : -1;
    if (aufruf.Hat("--key") != (art > 0))
        throw Benutzungsfehler("--filter and --key belong together");
    int schluessel = -1;
    if (aufruf.Hat("--sort"))
        schluessel = aufruf.Wert("--sort") == "execution" ? kNachDatum : SortierSchluessel(aufruf);
    if (aufruf.Hat("--ascending") && schluessel < 0)
        throw Benutzungsfehler("--ascending belongs to --sort");

    CBasis basis;
    if (!LadeEinstellungen(basis, aufruf, fehler))
        return kFehlgeschlagen;
    DauerAuftragsListe liste(basis);
    liste.RichteEin();
    if (schluessel >= 0) {
        liste.m_abAbsteigend[static_cast<size_t>(schluessel)] = aufruf.Hat("--ascending") ? 0 : 1;
        liste.Sortiere(schluessel);
    }
    if (art > 0) {
        liste.m_bFilter = 1;
        liste.m_nFilterArt = art;
        liste.m_strFilterText = Utf8ZuCp1252(aufruf.Wert("--key"));
        liste.ZeigeGefiltert();
    }
    if (aufruf.Hat("--pdf"))
        return AuftragsPdf(basis, liste, aufruf, aus, fehler);
    std::string zeile;
    for (int z = 0; z < static_cast<int>(liste.m_arrZeilen.size()); ++z) {
        zeile.clear();
        for (int spalte = kSpalteKennung; spalte <= kSpalteEnde; ++spalte) {
            if (spalte > kSpalteKennung)
                zeile += '\t';
            zeile += Cp1252ZuUtf8(liste.Zelle(z, spalte));
        }
        aus << zeile << '\n';
    }
    aus << Format("totals\t%.2f\t%.2f\t%.2f\t%.2f\n", liste.m_dEinnahmen, liste.m_dAusgaben,
                  liste.m_dEinnahmen - liste.m_dAusgaben, liste.m_dUmbuchungen);
    return kFertig;
}

} // namespace velmora::cli
