#include "DauerAuftragsPanel.h"

#include "Basis.h"
#include "QtText.h"
#include "ui_DauerAuftragsPanel.h"

#include <QDate>
#include <QGroupBox>
#include <QHeaderView>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <tuple>

namespace velmora {

namespace {

constexpr int kTagSpalte = 34;

QDate AlsDatum(int datum)
{
    return QDate(datum / 10000, datum / 100 % 100, datum % 100);
}

int AlsDatumswert(const QDate& datum)
{
    return datum.year() * 10000 + datum.month() * 100 + datum.day();
}

void SetzeZeile(QComboBox* liste, int zeile)
{
    const QSignalBlocker still(liste);
    liste->setCurrentIndex(zeile < liste->count() ? zeile : -1);
}

} // namespace

DauerAuftragsPanel::DauerAuftragsPanel(CBasis& basis, QGroupBox& rahmen)
    : QWidget(&rahmen)
    , m_ui(std::make_unique<Ui::DauerAuftragsPanel>())
    , m_basis(basis)
    , m_entwurf(basis.Deutsch(), basis.m_nHeute)
{
    m_ui->setupUi(this);
    auto* huelle = new QVBoxLayout(&rahmen);
    huelle->setContentsMargins(8, 4, 8, 8);
    huelle->addWidget(this);
    m_ui->c1020->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Fixed);
    m_ui->c1020->horizontalHeader()->setStretchLastSection(true);
    m_ui->c1020->setColumnWidth(0, kTagSpalte);
    m_ui->c1020->verticalHeader()->hide();
    m_ui->c1020->verticalHeader()->setDefaultSectionSize(20);
    SetzeSprache();
    FuelleListen();

    connect(m_ui->c1048, &QCheckBox::clicked, this, [this](bool an) { m_entwurf.m_nAktiv = an ? 1 : 0; });
    connect(m_ui->c1054, &QDateEdit::dateChanged, this,
            [this](const QDate& datum) { m_entwurf.m_nBeginn = AlsDatumswert(datum); });
    connect(m_ui->c1044, &QDateEdit::dateChanged, this,
            [this](const QDate& datum) { m_entwurf.m_nEnde = AlsDatumswert(datum); });
    connect(m_ui->c1118, &QCheckBox::clicked, this, [this](bool offen) {
        m_entwurf.m_nEnde = offen ? kOffenesEnde : AlsDatumswert(m_ui->c1044->date());
        m_ui->c1044->setEnabled(!offen);
    });
    connect(m_ui->c1049, &QRadioButton::clicked, this, [this] { m_entwurf.WaehleMonatlich(); });
    connect(m_ui->c1050, &QRadioButton::clicked, this, [this] { m_entwurf.WaehleWoechentlich(); });
    connect(m_ui->c1053, &QRadioButton::clicked, this, [this] { m_entwurf.WaehleTermine(); });
    connect(m_ui->c1051, &QComboBox::activated, this, [this](int zeile) {
        m_entwurf.SetzeMonatsTag(zeile + 1);
        m_ui->c1049->setChecked(true);
    });
    connect(m_ui->c1052, &QComboBox::activated, this, [this](int zeile) {
        m_entwurf.SetzeWochentag(zeile + 1);
        m_ui->c1050->setChecked(true);
    });
    connect(m_ui->c1057, &QComboBox::activated, this, &DauerAuftragsPanel::TerminGewaehlt);
    connect(m_ui->c1058, &QComboBox::activated, this, &DauerAuftragsPanel::TerminGewaehlt);
    connect(m_ui->c1055, &QPushButton::clicked, this, &DauerAuftragsPanel::FuegeHinzu);
    connect(m_ui->c1056, &QPushButton::clicked, this, &DauerAuftragsPanel::Entferne);
    connect(m_ui->c1020, &QTableWidget::cellClicked, this, [this](int zeile, int) { WaehleTermin(zeile); });
    connect(m_ui->c3, &QPushButton::clicked, this, [this] {
        if (m_ui->c1054->Uebernimm() && m_ui->c1044->Uebernimm())
            emit Uebernehmen();
    });
    connect(m_ui->c1059, &QPushButton::clicked, this, &DauerAuftragsPanel::Abbrechen);
    Neu();
}

DauerAuftragsPanel::~DauerAuftragsPanel() = default;

QWidget* DauerAuftragsPanel::UebernehmenKnopf() const
{
    return m_ui->c3;
}

