// The recovery copy of a run: what "Ende" would write, kept beside the book until "Ende", and read back
// in place of the book's files when the user restores it.

#include "Wiederherstellung.h"
#include "Binaer.h"
#include "Buchhaltung.h"
#include "Haushaltsbuch.h"
#include "Hilfen.h"
#include "Speicherstand.h"
#include "Start.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace velmora::test {
namespace {

namespace fs = std::filesystem;

std::string Kopie(const std::string& name)
{
    return std::string(kWiederherstellungsOrdner) + "/" + name;
}

// A run on 5 April: start-up books the April order; the user books once more; then the program dies.
void AbgestuerzterLauf(const TempOrdner& ordner)
{
    CBasis b;
    StarteLauf(b, ordner.Pfad(), 20090405);
    Wiederherstellung kopie(b, true);
    EXPECT_EQ(0, kopie.Schreibe());
    EXPECT_FALSE(fs::exists(ordner.Datei(kWiederherstellungsOrdner))) << "nothing changed by the user yet";
    Buche(b, {"Milch", "Anna, Giro", "Stadtwerke", 1.25, 20090405});
    EXPECT_EQ(0, kopie.Schreibe());
}

TEST(Wiederherstellung, KopieFolgtDemLaufUndLaesstDenOrdnerUnberuehrt)
{
    TempOrdner ordner;
    LegeMuellerAn(ordner.Pfad());
    const std::string einstellungen = ordner.Lies("VLMBasic_D.ini");
    // A file of an earlier copy that the run does not write any more.
    fs::create_directories(ordner.Datei(kWiederherstellungsOrdner));
    ordner.Schreibe(Kopie(MuellerName(200812)), "alt");
    const auto frueher = fs::last_write_time(ordner.Datei("VLMBasic_D.ini")) - std::chrono::hours(1);
    fs::last_write_time(ordner.Datei(Kopie(MuellerName(200812))), frueher);
    fs::last_write_time(ordner.Datei(kWiederherstellungsOrdner), frueher);
    EXPECT_FALSE(HatWiederherstellung(ordner.Pfad())) << "older than the settings file";

    AbgestuerzterLauf(ordner);
    EXPECT_EQ(einstellungen, ordner.Lies("VLMBasic_D.ini"));
    EXPECT_FALSE(fs::exists(ordner.Datei(MuellerName(200904))));
    std::vector<std::string> inhalt;
    for (const auto& e : fs::directory_iterator(ordner.Datei(kWiederherstellungsOrdner)))
        inhalt.push_back(e.path().filename().string());
    std::sort(inhalt.begin(), inhalt.end());
    EXPECT_EQ((std::vector<std::string>{MuellerName(200904), "VLMBasic_D.ini"}), inhalt);
    EXPECT_TRUE(HatWiederherstellung(ordner.Pfad()));

    const std::string verworfen = VerwerfeWiederherstellung(ordner.Pfad(), 20090406, 915);
    EXPECT_EQ(".recovery-discarded-20090406-0915", verworfen);
    EXPECT_FALSE(HatWiederherstellung(ordner.Pfad()));
    EXPECT_TRUE(DateiExistiert(ordner.Datei(verworfen + "/" + MuellerName(200904))));
}

TEST(Wiederherstellung, WiederhergestellterLaufBuchtNichtsDoppeltUndSpeichertBeiEnde)
{
    TempOrdner ordner;
    LegeMuellerAn(ordner.Pfad());
    AbgestuerzterLauf(ordner);

    CBasis b;
    StarteLauf(b, ordner.Pfad(), 20090406, true);
    EXPECT_TRUE(b.m_strWiederherstellung.empty());
    EXPECT_EQ("Milch", Transaktion(b, "Milch").m_strKommentar);
    EXPECT_EQ(100.0 - 4 * 10.0 - 2.5 - 1.25, Stand(b, "Anna", "Giro"));
    EXPECT_EQ(1, b.GeladenerMonat(200904)->m_bGeaendert) << "restored months are written at the next Ende";
    b.LadeAlleMonate();
    EXPECT_EQ("20090105 20090205 20090305 20090405 / 6", AuftragsTage(b));

    ASSERT_EQ(0, SpeichereAlles(b));
    EntferneWiederherstellung(ordner.Pfad());
    CBasis danach;
    StarteLauf(danach, ordner.Pfad(), 20090406);
    danach.LadeAlleMonate();
    EXPECT_EQ("20090105 20090205 20090305 20090405 / 6", AuftragsTage(danach));
    EXPECT_EQ(100.0 - 4 * 10.0 - 2.5 - 1.25, Stand(danach, "Anna", "Giro"));
}

// A write that cannot go through is tried again with the next change, not taken for done.
TEST(Wiederherstellung, FehlgeschlageneKopieWirdWiederholt)
{
    TempOrdner ordner;
    LegeMuellerAn(ordner.Pfad());
    CBasis b;
    StarteLauf(b, ordner.Pfad(), 20090405);
    Wiederherstellung kopie(b, true);
    Buche(b, {"Milch", "Anna, Giro", "Stadtwerke", 1.25, 20090405});
    EXPECT_EQ(-1, MitDateiGrenze(100, [&] { return kopie.Schreibe(); }));
    EXPECT_EQ(0, kopie.Schreibe());
    EXPECT_EQ(BaueSpeicherstand(b).back().bytes, ordner.Lies(Kopie("VLMBasic_D.ini")));
}

} // namespace
} // namespace velmora::test
