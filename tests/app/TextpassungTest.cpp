// Every text of every window shows whole, in both languages, with the longest names and the largest
// amounts: labels, buttons, check boxes, group titles and painted texts fit their space, stay inside
// their window and overlap nothing.

#include "Anwendungsdialog.h"
#include "Auftragsentwurf.h"
#include "Bedienung.h"
#include "Buehne.h"
#include "CAboutDlg.h"
#include "CPPToolTip.h"
#include "Dauerauftrag.h"
#include "Druckwahl.h"
#include "EditKategorie.h"
#include "EintragBearbeiten.h"
#include "Eintrag_Bearbeiten.h"
#include "Empfaenger.h"
#include "FremdKonten.h"
#include "InOut.h"
#include "Kontoimport.h"
#include "Overview.h"
#include "PersonenKonten.h"
#include "Prognose.h"
#include "Regeldialog.h"
#include "Regelfenster.h"
#include "Spaltenwahl.h"
#include "Sprachwahl.h"
#include "Start.h"
#include "grafik.h"

#include <QApplication>
#include <QComboBox>
#include <QTableView>
#include <fstream>
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
    auto& auswertung = b.Oeffne<grafik>(CVelmoraDlg::kAuswertung);
    PruefeBallons(b, auswertung.Ballons(), auswertung);
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
    Druckwahl druckwahl(basis.m_nSprache, true, &b.Haupt());
    b.Pruefe(druckwahl);
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

// The analyses with the largest amount booked in every month of two years, income in this year and
// expenses in the last, so that the totals reach nine digits and their differences carry a sign; then
// restricted to the longest account, and to the longest category with its sub-category.
void Auswertung(Buehne& b)
{
    CBasis& basis = b.Basis();
    const std::string konto = std::string(kLangesMitglied) + ", " + kLangesKonto;
    for (int monat = 1; monat <= 12; ++monat) {
        for (const auto& [jahr, art] : {std::pair{2026, 0}, {2025, 1}}) {
            CInOut& t = basis.NeueTransaktion();
            t.m_strAuftraggeber = art == 0 ? kLangesFremdKonto : konto;
            t.m_strEmpfaenger = art == 0 ? konto : kLangesFremdKonto;
            t.m_strNutzniesser = kLangesMitglied;
            t.m_strKategorie = kLangeKategorie;
            t.m_strUKategorie = "Wohngeb\xE4udeversicherungen";
            t.m_nArt = art;
            t.m_dBetrag = kGroessterBetrag;
            t.m_nDatum = jahr * 10000 + monat * 100 + 1;
            t.m_nStatus = 1;
        }
    }
    auto& fenster = b.Oeffne<grafik>(CVelmoraDlg::kAuswertung);
    b.Pruefe(fenster);
    Element<QComboBox>(fenster, grafik::kAuswahl)->setCurrentIndex(1);
    Element<QComboBox>(fenster, grafik::kZweiteAuswahl)->setCurrentIndex(0);
    b.Pruefe(fenster, QStringLiteral("family account"));
    Element<QComboBox>(fenster, grafik::kAuswahl)->setCurrentIndex(4);
    for (int monat = 0; monat < 12; ++monat) {
        b.Pruefe(fenster, QStringLiteral("category, month %1").arg(12 - monat));
        Klicke(fenster, grafik::kMonatAZurueck);
    }
}

// The longest names with the largest amount, weekly, so that the yearly totals are as long as they get.
CDauerAuftrag& LangerDauerAuftrag(CBasis& basis)
{
    auto& a = *basis.m_arrDauerAuftraege.emplace_back(std::make_unique<CDauerAuftrag>());
    a.m_strAuftraggeber = std::string(kLangesMitglied) + ", " + kLangesKonto;
    a.m_strEmpfaenger = kLangesFremdKonto;
    a.m_strNutzniesser = kLangesMitglied;
    a.m_strKategorie = kLangeKategorie;
    a.m_strUKategorie = "Wohngeb\xE4udeversicherungen";
    a.m_strKommentar = "Abschlag Strom und Wasser f\xFCr das ganze Jahr";
    a.m_dBetrag = kGroessterBetrag;
    a.m_nZyklus = 53;
    a.m_strZyklus = ZyklusBeschreibung(53, basis.Deutsch());
    a.m_nStatus = 1;
    a.m_nBeginn = kHeute;
    return a;
}

