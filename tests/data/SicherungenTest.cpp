// A backup is complete or absent: one that cannot be made never stops the save, is told, and never
// costs a good backup its place.

#include "Sicherungen.h"

#include "Binaer.h"
#include "Haushaltsbuch.h"
#include "Hilfen.h"
#include "Schreibjournal.h"
#include "Start.h"
#include "Text.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace velmora::test {
namespace {

namespace fs = std::filesystem;

std::string Sicherungen(const TempOrdner& ordner)
{
    return ordner.Datei(kSicherungsOrdner);
}

// A run that changes the book (it catches up the order of a new month), then "Ende".
int SpeichereGeaendert(const std::string& ordner, int heute, std::string& sicherungsfehler)
{
    CBasis b;
    StarteLauf(b, ordner, heute);
    const int ergebnis = SpeichereAlles(b);
    sicherungsfehler = b.m_strSicherungsfehler;
    return ergebnis;
}

TEST(Sicherungen, OhneSicherungWirdTrotzdemGespeichertUndGesagtWarum)
{
    struct Fall
    {
        const char* szName;
        std::function<void(const TempOrdner&)> richteEin;
        const char* szGrund;
    };
    const Fall faelle[] = {
        {"Sicherungen is a file", [](const TempOrdner& o) { o.Schreibe(kSicherungsOrdner, "x"); }, "not a folder"},
        {"read-only",
         [](const TempOrdner& o) {
             fs::create_directory(Sicherungen(o));
             ::chmod(Sicherungen(o).c_str(), 0555);
         },
         "read-only"},
        {"a link to nothing", [](const TempOrdner& o) { fs::create_symlink(o.Datei("weg"), Sicherungen(o)); },
         "link to nothing"},
        {"disk full during the copy",
         [](const TempOrdner&) {
             SetzeSchreibhaken(
                 [](Schreibschritt schritt, const std::string&) { return schritt != Schreibschritt::kSicherung; });
         },
         "cannot be written whole"},
    };
    for (const Fall& fall : faelle) {
        SCOPED_TRACE(fall.szName);
        TempOrdner ordner;
        LegeMuellerAn(ordner.Pfad());
        const std::string vorher = ordner.Lies("VLMBasic_D.ini");
        fall.richteEin(ordner);
        std::string grund;
        EXPECT_EQ(0, SpeichereGeaendert(ordner.Pfad(), 20090405, grund));
        SetzeSchreibhaken({});
        EXPECT_NE(std::string::npos, grund.find(fall.szGrund)) << grund;
        EXPECT_NE(std::string::npos, grund.find(kSicherungsOrdner)) << grund;
        EXPECT_NE(vorher, ordner.Lies("VLMBasic_D.ini")) << "the book is saved all the same";
        EXPECT_TRUE(ListeSicherungen(ordner.Pfad()).empty());
        ::chmod(Sicherungen(ordner).c_str(), 0755);
    }
}

TEST(Sicherungen, FehlgeschlageneVersucheKostenKeineGuteSicherung)
{
    TempOrdner ordner;
    LegeMuellerAn(ordner.Pfad());
    // Twenty good backups, a cut one an earlier version left on a full disk, and the rest of a save
    // that was killed while copying.
    for (int i = 0; i < 20; ++i) {
        const std::string name = Format("%s/200901%02d-120000", kSicherungsOrdner, i + 1);
        fs::create_directories(ordner.Datei(name));
        ordner.Schreibe(name + "/VLMBasic_D.ini", ordner.Lies("VLMBasic_D.ini"));
    }
    const std::string abgeschnitten = std::string(kSicherungsOrdner) + "/20081231-120000";
    fs::create_directories(ordner.Datei(abgeschnitten));
    ordner.Schreibe(abgeschnitten + "/VLMBasic_D.ini", ordner.Lies("VLMBasic_D.ini").substr(0, 100));
    const std::string unfertig = std::string(kSicherungsOrdner) + "/20090301-120000.partial";
    fs::create_directories(ordner.Datei(unfertig));

    std::vector<Sicherung> liste = ListeSicherungen(ordner.Pfad());
    ASSERT_EQ(22u, liste.size());
    EXPECT_EQ("20090301-120000.partial", liste.front().strName);
    EXPECT_FALSE(liste.front().bVollstaendig);
    EXPECT_EQ("20081231-120000", liste.back().strName);
    EXPECT_FALSE(liste.back().bVollstaendig);
    EXPECT_TRUE(liste[1].bVollstaendig);

    // Five saves on a disk too full for a backup: the book is saved each time, no good backup goes.
    SetzeSchreibhaken([](Schreibschritt schritt, const std::string&) { return schritt != Schreibschritt::kSicherung; });
    for (int monat = 4; monat <= 8; ++monat) {
        std::string grund;
        EXPECT_EQ(0, SpeichereGeaendert(ordner.Pfad(), 20090005 + monat * 100, grund));
        EXPECT_FALSE(grund.empty());
    }
    SetzeSchreibhaken({});
    EXPECT_EQ(22u, ListeSicherungen(ordner.Pfad()).size());

    // The next backup that succeeds makes room by the oldest good one only, and clears the unfinished rest.
    std::string grund;
    EXPECT_EQ(0, SpeichereGeaendert(ordner.Pfad(), 20090905, grund));
    EXPECT_EQ("", grund);
    liste = ListeSicherungen(ordner.Pfad());
    ASSERT_EQ(21u, liste.size());
    EXPECT_TRUE(liste.front().bVollstaendig);
    EXPECT_EQ("20090102-120000", liste[19].strName);
    EXPECT_EQ("20081231-120000", liste[20].strName) << "an incomplete backup is neither counted nor removed";
}

} // namespace
} // namespace velmora::test
