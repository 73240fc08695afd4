// A save is all or nothing: killed at any step, or failing at any file, the next start finds the book
// wholly as before or wholly as after, and no temporary file is left behind.

#include "Schreibjournal.h"

#include "Binaer.h"
#include "Buchhaltung.h"
#include "Haushaltsbuch.h"
#include "Hilfen.h"
#include "Sicherungen.h"
#include "Start.h"
#include "Text.h"
#include "Wiederherstellung.h"

#include <csignal>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace velmora::test {
namespace {

namespace fs = std::filesystem;

// Four months of the order to catch up (April to July) and the settings file: five files in one save.
constexpr int kNachholtag = 20090720;
constexpr const char* kAlleAuftraege = "20090105 20090205 20090305 20090405 20090505 20090605 20090705 / 9";

// The Müller book with a booking ahead in July, so that July has a file and the start catches up every
// month since March.
void LegeBuchAn(const std::string& ordner)
{
    LegeMuellerAn(ordner);
    CBasis b;
    StarteLauf(b, ordner, 20090320);
    Buche(b, {"Vorauskasse", "Anna, Giro", "Stadtwerke", 1.0, 20090701});
    SpeichereAlles(b);
}

struct Buchstand
{
    double dGiro = 0.0;
    std::string strAuftraege;
    bool operator==(const Buchstand&) const = default;
};

std::ostream& operator<<(std::ostream& aus, const Buchstand& stand)
{
    return aus << stand.dGiro << " | " << stand.strAuftraege;
}

// The next start, as the program runs it: the interrupted save completed, then the start-up.
Buchstand NaechsterStart(const std::string& ordner)
{
    VollendeSpeicherung(ordner);
    CBasis b;
    StarteLauf(b, ordner, kNachholtag);
    b.LadeAlleMonate();
    return {KontoVon(b, "Anna", "Giro").m_dStand, AuftragsTage(b)};
}

void Speichere(const std::string& ordner)
{
    CBasis b;
    StarteLauf(b, ordner, kNachholtag);
    SpeichereAlles(b);
}

// Temporary files and journals anywhere in the folder.
std::string Reste(const std::string& ordner)
{
    std::string reste;
    for (const auto& eintrag : fs::recursive_directory_iterator(ordner)) {
        const std::string name = eintrag.path().filename().string();
        if (IstSpeichertemp(name) || name == kJournalName)
            reste += name + " ";
    }
    return reste;
}

// Every file of the folder but the backups, with its bytes.
std::map<std::string, std::string> Buch(const TempOrdner& ordner)
{
    std::map<std::string, std::string> buch;
    for (const std::string& name : ordner.Inhalt()) {
        if (name != kSicherungsOrdner)
            buch[name] = ordner.Lies(name);
    }
    return buch;
}

TEST(Schreibjournal, JederAbbruchLaesstDasBuchVorherOderNachher)
{
    TempOrdner ganz;
    LegeBuchAn(ganz.Pfad());
    int schritte = 0;
    SetzeSchreibhaken([&](Schreibschritt, const std::string&) { return ++schritte > 0; });
    Speichere(ganz.Pfad());
    SetzeSchreibhaken({});
    const Buchstand erwartet = NaechsterStart(ganz.Pfad());
    ASSERT_EQ(kAlleAuftraege, erwartet.strAuftraege);
    ASSERT_GE(schritte, 18) << "5 files, the journal, 5 renames with a step before and after each, the end";

    for (int abbruch = 1; abbruch <= schritte; ++abbruch) {
        SCOPED_TRACE(abbruch);
        TempOrdner ordner;
        LegeBuchAn(ordner.Pfad());
        ordner.Schreibe("Notizen.ini.backup", "meins");
        const pid_t kind = fork();
        if (kind == 0) {
            int schritt = 0;
            SetzeSchreibhaken([&](Schreibschritt, const std::string&) {
                if (++schritt == abbruch)
                    ::kill(::getpid(), SIGKILL);
                return true;
            });
            Speichere(ordner.Pfad());
            ::_exit(0);
        }
        int status = 0;
        ASSERT_EQ(kind, waitpid(kind, &status, 0));
        ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL);
        EXPECT_EQ(erwartet, NaechsterStart(ordner.Pfad()));
        EXPECT_EQ("", Reste(ordner.Pfad()));
        EXPECT_EQ("meins", ordner.Lies("Notizen.ini.backup")) << "a file of the user's own stays";
    }
}

