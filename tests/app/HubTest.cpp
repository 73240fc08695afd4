// The main window as the hub between the entry window and the editors it asks for.

#include "Bedienung.h"
#include "CVelmoraDlg.h"
#include "EditKategorie.h"
#include "Empfaenger.h"
#include "FremdKonten.h"
#include "Fremdkontenverwaltung.h"
#include "Haushalt.h"
#include "InOut.h"
#include "Kategorienverwaltung.h"
#include "Start.h"

#include <QTableView>
#include <QTest>
#include <gtest/gtest.h>

namespace velmora::test {
namespace {

void FamilieMitListen(CBasis& basis)
{
    CFAMILY& familie = *basis.m_arrFamilien.front();
    familie.m_strName = "Meier";
    NeuesMitglied(familie, "Anna", {{"Bar", 5.0}, {"Giro", 100.0}});
    for (const char* name : {"Supermarkt", "Bank"})
        ErstelleFremdKonto(basis, name);
    for (const char* name : {"Wohnen", "Auto"})
        ErstelleKategorie(basis, name);
}

const std::string& Geschrieben(Haushalt& haushalt)
{
    haushalt.Schreibe(FamilieMitListen);
    return haushalt.Ordner();
}

struct Hauptfenster
{
    InOut& OeffneEingabe()
    {
        Klicke(haupt, CVelmoraDlg::kEingabe);
        return *haupt.findChild<InOut*>();
    }

    Haushalt haushalt;
    CVelmoraDlg haupt{Geschrieben(haushalt), Startumgebung{FesteUhr(kHeute, 900), [] { return kDeutsch; }}};
};

void Rechtsklick(InOut& eingabe, int liste, int zeile)
{
    auto* ansicht = Element<QTableView>(eingabe, liste);
    QTest::mouseClick(ansicht->viewport(), Qt::RightButton, {},
                      ansicht->visualRect(ansicht->model()->index(zeile, 0)).center());
}

std::vector<QString> Zeilen(InOut& eingabe, int liste)
{
    const QAbstractItemModel* modell = Element<QTableView>(eingabe, liste)->model();
    std::vector<QString> zeilen;
    for (int z = 0; z < modell->rowCount(); ++z)
        zeilen.push_back(modell->index(z, 0).data().toString());
    return zeilen;
}

// Editors opened from the settings before the entry window: a right click in the entry window asks for
// them again. They come forward, the entry window waits until they close, and the category editor turns
// to the category clicked.
TEST(Hub, EinSchonOffenerEditorLaesstDieEingabeWarten)
{
    Hauptfenster h;
    h.haupt.Benachrichtige(kOeffneFremdKonten, -1);
    h.haupt.Benachrichtige(kOeffneKategorien, -1);
    InOut& eingabe = h.OeffneEingabe();
    ASSERT_TRUE(eingabe.isEnabled());

    FremdKonten::SetzeAntwort([](FremdKonten&) { return static_cast<int>(FremdKonten::kFremdKonten); });
    Rechtsklick(eingabe, InOut::kEmpfaenger, 0);
    FremdKonten::SetzeAntwort({});
    EXPECT_FALSE(eingabe.isEnabled()) << "code 3";
    h.haupt.findChild<Empfaenger*>()->close();
    RaeumeAuf();
    ASSERT_TRUE(eingabe.isEnabled());

    auto& kategorien = *h.haupt.findChild<EditKategorie*>();
    ASSERT_EQ(QStringLiteral("Wohnen"), TextIn(kategorien, 1002));
    Rechtsklick(eingabe, InOut::kKategorie, 1);
    EXPECT_FALSE(eingabe.isEnabled()) << "code 5";
    EXPECT_EQ(QStringLiteral("Auto"), TextIn(kategorien, 1002));
    kategorien.close();
    RaeumeAuf();
    EXPECT_TRUE(eingabe.isEnabled());
}

// A new external account reaches the open entry window through code 4: payer and payee list alike
// start with the family's accounts.
TEST(Hub, NeueFremdKontenErreichenDieEingabe)
{
    Hauptfenster h;
    InOut& eingabe = h.OeffneEingabe();
    ASSERT_EQ(QStringLiteral("Supermarkt"), Zeilen(eingabe, InOut::kEmpfaenger).front());
    h.haupt.Benachrichtige(kOeffneFremdKonten, -1);
    auto& fremdKonten = *h.haupt.findChild<Empfaenger*>();
    Tippe(fremdKonten, 1036, QStringLiteral("Bäckerei"));
    Klicke(fremdKonten, 1032);
    const std::vector<QString> erwartet{QStringLiteral("Anna, Bar"), QStringLiteral("Anna, Giro"),
                                        QStringLiteral("Supermarkt"), QStringLiteral("Bank"),
                                        QStringLiteral("Bäckerei")};
    EXPECT_EQ(erwartet, Zeilen(eingabe, InOut::kZahler));
    EXPECT_EQ(erwartet, Zeilen(eingabe, InOut::kEmpfaenger));
}

} // namespace
} // namespace velmora::test
