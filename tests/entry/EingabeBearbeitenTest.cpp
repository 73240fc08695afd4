// The entry window opened on an existing transaction, and how it closes.

#include "Buchung.h"
#include "InOut.h"
#include "Testhaushalt.h"

#include <QDateEdit>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

namespace velmora::test {
namespace {

int Gebucht(CBasis& basis, const std::string& zahler, const std::string& empfaenger, double betrag, int datum)
{
    Buchungseingabe e;
    e.strZahler = zahler;
    e.strEmpfaenger = empfaenger;
    e.strNutzniesser = "Bernd";
    e.strKategorie = "Auto";
    e.strUKategorie = "Benzin";
    e.strKommentar = "Tanken";
    e.dBetrag = betrag;
    e.nDatum = datum;
    const int position = BucheNeu(basis, e);
    for (auto& datei : basis.m_arrLoadedFiles)
        datei->m_bGeaendert = 0;
    return basis.m_arrInOut[static_cast<size_t>(position)]->m_nIndex;
}

QString Feld(Eingabefenster& fenster, int id)
{
    return static_cast<QLineEdit&>(fenster.Element(id)).text();
}

TEST(Eintragbearbeitung, ZeigtDieTransaktionUndErsetztSie)
{
    Testhaushalt haushalt;
    CBasis& basis = haushalt.Basis();
    const int nIndex = Gebucht(basis, "Anna, Giro", "Tankstelle", 100.0, 20240310);
    ASSERT_EQ(0.0, haushalt.Stand("Anna", "Giro"));
    TestHub hub;
    Eingabefenster fenster(basis, hub);
    fenster->LadeEintrag(nIndex, InOut::kTransaktion);

    EXPECT_EQ(nIndex, fenster->Bearbeitet());
    EXPECT_EQ(QStringLiteral("Eintrag bearbeiten"), fenster->Kopfzeile());
    EXPECT_EQ("Anna, Giro", fenster.Gewaehlt(InOut::kZahler));
    EXPECT_EQ("Tankstelle", fenster.Gewaehlt(InOut::kEmpfaenger));
    EXPECT_EQ("Bernd", fenster.Gewaehlt(InOut::kNutzniesser));
    EXPECT_EQ("Auto", fenster.Gewaehlt(InOut::kKategorie));
    EXPECT_EQ("Benzin", fenster.Gewaehlt(InOut::kUKategorie));
    EXPECT_EQ(QStringLiteral("Tanken"), Feld(fenster, InOut::kKommentar));
    EXPECT_EQ(QStringLiteral("100.00"), Feld(fenster, InOut::kBetrag));
    EXPECT_EQ(QDate(2024, 3, 10), static_cast<QDateEdit&>(fenster.Element(InOut::kDatum)).date());
    EXPECT_TRUE(fenster.UebernehmenAktiv());

    fenster.Tippe(QStringLiteral("80.00"));
    fenster.Uebernimm();
    EXPECT_EQ(20.0, haushalt.Stand("Anna", "Giro")) << "as if only 80.00 had been booked";
    ASSERT_EQ(1u, basis.m_arrInOut.size());
    EXPECT_EQ(80.0, basis.m_arrInOut[0]->m_dBetrag);
    EXPECT_EQ("Tankstelle", basis.m_arrInOut[0]->m_strEmpfaenger);
    EXPECT_EQ("Tanken", basis.m_arrInOut[0]->m_strKommentar);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(fenster.Offen()) << "an edit closes the window";
}

TEST(Eintragbearbeitung, NeuesDatumMarkiertBeideMonate)
{
    Testhaushalt haushalt;
    CBasis& basis = haushalt.Basis();
    const int nIndex = Gebucht(basis, "Anna, Giro", "Tankstelle", 100.0, 20240310);
    TestHub hub;
    Eingabefenster fenster(basis, hub);
    fenster->LadeEintrag(nIndex, InOut::kTransaktion);
    static_cast<QDateEdit&>(fenster.Element(InOut::kDatum)).setDate(QDate(2024, 2, 28));
    fenster.Uebernimm();

    EXPECT_EQ(20240228, basis.m_arrInOut[0]->m_nDatum);
    ASSERT_NE(nullptr, basis.GeladenerMonat(202402));
    EXPECT_EQ(1, basis.GeladenerMonat(202402)->m_bGeaendert);
    EXPECT_EQ(1, basis.GeladenerMonat(202403)->m_bGeaendert);
    EXPECT_EQ(0.0, haushalt.Stand("Anna", "Giro"));
}

TEST(Eintragbearbeitung, UnbekanntesKontoBleibtStehenUndWirdNichtGebucht)
{
    Testhaushalt haushalt;
    CBasis& basis = haushalt.Basis();
    const int nIndex = Gebucht(basis, "Anna, Giro", "Tankstelle", 40.0, 20240310);
    basis.Familie()->m_arrPersonen[0]->m_arrKonten.erase(basis.Familie()->m_arrPersonen[0]->m_arrKonten.begin());
    TestHub hub;
    Eingabefenster fenster(basis, hub);
    fenster->LadeEintrag(nIndex, InOut::kTransaktion);
    EXPECT_EQ(std::string(), fenster.Gewaehlt(InOut::kZahler)) << "no row shows the old account";
    fenster.Tippe(QStringLiteral("30"));
    fenster.Uebernimm();

    EXPECT_EQ("Anna, Giro", basis.m_arrInOut[0]->m_strAuftraggeber) << "the payer is kept, not replaced";
    EXPECT_EQ(30.0, basis.m_arrInOut[0]->m_dBetrag);
    EXPECT_EQ(50.0, haushalt.Stand("Anna", "Bar"));
    EXPECT_EQ(20.0, haushalt.Stand("Bernd", "Bar"));
}

TEST(Eintragbearbeitung, InzwischenGeloeschtWirdNichtNochmalGebucht)
{
    Testhaushalt haushalt;
    CBasis& basis = haushalt.Basis();
    const int nIndex = Gebucht(basis, "Anna, Giro", "Tankstelle", 40.0, 20240310);
    TestHub hub;
    Eingabefenster fenster(basis, hub);
    fenster->LadeEintrag(nIndex, InOut::kTransaktion);
    basis.m_nLoeschNr -= 1;
    basis.StorniereTransaktion(0);
    ASSERT_EQ(100.0, haushalt.Stand("Anna", "Giro"));
    fenster.Tippe(QStringLiteral("30"));
    fenster.Uebernimm();

    EXPECT_EQ(100.0, haushalt.Stand("Anna", "Giro"));
    EXPECT_EQ(-1, basis.m_arrInOut[0]->m_nStatus);
    EXPECT_EQ(QStringLiteral("Der Eintrag wurde inzwischen gelöscht"), fenster->Meldungstext());
    EXPECT_TRUE(fenster.Offen());
    EXPECT_EQ(-1, fenster->Bearbeitet());
    EXPECT_EQ(QStringLiteral("30"), Feld(fenster, InOut::kBetrag)) << "nothing typed is lost";
    EXPECT_TRUE(fenster->accessibleDescription().contains(fenster->Meldungstext()));

    // Committed again, it is a new booking.
    fenster.Uebernimm();
    EXPECT_EQ(2u, basis.m_arrInOut.size());
    EXPECT_EQ(70.0, haushalt.Stand("Anna", "Giro"));
}

TEST(Eintragbearbeitung, GeloeschteTransaktionWirdNichtGeladen)
{
    Testhaushalt haushalt;
    CBasis& basis = haushalt.Basis();
    const int nIndex = Gebucht(basis, "Anna, Giro", "Tankstelle", 40.0, 20240310);
    basis.m_arrInOut[0]->m_nStatus = -2;
    TestHub hub;
    Eingabefenster fenster(basis, hub);
    fenster->LadeEintrag(nIndex, InOut::kTransaktion);
    fenster->LadeEintrag(nIndex + 1, InOut::kTransaktion);
    EXPECT_EQ(-1, fenster->Bearbeitet());
    EXPECT_EQ(QStringLiteral("0"), Feld(fenster, InOut::kBetrag));
}

TEST(Eingabefenster, EscapeSchliesstUndMeldetEs)
{
    Testhaushalt haushalt;
    TestHub hub;
    Eingabefenster fenster(haushalt.Basis(), hub);
    fenster.Tippe(QStringLiteral("5"));
    QTest::keyClick(&fenster.Element(InOut::kBetrag), Qt::Key_Escape);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(fenster.Offen());
    EXPECT_EQ((std::vector<std::pair<int, int>>{{kAktualisiereDauerAuftraege, 0}, {kDatenGeaendert, 0}}),
              hub.nachrichten);
    EXPECT_TRUE(haushalt.Basis().m_arrInOut.empty());
}

} // namespace
} // namespace velmora::test
