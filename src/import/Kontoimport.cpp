#include "Kontoimport.h"

#include "Anwendungsdialog.h"
#include "Basis.h"
#include "CPPToolTip.h"
#include "Gedaechtnisdatei.h"
#include "Hub.h"
#include "ImportDelegat.h"
#include "ImportModell.h"
#include "Importballons.h"
#include "Meldung.h"
#include "QtText.h"
#include "Regeldialog.h"
#include "Regelfenster.h"
#include "Spaltenwahl.h"
#include "Verwaltung.h"
#include "ui_Kontoimport.h"

#include <QFileDialog>
#include <QHeaderView>
#include <QInputDialog>
#include <QMenu>

namespace velmora {

namespace {

Kontoimport::Kontofrage& Kontohaken()
{
    static Kontoimport::Kontofrage frage;
    return frage;
}

QString FrageKonto(bool deutsch, const QString& datei, const QString& iban, const QStringList& konten, QWidget* eltern)
{
    if (Kontohaken())
        return Kontohaken()(datei, iban, konten);
    bool ok = false;
    const QString text = Sprachtext(deutsch, "Zu welchem Familien-Konto gehört dieser Auszug?",
                                    "Which family account is this statement of?") +
                         QStringLiteral("\n") + datei + (iban.isEmpty() ? QString() : QStringLiteral("\nIBAN ") + iban);
    const QString konto = QInputDialog::getItem(eltern, Sprachtext(deutsch, "Konto wählen", "Choose account"), text,
                                                konten, 0, false, &ok);
    return ok ? konto : QString();
}

} // namespace

void Kontoimport::SetzeKontofrage(Kontoimport::Kontofrage frage)
{
    Kontohaken() = std::move(frage);
}

Kontoimport::Kontoimport(CBasis& basis, Hub& hub, Importgedaechtnis& gedaechtnis, QWidget* eltern)
    : QDialog(eltern)
    , m_ui(std::make_unique<Ui::Kontoimport>())
    , m_basis(basis)
    , m_hub(hub)
    , m_gedaechtnis(gedaechtnis)
    , m_sammlung(basis, gedaechtnis)
{
    m_ui->setupUi(this);
    setModal(false);
    m_modell = new ImportModell(m_basis, gedaechtnis.regeln, this);
    m_ui->c1001->setModel(m_modell);
    m_ui->c1001->setItemDelegate(new ImportDelegat(m_basis, this));
    m_ui->c1001->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_ui->c1001->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::SelectedClicked |
                                 QAbstractItemView::EditKeyPressed);
    // Tab leaves the table for the buttons; the arrow keys walk the cells and F2 edits one.
    m_ui->c1001->setTabKeyNavigation(false);
    m_ui->c1001->verticalHeader()->setDefaultSectionSize(22);
    m_ui->c1001->horizontalHeader()->setStretchLastSection(true);
    // Column widths from the first rows: measuring all of a long statement would keep the preview waiting.
    m_ui->c1001->horizontalHeader()->setResizeContentsPrecision(100);
    m_ui->c1005->setValue(kStandardToleranz);
    SetzeSprache();
    connect(m_modell, &ImportModell::ZahlenGeaendert, this, &Kontoimport::ZeigeZahlen);
    connect(m_ui->c1005, &QSpinBox::valueChanged, this, [this] { Berechne(); });
    connect(m_ui->c1002, &QPushButton::clicked, this, &Kontoimport::Buche);
    connect(m_ui->c1003, &QPushButton::clicked, this, &QDialog::close);
    connect(m_ui->c1007, &QPushButton::clicked, this, &Kontoimport::WaehleDateien);
    connect(m_ui->c1008, &QPushButton::clicked, this, &Kontoimport::LegeRegelAn);
    connect(m_ui->c1009, &QPushButton::clicked, this, &Kontoimport::ZeigeRegeln);
    m_ui->c1001->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_ui->c1001, &QWidget::customContextMenuRequested, this, [this](const QPoint& punkt) {
        if (!m_ui->c1001->indexAt(punkt).isValid())
            return;
        m_ui->c1001->setCurrentIndex(m_ui->c1001->indexAt(punkt));
        QMenu menue(this);
        menue.addAction(m_ui->c1008->text(), this, &Kontoimport::LegeRegelAn);
        menue.exec(m_ui->c1001->viewport()->mapToGlobal(punkt));
    });
    m_ballons = new CPPToolTip(this);
    RichteBallonsEin(*m_ballons);
    FuelleImportballons(*m_ballons, m_basis,
                        [this](int id) { return findChild<QWidget*>(QStringLiteral("c%1").arg(id)); });
    if (LadeGedaechtnis(m_basis.m_strPfad, gedaechtnis) != 0)
        Meldung(this, QMessageBox::Warning, windowTitle(),
                Sprachtext(m_basis.Deutsch(),
                           "Die Import-Datei ist beschädigt; Velmora beginnt mit leerem Gedächtnis:\n",
                           "The import file is damaged; Velmora starts with an empty memory:\n") +
                    QString::fromStdString(GedaechtnisPfad(m_basis.m_strPfad)));
    ZeigeZahlen();
}

