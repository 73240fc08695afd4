// The booking rules below the entry window: amounts, the sides of a booking, and what a commit and an
// edit change in the store.

#include "Buchung.h"
#include "Testhaushalt.h"

#include <gtest/gtest.h>

namespace velmora::test {
namespace {

TEST(Betrag, LiestKommaUndPunktWieAtof)
{
    const struct
    {
        const char* text;
        double betrag;
    } faelle[] = {
        {"12,50", 12.5},
        {"12.50", 12.5},
        {"1.234,5", 1.234},
        {"  7", 7.0},
        {"-3,5", -3.5},
        {"+4", 4.0},
        {",5", 0.5},
        {"5,", 5.0},
        {"12abc", 12.0},
        {"1e2", 100.0},
        {"abc", 0.0},
        {"", 0.0},
        {"+-4", 0.0},
        {"- 4", 0.0},
        // Not numbers a balance can carry.
        {"inf", 0.0},
        {"nan", 0.0},
        {"1e999", 0.0},
    };
    for (const auto& fall : faelle)
        EXPECT_EQ(fall.betrag, LiesBetrag(fall.text)) << fall.text;
}

TEST(Kontoseite, FamilienKontoOderFremdkontoMitGanzemNamen)
{
    Testhaushalt haushalt;
    haushalt.Basis().m_arrZielKonten.front()->m_strName = "Meier, Bau";
    const struct
    {
        const char* zeile;
        bool familie;
        const char* referenz;
    } faelle[] = {
        {"Anna, Giro", true, "Anna, Giro"},
        {"Bernd, Bar", true, "Bernd, Bar"},
        {"Bernd, Giro", false, "Bernd, Giro"},
        {"Anna,Giro", false, "Anna,Giro"},
        {"Supermarkt", false, "Supermarkt"},
        // An external account with a comma keeps its whole name.
        {"Meier, Bau", false, "Meier, Bau"},
    };
    for (const auto& fall : faelle) {
        const Kontoseite seite = TeileZeile(haushalt.Basis(), fall.zeile);
        EXPECT_EQ(fall.familie, seite.bFamilie) << fall.zeile;
        EXPECT_EQ(fall.referenz, seite.Referenz()) << fall.zeile;
    }
}

Buchungseingabe Eingabe(const std::string& zahler, const std::string& empfaenger, double betrag, int datum = kHeute)
{
    Buchungseingabe e;
    e.strZahler = zahler;
    e.strEmpfaenger = empfaenger;
    e.strNutzniesser = "Alle";
    e.strKategorie = "Auto";
    e.strUKategorie = "Benzin";
    e.dBetrag = betrag;
    e.nDatum = datum;
    return e;
}

TEST(Buchen, ZaehltNutzungUndMerktDenEintragFuerDenEmpfaenger)
{
    Testhaushalt haushalt;
    CBasis& basis = haushalt.Basis();
    BucheNeu(basis, Eingabe("Anna, Giro", "Tankstelle", 30.0));
    Buchungseingabe zweite = Eingabe("Anna, Giro", "Tankstelle", 10.0);
    zweite.strNutzniesser = "Bernd";
    BucheNeu(basis, zweite);

    EXPECT_EQ(2, haushalt.Konto("Anna", "Giro").m_nAnzahl);
    EXPECT_EQ(0, haushalt.Konto("Anna", "Bar").m_nAnzahl);
    EXPECT_EQ(2, basis.Familie()->m_arrPersonen[0]->m_nAnzahl);
    EXPECT_EQ(2, haushalt.Ziel("Tankstelle").m_nAnzahl);
    EXPECT_EQ(1, haushalt.Ziel("Tankstelle").m_bBenutzt);
    EXPECT_EQ(0, haushalt.Ziel("Supermarkt").m_nAnzahl);
    EXPECT_EQ(2, haushalt.Kategorie("Auto").m_nAnzahl);
    EXPECT_EQ(2, haushalt.Kategorie("Auto").m_arrUKategorien[0]->m_nAnzahl);
    EXPECT_EQ(1, haushalt.Kategorie("Auto").m_arrUKategorien[0]->m_bBenutzt);
    EXPECT_EQ(2, basis.m_nZaehler);
    // Used most, so now first in both usage orders.
    EXPECT_EQ("Auto", basis.m_arrKategorien.front()->m_strName);
    EXPECT_EQ("Tankstelle", basis.m_arrZielKonten.front()->m_strName);

    ASSERT_EQ(1u, basis.m_arrVorlagen.size()) << "one remembered entry per payee";
    EXPECT_EQ("Tankstelle", basis.m_arrVorlagen[0]->m_strEmpfaenger);
    EXPECT_EQ("Bernd", basis.m_arrVorlagen[0]->m_strNutzniesser);
    EXPECT_EQ("Auto", basis.m_arrVorlagen[0]->m_strKategorie);
    EXPECT_EQ("Benzin", basis.m_arrVorlagen[0]->m_strUKategorie);
}

TEST(Buchen, ZwischenFremdkontenAendertKeinenStandUndBehaeltDieArt)
{
    Testhaushalt haushalt;
    CBasis& basis = haushalt.Basis();
    const int position = BucheNeu(basis, Eingabe("Arbeitgeber", "Supermarkt", 5.0));
    EXPECT_EQ(0, basis.m_arrInOut[static_cast<size_t>(position)]->m_nArt);
    EXPECT_EQ(100.0, haushalt.Stand("Anna", "Giro"));
    EXPECT_EQ(50.0, haushalt.Stand("Anna", "Bar"));
    EXPECT_EQ(20.0, haushalt.Stand("Bernd", "Bar"));
    EXPECT_EQ(1, haushalt.Ziel("Arbeitgeber").m_nAnzahl);
    EXPECT_EQ(1, haushalt.Ziel("Supermarkt").m_nAnzahl);
}

TEST(Buchen, FremdkontoMitKommaWirdUnterSeinemNamenGezaehlt)
{
    Testhaushalt haushalt;
    CBasis& basis = haushalt.Basis();
    haushalt.Ziel("Supermarkt").m_strName = "Meier, Bau";
    const int position = BucheNeu(basis, Eingabe("Anna, Giro", "Meier, Bau", 5.0));
    EXPECT_EQ("Meier, Bau", basis.m_arrInOut[static_cast<size_t>(position)]->m_strEmpfaenger);
    EXPECT_EQ(1, haushalt.Ziel("Meier, Bau").m_nAnzahl);
    EXPECT_EQ(95.0, haushalt.Stand("Anna", "Giro"));
}

TEST(Bearbeiten, NimmtDieAlteBuchungZurueck)
{
    Testhaushalt haushalt;
    CBasis& basis = haushalt.Basis();
    const int position = BucheNeu(basis, Eingabe("Anna, Giro", "Bernd, Bar", 100.0));
    const int nIndex = basis.m_arrInOut[static_cast<size_t>(position)]->m_nIndex;

    // Now an income on another account of the same transaction.
    EXPECT_EQ(position, BucheGeaendert(basis, Eingabe("Arbeitgeber", "Anna, Bar", 80.0), nIndex));
    EXPECT_EQ(100.0, haushalt.Stand("Anna", "Giro"));
    EXPECT_EQ(20.0, haushalt.Stand("Bernd", "Bar"));
    EXPECT_EQ(130.0, haushalt.Stand("Anna", "Bar"));
    EXPECT_EQ(1u, basis.m_arrInOut.size());
    const CInOut& t = *basis.m_arrInOut[static_cast<size_t>(position)];
    EXPECT_EQ(0, t.m_nArt);
    EXPECT_EQ(nIndex, t.m_nIndex);
    EXPECT_EQ(1, basis.m_nZaehler) << "an edit creates no transaction";
    EXPECT_EQ("Anna, Giro", basis.m_InOutNeu.m_strAuftraggeber) << "the old state is left for the overview";
}

TEST(Bearbeiten, EinNichtMehrVorhandenesKontoZaehltAlsFremdkonto)
{
    Testhaushalt haushalt;
    CBasis& basis = haushalt.Basis();
    const int position = BucheNeu(basis, Eingabe("Anna, Giro", "Supermarkt", 40.0));
    const int nIndex = basis.m_arrInOut[static_cast<size_t>(position)]->m_nIndex;
    basis.Familie()->m_arrPersonen[0]->m_arrKonten[0]->m_strName = "Girokonto";

    BucheGeaendert(basis, Eingabe("Anna, Giro", "Supermarkt", 30.0), nIndex);
    EXPECT_EQ(60.0, haushalt.Stand("Anna", "Girokonto")) << "neither booked nor taken back";
}

TEST(Bearbeiten, GeloeschteOderVerschwundeneTransaktionBleibtUnberuehrt)
{
    Testhaushalt haushalt;
    CBasis& basis = haushalt.Basis();
    const int erste =
        basis.m_arrInOut[static_cast<size_t>(BucheNeu(basis, Eingabe("Anna, Giro", "Supermarkt", 40.0)))]->m_nIndex;
    const int zweite =
        basis.m_arrInOut[static_cast<size_t>(BucheNeu(basis, Eingabe("Anna, Bar", "Supermarkt", 5.0)))]->m_nIndex;
    basis.m_nLoeschNr -= 1;
    basis.StorniereTransaktion(basis.PositionVonIndex(erste));
    basis.EntferneTransaktion(basis.PositionVonIndex(zweite));

    for (int nIndex : {erste, zweite, 12345}) {
        EXPECT_FALSE(Bearbeitbar(basis, nIndex)) << nIndex;
        EXPECT_EQ(-1, BucheGeaendert(basis, Eingabe("Anna, Giro", "Supermarkt", 1.0), nIndex)) << nIndex;
    }
    EXPECT_EQ(100.0, haushalt.Stand("Anna", "Giro"));
    EXPECT_EQ(45.0, haushalt.Stand("Anna", "Bar"));
}

} // namespace
} // namespace velmora::test
