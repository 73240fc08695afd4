#pragma once

// The statements of one import, each with its family account, and the memory they are read with. The
// import window and velmora-cli collect files through it and ask it for the proposals.

#include "Auszugsdatei.h"
#include "Importregeln.h"

#include <string>
#include <vector>

namespace velmora {

class CBasis;

class Importsammlung final
{
public:
    Importsammlung(CBasis& basis, Importgedaechtnis& gedaechtnis);

    // Reads a file. `zuordnung` is the user's mapping of a CSV file's columns; it is remembered for
    // files with the same header row once the file reads with it.
    Leseergebnis Lies(const std::string& pfad, const Spaltenzuordnung* zuordnung = nullptr);

    // The family account remembered for the statement; "" when the user must name it.
    std::string Konto(const Kontoauszug& auszug) const;

    // The IBAN the family account is remembered for when it is not the statement's own; "" otherwise.
    std::string AndereIban(const Kontoauszug& auszug, const std::string& konto) const;

    // Takes the statement in as one of that family account, which is remembered for its IBAN or layout.
    void Fuege(Kontoauszug auszug, const std::string& konto);

    Importergebnis Vorschlaege(int toleranz) const;
    Buchungszeitraum Buche(const std::vector<Importvorschlag>& vorschlaege);

    size_t Anzahl() const { return m_auszuege.size(); }
    const std::vector<Kontoauszug>& Auszuege() const { return m_auszuege; }

private:
    CBasis& m_basis;
    Importgedaechtnis& m_gedaechtnis;
    std::vector<Kontoauszug> m_auszuege;
    std::vector<std::string> m_konten;
};

} // namespace velmora
