#include "CVelmoraDlg.h"

#include "Bilder.h"
#include "CAboutDlg.h"
#include "CImageTextButton.h"
#include "CPPToolTip.h"
#include "Dauerauftrag.h"
#include "EditKategorie.h"
#include "Eintrag_Bearbeiten.h"
#include "Empfaenger.h"
#include "Gedaechtnisdatei.h"
#include "Hauptballons.h"
#include "Hilfe.h"
#include "InOut.h"
#include "Kontoimport.h"
#include "KontostandModell.h"
#include "MaleText.h"
#include "Meldung.h"
#include "Overview.h"
#include "PersonenKonten.h"
#include "Prognose.h"
#include "QtText.h"
#include "Regelfenster.h"
#include "Sprachwahl.h"
#include "Start.h"
#include "Text.h"
#include "Wiederherstellung.h"
#include "grafik.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDropEvent>
#include <QFile>
#include <QFontMetrics>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPainter>
#include <QPushButton>
#include <QStatusBar>
#include <QStyle>
#include <QTableView>
#include <QTime>
#include <QTimer>
#include <QToolTip>
#include <algorithm>

namespace velmora {

namespace {

constexpr int kBreite = 568;
constexpr int kHoehe = 470;
constexpr int kStatusHoehe = 24;
const QPoint kFamilienNameOrt(16, 8);
const QPoint kHeuteOrt(352, 8);
const QPoint kLetzterAufrufOrt(316, 46);
const QPoint kPasswortFrageOrt(80, 200);
const QRect kListenOrt(176, 80, 376, 232);
constexpr Schrift kKopfSchrift{30};
// The family name ends where today's date begins; a longer name is shortened with "…".
const QRect kFamilienNameFeld(kFamilienNameOrt, QPoint(kHeuteOrt.x() - 12, kFamilienNameOrt.y() + 30));

QString AufFamilienNameFeld(const QString& name)
{
    return QFontMetrics(SchriftFuer(kKopfSchrift)).elidedText(name, Qt::ElideRight, kFamilienNameFeld.width());
}

} // namespace

CVelmoraDlg::CVelmoraDlg(const std::string& datenOrdner, Startumgebung umgebung, QWidget* eltern)
    : QDialog(eltern)
    , m_basis(std::make_unique<CBasis>())
{
    m_basis->m_uhr = umgebung.uhr;
    m_nNachgeholt = StarteDaten(*m_basis, datenOrdner, umgebung.bWiederherstellen);
    // The overview and the analyses need every month; they are read on a second thread meanwhile.
    m_basis->LadeMonateVoraus(m_basis->m_nErsterMonat * 100, m_basis->m_nHeute);
    if (m_basis->m_nSprache == 0)
        FrageSprache(umgebung);
    m_kopie = std::make_unique<Wiederherstellung>(*m_basis, !umgebung.bWiederherstellen);

    setObjectName(QStringLiteral("velmora"));
    setWindowTitle(QStringLiteral("Velmora"));
    setFixedSize(kBreite, kHoehe);
    BaueSteuerelemente();
    SetzeSprache();
    WendeSichtbarkeitAn(true);
    FuelleKontostaende();
    if (FamilieHatMitglieder() && !m_basis->m_strPasswort.empty())
        Sperre();
    ErstelleBallons();
    SetzeStatusText();
    TickeUhr();
    m_uhr->start(1000);
    QTimer::singleShot(0, this, &CVelmoraDlg::MeldeAbgeschnitteneDateien);
}

CVelmoraDlg::~CVelmoraDlg()
{
    // Working windows talk to the store and to this window; they go while both still exist.
    m_bBeendet = true;
    m_eingabe.Beende();
    m_auswertung.Beende();
    m_einstellungen.Beende();
    m_uebersicht.Beende();
    m_fremdKonten.Beende();
    m_kategorien.Beende();
    m_dauerAuftraege.Beende();
    m_import.Beende();
    m_vorschau.Beende();
    m_regeln.Beende();
}

void CVelmoraDlg::FrageSprache(const Startumgebung& umgebung)
{
    m_basis->m_nSprache = umgebung.sprachwahl ? umgebung.sprachwahl() : Sprachwahl::Frage(this);
}

void CVelmoraDlg::MeldeAbgeschnitteneDateien()
{
    if (m_basis->m_abgeschnitteneDateien.empty())
        return;
    QStringList namen;
    for (const std::string& pfad : m_basis->m_abgeschnitteneDateien)
        namen << QString::fromStdString(pfad);
    const bool deutsch = m_basis->Deutsch();
    Meldung(this, QMessageBox::Warning, QStringLiteral("Velmora"),
            Sprachtext(deutsch,
                       "Diese Dateien sind beschädigt oder abgeschnitten; gelesen wurde, was vor der Stelle steht:",
                       "These files are damaged or cut short; what stands before the damage was read:") +
                QStringLiteral("\n\n") + namen.join(QLatin1Char('\n')));
    m_basis->m_abgeschnitteneDateien.clear();
}

CImageTextButton* CVelmoraDlg::NeuerBildknopf(int id, const char* beschriftungDe, const char* beschriftungEn,
                                              int bildDe, int bildEn, bool inaktiv)
{
    auto* knopf = new CImageTextButton(this);
    knopf->setObjectName(QStringLiteral("c%1").arg(id));
    const bool deutsch = m_basis->Deutsch();
    const int oben = deutsch ? bildDe : bildEn;
    knopf->SetzeBilder(Bild(oben), Bild(inaktiv ? oben : oben + 1));
    knopf->setAccessibleName(Sprachtext(deutsch, beschriftungDe, beschriftungEn));
    if (inaktiv)
        knopf->setEnabled(false);
    m_steuerelemente[id] = knopf;
    return knopf;
}

void CVelmoraDlg::BaueSteuerelemente()
{
    struct Hauptknopf
    {
        int id;
        int inaktivId;
        const char* de;
        const char* en;
        int bildDe;
        int bildEn;
    };
    const Hauptknopf knoepfe[] = {
        {kEingabe, kEingabeInaktiv, "Eingabe", "Input", 161, 278},
        {kUebersicht, kUebersichtInaktiv, "Einzel-Übersicht", "Overview", 164, 281},
        {kAuswertung, kAuswertungInaktiv, "Auswertung", "Analyses", 167, 284},
        {kDauerAuftraege, kDauerAuftraegeInaktiv, "Daueraufträge", "Standing Orders", 170, 287},
    };
    RichteFensterEin();
    const std::map<int, std::function<void()>> umschalter = {
        {kEingabe, [this] { m_eingabe.Umschalten(); }},
        {kUebersicht, [this] { m_uebersicht.Umschalten(); }},
        {kAuswertung, [this] { m_auswertung.Umschalten(); }},
        {kDauerAuftraege, [this] { m_dauerAuftraege.Umschalten(); }}};
    int y = kListenOrt.top();
    for (const Hauptknopf& k : knoepfe) {
        CImageTextButton* aktiv = NeuerBildknopf(k.id, k.de, k.en, k.bildDe, k.bildEn, false);
        CImageTextButton* inaktiv = NeuerBildknopf(k.inaktivId, k.de, k.en, k.bildDe + 2, k.bildEn + 2, true);
        // A main button whose window is not available looks like its inactive look-alike.
        const int oben = m_basis->Deutsch() ? k.bildDe : k.bildEn;
        aktiv->SetzeBilder(Bild(oben), Bild(oben + 1), Bild(oben + 2));
        aktiv->move(16, y);
        inaktiv->move(16, y);
        connect(aktiv, &QAbstractButton::clicked, this, umschalter.at(k.id));
        y += aktiv->height() + 6;
    }
    CImageTextButton* einstellungen =
        NeuerBildknopf(kEinstellungen, "Grund-Einstellungen", "Settings", 173, 290, false);
    einstellungen->move(16, y);
    connect(einstellungen, &QAbstractButton::clicked, this, [this] { m_einstellungen.Umschalten(); });

    CImageTextButton* ende = NeuerBildknopf(kEnde, "Ende", "End", 175, 274, false);
    CImageTextButton* ohne =
        NeuerBildknopf(kEndeOhneSpeichern, "Ende OHNE speichern", "End without saving", 178, 276, false);
    ohne->move(kBreite - 16 - ohne->width(), kHoehe - kStatusHoehe - 8 - ohne->height());
    ende->move(ohne->x() - 10 - ende->width(), ohne->y());
    connect(ende, &QAbstractButton::clicked, this, &CVelmoraDlg::Ende);
    connect(ohne, &QAbstractButton::clicked, this, &CVelmoraDlg::EndeOhneSpeichern);

    m_modell = new KontostandModell(*m_basis, this);
    m_kontostaende = new QTableView(this);
    m_kontostaende->setObjectName(QStringLiteral("c%1").arg(kKontostaende));
    m_kontostaende->setModel(m_modell);
    m_kontostaende->setGeometry(kListenOrt);
    m_kontostaende->setShowGrid(true);
    m_kontostaende->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_kontostaende->setSelectionMode(QAbstractItemView::SingleSelection);
    m_kontostaende->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_kontostaende->setTabKeyNavigation(false);
    m_kontostaende->verticalHeader()->hide();
    m_kontostaende->verticalHeader()->setDefaultSectionSize(22);
    m_kontostaende->horizontalHeader()->setHighlightSections(false);
    m_kontostaende->horizontalHeader()->setMinimumSectionSize(1);
    m_kontostaende->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_kontostaende->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_steuerelemente[kKontostaende] = m_kontostaende;
    // A double click (or Enter) on an account shows its forecast.
    connect(m_kontostaende, &QAbstractItemView::activated, this,
            [this](const QModelIndex& zeile) { Benachrichtige(kZeigeVorschau, zeile.row()); });

    for (int id : {kWillkommenDeutsch, kWillkommenEnglisch}) {
        auto* bild = new QLabel(this);
        bild->setObjectName(QStringLiteral("c%1").arg(id));
        bild->setPixmap(Bild(id));
        bild->setGeometry(kListenOrt);
        bild->setAlignment(Qt::AlignCenter);
        m_steuerelemente[id] = bild;
    }

    const int untenY = kListenOrt.bottom() + 10;
    auto* sperren = new CImageTextButton(this);
    sperren->setObjectName(QStringLiteral("c%1").arg(kSperren));
    sperren->SetzeBilder(Bild(kSperren), Bild(kSperren));
    sperren->move(kListenOrt.left(), untenY);
    connect(sperren, &QAbstractButton::clicked, this, &CVelmoraDlg::Sperre);
    m_steuerelemente[kSperren] = sperren;

    auto* info = new QPushButton(QStringLiteral("Info"), this);
    info->setObjectName(QStringLiteral("c%1").arg(kInfo));
    info->setGeometry(kListenOrt.left() + 56, untenY + 8, 80, 28);
    info->setAutoDefault(false);
    connect(info, &QPushButton::clicked, this, &CVelmoraDlg::ZeigeInfo);
    m_steuerelemente[kInfo] = info;

    auto* hilfe = new QPushButton(QStringLiteral("Online-Help"), this);
    hilfe->setObjectName(QStringLiteral("c%1").arg(kHilfe));
    hilfe->setGeometry(info->geometry().right() + 8, untenY + 8, 110, 28);
    hilfe->setAutoDefault(false);
    connect(hilfe, &QPushButton::clicked, this, &CVelmoraDlg::ZeigeHilfe);
    m_steuerelemente[kHilfe] = hilfe;

    auto* import = new QPushButton(QStringLiteral("Import"), this);
    import->setObjectName(QStringLiteral("c%1").arg(kImport));
    import->setGeometry(hilfe->geometry().right() + 8, untenY + 8, 64, 28);
    import->setAutoDefault(false);
    connect(import, &QPushButton::clicked, this,
            [this] { Importiere(WaehleAuszugsdateien(m_basis->Deutsch(), this)); });
    m_steuerelemente[kImport] = import;
    setAcceptDrops(true);

    for (int id : {kFlaggeDeutsch, kFlaggeEnglisch}) {
        auto* flagge = new CImageTextButton(this);
        flagge->setObjectName(QStringLiteral("c%1").arg(id));
        flagge->SetzeBilder(Bild(id), Bild(id));
        flagge->setFocusPolicy(Qt::NoFocus);
        flagge->move(kListenOrt.right() - flagge->width(), untenY + 8);
        m_steuerelemente[id] = flagge;
    }

    m_passwort = new QLineEdit(this);
    m_passwort->setObjectName(QStringLiteral("c%1").arg(kPasswort));
    m_passwort->setEchoMode(QLineEdit::Password);
    m_passwort->setGeometry(kPasswortFrageOrt.x(), kPasswortFrageOrt.y() + 40, 240, 30);
    m_passwort->hide();
    connect(m_passwort, &QLineEdit::textChanged, this, &CVelmoraDlg::PruefePasswort);
    m_steuerelemente[kPasswort] = m_passwort;

    m_statusleiste = new QStatusBar(this);
    m_statusleiste->setSizeGripEnabled(false);
    m_statusleiste->setGeometry(0, kHoehe - kStatusHoehe, kBreite, kStatusHoehe);
    m_statusText = new QLabel(m_statusleiste);
    m_statusText->setObjectName(QStringLiteral("statusText"));
    m_statusText->setMinimumWidth(400);
    m_uhrzeit = new QLabel(m_statusleiste);
    m_uhrzeit->setObjectName(QStringLiteral("uhrzeit"));
    m_uhrzeit->setMinimumWidth(100);
    m_statusleiste->addWidget(m_statusText, 1);
    m_statusleiste->addPermanentWidget(m_uhrzeit);

    m_uhr = new QTimer(this);
    connect(m_uhr, &QTimer::timeout, this, &CVelmoraDlg::TickeUhr);
    m_kopieTakt = new QTimer(this);
    m_kopieTakt->setSingleShot(true);
    connect(m_kopieTakt, &QTimer::timeout, this, &CVelmoraDlg::SchreibeKopie);
    m_ballons = new CPPToolTip(this);
    RichteBallonsEin(*m_ballons);
}

void CVelmoraDlg::RichteFensterEin()
{
    m_eingabe.SetzeFabrik([this] { return new InOut(*m_basis, *this, this); });
    m_einstellungen.SetzeFabrik([this] { return NeueEinstellungen(static_cast<int>(PersonenKonten::Form::kVoll)); });
    m_auswertung.SetzeFabrik([this] { return new grafik(*m_basis, *this, this); });
    const auto editor = [this](auto* neu) {
        neu->SetzeEintragsfrage([this](int modus, const std::string& name, const std::string& text, int art) {
            return FrageNachEintrag(modus, name, text, art);
        });
        GibEingabeFreiNach(neu);
        return neu;
    };
    m_fremdKonten.SetzeFabrik([this, editor] { return editor(new Empfaenger(*m_basis, *this, this)); });
    m_kategorien.SetzeFabrik([this, editor] { return editor(new EditKategorie(*m_basis, *this, this)); });
    m_dauerAuftraege.SetzeFabrik([this] { return new Dauerauftrag(*m_basis, *this, this); });
    // Without a parent window: the overview stays usable while the confirmation that opened it waits
    // modally over its settings window.
    m_uebersicht.SetzeFabrik([this] { return new Overview(*m_basis, *this); });
    m_vorschau.SetzeFabrik([this] { return new Prognose(*m_basis, this); });
}

PersonenKonten* CVelmoraDlg::NeueEinstellungen(int form)
{
    auto* einstellungen = new PersonenKonten(*m_basis, *this, this, static_cast<PersonenKonten::Form>(form));
    einstellungen->SetzeEintragsfrage([this](int modus, const std::string& name, const std::string& neu, int art) {
        return FrageNachEintrag(modus, name, neu, art);
    });
    connect(einstellungen, &PersonenKonten::BallonsUmgeschaltet, this, &CVelmoraDlg::ErstelleBallons);
    connect(einstellungen, &PersonenKonten::BallonsUmgeschaltet, this, &CVelmoraDlg::MerkeAenderung);
    // Closing the settings may have changed the family or taken the password; the main window shows it
    // afresh.
    connect(einstellungen, &QObject::destroyed, this, [this] {
        if (m_bBeendet)
            return;
        MerkeAenderung();
        WendeSichtbarkeitAn(false);
        FuelleKontostaende();
        update();
    });
    return einstellungen;
}

void CVelmoraDlg::SperreEingabe()
{
    if (InOut* eingabe = m_eingabe.Offen())
        eingabe->setEnabled(false);
}

void CVelmoraDlg::GibEingabeFreiNach(QWidget* editor)
{
    connect(editor, &QObject::destroyed, this, [this] {
        if (m_bBeendet)
            return;
        if (InOut* eingabe = m_eingabe.Offen()) {
            eingabe->setEnabled(true);
            eingabe->raise();
            eingabe->activateWindow();
        }
    });
}

int CVelmoraDlg::FrageNachEintrag(int modus, const std::string& name, const std::string& neu, int filterArt)
{
    return Eintrag_Bearbeiten::Frage(*this, *m_basis, modus, name, neu, filterArt, QApplication::activeWindow());
}

void CVelmoraDlg::SetzeSprache()
{
    const bool deutsch = m_basis->Deutsch();
    Steuerelement(kFlaggeDeutsch)->setVisible(deutsch);
    Steuerelement(kFlaggeEnglisch)->setVisible(!deutsch);
    Steuerelement(kFlaggeDeutsch)->setAccessibleName(QStringLiteral("Deutsch"));
    Steuerelement(kFlaggeEnglisch)->setAccessibleName(QStringLiteral("English"));
    Steuerelement(kWillkommenDeutsch)->setAccessibleName(QStringLiteral("Willkommen bei Velmora"));
    Steuerelement(kWillkommenEnglisch)->setAccessibleName(QStringLiteral("Welcome to Velmora"));
    Steuerelement(kSperren)->setAccessibleName(Sprachtext(deutsch, "Sperren", "Lock"));
    Steuerelement(kInfo)->setAccessibleName(QStringLiteral("Info"));
    Steuerelement(kImport)->setAccessibleName(Sprachtext(deutsch, "Kontoauszug importieren", "Import bank statement"));
    Steuerelement(kHilfe)->setAccessibleName(Sprachtext(deutsch, "Online-Hilfe", "Online-Help"));
    m_passwort->setAccessibleName(Sprachtext(deutsch, "Passwort", "Password"));
    m_kontostaende->setAccessibleName(Sprachtext(deutsch, "Kontostände", "Balances"));
    m_statusText->setAccessibleName(Sprachtext(deutsch, "Status", "Status"));
    m_uhrzeit->setAccessibleName(Sprachtext(deutsch, "Uhrzeit", "Time"));
}

void CVelmoraDlg::RichteSpaltenEin()
{
    const int client = m_kontostaende->width() - 2 * m_kontostaende->frameWidth();
    const int w = client - m_kontostaende->style()->pixelMetric(QStyle::PM_ScrollBarExtent) - 22;
    RichteKontostandSpaltenEin(*m_kontostaende, w);
}

bool CVelmoraDlg::FamilieHatMitglieder() const
{
    const CFAMILY* familie = m_basis->Familie();
    return familie && !familie->m_arrPersonen.empty();
}

QWidget* CVelmoraDlg::Steuerelement(int id) const
{
    return m_steuerelemente.at(id);
}

void CVelmoraDlg::ZeigeWillkommen()
{
    for (int id : {kEingabe, kUebersicht, kAuswertung, kDauerAuftraege, kSperren, kPasswort, kKontostaende, kImport})
        Steuerelement(id)->hide();
    for (int id : {kEingabeInaktiv, kUebersichtInaktiv, kAuswertungInaktiv, kDauerAuftraegeInaktiv, kEinstellungen})
        Steuerelement(id)->show();
    Steuerelement(kWillkommenDeutsch)->setVisible(m_basis->Deutsch());
    Steuerelement(kWillkommenEnglisch)->setVisible(!m_basis->Deutsch());
}

void CVelmoraDlg::ZeigeNormal()
{
    for (int id : {kEingabeInaktiv, kUebersichtInaktiv, kAuswertungInaktiv, kDauerAuftraegeInaktiv, kWillkommenDeutsch,
                   kWillkommenEnglisch})
        Steuerelement(id)->hide();
    for (int id : {kEingabe, kUebersicht, kAuswertung, kDauerAuftraege, kEinstellungen, kKontostaende, kImport})
        Steuerelement(id)->show();
    Steuerelement(kSperren)->setVisible(!m_basis->m_strPasswort.empty());
    // A window kind still to come keeps its button, but inactive.
    Steuerelement(kEingabe)->setEnabled(m_eingabe.Verfuegbar());
    Steuerelement(kUebersicht)->setEnabled(m_uebersicht.Verfuegbar());
    Steuerelement(kAuswertung)->setEnabled(m_auswertung.Verfuegbar());
    Steuerelement(kDauerAuftraege)->setEnabled(m_dauerAuftraege.Verfuegbar());
    Steuerelement(kEinstellungen)->setEnabled(m_einstellungen.Verfuegbar());
}

void CVelmoraDlg::WendeSichtbarkeitAn(bool start)
{
    if (m_bGesperrt)
        return;
    const CFAMILY* familie = m_basis->Familie();
    if (start) {
        if (FamilieHatMitglieder())
            ZeigeNormal();
        else
            ZeigeWillkommen();
        return;
    }
    if (!familie || familie->m_strName.empty())
        ZeigeWillkommen();
    else if (FamilieHatMitglieder())
        ZeigeNormal();
}

void CVelmoraDlg::FuelleKontostaende()
{
    m_modell->Fuelle();
    RichteSpaltenEin();
    BeschreibeGemaltes();
}

// A book with standing orders tells what the start-up's catch-up booked, so that bookings of days the
// program was closed never arrive unnoticed.
void CVelmoraDlg::SetzeStatusText()
{
    const bool deutsch = m_basis->Deutsch();
    if (m_basis->m_arrDauerAuftraege.empty()) {
        m_statusText->setText(
            Sprachtext(deutsch, " Danke, dass Sie 'Velmora' benutzen !", " Thank you, for using 'Velmora' !"));
        return;
    }
    m_statusText->setText(Sprachtext(deutsch, " Buchungen aus Daueraufträgen seit dem letzten Start: %1",
                                     " Standing-order bookings since the last run: %1")
                              .arg(m_nNachgeholt));
}

void CVelmoraDlg::TickeUhr()
{
    m_uhrzeit->setText(QStringLiteral("             ") + QTime::currentTime().toString(QStringLiteral("HH:mm:ss")));
}

void CVelmoraDlg::ErstelleBallons()
{
    FuelleHauptballons(*m_ballons, *m_basis, [this](int id) { return Steuerelement(id); });
}

void CVelmoraDlg::Benachrichtige(int code, int arg)
{
    SetzeStatusText();
    if (code == kDatenGeaendert || code == kLadeFremdKonten || code == kLadeKategorien ||
        code == kAktualisiereDauerAuftraege)
        MerkeAenderung();
    switch (code) {
        case kDatenGeaendert:
            if (PersonenKonten* einstellungen = m_einstellungen.Offen())
                einstellungen->Aktualisiere();
            if (Empfaenger* fremdKonten = m_fremdKonten.Offen())
                fremdKonten->Aktualisiere();
            if (grafik* auswertung = m_auswertung.Offen())
                auswertung->Aktualisiere();
            // The settings may have renamed, deleted or removed standing orders along with an account.
            if (Dauerauftrag* dauerAuftraege = m_dauerAuftraege.Offen())
                dauerAuftraege->Aktualisiere();
            if (Overview* uebersicht = m_uebersicht.Offen())
                uebersicht->Aktualisiere();
            if (Prognose* vorschau = m_vorschau.Offen())
                vorschau->Aktualisiere();
            WendeSichtbarkeitAn(false);
            FuelleKontostaende();
            update();
            break;
        case kOeffneFremdKonten:
            if (m_fremdKonten.Oeffne())
                SperreEingabe();
            break;
        case kOeffneKategorien:
            if (EditKategorie* editor = m_kategorien.Oeffne()) {
                // A new editor and one already open alike turn to the category asked for.
                if (arg >= 0)
                    editor->WaehleKategorie(arg);
                SperreEingabe();
            }
            break;
        case kOeffneFamilienKonten:
            m_einstellungen.Oeffne(
                [this] { return NeueEinstellungen(static_cast<int>(PersonenKonten::Form::kFamilienKonten)); });
            break;
        case kOeffneImportregeln:
            m_regeln.Oeffne([this] { return new Regelfenster(*m_basis, *this, m_importGedaechtnis, {}, this); });
            break;
        case kBearbeiteTransaktion:
            if (InOut* eingabe = m_eingabe.Oeffne())
                eingabe->LadeEintrag(arg, InOut::kTransaktion);
            break;
        case kLadeFremdKonten:
            if (InOut* eingabe = m_eingabe.Offen())
                eingabe->AktualisiereListen(1);
            break;
        case kLadeKategorien:
            if (InOut* eingabe = m_eingabe.Offen())
                eingabe->AktualisiereListen(4);
            break;
        case kBearbeiteDauerAuftrag:
            if (InOut* eingabe = m_eingabe.Oeffne())
                eingabe->LadeEintrag(arg, InOut::kDauerAuftrag);
            break;
        case kAktualisiereDauerAuftraege:
            if (Dauerauftrag* dauerAuftraege = m_dauerAuftraege.Offen())
                dauerAuftraege->Aktualisiere();
            if (Prognose* vorschau = m_vorschau.Offen())
                vorschau->Aktualisiere();
            FuelleKontostaende();
            break;
        case kZeigeVorschau:
            if (Prognose* vorschau = m_vorschau.Oeffne())
                vorschau->WaehleKonto(arg);
            break;
        default:
            break;
    }
}

Overview* CVelmoraDlg::Uebersicht() const
{
    return m_uebersicht.Offen();
}

void CVelmoraDlg::ZeigeUebersicht(int art, int datum1, int datum2, const std::string& text1, const std::string& text2)
{
    if (art == -1) {
        m_uebersicht.Schliesse();
        return;
    }
    if (Overview* uebersicht = m_uebersicht.Oeffne())
        uebersicht->ZeigeMitFilter(art, datum1, datum2, text1, text2);
}

void CVelmoraDlg::SchliesseArbeitsfenster()
{
    m_eingabe.Schliesse();
    m_auswertung.Schliesse();
    m_einstellungen.Schliesse();
    m_uebersicht.Schliesse();
    m_fremdKonten.Schliesse();
    m_kategorien.Schliesse();
    m_dauerAuftraege.Schliesse();
    m_import.Schliesse();
    m_vorschau.Schliesse();
    m_regeln.Schliesse();
}

void CVelmoraDlg::Sperre()
{
    SchliesseArbeitsfenster();
    for (int id : {kEingabe, kUebersicht, kAuswertung, kDauerAuftraege, kEingabeInaktiv, kUebersichtInaktiv,
                   kAuswertungInaktiv, kDauerAuftraegeInaktiv, kEinstellungen, kKontostaende, kSperren, kImport})
        Steuerelement(id)->hide();
    m_passwort->show();
    m_passwort->clear();
    m_passwort->setFocus();
    m_bGesperrt = true;
    BeschreibeGemaltes();
    update();
}

void CVelmoraDlg::PruefePasswort(const QString& text)
{
    if (!m_bGesperrt || AlsCp1252(text) != m_basis->m_strPasswort)
        return;
    Entsperre();
}

void CVelmoraDlg::Entsperre()
{
    m_bGesperrt = false;
    m_passwort->hide();
    m_passwort->clear();
    WendeSichtbarkeitAn(true);
    BeschreibeGemaltes();
    update();
}

bool CVelmoraDlg::Speichere()
{
    const bool gespeichert = SpeichereAlles(*m_basis) == 0;
    const bool deutsch = m_basis->Deutsch();
    if (gespeichert && !m_basis->m_strSicherungsfehler.empty() && !m_bSicherungsfehlerGemeldet) {
        m_bSicherungsfehlerGemeldet = true;
        Meldung(this, QMessageBox::Warning, QStringLiteral("Velmora"),
                Sprachtext(deutsch,
                           "Die Sicherung der bisherigen Dateien in \"Sicherungen\" konnte nicht angelegt werden; "
                           "das Haushalts-Buch wird trotzdem gespeichert. Grund:",
                           "The backup of the previous files in \"Sicherungen\" could not be made; the household "
                           "book is saved all the same. Reason:") +
                    QStringLiteral("\n\n") +
                    QFile::decodeName(QByteArray::fromStdString(m_basis->m_strSicherungsfehler)));
    }
    if (!m_basis->m_schreibgeschuetzteDateien.empty()) {
        QStringList namen;
        for (const std::string& pfad : m_basis->m_schreibgeschuetzteDateien)
            namen << QFile::decodeName(QByteArray::fromStdString(pfad));
        Meldung(this, QMessageBox::Critical, QStringLiteral("Velmora"),
                Sprachtext(deutsch,
                           "Diese Dateien sind schreibgeschützt; es wurde nichts gespeichert. Bitte das Schreibrecht "
                           "geben und erneut \"Ende\" wählen:",
                           "These files are read-only; nothing was saved. Please make them writable and choose "
                           "\"End\" again:") +
                    QStringLiteral("\n\n") + namen.join(QLatin1Char('\n')));
        return false;
    }
    const bool gemerkt = gespeichert && SpeichereGedaechtnis(m_basis->m_strPfad, m_importGedaechtnis) == 0;
    if (gespeichert && gemerkt)
        return true;
    QStringList namen;
    for (const std::string& pfad : m_basis->m_nichtGeschriebeneDateien)
        namen << QFile::decodeName(QByteArray::fromStdString(pfad));
    if (gespeichert)
        namen << QFile::decodeName(QByteArray::fromStdString(GedaechtnisPfad(m_basis->m_strPfad)));
    Meldung(this, QMessageBox::Critical, QStringLiteral("Velmora"),
            Sprachtext(deutsch,
                       "Diese Dateien konnten nicht geschrieben werden. Bitte Speicherplatz oder Zugriffsrechte "
                       "prüfen und erneut \"Ende\" wählen:",
                       "These files could not be written. Please check the free space or the permissions and "
                       "choose \"End\" again:") +
                QStringLiteral("\n\n") + namen.join(QLatin1Char('\n')));
    return false;
}

void CVelmoraDlg::MerkeAenderung()
{
    if (m_bBeendet || m_kopieTakt->isActive())
        return;
    const qint64 vergangen = m_seitKopie.isValid() ? m_seitKopie.elapsed() : 1000;
    m_kopieTakt->start(static_cast<int>(std::max<qint64>(0, 1000 - vergangen)));
}

void CVelmoraDlg::SchreibeKopie()
{
    if (m_bBeendet)
        return;
    m_kopie->Schreibe();
    m_seitKopie.start();
}

void CVelmoraDlg::BeendeKopie()
{
    m_kopieTakt->stop();
    EntferneWiederherstellung(m_basis->m_strPfad);
}

void CVelmoraDlg::Ende()
{
    if (!Speichere())
        return;
    m_bBeendet = true;
    BeendeKopie();
    SchliesseArbeitsfenster();
    done(kEnde);
}

void CVelmoraDlg::EndeOhneSpeichern()
{
    m_bBeendet = true;
    BeendeKopie();
    SchliesseArbeitsfenster();
    done(kEndeOhneSpeichern);
}

void CVelmoraDlg::closeEvent(QCloseEvent* ereignis)
{
    if (m_bBeendet) {
        ereignis->accept();
        return;
    }
    if (!Speichere()) {
        ereignis->ignore();
        return;
    }
    m_bBeendet = true;
    BeendeKopie();
    SchliesseArbeitsfenster();
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
    if (ereignis->type() == QEvent::ToolTip && m_basis->Familie()) {
        const auto* hilfe = static_cast<QHelpEvent*>(ereignis);
        const QString name = GemalteTexte().front();
        if (kFamilienNameFeld.contains(hilfe->pos()) && AufFamilienNameFeld(name) != name) {
            QToolTip::showText(hilfe->globalPos(), name.trimmed(), this, kFamilienNameFeld);
            return true;
        }
    }
    return QDialog::event(ereignis);
}

void CVelmoraDlg::resizeEvent(QResizeEvent* ereignis)
{
    QDialog::resizeEvent(ereignis);
    RichteSpaltenEin();
}

void CVelmoraDlg::Importiere(const QStringList& dateien)
{
    if (dateien.isEmpty() || m_bGesperrt || !FamilieHatMitglieder())
        return;
    const bool neu = !m_import.Offen();
    Kontoimport* import =
        m_import.Oeffne([this] { return new Kontoimport(*m_basis, *this, m_importGedaechtnis, this); });
    // A window that took in nothing has nothing to show.
    if (import && import->FuegeHinzu(dateien) == 0 && neu)
        import->close();
}

void CVelmoraDlg::dragEnterEvent(QDragEnterEvent* ereignis)
{
    if (!m_bGesperrt && FamilieHatMitglieder() && ereignis->mimeData()->hasUrls())
        ereignis->acceptProposedAction();
}

void CVelmoraDlg::dropEvent(QDropEvent* ereignis)
{
    QStringList dateien;
    for (const QUrl& adresse : ereignis->mimeData()->urls()) {
        if (adresse.isLocalFile())
            dateien << adresse.toLocalFile();
    }
    ereignis->acceptProposedAction();
    Importiere(dateien);
}

void CVelmoraDlg::ZeigeInfo()
{
    CAboutDlg info(*m_basis, this);
    info.exec();
}

void CVelmoraDlg::ZeigeHilfe()
{
    OeffneHilfe(m_basis->Deutsch());
}

QStringList CVelmoraDlg::GemalteTexte() const
{
    const bool deutsch = m_basis->Deutsch();
    QStringList texte;
    if (const CFAMILY* familie = m_basis->Familie())
        texte << AlsQString(Format(" %s", familie->m_strName.c_str()));
    texte << AlsQString(DatumsText(m_basis->m_nHeute, deutsch));
    // The very first run has no previous one to tell of.
    if (m_basis->m_nLetzterAufruf != 0) {
        const std::string letzter = DatumsText(m_basis->m_nLetzterAufruf, deutsch);
        texte << AlsQString(deutsch ? Format("letzter Aufruf: %s", letzter.c_str())
                                    : Format("     last call: %s", letzter.c_str()));
    }
    if (m_bGesperrt && !m_basis->m_strPasswort.empty())
        texte << Sprachtext(deutsch, "Bitte Passwort eingeben:", "Please Enter Password:");
    return texte;
}

void CVelmoraDlg::BeschreibeGemaltes()
{
    // Screen readers cannot see painted texts; the window describes them.
    QStringList texte = GemalteTexte();
    for (QString& text : texte)
        text = text.simplified();
    setAccessibleDescription(texte.join(QStringLiteral(", ")));
}

void CVelmoraDlg::paintEvent(QPaintEvent* ereignis)
{
    QDialog::paintEvent(ereignis);
    QPainter maler(this);
    const QStringList texte = GemalteTexte();
    int n = 0;
    if (m_basis->Familie())
        MaleText(maler, kFamilienNameOrt, AufFamilienNameFeld(texte[n++]), kKopfSchrift, Qt::black);
    MaleText(maler, kHeuteOrt, texte[n++], kKopfSchrift, Qt::black);
    if (m_basis->m_nLetzterAufruf != 0)
        MaleText(maler, kLetzterAufrufOrt, texte[n++], {20}, Qt::black);
    if (n < texte.size())
        MaleText(maler, kPasswortFrageOrt, texte[n], {28}, Qt::black);
}

} // namespace velmora
