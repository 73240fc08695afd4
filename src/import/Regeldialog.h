#pragma once

// The rule dialog: the conditions and what a rule sets, and before it is kept, how many lines of the
// import and bookings of the book it matches, with both lists; a rule that matches nothing or
// everything is pointed out. Modal; "Speichern" keeps it only when the rule can be kept.

#include "Regelanwendung.h"

#include <QDialog>
#include <memory>

class QTimer;

namespace Ui {
class Regeldialog;
}

namespace velmora {

class CBasis;
class CPPToolTip;
class Trefferliste;

class Regeldialog final : public QDialog
{
    Q_OBJECT
public:
    enum Id
    {
        kNameEnthaelt = 1001,
        kIban = 1004,
        kKonto = 1021,
        kKategorie = 1023,
        kZaehler = 1041,
        kWarnung = 1042,
        kZeilen = 1044,
        kBuchungen = 1046,
        kSpeichern = 1051,
        kAbbrechen = 1052,
    };

    // Loads every month of the book, which the counts go through.
    Regeldialog(CBasis& basis, const Importgedaechtnis& gedaechtnis, const std::vector<Kontoauszug>& auszuege,
                const Importregel& regel, QWidget* eltern = nullptr);
    ~Regeldialog() override;

    // The rule as the form holds it, normalised.
    Importregel Regel() const;
    // What the counts and lists show now.
    const Regelvorschau& Vorschau() const { return m_vorschau; }
    QString Zaehlertext() const;
    CPPToolTip& Ballons() const { return *m_ballons; }

private:
    void SetzeSprache();
    void FuelleListen(const Importregel& regel);
    void FuelleUnterkategorien();
    void Zeige(const Importregel& regel);
    void Aktualisiere();
    void Speichere();

    std::unique_ptr<Ui::Regeldialog> m_ui;
    CBasis& m_basis;
    const Importgedaechtnis& m_gedaechtnis;
    const std::vector<Kontoauszug>& m_auszuege;
    Regelvorschau m_vorschau;
    Trefferliste* m_zeilen = nullptr;
    Trefferliste* m_buchungen = nullptr;
    QTimer* m_verzoegerung = nullptr;
    CPPToolTip* m_ballons = nullptr;
    bool m_bAmaendern = false; // the form is being filled: no recount per field
};

} // namespace velmora
