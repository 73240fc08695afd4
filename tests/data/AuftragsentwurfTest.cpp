#include "Auftragsentwurf.h"
#include "Hilfen.h"
#include "Text.h"

#include <gtest/gtest.h>

namespace velmora::test {
namespace {

// The cycle code and its description follow every choice, in the language of the book.
TEST(Auftragsentwurf, ZyklusUndBeschreibung)
{
    const struct
    {
        bool deutsch;
        void (*waehle)(Auftragsentwurf&);
        int zyklus;
        const char* beschreibung;
        int art;
    } faelle[] = {
        {true, [](Auftragsentwurf&) {}, 1, "monatlich, jeden 1.", kMonatlich},
        {true, [](Auftragsentwurf& e) { e.SetzeWochentag(3); }, 53, "jeden Mittwoch", kWoechentlich},
        {true, [](Auftragsentwurf& e) { e.WaehleWoechentlich(); }, 55, "jeden Freitag", kWoechentlich},
        {true, [](Auftragsentwurf& e) { e.SetzeMonatsTag(31); }, 31, "monatlich, jeden 31.", kMonatlich},
        {true,
         [](Auftragsentwurf& e) {
             e.SetzeMonatsTag(12);
             e.SetzeWochentag(7);
             e.WaehleMonatlich();
         },
         12, "monatlich, jeden 12.", kMonatlich},
        {true, [](Auftragsentwurf& e) { e.WaehleTermine(); }, 0, "Sondertermine", kTermine},
        {false, [](Auftragsentwurf& e) { e.SetzeWochentag(3); }, 53, "every Wednesday", kWoechentlich},
        {false, [](Auftragsentwurf& e) { e.SetzeMonatsTag(5); }, 5, "monthly, every 5.", kMonatlich},
        {false, [](Auftragsentwurf& e) { e.WaehleTermine(); }, 0, "Different Dates", kTermine},
    };
    for (const auto& fall : faelle) {
        Auftragsentwurf entwurf(fall.deutsch, 20090315);
        fall.waehle(entwurf);
        EXPECT_EQ(fall.zyklus, entwurf.m_nZyklus) << fall.beschreibung;
        EXPECT_EQ(fall.beschreibung, entwurf.m_strZyklus);
        EXPECT_EQ(fall.art, entwurf.m_nZyklusArt) << fall.beschreibung;
    }
}

// A fixed date is month * 100 + day, its month found among the German or the English names; the texts
// decide whether it is in the list already. Adding and removing switch to the fixed-dates cycle.
TEST(Auftragsentwurf, Termine)
{
    CBasis b;
    Auftragsentwurf entwurf(true, 20090315);
    EXPECT_FALSE(entwurf.TerminVorhanden(" 1.", "M\xE4rz"));
    entwurf.FuegeTerminHinzu(b, " 1.", "M\xE4rz");
    entwurf.FuegeTerminHinzu(b, "24.", "December");
    entwurf.FuegeTerminHinzu(b, "31.", "Januar");
    EXPECT_EQ(0, entwurf.m_nZyklus);
    EXPECT_EQ(kTermine, entwurf.m_nZyklusArt);
    ASSERT_EQ(3u, entwurf.m_arrTermine.size());
    EXPECT_EQ(301, entwurf.m_arrTermine[0]->m_nMonatTag);
    EXPECT_EQ(" 1.", entwurf.m_arrTermine[0]->m_strTermin1);
    EXPECT_EQ("M\xE4rz", entwurf.m_arrTermine[0]->m_strTermin2);
    EXPECT_EQ(1224, entwurf.m_arrTermine[1]->m_nMonatTag);
    EXPECT_EQ(131, entwurf.m_arrTermine[2]->m_nMonatTag);
    EXPECT_TRUE(entwurf.TerminVorhanden(" 1.", "M\xE4rz"));
    EXPECT_FALSE(entwurf.TerminVorhanden(" 1.", "April"));

    entwurf.SetzeMonatsTag(3);
    entwurf.EntferneTermin(0);
    entwurf.EntferneTermin(5);
    EXPECT_EQ(0, entwurf.m_nZyklus);
    ASSERT_EQ(2u, entwurf.m_arrTermine.size());
    EXPECT_EQ(1224, entwurf.m_arrTermine[0]->m_nMonatTag);
    EXPECT_FALSE(entwurf.TerminVorhanden(" 1.", "M\xE4rz"));
}

// Loading takes the order's cycle into the matching choice and a copy of its dates, which the draft
// then changes alone.
TEST(Auftragsentwurf, LadenNimmtEineKopie)
{
    CDauerAuftrag auftrag;
    auftrag.m_strZyklus = "Sondertermine";
    auftrag.m_nZyklus = 0;
    auftrag.m_nStatus = 0;
    auftrag.m_nBeginn = 20080101;
    auftrag.m_nEnde = 20101231;
    auftrag.m_arrTermine.push_back(std::make_unique<CTermin>(CTermin{" 1.", "M\xE4rz", 0, "", 301}));
    Auftragsentwurf entwurf(true, 20090315);
    entwurf.Lade(auftrag);
    EXPECT_EQ(kTermine, entwurf.m_nZyklusArt);
    EXPECT_EQ(0, entwurf.m_nAktiv);
    EXPECT_EQ(20080101, entwurf.m_nBeginn);
    EXPECT_EQ(20101231, entwurf.m_nEnde);
    entwurf.EntferneTermin(0);
    EXPECT_EQ(1u, auftrag.m_arrTermine.size());

    const struct
    {
        int zyklus;
        int art;
        int monatsTag;
        int wochentag;
    } faelle[] = {{15, kMonatlich, 15, 1}, {57, kWoechentlich, 1, 7}, {0, kTermine, 1, 1}};
    for (const auto& fall : faelle) {
        auftrag.m_nZyklus = fall.zyklus;
        entwurf.Lade(auftrag);
        EXPECT_EQ(fall.art, entwurf.m_nZyklusArt) << fall.zyklus;
        EXPECT_EQ(fall.monatsTag, entwurf.m_nMonatsTag) << fall.zyklus;
        EXPECT_EQ(fall.wochentag, entwurf.m_nWochentag) << fall.zyklus;
        EXPECT_EQ("Sondertermine", entwurf.m_strZyklus) << "the stored description stays";
    }
}

Buchungseingabe Eingabe(const char* zahler, const char* empfaenger, double betrag)
{
    Buchungseingabe e;
    e.strZahler = zahler;
    e.strEmpfaenger = empfaenger;
    e.strNutzniesser = "Anna";
    e.strKategorie = "Wohnen";
    e.strUKategorie = "Miete";
    e.strKommentar = "M\xE4rz";
    e.dBetrag = betrag;
    return e;
}

// Storing fills every field from the form and the draft; the kind follows from which sides are family
// accounts and stays as it was when neither is.
TEST(Auftragsentwurf, SpeichernFuelltDenAuftrag)
{
    const struct
    {
        const char* zahler;
        const char* empfaenger;
        int art;
    } faelle[] = {{"Anna, Giro", "Bernd, Giro", 2},
                  {"Anna, Giro", "Vermieter", 1},
                  {"Arbeitgeber", "Anna, Spar", 0},
                  {"Arbeitgeber", "Vermieter", 0},
                  {"Anna,Giro", "Vermieter", 0}};
    for (const auto& fall : faelle) {
        FamilieImOrdner a;
        Auftragsentwurf entwurf(true, 20090401);
        entwurf.SetzeWochentag(3);
        entwurf.m_nAktiv = 0;
        entwurf.m_nEnde = 20091231;
        CDauerAuftrag* auftrag = nullptr;
        ASSERT_EQ(Auftragsergebnis::kGespeichert,
                  SpeichereDauerAuftrag(a.basis, Eingabe(fall.zahler, fall.empfaenger, 12.5), entwurf, auftrag));
        ASSERT_EQ(1u, a.basis.m_arrDauerAuftraege.size());
        ASSERT_EQ(a.basis.m_arrDauerAuftraege[0].get(), auftrag);
        const std::string erwartet =
            Format("%s|%s|Anna|Wohnen|Miete|M\xE4rz|jeden Mittwoch 12.5 %d 53 0 20090401 20091231 1 0 0 1\n",
                   fall.zahler, fall.empfaenger, fall.art);
        EXPECT_EQ(erwartet, Beschreibe(a.basis).substr(Beschreibe(a.basis).find("Auftrag ") + 8));
    }
}

// A new order takes its place in the list as its number unless an order or a transaction of any month,
// loaded or not, carries it; then the next number above all of them. An edit keeps its number.
TEST(Auftragsentwurf, NummerEinesNeuenAuftrags)
{
    FamilieImOrdner a;
    CBasis& b = a.basis;
    b.m_nErsterMonat = 200812;
    NeueBuchung(b, "Anna, Giro", "Vermieter", 1.0, 20081215, 1).m_nDauerAuftragNr = 1;
    b.MonatGeaendert(200812);
    ASSERT_EQ(0, b.SpeichereMonate());
    const auto vergiss = [&b] {
        b.m_arrInOut.clear();
        b.m_arrLoadedFiles.clear();
    };
    const Auftragsentwurf entwurf(true, 20090401);
    const auto neu = [&] {
        CDauerAuftrag* auftrag = nullptr;
        SpeichereDauerAuftrag(b, Eingabe("Anna, Giro", "Vermieter", 1.0), entwurf, auftrag);
        return auftrag->m_nNr;
    };
    vergiss();
    EXPECT_EQ(0, neu());
    vergiss();
    EXPECT_EQ(2, neu()) << "1 is carried by a transaction of December, which was not loaded";
    EXPECT_EQ(3, neu()) << "2 is the second order's";
    b.m_arrDauerAuftraege.erase(b.m_arrDauerAuftraege.begin());
    EXPECT_EQ(4, neu()) << "3 is the third order's";

    CDauerAuftrag* bearbeitet = b.m_arrDauerAuftraege[0].get();
    SpeichereDauerAuftrag(b, Eingabe("Anna, Giro", "Vermieter", 2.0), entwurf, bearbeitet);
    EXPECT_EQ(2, bearbeitet->m_nNr);
    EXPECT_EQ(2.0, bearbeitet->m_dBetrag);
}

// Storing runs the standing orders from the order's first date: what has fallen due since is booked at
// once, and storing again books no day twice.
TEST(Auftragsentwurf, SpeichernFuehrtAusOhneDoppelteTage)
{
    FamilieImOrdner a;
    CBasis& b = a.basis;
    b.m_nErsterMonat = 200903;
    Auftragsentwurf entwurf(true, 20090215);
    entwurf.SetzeMonatsTag(20);
    CDauerAuftrag* auftrag = nullptr;
    SpeichereDauerAuftrag(b, Eingabe("Anna, Giro", "Vermieter", 100.0), entwurf, auftrag);
    ASSERT_EQ(1u, b.m_arrInOut.size());
    EXPECT_EQ(20090220, b.m_arrInOut[0]->m_nDatum);
    EXPECT_EQ(auftrag->m_nNr, b.m_arrInOut[0]->m_nDauerAuftragNr);
    EXPECT_EQ(900.0, KontoVon(b, "Anna", "Giro").m_dStand);
    SpeichereDauerAuftrag(b, Eingabe("Anna, Giro", "Vermieter", 100.0), entwurf, auftrag);
    EXPECT_EQ(1u, b.m_arrInOut.size());
}

// An order deleted, or deleted for good, in the list while the editor held it is not stored: storing
// would bring a deleted order back, or write into whatever lies at its old place.
TEST(Auftragsentwurf, GeloeschterAuftragWirdNichtGespeichert)
{
    FamilieImOrdner a;
    CBasis& b = a.basis;
    const Auftragsentwurf entwurf(true, 20090401);
    CDauerAuftrag* auftrag = nullptr;
    SpeichereDauerAuftrag(b, Eingabe("Anna, Giro", "Vermieter", 1.0), entwurf, auftrag);
    auftrag->m_n48 = -1;
    EXPECT_EQ(Auftragsergebnis::kGeloescht,
              SpeichereDauerAuftrag(b, Eingabe("Anna, Giro", "Vermieter", 2.0), entwurf, auftrag));
    EXPECT_EQ(1.0, auftrag->m_dBetrag);
    EXPECT_EQ(-1, auftrag->m_n48);
    b.m_arrDauerAuftraege.clear();
    EXPECT_EQ(Auftragsergebnis::kGeloescht,
              SpeichereDauerAuftrag(b, Eingabe("Anna, Giro", "Vermieter", 2.0), entwurf, auftrag));
    EXPECT_TRUE(b.m_arrDauerAuftraege.empty());
}

} // namespace
} // namespace velmora::test