void DauerAuftragsPanel::SetzeSprache()
{
    const bool deutsch = m_basis.Deutsch();
    m_ui->c1048->setText(Sprachtext(deutsch, "Dauerauftrag aktiv", "Standing Order activ"));
    m_ui->c1107->setText(Sprachtext(deutsch, "Beginn des Auftrags", "Order begin"));
    m_ui->c1108->setText(Sprachtext(deutsch, "Ende des Auftrags", "Order end"));
    m_ui->c1118->setText(Sprachtext(deutsch, "unbefristet", "open-ended"));
    m_ui->c1109->setText(Sprachtext(deutsch, "Zyklus", "Cycle"));
    m_ui->c1049->setText(Sprachtext(deutsch, "monatlich,", "Monthly,"));
    m_ui->c1110->setText(Sprachtext(deutsch, "jeden", "every"));
    m_ui->c1050->setText(Sprachtext(deutsch, "wöchentlich,", "Weekly,"));
    m_ui->c1111->setText(Sprachtext(deutsch, "jeden", "every"));
    m_ui->c1053->setText(Sprachtext(deutsch, "Andere Termine", "Different Dates"));
    m_ui->c1112->setText(Sprachtext(deutsch, "Monat", "Month"));
    m_ui->c1113->setText(Sprachtext(deutsch, "Tag", "Day"));
    m_ui->c3->setText(Sprachtext(deutsch, "Dauerauftrag  übernehmen", "Assume Order"));
    m_ui->c1059->setText(QStringLiteral("Cancel"));
    m_ui->c1020->setHorizontalHeaderLabels({Sprachtext(deutsch, "Tag ", "Day"), Sprachtext(deutsch, "Monat", "Month")});
    m_ui->c1054->SetzeSprache(deutsch);
    m_ui->c1044->SetzeSprache(deutsch);

    for (QWidget* beschriftet : std::initializer_list<QWidget*>{m_ui->c1048, m_ui->c1118, m_ui->c1049, m_ui->c1050,
                                                                m_ui->c1053, m_ui->c3, m_ui->c1059})
        beschriftet->setAccessibleName(static_cast<QAbstractButton*>(beschriftet)->text());
    for (QLabel* beschriftung :
         {m_ui->c1107, m_ui->c1108, m_ui->c1109, m_ui->c1110, m_ui->c1111, m_ui->c1112, m_ui->c1113})
        beschriftung->setAccessibleName(beschriftung->text().trimmed());
    m_ui->c1054->setAccessibleName(m_ui->c1107->text());
    m_ui->c1044->setAccessibleName(m_ui->c1108->text());
    m_ui->c1051->setAccessibleName(Sprachtext(deutsch, "Tag des Monats", "Day of the month"));
    m_ui->c1052->setAccessibleName(Sprachtext(deutsch, "Wochentag", "Weekday"));
    m_ui->c1057->setAccessibleName(Sprachtext(deutsch, "Monat des Termins", "Month of the date"));
    m_ui->c1058->setAccessibleName(Sprachtext(deutsch, "Tag des Termins", "Day of the date"));
    m_ui->c1055->setAccessibleName(Sprachtext(deutsch, "Termin hinzufügen", "Add the date"));
    m_ui->c1056->setAccessibleName(Sprachtext(deutsch, "Termin entfernen", "Remove the date"));
    m_ui->c1020->setAccessibleName(Sprachtext(deutsch, "Termine", "Dates"));
}

void DauerAuftragsPanel::FuelleListen()
{
    const bool deutsch = m_basis.Deutsch();
    for (int tag = 1; tag <= 31; ++tag) {
        m_ui->c1051->addItem(AlsQString(TagesText(tag)));
        m_ui->c1058->addItem(AlsQString(TagesText(tag)));
    }
    for (int wochentag = 1; wochentag <= 7; ++wochentag)
        m_ui->c1052->addItem(QString::fromLatin1(Wochentagsname(wochentag, deutsch)));
    const auto& monate = deutsch ? m_basis.m_astrMonateD : m_basis.m_astrMonateE;
    for (int monat = 1; monat <= 12; ++monat)
        m_ui->c1057->addItem(AlsQString(monate[static_cast<size_t>(monat)]));
}

void DauerAuftragsPanel::Neu()
{
    m_auftrag = nullptr;
    m_entwurf = Auftragsentwurf(m_basis.Deutsch(), m_basis.m_nHeute);
    ZeigeEntwurf();
}

void DauerAuftragsPanel::Lade(CDauerAuftrag& auftrag)
{
    m_auftrag = &auftrag;
    m_entwurf.Lade(auftrag);
    ZeigeEntwurf();
}

