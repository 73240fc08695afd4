#pragma once

// The main window: owns the store, shows the balances, opens every working window and is the hub
// through which they report changes.

#include "Basis.h"
#include "Fensterplatz.h"
#include "Hub.h"
#include "Kontoauszug.h"

#include <QDialog>
#include <QElapsedTimer>
#include <QPointer>
#include <QStringList>
#include <functional>
#include <map>
#include <memory>

class QLabel;
class QLineEdit;
class QPushButton;
class QStatusBar;
class QTableView;
class QTimer;

namespace velmora {

class CImageTextButton;
class CPPToolTip;
class Dauerauftrag;
class EditKategorie;
class Empfaenger;
class grafik;
class InOut;
class Kontoimport;
class KontostandModell;
class Overview;
class PersonenKonten;
class Prognose;
class Regelfenster;
class Wiederherstellung;

// What the start-up asks of the world; tests replace the parts that would wait for a person.
struct Startumgebung
{
    Uhr uhr = SystemZeit;
    // Asked once when no settings file exists: kDeutsch or kEnglisch.
    std::function<int()> sprachwahl;
    // Restore the recovery copy of a run that ended unexpectedly.
    bool bWiederherstellen = false;
};

class CVelmoraDlg final
    : public QDialog
    , public Hub
{
    Q_OBJECT
public:
    // Control ids of the main window.
    enum Id
    {
        kEnde = 1,
        kEndeOhneSpeichern = 2,
        kEingabe = 1001,
        kEinstellungen = 1002,
        kUebersicht = 1003,
        kAuswertung = 1004,
        kEingabeInaktiv = 1006,
        kUebersichtInaktiv = 1007,
        kAuswertungInaktiv = 1008,
        kKontostaende = 1019,
        kSperren = 1025,
        kDauerAuftraege = 1041,
        kDauerAuftraegeInaktiv = 1043,
        kPasswort = 1072,
        kWillkommenDeutsch = 1095,
        kInfo = 1098,
        kHilfe = 1099,
        kFlaggeDeutsch = 1100,
        kFlaggeEnglisch = 1101,
        kWillkommenEnglisch = 1114,
        kImport = 1120,
    };

    explicit CVelmoraDlg(const std::string& datenOrdner, Startumgebung umgebung = {}, QWidget* eltern = nullptr);
    ~CVelmoraDlg() override;

    CBasis& Basis() { return *m_basis; }
    bool Gesperrt() const { return m_bGesperrt; }

    void Benachrichtige(int code, int arg) override;
    void ZeigeUebersicht(int art, int datum1, int datum2, const std::string& text1, const std::string& text2) override;

    // Builds the balloons of the main window afresh; the settings call it after the switch changed.
    void ErstelleBallons();
    CPPToolTip& Ballons() { return *m_ballons; }
    // The open overview, or null. It has no parent window (see RichteFensterEin), so findChild misses it.
    Overview* Uebersicht() const;

    // Locks the window: closes every working window, hides the balances and asks for the password.
    void Sperre();

    // Opens the import window on bank statement files (the "Import" button, or files dropped here).
    void Importiere(const QStringList& dateien);

protected:
    bool event(QEvent* ereignis) override;
    void paintEvent(QPaintEvent* ereignis) override;
    void closeEvent(QCloseEvent* ereignis) override;
    void keyPressEvent(QKeyEvent* ereignis) override;
    void resizeEvent(QResizeEvent* ereignis) override;
    void dragEnterEvent(QDragEnterEvent* ereignis) override;
    void dropEvent(QDropEvent* ereignis) override;

private:
    void FrageSprache(const Startumgebung& umgebung);
    void MeldeAbgeschnitteneDateien();
    void BaueSteuerelemente();
    CImageTextButton* NeuerBildknopf(int id, const char* beschriftungDe, const char* beschriftungEn, int bildDe,
                                     int bildEn, bool gesperrtVorbild);
    void SetzeSprache();
    void RichteSpaltenEin();
    void ZeigeWillkommen();
    void ZeigeNormal();
    void WendeSichtbarkeitAn(bool start);
    void FuelleKontostaende();
    void SetzeStatusText();
    void TickeUhr();
    void PruefePasswort(const QString& text);
    void Entsperre();
    void SchliesseArbeitsfenster();
    void RichteFensterEin();
    PersonenKonten* NeueEinstellungen(int form);
    // The entry window waits while an editor is open: disabled at every request for one, enabled again
    // and brought forward when the editor closes.
    void SperreEingabe();
    void GibEingabeFreiNach(QWidget* editor);
    int FrageNachEintrag(int modus, const std::string& name, const std::string& neu, int filterArt);
    bool Speichere();
    // Something may have changed: the recovery copy follows, at most once a second.
    void MerkeAenderung();
    void SchreibeKopie();
    void BeendeKopie();
    void Ende();
    void EndeOhneSpeichern();
    void ZeigeInfo();
    void ZeigeHilfe();
    bool FamilieHatMitglieder() const;
    QStringList GemalteTexte() const;
    void BeschreibeGemaltes();
    QWidget* Steuerelement(int id) const;

    std::unique_ptr<CBasis> m_basis;
    bool m_bGesperrt = false;
    bool m_bBeendet = false;
    // Standing-order bookings the start-up's catch-up made.
    int m_nNachgeholt = 0;
    // A backup that could not be made is told once per run, not at every "Ende" that retries.
    bool m_bSicherungsfehlerGemeldet = false;

    std::map<int, QWidget*> m_steuerelemente;
    QTableView* m_kontostaende = nullptr;
    KontostandModell* m_modell = nullptr;
    QLineEdit* m_passwort = nullptr;
    QStatusBar* m_statusleiste = nullptr;
    QLabel* m_statusText = nullptr;
    QLabel* m_uhrzeit = nullptr;
    QTimer* m_uhr = nullptr;
    CPPToolTip* m_ballons = nullptr;
    std::unique_ptr<Wiederherstellung> m_kopie;
    QTimer* m_kopieTakt = nullptr;
    QElapsedTimer m_seitKopie;

    Fensterplatz<InOut> m_eingabe;
    Fensterplatz<PersonenKonten> m_einstellungen;
    Fensterplatz<Empfaenger> m_fremdKonten;
    Fensterplatz<EditKategorie> m_kategorien;
    Fensterplatz<Overview> m_uebersicht;
    Fensterplatz<Dauerauftrag> m_dauerAuftraege;
    Fensterplatz<grafik> m_auswertung;
    Fensterplatz<Kontoimport> m_import;
    Fensterplatz<Prognose> m_vorschau;
    Fensterplatz<Regelfenster> m_regeln;
    // What the import remembers; written with the other files at "Ende".
    Importgedaechtnis m_importGedaechtnis;
};

} // namespace velmora