// The list whole, filtered by the long account, searched, with a deleted order; then the entry window
// on a new order and on the long one with its fixed dates, and the balloons of both.
void Dauerauftraege(Buehne& b)
{
    LangerDauerAuftrag(b.Basis());
    LangerDauerAuftrag(b.Basis()).m_n48 = -1;
    auto& liste = b.Oeffne<Dauerauftrag>(CVelmoraDlg::kDauerAuftraege);
    b.Pruefe(liste);
    PruefeBallons(b, liste.Ballons(), liste);
    KlickeZeile(Element<QTableView>(liste, Dauerauftrag::kListe), 0);
    b.Pruefe(liste, QStringLiteral("filtered"));
    Tippe(liste, Dauerauftrag::kSuche, QStringLiteral("Wasser"));
    b.Pruefe(liste, QStringLiteral("searched"));

    Klicke(liste, Dauerauftrag::kNeu);
    auto& eingabe = *b.Haupt().findChild<InOut*>();
    b.Pruefe(eingabe, QStringLiteral("new order"));
    Tippe(eingabe, InOut::kBetrag, QString());
    Klicke(eingabe, 3);
    b.Pruefe(eingabe, QStringLiteral("no amount"));
    CDauerAuftrag& lang = *b.Basis().m_arrDauerAuftraege.front();
    lang.m_nZyklus = 0;
    for (int monat = 1; monat <= 12; ++monat)
        lang.m_arrTermine.push_back(std::make_unique<CTermin>(
            CTermin{TagesText(monat + 19), b.Basis().MonatsName(monat), 0, "", monat * 100 + monat + 19}));
    b.Haupt().Benachrichtige(kBearbeiteDauerAuftrag, lang.m_nNr);
    b.Pruefe(eingabe, QStringLiteral("editing an order"));
    PruefeBallons(b, eingabe.Ballons(), eingabe);
}

// The import window on a statement with the long names and the largest amount, and the page that
// assigns the columns of an unknown CSV layout, each with its balloons.
void Import(Buehne& b)
{
    const std::string ordner = b.Basis().m_strPfad;
    const std::string auszug = ordner + "/auszug.csv";
    std::ofstream(auszug) << "Buchungstag;Empfänger;Verwendungszweck;Betrag\n"
                          << "01.03.2009;" << kLangesFremdKonto << " Filiale 1234;" << std::string(120, 'W')
                          << ";-9.999.999,99\n";
    const std::string fremd = ordner + "/fremd.csv";
    std::ofstream(fremd) << "Tag;Wer;Wieviel\n01.03.2009;" << kLangesFremdKonto << ";-9999999,99\n";
    const QString konto = QString::fromUtf8(kLangesMitglied) + QStringLiteral(", ") + QString::fromUtf8(kLangesKonto);
    Kontoimport::SetzeKontofrage([&konto](const QString&, const QString&, const QStringList&) { return konto; });
    Spaltenwahl::SetzeAntwort([&b](Spaltenwahl& dialog) {
        b.Pruefe(dialog);
        PruefeBallons(b, dialog.Ballons(), dialog);
        return false;
    });
    b.Haupt().Importiere({QString::fromStdString(auszug), QString::fromStdString(fremd)});
    Kontoimport::SetzeKontofrage({});
    Spaltenwahl::SetzeAntwort({});
    auto& import = *b.Haupt().findChild<Kontoimport*>();
    b.Pruefe(import);
    PruefeBallons(b, import.Ballons(), import);
}

