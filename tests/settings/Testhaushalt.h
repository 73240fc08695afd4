#pragma once

// What the window tests of the settings share: a household book in a scratch folder, a main window
// stand-in that records the notifications, and typing and clicking by control id.

#include "Basis.h"
#include "Bedienung.h"
#include "Hub.h"
#include "TempOrdner.h"

#include <QPointer>
#include <QString>
#include <QWidget>
#include <functional>
#include <memory>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

class QTableView;

namespace velmora::test {

constexpr int kHeute = 20261208;

// A data folder of its own, removed with everything in it, and a store started on it.
class Testhaushalt final
{
public:
    explicit Testhaushalt(int sprache = kDeutsch);

    CBasis& Basis() { return *m_basis; }
    const std::string& Ordner() const { return m_ordner.Pfad(); }
    // Saves as "Ende" does and starts the program's data again on the same folder.
    CBasis& NeuerStart();

    // Family Meier with Anna (Bar, Giro-Konto 100) and Bernd (Bar); Anna has booked once from Giro-Konto
    // to Supermarkt. External accounts Supermarkt (used) and Bank; categories Wohnen (Strom, Miete) and
    // Auto, Wohnen and Strom used.
    void RichteMeierEin();

private:
    // Declared first, so that the store is gone before its folder is removed.
    TempOrdner m_ordner{"velmora-einstellungen"};
    std::unique_ptr<CBasis> m_basis;
};

// Stands in for the main window: records every notification and refreshes the open window on code 1.
class TestHub final : public Hub
{
public:
    void Benachrichtige(int code, int arg) override;
    void ZeigeUebersicht(int, int, int, const std::string&, const std::string&) override {}

    std::vector<std::pair<int, int>> codes;
    std::function<void()> beiAenderung;
};

// A settings window open on a household: the confirmation answered as told, and a refresh on code 1 as
// the main window gives it.
template<class Fenster>
struct Offen
{
    Testhaushalt haushalt;
    TestHub hub;
    QPointer<Fenster> fenster;
    std::vector<std::tuple<int, std::string, std::string, int>> fragen;
    int antwort = 0;

    template<class... Weitere>
    explicit Offen(bool meier = true, int sprache = kDeutsch, Weitere... weitere)
        : haushalt(sprache)
    {
        if (meier)
            haushalt.RichteMeierEin();
        fenster = new Fenster(haushalt.Basis(), hub, nullptr, weitere...);
        fenster->SetzeEintragsfrage([this](int modus, const std::string& name, const std::string& neu, int art) {
            fragen.emplace_back(modus, name, neu, art);
            return antwort;
        });
        hub.beiAenderung = [this] {
            if (fenster)
                fenster->Aktualisiere();
        };
        fenster->show();
    }
    ~Offen() { delete fenster.data(); }

    Fenster& f() { return *fenster; }
    CBasis& b() { return haushalt.Basis(); }
    QTableView* Liste(int id) { return Element<QTableView>(*fenster, id); }
    QString Text(int id) { return TextIn(*fenster, id); }
};

} // namespace velmora::test
