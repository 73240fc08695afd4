#pragma once

// The fixed parts of the synthetic household in the store: the family with its accounts, the categories,
// the counterparts and the standing orders, found again by the German names the tables give them.

#include "Haushaltsdaten.h"
#include "Haushaltsparameter.h"
#include "Records.h"

#include <string>
#include <string_view>
#include <vector>

namespace velmora {
class CBasis;
} // namespace velmora

namespace velmora::generator {

constexpr int kKontoBar = 0;
constexpr int kKontoGiro = 1;
constexpr int kKontoSpar = 2;
constexpr int kErwachsene = 2;

double AufCent(double betrag);
int MonatPlus(int monat, int anzahl);

struct Kategoriewahl
{
    CKategorie* kategorie = nullptr;
    CUKategorie* unter = nullptr;
};

struct Mitglied
{
    std::string name;
    bool bKind = false;
    std::vector<CKonto*> konten;
    std::vector<std::string> referenzen; // "member, account" per account
};

struct Laden
{
    const LadenVorlage* vorlage = nullptr;
    CZIELKONTO* ziel = nullptr;
    Kategoriewahl kategorie;
};

class Haushaltsanlage final
{
public:
    // The household's period: nMonate months from the month ersterMonat (yyyymm).
    Haushaltsanlage(CBasis& basis, const Haushaltsparameter& parameter, int ersterMonat, int nMonate);

    // The family, the categories, the counterparts and the standing orders, in this order.
    void LegeAn();

    Kategoriewahl Kategorie(std::string_view kategorie, std::string_view unter) const;
    const std::string& Alle() const { return m_alle; }
    const std::vector<Mitglied>& Mitgliederliste() const { return m_mitglieder; }
    const std::vector<Laden>& Ladenliste() const { return m_laeden; }
    // The running sum of the counterparts' bookings per month, in the order of Ladenliste.
    const std::vector<double>& Haeufigkeit() const { return m_haeufigkeit; }
    // The household's own order that the user deletes later, or nullptr.
    CDauerAuftrag* GeloeschterAuftrag() const { return m_geloeschterAuftrag; }

private:
    void LegeFamilieAn();
    void LegeKategorienAn();
    void LegeLaedenAn();
    void LegeAuftraegeAn();

    Laden& LadenNamens(std::string_view deutscherName);
    std::string Referenz(const Seite& seite);
    int DatumBei(double anteil, bool ende) const;

    CBasis& m_basis;
    const Haushaltsparameter& m_p;
    const bool m_en;
    const int m_nMonate;
    const int m_nErsterMonat;
    std::string m_alle;

    std::vector<Mitglied> m_mitglieder;
    std::vector<CKategorie*> m_kategorien;          // in table order; the store's list gets sorted
    std::vector<std::vector<CUKategorie*>> m_unter; // likewise
    std::vector<Laden> m_laeden;                    // in table order
    std::vector<double> m_haeufigkeit;
    CDauerAuftrag* m_geloeschterAuftrag = nullptr;
};

} // namespace velmora::generator
