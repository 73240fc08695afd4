#include "Hilfen.h"
#include "Start.h"
#include "Text.h"

#include <gtest/gtest.h>

#include <functional>

namespace velmora::test {
namespace {

struct Satz
{
    std::string strAuftraggeber, strEmpfaenger, strNutzniesser, strKategorie, strUKategorie, strKommentar;
    int nArt;
    double dBetrag;
    int nDatum, nIndex, nStatus, nDauerAuftragNr;
};

const Satz kMiete{"Anna, Giro", "Vermieter", "Familie", "Wohnen", "Miete", "M\xE4rz", 1, 750.0, 20090301, 77, 1, 3};
const Satz kGehalt{"Arbeitgeber", "Anna, Giro", "Anna", "Gehalt", "", "", 0, 2345.67, 20090315, 78, -2, -1};

Satz Mit(Satz s, int nIndex, int nDauerAuftragNr)
{
    s.nIndex = nIndex;
    s.nDauerAuftragNr = nDauerAuftragNr;
    return s;
}

Bytes& SchreibeSatz(Bytes& b, int version, const Satz& s)
{
    b.Str(s.strAuftraggeber).Str(s.strEmpfaenger).Str(s.strNutzniesser).Str(s.strKategorie).Str(s.strUKategorie);
    b.Str(s.strKommentar).I32(s.nArt).F64(s.dBetrag).I32(s.nDatum).I32(s.nIndex).I32(s.nStatus);
    if (version > 1)
        b.I32(s.nDauerAuftragNr);
    return b.Marke("buchung");
}

// A monthly file from the layout: count, version, 8 reserved int32 and 8 reserved doubles, the records.
Bytes Monatsdatei(int version, const std::vector<Satz>& saetze, char reserviert = 0)
{
    Bytes b;
    b.I32(static_cast<int32_t>(saetze.size())).I32(version).Roh(std::string(96, reserviert));
    for (const Satz& s : saetze)
        SchreibeSatz(b, version, s);
    return b;
}

CInOut& HaengeAn(CBasis& basis, const Satz& s)
{
    CInOut& t = NeueBuchung(basis, s.strAuftraggeber, s.strEmpfaenger, s.dBetrag, s.nDatum, s.nArt, s.nStatus);
    t.m_strNutzniesser = s.strNutzniesser;
    t.m_strKategorie = s.strKategorie;
    t.m_strUKategorie = s.strUKategorie;
    t.m_strKommentar = s.strKommentar;
    t.m_nDauerAuftragNr = s.nDauerAuftragNr;
    return t;
}

TEST(Monate, DateinameAusFamilienpraefixUndMonat)
{
    struct Fall
    {
        const char* szFamilie;
        int nDatum;
        const char* szDatei;
    };
    const Fall faelle[] = {
        {"Meier", 20090315, "Meier_200903.vlm"}, {"Muster", 20090315, "Muste_200903.vlm"},
        {"Schmi", 20090301, "Schmi_200903.vlm"}, {"M\xFCller", 20091231, "M\xFClle_200912.vlm"},
        {"Li", 20100101, "Li_201001.vlm"},
    };
    for (const auto& fall : faelle) {
        SCOPED_TRACE(fall.szDatei);
        TempOrdner ordner;
        ordner.Schreibe(fall.szDatei, Monatsdatei(2, {kMiete}).Daten());
        CBasis b;
        NeueFamilie(b, fall.szFamilie);
        b.m_strPfad = ordner.Pfad();
        ASSERT_EQ(0, b.LadeMonat(fall.nDatum));
        EXPECT_EQ(1u, b.m_arrInOut.size());
        ASSERT_EQ(1u, b.m_arrLoadedFiles.size());
        EXPECT_EQ(fall.szDatei, b.m_arrLoadedFiles[0]->m_strDatei);
        EXPECT_EQ(fall.nDatum / 100, b.m_arrLoadedFiles[0]->m_nMonat);
        EXPECT_EQ(0, b.m_arrLoadedFiles[0]->m_bGeaendert);
        EXPECT_EQ(fall.szDatei, b.m_strErsteDatei);
        EXPECT_EQ(fall.szDatei, b.m_strLetzteDatei);

        // A month without a file changes nothing but the name of the file opened last.
        EXPECT_EQ(-1, b.LadeMonat(20200115));
        EXPECT_EQ(fall.szDatei, b.m_strErsteDatei);
        EXPECT_EQ(b.DateiPraefix() + "_202001.vlm", b.m_strLetzteDatei);
        EXPECT_EQ(1u, b.m_arrLoadedFiles.size());
    }

    CBasis ohneFamilie;
    EXPECT_EQ(-1, ohneFamilie.LadeMonat(20090315));
    EXPECT_EQ("", ohneFamilie.m_strLetzteDatei);
}

// Version 1 records lack the order number; the stored index is replaced by a per-run number; saving writes
// version 2 with the record's own index.
TEST(Monate, LiestVersionEinsUndZweiUndSchreibtZwei)
{
    for (int version : {1, 2}) {
        SCOPED_TRACE(Format("version %d", version));
        FamilieImOrdner h;
        h.ordner.Schreibe("Meier_200903.vlm", Monatsdatei(version, {kMiete, kGehalt}, '\x7F').Daten());
        ASSERT_EQ(0, h.basis.LadeMonat(20090301));
        ASSERT_EQ(2u, h.basis.m_arrInOut.size());
        const int nr = version > 1 ? 3 : -1;
        CBasis erwartet;
        HaengeAn(erwartet, Mit(kMiete, 0, nr));
        HaengeAn(erwartet, Mit(kGehalt, 1, -1));
        EXPECT_EQ(BeschreibeBuchungen(erwartet), BeschreibeBuchungen(h.basis));
        EXPECT_EQ(0, h.basis.m_arrInOut[0]->m_nIndex);
        EXPECT_EQ(1, h.basis.m_arrInOut[1]->m_nIndex);

        h.basis.MonatGeaendert(200903);
        ASSERT_EQ(0, h.basis.SpeichereMonate());
        EXPECT_EQ(Monatsdatei(2, {Mit(kMiete, 0, nr), Mit(kGehalt, 1, -1)}).Daten(), h.ordner.Lies("Meier_200903.vlm"));
    }
}

// Only changed months are written; each file holds its month's transactions in list order, deleted ones
// included, finally deleted ones left out; a month of nothing but finally deleted ones has N = 0.
TEST(Monate, SpeichernSchreibtGeaenderteMonateByteGenau)
{
    FamilieImOrdner h;
    CBasis& b = h.basis;
    const Satz april{"Anna, Giro", "Aldi", "Anna", "", "", "", 1, 3.5, 20090402, 0, 1, -1};
    Satz endgueltig = kMiete;
    endgueltig.nStatus = kEndgueltigGeloescht;
    Satz nochTiefer = kGehalt;
    nochTiefer.nStatus = kEndgueltigGeloescht - 1;
    Satz spaet = kGehalt;
    spaet.nDatum = 20090302;
    spaet.nStatus = 1;
    Satz mai = kMiete;
    mai.nDatum = 20090501;
    mai.nStatus = kEndgueltigGeloescht;

    HaengeAn(b, kGehalt);    // index 0, deleted
    HaengeAn(b, april);      // index 1
    HaengeAn(b, endgueltig); // index 2
    HaengeAn(b, kMiete);     // index 3
    HaengeAn(b, nochTiefer); // index 4
    HaengeAn(b, spaet);      // index 5
    HaengeAn(b, mai);        // index 6
    b.MonatGeaendert(200903);
    b.MonatGeaendert(200905);
    b.m_arrLoadedFiles.push_back(std::make_unique<CLoadedFiles>(CLoadedFiles{"Meier_200904.vlm", 200904, 0}));
    ASSERT_EQ(0, b.SpeichereMonate());

    const std::vector<Satz> maerz = {Mit(kGehalt, 0, -1), Mit(kMiete, 3, 3), Mit(spaet, 5, -1)};
    EXPECT_EQ(Monatsdatei(2, maerz).Daten(), h.ordner.Lies("Meier_200903.vlm"));
    EXPECT_EQ(Monatsdatei(2, {}).Daten(), h.ordner.Lies("Meier_200905.vlm"));
    EXPECT_EQ((std::vector<std::string>{"Meier_200903.vlm", "Meier_200905.vlm"}), h.ordner.Inhalt());

    CBasis gelesen;
    NeueFamilie(gelesen, "Meier");
    gelesen.m_strPfad = h.ordner.Pfad();
    ASSERT_EQ(0, gelesen.LadeMonat(20090331));
    CBasis erwartet;
    for (const Satz& s : maerz)
        HaengeAn(erwartet, s);
    EXPECT_EQ(BeschreibeBuchungen(erwartet), BeschreibeBuchungen(gelesen));
}

TEST(Monate, AbschneidenAnJedemByteBehaeltDieGanzenSaetze)
{
    const Bytes datei = Monatsdatei(2, {kMiete, kGehalt});
    CBasis ganz;
    HaengeAn(ganz, Mit(kMiete, 0, 3));
    HaengeAn(ganz, Mit(kGehalt, 0, -1));
    const std::string alle = BeschreibeBuchungen(ganz);
    const std::string ersteZeile = alle.substr(0, alle.find('\n') + 1);

    FamilieImOrdner h;
    for (size_t laenge = 0; laenge <= datei.Groesse(); ++laenge) {
        h.ordner.Schreibe("Meier_200903.vlm", datei.Daten().substr(0, laenge));
        CBasis b;
        FamilieMeier(b);
        b.m_strPfad = h.ordner.Pfad();
        ASSERT_EQ(0, b.LadeMonat(20090301)) << laenge;
        const int saetze = datei.VollstaendigBis("buchung", laenge);
        EXPECT_EQ(saetze == 0 ? "" : saetze == 1 ? ersteZeile : alle, BeschreibeBuchungen(b)) << "cut at " << laenge;
        EXPECT_EQ(laenge < datei.Groesse() ? 1u : 0u, b.m_abgeschnitteneDateien.size()) << "cut at " << laenge;
        EXPECT_EQ(1u, b.m_arrLoadedFiles.size());
        if (HasFailure())
            break;
    }
}

TEST(Monate, KaputteZahlenUndLaengen)
{
    struct Fall
    {
        const char* szName;
        std::function<void(Bytes&)> baue;
        size_t nSaetze;
        bool bAbgeschnitten;
    };
    const auto kopf = [](Bytes& b, int anzahl) -> Bytes& { return b.I32(anzahl).I32(2).Nullen(96); };
    const Fall faelle[] = {
        {"huge record count", [&](Bytes& b) { SchreibeSatz(kopf(b, 0x7FFFFFFF), 2, kMiete); }, 1, true},
        {"negative record count", [&](Bytes& b) { SchreibeSatz(kopf(b, -3), 2, kMiete); }, 0, false},
        {"header shorter than its reserved part", [](Bytes& b) { b.I32(1).I32(2).Nullen(50); }, 0, true},
        {"huge comment length in the second record",
         [&](Bytes& b) {
             SchreibeSatz(kopf(b, 2), 2, kMiete);
             b.Str("a").Str("b").Str("c").Str("d").Str("e").I32(0x7FFFFFF0).Nullen(40);
         },
         1, true},
        {"negative payer length reads as empty",
         [&](Bytes& b) {
             kopf(b, 1);
             b.I32(-7).Str("b").Str("c").Str("d").Str("e").Str("f").I32(1).F64(1.0).I32(20090301).I32(0).I32(1).I32(-1);
         },
         1, false},
    };
    for (const auto& fall : faelle) {
        SCOPED_TRACE(fall.szName);
        FamilieImOrdner h;
        Bytes bytes;
        fall.baue(bytes);
        h.ordner.Schreibe("Meier_200903.vlm", bytes.Daten());
        SetzeAllokationZurueck();
        const int ergebnis = h.basis.LadeMonat(20090301);
        const size_t groesste = GroessteAllokation();
        EXPECT_EQ(0, ergebnis);
        EXPECT_LT(groesste, 4096u);
        EXPECT_EQ(fall.nSaetze, h.basis.m_arrInOut.size());
        EXPECT_EQ(fall.bAbgeschnitten, !h.basis.m_abgeschnitteneDateien.empty());
    }
}

TEST(Monate, SchreibfehlerMeldenMinusEins)
{
    FamilieImOrdner h;
    h.ordner.Schreibe("datei", "kein Ordner");
    CBasis& b = h.basis;
    b.m_strPfad = h.ordner.Datei("datei");
    HaengeAn(b, kMiete);
    b.MonatGeaendert(200903);
    EXPECT_EQ(-1, b.SpeichereMonate());
    EXPECT_EQ(std::vector<std::string>{h.ordner.Datei("datei/Meier_200903.vlm")}, b.m_nichtGeschriebeneDateien);

    // "Ende" writes all or nothing and names the file it could not write.
    EXPECT_EQ(-1, SpeichereAlles(b));
    EXPECT_EQ(std::vector<std::string>{h.ordner.Datei("datei/Meier_200903.vlm")}, b.m_nichtGeschriebeneDateien);
    EXPECT_EQ(std::vector<std::string>{"datei"}, h.ordner.Inhalt());
}

// A month that cannot be written keeps its old file, and no other month of the save is written either.
TEST(Monate, AbgebrochenesSpeichernLaesstDieAlteDateiStehen)
{
    FamilieImOrdner h;
    CBasis& b = h.basis;
    HaengeAn(b, Mit(kMiete, 0, 3));
    b.MonatGeaendert(200903);
    ASSERT_EQ(0, b.SpeichereMonate());
    const std::string alt = h.ordner.Lies("Meier_200903.vlm");

    for (int i = 0; i < 30; ++i)
        HaengeAn(b, kMiete);
    Satz april = kMiete;
    april.nDatum = 20090401;
    HaengeAn(b, april);
    b.MonatGeaendert(200904);
    const long grenze = static_cast<long>(alt.size()) + 64;
    EXPECT_EQ(-1, MitDateiGrenze(grenze, [&] { return b.SpeichereMonate(); }));
    EXPECT_EQ(std::vector<std::string>{h.ordner.Datei("Meier_200903.vlm")}, b.m_nichtGeschriebeneDateien);
    EXPECT_EQ(alt, h.ordner.Lies("Meier_200903.vlm"));
    EXPECT_EQ(std::vector<std::string>{"Meier_200903.vlm"}, h.ordner.Inhalt());
}

TEST(Monate, MonatGeaendertLaedtOderLegtAn)
{
    struct Fall
    {
        const char* szName;
        bool bDatei;
        bool bVorherGeladen;
        size_t nBuchungen;
    };
    const Fall faelle[] = {
        {"loaded month", true, true, 1},
        {"file not loaded yet", true, false, 1},
        {"month without a file", false, false, 0},
    };
    for (const auto& fall : faelle) {
        SCOPED_TRACE(fall.szName);
        FamilieImOrdner h;
        CBasis& b = h.basis;
        if (fall.bDatei)
            h.ordner.Schreibe("Meier_200903.vlm", Monatsdatei(2, {kMiete}).Daten());
        if (fall.bVorherGeladen) {
            ASSERT_EQ(0, b.LadeMonat(20090301));
        }
        b.MonatGeaendert(200903);
        b.MonatGeaendert(200903);
        EXPECT_EQ(fall.nBuchungen, b.m_arrInOut.size());
        ASSERT_EQ(1u, b.m_arrLoadedFiles.size());
        EXPECT_EQ("Meier_200903.vlm", b.m_arrLoadedFiles[0]->m_strDatei);
        EXPECT_EQ(200903, b.m_arrLoadedFiles[0]->m_nMonat);
        EXPECT_EQ(1, b.m_arrLoadedFiles[0]->m_bGeaendert);

        // A new transaction in the month is written together with those already there.
        HaengeAn(b, kGehalt);
        ASSERT_EQ(0, b.SpeichereMonate());
        const std::vector<Satz> erwartet = fall.bDatei ? std::vector<Satz>{Mit(kMiete, 0, 3), Mit(kGehalt, 1, -1)}
                                                       : std::vector<Satz>{Mit(kGehalt, 0, -1)};
        EXPECT_EQ(Monatsdatei(2, erwartet).Daten(), h.ordner.Lies("Meier_200903.vlm"));
    }
}

TEST(Monate, EinMonatWirdNurEinmalGeladen)
{
    FamilieImOrdner h;
    h.ordner.Schreibe("Meier_200903.vlm", Monatsdatei(2, {kMiete, kGehalt}).Daten());
    for (int datum : {20090301, 20090331, 20090300, 20090315})
        EXPECT_EQ(0, h.basis.LadeMonat(datum)) << datum;
    EXPECT_EQ(2u, h.basis.m_arrInOut.size());
    EXPECT_EQ(1u, h.basis.m_arrLoadedFiles.size());
}

// The whole history steps through calendar months only, across the year end too: a month key such as
// 200850 or 200900 is never tried, so the last file name the settings remember names a real month even
// when the current month was loaded at start.
TEST(Monate, LadeAlleMonateNimmtNurKalendermonate)
{
    FamilieImOrdner h;
    for (const char* datei : {"Meier_200810.vlm", "Meier_200811.vlm", "Meier_200812.vlm", "Meier_200850.vlm",
                              "Meier_200902.vlm", "Meier_200903.vlm"})
        h.ordner.Schreibe(datei, Monatsdatei(2, {kMiete}).Daten());
    h.basis.m_nErsterMonat = 200811;
    h.basis.m_nHeute = 20090215;
    ASSERT_EQ(0, h.basis.LadeMonat(h.basis.m_nHeute));
    h.basis.LadeAlleMonate();

    std::vector<int> monate;
    for (const auto& datei : h.basis.m_arrLoadedFiles)
        monate.push_back(datei->m_nMonat);
    EXPECT_EQ((std::vector<int>{200902, 200811, 200812}), monate);
    EXPECT_EQ(3u, h.basis.m_arrInOut.size());
    EXPECT_EQ("Meier_200902.vlm", h.basis.m_strErsteDatei);
    EXPECT_EQ("Meier_200901.vlm", h.basis.m_strLetzteDatei);
}

// After the family name changes, changed months are written under the new prefix, unchanged months keep
// their files, and the earliest file name follows.
TEST(Monate, NeuerFamiliennameNeuesPraefix)
{
    FamilieImOrdner h;
    CBasis& b = h.basis;
    h.ordner.Schreibe("Meier_200902.vlm", Monatsdatei(2, {kMiete}).Daten());
    ASSERT_EQ(0, b.LadeMonat(20090201));
    b.m_strErsteDatei = "Meier_200903.vlm";
    HaengeAn(b, kGehalt);
    b.MonatGeaendert(200903);
    b.m_arrFamilien[0]->m_strName = "Schmidt";
    ASSERT_EQ(0, b.SpeichereMonate());

    EXPECT_EQ((std::vector<std::string>{"Meier_200902.vlm", "Schmi_200903.vlm"}), h.ordner.Inhalt());
    EXPECT_EQ("Schmi_200902.vlm", b.m_strErsteDatei);
    EXPECT_EQ("Meier_200902.vlm", b.m_arrLoadedFiles[0]->m_strDatei);
}

TEST(Monate, OhneGeladenenMonatWirdDerAktuelleGeschrieben)
{
    FamilieImOrdner h;
    ASSERT_EQ(0, h.basis.SpeichereMonate());
    EXPECT_EQ(Monatsdatei(2, {}).Daten(), h.ordner.Lies("Meier_200903.vlm"));
    EXPECT_EQ("Meier_200903.vlm", h.basis.m_strErsteDatei);
    EXPECT_EQ("Meier_200903.vlm", h.basis.m_strLetzteDatei);
}

// Stamps of deletions from earlier runs lower the deletion counter as their months load, so that a
// deletion of this run never reuses one.
TEST(Monate, GeladeneStempelSenkenDenLoeschzaehler)
{
    FamilieImOrdner h;
    const auto mitStatus = [](int datum, std::vector<int> stati) {
        std::vector<Satz> saetze;
        for (int status : stati) {
            Satz s = kMiete;
            s.nDatum = datum;
            s.nStatus = status;
            saetze.push_back(s);
        }
        return Monatsdatei(2, saetze).Daten();
    };
    h.ordner.Schreibe("Meier_200901.vlm", mitStatus(20090101, {1, -7, kEndgueltigGeloescht, -2}));
    h.ordner.Schreibe("Meier_200902.vlm", mitStatus(20090201, {-3}));
    h.ordner.Schreibe("Meier_200903.vlm", mitStatus(20090301, {kEndgueltigGeloescht - 5, -12}));
    const std::pair<int, int> schritte[] = {{20090201, -3}, {20090101, -7}, {20090301, -12}};
    EXPECT_EQ(0, h.basis.m_nLoeschNr);
    for (const auto& [datum, loeschNr] : schritte) {
        ASSERT_EQ(0, h.basis.LadeMonat(datum));
        EXPECT_EQ(loeschNr, h.basis.m_nLoeschNr) << datum;
    }
}

// Months read ahead on the second thread end up in the store exactly as months read at once: whole,
// cut short, missing, and one loaded before reading ahead began.
TEST(Monate, VorausGeleseneMonateGleichenDenSofortGelesenen)
{
    FamilieImOrdner h;
    const Bytes ganz = Monatsdatei(2, {kMiete, kGehalt});
    h.ordner.Schreibe("Meier_200901.vlm", ganz.Daten());
    h.ordner.Schreibe("Meier_200902.vlm", ganz.Daten().substr(0, ganz.Groesse() - 3));
    h.ordner.Schreibe("Meier_200904.vlm", Monatsdatei(1, {kGehalt}).Daten());
    h.ordner.Schreibe("Meier_200905.vlm", ganz.Daten());
    const auto lade = [&](bool voraus) {
        auto b = std::make_unique<CBasis>();
        FamilieMeier(*b);
        b->m_strPfad = h.ordner.Pfad();
        b->LadeMonat(20090501);
        if (voraus)
            b->LadeMonateVoraus(20081201, 20090531);
        b->m_nErsterMonat = 200812;
        b->m_nHeute = 20090531;
        b->LadeAlleMonate();
        return b;
    };
    const auto sofort = lade(false);
    const auto voraus = lade(true);
    EXPECT_EQ(BeschreibeBuchungen(*sofort), BeschreibeBuchungen(*voraus));
    EXPECT_EQ(sofort->m_abgeschnitteneDateien, voraus->m_abgeschnitteneDateien);
    ASSERT_EQ(1u, voraus->m_abgeschnitteneDateien.size());
    std::vector<int> monate;
    for (const auto& datei : voraus->m_arrLoadedFiles)
        monate.push_back(datei->m_nMonat);
    EXPECT_EQ((std::vector<int>{200905, 200901, 200902, 200904}), monate);
    EXPECT_EQ(6u, voraus->m_arrInOut.size());

    // A store that goes before it used what was read ahead stops the reading and goes.
    auto frueh = std::make_unique<CBasis>();
    FamilieMeier(*frueh);
    frueh->m_strPfad = h.ordner.Pfad();
    frueh->LadeMonateVoraus(19000101, 20091231);
    frueh.reset();
}

} // namespace
} // namespace velmora::test
