#pragma once

// The entry window: income, expenses and transfers are booked here from five picker lists (payer,
// payee, beneficiary, category, sub-category), a comment, an amount and a date. It stays open for the
// next booking; opened on an existing transaction it replaces that one and closes.
//
// The main window creates it with `new InOut(basis, hub, eltern)` and shows it; the window deletes
// itself when closed (Escape, its close box, or close() from the main window) and then reports codes
// kAktualisiereDauerAuftraege and kDatenGeaendert to the hub.

#include "Auswahllisten.h"
#include "Buchung.h"

#include <QDialog>
#include <array>
#include <memory>
#include <string>

namespace Ui {
class InOut;
}

namespace velmora {

class AuswahlAnsicht;
class AuswahlModell;
class CBasis;
class CPPToolTip;
class DauerAuftragsPanel;
class Hub;

class InOut final : public QDialog
{
    Q_OBJECT
public:
    // Control ids; each control's objectName is "c" and its id.
    enum Id
    {
        kZahler = 1019,
        kEmpfaenger = 1024,
        kNutzniesser = 1025,
        kKategorie = 1026,
        kUKategorie = 1027,
        kBetrag = 1038,
        kKommentar = 1039,
        kUebernehmen = 1040,
        kDatum = 1042,
        kBetragText = 1043,
        kKommentarText = 1101,
        kDatumText = 1102,
        kDauerAuftragRahmen = 1106,
    };
    // What LadeEintrag loads.
    enum Eintragsart
    {
        kTransaktion = 0,
        kDauerAuftrag = 1,
    };

    InOut(CBasis& basis, Hub& hub, QWidget* eltern = nullptr);
    ~InOut() override;

    // kTransaktion: shows the transaction whose m_nIndex is nummer for editing (hub code 2); the next
    // commit replaces it and closes the window. A deleted or unknown transaction is not loaded.
    // kDauerAuftrag: opens the standing-order panel on the order whose m_nNr is nummer, or on a new
    // order for -1 or a number no order present carries (hub code 7); its commit stores it and closes.
    void LadeEintrag(int nummer, int was);
    // Refills lists after the settings changed the store: 1 or 2 the payer and payee lists (hub code 4),
    // 4 or 5 the category and sub-category lists (hub code 6). A choice whose row still exists stays.
    void AktualisiereListen(int welche);

    // m_nIndex of the transaction being edited, or -1 for a new entry.
    int Bearbeitet() const { return m_nBearbeitet; }
    // 0 normal input, 1 an existing standing order is edited, 2 a new one is entered.
    int DauerAuftragsModus() const { return m_nDauerAuftragsModus; }
    // The painted header line and message line.
    QString Kopfzeile() const;
    QString Meldungstext() const { return m_strMeldung; }
    CPPToolTip& Ballons() const { return *m_ballons; }

protected:
    void paintEvent(QPaintEvent* ereignis) override;
    void closeEvent(QCloseEvent* ereignis) override;
    void reject() override;

private:
    void SetzeSprache();
    // The picker lists (InOutAuswahl.cpp).
    void BaueListen();
    void Fuelle(int maske);
    void FrischeAuf(Auswahlliste liste);
    void FuelleUKategorien();
    void SetzeWert(Auswahlliste liste, int zeile, const std::string& text);
    void SetzeZeile(Auswahlliste liste, int zeile);
    void WaehleText(Auswahlliste liste, const std::string& text);
    void Geklickt(Auswahlliste liste, int zeile);
    void Rechtsklick(Auswahlliste liste, int zeile, QPoint ort);
    void Sortiere(Auswahlliste liste);
    void WendeVorlageAn();
    void PruefeUebernehmen(bool nachBetrag);
    void Uebernehmen();
    int DatumsWert() const;
    // What the form holds for a commit: the chosen rows, the comment, the amount and the date.
    Buchungseingabe Formular() const;
    // The standing-order panel (InOutDauerAuftrag.cpp).
    void RichteDauerAuftragEin();
    void LadeDauerAuftrag(int nummer);
    void OeffneDauerAuftragsPanel();
    void SchliesseDauerAuftragsPanel();
    void BleibeAufDemBildschirm();
    void UebernimmDauerAuftrag();
    void Zeige();
    QWidget* Steuerelement(int id) const;

    std::unique_ptr<Ui::InOut> m_ui;
    CBasis& m_basis;
    Hub& m_hub;
    CPPToolTip* m_ballons = nullptr;

    std::array<AuswahlModell*, kAnzahlAuswahllisten> m_modelle{};
    std::array<AuswahlAnsicht*, kAnzahlAuswahllisten> m_ansichten{};
    // The value of each list: the chosen row's text, or the text an edited transaction brought along.
    std::array<std::string, kAnzahlAuswahllisten> m_astrWert;
    // Header sort state of each list: -1 filling order, 0 ascending, 1 descending.
    std::array<int, kAnzahlAuswahllisten> m_anSortierung{-1, -1, -1, -1, -1};
    // Set when the user chose a beneficiary, category or sub-category; the payee's remembered entry then
    // leaves these lists alone until the next commit.
    bool m_bHandNutzniesser = false;
    bool m_bHandKategorie = false;
    bool m_bHandUKategorie = false;
    // Position in the store's category list of the chosen category; the sub-category rows come from it.
    int m_nKategorie = 0;
    int m_nBearbeitet = -1;
    DauerAuftragsPanel* m_dauerAuftrag = nullptr;
    int m_nDauerAuftragsModus = 0;
    int m_nHoeheOhnePanel = 0;
    QString m_strMeldung;
    bool m_bGemeldet = false;
};

} // namespace velmora
