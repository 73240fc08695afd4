#pragma once

// A small household for the entry tests, a hub that writes down what it is told, and helpers that use
// the entry window the way a person does.

#include "Basis.h"
#include "Hub.h"
#include "InOut.h"
#include "TempOrdner.h"

#include <QPoint>
#include <QPointer>
#include <QString>
#include <memory>
#include <string>
#include <vector>

class QWidget;

namespace velmora {
class AuswahlAnsicht;
}

namespace velmora::test {

constexpr int kHeute = 20240315;

// Family Meier: Anna with Giro 100 and Bar 50, Bernd with Bar 20; external accounts Supermarkt,
// Arbeitgeber and Tankstelle; categories Lebensmittel (Obst, Brot), Auto (Benzin) and Gehalt.
// The data folder is a fresh temporary folder, removed with the object.
class Testhaushalt final
{
public:
    explicit Testhaushalt(int sprache = kDeutsch);

    CBasis& Basis() { return *m_basis; }
    const std::string& Ordner() const { return m_ordner.Pfad(); }

    double Stand(const std::string& person, const std::string& konto) const;
    const CKonto& Konto(const std::string& person, const std::string& konto) const;
    CZIELKONTO& Ziel(const std::string& name);
    CKategorie& Kategorie(const std::string& name);

private:
    // Declared first, so that the store is gone before its folder is removed.
    TempOrdner m_ordner{"velmora-eingabe"};
    std::unique_ptr<CBasis> m_basis;
};

struct Uebersichtsaufruf
{
    int art;
    int datum1;
    int datum2;
    std::string text1;
    std::string text2;
};

class TestHub final : public Hub
{
public:
    void Benachrichtige(int code, int arg) override { nachrichten.push_back({code, arg}); }
    void ZeigeUebersicht(int art, int datum1, int datum2, const std::string& text1, const std::string& text2) override
    {
        uebersichten.push_back({art, datum1, datum2, text1, text2});
    }

    std::vector<std::pair<int, int>> nachrichten;
    std::vector<Uebersichtsaufruf> uebersichten;
};

// The entry window, shown, and deleted at the end of the test unless it closed itself.
class Eingabefenster final
{
public:
    Eingabefenster(CBasis& basis, Hub& hub);
    ~Eingabefenster();

    InOut* operator->() const { return m_fenster; }
    InOut& operator*() const { return *m_fenster; }
    bool Offen() const { return m_fenster != nullptr; }

    AuswahlAnsicht& Liste(int id) const;
    QWidget& Element(int id) const;

    // Clicks the row with that text (left or right button).
    void Klicke(int id, const std::string& text, bool rechts = false) const;
    // Clicks below the last row.
    void KlickeLeer(int id, bool rechts = false) const;
    void KlickeKopf(int id) const;
    // Replaces the amount with the text, typed key by key.
    void Tippe(const QString& betrag) const;
    void Uebernimm() const;
    bool UebernehmenAktiv() const;
    // Payer, payee, amount and commit in one go.
    void Buche(const std::string& zahler, const std::string& empfaenger, const QString& betrag) const;

    // Row texts of a list, top to bottom, and its chosen row's text ("" when none).
    std::vector<std::string> Zeilen(int id) const;
    std::string Gewaehlt(int id) const;

private:
    QPointer<InOut> m_fenster;
};

} // namespace velmora::test
