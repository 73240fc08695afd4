#include "Hilfen.h"
#include "Text.h"

#include <gtest/gtest.h>

#include <memory>
#include <set>

namespace velmora::test {
namespace {

TEST(Basis, EigenesKontoBrauchtKommaUndLeerzeichen)
{
    struct Fall
    {
        const char* szReferenz;
        int nEigen;
        const char* szPerson;
        const char* szKonto;
    };
    const Fall faelle[] = {
        {"Anna, Giro", 1, "Anna", "Giro"},
        {"Anna,Giro", 0, "Anna", "iro"},
        {"Anna;Giro", 0, "", ""},
        {"Aldi", 0, "", ""},
        {"Anna, giro", 0, "Anna", "giro"},
        {"anna, Giro", 0, "anna", "Giro"},
        {"Bernd, Spar", 0, "Bernd", "Spar"},
        {"Bernd, Giro", 1, "Bernd", "Giro"},
        {"Anna, Giro, alt", 0, "Anna", "Giro, alt"},
        {"Anna,", 0, "Anna", ""},
        {"Anna;, Giro", 0, "Anna;", "Giro"},
    };
    CBasis basis;
    FamilieMeier(basis);
    for (const auto& fall : faelle) {
        std::string person = "x", konto = "x";
        EXPECT_EQ(fall.nEigen, basis.IstEigenesKonto(fall.szReferenz, person, konto)) << fall.szReferenz;
        EXPECT_EQ(fall.szPerson, person) << fall.szReferenz;
        EXPECT_EQ(fall.szKonto, konto) << fall.szReferenz;
    }
    CBasis ohneFamilie;
    EXPECT_EQ(0, ohneFamilie.IstEigenesKonto("Anna, Giro"));
}

// Anna has Giro 1000 and Spar 500; Bernd, deleted with his account, has Giro 200. The two external
// accounts are deleted too: a booking naming them makes them active again.
struct Buchungsfall
{
    const char* szAuftraggeber;
    const char* szEmpfaenger;
    double dBetrag;
    const char* szNachher;
};

CBasis& BuchungsBasis(CBasis& basis)
{
    FamilieMeier(basis);
    CPerson& bernd = *basis.m_arrFamilien[0]->m_arrPersonen[1];
    bernd.m_nStatus = -5;
    bernd.m_arrKonten[0]->m_nStatus = -5;
    NeuesZielKonto(basis, "Aldi").m_bGebucht = -3;
    NeuesZielKonto(basis, "Arbeitgeber").m_bGebucht = -3;
    return basis;
}

std::string Zustand(const CBasis& b, const CInOut& t)
{
    const CPerson& anna = *b.m_arrFamilien[0]->m_arrPersonen[0];
    const CPerson& bernd = *b.m_arrFamilien[0]->m_arrPersonen[1];
    return Format("art=%d status=%d giro=%.2f/%d spar=%.2f/%d anna=%d bernd=%.2f/%d/%d/%d ziel=%d/%d", t.m_nArt,
                  t.m_nStatus, anna.m_arrKonten[0]->m_dStand, anna.m_arrKonten[0]->m_nAnzahl,
                  anna.m_arrKonten[1]->m_dStand, anna.m_arrKonten[1]->m_nAnzahl, anna.m_nAnzahl,
                  bernd.m_arrKonten[0]->m_dStand, bernd.m_nAnzahl, bernd.m_nStatus, bernd.m_arrKonten[0]->m_nStatus,
                  b.m_arrZielKonten[0]->m_bGebucht, b.m_arrZielKonten[1]->m_bGebucht);
}

TEST(Basis, BuchenLegtArtUndKontostaendeFest)
{
    const char* vorher = "art=7 status=0 giro=1000.00/0 spar=500.00/0 anna=0 bernd=200.00/0/-5/-5 ziel=-3/-3";
    const Buchungsfall faelle[] = {
        {"Anna, Giro", "Anna, Spar", 100.0,
         "art=2 status=1 giro=900.00/1 spar=600.00/1 anna=2 bernd=200.00/0/-5/-5 ziel=-3/-3"},
        {"Anna, Giro", "Aldi", 12.5,
         "art=1 status=1 giro=987.50/1 spar=500.00/0 anna=1 bernd=200.00/0/-5/-5 ziel=1/-3"},
        {"Arbeitgeber", "Bernd, Giro", 2000.0,
         "art=0 status=1 giro=1000.00/0 spar=500.00/0 anna=0 bernd=2200.00/1/1/1 ziel=-3/1"},
        {"Anna, Giro", "Bernd, Giro", 50.0,
         "art=2 status=1 giro=950.00/1 spar=500.00/0 anna=1 bernd=250.00/1/1/1 ziel=-3/-3"},
        {"Aldi", "Arbeitgeber", 5.0,
         "art=7 status=1 giro=1000.00/0 spar=500.00/0 anna=0 bernd=200.00/0/-5/-5 ziel=1/1"},
        {"Anna,Giro", "Aldi", 5.0, "art=7 status=1 giro=1000.00/0 spar=500.00/0 anna=0 bernd=200.00/0/-5/-5 ziel=1/-3"},
    };
    for (const auto& fall : faelle) {
        CBasis basis;
        BuchungsBasis(basis);
        CInOut& t = NeueBuchung(basis, fall.szAuftraggeber, fall.szEmpfaenger, fall.dBetrag, 20090301, 7, 0);
        ASSERT_EQ(vorher, Zustand(basis, t));
        basis.BucheTransaktion(t);
        EXPECT_EQ(fall.szNachher, Zustand(basis, t)) << fall.szAuftraggeber << " -> " << fall.szEmpfaenger;
    }
}

// Cancelling follows the stored kind, not the accounts: a transfer booked as an expense only gives the
// payer's money back.
TEST(Basis, StornierenNimmtDieBuchungNachIhrerArtZurueck)
{
    struct Fall
    {
        const char* szAuftraggeber;
        const char* szEmpfaenger;
        int nArt;
        const char* szNachher;
    };
    const Fall faelle[] = {
        {"Anna, Giro", "Anna, Spar", 2, "giro=1100.00 spar=400.00"},
        {"Anna, Giro", "Anna, Spar", 1, "giro=1100.00 spar=500.00"},
        {"Anna, Giro", "Anna, Spar", 0, "giro=1000.00 spar=400.00"},
        {"Aldi", "Anna, Spar", 1, "giro=1000.00 spar=500.00"},
        {"Anna, Giro", "Aldi", 0, "giro=1000.00 spar=500.00"},
        {"Anna, Giro", "Aldi", 5, "giro=1000.00 spar=500.00"},
    };
    for (const auto& fall : faelle) {
        CBasis basis;
        FamilieMeier(basis);
        NeueBuchung(basis, "Aldi", "Aldi", 1.0, 20090301, 1);
        NeueBuchung(basis, fall.szAuftraggeber, fall.szEmpfaenger, 100.0, 20090301, fall.nArt);
        basis.m_nLoeschNr = -4;
        basis.StorniereTransaktion(1);
        const std::string ist = Format("giro=%.2f spar=%.2f", KontoVon(basis, "Anna", "Giro").m_dStand,
                                       KontoVon(basis, "Anna", "Spar").m_dStand);
        EXPECT_EQ(fall.szNachher, ist) << fall.szAuftraggeber << " -> " << fall.szEmpfaenger << " kind " << fall.nArt;
        EXPECT_EQ(-4, basis.m_arrInOut[1]->m_nStatus);
        EXPECT_EQ(1, basis.m_arrInOut[0]->m_nStatus);
    }
}

TEST(Basis, AddiereAufKontoZaehltMitgliedUndKonto)
{
    struct Fall
    {
        const char* szPerson;
        const char* szKonto;
        const char* szNachher;
    };
    const Fall faelle[] = {
        {"Anna", "Spar", "giro=1000.00/0 spar=475.50/1 anna=1/1 bernd=200.00/0/0"},
        {"Anna", "Bar", "giro=1000.00/0 spar=500.00/0 anna=1/1 bernd=200.00/0/0"},
        {"Bernd", "Giro", "giro=1000.00/0 spar=500.00/0 anna=0/-1 bernd=175.50/1/1"},
        {"Carl", "Giro", "giro=1000.00/0 spar=500.00/0 anna=0/-1 bernd=200.00/0/0"},
        {"anna", "Giro", "giro=1000.00/0 spar=500.00/0 anna=0/-1 bernd=200.00/0/0"},
    };
    for (const auto& fall : faelle) {
        CBasis basis;
        FamilieMeier(basis);
        CPerson& anna = *basis.m_arrFamilien[0]->m_arrPersonen[0];
        anna.m_nStatus = -1;
        basis.AddiereAufKonto(-24.5, fall.szPerson, fall.szKonto);
        const CKonto& giro = KontoVon(basis, "Anna", "Giro");
        const CKonto& spar = KontoVon(basis, "Anna", "Spar");
        const CKonto& bernd = KontoVon(basis, "Bernd", "Giro");
        const std::string ist =
            Format("giro=%.2f/%d spar=%.2f/%d anna=%d/%d bernd=%.2f/%d/%d", giro.m_dStand, giro.m_nAnzahl,
                   spar.m_dStand, spar.m_nAnzahl, anna.m_nAnzahl, anna.m_nStatus, bernd.m_dStand, bernd.m_nAnzahl,
                   basis.m_arrFamilien[0]->m_arrPersonen[1]->m_nAnzahl);
        EXPECT_EQ(fall.szNachher, ist) << fall.szPerson << ", " << fall.szKonto;
    }
}

// Names are compared exactly, and a sub-category counts only under the category named with it. An external
// account may bear the name of a family account; whether it counts then is the caller's choice of sides.
TEST(Basis, ZaehleNutzungZaehltDieGenanntenSaetze)
{
    struct Fall
    {
        const char* szAuftraggeber;
        const char* szEmpfaenger;
        const char* szKategorie;
        const char* szUKategorie;
        bool bZahlerFremd;
        bool bEmpfaengerFremd;
        const char* szNachher;
    };
    const Fall faelle[] = {
        {"Anna, Giro", "Aldi", "Wohnen", "Strom", true, true,
         "aldi=1/1 anna=1/1 giro=0 wohnen=1/1 strom=1/1 miete=0/0 auto=0/0 autostrom=0/0"},
        {"Anna, Giro", "Aldi", "Wohnen", "Strom", false, true,
         "aldi=1/1 anna=0/0 giro=0 wohnen=1/1 strom=1/1 miete=0/0 auto=0/0 autostrom=0/0"},
        {"Aldi", "Anna, Giro", "Wohnen", "", true, false,
         "aldi=1/1 anna=0/0 giro=0 wohnen=1/1 strom=0/0 miete=0/0 auto=0/0 autostrom=0/0"},
        {"Aldi", "Aldi", "Auto", "Strom", true, true,
         "aldi=2/1 anna=0/0 giro=0 wohnen=0/0 strom=0/0 miete=0/0 auto=1/1 autostrom=1/1"},
        {"aldi", "Aldi", "wohnen", "Strom", false, false,
         "aldi=0/0 anna=0/0 giro=0 wohnen=0/0 strom=0/0 miete=0/0 auto=0/0 autostrom=0/0"},
    };
    for (const auto& fall : faelle) {
        CBasis basis;
        FamilieMeier(basis);
        const CZIELKONTO& aldi = NeuesZielKonto(basis, "Aldi");
        const CZIELKONTO& anna = NeuesZielKonto(basis, "Anna, Giro");
        CKategorie& wohnen = NeueKategorie(basis, "Wohnen");
        CKategorie& autoKategorie = NeueKategorie(basis, "Auto");
        for (CKategorie* k : {&wohnen, &wohnen, &autoKategorie})
            k->m_arrUKategorien.push_back(std::make_unique<CUKategorie>());
        wohnen.m_arrUKategorien[0]->m_strName = "Strom";
        wohnen.m_arrUKategorien[1]->m_strName = "Miete";
        autoKategorie.m_arrUKategorien[0]->m_strName = "Strom";
        CInOut t;
        t.m_strAuftraggeber = fall.szAuftraggeber;
        t.m_strEmpfaenger = fall.szEmpfaenger;
        t.m_strKategorie = fall.szKategorie;
        t.m_strUKategorie = fall.szUKategorie;
        basis.ZaehleNutzung(t, {.bZahler = fall.bZahlerFremd, .bEmpfaenger = fall.bEmpfaengerFremd});
        const auto zaehler = [](const auto& satz) { return Format("%d/%d", satz.m_nAnzahl, satz.m_bBenutzt); };
        const std::string ist =
            Format("aldi=%s anna=%s giro=%d wohnen=%s strom=%s miete=%s auto=%s autostrom=%s", zaehler(aldi).c_str(),
                   zaehler(anna).c_str(), KontoVon(basis, "Anna", "Giro").m_nAnzahl, zaehler(wohnen).c_str(),
                   zaehler(*wohnen.m_arrUKategorien[0]).c_str(), zaehler(*wohnen.m_arrUKategorien[1]).c_str(),
                   zaehler(autoKategorie).c_str(), zaehler(*autoKategorie.m_arrUKategorien[0]).c_str());
        EXPECT_EQ(fall.szNachher, ist) << fall.szAuftraggeber << " -> " << fall.szEmpfaenger;
    }
}

// The usage order: descending by count through exchanges, so equal counts may change places.
TEST(Basis, NutzungsreihenfolgeAbsteigend)
{
    struct Fall
    {
        std::vector<std::pair<std::string, int>> eintraege;
        std::string strErwartet;
    };
    const Fall faelle[] = {
        {{{"B", 2}, {"A", 1}, {"C", 2}, {"D", 3}}, "D C B A"},
        {{{"A", 1}, {"B", 1}, {"C", 1}}, "A B C"},
        {{{"A", 0}, {"B", 5}, {"C", 9}}, "C B A"},
        {{{"A", 3}, {"B", 3}, {"C", 4}}, "C B A"},
        {{}, ""},
    };
    const auto namen = [](const auto& liste) {
        std::string s;
        for (const auto& e : liste)
            s += (s.empty() ? "" : " ") + e->m_strName;
        return s;
    };
    for (const auto& fall : faelle) {
        CBasis basis;
        CKategorie& oben = NeueKategorie(basis, "oben", 1000);
        for (const auto& [name, anzahl] : fall.eintraege) {
            NeueKategorie(basis, name, anzahl);
            NeuesZielKonto(basis, name, anzahl);
            oben.m_arrUKategorien.push_back(std::make_unique<CUKategorie>(CUKategorie{name, anzahl}));
        }
        basis.SortiereKategorien();
        basis.SortiereZielKonten();
        EXPECT_EQ(fall.strErwartet.empty() ? "oben" : "oben " + fall.strErwartet, namen(basis.m_arrKategorien));
        EXPECT_EQ(fall.strErwartet, namen(oben.m_arrUKategorien));
        EXPECT_EQ(fall.strErwartet, namen(basis.m_arrZielKonten));
    }
}

// With no stamps read, the deletions of a run are -1, -2, -3, as every caller decrements first.
TEST(Basis, LoeschstempelEinesLaufs)
{
    TempOrdner ordner;
    CBasis schreiber;
    FamilieMeier(schreiber);
    schreiber.m_strPfad = ordner.Pfad();
    ASSERT_EQ(0, schreiber.SpeichereEinstellungen());

    CBasis basis;
    basis.m_strPfad = ordner.Pfad();
    ASSERT_EQ(0, basis.LadeEinstellungen());
    EXPECT_EQ(0, basis.m_nLoeschNr);
    for (int i = 0; i < 3; ++i)
        NeueBuchung(basis, "Aldi", "Anna, Giro", 1.0, 20090301, 0);
    std::vector<int> stempel;
    for (int i = 0; i < 3; ++i) {
        basis.m_nLoeschNr -= 1;
        basis.StorniereTransaktion(i);
        stempel.push_back(basis.m_arrInOut[static_cast<size_t>(i)]->m_nStatus);
    }
    EXPECT_EQ((std::vector<int>{-1, -2, -3}), stempel);
    EXPECT_EQ(997.0, KontoVon(basis, "Anna", "Giro").m_dStand);
}

// m_nIndex names a transaction for the whole run: it equals the position until something is removed,
// and is never handed out twice.
TEST(Basis, IndexBleibtImLaufEindeutig)
{
    TempOrdner ordner;
    CBasis basis;
    FamilieMeier(basis);
    basis.m_strPfad = ordner.Pfad();
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(i, NeueBuchung(basis, "Aldi", "Anna, Giro", 1.0, 20090301, 0).m_nIndex);
    basis.EntferneTransaktion(1);
    EXPECT_EQ(3, basis.NeueTransaktion().m_nIndex);
    EXPECT_EQ(-1, basis.PositionVonIndex(1));
    EXPECT_EQ(2, basis.PositionVonIndex(3));

    CBasis schreiber;
    FamilieMeier(schreiber);
    schreiber.m_strPfad = ordner.Pfad();
    NeueBuchung(schreiber, "Aldi", "Anna, Giro", 1.0, 20090201, 0);
    NeueBuchung(schreiber, "Aldi", "Anna, Giro", 2.0, 20090202, 0);
    schreiber.MonatGeaendert(200902);
    ASSERT_EQ(0, schreiber.SpeichereMonate());
    ASSERT_EQ(0, basis.LadeMonat(20090201));
    std::vector<int> indizes;
    for (const auto& t : basis.m_arrInOut)
        indizes.push_back(t->m_nIndex);
    EXPECT_EQ((std::vector<int>{0, 2, 3, 4, 5}), indizes);
}

// Transactions live in blocks of their own: many records over several blocks keep their contents, and
// places freed are used again without overlapping the living ones.
TEST(Transaktionsspeicher, VieleSaetzeUeberBlockgrenzenBleibenGetrennt)
{
    std::vector<std::unique_ptr<CInOut>> saetze;
    const auto fuelle = [&](size_t von, size_t bis) {
        for (size_t i = von; i < bis; ++i) {
            saetze[i] = std::make_unique<CInOut>();
            saetze[i]->m_nIndex = static_cast<int>(i);
            saetze[i]->m_strKommentar = "Kommentar, lang genug f\xFCr den Heap " + std::to_string(i);
        }
    };
    saetze.resize(30000);
    fuelle(0, saetze.size());
    for (size_t i = 0; i < saetze.size(); i += 2)
        saetze[i].reset();
    for (size_t i = 0; i < saetze.size(); i += 2)
        fuelle(i, i + 1);
    std::set<const CInOut*> orte;
    int falsch = 0;
    for (size_t i = 0; i < saetze.size(); ++i) {
        orte.insert(saetze[i].get());
        if (saetze[i]->m_nIndex != static_cast<int>(i) ||
            saetze[i]->m_strKommentar != "Kommentar, lang genug f\xFCr den Heap " + std::to_string(i))
            ++falsch;
    }
    EXPECT_EQ(0, falsch);
    EXPECT_EQ(saetze.size(), orte.size());
}

} // namespace
} // namespace velmora::test
