#include "Generator.h"
#include "Auftragsentwurf.h"
#include "Basis.h"
#include "Binaer.h"
#include "Start.h"
#include "TempOrdner.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <set>

namespace velmora {
namespace {

constexpr int kHeute = 20261208;

Haushaltsparameter Parameter(unsigned seed, bool englisch = false)
{
    Haushaltsparameter p;
    p.nJahre = 2;
    p.nHeute = kHeute;
    p.nSeed = seed;
    p.bEnglisch = englisch;
    return p;
}

std::map<std::string, std::string> Dateien(const std::string& ordner)
{
    std::map<std::string, std::string> dateien;
    for (const auto& eintrag : std::filesystem::directory_iterator(ordner)) {
        std::string bytes;
        LeseDatei(eintrag.path().string(), bytes);
        dateien[eintrag.path().filename().string()] = bytes;
    }
    return dateien;
}

// The household as the program finds it: settings and every month read back from the files.
class GeneratorTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        s_temp = new TempOrdner("velmora-generator-test");
        std::string fehler;
        ASSERT_EQ(0, ErzeugeHaushalt(s_temp->Unterordner("haushalt"), Parameter(5), fehler)) << fehler;
    }
    static void TearDownTestSuite()
    {
        delete s_temp;
        s_temp = nullptr;
    }

    void SetUp() override
    {
        m_basis.m_strPfad = Ordner();
        ASSERT_EQ(0, m_basis.LadeEinstellungen());
        m_basis.m_nHeute = kHeute;
        m_basis.LadeAlleMonate();
    }

    static std::string Ordner() { return s_temp->Unterordner("haushalt"); }

    CBasis m_basis;
    static TempOrdner* s_temp;
};

TempOrdner* GeneratorTest::s_temp = nullptr;

TEST_F(GeneratorTest, HatDieGroesseEinesEchtenHaushalts)
{
    const CBasis& b = m_basis;
    ASSERT_EQ(1u, b.m_arrFamilien.size());
    EXPECT_EQ("M\xFCller", b.m_arrFamilien[0]->m_strName);
    EXPECT_EQ(kDeutsch, b.m_nSprache);
    const auto& personen = b.m_arrFamilien[0]->m_arrPersonen;
    ASSERT_EQ(4u, personen.size());
    size_t konten = 0;
    for (const auto& p : personen) {
        ASSERT_FALSE(p->m_arrKonten.empty());
        EXPECT_EQ("Bar", p->m_arrKonten[0]->m_strName) << p->m_strName;
        konten += p->m_arrKonten.size();
    }
    EXPECT_EQ(10u, konten);
    EXPECT_EQ(60u, b.m_arrZielKonten.size());
    EXPECT_EQ(30u, b.m_arrKategorien.size());
    EXPECT_EQ(40u, b.m_arrDauerAuftraege.size());
    EXPECT_EQ(24u, b.m_arrLoadedFiles.size());
    EXPECT_EQ(202501, b.m_nErsterMonat);
    EXPECT_EQ(kHeute, b.m_nLetzterAufruf);

    // About 400 transactions in every full month, dated inside the generated period.
    std::map<int, int> proMonat;
    for (const auto& t : b.m_arrInOut) {
        EXPECT_GE(t->m_nDatum, 20250101);
        EXPECT_LE(t->m_nDatum, kHeute);
        proMonat[t->m_nDatum / 100] += 1;
    }
    for (const auto& [monat, anzahl] : proMonat) {
        if (monat == kHeute / 100)
            continue;
        EXPECT_GT(anzahl, 330) << monat;
        EXPECT_LT(anzahl, 470) << monat;
    }
}

