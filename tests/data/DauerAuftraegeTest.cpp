#include "Hilfen.h"
#include "Start.h"
#include "Text.h"

#include <gtest/gtest.h>

namespace velmora::test {
namespace {

CDauerAuftrag& NeuerAuftrag(CBasis& basis, int zyklus, const std::vector<int>& termine = {})
{
    auto& a = *basis.m_arrDauerAuftraege.emplace_back(std::make_unique<CDauerAuftrag>());
    a.m_strAuftraggeber = "Anna, Giro";
    a.m_strEmpfaenger = "Vermieter";
    a.m_dBetrag = 100.0;
    a.m_nArt = 1;
    a.m_nZyklus = zyklus;
    a.m_nStatus = 1;
    a.m_nNr = static_cast<int>(basis.m_arrDauerAuftraege.size()) - 1;
    for (int monatTag : termine)
        a.m_arrTermine.push_back(std::make_unique<CTermin>(CTermin{"", "", 0, "", monatTag}));
    return a;
}

void Lauf(CBasis& basis, int von, int heute)
{
    basis.m_nHeute = heute;
    basis.FuehreDauerAuftraegeAus(von);
}

struct Zyklusfall
{
    const char* szName;
    int nZyklus;
    std::vector<int> termine;
    int nVon, nHeute;
    std::vector<int> erwartet;
    int nBeginn = 19700101, nEnde = 21991231, nStatus = 1, n48 = 1;
};

TEST(DauerAuftraege, JederZyklusTrifftSeineTage)
{
    const Zyklusfall faelle[] = {
        {"monthly on the 1st", 1, {}, 20090101, 20090401, {20090101, 20090201, 20090301, 20090401}},
        {"31st", 31, {}, 20090101, 20091231, {20090131, 20090331, 20090531, 20090731, 20090831, 20091031, 20091231}},
        {"the 30th never in February", 30, {}, 20090101, 20090331, {20090130, 20090330}},
        {"29th, leap year", 29, {}, 20080101, 20080331, {20080129, 20080229, 20080329}},
        {"29th, common year", 29, {}, 20090201, 20090331, {20090329}},
        {"the 31st across the year end", 31, {}, 20091215, 20100215, {20091231, 20100131}},
        {"Sundays", 57, {}, 20090301, 20090331, {20090301, 20090308, 20090315, 20090322, 20090329}},
        {"Wednesdays", 53, {}, 20090420, 20090515, {20090422, 20090429, 20090506, 20090513}},
        {"fixed dates", 0, {1224, 101}, 20081201, 20100105, {20081224, 20090101, 20091224, 20100101}},
        {"0229 in leap years", 0, {229}, 20960101, 21041231, {20960229, 21040229}},
        {"29 February of 2000", 0, {229}, 19990101, 20011231, {20000229}},
        {"the same fixed date twice books once", 0, {501, 501}, 20090101, 20091231, {20090501}},
        {"no fixed dates", 0, {}, 20090101, 20091231, {}},
        {"code 32 is never due", 32, {}, 20090101, 20091231, {}},
        {"code 58 is never due", 58, {}, 20090101, 20090131, {}},
        {"first, last date", 15, {}, 20090101, 20090630, {20090315, 20090415, 20090515}, 20090315, 20090515},
        {"first date after today", 15, {}, 20090101, 20090325, {}, 20090401},
        {"last date passed", 15, {}, 20090101, 20090325, {20090115}, 19700101, 20090214},
        {"inactive", 15, {}, 20090101, 20090325, {}, 19700101, 21991231, 0},
        {"deleted", 15, {}, 20090101, 20090325, {}, 19700101, 21991231, 1, -1},
        {"record status 0", 15, {}, 20090101, 20090325, {}, 19700101, 21991231, 1, 0},
    };
    for (const auto& fall : faelle) {
        FamilieImOrdner a;
        CDauerAuftrag& auftrag = NeuerAuftrag(a.basis, fall.nZyklus, fall.termine);
        auftrag.m_nBeginn = fall.nBeginn;
        auftrag.m_nEnde = fall.nEnde;
        auftrag.m_nStatus = fall.nStatus;
        auftrag.m_n48 = fall.n48;
        Lauf(a.basis, fall.nVon, fall.nHeute);
        EXPECT_EQ(fall.erwartet, DatenVon(a.basis, 0)) << fall.szName;
    }
}

TEST(DauerAuftraege, WochentageEinerWoche)
{
    for (int zyklus = 51; zyklus <= 57; ++zyklus) {
        FamilieImOrdner a;
        NeuerAuftrag(a.basis, zyklus);
        Lauf(a.basis, 20090302, 20090308); // Monday to Sunday
        EXPECT_EQ(std::vector<int>{20090302 + zyklus - 51}, DatenVon(a.basis, 0)) << zyklus;
    }
}

// The generated transaction copies the order (its kind is not recomputed), counts the use of the external
// account, category and sub-category, books onto own accounts and marks its month changed. Names that
// do not exist still generate the transaction.
TEST(DauerAuftraege, ErzeugteBuchungUndIhreFolgen)
{
    FamilieImOrdner a;
    CBasis& b = a.basis;
    NeuesZielKonto(b, "Vermieter", 4);
    CKategorie& wohnen = NeueKategorie(b, "Wohnen", 2);
    wohnen.m_arrUKategorien.push_back(std::make_unique<CUKategorie>(CUKategorie{"Miete", 1}));
    wohnen.m_arrUKategorien.push_back(std::make_unique<CUKategorie>(CUKategorie{"Strom", 1}));
    b.m_nZaehler = 10;
    CDauerAuftrag& miete = NeuerAuftrag(b, 1);
    miete.m_strNutzniesser = "Familie";
    miete.m_strKategorie = "Wohnen";
    miete.m_strUKategorie = "Miete";
    miete.m_strKommentar = "M\xE4rz";
    miete.m_dBetrag = 750.0;
    miete.m_nArt = 0;
    miete.m_nNr = 7;
    CDauerAuftrag& fremd = NeuerAuftrag(b, 1);
    fremd.m_strAuftraggeber = "Carl, Giro";
    fremd.m_strEmpfaenger = "Unbekannt";
    fremd.m_strKategorie = "Fehlt";
    fremd.m_nNr = 8;
    NeueBuchung(b, "Aldi", "Anna, Giro", 1.0, 20090227, 0);

    Lauf(a.basis, 20090228, 20090301);
    ASSERT_EQ(3u, b.m_arrInOut.size());
    const CInOut& t = *b.m_arrInOut[1];
    EXPECT_EQ("Anna, Giro|Vermieter|Familie|Wohnen|Miete|M\xE4rz 0 750 20090301 1 7\n"
              "Carl, Giro|Unbekannt||Fehlt|| 1 100 20090301 1 8\n",
              BeschreibeBuchungen(b).substr(BeschreibeBuchungen(b).find('\n') + 1));
    EXPECT_EQ(1, t.m_nIndex);
    EXPECT_EQ(2, b.m_arrInOut[2]->m_nIndex);
    EXPECT_EQ(12, b.m_nZaehler);
    EXPECT_EQ(250.0, KontoVon(b, "Anna", "Giro").m_dStand);
    EXPECT_EQ(1, KontoVon(b, "Anna", "Giro").m_nAnzahl);
    EXPECT_EQ(1, b.m_arrFamilien[0]->m_arrPersonen[0]->m_nAnzahl);
    const std::string nutzung = Format("ziel=%d/%d kat=%d/%d miete=%d/%d strom=%d/%d", b.m_arrZielKonten[0]->m_nAnzahl,
                                       b.m_arrZielKonten[0]->m_bBenutzt, wohnen.m_nAnzahl, wohnen.m_bBenutzt,
                                       wohnen.m_arrUKategorien[0]->m_nAnzahl, wohnen.m_arrUKategorien[0]->m_bBenutzt,
                                       wohnen.m_arrUKategorien[1]->m_nAnzahl, wohnen.m_arrUKategorien[1]->m_bBenutzt);
    EXPECT_EQ("ziel=5/1 kat=3/1 miete=2/1 strom=1/0", nutzung);
    ASSERT_EQ(1u, b.m_arrLoadedFiles.size());
    EXPECT_EQ(200903, b.m_arrLoadedFiles[0]->m_nMonat);
    EXPECT_EQ(1, b.m_arrLoadedFiles[0]->m_bGeaendert);
}

TEST(DauerAuftraege, UmbuchungAendertBeideKonten)
{
    FamilieImOrdner a;
    CDauerAuftrag& sparen = NeuerAuftrag(a.basis, 1);
    sparen.m_strEmpfaenger = "Anna, Spar";
    sparen.m_nArt = 2;
    Lauf(a.basis, 20090101, 20090331);
    EXPECT_EQ(700.0, KontoVon(a.basis, "Anna", "Giro").m_dStand);
    EXPECT_EQ(800.0, KontoVon(a.basis, "Anna", "Spar").m_dStand);
    EXPECT_EQ(6, a.basis.m_arrFamilien[0]->m_arrPersonen[0]->m_nAnzahl);
}

// An order is executed once per day: a second run over the same range adds nothing, also when the
// generated transaction was deleted or finally deleted in between.
TEST(DauerAuftraege, ZweiterLaufErzeugtNichtsDoppelt)
{
    for (int status : {1, -1, kEndgueltigGeloescht}) {
        FamilieImOrdner a;
        NeuerAuftrag(a.basis, 10);
        Lauf(a.basis, 20090101, 20090331);
        a.basis.m_arrInOut[1]->m_nStatus = status;
        Lauf(a.basis, 20090101, 20090331);
        Lauf(a.basis, 20090201, 20090331);
        EXPECT_EQ((std::vector<int>{20090110, 20090210, 20090310}), DatenVon(a.basis, 0)) << status;
        EXPECT_EQ(700.0, KontoVon(a.basis, "Anna", "Giro").m_dStand) << status;
    }
}

// The months of the range are loaded before executing, so transactions an earlier run generated in a
// month not loaded yet are seen; months before the range stay unloaded.
TEST(DauerAuftraege, FruehereLaeufeInUngeladenenMonaten)
{
    FamilieImOrdner a;
    {
        CBasis frueher;
        FamilieMeier(frueher);
        frueher.m_strPfad = a.ordner.Pfad();
        NeueBuchung(frueher, "Anna, Giro", "Vermieter", 100.0, 20090110, 1).m_nDauerAuftragNr = 0;
        NeueBuchung(frueher, "Anna, Giro", "Vermieter", 100.0, 20090210, 1).m_nDauerAuftragNr = 0;
        frueher.MonatGeaendert(200901);
        frueher.MonatGeaendert(200902);
        ASSERT_EQ(0, frueher.SpeichereMonate());
    }
    NeuerAuftrag(a.basis, 10);
    NeuerAuftrag(a.basis, 20);
    a.basis.m_nErsterMonat = 200901;
    Lauf(a.basis, 20090201, 20090315);

    EXPECT_EQ((std::vector<int>{20090210, 20090310}), DatenVon(a.basis, 0));
    EXPECT_EQ(std::vector<int>{20090220}, DatenVon(a.basis, 1));
    std::string monate;
    for (const auto& datei : a.basis.m_arrLoadedFiles)
        monate += Format("%d/%d ", datei->m_nMonat, datei->m_bGeaendert);
    EXPECT_EQ("200902/1 200903/1 ", monate);
}

// A data folder as an earlier run left it: the settings saved on `letzterAufruf` with monthly orders on
// the given days, and monthly files with the given (order number, date) transactions.
void FruehererLauf(const TempOrdner& ordner, int letzterAufruf, const std::vector<int>& tage,
                   const std::vector<std::pair<int, int>>& buchungen)
{
    CBasis b;
    FamilieMeier(b);
    b.m_strPfad = ordner.Pfad();
    NeuesZielKonto(b, "Vermieter", 5);
    NeuesZielKonto(b, "Aldi", 9);
    NeueKategorie(b, "Wohnen", 1);
    NeueKategorie(b, "Essen", 3);
    for (int tag : tage)
        NeuerAuftrag(b, tag);
    for (const auto& [nr, datum] : buchungen) {
        NeueBuchung(b, "Anna, Giro", "Vermieter", 100.0, datum, 1).m_nDauerAuftragNr = nr;
        b.MonatGeaendert(datum / 100);
    }
    b.m_nHeute = letzterAufruf;
    b.m_nJetzt = 1200;
    ASSERT_EQ(0, SpeichereAlles(b));
}

TEST(DauerAuftraege, StartHoltDieTageSeitDemLetztenLaufNach)
{
    struct Fall
    {
        const char* szName;
        int nLetzterAufruf;
        std::vector<int> tage;
        std::vector<std::pair<int, int>> vorhanden;
        std::vector<std::pair<int, int>> erwartet; // every (order, date) after start-up, in list order
        const char* szMonate;
    };
    const Fall faelle[] = {
        {"last run on 10 March, March file present: that day was served",
         20090310,
         {9, 10, 25, 26},
         {{-1, 20090305}, {0, 20090309}},
         {{0, 20090309}, {2, 20090325}},
         "200903/1 "},
        {"last run in February, no March file",
         20090210,
         {1, 5, 15, 25},
         {{-1, 20090205}},
         {{2, 20090215}, {3, 20090225}, {0, 20090301}, {1, 20090305}, {2, 20090315}, {3, 20090325}},
         "200903/1 200902/1 "},
        {"last run in February, March file present",
         20090215,
         {15, 20},
         {{0, 20090215}, {-1, 20090301}},
         {{0, 20090215}, {1, 20090220}, {0, 20090315}, {1, 20090320}},
         "200903/1 200902/1 "},
    };
    for (const auto& fall : faelle) {
        SCOPED_TRACE(fall.szName);
        TempOrdner ordner;
        FruehererLauf(ordner, fall.nLetzterAufruf, fall.tage, fall.vorhanden);
        CBasis b;
        b.m_uhr = FesteUhr(20090325, 830);
        b.m_aFarben.fill(0x123456);
        StarteDaten(b, ordner.Pfad());

        EXPECT_EQ(20090325, b.m_nHeute);
        EXPECT_EQ(830, b.m_nJetzt);
        EXPECT_EQ(fall.nLetzterAufruf, b.m_nLetzterAufruf);
        EXPECT_EQ(kStandardFarben, b.m_aFarben);
        std::vector<std::pair<int, int>> ist;
        for (const auto& t : b.m_arrInOut) {
            if (t->m_nDauerAuftragNr >= 0)
                ist.emplace_back(t->m_nDauerAuftragNr, t->m_nDatum);
        }
        EXPECT_EQ(fall.erwartet, ist);
        std::string monate;
        for (const auto& datei : b.m_arrLoadedFiles)
            monate += Format("%d/%d ", datei->m_nMonat, datei->m_bGeaendert);
        EXPECT_EQ(fall.szMonate, monate);
        EXPECT_EQ("Meier_200903.vlm", b.m_arrLoadedFiles[0]->m_strDatei);
        // Sorted by usage before the orders ran.
        EXPECT_EQ("Aldi", b.m_arrZielKonten[0]->m_strName);
        EXPECT_EQ("Essen", b.m_arrKategorien[0]->m_strName);
    }
}

TEST(DauerAuftraege, StartOhneEinstellungen)
{
    TempOrdner ordner;
    CBasis b;
    b.m_uhr = FesteUhr(20090325, 830);
    StarteDaten(b, ordner.Pfad());
    EXPECT_EQ(0, b.m_nSprache);
    EXPECT_EQ(200903, b.m_nErsterMonat);
    EXPECT_EQ(0, b.m_nFamilie);
    EXPECT_EQ(nullptr, b.Familie());
    EXPECT_TRUE(b.m_arrLoadedFiles.empty());
    EXPECT_EQ(0, SpeichereAlles(b));
    EXPECT_TRUE(ordner.Inhalt().empty());
}

} // namespace
} // namespace velmora::test
