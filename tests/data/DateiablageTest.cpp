// Where the files of a book lie: names on disk in UTF-8 whatever folder or earlier version they come
// from, and the backups of what "Ende" replaces.

#include "Binaer.h"
#include "Dateinamen.h"
#include "Familienverwaltung.h"
#include "Haushaltsbuch.h"
#include "Hilfen.h"
#include "Sicherungen.h"
#include "Start.h"
#include "Text.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace velmora::test {
namespace {

namespace fs = std::filesystem;

std::string Namen(const std::string& ordner)
{
    std::vector<std::string> namen;
    for (const auto& eintrag : fs::directory_iterator(ordner)) {
        if (eintrag.is_regular_file())
            namen.push_back(eintrag.path().filename().string());
    }
    std::sort(namen.begin(), namen.end());
    std::string text;
    for (const std::string& n : namen)
        text += n + " ";
    return text;
}

// Folders copied from another computer carry UTF-8 names; earlier versions wrote the raw cp1252 bytes.
TEST(Dateiablage, JederOrdnerUndJedeNamensformLiestAllesUndSchreibtUtf8)
{
    struct Fall
    {
        const char* szOrdner;
        std::vector<int> alteNamen; // months whose file carries the raw cp1252 name
    } const faelle[] = {
        {"Haushalt", {}},
        {"j\xC3\xBCrgen/Haushalt", {200901, 200902, 200903}},
        {"\xD0\xA1\xD0\xB5\xD0\xBC\xD1\x8C\xD1\x8F/Haushalt", {200902}},
    };
    for (const Fall& fall : faelle) {
        SCOPED_TRACE(fall.szOrdner);
        TempOrdner wurzel;
        const std::string ordner = wurzel.Datei(fall.szOrdner);
        fs::create_directories(ordner);
        LegeMuellerAn(ordner);
        for (int monat : fall.alteNamen)
            fs::rename(ordner + "/" + MuellerName(monat), ordner + "/" + AlterMuellerName(monat));

        CBasis b;
        StarteLauf(b, ordner, 20090410);
        b.LadeAlleMonate();
        EXPECT_EQ("20090105 20090205 20090305 20090405 / 5", AuftragsTage(b)) << "every month found, none booked twice";
        EXPECT_EQ(100.0 - 4 * 10.0 - 2.5, KontoVon(b, "Anna", "Giro").m_dStand);
        ASSERT_EQ(0, SpeichereAlles(b));
        EXPECT_EQ(MuellerName(200901) + " " + MuellerName(200902) + " " + MuellerName(200903) + " " +
                      MuellerName(200904) + " VLMBasic_D.ini ",
                  Namen(ordner));

        CBasis wieder;
        StarteLauf(wieder, ordner, 20090410);
        wieder.LadeAlleMonate();
        EXPECT_EQ("20090105 20090205 20090305 20090405 / 5", AuftragsTage(wieder));
    }
}

// The prefix follows the family name; a name holding a slash still keeps its months in the data folder.
TEST(Dateiablage, UmbenannteFamilieSchreibtJedenMonatUnterDemNeuenNamen)
{
    for (const std::string& neu : {std::string("J\xE4ger"), std::string("AC/DC-Fans")}) {
        SCOPED_TRACE(neu);
        TempOrdner ordner;
        LegeMuellerAn(ordner.Pfad());
        fs::rename(ordner.Datei(MuellerName(200902)), ordner.Datei(AlterMuellerName(200902)));
        CBasis b;
        StarteLauf(b, ordner.Pfad(), 20090320);
        SetzeFamilienName(b, kMueller, neu);
        ASSERT_EQ(0, SpeichereAlles(b));
        for (int monat : {200901, 200902, 200903})
            EXPECT_TRUE(DateiExistiert(ordner.Datei(NameAufPlatte(MonatsDateiname(neu.substr(0, 5), monat)))));

        CBasis wieder;
        StarteLauf(wieder, ordner.Pfad(), 20090320);
        wieder.LadeAlleMonate();
        EXPECT_EQ("20090105 20090205 20090305 / 4", AuftragsTage(wieder));
    }
}

TEST(Sicherungen, EndeBewahrtWasEsErsetzt)
{
    TempOrdner ordner;
    LegeMuellerAn(ordner.Pfad());
    EXPECT_TRUE(ListeSicherungen(ordner.Pfad()).empty()) << "the first save replaces nothing";

    CBasis ohneAenderung;
    StarteLauf(ohneAenderung, ordner.Pfad(), 20090321);
    ASSERT_EQ(0, SpeichereAlles(ohneAenderung));
    EXPECT_TRUE(ListeSicherungen(ordner.Pfad()).empty()) << "a run that changed nothing makes no backup";

    fs::rename(ordner.Datei(MuellerName(200903)), ordner.Datei(AlterMuellerName(200903)));
    const std::string einstellungen = ordner.Lies("VLMBasic_D.ini");
    const std::string maerz = ordner.Lies(AlterMuellerName(200903));
    CBasis b;
    StarteLauf(b, ordner.Pfad(), 20090322);
    b.MonatGeaendert(200903);
    b.Familie()->m_arrPersonen[0]->m_arrKonten[1]->m_dStand = 5.0;
    ASSERT_EQ(0, SpeichereAlles(b));
    const std::vector<Sicherung> sicherungen = ListeSicherungen(ordner.Pfad());
    ASSERT_EQ(1u, sicherungen.size());
    EXPECT_EQ((std::vector<std::string>{AlterMuellerName(200903), "VLMBasic_D.ini"}), sicherungen[0].dateien);
    const std::string gesichert = std::string(kSicherungsOrdner) + "/" + sicherungen[0].strName + "/";
    EXPECT_EQ(einstellungen, ordner.Lies(gesichert + "VLMBasic_D.ini"));
    EXPECT_EQ(maerz, ordner.Lies(gesichert + AlterMuellerName(200903)));
    EXPECT_EQ(sicherungen[0].strName.substr(0, 4), sicherungen[0].strZeit.substr(0, 4));
}

} // namespace
} // namespace velmora::test
