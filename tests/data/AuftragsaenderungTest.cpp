// A stored order books no day it has served again, whatever the user changed; a transaction deleted for
// good stays gone; the start-up catches up from the day after the last run.

#include "Auftragsentwurf.h"
#include "Buchung.h"
#include "Hilfen.h"
#include "Start.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

namespace velmora::test {
namespace {

Buchungseingabe Miete(double betrag = 100.0)
{
    Buchungseingabe e;
    e.strZahler = "Anna, Giro";
    e.strEmpfaenger = "Vermieter";
    e.dBetrag = betrag;
    return e;
}

// A monthly rent on the 1st since January 2006, stored on 2 March 2009: 39 bookings.
CDauerAuftrag* MieteSeit2006(CBasis& b)
{
    b.m_nErsterMonat = 200601;
    b.m_nHeute = 20090302;
    Auftragsentwurf entwurf(true, 20060101);
    CDauerAuftrag* auftrag = nullptr;
    EXPECT_EQ(Auftragsergebnis::kGespeichert, SpeichereDauerAuftrag(b, Miete(), entwurf, auftrag));
    EXPECT_EQ(39u, b.m_arrInOut.size());
    return auftrag;
}

// Whatever is changed, nothing on or before the newest booking (1 March) is booked again, and until the
// next due day the balances stay as they were.
TEST(Auftragsaenderung, BuchtKeinenGedientenTagNeu)
{
    const struct
    {
        const char* szName;
        std::function<void(CBasis&, Auftragsentwurf&)> aendere;
        double dBetrag = 100.0;
    } faelle[] = {
        {"day 1 to 3", [](CBasis&, Auftragsentwurf& e) { e.SetzeMonatsTag(3); }},
        {"weekly on Wednesday", [](CBasis&, Auftragsentwurf& e) { e.SetzeWochentag(3); }},
        {"fixed dates",
         [](CBasis& b, Auftragsentwurf& e) {
             e.FuegeTerminHinzu(b, " 2.", "Januar");
             e.FuegeTerminHinzu(b, "15.", "Februar");
         }},
        {"amount", [](CBasis&, Auftragsentwurf&) {}, 250.0},
        {"first date earlier", [](CBasis&, Auftragsentwurf& e) { e.m_nBeginn = 20000101; }},
    };
    for (const auto& fall : faelle) {
        SCOPED_TRACE(fall.szName);
        FamilieImOrdner a;
        CBasis& b = a.basis;
        CDauerAuftrag* auftrag = MieteSeit2006(b);
        const double stand = KontoVon(b, "Anna", "Giro").m_dStand;
        Auftragsentwurf entwurf(true, 0);
        entwurf.Lade(*auftrag);
        fall.aendere(b, entwurf);
        ASSERT_EQ(Auftragsergebnis::kGespeichert, SpeichereDauerAuftrag(b, Miete(fall.dBetrag), entwurf, auftrag));
        EXPECT_EQ(39u, b.m_arrInOut.size());
        EXPECT_EQ(stand, KontoVon(b, "Anna", "Giro").m_dStand);
    }
}

// The changed order books its new day from the next due day on, at once when that has come, and the
// next start goes on from there.
TEST(Auftragsaenderung, NeuerTagAbDemNaechstenFaelligen)
{
    FamilieImOrdner a;
    CBasis& b = a.basis;
    CDauerAuftrag* auftrag = MieteSeit2006(b);
    b.m_nHeute = 20090310;
    Auftragsentwurf entwurf(true, 0);
    entwurf.Lade(*auftrag);
    entwurf.SetzeMonatsTag(3);
    SpeichereDauerAuftrag(b, Miete(), entwurf, auftrag);
    b.m_nHeute = 20090415;
    b.FuehreDauerAuftraegeAus(20090311);
    const std::vector<int> daten = DatenVon(b, auftrag->m_nNr);
    EXPECT_EQ((std::vector<int>{20090201, 20090301, 20090303, 20090403}),
              std::vector<int>(daten.end() - 4, daten.end()));
}

// A new order beginning a month back books its due day once; storing it again books nothing more.
// Storing one order leaves the others alone: an order left behind is caught up by the next start.
TEST(Auftragsaenderung, NeuerAuftragBuchtVonSeinemBeginnAn)
{
    FamilieImOrdner a;
    CBasis& b = a.basis;
    b.m_nErsterMonat = 200902;
    CDauerAuftrag* anderer = nullptr;
    SpeichereDauerAuftrag(b, Miete(), Auftragsentwurf(true, 20090401), anderer);
    anderer->m_nBeginn = 20090201;
    Auftragsentwurf entwurf(true, 20090215);
    entwurf.SetzeMonatsTag(20);
    CDauerAuftrag* auftrag = nullptr;
    SpeichereDauerAuftrag(b, Miete(), entwurf, auftrag);
    SpeichereDauerAuftrag(b, Miete(), entwurf, auftrag);
    EXPECT_EQ(std::vector<int>{20090220}, DatenVon(b, auftrag->m_nNr));
    EXPECT_EQ(std::vector<int>{}, DatenVon(b, anderer->m_nNr));
    EXPECT_EQ(900.0, KontoVon(b, "Anna", "Giro").m_dStand);
}

// A transaction deleted for good stays gone when an order is stored, its own or another one.
TEST(Auftragsaenderung, EndgueltigGeloeschtBleibtWegBeimSpeichern)
{
    FamilieImOrdner a;
    CBasis& b = a.basis;
    b.m_nErsterMonat = 200901;
    CDauerAuftrag* miete = nullptr;
    SpeichereDauerAuftrag(b, Miete(), Auftragsentwurf(true, 20090101), miete);
    ASSERT_EQ((std::vector<int>{20090101, 20090201, 20090301}), DatenVon(b, miete->m_nNr));
    ASSERT_TRUE(LoescheEndgueltig(b, 1));
    EXPECT_EQ(800.0, KontoVon(b, "Anna", "Giro").m_dStand) << "deleting took it off the balance first";

    CDauerAuftrag* anderer = nullptr;
    SpeichereDauerAuftrag(b, Miete(5.0), Auftragsentwurf(true, 20090101), anderer);
    SpeichereDauerAuftrag(b, Miete(6.0), Auftragsentwurf(true, 20090101), anderer);
    Auftragsentwurf entwurf(true, 0);
    entwurf.Lade(*miete);
    SpeichereDauerAuftrag(b, Miete(), entwurf, miete);
    EXPECT_EQ((std::vector<int>{20090101, 20090301}), DatenVon(b, miete->m_nNr));
    EXPECT_FALSE(LoescheEndgueltig(b, 99));
}

// An order of 0.00, or less, is not stored: neither changed nor appended.
TEST(Auftragsaenderung, BetragNullWirdAbgelehnt)
{
    FamilieImOrdner a;
    CBasis& b = a.basis;
    for (double betrag : {0.0, -3.0}) {
        CDauerAuftrag* auftrag = nullptr;
        EXPECT_EQ(Auftragsergebnis::kKeinBetrag,
                  SpeichereDauerAuftrag(b, Miete(betrag), Auftragsentwurf(true, 20090101), auftrag));
        EXPECT_EQ(nullptr, auftrag);
    }
    EXPECT_TRUE(b.m_arrDauerAuftraege.empty());
    CDauerAuftrag* auftrag = nullptr;
    SpeichereDauerAuftrag(b, Miete(), Auftragsentwurf(true, 20090101), auftrag);
    EXPECT_TRUE(Unbefristet(*auftrag)) << "a new order runs until the user sets an end";
    EXPECT_EQ(Auftragsergebnis::kKeinBetrag,
              SpeichereDauerAuftrag(b, Miete(0.0), Auftragsentwurf(true, 20090101), auftrag));
    EXPECT_EQ(100.0, auftrag->m_dBetrag);
}

// A folder last saved on `letzterAufruf` with monthly orders on the given days and their bookings.
void Ordner(const TempOrdner& ordner, int letzterAufruf, const std::vector<int>& tage,
            const std::vector<std::pair<int, int>>& buchungen)
{
    CBasis b;
    FamilieMeier(b);
    b.m_strPfad = ordner.Pfad();
    b.m_nErsterMonat = 200901;
    for (int tag : tage) {
        auto& a = *b.m_arrDauerAuftraege.emplace_back(std::make_unique<CDauerAuftrag>());
        a.m_strAuftraggeber = "Anna, Giro";
        a.m_strEmpfaenger = "Vermieter";
        a.m_dBetrag = 10.0;
        a.m_nArt = 1;
        a.m_nZyklus = tag;
        a.m_nStatus = 1;
        a.m_nNr = static_cast<int>(b.m_arrDauerAuftraege.size()) - 1;
    }
    for (const auto& [nr, datum] : buchungen) {
        NeueBuchung(b, "Anna, Giro", "Vermieter", 10.0, datum, 1).m_nDauerAuftragNr = nr;
        b.MonatGeaendert(datum / 100);
    }
    b.m_nHeute = letzterAufruf;
    ASSERT_EQ(0, SpeichereAlles(b));
}

std::vector<std::pair<int, int>> Buchungen(const CBasis& b)
{
    std::vector<std::pair<int, int>> paare;
    for (const auto& t : b.m_arrInOut)
        paare.emplace_back(t->m_nDauerAuftragNr, t->m_nDatum);
    std::sort(paare.begin(), paare.end());
    return paare;
}

// Last opened on 2 April, next on 12 May, before May has a file: every order due from 3 April to
// 12 May is booked once, and the start-up tells how many bookings it made.
TEST(Auftragsaenderung, StartHoltNachAuchInEinemNeuenMonat)
{
    TempOrdner ordner;
    Ordner(ordner, 20090402, {1, 2, 3, 30}, {{0, 20090401}, {1, 20090402}});
    CBasis b;
    b.m_uhr = FesteUhr(20090512, 800);
    EXPECT_EQ(5, StarteDaten(b, ordner.Pfad()));
    EXPECT_EQ(
        (std::vector<std::pair<int, int>>{
            {0, 20090401}, {0, 20090501}, {1, 20090402}, {1, 20090502}, {2, 20090403}, {2, 20090503}, {3, 20090430}}),
        Buchungen(b));
}

// Deleted for good after the start-up and saved: a second start on the same day, or a later one, does
// not bring it back; the day after the last run is where catching up begins.
TEST(Auftragsaenderung, EndgueltigGeloeschtBleibtWegBeimZweitenStart)
{
    TempOrdner ordner;
    Ordner(ordner, 20090310, {11, 15}, {});
    for (int start : {20090315, 20090315, 20090316}) {
        CBasis b;
        b.m_uhr = FesteUhr(start, 900);
        StarteDaten(b, ordner.Pfad());
        for (int i = static_cast<int>(b.m_arrInOut.size()) - 1; i >= 0; --i) {
            if (b.m_arrInOut[static_cast<size_t>(i)]->m_nDatum == 20090315)
                ASSERT_TRUE(LoescheEndgueltig(b, i));
        }
        EXPECT_EQ((std::vector<std::pair<int, int>>{{0, 20090311}}), Buchungen(b)) << start;
        ASSERT_EQ(0, SpeichereAlles(b));
    }
}

} // namespace
} // namespace velmora::test
