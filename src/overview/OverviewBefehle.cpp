// The commands of the overview: the right-click pop-up's edit, delete, restore and delete for good, and
// the export of the listed table.

#include "Basis.h"
#include "Buchung.h"
#include "EintragBearbeiten.h"
#include "Exportdialog.h"
#include "Hub.h"
#include "Meldung.h"
#include "Overview.h"
#include "QtText.h"
#include "UebersichtModell.h"
#include "Uebersichtsliste.h"
#include "ui_Overview.h"

#include <QFile>

namespace velmora {

void Overview::Rechtsklick(int zeile, int spalte)
{
    const CInOut* zeilenTransaktion = m_liste.TransaktionDerZeile(zeile);
    if (!zeilenTransaktion)
        return;
    const int position = m_basis.PositionVonIndex(zeilenTransaktion->m_nIndex);
    if (position < 0 || m_basis.m_arrInOut[static_cast<size_t>(position)]->m_nStatus <= kEndgueltigGeloescht)
        return;
    Markiere(position, zeile);
    const QTableView* liste = m_ui->c1019;
    const QPoint ecke = liste->viewport()->mapToGlobal(liste->visualRect(m_modell->index(zeile, spalte)).topLeft());
    CInOut& t = *m_basis.m_arrInOut[static_cast<size_t>(position)];
    switch (EintragBearbeiten::Frage(m_basis, t.m_nStatus < 0, ecke, this)) {
        case EintragBearbeiten::kLoeschen:
            Loesche(position);
            break;
        case EintragBearbeiten::kBearbeiten:
            Bearbeite(position);
            break;
        case EintragBearbeiten::kWiederherstellen:
            m_basis.BucheTransaktion(t);
            MonatGeaendert(t);
            BaueNachAenderungNeu();
            m_hub.Benachrichtige(kDatenGeaendert, 0);
            break;
        case EintragBearbeiten::kEndgueltigLoeschen:
            LoescheEndgueltig(m_basis, position);
            BaueNachAenderungNeu();
            m_hub.Benachrichtige(kDatenGeaendert, 0);
            break;
        default:
            Markiere(-1, -1);
            break;
    }
}

// Moves the arrow icon to the row of the transaction at that position; -1 takes it away.
void Overview::Markiere(int position, int zeile)
{
    const int vorher = m_liste.m_nMarkiertZeile;
    if (m_liste.m_nMarkiert >= 0 && vorher >= 0) {
        const int alt = m_liste.m_nMarkiert;
        m_liste.m_nMarkiert = -1;
        m_liste.SetzeZeile(alt, vorher, false);
        m_modell->ZeileNeu(vorher);
    }
    m_liste.m_nMarkiert = position;
    m_liste.m_nMarkiertZeile = zeile;
    if (position >= 0 && zeile >= 0) {
        m_liste.SetzeZeile(position, zeile, false);
        m_modell->ZeileNeu(zeile);
    }
}

// Only a month that is loaded is marked; the transaction's month always is.
void Overview::MonatGeaendert(const CInOut& t)
{
    if (CLoadedFiles* datei = m_basis.GeladenerMonat(t.m_nDatum / 100))
        datei->m_bGeaendert = 1;
}

void Overview::Loesche(int position)
{
    const CInOut& t = *m_basis.m_arrInOut[static_cast<size_t>(position)];
    const int nIndex = t.m_nIndex;
    const QMessageBox::StandardButton antwort =
        Meldung(this, QMessageBox::Warning, QString(),
                Sprachtext(m_basis.Deutsch(), "Diesen Eintrag wirklich löschen ?", "Really delete this entry ?"),
                QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
    Markiere(-1, -1);
    if (antwort == QMessageBox::Yes) {
        m_basis.m_nLoeschNr -= 1;
        m_basis.StorniereTransaktion(position);
        MonatGeaendert(t);
        BaueNachAenderungNeu();
    }
    m_hub.Benachrichtige(kDatenGeaendert, nIndex);
}

void Overview::Bearbeite(int position)
{
    const CInOut& t = *m_basis.m_arrInOut[static_cast<size_t>(position)];
    m_liste.m_bBearbeitung = 1;
    m_basis.m_InOutNeu = t;
    MonatGeaendert(t);
    m_hub.Benachrichtige(kBearbeiteTransaktion, t.m_nIndex);
}

void Overview::BaueNachAenderungNeu()
{
    if (!m_liste.m_bFilter)
        m_liste.SortiereTransaktionen(kNachDatum);
    BaueListe();
}

void Overview::Exportiere()
{
    const bool deutsch = m_basis.Deutsch();
    const Exportwahl wahl = FrageExportdatei(this, deutsch, AlsQString(m_basis.m_strPfad));
    if (wahl.strPfad.isEmpty())
        return;
    const std::string pfad = QFile::encodeName(wahl.strPfad).toStdString();
    const Exportformat format = ExportformatVon(pfad);
    const std::string datei = ExportDatei(pfad, format);
    if (SchreibeExport(datei, m_liste, format))
        return;
    Meldung(this, QMessageBox::Warning, QStringLiteral("Velmora"),
            Sprachtext(deutsch, "Die Datei konnte nicht geschrieben werden:", "The file could not be written:") +
                QStringLiteral("\n\n") + QFile::decodeName(QByteArray::fromStdString(datei)));
}

} // namespace velmora
