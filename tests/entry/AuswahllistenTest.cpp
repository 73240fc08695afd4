// What the picker lists contain, in which order, and how their header sort compares rows.

#include "Auswahllisten.h"
#include "Testhaushalt.h"

#include <gtest/gtest.h>

namespace velmora::test {
namespace {

std::vector<std::string> Texte(const OwnedList<TempList>& zeilen)
{
    std::vector<std::string> texte;
    for (const auto& z : zeilen)
        texte.push_back(z->m_strName);
    return texte;
}

std::vector<std::string> Gefuellt(CBasis& basis, Auswahlliste liste, int kategorie = 0)
{
    FuelleAuswahl(basis, liste, kategorie);
    return Texte(basis.m_arrTempListen[static_cast<size_t>(liste)]);
}

using Zeilen = std::vector<std::string>;

TEST(Auswahllisten, FuellenNurAktiveEintraegeInIhrerOrdnung)
{
    Testhaushalt haushalt;
    CBasis& basis = haushalt.Basis();
    CFAMILY& familie = *basis.Familie();
    auto carla = std::make_unique<CPerson>();
    carla->m_strName = "Carla";
    carla->m_nStatus = -1;
    carla->m_arrKonten.push_back(std::make_unique<CKonto>(CKonto{"Sparbuch", 0.0, 0, 0, 1, 0}));
    familie.m_arrPersonen.push_back(std::move(carla));
    familie.m_arrPersonen[0]->m_arrKonten[1]->m_nStatus = -2;
    haushalt.Ziel("Arbeitgeber").m_bGebucht = -3;
    haushalt.Kategorie("Auto").m_nKat0C = -4;
    haushalt.Kategorie("Lebensmittel").m_arrUKategorien[0]->m_nKat0C = -5;

    EXPECT_EQ((Zeilen{"Anna, Giro", "Bernd, Bar", "Supermarkt", "Tankstelle"}), Gefuellt(basis, kZahlerListe));
    // The payee list names the accounts of every member, deleted members included.
    EXPECT_EQ((Zeilen{"Supermarkt", "Tankstelle", "Anna, Giro", "Bernd, Bar", "Carla, Sparbuch"}),
              Gefuellt(basis, kEmpfaengerListe));
    EXPECT_EQ((Zeilen{"Alle", "Anna", "Bernd"}), Gefuellt(basis, kNutzniesserListe));
    EXPECT_EQ((Zeilen{"Lebensmittel", "Gehalt"}), Gefuellt(basis, kKategorieListe));
    EXPECT_EQ((Zeilen{"Brot"}), Gefuellt(basis, kUKategorieListe, 0));
    EXPECT_EQ((Zeilen{}), Gefuellt(basis, kUKategorieListe, 2));
    EXPECT_EQ((Zeilen{}), Gefuellt(basis, kUKategorieListe, 7));

    basis.m_nSprache = kEnglisch;
    EXPECT_EQ("All", Gefuellt(basis, kNutzniesserListe).front());
    basis.m_nFamilie = -1;
    EXPECT_EQ((Zeilen{}), Gefuellt(basis, kZahlerListe)) << "no family, no rows";
}

TEST(Auswahllisten, SortierenOhneGrossKleinUndSatzzeichen)
{
    OwnedList<TempList> zeilen;
    for (const char* text : {"Bank", "auto", "Auto-Haus", "Auto Haus", "M\xFCller", "Mxller", "Arbeitgeber", "10er"})
        zeilen.push_back(std::make_unique<TempList>(TempList{text, 0}));

    SortiereAuswahl(zeilen, false);
    // "auto" equals both Auto-Hauses (the shorter length decides) and the umlaut counts as nothing. Equal
    // rows are never swapped with each other, but the exchange with a smaller row behind them moves them.
    EXPECT_EQ((Zeilen{"10er", "Arbeitgeber", "Auto Haus", "auto", "Auto-Haus", "Bank", "M\xFCller", "Mxller"}),
              Texte(zeilen));
    SortiereAuswahl(zeilen, true);
    EXPECT_EQ((Zeilen{"M\xFCller", "Mxller", "Bank", "Auto Haus", "auto", "Auto-Haus", "Arbeitgeber", "10er"}),
              Texte(zeilen));
}

} // namespace
} // namespace velmora::test
