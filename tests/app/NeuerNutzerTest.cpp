// A new user's first session, through the windows alone: from an empty data folder to the first
// booking, "Ende", and a second start that finds everything.

#include "Bedienung.h"
#include "CPPToolTip.h"
#include "CVelmoraDlg.h"
#include "EditKategorie.h"
#include "Empfaenger.h"
#include "Haushalt.h"
#include "InOut.h"
#include "PersonenKonten.h"
#include "Start.h"

#include <QAbstractButton>
#include <QTableView>
#include <QTest>
#include <gtest/gtest.h>

namespace velmora::test {
namespace {

Startumgebung Umgebung(int nZeit)
{
    return {FesteUhr(kHeute, nZeit), [] { return kDeutsch; }};
}

template<class Fenster>
Fenster& Offenes(CVelmoraDlg& haupt)
{
    Fenster* fenster = haupt.findChild<Fenster*>();
    if (!fenster)
        throw std::runtime_error("window not open");
    return *fenster;
}

void FamilieMitAnna(CBasis& basis)
{
    CFAMILY& familie = *basis.m_arrFamilien.front();
    familie.m_strName = "Meier";
    NeuesMitglied(familie, "Anna", {{"Bar", 5.0}});
}

void RichteHaushaltEin(CVelmoraDlg& haupt)
{
    Klicke(haupt, 1002);
    auto& einstellungen = Offenes<PersonenKonten>(haupt);
    Tippe(einstellungen, 1010, QStringLiteral("Müller"));
    Tippe(einstellungen, 1017, QStringLiteral("Anna"));
    Klicke(einstellungen, 1020);
    Tippe(einstellungen, 1028, QStringLiteral("Giro-Konto"));
    Tippe(einstellungen, 1029, QStringLiteral("1000,50"));
    Klicke(einstellungen, 1014);

    Klicke(einstellungen, 1061);
    auto& fremdKonten = Offenes<Empfaenger>(haupt);
    Tippe(fremdKonten, 1036, QStringLiteral("Bäckerei"));
    Klicke(fremdKonten, 1032);
    fremdKonten.close();

    Klicke(einstellungen, 1062);
    auto& kategorien = Offenes<EditKategorie>(haupt);
    Tippe(kategorien, 1004, QStringLiteral("Lebensmittel"));
    Klicke(kategorien, 1025);
    Tippe(kategorien, 1005, QStringLiteral("Brot"));
    Klicke(kategorien, 1028);
    kategorien.close();
    RaeumeAuf();

    Klicke(haupt, 1002);
    RaeumeAuf();
    ASSERT_EQ(nullptr, haupt.findChild<PersonenKonten*>()) << "the second press closes the settings";
}

void BucheEinkauf(CVelmoraDlg& haupt)
{
    Klicke(haupt, 1001);
    auto& eingabe = Offenes<InOut>(haupt);
    ASSERT_TRUE(KlickeZeile(Element<QTableView>(eingabe, 1019), QStringLiteral("Anna, Giro-Konto")));
    ASSERT_TRUE(KlickeZeile(Element<QTableView>(eingabe, 1024), QStringLiteral("Bäckerei")));
    ASSERT_TRUE(KlickeZeile(Element<QTableView>(eingabe, 1025), QStringLiteral("Anna")));
    ASSERT_TRUE(KlickeZeile(Element<QTableView>(eingabe, 1026), QStringLiteral("Lebensmittel")));
    ASSERT_TRUE(KlickeZeile(Element<QTableView>(eingabe, 1027), QStringLiteral("Brot")));
    Tippe(eingabe, 1038, QStringLiteral("3,20"));
    ASSERT_TRUE(Aktiv(eingabe, 1040));
    Klicke(eingabe, 1040);
}

TEST(NeuerNutzer, VomLeerenOrdnerBisZurErstenBuchungUndZurueck)
{
    Haushalt haushalt;
    {
        CVelmoraDlg haupt(haushalt.Ordner(), Umgebung(900));
        haupt.show();
        ASSERT_TRUE(Sichtbar(haupt, 1006)) << "a new book starts in the welcome state";
        RichteHaushaltEin(haupt);
        EXPECT_TRUE(Sichtbar(haupt, 1001)) << "with a member the main buttons appear";
        BucheEinkauf(haupt);
        auto* kontostaende = Element<QTableView>(haupt, 1019);
        ASSERT_EQ(2, kontostaende->model()->rowCount());
        EXPECT_EQ(QStringLiteral("Anna, Giro-Konto"), kontostaende->model()->index(1, 1).data().toString());
        EXPECT_EQ(QStringLiteral("997.30"), kontostaende->model()->index(1, 2).data().toString());
        Klicke(haupt, 1);
        EXPECT_EQ(CVelmoraDlg::kEnde, haupt.result());
    }

    CVelmoraDlg wieder(haushalt.Ordner(), Umgebung(1000));
    const CBasis& b = wieder.Basis();
    ASSERT_NE(nullptr, b.Familie());
    EXPECT_EQ("M\xFCller", b.Familie()->m_strName);
    ASSERT_EQ(1u, b.Familie()->m_arrPersonen.size());
    const CPerson& anna = *b.Familie()->m_arrPersonen[0];
    ASSERT_EQ(2u, anna.m_arrKonten.size());
    EXPECT_EQ("Bar", anna.m_arrKonten[0]->m_strName);
    EXPECT_DOUBLE_EQ(997.3, anna.m_arrKonten[1]->m_dStand);
    ASSERT_EQ(1u, b.m_arrZielKonten.size());
    EXPECT_EQ(1, b.m_arrZielKonten[0]->m_nAnzahl);
    ASSERT_EQ(1u, b.m_arrInOut.size());
    const CInOut& t = *b.m_arrInOut[0];
    EXPECT_EQ("Anna, Giro-Konto", t.m_strAuftraggeber);
    EXPECT_EQ("B\xE4"
              "ckerei",
              t.m_strEmpfaenger);
    EXPECT_EQ("Brot", t.m_strUKategorie);
    EXPECT_EQ(1, t.m_nArt);
    EXPECT_EQ(3.2, t.m_dBetrag);
    EXPECT_EQ(kHeute, t.m_nDatum);
    ASSERT_EQ(1u, b.m_arrVorlagen.size());
    EXPECT_EQ("Lebensmittel", b.m_arrVorlagen[0]->m_strKategorie);
    EXPECT_TRUE(Sichtbar(wieder, 1001));
}

TEST(NeuerNutzer, DieEditorenSperrenDieEingabeBisSieSchliessen)
{
    Haushalt haushalt;
    haushalt.Schreibe(FamilieMitAnna);
    CVelmoraDlg haupt(haushalt.Ordner(), Umgebung(900));
    Klicke(haupt, 1001);
    auto& eingabe = Offenes<InOut>(haupt);
    haupt.Benachrichtige(kOeffneFremdKonten, 0);
    EXPECT_FALSE(eingabe.isEnabled());
    Offenes<Empfaenger>(haupt).close();
    RaeumeAuf();
    EXPECT_TRUE(eingabe.isEnabled());

    haupt.Benachrichtige(kOeffneFamilienKonten, 0);
    auto& familienKonten = Offenes<PersonenKonten>(haupt);
    EXPECT_TRUE(Sichtbar(familienKonten, 1010));
    QWidget* tooltips = Element(familienKonten, 1097);
    EXPECT_GE(tooltips->mapTo(&familienKonten, QPoint(0, 0)).y(), familienKonten.height())
        << "the short form leaves the program settings below its lower edge";
}

TEST(NeuerNutzer, DerBallonSchalterWirktSofortImHauptfenster)
{
    Haushalt haushalt;
    haushalt.Schreibe(FamilieMitAnna);
    CVelmoraDlg haupt(haushalt.Ordner(), Umgebung(900));
    ASSERT_EQ(11, haupt.Ballons().ToolCount());
    Klicke(haupt, 1002);
    Klicke(Offenes<PersonenKonten>(haupt), 1097);
    EXPECT_EQ(0, haupt.Basis().m_bTooltips);
    EXPECT_EQ(0, haupt.Ballons().ToolCount());
}

} // namespace
} // namespace velmora::test