TEST(Schreibjournal, EinSchreibfehlerAnJederDateiAendertNichts)
{
    TempOrdner ganz;
    LegeBuchAn(ganz.Pfad());
    Speichere(ganz.Pfad());
    const Buchstand erwartet = NaechsterStart(ganz.Pfad());

    for (int fehler = 1; fehler <= 5; ++fehler) {
        SCOPED_TRACE(fehler);
        TempOrdner ordner;
        LegeBuchAn(ordner.Pfad());
        const auto vorher = Buch(ordner);
        int datei = 0;
        std::string gescheitert;
        SetzeSchreibhaken([&](Schreibschritt schritt, const std::string& pfad) {
            if (schritt != Schreibschritt::kDatei || ++datei != fehler)
                return true;
            gescheitert = pfad;
            return false;
        });
        CBasis b;
        StarteLauf(b, ordner.Pfad(), kNachholtag);
        EXPECT_EQ(-1, SpeichereAlles(b));
        SetzeSchreibhaken({});
        EXPECT_EQ(std::vector<std::string>{gescheitert}, b.m_nichtGeschriebeneDateien);
        EXPECT_EQ(vorher, Buch(ordner)) << "not one file changed";
        EXPECT_EQ("", Reste(ordner.Pfad()));
        EXPECT_EQ(erwartet, NaechsterStart(ordner.Pfad()));
    }
}

// The recovery copy is written the same way: a copy cut off after its journal is completed at the start.
TEST(Schreibjournal, DieKopieDesLaufsIstEbensoGanzOderAlt)
{
    TempOrdner ordner;
    LegeBuchAn(ordner.Pfad());
    const pid_t kind = fork();
    if (kind == 0) {
        CBasis b;
        StarteLauf(b, ordner.Pfad(), kNachholtag);
        Wiederherstellung kopie(b, false);
        SetzeSchreibhaken([](Schreibschritt schritt, const std::string&) {
            if (schritt == Schreibschritt::kNachUmbenennen)
                ::kill(::getpid(), SIGKILL);
            return true;
        });
        kopie.Schreibe();
        ::_exit(0);
    }
    int status = 0;
    ASSERT_EQ(kind, waitpid(kind, &status, 0));
    ASSERT_TRUE(WIFSIGNALED(status));
    VollendeSpeicherung(ordner.Pfad());
    EXPECT_EQ("", Reste(ordner.Pfad()));
    CBasis b;
    StarteLauf(b, ordner.Pfad(), kNachholtag, true);
    EXPECT_EQ(100.0 - 2.5 - 1.0 - 7 * 10.0, KontoVon(b, "Anna", "Giro").m_dStand) << "the copy's settings, caught up";
    b.LadeAlleMonate();
    EXPECT_EQ(kAlleAuftraege, AuftragsTage(b));
}

std::string Modus(const std::string& pfad)
{
    struct stat info
    {
    };
    ::stat(pfad.c_str(), &info);
    return Format("%04o", info.st_mode & 07777);
}

// A save keeps each file's mode; a new settings file, which holds the password, is private; a read-only
// file is never replaced, and then nothing is.
TEST(Schreibjournal, ModiBleibenUndSchreibgeschuetztesBleibtUnberuehrt)
{
    TempOrdner ordner;
    LegeBuchAn(ordner.Pfad());
    EXPECT_EQ("0600", Modus(ordner.Datei("VLMBasic_D.ini")));
    EXPECT_EQ("0644", Modus(ordner.Datei(MuellerName(200903))));
    ::chmod(ordner.Datei(MuellerName(200903)).c_str(), 0640);
    {
        CBasis b;
        StarteLauf(b, ordner.Pfad(), 20090321);
        b.MonatGeaendert(200903);
        ASSERT_EQ(0, SpeichereAlles(b));
    }
    EXPECT_EQ("0600", Modus(ordner.Datei("VLMBasic_D.ini")));
    EXPECT_EQ("0640", Modus(ordner.Datei(MuellerName(200903))));

    ::chmod(ordner.Datei(MuellerName(200903)).c_str(), 0444);
    const auto vorher = Buch(ordner);
    CBasis b;
    StarteLauf(b, ordner.Pfad(), kNachholtag);
    b.MonatGeaendert(200903);
    EXPECT_EQ(-1, SpeichereAlles(b));
    EXPECT_EQ(std::vector<std::string>{ordner.Datei(MuellerName(200903))}, b.m_schreibgeschuetzteDateien);
    EXPECT_TRUE(b.m_nichtGeschriebeneDateien.empty());
    EXPECT_EQ(vorher, Buch(ordner));
    EXPECT_EQ("0444", Modus(ordner.Datei(MuellerName(200903))));
}

} // namespace
} // namespace velmora::test