// The rule dialog, the rules window and the dialog that applies a rule to the book, with the long names
// and the largest amount, each with its balloons.
void Importregeln(Buehne& b)
{
    Importregel regel;
    regel.strNameEnthaelt = regel.strZweckEnthaelt = kLangesFremdKonto;
    regel.strIban = "DE02120300000000202051";
    regel.cVorzeichen = '-';
    regel.dMin = 0.0;
    regel.dMax = 99999999.99;
    regel.strKonto = kLangesFremdKonto;
    regel.strNutzniesser = kLangesMitglied;
    regel.strKategorie = kLangeKategorie;
    regel.strKommentar = std::string(60, 'W');
    Kontoauszug auszug;
    Auszugszeile zeile;
    zeile.nDatum = kHeute;
    zeile.dBetrag = -99999999.99;
    zeile.strName = zeile.strZweck = kLangesFremdKonto;
    auszug.zeilen = {zeile, zeile};
    Importgedaechtnis gedaechtnis;
    gedaechtnis.bGeladen = true;
    gedaechtnis.regeln = {regel, regel};
    Regeldialog dialog(b.Basis(), gedaechtnis, {auszug}, regel, &b.Haupt());
    b.Pruefe(dialog);
    PruefeBallons(b, dialog.Ballons(), dialog);
    Regelfenster fenster(b.Basis(), b.Haupt(), gedaechtnis, {}, &b.Haupt());
    b.Pruefe(fenster);
    PruefeBallons(b, fenster.Ballons(), fenster);
    const std::string konto = std::string(kLangesMitglied) + ", " + kLangesKonto;
    const Buchungseingabe alt{
        konto, kLangesFremdKonto, kLangesMitglied, kLangeKategorie, "Wohngeb\xE4udeversicherungen",
        "",    9999999.99,        kHeute};
    Anwendungsdialog anwenden(b.Basis(), b.Haupt(), {{1, alt, alt}, {2, alt, alt}}, &b.Haupt());
    b.Pruefe(anwenden);
    PruefeBallons(b, anwenden.Ballons(), anwenden);
}

// The overview with the largest amounts in its totals, filtered by the long account (its key the longest
// there is), by the long member and by the long sub-category within its category, searched, and its
// balloons.
void Uebersicht(Buehne& b)
{
    b.KlickeHaupt(CVelmoraDlg::kUebersicht);
    Overview& fenster = *b.Haupt().Uebersicht();
    b.Pruefe(fenster);
    PruefeBallons(b, fenster.Ballons(), fenster);
    const std::string konto = std::string(kLangesMitglied) + ", " + kLangesKonto;
    b.Haupt().ZeigeUebersicht(1, kHeute / 100 * 100, kHeute, konto, konto);
    b.Pruefe(fenster, QStringLiteral("account"));
    b.Haupt().ZeigeUebersicht(9, kHeute / 100 * 100, kHeute, kLangesMitglied, kLangesMitglied);
    b.Pruefe(fenster, QStringLiteral("member"));
    b.Haupt().ZeigeUebersicht(kFilterUKategorieIn, kHeute / 100 * 100, kHeute, kLangeKategorie,
                              "Wohngeb\xE4udeversicherungen");
    b.Pruefe(fenster, QStringLiteral("sub-category of a category"));
    Tippe(fenster, Overview::kSuche, QStringLiteral("Wasser"));
    b.Pruefe(fenster, QStringLiteral("searched"));
}

// The forecast of the long account with the largest weekly order, then of the whole family, and its
// balloons; the balance list's amounts show whole beside the names.
void Vorschau(Buehne& b)
{
    LangerDauerAuftrag(b.Basis());
    b.Haupt().Benachrichtige(kDatenGeaendert, 0);
    auto* liste = b.Haupt().findChild<QTableView*>(QStringLiteral("c%1").arg(CVelmoraDlg::kKontostaende));
    for (int spalte : {2, 3}) {
        if (static_cast<QAbstractItemView*>(liste)->sizeHintForColumn(spalte) > liste->columnWidth(spalte))
            b.befunde << QStringLiteral("balance list: column %1 is cut").arg(spalte);
    }
    b.Haupt().Benachrichtige(kZeigeVorschau, 0);
    auto& fenster = *b.Haupt().findChild<Prognose*>();
    b.Pruefe(fenster);
    PruefeBallons(b, fenster.Ballons(), fenster);
    fenster.WaehleKonto(-1);
    b.Pruefe(fenster, QStringLiteral("family"));
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
    {"Auswertung", Auswertung},
    {"Dauerauftraege", Dauerauftraege},
    {"Import", Import},
    {"Importregeln", Importregeln},
    {"Uebersicht", Uebersicht},
    {"Vorschau", Vorschau},
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
