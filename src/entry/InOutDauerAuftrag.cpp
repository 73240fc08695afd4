// The entry window in standing-order mode: loading an order into the pickers and the panel, opening
// the panel, and committing the order.

#include "InOut.h"

#include "Auftragsentwurf.h"
#include "AuswahlAnsicht.h"
#include "Basis.h"
#include "DauerAuftragsPanel.h"
#include "Hub.h"
#include "QtText.h"
#include "Texte.h"
#include "ui_InOut.h"

#include <QScreen>

namespace velmora {

namespace {

// Distances the enlarged window keeps from the edges of the screen.
constexpr int kAbstandUnten = 32;
constexpr int kAbstandRechts = 4;

} // namespace

void InOut::RichteDauerAuftragEin()
{
    m_dauerAuftrag = new DauerAuftragsPanel(m_basis, *m_ui->c1106);
    connect(m_dauerAuftrag, &DauerAuftragsPanel::Uebernehmen, this, &InOut::UebernimmDauerAuftrag);
    connect(m_dauerAuftrag, &DauerAuftragsPanel::Abbrechen, this, &InOut::close);
}

void InOut::LadeDauerAuftrag(int nummer)
{
    if (m_nBearbeitet >= 0) {
        // An order to edit ends a transaction's edit: the overview that asked for it may sort and filter again.
        m_nBearbeitet = -1;
        m_hub.Benachrichtige(kDatenGeaendert, 0);
    }
    m_strMeldung.clear();
    CDauerAuftrag* auftrag = OffenerDauerAuftrag(m_basis, nummer);
    m_nDauerAuftragsModus = auftrag ? 1 : 2;
    if (!auftrag) {
        m_dauerAuftrag->Neu();
        OeffneDauerAuftragsPanel();
        return;
    }
    WaehleText(kZahlerListe, auftrag->m_strAuftraggeber);
    WaehleText(kEmpfaengerListe, auftrag->m_strEmpfaenger);
    WaehleText(kNutzniesserListe, auftrag->m_strNutzniesser);
    WaehleText(kKategorieListe, auftrag->m_strKategorie);
    WaehleText(kUKategorieListe, auftrag->m_strUKategorie);
    m_ui->c1039->setText(AlsQString(auftrag->m_strKommentar));
    m_ui->c1038->setText(QString::asprintf("%5.2f", auftrag->m_dBetrag));
    m_dauerAuftrag->Lade(*auftrag);
    OeffneDauerAuftragsPanel();
}

void InOut::OeffneDauerAuftragsPanel()
{
    if (m_ui->c1106->isHidden())
        m_nHoeheOhnePanel = height();
    m_ui->c1106->show();
    m_ui->c1040->setEnabled(false);
    m_ui->c1042->setEnabled(false);
    // The layout keeps 15 pixels below the panel; the window grows until the panel has its room.
    layout()->activate();
    resize(width(), std::max(height(), minimumSizeHint().height()));
    BleibeAufDemBildschirm();
    // The lists got their final height only now; their chosen rows come into view again.
    for (AuswahlAnsicht* ansicht : m_ansichten)
        ansicht->ZeigeGewaehlt();
    m_dauerAuftrag->UebernehmenKnopf()->setFocus();
    Zeige();
}

// A transaction to edit ends the standing-order mode, as an order to edit ends a transaction's edit: the
// window holds the entry asked for last. The order's unsaved changes go; the list that asked for the order
// learns that its edit has ended.
void InOut::SchliesseDauerAuftragsPanel()
{
    if (m_nDauerAuftragsModus == 0)
        return;
    m_nDauerAuftragsModus = 0;
    m_ui->c1106->hide();
    m_ui->c1042->setEnabled(true);
    layout()->activate();
    resize(width(), m_nHoeheOhnePanel);
    m_hub.Benachrichtige(kAktualisiereDauerAuftraege, 0);
}

// The grown window moves up to end 32 pixels above the screen's bottom and left to end 4 pixels before
// its right edge when it would pass them; its title bar stays on the screen all the same.
void InOut::BleibeAufDemBildschirm()
{
    const QScreen* bildschirm = screen();
    if (!bildschirm)
        return;
    const QRect frei = bildschirm->availableGeometry();
    const QRect rahmen = frameGeometry();
    QPoint ort = pos();
    if (rahmen.bottom() > frei.bottom())
        ort.ry() -= rahmen.bottom() - (frei.bottom() - kAbstandUnten);
    if (rahmen.right() > frei.right())
        ort.rx() -= rahmen.right() - (frei.right() - kAbstandRechts);
    move(std::max(ort.x(), frei.left()), std::max(ort.y(), frei.top()));
}

void InOut::UebernimmDauerAuftrag()
{
    m_bHandNutzniesser = m_bHandKategorie = m_bHandUKategorie = false;
    m_strMeldung.clear();
    const bool deutsch = m_basis.Deutsch();
    if (m_ui->c1038->text().isEmpty()) {
        m_strMeldung = Zeichenkette(m_basis.m_nSprache, kTxtKeinBetrag);
        Zeige();
        return;
    }
    const Buchungseingabe eingabe = Formular();
    switch (SpeichereDauerAuftrag(m_basis, eingabe, m_dauerAuftrag->Entwurf(), m_dauerAuftrag->Auftrag())) {
        case Auftragsergebnis::kGespeichert:
            break;
        case Auftragsergebnis::kGeloescht:
            // Deleted in the list while it was open here: storing it would bring it back unasked.
            m_strMeldung = Sprachtext(deutsch, "Der Dauerauftrag wurde inzwischen gelöscht",
                                      "The standing order has been deleted meanwhile");
            Zeige();
            return;
        case Auftragsergebnis::kKeinBetrag:
            // An order of 0.00 would book empty transactions for years.
            m_strMeldung = Sprachtext(deutsch, "Der Betrag muss größer als 0 sein", "The amount must be more than 0");
            Zeige();
            return;
    }
    m_ui->c1038->setText(QStringLiteral("0"));
    close();
}

} // namespace velmora
