#include "Spaltenwahl.h"

#include "CsvAuszug.h"
#include "QtText.h"
#include "ui_Spaltenwahl.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QStandardItemModel>

namespace velmora {

namespace {

struct Rollentext
{
    const char* de;
    const char* en;
};

constexpr std::array<Rollentext, kAnzahlSpaltenrollen> kRollentexte = {{
    {"Buchungsdatum", "Booking date"},
    {"Betrag (mit Vorzeichen)", "Amount (signed)"},
    {"Soll (Ausgang)", "Debit (money out)"},
    {"Haben (Eingang)", "Credit (money in)"},
    {"S/H-Kennzeichen", "Debit/credit mark"},
    {"Name des Gegenübers", "Counterparty name"},
    {"IBAN des Gegenübers", "Counterparty IBAN"},
    {"Verwendungszweck", "Purpose"},
    {"Eigene IBAN", "Own IBAN"},
}};

std::function<bool(Spaltenwahl&)>& Antwort()
{
    static std::function<bool(Spaltenwahl&)> antwort;
    return antwort;
}

} // namespace

Spaltenwahl::Spaltenwahl(bool deutsch, const std::string& datei, const CsvVorschau& vorschau, QWidget* eltern)
    : QDialog(eltern)
    , m_ui(std::make_unique<Ui::Spaltenwahl>())
{
    m_ui->setupUi(this);
    setWindowTitle(Sprachtext(deutsch, "Spalten zuordnen", "Assign columns"));
    m_ui->c1030->setText(
        Sprachtext(deutsch,
                   "Die Spalten dieser Datei sind unbekannt. Bitte einmal angeben, welche Spalte was enthält; "
                   "Velmora merkt es sich für Dateien mit derselben Kopfzeile:",
                   "The columns of this file are unknown. Please say once which column holds what; Velmora "
                   "remembers it for files with the same header row:") +
        QStringLiteral("\n") + QString::fromStdString(datei));
    m_ui->c1030->setAccessibleName(m_ui->c1030->text());
    const Spaltenzuordnung vermutet = ErkenneSpalten(vorschau.kopf);
    for (int r = 0; r < kAnzahlSpaltenrollen; ++r) {
        auto* auswahl = new QComboBox(this);
        auswahl->setObjectName(QStringLiteral("c%1").arg(kErsteRolle + r));
        auswahl->addItem(Sprachtext(deutsch, "(keine)", "(none)"));
        for (size_t s = 0; s < vorschau.kopf.size(); ++s)
            auswahl->addItem(QStringLiteral("%1: %2").arg(s + 1).arg(QString::fromStdString(vorschau.kopf[s])));
        auswahl->setCurrentIndex(vermutet.anSpalte[static_cast<size_t>(r)] + 1);
        const QString name =
            Sprachtext(deutsch, kRollentexte[static_cast<size_t>(r)].de, kRollentexte[static_cast<size_t>(r)].en);
        auswahl->setAccessibleName(name);
        m_ui->rollen->addRow(name, auswahl);
        connect(auswahl, &QComboBox::currentIndexChanged, this, &Spaltenwahl::Pruefe);
        m_rollen[static_cast<size_t>(r)] = auswahl;
    }

    auto* modell = new QStandardItemModel(this);
    QStringList kopf;
    for (const std::string& name : vorschau.kopf)
        kopf << QString::fromStdString(name);
    modell->setHorizontalHeaderLabels(kopf);
    for (const auto& zeile : vorschau.ersteZeilen) {
        QList<QStandardItem*> zellen;
        for (const std::string& feld : zeile)
            zellen << new QStandardItem(QString::fromStdString(feld));
        modell->appendRow(zellen);
    }
    m_ui->c1031->setModel(modell);
    m_ui->c1031->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_ui->c1031->setAccessibleName(Sprachtext(deutsch, "Erste Zeilen der Datei", "First rows of the file"));
    m_ui->c1031->horizontalHeader()->setStretchLastSection(true);
    m_ui->c1032->button(QDialogButtonBox::Ok)->setText(Sprachtext(deutsch, "Übernehmen", "Apply"));
    m_ui->c1032->button(QDialogButtonBox::Cancel)->setText(Sprachtext(deutsch, "Abbrechen", "Cancel"));
    for (QAbstractButton* knopf : m_ui->c1032->buttons())
        knopf->setAccessibleName(knopf->text());
    connect(m_ui->c1032, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_ui->c1032, &QDialogButtonBox::rejected, this, &QDialog::reject);
    Pruefe();
}

Spaltenwahl::~Spaltenwahl() = default;

Spaltenzuordnung Spaltenwahl::Zuordnung() const
{
    Spaltenzuordnung z;
    for (size_t r = 0; r < m_rollen.size(); ++r)
        z.anSpalte[r] = m_rollen[r]->currentIndex() - 1;
    return z;
}

// Only a mapping with a date and an amount can be applied.
void Spaltenwahl::Pruefe()
{
    m_ui->c1032->button(QDialogButtonBox::Ok)->setEnabled(Zuordnung().Vollstaendig());
}

std::optional<Spaltenzuordnung> Spaltenwahl::Frage(bool deutsch, const std::string& datei, const CsvVorschau& vorschau,
                                                   QWidget* eltern)
{
    Spaltenwahl dialog(deutsch, datei, vorschau, eltern);
    const bool angenommen = Antwort() ? Antwort()(dialog) : dialog.exec() == QDialog::Accepted;
    if (!angenommen || !dialog.Zuordnung().Vollstaendig())
        return std::nullopt;
    return dialog.Zuordnung();
}

void Spaltenwahl::SetzeAntwort(std::function<bool(Spaltenwahl&)> antwort)
{
    Antwort() = std::move(antwort);
}

} // namespace velmora
