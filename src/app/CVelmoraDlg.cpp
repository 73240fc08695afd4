#include "CVelmoraDlg.h"

#include "CAboutDlg.h"
#include "CPPToolTip.h"
#include "Dateiablage.h"
#include "Dateimeldungen.h"
#include "Fensterkopf.h"
#include "Fensterverteiler.h"
#include "Hilfe.h"
#include "Knopfleiste.h"
#include "Kontoimport.h"
#include "Kontostandliste.h"
#include "Passwortsperre.h"
#include "Speichersitzung.h"
#include "Sprachwahl.h"
#include "Start.h"
#include "Statuszeile.h"

#include <QAbstractButton>
#include <QCloseEvent>
#include <QLineEdit>
#include <QPainter>
#include <QTableView>
#include <QTimer>

namespace velmora {

CVelmoraDlg::CVelmoraDlg(const std::string& datenOrdner, Startumgebung umgebung, QWidget* eltern)
    : QDialog(eltern)
    , m_basis(std::make_unique<CBasis>())
{
    m_basis->m_uhr = umgebung.uhr;
    const int nachgeholt = StarteDaten(*m_basis, datenOrdner, umgebung.bWiederherstellen);
    // The overview and the analyses need every month; they are read on a second thread meanwhile.
    m_basis->LadeMonateVoraus(m_basis->m_nErsterMonat * 100, m_basis->m_nHeute);
    if (m_basis->m_nSprache == 0)
        m_basis->m_nSprache = umgebung.sprachwahl ? umgebung.sprachwahl() : Sprachwahl::Frage(this);
    m_sitzung = std::make_unique<Speichersitzung>(*m_basis, !umgebung.bWiederherstellen, this);
    m_fenster = std::make_unique<Fensterverteiler>(*m_basis, *this, m_sitzung->Gedaechtnis(), this);
    m_kopf = std::make_unique<Fensterkopf>(*m_basis);

    setObjectName(QStringLiteral("velmora"));
    setWindowTitle(QStringLiteral("Velmora"));
    setFixedSize(kHauptBreite, kHauptHoehe);
    BaueSteuerelemente(nachgeholt);
    VerbindeKnoepfe();
    WendeSichtbarkeitAn(true);
    FuelleKontostaende();
    if (FamilieHatMitglieder() && !m_basis->m_strPasswort.empty())
        Sperre();
    ErstelleBallons();
    m_status->SetzeText();
    m_status->StarteUhr();
    QTimer::singleShot(0, this, &CVelmoraDlg::MeldeAbgeschnitteneDateien);
}

CVelmoraDlg::~CVelmoraDlg()
{
    // Working windows talk to the store and to this window; they go while both still exist.
    m_sitzung->Verstumme();
    m_fenster->LoescheAlle();
}

// The controls are made in the order the keyboard's focus moves through them.
void CVelmoraDlg::BaueSteuerelemente(int nachgeholt)
{
    m_knoepfe = std::make_unique<Knopfleiste>(*m_basis, *this);
    m_knoepfe->BaueHauptknoepfe();
    m_liste = std::make_unique<Kontostandliste>(*m_basis, this);
    m_knoepfe->Merke(kKontostaende, m_liste->Ansicht());
    m_knoepfe->BaueUntereLeiste();
    m_sperre = new Passwortsperre(*m_basis, this);
    m_knoepfe->Merke(kPasswort, m_sperre->Feld());
    m_status = new Statuszeile(*m_basis, nachgeholt, this);
    m_knoepfe->BaueBallons();
    m_knoepfe->SetzeSprache();
    new Dateiablage(
        this, [this] { return !Gesperrt() && FamilieHatMitglieder(); },
        [this](const QStringList& dateien) { Importiere(dateien); });
}

void CVelmoraDlg::VerbindeKnoepfe()
{
    for (int id : {kEingabe, kUebersicht, kAuswertung, kDauerAuftraege, kEinstellungen})
        connect(m_knoepfe->Knopf(id), &QAbstractButton::clicked, this, [this, id] { m_fenster->Umschalten(id); });
    connect(m_knoepfe->Knopf(kEnde), &QAbstractButton::clicked, this, [this] {
        if (!m_sitzung->Speichere())
            return;
        Beende();
        done(kEnde);
    });
    connect(m_knoepfe->Knopf(kEndeOhneSpeichern), &QAbstractButton::clicked, this, [this] {
        Beende();
        done(kEndeOhneSpeichern);
    });
    connect(m_knoepfe->Knopf(kSperren), &QAbstractButton::clicked, this, &CVelmoraDlg::Sperre);
    connect(m_knoepfe->Knopf(kInfo), &QAbstractButton::clicked, this, [this] { CAboutDlg(*m_basis, this).exec(); });
    connect(m_knoepfe->Knopf(kHilfe), &QAbstractButton::clicked, this, [this] { OeffneHilfe(m_basis->Deutsch()); });
    connect(m_knoepfe->Knopf(kImport), &QAbstractButton::clicked, this,
            [this] { Importiere(WaehleAuszugsdateien(m_basis->Deutsch(), this)); });
    // A double click (or Enter) on an account shows its forecast.
    connect(m_liste->Ansicht(), &QAbstractItemView::activated, this,
            [this](const QModelIndex& zeile) { Benachrichtige(kZeigeVorschau, zeile.row()); });
    connect(m_sperre, &Passwortsperre::Entsperrt, this, &CVelmoraDlg::Entsperre);
    connect(m_fenster.get(), &Fensterverteiler::BallonsUmgeschaltet, this, [this] {
        ErstelleBallons();
        m_sitzung->MerkeAenderung();
    });
    connect(m_fenster.get(), &Fensterverteiler::EinstellungenGeschlossen, this, [this] {
        m_sitzung->MerkeAenderung();
        ZeigeFamilieNeu();
    });
}

void CVelmoraDlg::MeldeAbgeschnitteneDateien()
{
    if (m_basis->m_abgeschnitteneDateien.empty())
        return;
    velmora::MeldeAbgeschnitteneDateien(this, m_basis->Deutsch(), m_basis->m_abgeschnitteneDateien);
    m_basis->m_abgeschnitteneDateien.clear();
}

bool CVelmoraDlg::Gesperrt() const
{
    return m_sperre->Gesperrt();
}

void CVelmoraDlg::ErstelleBallons()
{
    m_knoepfe->ErstelleBallons();
}

CPPToolTip& CVelmoraDlg::Ballons()
{
    return m_knoepfe->Ballons();
}

bool CVelmoraDlg::FamilieHatMitglieder() const
{
    const CFAMILY* familie = m_basis->Familie();
    return familie && !familie->m_arrPersonen.empty();
}

void CVelmoraDlg::WendeSichtbarkeitAn(bool start)
{
    if (Gesperrt())
        return;
    const CFAMILY* familie = m_basis->Familie();
    const auto verfuegbar = [this](int knopf) { return m_fenster->Verfuegbar(knopf); };
    if (start) {
        if (FamilieHatMitglieder())
            m_knoepfe->ZeigeNormal(verfuegbar);
        else
            m_knoepfe->ZeigeWillkommen();
        return;
    }
    if (!familie || familie->m_strName.empty())
        m_knoepfe->ZeigeWillkommen();
    else if (FamilieHatMitglieder())
        m_knoepfe->ZeigeNormal(verfuegbar);
}

void CVelmoraDlg::FuelleKontostaende()
{
    m_liste->Fuelle();
    BeschreibeGemaltes();
}

// The family, its accounts or the password may have changed.
void CVelmoraDlg::ZeigeFamilieNeu()
{
    WendeSichtbarkeitAn(false);
    FuelleKontostaende();
    update();
}

void CVelmoraDlg::Benachrichtige(int code, int arg)
{
    m_status->SetzeText();
    if (code == kDatenGeaendert || code == kLadeFremdKonten || code == kLadeKategorien ||
        code == kAktualisiereDauerAuftraege)
        m_sitzung->MerkeAenderung();
    m_fenster->Benachrichtige(code, arg);
    if (code == kDatenGeaendert)
        ZeigeFamilieNeu();
    else if (code == kAktualisiereDauerAuftraege)
        FuelleKontostaende();
}

Overview* CVelmoraDlg::Uebersicht() const
{
    return m_fenster->Uebersicht();
}

void CVelmoraDlg::ZeigeUebersicht(int art, int datum1, int datum2, const std::string& text1, const std::string& text2)
{
    m_fenster->ZeigeUebersicht(art, datum1, datum2, text1, text2);
}

void CVelmoraDlg::Sperre()
{
    m_fenster->SchliesseAlle();
    m_knoepfe->VersteckeFuerSperre();
    m_sperre->Sperre();
    BeschreibeGemaltes();
    update();
}

void CVelmoraDlg::Entsperre()
{
    WendeSichtbarkeitAn(true);
    BeschreibeGemaltes();
    update();
}

void CVelmoraDlg::Importiere(const QStringList& dateien)
{
    if (dateien.isEmpty() || Gesperrt() || !FamilieHatMitglieder())
        return;
    m_fenster->Importiere(dateien);
}

// The run ends through an end button or the close box, after the save when there was one.
void CVelmoraDlg::Beende()
{
    m_sitzung->Beende();
    m_fenster->Beende();
}

void CVelmoraDlg::closeEvent(QCloseEvent* ereignis)
{
    if (m_sitzung->Beendet()) {
        ereignis->accept();
        return;
    }
    if (!m_sitzung->Speichere()) {
        ereignis->ignore();
        return;
    }
    Beende();
    setResult(kEnde);
    ereignis->accept();
}

void CVelmoraDlg::keyPressEvent(QKeyEvent* ereignis)
{
    // Escape would end the run without saving; a stray key must not throw away a day's entries.
    if (ereignis->key() == Qt::Key_Escape) {
        ereignis->accept();
        return;
    }
    QDialog::keyPressEvent(ereignis);
}

bool CVelmoraDlg::event(QEvent* ereignis)
{
    // A shortened family name shows whole in its tooltip.
    if (ereignis->type() == QEvent::ToolTip && m_kopf->ZeigeTipp(*static_cast<QHelpEvent*>(ereignis), this))
        return true;
    return QDialog::event(ereignis);
}

void CVelmoraDlg::resizeEvent(QResizeEvent* ereignis)
{
    QDialog::resizeEvent(ereignis);
    m_liste->RichteSpaltenEin();
}

void CVelmoraDlg::BeschreibeGemaltes()
{
    setAccessibleDescription(m_kopf->Beschreibung(Gesperrt()));
}

void CVelmoraDlg::paintEvent(QPaintEvent* ereignis)
{
    QDialog::paintEvent(ereignis);
    QPainter maler(this);
    m_kopf->Male(maler, Gesperrt());
}

} // namespace velmora
