#include "Vorschau.h"
#include "Hilfen.h"
#include "Start.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace velmora::test {
namespace {

constexpr int kHeute = 20261208; // a Tuesday

CDauerAuftrag& Auftrag(CBasis& basis, const std::string& zahler, const std::string& empfaenger, double betrag,
                       int zyklus, const std::vector<int>& termine = {})
{
    auto& a = *basis.m_arrDauerAuftraege.emplace_back(std::make_unique<CDauerAuftrag>());
    a.m_strAuftraggeber = zahler;
    a.m_strEmpfaenger = empfaenger;
    a.m_dBetrag = betrag;
    a.m_nZyklus = zyklus;
    a.m_nStatus = 1;
    a.m_nNr = static_cast<int>(basis.m_arrDauerAuftraege.size());
    for (int monatTag : termine)
        a.m_arrTermine.push_back(std::make_unique<CTermin>(CTermin{"", "", 0, "", monatTag}));
    return a;
}

std::vector<int> Daten(const Verlauf& verlauf)
{
    std::vector<int> daten;
    for (const VorschauBuchung& b : verlauf.buchungen)
        daten.push_back(b.nDatum);
    return daten;
}

struct Zyklusfall
{
    const char* szName;
    int nZyklus;
    std::vector<int> termine;
    int nHeute, nBis;
    std::vector<int> erwartet;
    int nBeginn = 19700101, nEnde = 21991231, nStatus = 1, n48 = 1;
};

// The forecast meets the days execution books on those days, and no others.
TEST(Vorschau, JederZyklusTrifftDieTageDerAusfuehrung)
{
    const Zyklusfall faelle[] = {
        {"the 31st, never in a short month", 31, {}, kHeute, 20270630, {20261231, 20270131, 20270331, 20270531}},
        {"Wednesdays", 53, {}, kHeute, 20261231, {20261209, 20261216, 20261223, 20261230}},
        {"0229 in and out of leap years", 0, {229, 1224}, 20270101, 20290301, {20271224, 20280229, 20281224}},
        {"starting next month", 15, {}, kHeute, 20270228, {20270115, 20270215}, 20270101},
        {"ending this month", 15, {}, kHeute, 20270228, {20261215}, 19700101, 20261220},
        {"tomorrow counts, today does not", 8, {}, 20261207, 20270107, {20261208}},
        {"inactive", 15, {}, kHeute, 20270228, {}, 19700101, 21991231, 0},
        {"deleted", 15, {}, kHeute, 20270228, {}, 19700101, 21991231, 1, -1},
    };
    for (const auto& fall : faelle) {
        FamilieImOrdner a;
        CDauerAuftrag& auftrag = Auftrag(a.basis, "Anna, Giro", "Vermieter", 10.0, fall.nZyklus, fall.termine);
        auftrag.m_nBeginn = fall.nBeginn;
        auftrag.m_nEnde = fall.nEnde;
        auftrag.m_nStatus = fall.nStatus;
        auftrag.m_n48 = fall.n48;
        a.basis.m_nHeute = fall.nHeute;
        EXPECT_EQ(fall.erwartet, Daten(ErstelleVorschau(a.basis, fall.nBis).konten[0])) << fall.szName;

        a.basis.m_nHeute = fall.nBis;
        a.basis.FuehreDauerAuftraegeAus(fall.nHeute + 1);
        std::vector<int> gebucht;
        for (const auto& t : a.basis.m_arrInOut)
            gebucht.push_back(t->m_nDatum);
        EXPECT_EQ(fall.erwartet, gebucht) << fall.szName << ": execution";
    }
}

// Anna's Giro 1000, Spar 500, Bernd's Giro 200: rent on the 15th, a transfer to the savings on the 20th that
// takes the Giro below zero, the salary on the 30th (none in February).
struct Haushaltsvorschau
{
    explicit Haushaltsvorschau(int heute)
    {
        a.basis.m_nHeute = heute;
        Auftrag(a.basis, "Anna, Giro", "Vermieter", 800.0, 15);
        Auftrag(a.basis, "Anna, Giro", "Anna, Spar", 300.0, 20);
        Auftrag(a.basis, "Firma", "Anna, Giro", 1000.0, 30);
        v = ErstelleVorschau(a.basis, VorschauHorizont(heute));
    }
    FamilieImOrdner a;
    Vorschau v;
};

TEST(Vorschau, StaendeTiefpunktUndErsterTagUnterNull)
{
    const Haushaltsvorschau h(kHeute);
    ASSERT_EQ(3u, h.v.konten.size());
    const Verlauf& giro = h.v.konten[0];
    EXPECT_EQ("Anna, Giro", giro.strName);
    EXPECT_EQ(1000.0, giro.dHeute);
    EXPECT_EQ(900.0, giro.dMonatsEnde);
    EXPECT_EQ(900.0, giro.dJahresEnde);
    EXPECT_EQ(20261220, giro.nErstesMinus);
    // Every month takes 100 more than it brings, February 1000 more: the lowest comes last.
    EXPECT_EQ(-2200.0, giro.dTiefst);
    EXPECT_EQ(20271120, giro.nTiefstDatum);
    EXPECT_EQ(20271208, h.v.nBis);
    EXPECT_EQ(12u * 3 - 1, giro.buchungen.size());
    EXPECT_EQ(200.0, giro.buchungen[0].dStand);
    EXPECT_EQ(-300.0, giro.buchungen[1].dBetrag);

    // The transfer moves both accounts; within Anna, and within the family, it moves nothing.
    EXPECT_EQ(800.0, h.v.konten[1].dMonatsEnde);
    EXPECT_EQ(200.0, h.v.konten[2].dMonatsEnde);
    EXPECT_EQ(0, h.v.konten[2].nErstesMinus);
    ASSERT_EQ(2u, h.v.mitglieder.size());
    EXPECT_EQ("Anna", h.v.mitglieder[0].strName);
    EXPECT_EQ(1700.0, h.v.mitglieder[0].dMonatsEnde);
    const std::vector<int> anna = Daten(h.v.mitglieder[0]);
    EXPECT_EQ((std::vector<int>{20261215, 20261230}), std::vector<int>(anna.begin(), anna.begin() + 2));
    EXPECT_EQ(1900.0, h.v.familie.dMonatsEnde);
    EXPECT_EQ("Meier", h.v.familie.strName);
    EXPECT_EQ(-100.0, StandAm(giro, 20261229));
    EXPECT_EQ(1000.0, StandAm(giro, kHeute));
}

// Today the last day of its month, today New Year's Eve: the month end is today's balance.
TEST(Vorschau, MonatsEndeAmLetztenTagUndAnSilvester)
{
    for (int heute : {20261130, 20261231}) {
        const Haushaltsvorschau h(heute);
        const Verlauf& giro = h.v.konten[0];
        EXPECT_EQ(1000.0, giro.dMonatsEnde) << heute;
        EXPECT_EQ(heute == 20261231 ? 1000.0 : 900.0, giro.dJahresEnde) << heute;
        EXPECT_EQ(heute == 20261231 ? 20270115 : 20261215, giro.buchungen.front().nDatum) << heute;
    }
}

// Bookings by hand in the three whole months before this one, per day; standing-order bookings, deleted
// ones and other months do not count, and the estimate stays out of the exact figures.
TEST(Vorschau, UeblicheAusgabenStehenDaneben)
{
    FamilieImOrdner a;
    CBasis& b = a.basis;
    b.m_nHeute = kHeute;
    NeueBuchung(b, "Anna, Giro", "Aldi", 136.5, 20260901, 1);
    NeueBuchung(b, "Anna, Giro", "Anna, Spar", 45.5, 20261130, 2);
    NeueBuchung(b, "Anna, Giro", "Aldi", 500.0, 20260831, 1);
    NeueBuchung(b, "Anna, Giro", "Aldi", 500.0, 20261201, 1);
    NeueBuchung(b, "Anna, Giro", "Aldi", 500.0, 20261015, 1, -1);
    NeueBuchung(b, "Anna, Giro", "Vermieter", 500.0, 20261015, 1).m_nDauerAuftragNr = 4;
    Auftrag(b, "Anna, Giro", "Vermieter", 100.0, 15);

    const Vorschau v = ErstelleVorschau(b, VorschauHorizont(kHeute));
    EXPECT_DOUBLE_EQ(-2.0, v.konten[0].dUeblichProTag) << "(136.50 + 45.50) over 91 days";
    EXPECT_DOUBLE_EQ(0.5, v.konten[1].dUeblichProTag);
    EXPECT_DOUBLE_EQ(-1.5, v.mitglieder[0].dUeblichProTag);
    EXPECT_EQ(900.0, v.konten[0].dMonatsEnde);
    EXPECT_EQ(900.0 - 2.0 * 10, UeblicherStandAm(v.konten[0], kHeute, 20261218));
}

// Opening the forecast, with the months it loads, leaves what "Ende" writes byte for byte as it was.
TEST(Vorschau, AendertNichtsAmBuch)
{
    FamilieImOrdner vorlage;
    CBasis& b = vorlage.basis;
    b.m_nHeute = 20261207;
    for (int datum : {20260910, 20261010, 20261110, 20261205})
        NeueBuchung(b, "Anna, Giro", "Aldi", 10.0, datum, 1);
    for (int monat : {202609, 202610, 202611, 202612})
        b.MonatGeaendert(monat);
    Auftrag(b, "Anna, Giro", "Vermieter", 100.0, 9).m_nBeginn = 20261201;
    ASSERT_EQ(0, SpeichereAlles(b));

    std::vector<std::string> geschrieben;
    for (bool ansehen : {false, true}) {
        TempOrdner kopie;
        std::filesystem::copy(vorlage.ordner.Pfad(), kopie.Pfad(), std::filesystem::copy_options::recursive);
        CBasis lauf;
        lauf.m_uhr = FesteUhr(kHeute, 1200);
        StarteDaten(lauf, kopie.Pfad());
        if (ansehen) {
            LadeVorschauMonate(lauf);
            EXPECT_DOUBLE_EQ(-30.0 / 91, ErstelleVorschau(lauf, VorschauHorizont(kHeute)).konten[0].dUeblichProTag);
        }
        std::string bytes = lauf.EinstellungsBytes();
        for (const Dateistand& monat : lauf.GeaenderteMonate())
            bytes += monat.strName + monat.bytes;
        geschrieben.push_back(bytes);
    }
    EXPECT_TRUE(geschrieben[0] == geschrieben[1]);
}

} // namespace
} // namespace velmora::test
