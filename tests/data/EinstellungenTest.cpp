#include "Hilfen.h"
#include "Text.h"

#include <gtest/gtest.h>

#include <functional>

namespace velmora::test {
namespace {

constexpr const char* kDatei = "VLMBasic_D.ini";

// What a small settings file holds besides the fixed records below; the older versions leave out items.
struct Inhalt
{
    int nVersion = 5;
    int nSprache = kDeutsch;
    std::string strPasswort = "geheim";
    int n48 = -4;
    bool bVorlagen = true;
};

Inhalt InhaltDerVersion(int version)
{
    return {version, kEnglisch, version > 2 ? "geheim" : "", version > 4 ? -4 : 1, version > 3};
}

// Items 1 to 15 of the header, written from the layout table.
Bytes& Kopf(Bytes& b, int kategorien, int familien, int version, int sprache, const std::string& passwort,
            const std::string& erste = "M\xFClle_200811.vlm")
{
    b.I32(kategorien).I32(familien).I32(version).I32(sprache).I32(0).Marke("tips");
    b.I32(0).I32(20090310).Marke("aufruf").I32(1745);
    b.Str(erste).Marke("erste").Str("M\xFClle_200903.vlm");
    if (version > 2)
        b.Str(passwort).Marke("passwort");
    b.I32(0x00A400).I32(0x0000FF).I32(0x112233).I32(0x003C00).I32(0x000055).I32(0x445566).Marke("farben");
    return b.I32(200811).I32(42).Marke("zaehler").Nullen(15 * 8);
}

// A small settings file with at least one record of every kind, umlauts and deletion stamps included.
Bytes Einstellungsdatei(const Inhalt& inhalt)
{
    Bytes b;
    Kopf(b, 1, 1, inhalt.nVersion, inhalt.nSprache, inhalt.strPasswort);
    b.Str("Lebensmittel").I32(7).I32(1).I32(1).I32(0).I32(2).Marke("kat");
    b.Str("Obst").I32(3).I32(1).I32(1).I32(0).Marke("ukat");
    b.Str("Gem\xFCse").I32(4).I32(-3).I32(1).I32(1).Marke("ukat");
    b.Str("M\xFCller").I32(2).Marke("fam");
    b.Str("Anna").I32(4).I32(1).I32(0).I32(2).Marke("pers");
    b.Str("Giro").F64(1234.5).I32(3).I32(0).I32(1).I32(0).Marke("konto");
    b.Str("Spar").F64(-0.25).I32(1).I32(0).I32(1).I32(1).Marke("konto");
    b.Str("J\xF6rg").I32(0).I32(-2).I32(1).I32(0).Marke("pers");
    b.I32(1);
    b.Str("Anna, Giro").Str("Vermieter").Str("Familie").Str("Wohnen").Str("Miete").Str("M\xE4rz").Str("j\xE4hrlich");
    b.F64(750.0).I32(1).I32(0).I32(1).I32(20080101).I32(20301231).I32(1).I32(0).I32(0);
    if (inhalt.nVersion > 4)
        b.I32(inhalt.n48);
    b.I32(1).Marke("auftr");
    b.Str(" 1.").Str("Mai").I32(7).I32(501).Str("x").Marke("termin");
    b.I32(2);
    b.Str("Aldi").I32(2).I32(1).I32(1).I32(0).Marke("ziel");
    b.Str("Arbeitgeber").I32(5).I32(-1).I32(1).I32(1).Marke("ziel");
    if (inhalt.nVersion > 3) {
        b.I32(inhalt.bVorlagen ? 1 : 0);
        if (inhalt.bVorlagen)
            b.Str("Aldi").Str("Anna").Str("Lebensmittel").Str("Obst").Marke("vorl");
    }
    return b;
}

// The store the file above describes.
void FuelleBeispiel(CBasis& b, const Inhalt& inhalt)
{
    b.m_nVersion = inhalt.nVersion;
    b.m_nSprache = kDeutsch;
    b.m_bTooltips = 0;
    b.m_nHeute = b.m_nLetzterAufruf = 20090310;
    b.m_nJetzt = b.m_nLetzteZeit = 1745;
    b.m_strErsteDatei = "M\xFClle_200811.vlm";
    b.m_strLetzteDatei = "M\xFClle_200903.vlm";
    b.m_strPasswort = inhalt.strPasswort;
    b.m_aFarben = {0x00A400, 0x0000FF, 0x112233, 0x003C00, 0x000055, 0x445566};
    b.m_nErsterMonat = 200811;
    b.m_nZaehler = 42;

    CKategorie& kategorie = NeueKategorie(b, "Lebensmittel", 7);
    kategorie.m_bBenutzt = 1;
    kategorie.m_arrUKategorien.push_back(std::make_unique<CUKategorie>(CUKategorie{"Obst", 3, 1, 1, 0}));
    kategorie.m_arrUKategorien.push_back(std::make_unique<CUKategorie>(CUKategorie{"Gem\xFCse", 4, -3, 1, 1}));

    CFAMILY& familie = NeueFamilie(b, "M\xFCller");
    CPerson& anna = NeuesMitglied(familie, "Anna");
    anna.m_nAnzahl = 4;
    NeuesKonto(anna, "Giro", 1234.5).m_nAnzahl = 3;
    NeuesKonto(anna, "Spar", -0.25).m_nAnzahl = 1;
    NeuesMitglied(familie, "J\xF6rg").m_nStatus = -2;

    auto& auftrag = *b.m_arrDauerAuftraege.emplace_back(std::make_unique<CDauerAuftrag>());
    auftrag.m_strAuftraggeber = "Anna, Giro";
    auftrag.m_strEmpfaenger = "Vermieter";
    auftrag.m_strNutzniesser = "Familie";
    auftrag.m_strKategorie = "Wohnen";
    auftrag.m_strUKategorie = "Miete";
    auftrag.m_strKommentar = "M\xE4rz";
    auftrag.m_strZyklus = "j\xE4hrlich";
    auftrag.m_dBetrag = 750.0;
    auftrag.m_nArt = 1;
    auftrag.m_nStatus = 1;
    auftrag.m_nBeginn = 20080101;
    auftrag.m_n48 = inhalt.n48;
    auftrag.m_arrTermine.push_back(std::make_unique<CTermin>(CTermin{" 1.", "Mai", 7, "x", 501}));

    NeuesZielKonto(b, "Aldi", 2).m_bBenutzt = 1;
    CZIELKONTO& arbeitgeber = NeuesZielKonto(b, "Arbeitgeber", 5);
    arbeitgeber.m_bGebucht = -1;
    arbeitgeber.m_bBenutzt = 1;
    arbeitgeber.m_nZiel14 = 1;
    if (inhalt.bVorlagen) {
        auto& vorlage = *b.m_arrVorlagen.emplace_back(std::make_unique<CInOut>());
        vorlage.m_strEmpfaenger = "Aldi";
        vorlage.m_strNutzniesser = "Anna";
        vorlage.m_strKategorie = "Lebensmittel";
        vorlage.m_strUKategorie = "Obst";
    }
}

// Writing gives the layout's bytes exactly; reading them back gives the same records in the same order
// (the external accounts are not in usage order), with the date and time of the writing run.
TEST(Einstellungen, SchreibtVersionFuenfByteGenauUndLiestSieZurueck)
{
    TempOrdner ordner;
    CBasis basis;
    FuelleBeispiel(basis, {});
    basis.m_strPfad = ordner.Pfad();
    ASSERT_EQ(0, basis.SpeichereEinstellungen());
    EXPECT_EQ(Einstellungsdatei({}).Daten(), ordner.Lies(kDatei));
    EXPECT_EQ(std::vector<std::string>{kDatei}, ordner.Inhalt());

    CBasis gelesen;
    gelesen.m_strPfad = ordner.Pfad();
    gelesen.m_uhr = FesteUhr(20240229, 2359);
    gelesen.MonatsTitel();
    ASSERT_EQ(0, gelesen.LadeEinstellungen());
    EXPECT_EQ(Beschreibe(basis), Beschreibe(gelesen));
    ASSERT_EQ(0, gelesen.SpeichereEinstellungen());
    CBasis nochmal;
    nochmal.m_strPfad = ordner.Pfad();
    ASSERT_EQ(0, nochmal.LadeEinstellungen());
    EXPECT_EQ(20240229, nochmal.m_nLetzterAufruf);
    EXPECT_EQ(2359, nochmal.m_nLetzteZeit);
}

// Every version is read completely; the language item is ignored (the file name decides); saving again
// writes version 5 with what the older version lacked at its defaults.
TEST(Einstellungen, LiestVersionenEinsBisFuenfUndSchreibtFuenf)
{
    for (int version = 1; version <= 5; ++version) {
        SCOPED_TRACE(Format("version %d", version));
        TempOrdner ordner;
        const Inhalt inhalt = InhaltDerVersion(version);
        ordner.Schreibe(kDatei, Einstellungsdatei(inhalt).Daten());

        CBasis gelesen;
        gelesen.m_strPfad = ordner.Pfad();
        ASSERT_EQ(0, gelesen.LadeEinstellungen());
        CBasis erwartet;
        FuelleBeispiel(erwartet, inhalt);
        EXPECT_EQ(Beschreibe(erwartet), Beschreibe(gelesen));
        EXPECT_TRUE(gelesen.m_abgeschnitteneDateien.empty());
        // The lowest stamp read is -4 (an order's m_n48) in version 5, else -3 (a sub-category).
        EXPECT_EQ(version > 4 ? -4 : -3, gelesen.m_nLoeschNr);

        gelesen.m_nHeute = 20090310;
        gelesen.m_nJetzt = 1745;
        ASSERT_EQ(0, gelesen.SpeichereEinstellungen());
        Inhalt neu = inhalt;
        neu.nVersion = 5;
        neu.nSprache = kDeutsch;
        EXPECT_EQ(Einstellungsdatei(neu).Daten(), ordner.Lies(kDatei));
    }
}

// The header values and the number of records of every kind: categories/sub-categories,
// families/members/accounts, orders/fixed dates, external accounts, combinations.
std::string Stand(const CBasis& b)
{
    int ukat = 0, pers = 0, konto = 0, termin = 0;
    for (const auto& k : b.m_arrKategorien)
        ukat += static_cast<int>(k->m_arrUKategorien.size());
    for (const auto& f : b.m_arrFamilien) {
        for (const auto& p : f->m_arrPersonen) {
            ++pers;
            konto += static_cast<int>(p->m_arrKonten.size());
        }
    }
    for (const auto& a : b.m_arrDauerAuftraege)
        termin += static_cast<int>(a->m_arrTermine.size());
    return Format("tips=%d aufruf=%d erste=%s pw=%s farbe=%06X zaehler=%d kat=%zu/%d fam=%zu/%d/%d auftr=%zu/%d "
                  "ziel=%zu vorl=%zu",
                  b.m_bTooltips, b.m_nLetzterAufruf, b.m_strErsteDatei.c_str(), b.m_strPasswort.c_str(), b.m_aFarben[5],
                  b.m_nZaehler, b.m_arrKategorien.size(), ukat, b.m_arrFamilien.size(), pers, konto,
                  b.m_arrDauerAuftraege.size(), termin, b.m_arrZielKonten.size(), b.m_arrVorlagen.size());
}

TEST(Einstellungen, AbschneidenAnJedemByteBehaeltDasGelesene)
{
    const Bytes datei = Einstellungsdatei({});
    TempOrdner ordner;
    for (size_t laenge = 0; laenge <= datei.Groesse(); ++laenge) {
        ordner.Schreibe(kDatei, datei.Daten().substr(0, laenge));
        CBasis b;
        b.m_strPfad = ordner.Pfad();
        ASSERT_EQ(0, b.LadeEinstellungen()) << laenge;

        const auto bis = [&](const char* art) { return datei.VollstaendigBis(art, laenge); };
        const std::string soll = Format(
            "tips=%d aufruf=%d erste=%s pw=%s farbe=%06X zaehler=%d kat=%d/%d fam=%d/%d/%d auftr=%d/%d "
            "ziel=%d vorl=%d",
            bis("tips") ? 0 : 1, bis("aufruf") ? 20090310 : 0, bis("erste") ? "M\xFClle_200811.vlm" : "",
            bis("passwort") ? "geheim" : "", bis("farben") ? 0x445566 : 0, bis("zaehler") ? 42 : 0, bis("kat"),
            bis("ukat"), bis("fam"), bis("pers"), bis("konto"), bis("auftr"), bis("termin"), bis("ziel"), bis("vorl"));
        EXPECT_EQ(soll, Stand(b)) << "cut at " << laenge;
        const auto gemeldet =
            laenge < datei.Groesse() ? std::vector<std::string>{ordner.Datei(kDatei)} : std::vector<std::string>{};
        EXPECT_EQ(gemeldet, b.m_abgeschnitteneDateien) << "cut at " << laenge;
        if (HasFailure())
            break;
    }
}

// Corrupt counts and lengths: the reader keeps what is sound, stops at the end of the bytes and never
// sizes memory from a number the file cannot back.
TEST(Einstellungen, KaputteZahlenUndLaengen)
{
    struct Fall
    {
        const char* szName;
        std::function<void(Bytes&)> baue;
        bool bAbgeschnitten;
        std::string strStand;
    };
    constexpr int kRiesig = 0x7FFFFFFF;
    const std::string kopf = "tips=0 aufruf=20090310 erste=M\xFClle_200811.vlm pw= farbe=445566 zaehler=42 ";
    const Fall faelle[] = {
        {"header cut inside the version", [](Bytes& b) { b.I32(1).I32(0).Nullen(2); }, true,
         "tips=1 aufruf=0 erste= pw= farbe=000000 zaehler=0 kat=0/0 fam=0/0/0 auftr=0/0 ziel=0 vorl=0"},
        {"huge string length",
         [](Bytes& b) { b.I32(0).I32(0).I32(5).I32(0).I32(0).I32(0).I32(20090310).I32(0).I32(kRiesig); }, true,
         "tips=0 aufruf=20090310 erste= pw= farbe=000000 zaehler=0 kat=0/0 fam=0/0/0 auftr=0/0 ziel=0 vorl=0"},
        {"negative string length reads as empty",
         [](Bytes& b) {
             b.I32(0).I32(0).I32(5).I32(0).I32(0).I32(0).I32(20090310).I32(0).I32(-5).Str("").Str("geheim");
             b.Nullen(6 * 4).I32(0).I32(42).Nullen(15 * 8).I32(0).I32(0).I32(0);
         },
         false,
         "tips=0 aufruf=20090310 erste= pw=geheim farbe=000000 zaehler=42 kat=0/0 fam=0/0/0 auftr=0/0 ziel=0 vorl=0"},
        {"huge category count", [](Bytes& b) { Kopf(b, kRiesig, 0, 5, 0, "").I32(0).I32(0).I32(0); }, true,
         kopf + "kat=0/0 fam=0/0/0 auftr=0/0 ziel=0 vorl=0"},
        {"negative category count skips the section",
         [](Bytes& b) { Kopf(b, -1, 1, 5, 0, "").Str("Meier").I32(0).I32(0).I32(0).I32(0); }, false,
         kopf + "kat=0/0 fam=1/0/0 auftr=0/0 ziel=0 vorl=0"},
        {"huge sub-category count",
         [](Bytes& b) { Kopf(b, 1, 0, 5, 0, "").Str("Wohnen").Nullen(16).I32(kRiesig).Str("Miete").Nullen(16); }, true,
         kopf + "kat=1/1 fam=0/0/0 auftr=0/0 ziel=0 vorl=0"},
        {"huge member and account counts",
         [](Bytes& b) { Kopf(b, 0, 1, 5, 0, "").Str("Meier").I32(kRiesig).Str("Anna").Nullen(12).I32(kRiesig); }, true,
         kopf + "kat=0/0 fam=1/1/0 auftr=0/0 ziel=0 vorl=0"},
        {"huge order and fixed-date counts",
         [](Bytes& b) {
             Kopf(b, 0, 0, 5, 0, "").I32(kRiesig).Nullen(7 * 4 + 8 + 9 * 4).I32(kRiesig).Str(" 1.").I32(kRiesig);
         },
         true, kopf + "kat=0/0 fam=0/0/0 auftr=1/0 ziel=0 vorl=0"},
        {"huge combination count",
         [](Bytes& b) { Kopf(b, 0, 0, 5, 0, "").I32(0).I32(1).Str("Aldi").Nullen(16).I32(kRiesig); }, true,
         kopf + "kat=0/0 fam=0/0/0 auftr=0/0 ziel=1 vorl=0"},
    };
    for (const auto& fall : faelle) {
        TempOrdner ordner;
        Bytes bytes;
        fall.baue(bytes);
        ordner.Schreibe(kDatei, bytes.Daten());
        CBasis b;
        b.m_strPfad = ordner.Pfad();
        SetzeAllokationZurueck();
        const int ergebnis = b.LadeEinstellungen();
        const size_t groesste = GroessteAllokation();
        EXPECT_EQ(0, ergebnis) << fall.szName;
        EXPECT_LT(groesste, 4096u) << fall.szName;
        EXPECT_EQ(fall.bAbgeschnitten, !b.m_abgeschnitteneDateien.empty()) << fall.szName;
        EXPECT_EQ(fall.strStand, Stand(b)) << fall.szName;
    }
}

// The German file wins; the language follows the file found; saving writes the file of the language.
TEST(Einstellungen, DieSpracheWaehltDieDatei)
{
    struct Fall
    {
        bool bDeutsch, bEnglisch;
        int nErgebnis, nSprache;
        const char* szFamilie;
    };
    const Fall faelle[] = {
        {false, false, -1, 0, ""},
        {false, true, 0, kEnglisch, "Smith"},
        {true, false, 0, kDeutsch, "Meier"},
        {true, true, 0, kDeutsch, "Meier"},
    };
    for (const auto& fall : faelle) {
        TempOrdner ordner;
        const auto schreibe = [&](const char* datei, const char* familie) {
            Bytes b;
            Kopf(b, 0, 1, 5, kDeutsch, "").Str(familie).I32(0).I32(0).I32(0).I32(0);
            ordner.Schreibe(datei, b.Daten());
        };
        if (fall.bDeutsch)
            schreibe("VLMBasic_D.ini", "Meier");
        if (fall.bEnglisch)
            schreibe("VLMBasic_E.ini", "Smith");
        const auto vorher = ordner.Inhalt();

        CBasis b;
        b.m_strPfad = ordner.Pfad();
        EXPECT_EQ(fall.nErgebnis, b.LadeEinstellungen());
        EXPECT_EQ(fall.nSprache, b.m_nSprache);
        EXPECT_EQ(fall.szFamilie, b.m_arrFamilien.empty() ? "" : b.m_arrFamilien[0]->m_strName);
        EXPECT_EQ(vorher, ordner.Inhalt());
    }

    for (const auto& [sprache, datei] : {std::pair{kDeutsch, "VLMBasic_D.ini"}, std::pair{kEnglisch, "VLMBasic_E.ini"},
                                         std::pair{0, "VLMBasic_E.ini"}}) {
        TempOrdner ordner;
        CBasis b;
        NeueFamilie(b, "Meier");
        b.m_strPfad = ordner.Pfad();
        b.m_nSprache = sprache;
        ASSERT_EQ(0, b.SpeichereEinstellungen());
        EXPECT_EQ(std::vector<std::string>{datei}, ordner.Inhalt());
    }
}

// The stored file names follow the family prefix (the first five characters of the family name); the
// first month is the number after the underscore.
TEST(Einstellungen, DateinamenFolgenDemFamiliennamen)
{
    struct Fall
    {
        const char* szFamilie;
        const char* szVorher;
        const char* szNachher;
        int nErsterMonat;
    };
    const Fall faelle[] = {
        {"Schmidt", "Muste_200811.vlm", "Schmi_200811.vlm", 200811},
        {"Muster", "Muste_200811.vlm", "Muste_200811.vlm", 200811},
        {"Meier", "Muste_200811.vlm", "Meier_200811.vlm", 200811},
        {"Li", "Muste_200811.vlm", "Li_200811.vlm", 200811},
        {"Schmidt", "Muste_2008.vlm", "Schmi_2008.v.vlm", 2008},
        {"Schmidt", "", "", 0},
        {"Schmidt", "ohne-Strich.vlm", "ohne-Strich.vlm", 0},
    };
    for (const auto& fall : faelle) {
        SCOPED_TRACE(fall.szFamilie + std::string(" ") + fall.szVorher);
        TempOrdner ordner;
        CBasis b;
        NeueFamilie(b, fall.szFamilie);
        b.m_strPfad = ordner.Pfad();
        b.m_strErsteDatei = fall.szVorher;
        b.m_strLetzteDatei = fall.szVorher;
        ASSERT_EQ(0, b.SpeichereEinstellungen());

        CBasis gelesen;
        gelesen.m_strPfad = ordner.Pfad();
        ASSERT_EQ(0, gelesen.LadeEinstellungen());
        EXPECT_EQ(fall.szNachher, gelesen.m_strErsteDatei);
        EXPECT_EQ(fall.szNachher, gelesen.m_strLetzteDatei);
        EXPECT_EQ(fall.nErsterMonat, gelesen.m_nErsterMonat);
    }
}

TEST(Einstellungen, SchreibfehlerMeldenMinusEins)
{
    TempOrdner ordner;
    ordner.Schreibe("datei", "kein Ordner");
    for (const std::string& pfad : {ordner.Datei("datei"), ordner.Datei("datei/unter"), ordner.Datei("fehlt")}) {
        CBasis b;
        FuelleBeispiel(b, {});
        b.m_strPfad = pfad;
        EXPECT_EQ(-1, b.SpeichereEinstellungen()) << pfad;
    }
    EXPECT_EQ(std::vector<std::string>{"datei"}, ordner.Inhalt());
    EXPECT_EQ("kein Ordner", ordner.Lies("datei"));
}

// A save that breaks off (here: the file-size limit of a full disk) leaves the old file as it was and no
// temporary file behind.
TEST(Einstellungen, AbgebrochenesSpeichernLaesstDieAlteDateiStehen)
{
    TempOrdner ordner;
    CBasis b;
    FuelleBeispiel(b, {});
    b.m_strPfad = ordner.Pfad();
    ASSERT_EQ(0, b.SpeichereEinstellungen());
    const std::string alt = ordner.Lies(kDatei);

    for (int i = 0; i < 100; ++i)
        NeuesZielKonto(b, Format("Empf\xE4nger %d", i));
    const long grenze = static_cast<long>(alt.size()) + 64;
    EXPECT_EQ(-1, MitDateiGrenze(grenze, [&] { return b.SpeichereEinstellungen(); }));
    EXPECT_EQ(alt, ordner.Lies(kDatei));
    EXPECT_EQ(std::vector<std::string>{kDatei}, ordner.Inhalt());

    EXPECT_EQ(0, b.SpeichereEinstellungen());
    EXPECT_GT(ordner.Lies(kDatei).size(), alt.size() + 1000);
}

} // namespace
} // namespace velmora::test
