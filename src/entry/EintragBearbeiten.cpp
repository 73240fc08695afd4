#include "EintragBearbeiten.h"

#include "Basis.h"
#include "QtText.h"
#include "ui_EintragBearbeiten.h"

namespace velmora {

EintragBearbeiten::EintragBearbeiten(const CBasis& basis, bool geloescht, QPoint zelle, QWidget* eltern)
    : QDialog(eltern, Qt::Dialog | Qt::FramelessWindowHint)
    , m_ui(std::make_unique<Ui::EintragBearbeiten>())
{
    m_ui->setupUi(this);
    const bool deutsch = basis.Deutsch();
    setAccessibleName(Sprachtext(deutsch, "Eintrag", "Entry"));
    const Antwortknopf knoepfe[] = {
        {m_ui->c1021, "Eintrag bearbeiten", "Edit entry", kBearbeiten},
        {m_ui->c1022, "Eintrag löschen", "Delete entry", kLoeschen},
        {m_ui->c1025, "Wiederherstellen", "Restore entry", kWiederherstellen},
        {m_ui->c1023, "Entgültig löschen", "Delete definitely", kEndgueltigLoeschen},
        {m_ui->c2, "Abbruch", "CANCEL", kAbbruch},
    };
    RichteAntwortknoepfeEin(deutsch, knoepfe, this, [this](int wahl) { Waehle(wahl); });
    // Restore lies over edit, delete for good over delete; edit stays, disabled, under restore.
    m_ui->c1022->setVisible(!geloescht);
    m_ui->c1021->setEnabled(!geloescht);
    m_ui->c1025->setVisible(geloescht);
    m_ui->c1023->setVisible(geloescht);
    m_ui->c1025->raise();
    m_ui->c1023->raise();
    FokusAufErstenKnopf(knoepfe);
    adjustSize();
    PlatziereBei(*this, zelle);
}

EintragBearbeiten::~EintragBearbeiten() = default;

// A click into another program takes the keyboard away: the pop-up closes as a menu would.
bool EintragBearbeiten::event(QEvent* ereignis)
{
    if (ereignis->type() == QEvent::WindowDeactivate && isVisible())
        reject();
    return QDialog::event(ereignis);
}

void EintragBearbeiten::Waehle(int wahl)
{
    m_nErgebnis = wahl;
    done(wahl);
}

int EintragBearbeiten::Frage(const CBasis& basis, bool geloescht, QPoint zelle, QWidget* eltern)
{
    EintragBearbeiten dialog(basis, geloescht, zelle, eltern);
    return Antworthaken<EintragBearbeiten>::Frage(dialog);
}

void EintragBearbeiten::SetzeAntwort(Antworthaken<EintragBearbeiten>::Antwort antwort)
{
    Antworthaken<EintragBearbeiten>::Setze(std::move(antwort));
}

} // namespace velmora
