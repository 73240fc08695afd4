// Runs velmora-cli itself on a generated household and checks what it prints.

#include "Basis.h"
#include "Buchsperre.h"
#include "Json.h"
#include "Tabellenexport.h"
#include "TempOrdner.h"
#include "Text.h"
#include "Uebersicht.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <map>
#include <spawn.h>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace velmora {
namespace {

constexpr const char* kHeute = "20261208";

struct Lauf
{
    int status = -1;
    std::string aus;
    std::string fehler;
};

std::string Inhalt(const std::string& pfad)
{
    std::ifstream datei(pfad, std::ios::binary);
    std::ostringstream inhalt;
    inhalt << datei.rdbuf();
    return inhalt.str();
}

std::vector<std::string> Teile(const std::string& text, char trenner)
{
    std::vector<std::string> teile;
    std::string teil;
    std::istringstream strom(text);
    while (std::getline(strom, teil, trenner))
        teile.push_back(teil);
    return teile;
}

class CliTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        s_temp = new TempOrdner("velmora-cli-test");
        const Lauf lauf = Starte({"generate", Haushalt(), "--years", "2", "--seed", "11", "--today", kHeute});
        ASSERT_EQ(0, lauf.status) << lauf.fehler;
        EXPECT_EQ("", lauf.aus);
    }
    static void TearDownTestSuite()
    {
        delete s_temp;
        s_temp = nullptr;
    }

    static std::string Haushalt() { return s_temp->Unterordner("haushalt"); }

    // Runs the tool with the arguments; its output goes through files so that nothing can block.
    static Lauf Starte(const std::vector<std::string>& argumente)
    {
        const std::string aus = s_temp->Pfad() + "/stdout";
        const std::string fehler = s_temp->Pfad() + "/stderr";
        std::vector<std::string> alle = {VELMORA_CLI};
        alle.insert(alle.end(), argumente.begin(), argumente.end());
        std::vector<char*> argv;
        for (std::string& a : alle)
            argv.push_back(a.data());
        argv.push_back(nullptr);
        posix_spawn_file_actions_t umleitung;
        posix_spawn_file_actions_init(&umleitung);
        posix_spawn_file_actions_addopen(&umleitung, 1, aus.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        posix_spawn_file_actions_addopen(&umleitung, 2, fehler.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        pid_t pid = 0;
        Lauf lauf;
        const int start = posix_spawn(&pid, VELMORA_CLI, &umleitung, nullptr, argv.data(), environ);
        posix_spawn_file_actions_destroy(&umleitung);
        int status = 0;
        if (start != 0 || waitpid(pid, &status, 0) != pid || !WIFEXITED(status))
            return lauf;
        lauf.status = WEXITSTATUS(status);
        lauf.aus = Inhalt(aus);
        lauf.fehler = Inhalt(fehler);
        return lauf;
    }

    static Json JsonVon(const std::vector<std::string>& argumente)
    {
        const Lauf lauf = Starte(argumente);
        EXPECT_EQ(0, lauf.status) << lauf.fehler;
        EXPECT_EQ("", lauf.fehler);
        return lauf.status == 0 ? Json::parse(lauf.aus) : Json();
    }

    // The rows of a listing, each split into its cells; the totals line is kept apart.
    static std::vector<std::vector<std::string>> Zeilen(const std::vector<std::string>& argumente, std::string& summen)
    {
        const Lauf lauf = Starte(argumente);
        EXPECT_EQ(0, lauf.status) << lauf.fehler;
        std::vector<std::vector<std::string>> zeilen;
        for (const std::string& zeile : Teile(lauf.aus, '\n'))
            zeilen.push_back(Teile(zeile, '\t'));
        if (zeilen.empty())
            return zeilen;
        summen = lauf.aus.substr(lauf.aus.rfind("totals"));
        zeilen.pop_back();
        return zeilen;
    }

    static TempOrdner* s_temp;
};

TempOrdner* CliTest::s_temp = nullptr;

// import: the statement's account named once, then known by its IBAN; the second import of the same
// file books nothing; a file that cannot be read is named, and then nothing is booked.
TEST_F(CliTest, ImportBuchtEinmalUndMerktSichDasKonto)
{
    const std::string ordner = s_temp->Unterordner("import");
    ASSERT_EQ(0, Starte({"generate", ordner, "--years", "1", "--seed", "3", "--today", kHeute}).status);
    const std::string datei = s_temp->Pfad() + "/auszug.csv";
    std::ofstream(datei, std::ios::binary) << "IBAN;DE11520513735120710131\n\nBuchungstag;Empf\xe4nger;Betrag\n"
                                              "01.12.2026;B\xe4"
                                              "ckerei Sch\xe4"
                                              "fer Filiale 3;-4,20\n"
                                              "02.12.2026;Neuer Laden;-9,99\n";
    const std::string kaputt = s_temp->Pfad() + "/kaputt.csv";
    std::ofstream(kaputt) << "Buchungstag;Name;Betrag\n01.12.2026;A;viel\n";
    const int vorher = JsonVon({"dump", ordner, "--today", kHeute})["m_nZaehler"];

    const Lauf ohneKonto = Starte({"import", ordner, datei, "--today", kHeute});
    EXPECT_EQ(1, ohneKonto.status);
    EXPECT_NE(std::string::npos, ohneKonto.fehler.find("(DE11520513735120710131)? Name it with --account"));
    EXPECT_EQ("{\"proposals\":[],\"pending\":0}\n", ohneKonto.aus);

    const Json erst = JsonVon({"import", ordner, datei, "--account", "J\u00fcrgen, Giro-Konto", "--today", kHeute,
                               "--tolerance", "0", "--save"});
    ASSERT_EQ(2u, erst["proposals"].size());
    std::vector<std::string> schluessel;
    for (const auto& [name, wert] : erst["proposals"][0].items())
        schluessel.push_back(name);
    EXPECT_EQ(
        (std::vector<std::string>{"m_nDatum", "m_dBetrag", "m_strAuftraggeber", "m_strEmpfaenger", "m_strNutzniesser",
                                  "m_strKategorie", "m_strUKategorie", "m_strKommentar", "duplicate", "rule"}),
        schluessel);
    EXPECT_EQ(20261201, erst["proposals"][0]["m_nDatum"]);
    EXPECT_EQ(4.2, erst["proposals"][0]["m_dBetrag"]);
    EXPECT_EQ("B\u00e4ckerei Sch\u00e4fer", erst["proposals"][0]["m_strEmpfaenger"]);
    EXPECT_NE("", erst["proposals"][0]["m_strKategorie"]);
    EXPECT_EQ("", erst["proposals"][1]["m_strKategorie"]);
    EXPECT_EQ(vorher + 1, JsonVon({"dump", ordner, "--today", kHeute})["m_nZaehler"]);

    // Unknown columns are named on the command line once; the memory keeps them.
    const std::string fremd = s_temp->Pfad() + "/fremd.csv";
    std::ofstream(fremd) << "Tag;Wer;Wieviel\n03.12.2026;Kiosk am Bahnhof;-1,50\n";
    EXPECT_EQ(1, Starte({"import", ordner, fremd, "--today", kHeute, "--account", "Lena, Bar"}).status);
    EXPECT_EQ(2, Starte({"import", ordner, fremd, "--today", kHeute, "--columns", "date=1,name=2"}).status);
    EXPECT_EQ(1u, JsonVon({"import", ordner, fremd, "--today", kHeute, "--account", "Lena, Bar", "--columns",
                           "date=1,name=2,amount=3", "--save"})["proposals"]
                      .size());
    EXPECT_EQ(1u, JsonVon({"import", ordner, fremd, "--today", kHeute})["proposals"].size());

    const Lauf wieder = Starte({"import", ordner, datei, kaputt, "--today", kHeute, "--save"});
    EXPECT_EQ(1, wieder.status);
    EXPECT_EQ("velmora-cli: " + kaputt +
                  ", line 2: The amount \"viel\" is not a number.\n"
                  "velmora-cli: nothing is booked or saved\n",
              wieder.fehler);
    const Json zweit = Json::parse(wieder.aus);
    ASSERT_EQ(2u, zweit["proposals"].size());
    EXPECT_TRUE(zweit["proposals"][0]["duplicate"].get<bool>());
    EXPECT_FALSE(zweit["proposals"][1]["duplicate"].get<bool>());
    EXPECT_EQ(vorher + 2, JsonVon({"dump", ordner, "--today", kHeute})["m_nZaehler"]);
}

// rules: kept in order, tried against the book and a statement, used by import, applied to the book.
TEST_F(CliTest, RegelnOrdnenTestenImportierenUndAnwenden)
{
    const std::string ordner = s_temp->Unterordner("regeln");
    ASSERT_EQ(0, Starte({"generate", ordner, "--years", "1", "--seed", "3", "--today", kHeute}).status);
    const std::string datei = s_temp->Pfad() + "/regeln.csv";
    std::ofstream(datei, std::ios::binary) << "Buchungstag;Empf\xe4nger;Betrag\n"
                                              "01.12.2026;MOBILFUNK BLAU GmbH;-19,99\n"
                                              "02.12.2026;Neuer Laden;-9,99\n";
    const std::string mobil = R"({"name_starts":"Mobilfunk Blau","category":"Freizeit"})";
    EXPECT_EQ(2, Starte({"rules", ordner, "--add", R"({"name_contains":"x","category":"Freizeit"})"}).status);
    JsonVon({"rules", ordner, "--add", R"({"name_contains":"laden","category":"Wohnen"})", "--save"});
    const Json liste = JsonVon({"rules", ordner, "--add", mobil, "--save"});
    ASSERT_EQ(2u, liste.size());
    EXPECT_EQ(R"({"name_contains":"","name_starts":"Mobilfunk Blau","name_equals":"","iban":"","purpose_contains":"",)"
              R"("sign":"","min":null,"max":null,"account":"","beneficiary":"","category":"Freizeit",)"
              R"("subcategory":"","comment":""})",
              liste[1].dump());
    EXPECT_EQ("Mobilfunk Blau", JsonVon({"rules", ordner, "--move", "1", "--to", "0", "--save"})[0]["name_starts"]);

    const Json test = JsonVon({"rules", ordner, "--test", mobil, datei, "--today", kHeute});
    EXPECT_EQ(1, test["statement_lines"]);
    ASSERT_FALSE(test["bookings"].empty());
    EXPECT_EQ("Mobilfunk Blau", test["bookings"][0]["m_strEmpfaenger"]);

    const Json import = JsonVon({"import", ordner, datei, "--account", "Lena, Bar", "--today", kHeute});
    EXPECT_EQ(0, import["proposals"][0]["rule"]);
    EXPECT_EQ("Freizeit", import["proposals"][0]["m_strKategorie"]);
    EXPECT_EQ(1, import["proposals"][1]["rule"]);

    const Json vorher = JsonVon({"rules", ordner, "--apply", "0", "--today", kHeute});
    ASSERT_EQ(test["bookings"].size(), vorher["changes"].size());
    EXPECT_EQ(0, vorher["applied"]);
    EXPECT_EQ(1, JsonVon({"rules", ordner, "--apply", "0", "--pick", "0", "--today", kHeute, "--save"})["applied"]);
    EXPECT_EQ(vorher["changes"].size() - 1,
              JsonVon({"rules", ordner, "--apply", "0", "--today", kHeute})["changes"].size());
    EXPECT_EQ(1u, JsonVon({"rules", ordner, "--delete", "0", "--save"}).size());
}

// Every file of the data folder with its bytes.
std::map<std::string, std::string> Stand(const std::string& ordner)
{
    std::map<std::string, std::string> dateien;
    for (const auto& eintrag : std::filesystem::recursive_directory_iterator(ordner)) {
        if (eintrag.is_regular_file())
            dateien[eintrag.path().string()] = Inhalt(eintrag.path().string());
    }
    return dateien;
}

// A refused import with --save changes no file of the data folder, whichever bound the file breaks.
TEST_F(CliTest, AbgelehnterImportLaesstDenOrdnerUnberuehrt)
{
    const std::string ordner = s_temp->Unterordner("abgelehnt");
    ASSERT_EQ(0, Starte({"generate", ordner, "--years", "1", "--seed", "5", "--today", kHeute}).status);
    const std::string kopf = "Buchungstag;Name;Betrag\n";
    std::string tief = "<?xml version=\"1.0\"?><Document xmlns=\"urn:iso:std:iso:20022:tech:xsd:camt.053.001.08\">";
    for (int i = 0; i < 100000; ++i)
        tief += "<a>";
    const std::vector<std::pair<std::string, std::string>> dateien = {
        {"tief.xml", tief},
        {"unendlich.csv", kopf + "01.12.2026;A;1" + std::string(308, '0') + "\n"},
        {"zukunft.csv", kopf + "01.12.2026;A;-1,00\n31.12.9999;B;-2,00\n"},
        {"utf16.csv", "\xFF\xFE" + std::string("B\0u\0\0\xD8", 6) + "x"},
        {"abgeschnitten.xml", tief.substr(0, 150)},
    };
    const std::map<std::string, std::string> vorher = Stand(ordner);
    for (const auto& [name, bytes] : dateien) {
        const std::string datei = s_temp->Pfad() + "/" + name;
        std::ofstream(datei, std::ios::binary) << bytes;
        const std::string gut = s_temp->Pfad() + "/gut.csv";
        std::ofstream(gut, std::ios::binary) << kopf << "02.12.2026;Kiosk;-1,00\n";
        const Lauf lauf =
            Starte({"import", ordner, gut, datei, "--account", "J\u00fcrgen, Giro-Konto", "--today", kHeute, "--save"});
        EXPECT_EQ(1, lauf.status) << name;
        EXPECT_NE(std::string::npos, lauf.fehler.find(datei)) << lauf.fehler;
        EXPECT_TRUE(vorher == Stand(ordner)) << name;
    }
}

// Two statements of two accounts of the same bank: the second is never booked into the first's account.
TEST_F(CliTest, ImportNieInsKontoEinerAnderenIban)
{
    const std::string ordner = s_temp->Unterordner("zwei-ibans");
    ASSERT_EQ(0, Starte({"generate", ordner, "--years", "1", "--seed", "6", "--today", kHeute}).status);
    const auto auszug = [this](const std::string& name, const std::string& iban) {
        const std::string datei = s_temp->Pfad() + "/" + name;
        std::ofstream(datei, std::ios::binary)
            << "Bezeichnung Auftragskonto;IBAN Auftragskonto;BIC Auftragskonto;Bankname Auftragskonto;Buchungstag;"
               "Valutadatum;Name Zahlungsbeteiligter;IBAN Zahlungsbeteiligter;BIC (SWIFT-Code) Zahlungsbeteiligter;"
               "Buchungstext;Verwendungszweck;Betrag;Waehrung\n"
               "Girokonto;" +
                   iban + ";GENODEF1XXX;Volksbank eG;03.12.2026;03.12.2026;Kiosk;;;Lastschrift;Zeitung;-1,50;EUR\n";
        return datei;
    };
    const std::string erstes = auszug("vr-1.csv", "DE11520513735120710131");
    const std::string zweites = auszug("vr-2.csv", "DE22520513735120710132");
    const Lauf beide = Starte(
        {"import", ordner, erstes, zweites, "--account", "J\u00fcrgen, Giro-Konto", "--today", kHeute, "--save"});
    EXPECT_EQ(1, beide.status);
    EXPECT_NE(std::string::npos,
              beide.fehler.find(zweites + ": this statement is of DE22520513735120710132, but "
                                          "\"J\u00fcrgen, Giro-Konto\" is the account of DE11520513735120710131"))
        << beide.fehler;
    ASSERT_EQ(
        0,
        Starte({"import", ordner, erstes, "--account", "J\u00fcrgen, Giro-Konto", "--today", kHeute, "--save"}).status);
    EXPECT_EQ(1, Starte({"import", ordner, zweites, "--account", "J\u00fcrgen, Giro-Konto", "--today", kHeute}).status);
    const Lauf ohne = Starte({"import", ordner, zweites, "--today", kHeute});
    EXPECT_NE(std::string::npos, ohne.fehler.find("(DE22520513735120710132)? Name it with --account")) << ohne.fehler;
    EXPECT_EQ(1u,
              JsonVon({"import", ordner, zweites, "--account", "Lena, Bar", "--today", kHeute})["proposals"].size());
}

// A file without a header row (Targobank): every line is read, and its mapping is remembered by its layout,
// so next month's download is read without asking.
TEST_F(CliTest, ImportOhneKopfzeileMerktSichDieForm)
{
    const std::string ordner = s_temp->Unterordner("ohne-kopf");
    ASSERT_EQ(0, Starte({"generate", ordner, "--years", "1", "--seed", "8", "--today", kHeute}).status);
    const std::string dezember = s_temp->Pfad() + "/targo-12.csv";
    std::ofstream(dezember, std::ios::binary) << "01.12.2026;Lastschrift Stadtwerke;-58,00\n"
                                                 "02.12.2026;Kartenzahlung B\xe4"
                                                 "ckerei;-4,20\n";
    const std::string januar = s_temp->Pfad() + "/targo-01.csv";
    std::ofstream(januar, std::ios::binary) << "04.12.2026;Kiosk am Bahnhof;-1,50\n05.12.2026;Gehalt;2.500,00\n"
                                               "06.12.2026;Miete;-800,00\n";
    const Json erst = JsonVon({"import", ordner, dezember, "--account", "Lena, Bar", "--columns",
                               "date=1,name=2,amount=3", "--today", kHeute, "--save"});
    ASSERT_EQ(2u, erst["proposals"].size());
    EXPECT_EQ(20261201, erst["proposals"][0]["m_nDatum"]);
    EXPECT_EQ(3u, JsonVon({"import", ordner, januar, "--today", kHeute})["proposals"].size());
}

TEST_F(CliTest, DumpLiestDenAktuellenOderJedenMonat)
{
    const Json monat = JsonVon({"dump", Haushalt(), "--today", kHeute});
    EXPECT_EQ("M\u00fcller", monat["m_arrFamilien"][0]["m_strName"]);
    EXPECT_EQ(1u, monat["m_arrLoadedFiles"].size());
    EXPECT_EQ(20261208, monat["m_nHeute"]);
    EXPECT_EQ(20261208, monat["m_nLetzterAufruf"]);
    ASSERT_FALSE(monat["m_arrInOut"].empty());
    for (const Json& t : monat["m_arrInOut"])
        EXPECT_EQ(202612, t["m_nDatum"].get<int>() / 100);

    const Json alle = JsonVon({"dump", Haushalt(), "--today", kHeute, "--all-months"});
    EXPECT_EQ(24u, alle["m_arrLoadedFiles"].size());
    EXPECT_EQ(alle["m_nZaehler"].get<size_t>(), alle["m_arrInOut"].size());
    EXPECT_GT(alle["m_arrInOut"].size(), 20 * monat["m_arrInOut"].size());
    EXPECT_EQ(40u, alle["m_arrDauerAuftraege"].size());
}

TEST_F(CliTest, StartupHoltNachUndSpeichert)
{
    const std::string ordner = s_temp->Unterordner("start");
    std::filesystem::copy(Haushalt(), ordner, std::filesystem::copy_options::recursive);
    const Json vorher = JsonVon({"dump", ordner, "--today", "20261218"});
    const Json gestartet = JsonVon({"startup", ordner, "--today", "20261218", "--now", "0930", "--save"});
    EXPECT_EQ(20261218, gestartet["m_nHeute"]);
    EXPECT_EQ(930, gestartet["m_nJetzt"]);
    size_t neu = 0;
    for (const Json& t : gestartet["m_arrInOut"]) {
        if (t["m_nDatum"].get<int>() <= 20261208)
            continue;
        ++neu;
        EXPECT_LE(t["m_nDatum"].get<int>(), 20261218);
        EXPECT_GE(t["m_nDauerAuftragNr"].get<int>(), 0);
    }
    EXPECT_GT(neu, 0u);
    EXPECT_EQ(vorher["m_arrInOut"].size() + neu, gestartet["m_arrInOut"].size());

    const Json gespeichert = JsonVon({"dump", ordner, "--today", "20261218"});
    EXPECT_EQ(20261218, gespeichert["m_nLetzterAufruf"]);
    EXPECT_EQ(930, gespeichert["m_nLetzteZeit"]);
    EXPECT_EQ(gestartet["m_arrInOut"].size(), gespeichert["m_arrInOut"].size());
    EXPECT_EQ(gestartet["m_arrFamilien"], gespeichert["m_arrFamilien"]);

    const Json nochmal = JsonVon({"startup", ordner, "--today", "20261218", "--now", "0931"});
    EXPECT_EQ(gestartet["m_arrInOut"].size(), nochmal["m_arrInOut"].size());
}

// Saving changes the book: velmora-cli waits for no running program, takes over the lock of one that
// died, leaves a crashed run's unsaved changes to the program, and backs up what it replaces.
TEST_F(CliTest, SpeichernNimmtDieSperreUndSichert)
{
    const std::string ordner = s_temp->Unterordner("gesperrt");
    std::filesystem::copy(Haushalt(), ordner, std::filesystem::copy_options::recursive);
    const std::string einstellungen = Inhalt(ordner + "/VLMBasic_D.ini");
    const std::vector<std::string> speichern = {"startup", ordner, "--today", "20261218", "--now", "0930", "--save"};
    {
        Buchsperre offen(ordner);
        ASSERT_EQ(Buchsperre::Zustand::kGenommen, offen.Nimm());
        const Lauf lauf = Starte(speichern);
        EXPECT_EQ(1, lauf.status);
        EXPECT_NE(std::string::npos, lauf.fehler.find("is already open")) << lauf.fehler;
        EXPECT_EQ(einstellungen, Inhalt(ordner + "/VLMBasic_D.ini"));
    }

    std::filesystem::create_directories(ordner + "/.recovery");
    std::ofstream(ordner + "/.recovery/VLMBasic_D.ini") << "neuer";
    Lauf lauf = Starte(speichern);
    EXPECT_EQ(1, lauf.status);
    EXPECT_NE(std::string::npos, lauf.fehler.find("unsaved changes")) << lauf.fehler;
    std::filesystem::remove_all(ordner + "/.recovery");

    const pid_t kind = fork();
    if (kind == 0) {
        Buchsperre liegenGelassen(ordner);
        liegenGelassen.Nimm();
        raise(SIGKILL);
    }
    int status = 0;
    ASSERT_EQ(kind, waitpid(kind, &status, 0));
    ASSERT_TRUE(WIFSIGNALED(status));
    lauf = Starte(speichern);
    EXPECT_EQ(0, lauf.status) << lauf.fehler;
    EXPECT_NE(einstellungen, Inhalt(ordner + "/VLMBasic_D.ini"));

    lauf = Starte({"backups", ordner});
    EXPECT_EQ(0, lauf.status) << lauf.fehler;
    const std::vector<std::string> zeilen = Teile(lauf.aus, '\n');
    ASSERT_EQ(1u, zeilen.size()) << lauf.aus;
    const std::vector<std::string> felder = Teile(zeilen[0], '\t');
    ASSERT_EQ(3u, felder.size()) << zeilen[0];
    EXPECT_EQ(einstellungen, Inhalt(ordner + "/" + felder[0] + "/VLMBasic_D.ini"));
    EXPECT_NE(std::string::npos, felder[2].find("VLMBasic_D.ini"));
    EXPECT_NE(std::string::npos, felder[2].find("M\xC3\xBClle_202612.vlm"));
}

// The listing of a month agrees with the transactions dump shows for it.
TEST_F(CliTest, ListeUndSummenPassenZumDump)
{
    std::string summen;
    const auto zeilen = Zeilen({"list", Haushalt(), "--from", "20261101", "--to", "20261130"}, summen);
    const Json alle = JsonVon({"dump", Haushalt(), "--today", kHeute, "--all-months"});
    double einnahmen = 0, ausgaben = 0, umbuchungen = 0;
    size_t imMonat = 0;
    for (const Json& t : alle["m_arrInOut"]) {
        if (t["m_nDatum"].get<int>() / 100 != 202611)
            continue;
        ++imMonat;
        if (t["m_nStatus"].get<int>() <= 0)
            continue;
        const double betrag = t["m_dBetrag"].get<double>();
        (t["m_nArt"] == 0 ? einnahmen : t["m_nArt"] == 1 ? ausgaben : umbuchungen) += betrag;
    }
    ASSERT_EQ(imMonat, zeilen.size());
    for (const auto& zeile : zeilen)
        ASSERT_EQ(9u, zeile.size());
    char erwartet[128];
    std::snprintf(erwartet, sizeof erwartet, "totals\t%.2f\t%.2f\t%.2f\n", einnahmen, ausgaben, umbuchungen);
    EXPECT_EQ(erwartet, summen);
    EXPECT_EQ("30.11.2026", zeilen.back()[8]);
}

TEST_F(CliTest, ListeFiltertUndSortiert)
{
    std::string summen;
    const auto alle = Zeilen({"list", Haushalt(), "--from", "20261101", "--to", "20261130"}, summen);
    const auto juergen =
        Zeilen({"list", Haushalt(), "--from", "20261101", "--to", "20261130", "--filter", "9", "--key", "J\u00fcrgen"},
               summen);
    ASSERT_FALSE(juergen.empty());
    EXPECT_LT(juergen.size(), alle.size());
    for (const auto& zeile : juergen) {
        const bool traegt =
            zeile[1].find("J\u00fcrgen") != std::string::npos || zeile[2].find("J\u00fcrgen") != std::string::npos;
        EXPECT_TRUE(traegt) << zeile[1] << " -> " << zeile[2];
    }

    // A sub-category within its category: the rows of kind 5 that carry that category.
    const auto mitUnter = std::find_if(alle.begin(), alle.end(), [](const auto& zeile) { return !zeile[5].empty(); });
    ASSERT_NE(alle.end(), mitUnter);
    const auto unter =
        Zeilen({"list", Haushalt(), "--from", "20261101", "--to", "20261130", "--filter", "5", "--key", (*mitUnter)[5]},
               summen);
    const auto inKategorie = Zeilen({"list", Haushalt(), "--from", "20261101", "--to", "20261130", "--filter", "13",
                                     "--key", (*mitUnter)[5], "--category", (*mitUnter)[4]},
                                    summen);
    std::vector<std::vector<std::string>> erwartet;
    std::copy_if(unter.begin(), unter.end(), std::back_inserter(erwartet),
                 [&](const auto& zeile) { return zeile[4] == (*mitUnter)[4]; });
    EXPECT_EQ(erwartet, inKategorie);

    const auto nachZahler = Zeilen(
        {"list", Haushalt(), "--from", "20261101", "--to", "20261130", "--sort", "payer", "--ascending"}, summen);
    ASSERT_EQ(alle.size(), nachZahler.size());
    for (size_t i = 1; i < nachZahler.size(); ++i)
        ASSERT_LE(VergleicheListenText(Utf8ZuCp1252(nachZahler[i - 1][1]), Utf8ZuCp1252(nachZahler[i][1])), 0)
            << nachZahler[i - 1][1] << " before " << nachZahler[i][1];

    const auto nachBetrag =
        Zeilen({"list", Haushalt(), "--from", "20261101", "--to", "20261130", "--sort", "1"}, summen);
    for (size_t i = 1; i < nachBetrag.size(); ++i)
        ASSERT_GE(std::stod(nachBetrag[i - 1][7]), std::stod(nachBetrag[i][7]));
}

// The standing-order list lists every order, the deleted one too, in stored order; its totals line adds
// the difference; a filter keeps the rows with the cell, a sort reorders, the execution column does not.
TEST_F(CliTest, DauerauftraegeWieImFenster)
{
    const Json dump = JsonVon({"dump", Haushalt()});
    std::string summen;
    const auto alle = Zeilen({"orders", Haushalt()}, summen);
    ASSERT_EQ(dump["m_arrDauerAuftraege"].size(), alle.size());
    for (size_t i = 0; i < alle.size(); ++i) {
        const Json& a = dump["m_arrDauerAuftraege"][i];
        ASSERT_EQ(10u, alle[i].size());
        EXPECT_EQ(Format("%d-%d", a["m_nNr"].get<int>(), a["m_nArt"].get<int>()), alle[i][0]);
        EXPECT_EQ(a["m_strZyklus"].get<std::string>(), alle[i][8]);
    }
    const auto werte = Teile(summen.substr(0, summen.size() - 1), '\t');
    ASSERT_EQ(5u, werte.size()) << summen;
    EXPECT_EQ(Format("%.2f", std::stod(werte[1]) - std::stod(werte[2])), werte[3]);

    std::string gefiltert;
    const auto wohnen = Zeilen({"orders", Haushalt(), "--filter", "4", "--key", "Wohnen"}, gefiltert);
    ASSERT_FALSE(wohnen.empty());
    EXPECT_LT(wohnen.size(), alle.size());
    for (const auto& zeile : wohnen)
        EXPECT_EQ("Wohnen", zeile[4]);
    EXPECT_NE(summen, gefiltert);

    EXPECT_EQ(alle, Zeilen({"orders", Haushalt(), "--sort", "execution"}, summen));
    const auto nachBetrag = Zeilen({"orders", Haushalt(), "--sort", "amount", "--ascending"}, summen);
    ASSERT_EQ(alle.size(), nachBetrag.size());
    for (size_t i = 1; i < nachBetrag.size(); ++i)
        ASSERT_LE(std::stod(nachBetrag[i - 1][7]), std::stod(nachBetrag[i][7]));
}

// forecast: each account's bookings carry its balance from today on to the month end; the members and the
// family add their accounts up; --account keeps one account, and a horizon before today is refused.
TEST_F(CliTest, VorschauRechnetDieStaendeFort)
{
    const Json v = JsonVon({"forecast", Haushalt(), "--today", kHeute, "--until", "20270331"});
    EXPECT_EQ(20270331, v["until"].get<int>());
    double summe = 0.0;
    for (const Json& konto : v["accounts"]) {
        double stand = konto["today"].get<double>();
        double monatsEnde = stand;
        for (const Json& b : konto["upcoming"]) {
            EXPECT_GT(b["date"].get<int>(), 20261208);
            EXPECT_LE(b["date"].get<int>(), 20270331);
            stand += b["amount"].get<double>();
            EXPECT_NEAR(stand, b["balance"].get<double>(), 0.005) << konto["account"];
            if (b["date"].get<int>() <= 20261231)
                monatsEnde = stand;
        }
        EXPECT_NEAR(monatsEnde, konto["month_end"].get<double>(), 0.005) << konto["account"];
        EXPECT_LE(konto["lowest"]["balance"].get<double>(), konto["today"].get<double>());
        summe += konto["today"].get<double>();
    }
    EXPECT_NEAR(summe, v["family"]["today"].get<double>(), 0.005);
    double mitglieder = 0.0;
    for (const Json& m : v["members"])
        mitglieder += m["month_end"].get<double>();
    EXPECT_NEAR(mitglieder, v["family"]["month_end"].get<double>(), 0.005);

    const std::string name = v["accounts"][1]["account"].get<std::string>();
    const Json eines = JsonVon({"forecast", Haushalt(), "--today", kHeute, "--account", name});
    ASSERT_EQ(1u, eines["accounts"].size());
    EXPECT_EQ(name, eines["accounts"][0]["account"]);
    EXPECT_EQ(2, Starte({"forecast", Haushalt(), "--today", kHeute, "--until", "20261207"}).status);
    EXPECT_EQ(2, Starte({"forecast", Haushalt(), "--today", kHeute, "--account", "Niemand, Giro"}).status);
}

TEST_F(CliTest, StatsMisstDenGanzenHaushalt)
{
    const Json stats = JsonVon({"stats", Haushalt(), "--today", kHeute});
    const Json alle = JsonVon({"dump", Haushalt(), "--today", kHeute, "--all-months"});
    std::vector<std::string> schluessel;
    for (const auto& [name, wert] : stats.items()) {
        schluessel.push_back(name);
        EXPECT_GE(wert.get<double>(), 0.0) << name;
    }
    EXPECT_EQ((std::vector<std::string>{"transactions", "months", "load_ms", "list_ms", "sort_ms", "catchup_ms",
                                        "save_ms", "recovery_ms"}),
              schluessel);
    EXPECT_EQ(alle["m_arrInOut"].size(), stats["transactions"].get<size_t>());
    EXPECT_EQ(24, stats["months"]);
}

// The comparison's numbers agree with the transactions dump shows, summed by hand.
TEST_F(CliTest, CompareRechnetWieDieBuchungenEsSagen)
{
    const Json alle = JsonVon({"dump", Haushalt(), "--today", kHeute, "--all-months"});
    const Json familie =
        JsonVon({"compare", Haushalt(), "--today", kHeute, "--years", "2026", "2025", "--months", "11", "12"});
    std::map<int, std::array<double, 2>> proMonat; // yyyymm: income, expenses
    std::map<std::string, double> ausgabenNovember;
    for (const Json& t : alle["m_arrInOut"]) {
        const int art = t["m_nArt"].get<int>();
        if (t["m_nStatus"].get<int>() <= 0 || art == 2)
            continue;
        const int monat = t["m_nDatum"].get<int>() / 100;
        proMonat[monat][static_cast<size_t>(art)] += t["m_dBetrag"].get<double>();
        if (monat == 202611 && art == 1)
            ausgabenNovember[t["m_strKategorie"].get<std::string>()] += t["m_dBetrag"].get<double>();
    }
    ASSERT_EQ(12u, familie["annual"].size());
    double groesster = 0.0;
    for (int m = 1; m <= 12; ++m) {
        const Json& zeile = familie["annual"][static_cast<size_t>(m - 1)];
        const auto& a = proMonat[202600 + m];
        const auto& b = proMonat[202500 + m];
        EXPECT_NEAR(a[0], zeile[0].get<double>(), 0.005) << m;
        EXPECT_NEAR(a[1], zeile[1].get<double>(), 0.005) << m;
        EXPECT_NEAR(b[0], zeile[2].get<double>(), 0.005) << m;
        EXPECT_NEAR(b[1], zeile[3].get<double>(), 0.005) << m;
        EXPECT_NEAR(a[0] - a[1], zeile[4].get<double>(), 0.005) << m;
        groesster = std::max({groesster, a[0], a[1], b[0], b[1]});
    }
    EXPECT_NEAR(groesster, familie["maximum"].get<double>(), 0.005);
    ASSERT_FALSE(familie["monthly"].empty());
    for (const Json& zeile : familie["monthly"])
        EXPECT_NEAR(ausgabenNovember[zeile["name"].get<std::string>()], zeile["sums"][1].get<double>(), 0.005)
            << zeile["name"];
    EXPECT_EQ(Json::array({2026, 2025}), familie["years"]);
    EXPECT_EQ(Json::array({11, 12}), familie["months"]);

    const Json konto = JsonVon({"compare", Haushalt(), "--today", kHeute, "--years", "2026", "2026", "--months", "12",
                                "12", "--selection", "1", "--item", "J\u00fcrgen, Bar"});
    EXPECT_EQ("J\u00fcrgen, Bar", konto["item"]);
    // The account's bars keep the family's scale of 2026, unless its own months are larger.
    double familie2026 = 0.0, eigener = 0.0;
    for (int m = 1; m <= 12; ++m) {
        familie2026 = std::max({familie2026, proMonat[202600 + m][0], proMonat[202600 + m][1]});
        const Json& zeile = konto["annual"][static_cast<size_t>(m - 1)];
        eigener = std::max({eigener, zeile[0].get<double>(), zeile[1].get<double>()});
    }
    EXPECT_NEAR(std::max(familie2026, eigener), konto["maximum"].get<double>(), 0.005);
    const Json kategorie = JsonVon({"compare", Haushalt(), "--today", kHeute, "--years", "2027", "2026", "--months",
                                    "12", "12", "--selection", "4"});
    EXPECT_EQ(Json::array({2026, 2026}), kategorie["years"]) << "no period passes today";
    EXPECT_EQ(alle["m_arrKategorien"][0]["m_strName"], kategorie["item"]);
    EXPECT_EQ(alle["m_arrKategorien"][0]["m_arrUKategorien"].size(), kategorie["monthly"].size());
}

TEST_F(CliTest, GenerateAufEnglisch)
{
    const std::string ordner = s_temp->Pfad() + "/english";
    const Lauf lauf = Starte({"generate", ordner, "--years", "1", "--today", kHeute, "--english"});
    ASSERT_EQ(0, lauf.status) << lauf.fehler;
    EXPECT_TRUE(std::filesystem::exists(ordner + "/VLMBasic_E.ini"));
    EXPECT_FALSE(std::filesystem::exists(ordner + "/VLMBasic_D.ini"));
    const Json j = JsonVon({"dump", ordner, "--today", kHeute});
    EXPECT_EQ(1000, j["m_nSprache"]);
    EXPECT_EQ("Miller", j["m_arrFamilien"][0]["m_strName"]);
    EXPECT_EQ("Cash", j["m_arrFamilien"][0]["m_arrPersonen"][0]["m_arrKonten"][0]["m_strName"]);
}

TEST_F(CliTest, FalscheAufrufeUndFehler)
{
    const std::string leer = s_temp->Unterordner("leer");
    const struct
    {
        std::vector<std::string> argumente;
        int status;
        const char* meldung;
    } faelle[] = {
        {{}, 2, "a command is missing"},
        {{"frobnicate", Haushalt()}, 2, "unknown command frobnicate"},
        {{"dump"}, 2, "DIR is missing"},
        {{"dump", Haushalt(), "--today"}, 2, "--today needs a value"},
        {{"dump", Haushalt(), "--now", "1200"}, 2, "unexpected argument --now"},
        {{"stats", Haushalt()}, 2, "--today is missing"},
        {{"startup", Haushalt(), "--today", "20261308", "--now", "1200"}, 2, "YYYYMMDD"},
        {{"startup", Haushalt(), "--today", "20261208", "--now", "1260"}, 2, "HHMM"},
        {{"list", Haushalt(), "--from", "2026111", "--to", "20261130"}, 2, "YYYYMMDD"},
        {{"list", Haushalt(), "--from", "20261101", "--to", "20261130", "--key", "x"}, 2, "--key belongs to --filter"},
        {{"list", Haushalt(), "--from", "20261101", "--to", "20261130", "--filter", "17"}, 2, "from 0 to 16"},
        {{"list", Haushalt(), "--from", "20261101", "--to", "20261130", "--filter", "14", "--key", "x"},
         2,
         "--filter 14 to 16 need --within"},
        {{"list", Haushalt(), "--from", "20261101", "--to", "20261130", "--filter", "5", "--key", "x", "--category",
          "y"},
         2,
         "--category belongs to --filter 13"},
        {{"list", Haushalt(), "--from", "20261101", "--to", "20261130", "--sort", "size"}, 2, "--sort wants"},
        {{"generate", leer, "--years", "0"}, 2, "from 1 to 100"},
        {{"orders", Haushalt(), "--key", "x"}, 2, "--filter and --key belong together"},
        {{"orders", Haushalt(), "--filter", "10", "--key", "x"}, 2, "from 1 to 9"},
        {{"order", Haushalt(), "--nr", "1", "--new"}, 2, "either --nr N or --new"},
        {{"order", Haushalt(), "--today", kHeute, "--nr", "0", "--day", "32"}, 2, "from 1 to 31"},
        {{"order", Haushalt(), "--today", kHeute, "--nr", "0", "--dates", "0230"}, 2, "--dates wants"},
        {{"order", Haushalt(), "--new", "--payer", "x"}, 2, "--new needs --payee"},
        {{"order", Haushalt(), "--today", kHeute, "--nr", "0", "--payee", "Nirgendwo"}, 2, "no row of its list"},
        {{"order", Haushalt(), "--today", kHeute, "--nr", "0", "--amount", "0,00"}, 1, "more than 0"},
        {{"order", Haushalt(), "--today", kHeute, "--nr", "99999", "--delete"}, 1, "no present standing order"},
        {{"purge", Haushalt(), "--date", kHeute}, 2, "--index is missing"},
        {{"purge", Haushalt(), "--today", kHeute, "--date", kHeute, "--index", "99999"}, 1, "no transaction 99999"},
        {{"orders", Haushalt(), "--ascending"}, 2, "--ascending belongs to --sort"},
        {{"generate", leer, "--years", "1", "--orders", "-1"}, 2, "from 0 to 10000"},
        {{"dump", s_temp->Pfad() + "/nirgends"}, 1, "no such folder"},
        {{"dump", leer, "--today", kHeute}, 1, "no settings file"},
        {{"stats", leer, "--today", kHeute}, 1, "no settings file"},
        {{"generate", Haushalt(), "--years", "1"}, 1, "already holds a household"},
        {{"compare", Haushalt(), "--today", kHeute, "--years", "2026", "--months", "1", "2"}, 2, "needs two values"},
        {{"compare", Haushalt(), "--today", kHeute, "--years", "2026", "2025", "--months", "1", "13"},
         2,
         "from 1 to 12"},
        {{"compare", Haushalt(), "--today", kHeute, "--years", "2026", "2025", "--months", "1", "1", "--item", "x"},
         2,
         "--item belongs to --selection 1, 2 or 3"},
        {{"compare", Haushalt(), "--today", kHeute, "--years", "2026", "2025", "--months", "1", "1", "--selection", "2",
          "--item", "Nirgendwo"},
         1,
         "has no item 'Nirgendwo'"},
    };
    for (const auto& fall : faelle) {
        const Lauf lauf = Starte(fall.argumente);
        const std::string aufruf = fall.argumente.empty() ? "(none)" : fall.argumente.front();
        EXPECT_EQ(fall.status, lauf.status) << aufruf << ": " << lauf.fehler;
        EXPECT_NE(std::string::npos, lauf.fehler.find(fall.meldung)) << aufruf << ": " << lauf.fehler;
        EXPECT_EQ(fall.status == 2, lauf.fehler.find("usage: velmora-cli") != std::string::npos) << aufruf;
        EXPECT_EQ("", lauf.aus) << aufruf;
    }
    EXPECT_TRUE(std::filesystem::is_empty(leer));
}

// order changes a standing order as the panel does: a new day books nothing it has served, and the
// balances stay; a new order runs without an end; the list's delete, restore and delete for good. purge
// deletes a transaction for good, and a second start that day does not bring it back.
TEST_F(CliTest, OrderUndPurgeWieDieFenster)
{
    const std::string ordner = s_temp->Unterordner("auftraege");
    std::filesystem::copy(Haushalt(), ordner, std::filesystem::copy_options::recursive);
    const auto alle = [&] { return JsonVon({"dump", ordner, "--today", kHeute, "--all-months"}); };
    const Json vorher = alle();
    int nr = -1;
    for (const Json& a : vorher["m_arrDauerAuftraege"]) {
        const int zyklus = a["m_nZyklus"].get<int>();
        // Due by 8 December, so it has booked this month; the 28th falls due after today.
        if (nr < 0 && a["m_nStatus"] == 1 && zyklus > 0 && zyklus <= 8)
            nr = a["m_nNr"].get<int>();
    }
    ASSERT_GE(nr, 0);
    const Json geaendert =
        JsonVon({"order", ordner, "--today", kHeute, "--nr", std::to_string(nr), "--day", "28", "--save"});
    EXPECT_EQ(28, geaendert["m_nZyklus"]);
    EXPECT_FALSE(geaendert["open_ended"].is_null());
    const Json danach = alle();
    EXPECT_EQ(vorher["m_arrInOut"].size(), danach["m_arrInOut"].size());
    EXPECT_EQ(vorher["m_arrFamilien"], danach["m_arrFamilien"]);

    const Json& familie = vorher["m_arrFamilien"][0]["m_arrPersonen"][0];
    const std::string mitglied = familie["m_strName"].get<std::string>();
    const std::string konto = mitglied + ", " + familie["m_arrKonten"][0]["m_strName"].get<std::string>();
    const Json& kategorie = vorher["m_arrKategorien"][0];
    const Json neu = JsonVon({"order",
                              ordner,
                              "--today",
                              kHeute,
                              "--new",
                              "--payer",
                              konto,
                              "--payee",
                              vorher["m_arrZielKonten"][0]["m_strName"].get<std::string>(),
                              "--beneficiary",
                              mitglied,
                              "--category",
                              kategorie["m_strName"].get<std::string>(),
                              "--subcategory",
                              kategorie["m_arrUKategorien"][0]["m_strName"].get<std::string>(),
                              "--amount",
                              "12,50",
                              "--weekday",
                              "3",
                              "--save"});
    EXPECT_EQ(true, neu["open_ended"]);
    EXPECT_EQ(12.5, neu["m_dBetrag"]);
    EXPECT_EQ(53, neu["m_nZyklus"]);
    const std::string neueNr = std::to_string(neu["m_nNr"].get<int>());
    EXPECT_GT(0, JsonVon({"order", ordner, "--today", kHeute, "--nr", neueNr, "--delete", "--save"})["m_n48"]);
    EXPECT_EQ(1, JsonVon({"order", ordner, "--today", kHeute, "--nr", neueNr, "--restore", "--save"})["m_n48"]);
    JsonVon({"order", ordner, "--today", kHeute, "--nr", neueNr, "--purge", "--save"});
    EXPECT_EQ(danach["m_arrDauerAuftraege"].size(), alle()["m_arrDauerAuftraege"].size());

    const Json monat = JsonVon({"dump", ordner, "--today", kHeute});
    const Json* gebucht = nullptr;
    for (const Json& t : monat["m_arrInOut"]) {
        if (!gebucht && t["m_nDauerAuftragNr"].get<int>() >= 0)
            gebucht = &t;
    }
    ASSERT_NE(nullptr, gebucht);
    const Json geloescht =
        JsonVon({"purge", ordner, "--today", kHeute, "--date", std::to_string((*gebucht)["m_nDatum"].get<int>()),
                 "--index", std::to_string((*gebucht)["m_nIndex"].get<int>()), "--save"});
    EXPECT_EQ(*gebucht, geloescht);
    JsonVon({"startup", ordner, "--today", kHeute, "--now", "1000", "--save"});
    EXPECT_EQ(monat["m_arrInOut"].size() - 1, JsonVon({"dump", ordner, "--today", kHeute})["m_arrInOut"].size());
}

// The export writes what the overview's export writes for the same listing, in the book's language.
TEST_F(CliTest, ExportSchreibtDieTabelleDerUebersicht)
{
    CBasis basis;
    basis.m_strPfad = Haushalt();
    ASSERT_EQ(0, basis.LadeEinstellungen());
    basis.m_nVonDatum = 20261101;
    basis.m_nBisDatum = 20261130;
    OverviewListing liste(basis);
    liste.LadeZeitraum();
    liste.m_bFilter = 1;
    liste.m_nFilterArt = 4;
    liste.m_strFilterText = basis.m_arrInOut.front()->m_strKategorie;
    liste.ZeigeGefiltert();
    ASSERT_GT(liste.m_nZeilen, 0);

    const std::string ziel = s_temp->Pfad() + "/DATA.XLS";
    const std::vector<std::string> aufruf = {
        "list",     Haushalt(), "--from", "20261101", "--to",
        "20261130", "--filter", "4",      "--key",    Cp1252ZuUtf8(liste.m_strFilterText)};
    std::vector<std::string> excel = aufruf;
    excel.insert(excel.end(), {"--export", ziel});
    const Lauf lauf = Starte(excel);
    ASSERT_EQ(0, lauf.status) << lauf.fehler;
    EXPECT_EQ(ziel + ".xls\n", lauf.aus);
    EXPECT_EQ(ExportInhalt(liste, Exportformat::kExcel), Inhalt(ziel + ".xls"));

    std::vector<std::string> csv = aufruf;
    csv.insert(csv.end(), {"--export", s_temp->Pfad() + "/liste.csv"});
    ASSERT_EQ(0, Starte(csv).status);
    EXPECT_EQ(ExportInhalt(liste, Exportformat::kCsv), Inhalt(s_temp->Pfad() + "/liste.csv"));

    std::vector<std::string> fehlt = aufruf;
    fehlt.insert(fehlt.end(), {"--export", s_temp->Pfad() + "/fehlt/liste.xls"});
    const Lauf fehler = Starte(fehlt);
    EXPECT_EQ(1, fehler.status);
    EXPECT_EQ("velmora-cli: cannot write " + s_temp->Pfad() + "/fehlt/liste.xls\n", fehler.fehler);
}

// A save without its backup still saves, but says so and ends with 3; the listing marks what is no
// whole backup.
TEST_F(CliTest, OhneSicherungEndetMitDrei)
{
    const std::string ordner = s_temp->Unterordner("ohne-sicherung");
    std::filesystem::copy(Haushalt(), ordner, std::filesystem::copy_options::recursive);
    std::ofstream(ordner + "/Sicherungen") << "keine Sicherungen hier";
    const std::string einstellungen = Inhalt(ordner + "/VLMBasic_D.ini");
    Lauf lauf = Starte({"startup", ordner, "--today", "20261218", "--now", "0930", "--save"});
    EXPECT_EQ(3, lauf.status);
    EXPECT_NE(std::string::npos, lauf.fehler.find("no backup could be made: " + ordner + "/Sicherungen: not a folder"))
        << lauf.fehler;
    EXPECT_NE(einstellungen, Inhalt(ordner + "/VLMBasic_D.ini"));

    std::filesystem::remove(ordner + "/Sicherungen");
    std::filesystem::create_directories(ordner + "/Sicherungen/20261201-080000");
    std::ofstream(ordner + "/Sicherungen/20261201-080000/VLMBasic_D.ini") << "cut";
    lauf = Starte({"backups", ordner});
    EXPECT_EQ(0, lauf.status) << lauf.fehler;
    EXPECT_EQ("Sicherungen/20261201-080000 (incomplete)\t2026-12-01 08:00:00\tVLMBasic_D.ini\n", lauf.aus);
}

// A lock file that tells nothing may belong to a running program: headless, only --force-unlock opens it.
TEST_F(CliTest, BeschaedigteSperreNurMitForceUnlock)
{
    const std::string ordner = s_temp->Unterordner("beschaedigte-sperre");
    std::filesystem::copy(Haushalt(), ordner, std::filesystem::copy_options::recursive);
    const std::string einstellungen = Inhalt(ordner + "/VLMBasic_D.ini");
    const std::vector<std::string> speichern = {"startup", ordner, "--today", "20261218", "--now", "0930", "--save"};
    for (const char* inhalt : {"", "Unsinn\n\x01\x02"}) {
        std::ofstream(ordner + "/.velmora.lock") << inhalt;
        Lauf lauf = Starte(speichern);
        EXPECT_EQ(1, lauf.status);
        EXPECT_NE(std::string::npos, lauf.fehler.find("is damaged or unreadable")) << lauf.fehler;
        EXPECT_NE(std::string::npos, lauf.fehler.find("--force-unlock")) << lauf.fehler;
        EXPECT_EQ(einstellungen, Inhalt(ordner + "/VLMBasic_D.ini"));
    }
    std::vector<std::string> erzwungen = speichern;
    erzwungen.push_back("--force-unlock");
    const Lauf lauf = Starte(erzwungen);
    EXPECT_EQ(0, lauf.status) << lauf.fehler;
    EXPECT_NE(einstellungen, Inhalt(ordner + "/VLMBasic_D.ini"));
    EXPECT_FALSE(std::filesystem::exists(ordner + "/.velmora.lock"));
}

// A folder name the file system keeps as bytes that are no UTF-8 is opened, locked and saved all the same.
TEST_F(CliTest, OrdnerNamenOhneUtf8)
{
    const std::string ordner = s_temp->Pfad() + "/Haushalt M\xFCller";
    std::filesystem::copy(Haushalt(), ordner, std::filesystem::copy_options::recursive);
    const std::string einstellungen = Inhalt(ordner + "/VLMBasic_D.ini");
    const Lauf lauf = Starte({"startup", ordner, "--today", "20261218", "--now", "0930", "--save"});
    EXPECT_EQ(0, lauf.status) << lauf.fehler;
    EXPECT_NE(einstellungen, Inhalt(ordner + "/VLMBasic_D.ini"));
    EXPECT_EQ(1u, Teile(Starte({"backups", ordner}).aus, '\n').size());
}

} // namespace
} // namespace velmora
