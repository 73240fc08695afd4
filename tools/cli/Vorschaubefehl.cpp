#include "Vorschaubefehl.h"

#include "Ausgaenge.h"
#include "Basis.h"
#include "Json.h"
#include "Start.h"
#include "Text.h"
#include "Vorschau.h"

#include <cmath>
#include <filesystem>
#include <ostream>

namespace velmora::cli {

namespace {

Json AlsJson(const Vorschau& vorschau, const Verlauf& v, const char* art)
{
    Json kommende = Json::array();
    for (const VorschauBuchung& b : v.buchungen) {
        const Vorschauauftrag& a = vorschau.auftraege[static_cast<size_t>(b.nAuftrag)];
        kommende.push_back({{"date", b.nDatum},
                            {"order", a.nNr},
                            {"payer", Cp1252ZuUtf8(a.strZahler)},
                            {"payee", Cp1252ZuUtf8(a.strEmpfaenger)},
                            {"amount", b.dBetrag},
                            {"balance", b.dStand}});
    }
    return {{art, Cp1252ZuUtf8(v.strName)},
            {"today", v.dHeute},
            {"month_end", v.dMonatsEnde},
            {"year_end", v.dJahresEnde},
            {"lowest", {{"date", v.nTiefstDatum}, {"balance", v.dTiefst}}},
            {"first_negative", v.nErstesMinus != 0 ? Json(v.nErstesMinus) : Json(nullptr)},
            {"upcoming", std::move(kommende)},
            {"usual_per_day", std::round(v.dUeblichProTag * 100.0) / 100.0 + 0.0}};
}

} // namespace

int Forecast(const Aufruf& aufruf, std::ostream& aus, std::ostream& fehler)
{
    const int heute = aufruf.Datum("--today");
    const int bis = aufruf.Hat("--until") ? aufruf.Datum("--until") : VorschauHorizont(heute);
    if (bis < heute)
        throw Benutzungsfehler("--until lies before --today");
    std::error_code ec;
    if (!std::filesystem::is_directory(aufruf.Ordner(), ec)) {
        fehler << "velmora-cli: " << aufruf.Ordner() << ": no such folder\n";
        return kFehlgeschlagen;
    }
    // As the program shows it: started on that day, the due standing orders booked; nothing is written.
    CBasis basis;
    basis.m_uhr = FesteUhr(heute, 0);
    StarteDaten(basis, aufruf.Ordner());
    if (!basis.Familie()) {
        fehler << "velmora-cli: " << aufruf.Ordner() << ": no household\n";
        return kFehlgeschlagen;
    }
    LadeVorschauMonate(basis);
    const Vorschau vorschau = ErstelleVorschau(basis, bis);

    Json konten = Json::array();
    const std::string konto = Utf8ZuCp1252(aufruf.Wert("--account"));
    for (const Verlauf& v : vorschau.konten) {
        if (!aufruf.Hat("--account") || v.strName == konto)
            konten.push_back(AlsJson(vorschau, v, "account"));
    }
    if (konten.empty() && aufruf.Hat("--account"))
        throw Benutzungsfehler("--account wants a family account \"MEMBER, ACCOUNT\", not '" +
                               aufruf.Wert("--account") + "'");
    Json mitglieder = Json::array();
    for (const Verlauf& v : vorschau.mitglieder)
        mitglieder.push_back(AlsJson(vorschau, v, "member"));
    aus << Json{{"date", vorschau.nHeute},
                {"until", vorschau.nBis},
                {"accounts", std::move(konten)},
                {"members", std::move(mitglieder)},
                {"family", AlsJson(vorschau, vorschau.familie, "family")}}
               .dump()
        << '\n';
    return kFertig;
}

} // namespace velmora::cli
