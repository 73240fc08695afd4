#include "Anwendungsdialog.h"

#include "Aenderungsliste.h"
#include "Basis.h"
#include "CPPToolTip.h"
#include "Hub.h"
#include "QtText.h"
#include "Regelballons.h"
#include "ui_Anwendungsdialog.h"

#include <QHeaderView>

namespace velmora {

Anwendungsdialog::Anwendungsdialog(CBasis& basis, Hub& hub, std::vector<Regelaenderung> aenderungen, QWidget* eltern)
    : QDialog(eltern)
    , m_ui(std::make_unique<Ui::Anwendungsdialog>())
    , m_basis(basis)
    , m_hub(hub)
{
    m_ui->setupUi(this);
    m_liste = new Aenderungsliste(m_basis, std::move(aenderungen), this);
    m_ui->c1002->setModel(m_liste);
    m_ui->c1002->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_ui->c1002->verticalHeader()->hide();
    m_ui->c1002->verticalHeader()->setDefaultSectionSize(22);
    m_ui->c1002->horizontalHeader()->setStretchLastSection(true);
    m_ui->c1002->setTabKeyNavigation(false);
    m_ui->c1002->resizeColumnsToContents();
    SetzeSprache();
    connect(m_liste, &Aenderungsliste::HakenGeaendert, this,
            [this] { m_ui->c1004->setEnabled(!m_liste->Angehakte().empty()); });
    connect(m_ui->c1004, &QPushButton::clicked, this, &Anwendungsdialog::Aendere);
    connect(m_ui->c1005, &QPushButton::clicked, this, &QDialog::reject);
    m_ballons = new CPPToolTip(this);
    RichteBallonsEin(*m_ballons);
    FuelleAnwendungsballons(*m_ballons, m_basis,
                            [this](int id) { return findChild<QWidget*>(QStringLiteral("c%1").arg(id)); });
}

Anwendungsdialog::~Anwendungsdialog() = default;

void Anwendungsdialog::SetzeSprache()
{
    const bool deutsch = m_basis.Deutsch();
    setWindowTitle(Sprachtext(deutsch, "Regel auf das Buch anwenden", "Apply the rule to the book"));
    m_ui->c1001->setText(
        Sprachtext(deutsch,
                   "Diese %1 Buchungen im Buch würde die Regel ändern. Geändert werden nur die angehakten, "
                   "wie mit „Bearbeiten“ in der Übersicht.",
                   "The rule would change these %1 bookings in the book. Only the ticked ones are changed, "
                   "as an edit from the overview changes them.")
            .arg(m_liste->rowCount()));
    m_ui->c1003->setText(Sprachtext(deutsch,
                                    "Rückgängig machen: Bis „Ende“ bleiben die Dateien im Datenordner, wie sie waren, "
                                    "und „Ende OHNE speichern“ verwirft alle Änderungen dieser Sitzung; nach „Ende“ "
                                    "liegen die vorigen Dateien im Ordner „Sicherungen“ des Datenordners.",
                                    "To undo: until \"End\" the files in the data folder stay as they were, and "
                                    "\"End without saving\" discards every change of this session; after \"End\" "
                                    "the previous files are in the folder \"Sicherungen\" of the data folder."));
    m_ui->c1004->setText(Sprachtext(deutsch, "Ändern", "Change"));
    m_ui->c1005->setText(Sprachtext(deutsch, "Abbrechen", "Cancel"));
    m_ui->c1002->setAccessibleName(Sprachtext(deutsch, "Buchungen, die die Regel ändert", "Bookings the rule changes"));
    for (QLabel* text : {m_ui->c1001, m_ui->c1003})
        text->setAccessibleName(text->text());
    for (QPushButton* knopf : {m_ui->c1004, m_ui->c1005})
        knopf->setAccessibleName(knopf->text());
}

void Anwendungsdialog::Aendere()
{
    m_nGeaendert = WendeAn(m_basis, m_liste->Angehakte());
    if (m_nGeaendert > 0) {
        m_hub.Benachrichtige(kLadeFremdKonten, 0);
        m_hub.Benachrichtige(kLadeKategorien, 0);
        m_hub.Benachrichtige(kDatenGeaendert, 0);
    }
    accept();
}

int Anwendungsdialog::Biete(CBasis& basis, Hub& hub, const Importgedaechtnis& gedaechtnis, const Importregel& regel,
                            QWidget* eltern)
{
    LadeBuchFuerRegeln(basis);
    std::vector<Regelaenderung> aenderungen = Regelaenderungen(basis, gedaechtnis, regel);
    if (aenderungen.empty())
        return -1;
    Anwendungsdialog dialog(basis, hub, std::move(aenderungen), eltern);
    dialog.exec();
    return dialog.Geaendert();
}

} // namespace velmora