Kontoimport::~Kontoimport() = default;

void Kontoimport::SetzeSprache()
{
    const bool deutsch = m_basis.Deutsch();
    setWindowTitle(Sprachtext(deutsch, "Kontoauszug importieren", "Import bank statement"));
    m_ui->c1006->setText(Sprachtext(deutsch, "Schon gebucht, wenn Datum bis zu so viele Tage abweicht:",
                                    "Already booked when the date differs by up to days:"));
    m_ui->c1002->setText(Sprachtext(deutsch, "Buchen", "Book"));
    m_ui->c1003->setText(Sprachtext(deutsch, "Abbrechen", "Cancel"));
    m_ui->c1007->setText(Sprachtext(deutsch, "Weitere Dateien…", "More files…"));
    m_ui->c1008->setText(Sprachtext(deutsch, "Regel anlegen…", "Create rule…"));
    m_ui->c1009->setText(Sprachtext(deutsch, "Regeln…", "Rules…"));
    m_ui->c1001->setAccessibleName(Sprachtext(deutsch, "Vorgeschlagene Buchungen", "Proposed bookings"));
    m_ui->c1005->setAccessibleName(m_ui->c1006->text());
    m_ui->c1006->setAccessibleName(m_ui->c1006->text());
    for (QPushButton* knopf : {m_ui->c1002, m_ui->c1003, m_ui->c1007, m_ui->c1008, m_ui->c1009})
        knopf->setAccessibleName(knopf->text());
}

QString Kontoimport::Zaehlertext() const
{
    const bool deutsch = m_basis.Deutsch();
    return Sprachtext(deutsch, "%1 Zeilen, %2 angehakt, %3 schon gebucht, %4 vorgemerkt (übersprungen)",
                      "%1 lines, %2 ticked, %3 already booked, %4 pending (skipped)")
        .arg(m_modell->rowCount())
        .arg(m_modell->Angehakt())
        .arg(m_modell->Duplikate())
        .arg(m_nVorgemerkt);
}

void Kontoimport::ZeigeZahlen()
{
    m_ui->c1004->setText(Zaehlertext());
    m_ui->c1004->setAccessibleName(m_ui->c1004->text());
    m_ui->c1002->setEnabled(m_modell->Angehakt() > 0);
    m_ui->c1008->setEnabled(m_modell->rowCount() > 0);
}

int Kontoimport::FuegeHinzu(const QStringList& dateien)
{
    const bool deutsch = m_basis.Deutsch();
    QStringList fehler;
    QStringList konten;
    for (const std::string& konto : Familienkonten(m_basis))
        konten << AlsQString(konto);
    int aufgenommen = 0;
    for (const QString& datei : dateien) {
        const std::string pfad = datei.toStdString();
        Leseergebnis gelesen = m_sammlung.Lies(pfad);
        if (gelesen.bZuordnen) {
            const std::optional<Spaltenzuordnung> zuordnung = Spaltenwahl::Frage(m_basis, pfad, gelesen.vorschau, this);
            if (!zuordnung)
                continue;
            gelesen = m_sammlung.Lies(pfad, &*zuordnung);
        }
        if (!gelesen.Ok()) {
            fehler << QString::fromStdString(Fehlertext(pfad, gelesen.fehler, deutsch));
            continue;
        }
        for (Kontoauszug& auszug : gelesen.auszuege) {
            std::string konto = m_sammlung.Konto(auszug);
            if (konto.empty())
                konto = AlsCp1252(FrageKonto(deutsch, datei, QString::fromStdString(auszug.strIban), konten, this));
            if (konto.empty() || !m_basis.IstEigenesKonto(konto))
                continue;
            m_sammlung.Fuege(std::move(auszug), konto);
            ++aufgenommen;
        }
    }
    if (!fehler.isEmpty())
        Meldung(this, QMessageBox::Warning, windowTitle(),
                Sprachtext(deutsch, "Aus diesen Dateien wird nichts gebucht:", "Nothing is booked from these files:") +
                    QStringLiteral("\n\n") + fehler.join(QStringLiteral("\n\n")));
    if (aufgenommen > 0)
        Berechne();
    return aufgenommen;
}