// Shows the draft in the controls; the controls report only what the user changes afterwards.
void DauerAuftragsPanel::ZeigeEntwurf()
{
    const QSignalBlocker aktiv(m_ui->c1048);
    m_ui->c1048->setChecked(m_entwurf.m_nAktiv == 1);
    // An order without an end shows the end of the first date's year as the end the user may set.
    const bool offen = m_entwurf.m_nEnde >= kOffenesEnde;
    const int endeVorschlag = m_entwurf.m_nBeginn / 10000 * 10000 + 1231;
    m_ui->c1118->setChecked(offen);
    m_ui->c1044->setEnabled(!offen);
    // A date the pickers cannot show becomes today or the proposed end; the draft takes what they show.
    int ende = offen ? endeVorschlag : m_entwurf.m_nEnde;
    for (auto [feld, datum, ersatz] : {std::tuple{m_ui->c1054, &m_entwurf.m_nBeginn, QDate::currentDate()},
                                       std::tuple{m_ui->c1044, &ende, AlsDatum(endeVorschlag)}}) {
        const QSignalBlocker still(feld);
        const QDate wert = AlsDatum(*datum);
        feld->setDate(wert.isValid() ? wert : ersatz);
        *datum = AlsDatumswert(feld->date());
    }
    if (!offen)
        m_entwurf.m_nEnde = ende;
    QRadioButton* art[] = {m_ui->c1049, m_ui->c1050, m_ui->c1053};
    art[std::clamp(m_entwurf.m_nZyklusArt, 0, 2)]->setChecked(true);
    SetzeZeile(m_ui->c1051, m_entwurf.m_nMonatsTag - 1);
    SetzeZeile(m_ui->c1052, m_entwurf.m_nWochentag - 1);
    SetzeZeile(m_ui->c1057, 0);
    SetzeZeile(m_ui->c1058, 0);
    m_nTerminZeile = -1;
    m_ui->c1056->setEnabled(false);
    ZeigeTermine();
    PruefeHinzufuegen();
}

void DauerAuftragsPanel::ZeigeTermine()
{
    QTableWidget* liste = m_ui->c1020;
    liste->clearContents();
    liste->setRowCount(static_cast<int>(m_entwurf.m_arrTermine.size()));
    int zeile = 0;
    for (const auto& termin : m_entwurf.m_arrTermine) {
        liste->setItem(zeile, 0, new QTableWidgetItem(AlsQString(termin->m_strTermin1)));
        liste->setItem(zeile, 1, new QTableWidgetItem(AlsQString(termin->m_strTermin2)));
        ++zeile;
    }
}

std::string DauerAuftragsPanel::TagText() const
{
    return AlsCp1252(m_ui->c1058->currentText());
}

std::string DauerAuftragsPanel::MonatText() const
{
    return AlsCp1252(m_ui->c1057->currentText());
}

// A date can be added once: the add button is off while the list holds the chosen day and month.
void DauerAuftragsPanel::PruefeHinzufuegen()
{
    m_ui->c1055->setEnabled(!m_entwurf.TerminVorhanden(TagText(), MonatText()));
}

void DauerAuftragsPanel::TerminGewaehlt()
{
    m_entwurf.WaehleTermine();
    m_ui->c1053->setChecked(true);
    PruefeHinzufuegen();
}

void DauerAuftragsPanel::FuegeHinzu()
{
    m_entwurf.FuegeTerminHinzu(m_basis, TagText(), MonatText());
    m_ui->c1053->setChecked(true);
    ZeigeTermine();
    m_ui->c1055->setEnabled(false);
}

void DauerAuftragsPanel::WaehleTermin(int zeile)
{
    if (zeile < 0 || zeile >= static_cast<int>(m_entwurf.m_arrTermine.size()))
        return;
    m_nTerminZeile = zeile;
    const CTermin& termin = *m_entwurf.m_arrTermine[static_cast<size_t>(zeile)];
    SetzeZeile(m_ui->c1058, m_ui->c1058->findText(AlsQString(termin.m_strTermin1)));
    SetzeZeile(m_ui->c1057, m_ui->c1057->findText(AlsQString(termin.m_strTermin2)));
    m_ui->c1056->setEnabled(true);
    PruefeHinzufuegen();
}

void DauerAuftragsPanel::Entferne()
{
    if (m_nTerminZeile < 0 || m_nTerminZeile >= static_cast<int>(m_entwurf.m_arrTermine.size()))
        return;
    const CTermin entfernt = *m_entwurf.m_arrTermine[static_cast<size_t>(m_nTerminZeile)];
    m_entwurf.EntferneTermin(m_nTerminZeile);
    m_nTerminZeile = -1;
    m_ui->c1056->setEnabled(false);
    m_ui->c1053->setChecked(true);
    ZeigeTermine();
    SetzeZeile(m_ui->c1058, m_ui->c1058->findText(AlsQString(entfernt.m_strTermin1)));
    SetzeZeile(m_ui->c1057, m_ui->c1057->findText(AlsQString(entfernt.m_strTermin2)));
    PruefeHinzufuegen();
}

} // namespace velmora