TEST_F(GeneratorTest, EnthaeltGeloeschtesUndDauerauftragsbuchungen)
{
    const CBasis& b = m_basis;
    int geloeschteBuchungen = 0, auftragsBuchungen = 0;
    std::set<int> stempel;
    for (const auto& t : b.m_arrInOut) {
        if (t->m_nStatus < 0) {
            ++geloeschteBuchungen;
            EXPECT_TRUE(stempel.insert(t->m_nStatus).second) << "stamp used twice: " << t->m_nStatus;
        }
        if (t->m_nDauerAuftragNr >= 0) {
            ++auftragsBuchungen;
            ASSERT_LT(t->m_nDauerAuftragNr, static_cast<int>(b.m_arrDauerAuftraege.size()));
            const CDauerAuftrag& a = *b.m_arrDauerAuftraege[static_cast<size_t>(t->m_nDauerAuftragNr)];
            EXPECT_EQ(a.m_strEmpfaenger, t->m_strEmpfaenger);
            EXPECT_EQ(a.m_dBetrag, t->m_dBetrag);
        }
    }
    EXPECT_GE(geloeschteBuchungen, 2);
    EXPECT_GT(auftragsBuchungen, 24 * 30);

    int geloeschteAuftraege = 0, inaktiveAuftraege = 0, feste = 0, woechentliche = 0;
    for (const auto& a : b.m_arrDauerAuftraege) {
        geloeschteAuftraege += a->m_n48 < 0;
        inaktiveAuftraege += a->m_nStatus == 0;
        feste += a->m_nZyklus == 0 && !a->m_arrTermine.empty();
        woechentliche += a->m_nZyklus > 50;
    }
    EXPECT_EQ(1, geloeschteAuftraege);
    EXPECT_EQ(1, inaktiveAuftraege);
    EXPECT_GE(feste, 5);
    EXPECT_GE(woechentliche, 3);

    int geloeschteZiele = 0, geloeschteUnter = 0;
    for (const auto& z : b.m_arrZielKonten)
        geloeschteZiele += z->m_bGebucht < 0;
    for (const auto& k : b.m_arrKategorien) {
        for (const auto& u : k->m_arrUKategorien)
            geloeschteUnter += u->m_nKat0C < 0;
    }
    EXPECT_EQ(1, geloeschteZiele);
    EXPECT_EQ(1, geloeschteUnter);
}

// What the files hold must add up: balances are the opening amounts plus the active bookings, every
// transaction's kind follows from its sides, and every usage counter counts the transactions naming it.
TEST_F(GeneratorTest, StaendeUndZaehlerPassenZuDenBuchungen)
{
    CBasis& b = m_basis;
    std::map<std::string, double> staende;
    for (const auto& [konto, start] : Anfangsstaende(false))
        staende[konto] = start;
    std::map<std::string, int> zielZaehler, katZaehler, unterZaehler;
    for (const auto& t : b.m_arrInOut) {
        const int zahlerEigen = b.IstEigenesKonto(t->m_strAuftraggeber);
        const int empfaengerEigen = b.IstEigenesKonto(t->m_strEmpfaenger);
        ASSERT_TRUE(zahlerEigen || empfaengerEigen) << t->m_strAuftraggeber << " -> " << t->m_strEmpfaenger;
        EXPECT_EQ(zahlerEigen && empfaengerEigen ? 2 : (zahlerEigen ? 1 : 0), t->m_nArt) << t->m_nIndex;
        if (!zahlerEigen)
            zielZaehler[t->m_strAuftraggeber] += 1;
        if (!empfaengerEigen)
            zielZaehler[t->m_strEmpfaenger] += 1;
        katZaehler[t->m_strKategorie] += 1;
        unterZaehler[t->m_strKategorie + "/" + t->m_strUKategorie] += 1;
        if (t->m_nStatus <= 0)
            continue;
        if (zahlerEigen)
            staende[t->m_strAuftraggeber] -= t->m_dBetrag;
        if (empfaengerEigen)
            staende[t->m_strEmpfaenger] += t->m_dBetrag;
    }
    ASSERT_EQ(10u, staende.size());
    for (const auto& p : b.m_arrFamilien[0]->m_arrPersonen) {
        for (const auto& k : p->m_arrKonten)
            EXPECT_NEAR(staende[p->m_strName + ", " + k->m_strName], k->m_dStand, 1e-6) << p->m_strName;
    }
    for (const auto& z : b.m_arrZielKonten)
        EXPECT_EQ(zielZaehler[z->m_strName], z->m_nAnzahl) << z->m_strName;
    for (const auto& k : b.m_arrKategorien) {
        EXPECT_EQ(katZaehler[k->m_strName], k->m_nAnzahl) << k->m_strName;
        EXPECT_EQ(k->m_nAnzahl > 0 ? 1 : 0, k->m_bBenutzt) << k->m_strName;
        for (const auto& u : k->m_arrUKategorien)
            EXPECT_EQ(unterZaehler[k->m_strName + "/" + u->m_strName], u->m_nAnzahl) << u->m_strName;
    }
    EXPECT_EQ(static_cast<int>(b.m_arrInOut.size()), b.m_nZaehler);
}

