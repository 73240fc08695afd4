// Every text of every window shows whole, in both languages, with the longest names and the largest
// amounts: labels, buttons, check boxes, group titles and painted texts fit their space, stay inside
// their window and overlap nothing.

#include "Bedienung.h"
#include "Buehne.h"
#include "CAboutDlg.h"
#include "CPPToolTip.h"
#include "EditKategorie.h"
#include "EintragBearbeiten.h"
#include "Eintrag_Bearbeiten.h"
#include "Empfaenger.h"
#include "FremdKonten.h"
#include "InOut.h"
#include "PersonenKonten.h"
#include "Sprachwahl.h"
#include "Start.h"

#include <QApplication>
#include <QTableView>
#include <gtest/gtest.h>

namespace velmora::test {
namespace {

void Hauptfenster(Buehne& b)
{
    Haushalt leer;
    const int sprache = b.Sprache();
    CVelmoraDlg willkommen(leer.Ordner(), Startumgebung{FesteUhr(kHeute, 1230), [sprache] { return sprache; }});
    b.Pruefe(willkommen, QStringLiteral("welcome"));
    b.Pruefe(b.Haupt());
    b.Basis().m_strPasswort = "geheim";
    b.Haupt().Benachrichtige(kDatenGeaendert, 0);
    b.Pruefe(b.Haupt(), QStringLiteral("lock offered"));
    b.Haupt().Sperre();
    b.Pruefe(b.Haupt(), QStringLiteral("locked"));
}

// Every balloon of a window, opened on its control.
void PruefeBallons(Buehne& b, CPPToolTip& ballons, QWidget& fenster)
{
    for (QWidget* control : fenster.findChildren<QWidget*>()) {
        if (ballons.ToolText(control).isEmpty() || !control->isVisible())
            continue;
        ballons.ZeigeFuer(control, control->mapToGlobal(control->rect().center()));
        if (QWidget* ballon = ballons.Ballon())
            b.Pruefe(*ballon, control->objectName());
        ballons.Verstecke();
    }
}

void Ballons(Buehne& b)
{
    PruefeBallons(b, b.Haupt().Ballons(), b.Haupt());
    auto& eingabe = b.Oeffne<InOut>(CVelmoraDlg::kEingabe);
    PruefeBallons(b, eingabe.Ballons(), eingabe);
    auto& einstellungen = b.Oeffne<PersonenKonten>(CVelmoraDlg::kEinstellungen);
    PruefeBallons(b, einstellungen.Ballons(), einstellungen);
}

void Info(Buehne& b)
{
    CAboutDlg info(b.Basis(), &b.Haupt());
    b.Pruefe(info);
    Sprachwahl sprachwahl(&b.Haupt());
    b.Pruefe(sprachwahl);
    Sprachwahl ersterStart(&b.Haupt(), QStringLiteral("/home/maximiliane-mustermann-schulze/Velmora"));
    b.Pruefe(ersterStart, QStringLiteral("first run"));
}

void Eingabe(Buehne& b)
{
    auto& eingabe = b.Oeffne<InOut>(CVelmoraDlg::kEingabe);
    b.Pruefe(eingabe, QStringLiteral("new"));
    CInOut& gebucht = *b.Basis().m_arrInOut.front();
    b.Haupt().Benachrichtige(kBearbeiteTransaktion, gebucht.m_nIndex);
    b.Pruefe(eingabe, QStringLiteral("editing"));
    // Deleted elsewhere while it was open: the commit refuses with a message.
    gebucht.m_nStatus = -1;
    Klicke(eingabe, InOut::kUebernehmen);
    b.Pruefe(eingabe, QStringLiteral("deleted meanwhile"));
}

void Kleindialoge(Buehne& b)
{
    CBasis& basis = b.Basis();
    for (bool geloescht : {false, true}) {
        EintragBearbeiten popup(basis, geloescht, QPoint(100, 100), &b.Haupt());
        b.Pruefe(popup);
    }
    FremdKonten waehler(basis, QPoint(100, 100), &b.Haupt());
    b.Pruefe(waehler);
    const std::string konto = std::string(kLangesMitglied) + ", " + kLangesKonto;
    Eintrag_Bearbeiten umbenennen(b.Haupt(), basis, Eintrag_Bearbeiten::kUmbenennen, konto,
                                  std::string(kLangesMitglied) + ", " + kLangesFremdKonto, 1, &b.Haupt());
    b.Pruefe(umbenennen);
    Eintrag_Bearbeiten loeschen(b.Haupt(), basis, Eintrag_Bearbeiten::kLoeschen, konto, konto, 10, &b.Haupt());
    b.Pruefe(loeschen);
}

// Both messages with the longest name, the password half confirmed, then a deleted account and member.
void Einstellungen(Buehne& b)
{
    auto& fenster = b.Oeffne<PersonenKonten>(CVelmoraDlg::kEinstellungen);
    b.Pruefe(fenster);
    Tippe(fenster, 1017, QString::fromUtf8(kLangesMitglied));
    Klicke(fenster, 1020);
    Tippe(fenster, 1073, QStringLiteral("geheim"));
    b.Pruefe(fenster, QStringLiteral("member message"));
    Tippe(fenster, 1028, QString::fromUtf8(kLangesKonto));
    Klicke(fenster, 1014);
    b.Pruefe(fenster, QStringLiteral("account message"));
    KlickeZeile(Element<QTableView>(fenster, 1024), 1);
    KlickeZeile(Element<QTableView>(fenster, 1019), 1);
    Klicke(fenster, 1023);
    b.Pruefe(fenster, QStringLiteral("deleted account"));
    Klicke(fenster, 1022);
    b.Pruefe(fenster, QStringLiteral("deleted member"));
}

void FamilienKonten(Buehne& b)
{
    b.Haupt().Benachrichtige(kOeffneFamilienKonten, 0);
    auto& fenster = *b.Haupt().findChild<PersonenKonten*>();
    b.Pruefe(fenster);
    Tippe(fenster, 1017, QString::fromUtf8(kLangesMitglied));
    Klicke(fenster, 1020);
    b.Pruefe(fenster, QStringLiteral("member message"));
}

void Editoren(Buehne& b)
{
    b.Haupt().Benachrichtige(kOeffneFremdKonten, -1);
    auto& fremdKonten = *b.Haupt().findChild<Empfaenger*>();
    b.Pruefe(fremdKonten);
    Tippe(fremdKonten, 1036, QString::fromUtf8(kLangesFremdKonto));
    Klicke(fremdKonten, 1032);
    b.Pruefe(fremdKonten, QStringLiteral("message"));
    fremdKonten.close();

    b.Haupt().Benachrichtige(kOeffneKategorien, 0);
    auto& kategorien = *b.Haupt().findChild<EditKategorie*>();
    b.Pruefe(kategorien);
    Tippe(kategorien, 1004, QString::fromUtf8(kLangeKategorie));
    Klicke(kategorien, 1025);
    b.Pruefe(kategorien, QStringLiteral("message"));
}

// Every window and dialog of the program, staged as a user opens it. A new window adds its line here,
// such as {"Uebersicht", [](Buehne& b) { b.Pruefe(b.Oeffne<Overview>(CVelmoraDlg::kUebersicht)); }}.
struct Auftritt
{
    const char* name;
    void (*spiele)(Buehne&);
};

void PrintTo(const Auftritt& auftritt, std::ostream* aus)
{
    *aus << auftritt.name;
}

const Auftritt kAuftritte[] = {
    {"Hauptfenster", Hauptfenster},
    {"Ballons", Ballons},
    {"Info", Info},
    {"Eingabe", Eingabe},
    {"Kleindialoge", Kleindialoge},
    {"Einstellungen", Einstellungen},
    {"FamilienKonten", FamilienKonten},
    {"Editoren", Editoren},
};

class Textpassung : public ::testing::TestWithParam<Auftritt>
{
};

TEST_P(Textpassung, JederTextPasstInBeidenSprachen)
{
    QStringList befunde;
    for (int sprache : {kDeutsch, kEnglisch}) {
        MeldungsMitschrift meldungen;
        Buehne buehne(sprache);
        GetParam().spiele(buehne);
        for (const QString& befund : buehne.befunde)
            befunde << (sprache == kDeutsch ? QStringLiteral("de ") : QStringLiteral("en ")) + befund;
    }
    EXPECT_EQ("", befunde.join(QLatin1Char('\n')).toStdString());
}

INSTANTIATE_TEST_SUITE_P(Fenster, Textpassung, ::testing::ValuesIn(kAuftritte),
                         [](const ::testing::TestParamInfo<Auftritt>& info) { return std::string(info.param.name); });

} // namespace
} // namespace velmora::test
