// Pictures of the entry window in both languages and of the small dialogs, for a person to look at;
// the test itself checks that no control is cut off. VELMORA_BILDER names the folder, else a folder in
// the temporary folder.

#include "EintragBearbeiten.h"
#include "Eintrag_Bearbeiten.h"
#include "FremdKonten.h"
#include "InOut.h"
#include "Testhaushalt.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <gtest/gtest.h>

namespace velmora::test {
namespace {

QString Bilderordner()
{
    const QString ordner = qEnvironmentVariableIsSet("VELMORA_BILDER")
                               ? qEnvironmentVariable("VELMORA_BILDER")
                               : QDir::tempPath() + QStringLiteral("/velmora-eingabe-bilder");
    QDir().mkpath(ordner);
    return ordner;
}

// Every visible text control gets the room its text asks for and lies inside its window.
void PruefeNichtsAbgeschnitten(QWidget& fenster)
{
    const QRect innen = fenster.rect();
    for (QWidget* w : fenster.findChildren<QWidget*>()) {
        if (!w->isVisibleTo(&fenster) ||
            !(qobject_cast<QAbstractButton*>(w) || qobject_cast<QLabel*>(w) || qobject_cast<QLineEdit*>(w)))
            continue;
        const QRect ort(w->mapTo(&fenster, QPoint(0, 0)), w->size());
        EXPECT_TRUE(innen.contains(ort)) << w->objectName().toStdString();
        EXPECT_GE(w->width(), w->minimumSizeHint().width()) << w->objectName().toStdString();
        EXPECT_GE(w->height(), w->minimumSizeHint().height()) << w->objectName().toStdString();
    }
}

void Speichere(QWidget& fenster, const QString& name)
{
    fenster.show();
    QApplication::processEvents();
    PruefeNichtsAbgeschnitten(fenster);
    const QString datei = Bilderordner() + QLatin1Char('/') + name + QStringLiteral(".png");
    EXPECT_TRUE(fenster.grab().save(datei)) << datei.toStdString();
}

TEST(Bildschirmfotos, EingabefensterInBeidenSprachen)
{
    for (int sprache : {kDeutsch, kEnglisch}) {
        Testhaushalt haushalt(sprache);
        haushalt.Ziel("Tankstelle").m_strName = "Annas Blumenladen";
        TestHub hub;
        Eingabefenster fenster(haushalt.Basis(), hub);
        fenster.Klicke(InOut::kEmpfaenger, "Supermarkt");
        fenster.Klicke(InOut::kKategorie, "Lebensmittel");
        fenster.Klicke(InOut::kUKategorie, "Brot");
        fenster.Tippe(QStringLiteral("12,50"));
        Speichere(*fenster, sprache == kDeutsch ? QStringLiteral("eingabe-de") : QStringLiteral("eingabe-en"));
    }
}

// The header of an edit that failed, with its message beside it, over a negative balance.
TEST(Bildschirmfotos, EingabefensterMitMeldung)
{
    Testhaushalt haushalt;
    CBasis& basis = haushalt.Basis();
    basis.Familie()->m_arrPersonen[0]->m_arrKonten[0]->m_dStand = -1234.5;
    CInOut& t = basis.NeueTransaktion();
    t = CInOut{"Anna, Giro", "Supermarkt",    "Alle", "Lebensmittel",
               "Obst",       "Wocheneinkauf", 1,      12.5,
               kHeute,       t.m_nIndex,      1,      -1};
    TestHub hub;
    Eingabefenster fenster(basis, hub);
    fenster->LadeEintrag(t.m_nIndex, InOut::kTransaktion);
    Speichere(*fenster, QStringLiteral("eingabe-bearbeiten-de"));
    t.m_nStatus = -1;
    fenster.Uebernimm();
    Speichere(*fenster, QStringLiteral("eingabe-meldung-de"));
}

TEST(Bildschirmfotos, Dialoge)
{
    Testhaushalt haushalt;
    TestHub hub;
    EintragBearbeiten aktiv(haushalt.Basis(), false, QPoint(100, 100));
    Speichere(aktiv, QStringLiteral("eintrag-popup"));
    EintragBearbeiten geloescht(haushalt.Basis(), true, QPoint(100, 100));
    Speichere(geloescht, QStringLiteral("eintrag-popup-geloescht"));
    Eintrag_Bearbeiten umbenennen(hub, haushalt.Basis(), Eintrag_Bearbeiten::kUmbenennen, "Supermarkt",
                                  "Supermarkt Nord", 12);
    Speichere(umbenennen, QStringLiteral("bestaetigung-umbenennen"));
    Testhaushalt englisch(kEnglisch);
    Eintrag_Bearbeiten loeschen(hub, englisch.Basis(), Eintrag_Bearbeiten::kLoeschen, "Anna, Giro", "", 10);
    Speichere(loeschen, QStringLiteral("bestaetigung-loeschen-en"));
    FremdKonten chooser(englisch.Basis(), QPoint(100, 100));
    Speichere(chooser, QStringLiteral("fremdkonten-en"));
}

} // namespace
} // namespace velmora::test
