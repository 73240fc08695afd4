// From the entry window to the disk: what "Ende" writes after bookings, read back by a fresh store.

#include "InOut.h"
#include "Start.h"
#include "Testhaushalt.h"

#include <QDateEdit>
#include <gtest/gtest.h>

#include <map>

namespace velmora::test {
namespace {

std::vector<const CInOut*> ImMonat(const CBasis& basis, int monat)
{
    std::vector<const CInOut*> liste;
    for (const auto& t : basis.m_arrInOut) {
        if (t->m_nDatum / 100 == monat)
            liste.push_back(t.get());
    }
    return liste;
}

TEST(Speichern, BuchungenLandenInIhrenMonatsdateienUndDenEinstellungen)
{
    Testhaushalt haushalt;
    CBasis& basis = haushalt.Basis();
    // February already has a file with one transaction, not loaded in this run.
    {
        Testhaushalt vorher;
        CBasis& alt = vorher.Basis();
        alt.m_strPfad = haushalt.Ordner();
        CInOut& t = alt.NeueTransaktion();
        t = CInOut{"Anna, Bar", "Supermarkt", "Alle", "Lebensmittel", "Obst", "", 1, 3.0, 20240205, 0, 1, -1};
        alt.MonatGeaendert(202402);
        ASSERT_EQ(0, alt.SpeichereMonate());
    }

    TestHub hub;
    {
        Eingabefenster fenster(basis, hub);
        fenster.Klicke(InOut::kKategorie, "Auto");
        fenster.Buche("Anna, Giro", "Tankstelle", QStringLiteral("40"));
        fenster.Klicke(InOut::kKategorie, "Gehalt");
        static_cast<QDateEdit&>(fenster.Element(InOut::kDatum)).setDate(QDate(2024, 2, 27));
        fenster.Buche("Arbeitgeber", "Bernd, Bar", QStringLiteral("1500"));
        static_cast<QDateEdit&>(fenster.Element(InOut::kDatum)).setDate(QDate(2024, 3, 1));
        fenster.Buche("Anna, Giro", "Anna, Bar", QStringLiteral("10,5"));
    }
    ASSERT_EQ(0, SpeichereAlles(basis));

    CBasis gelesen;
    gelesen.m_strPfad = haushalt.Ordner();
    ASSERT_EQ(0, gelesen.LadeEinstellungen());
    gelesen.m_nFamilie = 0;
    ASSERT_EQ(0, gelesen.LadeMonat(20240301));
    ASSERT_EQ(0, gelesen.LadeMonat(20240201));

    const auto maerz = ImMonat(gelesen, 202403);
    ASSERT_EQ(2u, maerz.size());
    EXPECT_EQ("Tankstelle", maerz[0]->m_strEmpfaenger);
    EXPECT_EQ(1, maerz[0]->m_nArt);
    EXPECT_EQ(20240315, maerz[0]->m_nDatum);
    EXPECT_EQ("Auto", maerz[0]->m_strKategorie);
    EXPECT_EQ(2, maerz[1]->m_nArt);
    EXPECT_EQ(10.5, maerz[1]->m_dBetrag);
    const auto februar = ImMonat(gelesen, 202402);
    ASSERT_EQ(2u, februar.size()) << "the month's earlier transaction is kept";
    const CInOut& gehalt = *februar[februar[0]->m_dBetrag == 1500.0 ? 0 : 1];
    const CInOut& frueher = *februar[februar[0]->m_dBetrag == 1500.0 ? 1 : 0];
    EXPECT_EQ(3.0, frueher.m_dBetrag);
    EXPECT_EQ(1500.0, gehalt.m_dBetrag);
    EXPECT_EQ(0, gehalt.m_nArt);
    EXPECT_EQ("Bernd, Bar", gehalt.m_strEmpfaenger);
    EXPECT_EQ("Gehalt", gehalt.m_strKategorie);

    // Balances and usage counters come back from the settings file.
    const CFAMILY& familie = *gelesen.Familie();
    const CPerson& anna = *familie.m_arrPersonen[0];
    const CPerson& bernd = *familie.m_arrPersonen[1];
    EXPECT_EQ(49.5, anna.m_arrKonten[0]->m_dStand);
    EXPECT_EQ(60.5, anna.m_arrKonten[1]->m_dStand);
    EXPECT_EQ(1520.0, bernd.m_arrKonten[0]->m_dStand);
    EXPECT_EQ(2, anna.m_arrKonten[0]->m_nAnzahl);
    EXPECT_EQ(1, anna.m_arrKonten[1]->m_nAnzahl);
    EXPECT_EQ(1, bernd.m_arrKonten[0]->m_nAnzahl);
    EXPECT_EQ(3, anna.m_nAnzahl) << "the transfer books two of Anna's accounts";
    EXPECT_EQ(1, bernd.m_nAnzahl);
    EXPECT_EQ(3, gelesen.m_nZaehler);
    const std::map<std::string, int> ziele = {{"Tankstelle", 1}, {"Arbeitgeber", 1}, {"Supermarkt", 0}};
    for (const auto& ziel : gelesen.m_arrZielKonten)
        EXPECT_EQ(ziele.at(ziel->m_strName), ziel->m_nAnzahl) << ziel->m_strName;
    const std::map<std::string, int> kategorien = {{"Gehalt", 2}, {"Auto", 1}, {"Lebensmittel", 0}};
    for (const auto& kategorie : gelesen.m_arrKategorien)
        EXPECT_EQ(kategorien.at(kategorie->m_strName), kategorie->m_nAnzahl) << kategorie->m_strName;
    EXPECT_EQ("Gehalt", gelesen.m_arrKategorien.front()->m_strName) << "saved in usage order";
    ASSERT_EQ(3u, gelesen.m_arrVorlagen.size());
    EXPECT_EQ("Tankstelle", gelesen.m_arrVorlagen[0]->m_strEmpfaenger);
    EXPECT_EQ("Auto", gelesen.m_arrVorlagen[0]->m_strKategorie);
}

} // namespace
} // namespace velmora::test
