#include "Gedaechtnisdatei.h"

#include "Binaer.h"
#include "Regeljson.h"
#include "Text.h"

#include <nlohmann/json.hpp>

namespace velmora {

namespace {

using Json = nlohmann::ordered_json;

// 2 added the rules; a file of version 1 reads as one without rules.
constexpr int kVersion = 2;

constexpr std::array<const char*, kAnzahlSpaltenrollen> kRollen = {"date", "amount", "debit",   "credit", "debitcredit",
                                                                   "name", "iban",   "purpose", "ownIban"};

std::string U(const std::string& cp1252)
{
    return Cp1252ZuUtf8(cp1252);
}

std::string Cp(const Json& wert)
{
    return Utf8ZuCp1252(wert.get<std::string>());
}

bool Spalte(const Json& wert)
{
    return wert.is_number_integer() && wert.get<long long>() >= -1 && wert.get<long long>() < 10000;
}

// Takes what has the expected shape and leaves out the rest.
void Lies(const Json& j, Importgedaechtnis& g)
{
    if (const auto it = j.find("accounts"); it != j.end() && it->is_object()) {
        for (const auto& [kennung, konto] : it->items()) {
            if (konto.is_string())
                g.konten[Utf8ZuCp1252(kennung)] = Cp(konto);
        }
    }
    if (const auto it = j.find("columns"); it != j.end() && it->is_object()) {
        for (const auto& [kopf, spalten] : it->items()) {
            if (!spalten.is_object())
                continue;
            Spaltenzuordnung z;
            for (size_t r = 0; r < kRollen.size(); ++r) {
                const auto wert = spalten.find(kRollen[r]);
                if (wert != spalten.end() && Spalte(*wert))
                    z.anSpalte[r] = wert->get<int>();
            }
            if (const auto weitere = spalten.find("purposes"); weitere != spalten.end() && weitere->is_array()) {
                for (const Json& s : *weitere) {
                    if (Spalte(s) && s.get<int>() >= 0)
                        z.anWeitereZwecke.push_back(s.get<int>());
                }
            }
            if (z.Vollstaendig())
                g.zuordnungen[Utf8ZuCp1252(kopf)] = z;
        }
    }
    if (const auto it = j.find("counterparties"); it != j.end() && it->is_object()) {
        for (const auto& [kennung, name] : it->items()) {
            if (name.is_string())
                g.gegenkonten[Utf8ZuCp1252(kennung)] = Cp(name);
        }
    }
    if (const auto it = j.find("references"); it != j.end() && it->is_array()) {
        for (const Json& r : *it) {
            if (r.is_string())
                g.referenzen.insert(Cp(r));
        }
    }
    if (const auto it = j.find("rules"); it != j.end() && it->is_array()) {
        std::string fehler;
        for (const Json& r : *it) {
            if (std::optional<Importregel> regel = RegelAusJson(r, fehler))
                g.regeln.push_back(std::move(*regel));
        }
    }
}

} // namespace

std::string GedaechtnisPfad(const std::string& ordner)
{
    return DateiPfad(ordner, kGedaechtnisDatei);
}

int LadeGedaechtnis(const std::string& ordner, Importgedaechtnis& gedaechtnis)
{
    if (gedaechtnis.bGeladen)
        return 0;
    gedaechtnis.bGeladen = true;
    std::string bytes;
    if (!LeseDatei(GedaechtnisPfad(ordner), bytes))
        return 0;
    const Json j = Json::parse(bytes, nullptr, false);
    if (j.is_discarded() || !j.is_object())
        return -1;
    Lies(j, gedaechtnis);
    return 0;
}

int SpeichereGedaechtnis(const std::string& ordner, Importgedaechtnis& gedaechtnis)
{
    if (!gedaechtnis.bGeaendert)
        return 0;
    Json j = Json::object();
    j["version"] = kVersion;
    Json& konten = j["accounts"] = Json::object();
    for (const auto& [kennung, konto] : gedaechtnis.konten)
        konten[U(kennung)] = U(konto);
    Json& spalten = j["columns"] = Json::object();
    for (const auto& [kopf, z] : gedaechtnis.zuordnungen) {
        Json& eintrag = spalten[U(kopf)] = Json::object();
        for (size_t r = 0; r < kRollen.size(); ++r)
            eintrag[kRollen[r]] = z.anSpalte[r];
        eintrag["purposes"] = z.anWeitereZwecke;
    }
    Json& gegen = j["counterparties"] = Json::object();
    for (const auto& [kennung, name] : gedaechtnis.gegenkonten)
        gegen[U(kennung)] = U(name);
    Json& referenzen = j["references"] = Json::array();
    for (const std::string& r : gedaechtnis.referenzen)
        referenzen.push_back(U(r));
    Json& regeln = j["rules"] = Json::array();
    for (const Importregel& regel : gedaechtnis.regeln)
        regeln.push_back(RegelAlsJson(regel));
    if (!SchreibeDateiSicher(GedaechtnisPfad(ordner), j.dump(1) + "\n"))
        return -1;
    gedaechtnis.bGeaendert = false;
    return 0;
}

} // namespace velmora