TEST_F(GeneratorTest, VorlagenMerkenDieLetzteBuchungJeEmpfaenger)
{
    std::map<std::string, const CInOut*> letzte;
    for (const auto& t : m_basis.m_arrInOut) {
        if (t->m_nDauerAuftragNr < 0)
            letzte[t->m_strEmpfaenger] = t.get();
    }
    ASSERT_EQ(letzte.size(), m_basis.m_arrVorlagen.size());
    for (const auto& v : m_basis.m_arrVorlagen) {
        const CInOut* t = letzte[v->m_strEmpfaenger];
        ASSERT_NE(nullptr, t) << v->m_strEmpfaenger;
        EXPECT_EQ(t->m_strNutzniesser, v->m_strNutzniesser) << v->m_strEmpfaenger;
        EXPECT_EQ(t->m_strKategorie, v->m_strKategorie) << v->m_strEmpfaenger;
        EXPECT_EQ(t->m_strUKategorie, v->m_strUKategorie) << v->m_strEmpfaenger;
    }
}

// The files leave the program where the generating run left it: a start on the same day books nothing,
// a start ten days later books only the days after it.
TEST_F(GeneratorTest, StartDanachHoltNurNeueTageNach)
{
    for (const int heute : {kHeute, kHeute + 10}) {
        CBasis b;
        b.m_uhr = FesteUhr(heute, 800);
        StarteDaten(b, Ordner());
        b.LadeAlleMonate();
        std::set<std::pair<int, int>> gesehen;
        int neu = 0;
        for (const auto& t : b.m_arrInOut) {
            if (t->m_nDauerAuftragNr < 0)
                continue;
            EXPECT_TRUE(gesehen.emplace(t->m_nDauerAuftragNr, t->m_nDatum).second)
                << "order " << t->m_nDauerAuftragNr << " twice on " << t->m_nDatum;
            neu += t->m_nDatum > kHeute;
        }
        EXPECT_EQ(static_cast<int>(b.m_arrInOut.size()), b.m_nZaehler) << heute;
        if (heute == kHeute)
            EXPECT_EQ(0, neu);
        else
            EXPECT_GT(neu, 0);
    }
}

TEST(Generator, GleicheParameterGebenGleicheDateien)
{
    TempOrdner temp("velmora-generator-test");
    std::string fehler;
    ASSERT_EQ(0, ErzeugeHaushalt(temp.Unterordner("a"), Parameter(7), fehler)) << fehler;
    ASSERT_EQ(0, ErzeugeHaushalt(temp.Unterordner("b"), Parameter(7), fehler)) << fehler;
    ASSERT_EQ(0, ErzeugeHaushalt(temp.Unterordner("c"), Parameter(8), fehler)) << fehler;
    const auto a = Dateien(temp.Unterordner("a"));
    EXPECT_EQ(25u, a.size());
    EXPECT_TRUE(a == Dateien(temp.Unterordner("b")));
    const auto c = Dateien(temp.Unterordner("c"));
    EXPECT_EQ(25u, c.size());
    EXPECT_NE(a.at("M\xC3\xBClle_202603.vlm"), c.at("M\xC3\xBClle_202603.vlm"));
}

