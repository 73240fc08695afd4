#include "Tabellenexport.h"
#include "Hilfen.h"
#include "Uebersicht.h"

#include <gtest/gtest.h>

namespace velmora::test {
namespace {

// Two rows of March 2009: a salary with an empty comment and a small expense below 10.
void Listing(CBasis& b, OverviewListing& liste)
{
    FamilieMeier(b);
    b.m_nVonDatum = 20090301;
    b.m_nBisDatum = 20090331;
    CInOut& gehalt = NeueBuchung(b, "Arbeitgeber", "Anna, Giro", 2000.0, 20090301, 0);
    gehalt.m_strNutzniesser = "Anna";
    gehalt.m_strKategorie = "Gehalt";
    CInOut& obst = NeueBuchung(b, "Anna, Giro",
                               "Aldi, S\xFC"
                               "d",
                               1.5, 20090307, 1);
    obst.m_strNutzniesser = "Familie";
    obst.m_strKategorie = "Essen";
    obst.m_strUKategorie = "Obst";
    obst.m_strKommentar = "\"Bio\" 1.5kg";
    liste.SortiereTransaktionen(kNachDatum);
    liste.ZeigeAlle();
}

TEST(Tabellenexport, ExcelFormatByteGenauInBeidenSprachen)
{
    struct Fall
    {
        int nSprache;
        std::string erwartet;
    };
    const Fall faelle[] = {
        {kDeutsch, "Auftraggeber \t Empf\xE4nger \t Nutznie\xDF"
                   "er \t Kategorie \t Unter-Kategorie \t Kommentar \t Betrag \t Datum \t\r\n"
                   "\r\n"
                   "Anna, Giro \tAldi, S\xFC"
                   "d \tFamilie \tEssen \tObst \t\"Bio\" 1.5kg \t 1,50 \t 7. 3.2009 \t\r\n"
                   "Arbeitgeber \tAnna, Giro \tAnna \tGehalt \t \t \t2000,00 \t 1. 3.2009 \t\r\n"},
        {kEnglisch, "Applicant \t Payee \t Beneficiary \t Category \t Sub-Categorie \t Comment \t Amount \t Date \t\r\n"
                    "\r\n"
                    "Anna, Giro \tAldi, S\xFC"
                    "d \tFamilie \tEssen \tObst \t\"Bio\" 1.5kg \t 1,50 \t 3/ 7/2009 \t\r\n"
                    "Arbeitgeber \tAnna, Giro \tAnna \tGehalt \t \t \t2000,00 \t 3/ 1/2009 \t\r\n"},
    };
    for (const auto& fall : faelle) {
        CBasis b;
        b.m_nSprache = fall.nSprache;
        OverviewListing liste(b);
        Listing(b, liste);
        EXPECT_EQ(fall.erwartet, ExportInhalt(liste, Exportformat::kExcel)) << fall.nSprache;
    }
}

// Only the listed rows are written, in the list's order; an empty listing leaves the header and one
// empty line; a transaction listed twice is written twice.
TEST(Tabellenexport, SchreibtWasGelistetIst)
{
    CBasis b;
    OverviewListing liste(b);
    Listing(b, liste);
    const std::string alles = ExportInhalt(liste, Exportformat::kExcel);
    const std::string kopf = alles.substr(0, alles.find("\r\n"));
    b.m_nBisDatum = 20090228;
    liste.ZeigeAlle();
    EXPECT_EQ(kopf + "\r\n\r\n", ExportInhalt(liste, Exportformat::kExcel));

    b.m_nBisDatum = 20090331;
    NeueBuchung(b, "Anna, Giro", "Anna, Giro", 5.0, 20090310, 2);
    liste.m_nFilterArt = 1;
    liste.m_strFilterText = "Anna, Giro";
    liste.ZeigeGefiltert();
    const std::string zeile = "Anna, Giro \tAnna, Giro \t \t \t \t \t 5,00 \t10. 3.2009 \t\r\n";
    const std::string inhalt = ExportInhalt(liste, Exportformat::kExcel);
    EXPECT_EQ(2u, [&] {
        size_t n = 0;
        for (size_t p = inhalt.find(zeile); p != std::string::npos; p = inhalt.find(zeile, p + 1))
            ++n;
        return n;
    }());
    EXPECT_EQ(4, liste.m_nZeilen);
}

TEST(Tabellenexport, CsvInUtf8MitZitatenUndFormelschutz)
{
    CBasis b;
    b.m_nSprache = kDeutsch;
    OverviewListing liste(b);
    Listing(b, liste);
    NeueBuchung(b, "=HYPERLINK(1)", "Anna, Giro", 12.5, 20090331, 0).m_strKommentar = " Zeile\neins";
    liste.SortiereTransaktionen(kNachDatum);
    liste.ZeigeAlle();
    EXPECT_EQ("\xEF\xBB\xBF"
              "Auftraggeber,Empf\xC3\xA4nger,Nutznie\xC3\x9F"
              "er,Kategorie,Unter-Kategorie,Kommentar,Betrag,Datum\r\n"
              "'=HYPERLINK(1),\"Anna, Giro\",,,,\" Zeile\neins\",12.50,2009-03-31\r\n"
              "\"Anna, Giro\",\"Aldi, S\xC3\xBC"
              "d\",Familie,Essen,Obst,\"\"\"Bio\"\" 1.5kg\",1.50,2009-03-07\r\n"
              "Arbeitgeber,\"Anna, Giro\",Anna,Gehalt,,,2000.00,2009-03-01\r\n",
              ExportInhalt(liste, Exportformat::kCsv));
}

TEST(Tabellenexport, DateinameUndFormatNachDerEndung)
{
    struct Fall
    {
        const char* szPfad;
        Exportformat format;
        const char* szDatei;
    };
    const Fall faelle[] = {
        {"/d/Haushalt", Exportformat::kExcel, "/d/Haushalt.xls"},
        {"/d/Haushalt.xls", Exportformat::kExcel, "/d/Haushalt.xls"},
        {"/d/DATA.XLS", Exportformat::kExcel, "/d/DATA.XLS.xls"},
        {"/d/a.xlsx", Exportformat::kExcel, "/d/a.xlsx.xls"},
        {"/d/Haushalt", Exportformat::kCsv, "/d/Haushalt.csv"},
        {"/d/DATA.CSV", Exportformat::kCsv, "/d/DATA.CSV"},
        {"xls", Exportformat::kExcel, "xls.xls"},
    };
    for (const auto& fall : faelle)
        EXPECT_EQ(fall.szDatei, ExportDatei(fall.szPfad, fall.format)) << fall.szPfad;
    EXPECT_EQ(Exportformat::kCsv, ExportformatVon("a.Csv"));
    EXPECT_EQ(Exportformat::kExcel, ExportformatVon("a.csv.xls"));
}

// A file that cannot be written leaves nothing behind, and an old file stays as it was.
TEST(Tabellenexport, FehlschlagLaesstNichtsHalbesZurueck)
{
    CBasis b;
    OverviewListing liste(b);
    Listing(b, liste);
    TempOrdner ordner;
    ordner.Schreibe("alt.xls", "alt");
    EXPECT_FALSE(SchreibeExport(ordner.Datei("fehlt/neu.xls"), liste, Exportformat::kExcel));
    EXPECT_FALSE(
        MitDateiGrenze(10, [&] { return SchreibeExport(ordner.Datei("alt.xls"), liste, Exportformat::kExcel); }));
    EXPECT_EQ("alt", ordner.Lies("alt.xls"));
    EXPECT_EQ(std::vector<std::string>{"alt.xls"}, ordner.Inhalt());
    EXPECT_TRUE(SchreibeExport(ordner.Datei("alt.xls"), liste, Exportformat::kExcel));
    EXPECT_EQ(ExportInhalt(liste, Exportformat::kExcel), ordner.Lies("alt.xls"));
}

} // namespace
} // namespace velmora::test
