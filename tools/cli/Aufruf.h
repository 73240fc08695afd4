#pragma once

// The command line of velmora-cli: one command, the data folder, then options.

#include <map>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

namespace velmora::cli {

// A command line that does not fit the usage; the tool prints the message and the usage text.
class Benutzungsfehler final : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

struct Optionen
{
    std::vector<std::string> mitWert; // options followed by a value
    std::vector<std::string> schalter;
    std::vector<std::string> pflicht; // options that must be given
    std::vector<std::string> mitZweiWerten = {};
    bool bDateien = false;            // further arguments after DIR that are no option are files
};

class Aufruf final
{
public:
    // Parses the arguments after the command. Throws Benutzungsfehler.
    Aufruf(const std::vector<std::string>& argumente, const Optionen& optionen);

    const std::string& Ordner() const { return m_ordner; }
    const std::vector<std::string>& Dateien() const { return m_dateien; }
    bool Hat(const std::string& option) const;
    // The option's value; stelle 1 is the second value of an option that takes two.
    const std::string& Wert(const std::string& option, int stelle = 0) const;

    // The option's value read as what it stands for; each throws Benutzungsfehler on a bad value.
    int Datum(const std::string& option) const;
    int Uhrzeit(const std::string& option) const;
    long Zahl(const std::string& option, long min, long max, int stelle = 0) const;

private:
    std::string m_ordner;
    std::vector<std::string> m_dateien;
    std::map<std::string, std::string> m_werte;
    std::map<std::string, std::string> m_zweiteWerte;
    std::set<std::string> m_schalter;
};

// yyyymmdd with a month 1..12 and a day that exists in that month.
bool IstDatum(int datum);

const char* Benutzung();

} // namespace velmora::cli
