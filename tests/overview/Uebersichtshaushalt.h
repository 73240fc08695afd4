#pragma once

// The overview tests' household, a hub that writes down what it is told, and the overview window
// driven the way a person drives it.

#include "Basis.h"
#include "Hub.h"
#include "Overview.h"
#include "TempOrdner.h"

#include <QPointer>
#include <QString>
#include <memory>
#include <string>
#include <vector>

class QTableView;

namespace velmora::test {

constexpr int kHeute = 20240315;

// Family Meier on 15 March 2024: Anna with Giro and Spar, Bernd with Giro. March holds, by date: salary
// 2000 to Anna's Giro (1st, empty comment), 12.50 Anna's Giro to Supermarkt (5th, "Bäckerei"), 100 Giro
// to Spar (10th), 50 Anna to Bernd (12th), 7.25 Bernd to Supermarkt by a standing order (14th);
// February holds 40 Bernd to Tankstelle. Booked through the store, so the balances agree. Months
// 202402 and 202403 are loaded and unchanged; the data folder is a fresh temporary folder.
class Uebersichtshaushalt final
{
public:
    explicit Uebersichtshaushalt(int sprache = kDeutsch);

    CBasis& Basis() { return *m_basis; }
    const std::string& Ordner() const { return m_ordner.Pfad(); }
    double Stand(const std::string& person, const std::string& konto) const;
    // Position in m_arrInOut of the first transaction of that amount.
    int Position(double betrag) const;

private:
    TempOrdner m_ordner{"velmora-uebersicht"};
    std::unique_ptr<CBasis> m_basis;
};

class TestHub final : public Hub
{
public:
    void Benachrichtige(int code, int arg) override { nachrichten.push_back({code, arg}); }
    void ZeigeUebersicht(int, int, int, const std::string&, const std::string&) override {}

    std::vector<std::pair<int, int>> nachrichten;
};

// The overview, shown; its right-click pop-up answers with `wahl`, and tests read whether it offered the
// choices of a deleted entry.
class Uebersichtsfenster final
{
public:
    Uebersichtsfenster(CBasis& basis, Hub& hub);
    ~Uebersichtsfenster();

    Overview* operator->() const { return m_fenster; }
    Overview& operator*() const { return *m_fenster; }
    QTableView& Tabelle() const;

    // The texts of a column, top to bottom, and the dates of the rows.
    std::vector<QString> Spalte(int spalte) const;
    void KlickeZelle(int zeile, int spalte, bool rechts = false) const;
    void KlickeNebenZellen() const;
    void KlickeKopf(int spalte) const;

    int wahl = 0;
    std::vector<bool> angeboten; // the deleted flag of each pop-up shown

private:
    QPointer<Overview> m_fenster;
};

} // namespace velmora::test
