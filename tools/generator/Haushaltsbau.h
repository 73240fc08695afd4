#pragma once

// The synthetic household's months: the program run about three times a month, the standing orders
// caught up, the receipts entered, cash drawn, and at the month's end the accounts evened out.

#include "Haushaltsanlage.h"

#include <cstdint>
#include <random>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace velmora::generator {

// Draws from std::mt19937 by hand: the standard distributions differ between libraries, and a seed must
// give the same household everywhere.
class Zufall final
{
public:
    explicit Zufall(unsigned seed)
        : m_gen(seed)
    {
    }

    // 0 <= result < n.
    uint32_t Zahl(uint32_t n) { return static_cast<uint32_t>((uint64_t{m_gen()} * n) >> 32); }
    // 0 <= result < 1.
    double Anteil() { return m_gen() / 4294967296.0; }
    bool Chance(double p) { return Anteil() < p; }

private:
    std::mt19937 m_gen;
};

// One booking as the entry window commits it.
struct Buchung
{
    int nDatum = 0;
    std::string_view zahler;
    std::string_view empfaenger;
    std::string_view nutzniesser;
    Kategoriewahl kategorie;
    std::string_view kommentar;
    double dBetrag = 0.0;
    CZIELKONTO* fremd = nullptr; // the external side, if any
};

class Haushaltsbau final
{
public:
    Haushaltsbau(CBasis& basis, const Haushaltsparameter& parameter);

    void Baue();

private:
    void Monat(int index);
    void Sitzung(int von, int bis, int eingaben);
    void Eingabe(int datum);
    void Monatsabschluss(int datum);
    void SorgeFuerBargeld(int mitglied, int datum, double bedarf);
    int Buche(const Buchung& b);

    Kategoriewahl Kategorie(std::string_view kategorie, std::string_view unter) const
    {
        return m_anlage.Kategorie(kategorie, unter);
    }
    const std::string& Alle() const { return m_anlage.Alle(); }
    double Preisniveau(int datum) const;

    CBasis& m_basis;
    const Haushaltsparameter& m_p;
    const bool m_en;
    Zufall m_zufall;
    const int m_nMonate;
    const int m_nErsterMonat;
    Haushaltsanlage m_anlage;
    const std::vector<Mitglied>& m_mitglieder;
    const std::vector<Laden>& m_laeden;
    const std::vector<double>& m_haeufigkeit;            // running sum of dProMonat over m_laeden
    std::unordered_map<std::string, CInOut*> m_vorlagen; // remembered entry per payee
    std::vector<int> m_monatsEinkaeufe;                  // positions of this month's purchases
};

} // namespace velmora::generator
