#include "Regelfenster.h"

#include "Anwendungsdialog.h"
#include "Basis.h"
#include "CPPToolTip.h"
#include "Gedaechtnisdatei.h"
#include "Meldung.h"
#include "QtText.h"
#include "Regelballons.h"
#include "Regeldialog.h"
#include "Regelmodell.h"
#include "ui_Regelfenster.h"

#include <QHeaderView>
#include <QItemSelectionModel>

namespace velmora {

Regelfenster::Regelfenster(CBasis& basis, Hub& hub, Importgedaechtnis& gedaechtnis, std::vector<Kontoauszug> auszuege,
                           QWidget* eltern)
    : QDialog(eltern)
    , m_ui(std::make_unique<Ui::Regelfenster>())
    , m_basis(basis)
    , m_hub(hub)
    , m_gedaechtnis(gedaechtnis)
    , m_auszuege(std::move(auszuege))
{
    m_ui->setupUi(this);
    // Opened from the settings before any import of this run, the rules are read here.
    LadeGedaechtnis(m_basis.m_strPfad, m_gedaechtnis);
    m_modell = new Regelmodell(m_basis, m_gedaechtnis.regeln, this);
    m_ui->c1001->setModel(m_modell);
    m_ui->c1001->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_ui->c1001->setSelectionMode(QAbstractItemView::SingleSelection);
    m_ui->c1001->verticalHeader()->hide();
    m_ui->c1001->verticalHeader()->setDefaultSectionSize(22);
    m_ui->c1001->horizontalHeader()->setStretchLastSection(true);
    m_ui->c1001->setTabKeyNavigation(false);
    m_ui->c1001->resizeColumnsToContents();
    SetzeSprache();
    connect(m_ui->c1001->selectionModel(), &QItemSelectionModel::selectionChanged, this, &Regelfenster::ZeigeKnoepfe);
    connect(m_ui->c1001, &QAbstractItemView::doubleClicked, this, &Regelfenster::Bearbeite);
    connect(m_ui->c1002, &QPushButton::clicked, this, &Regelfenster::Neu);
    connect(m_ui->c1003, &QPushButton::clicked, this, &Regelfenster::Bearbeite);
    connect(m_ui->c1004, &QPushButton::clicked, this, [this] { Verschiebe(-1); });
    connect(m_ui->c1005, &QPushButton::clicked, this, [this] { Verschiebe(1); });
    connect(m_ui->c1006, &QPushButton::clicked, this, &Regelfenster::Loesche);
    connect(m_ui->c1007, &QPushButton::clicked, this, &Regelfenster::WendeAn);
    connect(m_ui->c1008, &QPushButton::clicked, this, &QDialog::close);
    m_ballons = new CPPToolTip(this);
    RichteBallonsEin(*m_ballons);
    FuelleRegelfensterballons(*m_ballons, m_basis,
                              [this](int id) { return findChild<QWidget*>(QStringLiteral("c%1").arg(id)); });
    Waehle(0);
}

Regelfenster::~Regelfenster() = default;

void Regelfenster::SetzeSprache()
{
    const bool deutsch = m_basis.Deutsch();
    setWindowTitle(Sprachtext(deutsch, "Import-Regeln", "Import rules"));
    m_ui->c1009->setText(Sprachtext(deutsch,
                                    "Beim Import füllt die erste passende Regel eine Zeile; Regeln mit IBAN gehen "
                                    "vor. Eine Regel geht der letzten Buchung mit demselben Fremd-Konto vor.",
                                    "On import the first matching rule fills a line; rules with an IBAN come "
                                    "first. A rule comes before the last booking with the same external account."));
    const std::pair<QPushButton*, const char*> knoepfe[] = {
        {m_ui->c1002, "Neu…"},       {m_ui->c1003, "Bearbeiten…"}, {m_ui->c1004, "Nach oben"},
        {m_ui->c1005, "Nach unten"}, {m_ui->c1006, "Löschen"},     {m_ui->c1007, "Auf das Buch anwenden…"},
        {m_ui->c1008, "Schließen"},
    };
    const char* englisch[] = {"New…", "Edit…", "Move up", "Move down", "Delete", "Apply to the book…", "Close"};
    for (size_t i = 0; i < std::size(knoepfe); ++i) {
        knoepfe[i].first->setText(Sprachtext(deutsch, knoepfe[i].second, englisch[i]));
        knoepfe[i].first->setAccessibleName(knoepfe[i].first->text());
    }
    m_ui->c1001->setAccessibleName(Sprachtext(deutsch, "Import-Regeln", "Import rules"));
    m_ui->c1009->setAccessibleName(m_ui->c1009->text());
}

int Regelfenster::Gewaehlt() const
{
    const QModelIndexList zeilen = m_ui->c1001->selectionModel()->selectedRows();
    return zeilen.isEmpty() ? -1 : zeilen.front().row();
}

void Regelfenster::Waehle(int zeile)
{
    if (zeile >= 0 && zeile < m_modell->rowCount())
        m_ui->c1001->selectRow(zeile);
    ZeigeKnoepfe();
}

void Regelfenster::ZeigeKnoepfe()
{
    const int zeile = Gewaehlt();
    const int anzahl = m_modell->rowCount();
    m_ui->c1003->setEnabled(zeile >= 0);
    m_ui->c1004->setEnabled(zeile > 0);
    m_ui->c1005->setEnabled(zeile >= 0 && zeile + 1 < anzahl);
    m_ui->c1006->setEnabled(zeile >= 0);
    m_ui->c1007->setEnabled(zeile >= 0);
}

void Regelfenster::Geaendert(int waehle)
{
    m_gedaechtnis.bGeaendert = true;
    m_modell->Neu();
    m_ui->c1001->resizeColumnsToContents();
    Waehle(waehle);
    emit RegelnGeaendert();
}

void Regelfenster::Neu()
{
    Importregel leer;
    Regeldialog dialog(m_basis, m_gedaechtnis, m_auszuege, leer, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    m_gedaechtnis.regeln.push_back(dialog.Regel());
    Geaendert(static_cast<int>(m_gedaechtnis.regeln.size()) - 1);
    Anwendungsdialog::Biete(m_basis, m_hub, m_gedaechtnis, m_gedaechtnis.regeln.back(), this);
}

void Regelfenster::Bearbeite()
{
    const int zeile = Gewaehlt();
    if (zeile < 0)
        return;
    Importregel& regel = m_gedaechtnis.regeln[static_cast<size_t>(zeile)];
    Regeldialog dialog(m_basis, m_gedaechtnis, m_auszuege, regel, this);
    if (dialog.exec() != QDialog::Accepted || dialog.Regel() == regel)
        return;
    regel = dialog.Regel();
    Geaendert(zeile);
    Anwendungsdialog::Biete(m_basis, m_hub, m_gedaechtnis, regel, this);
}

void Regelfenster::Verschiebe(int schritt)
{
    const int zeile = Gewaehlt();
    const int ziel = zeile + schritt;
    if (zeile < 0 || ziel < 0 || ziel >= m_modell->rowCount())
        return;
    std::swap(m_gedaechtnis.regeln[static_cast<size_t>(zeile)], m_gedaechtnis.regeln[static_cast<size_t>(ziel)]);
    Geaendert(ziel);
}

void Regelfenster::Loesche()
{
    const int zeile = Gewaehlt();
    if (zeile < 0 ||
        Meldung(this, QMessageBox::Question, windowTitle(),
                Sprachtext(m_basis.Deutsch(), "Diesen Eintrag wirklich löschen ?", "Really delete this entry ?"),
                QMessageBox::Yes | QMessageBox::No, QMessageBox::No) != QMessageBox::Yes)
        return;
    m_gedaechtnis.regeln.erase(m_gedaechtnis.regeln.begin() + zeile);
    Geaendert(std::min(zeile, static_cast<int>(m_gedaechtnis.regeln.size()) - 1));
}

void Regelfenster::WendeAn()
{
    const int zeile = Gewaehlt();
    if (zeile >= 0 && Anwendungsdialog::Biete(m_basis, m_hub, m_gedaechtnis,
                                              m_gedaechtnis.regeln[static_cast<size_t>(zeile)], this) < 0)
        Meldung(this, QMessageBox::Information, windowTitle(),
                Sprachtext(m_basis.Deutsch(), "Die Regel ändert keine Buchung im Buch.",
                           "The rule changes no booking in the book."));
}

} // namespace velmora
