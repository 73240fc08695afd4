#include "Testhaushalt.h"

#include "Familienverwaltung.h"
#include "Fremdkontenverwaltung.h"
#include "Kategorienverwaltung.h"
#include "Meldung.h"
#include "Start.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTableView>
#include <QTest>
#include <filesystem>
#include <random>

namespace velmora::test {

Testhaushalt::Testhaushalt(int sprache)
{
    std::random_device zufall;
    const auto pfad = std::filesystem::temp_directory_path() / ("velmora-einstellungen-" + std::to_string(zufall()));
    std::filesystem::create_directories(pfad);
    m_ordner = pfad.string();
    m_basis = std::make_unique<CBasis>();
    m_basis->m_uhr = FesteUhr(kHeute, 1200);
    StarteDaten(*m_basis, m_ordner);
    m_basis->m_nSprache = sprache;
}

Testhaushalt::~Testhaushalt()
{
    m_basis.reset();
    std::error_code fehler;
    std::filesystem::remove_all(m_ordner, fehler);
}

CBasis& Testhaushalt::NeuerStart()
{
    SpeichereAlles(*m_basis);
    m_basis = std::make_unique<CBasis>();
    m_basis->m_uhr = FesteUhr(kHeute, 1300);
    StarteDaten(*m_basis, m_ordner);
    return *m_basis;
}

void Testhaushalt::RichteMeierEin()
{
    CBasis& b = *m_basis;
    SetzeFamilienName(b, "", "Meier");
    ErstelleMitglied(b, "Anna");
    ErstelleMitglied(b, "Bernd");
    ErstelleKonto(b, 0, "Giro-Konto", 100.0);
    ErstelleFremdKonto(b, "Supermarkt");
    ErstelleFremdKonto(b, "Bank");
    ErstelleKategorie(b, "Wohnen");
    ErstelleUKategorie(b, 0, "Strom");
    ErstelleUKategorie(b, 0, "Miete");
    ErstelleKategorie(b, "Auto");
    CInOut& t = b.NeueTransaktion();
    t.m_strAuftraggeber = "Anna, Giro-Konto";
    t.m_strEmpfaenger = "Supermarkt";
    t.m_strNutzniesser = "Anna";
    t.m_strKategorie = "Wohnen";
    t.m_strUKategorie = "Strom";
    t.m_dBetrag = 30.0;
    t.m_nDatum = kHeute;
    b.BucheTransaktion(t);
    b.MonatGeaendert(kHeute / 100);
    b.m_arrZielKonten[0]->m_bBenutzt = 1;
    b.m_arrZielKonten[0]->m_nAnzahl = 1;
    b.m_arrKategorien[0]->m_bBenutzt = 1;
    b.m_arrKategorien[0]->m_arrUKategorien[0]->m_bBenutzt = 1;
}

void TestHub::Benachrichtige(int code, int arg)
{
    codes.emplace_back(code, arg);
    if (code == kDatenGeaendert && beiAenderung)
        beiAenderung();
}

void Tippe(QWidget& fenster, int id, const QString& text)
{
    QWidget* w = Element(fenster, id);
    auto* feld = qobject_cast<QLineEdit*>(w);
    if (auto* liste = qobject_cast<QComboBox*>(w))
        feld = liste->lineEdit();
    if (!feld)
        return;
    feld->setFocus();
    if (!feld->text().isEmpty()) {
        feld->selectAll();
        QTest::keyClick(feld, Qt::Key_Backspace);
    }
    for (const QChar zeichen : text) {
        if (zeichen.unicode() < 0x80) {
            QTest::keyClicks(feld, QString(zeichen));
            continue;
        }
        // QTest types ASCII only; an umlaut arrives as a key event carrying its text.
        QKeyEvent druck(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(zeichen));
        QCoreApplication::sendEvent(feld, &druck);
    }
}

void Klicke(QWidget& fenster, int id)
{
    auto* knopf = Element<QAbstractButton>(fenster, id);
    // A check box reacts to its box and its caption, not to the empty rest of its width.
    const QPoint ort = qobject_cast<QCheckBox*>(knopf) ? QPoint(8, knopf->height() / 2) : knopf->rect().center();
    QTest::mouseClick(knopf, Qt::LeftButton, {}, ort);
}

void KlickeZeile(QTableView* liste, int zeile)
{
    const QRect feld = liste->visualRect(liste->model()->index(zeile, 0));
    QTest::mouseClick(liste->viewport(), Qt::LeftButton, {}, feld.center());
    QCoreApplication::processEvents();
}

bool Sichtbar(QWidget& fenster, int id)
{
    QWidget* w = Element(fenster, id);
    return w && w->isVisibleTo(&fenster);
}

QString TextIn(QWidget& fenster, int id)
{
    if (auto* feld = Element<QLineEdit>(fenster, id))
        return feld->text();
    return Element<QComboBox>(fenster, id)->currentText();
}

bool Aktiv(QWidget& fenster, int id)
{
    QWidget* w = Element(fenster, id);
    return w && w->isEnabled();
}

QColor Zeilenfarbe(QTableView* liste, int zeile)
{
    return liste->model()->index(zeile, 0).data(Qt::ForegroundRole).value<QBrush>().color();
}

MeldungsMitschrift::MeldungsMitschrift()
{
    SetzeMeldungsAntwort([this](const QString& text) {
        texte.push_back(text);
        return QMessageBox::Yes;
    });
}

MeldungsMitschrift::~MeldungsMitschrift()
{
    SetzeMeldungsAntwort({});
}

} // namespace velmora::test
