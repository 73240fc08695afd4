#pragma once

// The main window: owns the store, shows the balances, opens every working window and is the hub
// through which they report changes. Its jobs live in parts of their own; the window wires them.

#include "Basis.h"
#include "Hauptfensterplan.h"
#include "Hub.h"

#include <QDialog>
#include <QStringList>
#include <functional>
#include <memory>

namespace velmora {

class CPPToolTip;
class Fensterkopf;
class Fensterverteiler;
class Knopfleiste;
class Kontostandliste;
class Overview;
class Passwortsperre;
class Speichersitzung;
class Statuszeile;

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
    using Id = haupt::Id;
    using enum haupt::Id;

    explicit CVelmoraDlg(const std::string& datenOrdner, Startumgebung umgebung = {}, QWidget* eltern = nullptr);
    ~CVelmoraDlg() override;

    CBasis& Basis() { return *m_basis; }
    bool Gesperrt() const;

    void Benachrichtige(int code, int arg) override;
    void ZeigeUebersicht(int art, int datum1, int datum2, const std::string& text1, const std::string& text2) override;

    // Builds the balloons of the main window afresh; the settings call it after the switch changed.
    void ErstelleBallons();
    CPPToolTip& Ballons();
    // The open overview, or null. It has no parent window, so findChild misses it.
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

private:
    void BaueSteuerelemente(int nachgeholt);
    void VerbindeKnoepfe();
    void Entsperre();
    void WendeSichtbarkeitAn(bool start);
    void ZeigeFamilieNeu();
    void FuelleKontostaende();
    void MeldeAbgeschnitteneDateien();
    void Beende();
    bool FamilieHatMitglieder() const;
    void BeschreibeGemaltes();

    std::unique_ptr<CBasis> m_basis;
    std::unique_ptr<Speichersitzung> m_sitzung;
    std::unique_ptr<Fensterverteiler> m_fenster;
    std::unique_ptr<Knopfleiste> m_knoepfe;
    std::unique_ptr<Fensterkopf> m_kopf;
    std::unique_ptr<Kontostandliste> m_liste;
    Passwortsperre* m_sperre = nullptr;
    Statuszeile* m_status = nullptr;
};

} // namespace velmora