void Kontoimport::Berechne(bool regeln)
{
    Importergebnis ergebnis = m_sammlung.Vorschlaege(m_ui->c1005->value());
    const std::vector<Importvorschlag>& bisher = m_modell->Vorschlaege();
    for (size_t i = 0; i < bisher.size() && i < ergebnis.vorschlaege.size(); ++i) {
        Importvorschlag& neu = ergebnis.vorschlaege[i];
        if (regeln && (neu.nRegel >= 0 || bisher[i].nRegel >= 0))
            continue;
        const bool duplikat = neu.bDuplikat;
        neu = bisher[i];
        if (duplikat)
            neu.bAngehakt = false;
        else if (neu.bDuplikat)
            neu.bAngehakt = Buchbar(neu);
        neu.bDuplikat = duplikat;
    }
    m_nVorgemerkt = ergebnis.nVorgemerkt;
    m_modell->Setze(std::move(ergebnis.vorschlaege));
    m_ui->c1001->resizeColumnsToContents();
}

void Kontoimport::LegeRegelAn()
{
    const int zeile = m_ui->c1001->currentIndex().row();
    if (zeile < 0 || zeile >= m_modell->rowCount())
        return;
    const Importvorschlag& v = m_modell->Vorschlaege()[static_cast<size_t>(zeile)];
    const Auszugszeile& posten =
        m_sammlung.Auszuege()[static_cast<size_t>(v.nAuszug)].zeilen[static_cast<size_t>(v.nPosten)];
    Regeldialog dialog(m_basis, m_gedaechtnis, m_sammlung.Auszuege(), RegelAusZeile(m_basis, posten, v), this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    m_gedaechtnis.regeln.push_back(dialog.Regel());
    m_gedaechtnis.bGeaendert = true;
    Berechne(true);
    Anwendungsdialog::Biete(m_basis, m_hub, m_gedaechtnis, m_gedaechtnis.regeln.back(), this);
}

void Kontoimport::ZeigeRegeln()
{
    Regelfenster fenster(m_basis, m_hub, m_gedaechtnis, m_sammlung.Auszuege(), this);
    bool geaendert = false;
    connect(&fenster, &Regelfenster::RegelnGeaendert, this, [&geaendert] { geaendert = true; });
    fenster.exec();
    if (geaendert)
        Berechne(true);
}

void Kontoimport::WaehleDateien()
{
    FuegeHinzu(WaehleAuszugsdateien(m_basis.Deutsch(), this));
}

void Kontoimport::Buche()
{
    const Buchungszeitraum zeitraum = m_sammlung.Buche(m_modell->Vorschlaege());
    if (zeitraum.nAnzahl == 0)
        return;
    // An open entry window offers the new external accounts and the re-sorted categories at once.
    m_hub.Benachrichtige(kLadeFremdKonten, 0);
    m_hub.Benachrichtige(kLadeKategorien, 0);
    m_hub.Benachrichtige(kDatenGeaendert, 0);
    // The overview shows the booked days, by the statement's account when there was one: the bank's lines
    // as the book now holds them, with the account's income and expenses.
    if (zeitraum.strKonto.empty())
        m_hub.ZeigeUebersicht(0, zeitraum.nVon, zeitraum.nBis, {}, {});
    else
        m_hub.ZeigeUebersicht(kFilterKonto, zeitraum.nVon, zeitraum.nBis, zeitraum.strKonto, zeitraum.strKonto);
    close();
}

QStringList WaehleAuszugsdateien(bool deutsch, QWidget* eltern)
{
    return QFileDialog::getOpenFileNames(eltern, Sprachtext(deutsch, "Kontoauszüge wählen", "Choose bank statements"),
                                         QString(),
                                         Sprachtext(deutsch, "Kontoauszüge (*.xml *.csv *.txt);;Alle Dateien (*)",
                                                    "Bank statements (*.xml *.csv *.txt);;All files (*)"));
}

} // namespace velmora
