// The entry window's five picker lists: filling and refilling them, the one place a choice changes,
// the payee's remembered entry, header sorting and the right-click questions.

#include "InOut.h"

#include "AuswahlAnsicht.h"
#include "AuswahlModell.h"
#include "Basis.h"
#include "Buchung.h"
#include "FremdKonten.h"
#include "Hub.h"
#include "ui_InOut.h"

namespace velmora {

void InOut::BaueListen()
{
    m_ansichten = {m_ui->c1019, m_ui->c1024, m_ui->c1025, m_ui->c1026, m_ui->c1027};
    for (int i = 0; i < kAnzahlAuswahllisten; ++i) {
        const auto liste = static_cast<Auswahlliste>(i);
        m_modelle[i] = new AuswahlModell(m_basis, liste, this);
        m_ansichten[i]->SetzeModell(m_modelle[i]);
        connect(m_ansichten[i], &AuswahlAnsicht::Gewaehlt, this, [this, liste](int zeile) { Geklickt(liste, zeile); });
        connect(m_ansichten[i], &AuswahlAnsicht::Rechtsklick, this,
                [this, liste](int zeile, QPoint ort) { Rechtsklick(liste, zeile, ort); });
        connect(m_ansichten[i], &AuswahlAnsicht::KopfGeklickt, this, [this, liste] { Sortiere(liste); });
    }
}

// Fills the lists of the mask in their filling order; each chooses its first row.
void InOut::Fuelle(int maske)
{
    for (int i = 0; i < kAnzahlAuswahllisten; ++i) {
        const auto liste = static_cast<Auswahlliste>(i);
        if (!(maske & MaskeVon(liste)))
            continue;
        m_modelle[i]->Fuelle(m_nKategorie);
        SetzeZeile(liste, m_modelle[i]->rowCount() > 0 ? 0 : -1);
    }
}

// Refills one list from the store and keeps its choice when that row is still there. Payer and payee
// come back alike, the family's accounts first.
void InOut::FrischeAuf(Auswahlliste liste)
{
    const std::string vorher = m_astrWert[liste];
    if (liste == kZahlerListe || liste == kEmpfaengerListe)
        m_modelle[liste]->FuelleKonten();
    else
        m_modelle[liste]->Fuelle(m_nKategorie);
    m_anSortierung[liste] = -1;
    m_ansichten[liste]->ZeigeSortierung(-1);
    const int zeile = ZeileMitText(m_modelle[liste]->Zeilen(), vorher);
    SetzeZeile(liste, zeile >= 0 ? zeile : (m_modelle[liste]->rowCount() > 0 ? 0 : -1));
}

void InOut::FuelleUKategorien()
{
    m_modelle[kUKategorieListe]->Fuelle(m_nKategorie);
    m_anSortierung[kUKategorieListe] = -1;
    m_ansichten[kUKategorieListe]->ZeigeSortierung(-1);
    SetzeZeile(kUKategorieListe, m_modelle[kUKategorieListe]->rowCount() > 0 ? 0 : -1);
}

// The one place a list's choice changes; flags and the remembered entry are the callers' business.
void InOut::SetzeWert(Auswahlliste liste, int zeile, const std::string& text)
{
    m_modelle[liste]->SetzeGewaehlt(zeile);
    m_ansichten[liste]->ZeigeGewaehlt();
    m_astrWert[liste] = text;
    switch (liste) {
        case kZahlerListe:
        case kEmpfaengerListe:
            PruefeUebernehmen(false);
            break;
        case kKategorieListe: {
            const int position = KategoriePosition(m_basis, text);
            if (position >= 0)
                m_nKategorie = position;
            FuelleUKategorien();
            break;
        }
        default:
            break;
    }
    Zeige();
}

void InOut::SetzeZeile(Auswahlliste liste, int zeile)
{
    SetzeWert(liste, zeile, m_modelle[liste]->Text(zeile));
}

// An edited transaction may name what the list no longer shows; its value stays all the same.
void InOut::WaehleText(Auswahlliste liste, const std::string& text)
{
    SetzeWert(liste, ZeileMitText(m_modelle[liste]->Zeilen(), text), text);
}

void InOut::Geklickt(Auswahlliste liste, int zeile)
{
    if (zeile < 0 || zeile >= m_modelle[liste]->rowCount())
        return;
    switch (liste) {
        case kNutzniesserListe:
            m_bHandNutzniesser = true;
            break;
        case kKategorieListe:
            m_bHandKategorie = true;
            break;
        case kUKategorieListe:
            m_bHandUKategorie = true;
            break;
        default:
            break;
    }
    SetzeZeile(liste, zeile);
    if (liste == kEmpfaengerListe && !m_bHandNutzniesser && !m_bHandKategorie && !m_bHandUKategorie)
        WendeVorlageAn();
}

// The beneficiary, category and sub-category of the last booking to the chosen payee. A part whose row
// is gone (deleted since) is left as it is rather than booked unseen.
void InOut::WendeVorlageAn()
{
    const CInOut* vorlage = VorlageFuer(m_basis, m_astrWert[kEmpfaengerListe]);
    if (!vorlage)
        return;
    const int nutzniesser = ZeileMitText(m_modelle[kNutzniesserListe]->Zeilen(), vorlage->m_strNutzniesser);
    if (nutzniesser >= 0)
        SetzeZeile(kNutzniesserListe, nutzniesser);
    const int kategorie = ZeileMitText(m_modelle[kKategorieListe]->Zeilen(), vorlage->m_strKategorie);
    if (kategorie < 0)
        return;
    SetzeZeile(kKategorieListe, kategorie);
    const int uKategorie = ZeileMitText(m_modelle[kUKategorieListe]->Zeilen(), vorlage->m_strUKategorie);
    if (uKategorie >= 0)
        SetzeZeile(kUKategorieListe, uKategorie);
}

void InOut::Rechtsklick(Auswahlliste liste, int zeile, QPoint ort)
{
    const bool aufZeile = zeile >= 0 && zeile < m_modelle[liste]->rowCount();
    switch (liste) {
        case kZahlerListe:
        case kEmpfaengerListe:
            if (aufZeile)
                SetzeZeile(liste, zeile);
            switch (FremdKonten::Frage(m_basis, ort, this)) {
                case FremdKonten::kFamilienKonten:
                    m_hub.Benachrichtige(kOeffneFamilienKonten, 0);
                    break;
                case FremdKonten::kFremdKonten:
                    m_hub.Benachrichtige(kOeffneFremdKonten, 0);
                    break;
                default:
                    break;
            }
            break;
        case kKategorieListe:
            if (aufZeile)
                SetzeZeile(liste, zeile);
            m_hub.Benachrichtige(kOeffneKategorien, m_nKategorie);
            break;
        case kUKategorieListe:
            m_hub.Benachrichtige(kOeffneKategorien, m_nKategorie);
            break;
        default:
            break;
    }
}

// A header click sorts ascending, then descending, then restores the filling order; the first row
// becomes the choice.
void InOut::Sortiere(Auswahlliste liste)
{
    int& zustand = m_anSortierung[liste];
    zustand += 1;
    if (zustand >= 2) {
        zustand = -1;
        m_modelle[liste]->Fuelle(m_nKategorie);
    } else {
        m_modelle[liste]->Sortiere(zustand == 1);
    }
    m_ansichten[liste]->ZeigeSortierung(zustand);
    SetzeZeile(liste, m_modelle[liste]->rowCount() > 0 ? 0 : -1);
}

} // namespace velmora
