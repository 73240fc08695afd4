#include "Generator.h"

#include "Basis.h"
#include "Haushaltsbau.h"
#include "Kalender.h"
#include "Start.h"
#include "Text.h"

#include <filesystem>
#include <stdexcept>

namespace velmora {

namespace {

using namespace generator;

bool IstHaushaltsdatei(const std::string& name)
{
    return name == "VLMBasic_D.ini" || name == "VLMBasic_E.ini" ||
           (name.size() > 4 && name.compare(name.size() - 4, 4, ".vlm") == 0);
}

} // namespace

std::string PruefeParameter(const Haushaltsparameter& p)
{
    const int jahr = p.nHeute / 10000;
    const int monat = p.nHeute / 100 % 100;
    const int tag = p.nHeute % 100;
    if (jahr < 1900 || jahr > 9999 || monat < 1 || monat > 12 || tag < 1 || tag > TageImMonat(jahr, monat))
        return Format("today's date %d is not a valid yyyymmdd", p.nHeute);
    if (p.nJetzt < 0 || p.nJetzt > 2359 || p.nJetzt % 100 > 59)
        return Format("the time %d is not a valid hhmm", p.nJetzt);
    if (p.nJahre < 1 || p.nJahre > 100)
        return Format("%d years: between 1 and 100 are possible", p.nJahre);
    if (p.nEingabenProMonat < 0 || p.nEingabenProMonat > 100000)
        return Format("%d bookings a month: between 0 and 100000 are possible", p.nEingabenProMonat);
    if (p.nDauerAuftraege < 0 || p.nDauerAuftraege > 10000)
        return Format("%d standing orders: between 0 and 10000 are possible", p.nDauerAuftraege);
    return {};
}

void BaueHaushalt(CBasis& basis, const Haushaltsparameter& parameter)
{
    const std::string fehler = PruefeParameter(parameter);
    if (!fehler.empty())
        throw std::invalid_argument(fehler);
    Haushaltsbau(basis, parameter).Baue();
}

int ErzeugeHaushalt(const std::string& ordner, const Haushaltsparameter& parameter, std::string& fehler)
{
    namespace fs = std::filesystem;
    fehler = PruefeParameter(parameter);
    if (!fehler.empty())
        return -1;
    std::error_code ec;
    fs::create_directories(ordner, ec);
    if (ec) {
        fehler = ordner + ": " + ec.message();
        return -1;
    }
    for (fs::directory_iterator it(ordner, ec), ende; !ec && it != ende; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (IstHaushaltsdatei(name)) {
            fehler = ordner + " already holds a household (" + name + ")";
            return -1;
        }
    }
    if (ec) {
        fehler = ordner + ": " + ec.message();
        return -1;
    }
    CBasis basis;
    basis.m_strPfad = ordner;
    BaueHaushalt(basis, parameter);
    if (SpeichereAlles(basis) != 0) {
        fehler = "cannot write";
        for (const std::string& datei : basis.m_nichtGeschriebeneDateien)
            fehler += " " + datei;
        return -1;
    }
    return 0;
}

std::vector<std::pair<std::string, double>> Anfangsstaende(bool englisch)
{
    std::vector<std::pair<std::string, double>> staende;
    for (const MitgliedVorlage& m : Mitglieder()) {
        for (const KontoVorlage& k : m.konten)
            staende.emplace_back(Format("%s, %s", m.name.In(englisch), k.name.In(englisch)), k.dStart);
    }
    return staende;
}

} // namespace velmora
