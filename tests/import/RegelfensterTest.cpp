// The rule dialog counts what the data layer counts and points out a rule that matches nothing or
// everything; the rules window orders and deletes; the apply dialog changes only the ticked bookings.

#include "Regelfenster.h"
#include "Aenderungsliste.h"
#include "Anwendungsdialog.h"
#include "Auszugsbau.h"
#include "Bedienung.h"
#include "Buchung.h"
#include "Hub.h"
#include "Regeldialog.h"
#include "Regelmodell.h"

#include <QAbstractItemModelTester>
#include <QComboBox>
#include <QLabel>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>
#include <gtest/gtest.h>

namespace velmora::test {
namespace {

class Zaehlhub final : public Hub
{
public:
    void Benachrichtige(int code, int) override { codes.push_back(code); }
    void ZeigeUebersicht(int, int, int, const std::string&, const std::string&) override {}
    std::vector<int> codes;
};

Auszugszeile Posten(double betrag, const std::string& name)
{
    Auszugszeile z;
    z.nDatum = 20240304;
    z.dBetrag = betrag;
    z.strName = name;
    return z;
}

QString Warnung(Regeldialog& dialog)
{
    QTest::qWait(200);
    return Element<QLabel>(dialog, Regeldialog::kWarnung)->text();
}

TEST(Regeldialog, ZaehltWieDieDatenschichtUndWeistAufNichtsUndAllesHin)
{
    Importhaushalt h;
    CBasis& b = h.Basis();
    for (const int tag : {20240302, 20240303})
        BucheNeu(b, {"Anna, Giro", "Supermarkt", "Anna", "Lebensmittel", "Obst", "", 4.0, tag});
    Kontoauszug auszug;
    auszug.zeilen = {Posten(-10.0, "SUPERMARKT NORD"), Posten(-3.0, "Supermarkt"), Posten(2000.0, "Arbeitgeber"),
                     Posten(-1.0, "Kiosk")};
    Importregel regel;
    regel.strNameEnthaelt = "markt";
    regel.cVorzeichen = '-';
    regel.strKategorie = "Lebensmittel";
    Regeldialog dialog(b, h.Gedaechtnis(), {auszug}, regel);
    dialog.show();
    for (int id : {Regeldialog::kZeilen, Regeldialog::kBuchungen})
        QAbstractItemModelTester pruefer(Element<QTableView>(dialog, id)->model());
    const size_t zeilen = TreffeZeilen(regel, {auszug}).size();
    const size_t buchungen = TreffeBuchungen(b, h.Gedaechtnis(), regel).size();
    EXPECT_EQ(2u, zeilen);
    EXPECT_EQ(3u, buchungen);
    EXPECT_EQ(
        QStringLiteral("Trifft %1 von 4 Zeilen dieses Imports und %2 Buchungen im Buch.").arg(zeilen).arg(buchungen),
        dialog.Zaehlertext());
    EXPECT_EQ(static_cast<int>(zeilen), Element<QTableView>(dialog, Regeldialog::kZeilen)->model()->rowCount());
    EXPECT_EQ(static_cast<int>(buchungen), Element<QTableView>(dialog, Regeldialog::kBuchungen)->model()->rowCount());
    EXPECT_EQ(QString(), Warnung(dialog));
    for (QWidget* element : dialog.findChildren<QWidget*>(QRegularExpression(QStringLiteral("^c10[0-3]\\d$"))))
        EXPECT_FALSE(element->accessibleName().isEmpty()) << element->objectName().toStdString();

    Tippe(dialog, Regeldialog::kNameEnthaelt, QStringLiteral("Bäckerei"));
    EXPECT_EQ(QStringLiteral("Die Bedingungen treffen nichts."), Warnung(dialog));
    Tippe(dialog, Regeldialog::kNameEnthaelt, QString());
    Element<QComboBox>(dialog, 1006)->setCurrentIndex(0);
    Tippe(dialog, 1007, QStringLiteral("0"));
    EXPECT_EQ(QStringLiteral("Die Bedingungen treffen alles: ist das gewollt?"), Warnung(dialog));

    // One character is no condition: the rule is not kept.
    Tippe(dialog, Regeldialog::kNameEnthaelt, QStringLiteral("a"));
    Klicke(dialog, Regeldialog::kSpeichern);
    EXPECT_NE(QDialog::Accepted, dialog.result());
    EXPECT_EQ(QStringLiteral("Ein Text als Bedingung braucht mindestens zwei Zeichen."), Warnung(dialog));
    Tippe(dialog, Regeldialog::kNameEnthaelt, QStringLiteral("kiosk"));
    Klicke(dialog, Regeldialog::kSpeichern);
    EXPECT_EQ(QDialog::Accepted, dialog.result());
    EXPECT_EQ("kiosk", dialog.Regel().strNameEnthaelt);
    EXPECT_EQ(0.0, dialog.Regel().dMin.value_or(-1.0));
}

TEST(Regelfenster, OrdnetLoeschtUndAendertNurAngehakteBuchungen)
{
    Importhaushalt h;
    CBasis& b = h.Basis();
    Importgedaechtnis& g = h.Gedaechtnis();
    Importregel markt;
    markt.strNameEnthaelt = "markt";
    markt.strKategorie = "Wohnen";
    Importregel firma = markt;
    firma.strNameEnthaelt = "arbeit";
    g.regeln = {markt, firma};
    g.bGeaendert = false;
    Zaehlhub hub;
    Regelfenster fenster(b, hub, g, {});
    fenster.show();
    QAbstractItemModelTester pruefer(&fenster.Modell());
    QSignalSpy geaendert(&fenster, &Regelfenster::RegelnGeaendert);
    KlickeZeile(Element<QTableView>(fenster, Regelfenster::kListe), 1);
    Klicke(fenster, Regelfenster::kHoch);
    EXPECT_EQ("arbeit", g.regeln[0].strNameEnthaelt);
    EXPECT_TRUE(g.bGeaendert);
    EXPECT_FALSE(Aktiv(fenster, Regelfenster::kHoch));
    {
        MeldungsMitschrift ja;
        Klicke(fenster, Regelfenster::kLoeschen);
    }
    ASSERT_EQ(1u, g.regeln.size());
    EXPECT_EQ("markt", g.regeln[0].strNameEnthaelt);
    EXPECT_EQ(2, geaendert.count());

    for (const int tag : {20240302, 20240303})
        BucheNeu(b, {"Anna, Giro", "Supermarkt", "Anna", "Lebensmittel", "Obst", "", 4.0, tag});
    const double anna = h.Stand("Anna");
    Anwendungsdialog anwenden(b, hub, Regelaenderungen(b, g, markt));
    QAbstractItemModelTester aenderungen(&anwenden.Liste());
    ASSERT_EQ(3, anwenden.Liste().rowCount());
    anwenden.Liste().setData(anwenden.Liste().index(1, Aenderungsliste::kHaken), Qt::Unchecked, Qt::CheckStateRole);
    Klicke(anwenden, Anwendungsdialog::kAendern);
    EXPECT_EQ(2, anwenden.Geaendert());
    EXPECT_EQ(1u, Regelaenderungen(b, g, markt).size());
    EXPECT_DOUBLE_EQ(anna, h.Stand("Anna"));
    EXPECT_EQ(kDatenGeaendert, hub.codes.back());
}

} // namespace
} // namespace velmora::test
