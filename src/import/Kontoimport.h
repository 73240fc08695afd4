#pragma once

// The import window: the lines of one or more bank statements as proposed bookings, to be ticked,
// corrected in place and booked with "Buchen" through the entry window's booking. Afterwards the
// overview opens on the booked days, filtered by the statement's family account when they came from one.
//
// The main window creates it with the files the user picked or dropped; more files can be added while
// it is open. It deletes itself when closed and reports kDatenGeaendert after booking. A line can become
// a rule ("Regel anlegen…", also in the line's context menu), and the rules window opens from here.

#include "Importsammlung.h"

#include <QDialog>
#include <QStringList>
#include <functional>
#include <memory>

namespace Ui {
class Kontoimport;
}

namespace velmora {

class CBasis;
class CPPToolTip;
class Hub;
class ImportModell;

class Kontoimport final : public QDialog
{
    Q_OBJECT
public:
    enum Id
    {
        kListe = 1001,
        kBuchen = 1002,
        kAbbrechen = 1003,
        kZaehler = 1004,
        kToleranz = 1005,
        kToleranzText = 1006,
        kWeitere = 1007,
        kRegelAnlegen = 1008,
        kRegeln = 1009,
    };

    // Asks which family account a statement belongs to: the file, the statement's IBAN (may be empty)
    // and the family accounts to choose from. An empty answer leaves the statement out.
    using Kontofrage = std::function<QString(const QString& datei, const QString& iban, const QStringList& konten)>;
    static void SetzeKontofrage(Kontofrage frage);

    Kontoimport(CBasis& basis, Hub& hub, Importgedaechtnis& gedaechtnis, QWidget* eltern = nullptr);
    ~Kontoimport() override;

    // Reads the files and adds their lines; a file that cannot be read is named in a message and adds
    // nothing. Returns the number of statements taken in.
    int FuegeHinzu(const QStringList& dateien);

    ImportModell& Modell() const { return *m_modell; }
    QString Zaehlertext() const;
    CPPToolTip& Ballons() const { return *m_ballons; }

private:
    void SetzeSprache();
    // The proposals afresh. With `regeln` the lines a rule fills (or filled) take the fresh proposal, the
    // others keep what the user changed in them.
    void Berechne(bool regeln = false);
    void LegeRegelAn();
    void ZeigeRegeln();
    void ZeigeZahlen();
    void WaehleDateien();
    void Buche();

    std::unique_ptr<Ui::Kontoimport> m_ui;
    CBasis& m_basis;
    Hub& m_hub;
    Importgedaechtnis& m_gedaechtnis;
    Importsammlung m_sammlung;
    ImportModell* m_modell = nullptr;
    CPPToolTip* m_ballons = nullptr;
    int m_nVorgemerkt = 0;
};

// The file chooser of the import: CAMT.053 and CSV statements, several at once.
QStringList WaehleAuszugsdateien(bool deutsch, QWidget* eltern);

} // namespace velmora