// What is written is what was built: the store in memory and the one read back from the files agree.
TEST(Generator, DateienGebenDenGebautenHaushaltWieder)
{
    TempOrdner temp("velmora-generator-test");
    std::string fehler;
    ASSERT_EQ(0, ErzeugeHaushalt(temp.Unterordner("geschrieben"), Parameter(3, true), fehler)) << fehler;
    CBasis gebaut;
    gebaut.m_strPfad = temp.Unterordner("leer");
    BaueHaushalt(gebaut, Parameter(3, true));
    CBasis gelesen;
    gelesen.m_strPfad = temp.Unterordner("geschrieben");
    ASSERT_EQ(0, gelesen.LadeEinstellungen());
    EXPECT_EQ(kEnglisch, gelesen.m_nSprache);
    gelesen.m_nHeute = kHeute;
    gelesen.LadeAlleMonate();

    ASSERT_EQ(gebaut.m_arrInOut.size(), gelesen.m_arrInOut.size());
    for (size_t i = 0; i < gebaut.m_arrInOut.size(); ++i) {
        const CInOut& g = *gebaut.m_arrInOut[i];
        const CInOut& l = *gelesen.m_arrInOut[i];
        ASSERT_EQ(g.m_strAuftraggeber, l.m_strAuftraggeber) << i;
        ASSERT_EQ(g.m_strEmpfaenger, l.m_strEmpfaenger) << i;
        ASSERT_EQ(g.m_strNutzniesser, l.m_strNutzniesser) << i;
        ASSERT_EQ(g.m_strKategorie + "/" + g.m_strUKategorie, l.m_strKategorie + "/" + l.m_strUKategorie) << i;
        ASSERT_EQ(g.m_strKommentar, l.m_strKommentar) << i;
        ASSERT_EQ(g.m_dBetrag, l.m_dBetrag) << i;
        ASSERT_EQ(g.m_nDatum, l.m_nDatum) << i;
        ASSERT_EQ(g.m_nArt, l.m_nArt) << i;
        ASSERT_EQ(g.m_nStatus, l.m_nStatus) << i;
        ASSERT_EQ(g.m_nDauerAuftragNr, l.m_nDauerAuftragNr) << i;
    }
    const auto& gp = gebaut.m_arrFamilien[0]->m_arrPersonen;
    const auto& lp = gelesen.m_arrFamilien[0]->m_arrPersonen;
    ASSERT_EQ(gp.size(), lp.size());
    for (size_t p = 0; p < gp.size(); ++p) {
        ASSERT_EQ(gp[p]->m_arrKonten.size(), lp[p]->m_arrKonten.size());
        for (size_t k = 0; k < gp[p]->m_arrKonten.size(); ++k) {
            EXPECT_EQ(gp[p]->m_arrKonten[k]->m_dStand, lp[p]->m_arrKonten[k]->m_dStand);
            EXPECT_EQ(gp[p]->m_arrKonten[k]->m_nAnzahl, lp[p]->m_arrKonten[k]->m_nAnzahl);
        }
    }
    EXPECT_EQ(gebaut.m_nZaehler, gelesen.m_nZaehler);
    EXPECT_EQ(gebaut.m_arrVorlagen.size(), gelesen.m_arrVorlagen.size());
}

// Asked for more standing orders than its own, the household gets further ones after their pattern, each
// with a number of its own and its bookings.
TEST(Generator, WeitereDauerauftraege)
{
    CBasis basis;
    Haushaltsparameter p = Parameter(3);
    p.nJahre = 1;
    p.nEingabenProMonat = 0;
    p.nDauerAuftraege = 100;
    BaueHaushalt(basis, p);
    ASSERT_EQ(100u, basis.m_arrDauerAuftraege.size());
    std::set<int> nummern;
    for (const auto& a : basis.m_arrDauerAuftraege)
        nummern.insert(a->m_nNr);
    EXPECT_EQ(100u, nummern.size());
    const CDauerAuftrag& letzter = *basis.m_arrDauerAuftraege.back();
    EXPECT_EQ("Auftrag 100", letzter.m_strKommentar);
    EXPECT_EQ(ZyklusBeschreibung(letzter.m_nZyklus, true), letzter.m_strZyklus);
    std::set<int> gebucht;
    for (const auto& t : basis.m_arrInOut)
        gebucht.insert(t->m_nDauerAuftragNr);
    EXPECT_GT(gebucht.size(), 80u);
    p.nDauerAuftraege = 10001;
    EXPECT_NE("", PruefeParameter(p));
}

TEST(Generator, VerweigertUngueltigesUndBewohnteOrdner)
{
    TempOrdner temp("velmora-generator-test");
    std::string fehler;
    Haushaltsparameter ohneDatum;
    EXPECT_EQ(-1, ErzeugeHaushalt(temp.Unterordner("a"), ohneDatum, fehler));
    EXPECT_NE("", fehler);
    Haushaltsparameter p = Parameter(1);
    p.nJahre = 0;
    EXPECT_EQ(-1, ErzeugeHaushalt(temp.Unterordner("a"), p, fehler));
    EXPECT_TRUE(std::filesystem::is_empty(temp.Unterordner("a")));

    p.nJahre = 1;
    ASSERT_EQ(0, ErzeugeHaushalt(temp.Unterordner("a"), p, fehler)) << fehler;
    const auto vorher = Dateien(temp.Unterordner("a"));
    EXPECT_EQ(-1, ErzeugeHaushalt(temp.Unterordner("a"), Parameter(2), fehler));
    EXPECT_NE(std::string::npos, fehler.find("already holds a household")) << fehler;
    EXPECT_TRUE(vorher == Dateien(temp.Unterordner("a")));
}

} // namespace
} // namespace velmora
