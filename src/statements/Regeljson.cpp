#include "Regeljson.h"

#include "Text.h"

namespace velmora {

namespace {

using Json = nlohmann::ordered_json;

constexpr size_t kLaengsterText = 200;
constexpr double kGroessterBetrag = 100000000.0;

struct Textfeld
{
    const char* name;
    std::string Importregel::*feld;
};

constexpr Textfeld kBedingungen[] = {
    {"name_contains", &Importregel::strNameEnthaelt},     {"name_starts", &Importregel::strNameBeginnt},
    {"name_equals", &Importregel::strNameGleich},         {"iban", &Importregel::strIban},
    {"purpose_contains", &Importregel::strZweckEnthaelt},
};

constexpr Textfeld kWirkungen[] = {
    {"account", &Importregel::strKonto},      {"beneficiary", &Importregel::strNutzniesser},
    {"category", &Importregel::strKategorie}, {"subcategory", &Importregel::strUKategorie},
    {"comment", &Importregel::strKommentar},
};

Json Betrag(const std::optional<double>& betrag)
{
    return betrag ? Json(*betrag) : Json(nullptr);
}

bool LiesBetrag(const Json& wert, std::optional<double>& betrag)
{
    if (wert.is_null())
        return true;
    if (!wert.is_number() || !(wert.get<double>() >= 0.0) || wert.get<double>() > kGroessterBetrag)
        return false;
    betrag = wert.get<double>();
    return true;
}

} // namespace

Json RegelAlsJson(const Importregel& regel)
{
    Json j = Json::object();
    for (const Textfeld& t : kBedingungen)
        j[t.name] = Cp1252ZuUtf8(regel.*t.feld);
    j["sign"] = regel.cVorzeichen ? std::string(1, regel.cVorzeichen) : std::string();
    j["min"] = Betrag(regel.dMin);
    j["max"] = Betrag(regel.dMax);
    for (const Textfeld& t : kWirkungen)
        j[t.name] = Cp1252ZuUtf8(regel.*t.feld);
    return j;
}

std::optional<Importregel> RegelAusJson(const Json& json, std::string& fehler)
{
    if (!json.is_object()) {
        fehler = "a rule is a JSON object";
        return std::nullopt;
    }
    Importregel regel;
    for (const auto& eintrag : json.items()) {
        const std::string& schluessel = eintrag.key();
        const auto& wert = eintrag.value();
        const auto text = [&](const Textfeld* anfang, const Textfeld* ende) {
            const auto f = std::find_if(anfang, ende, [&](const Textfeld& t) { return schluessel == t.name; });
            return f == ende ? nullptr : f;
        };
        const Textfeld* feld = text(std::begin(kBedingungen), std::end(kBedingungen));
        if (!feld)
            feld = text(std::begin(kWirkungen), std::end(kWirkungen));
        if (feld) {
            if (!wert.is_string() || wert.get<std::string>().size() > kLaengsterText) {
                fehler = "\"" + schluessel + "\" wants a text of up to 200 characters";
                return std::nullopt;
            }
            regel.*feld->feld = Utf8ZuCp1252(wert.get<std::string>());
        } else if (schluessel == "sign") {
            const std::string zeichen = wert.is_string() ? wert.get<std::string>() : "?";
            if (zeichen != "" && zeichen != "+" && zeichen != "-") {
                fehler = "\"sign\" wants \"+\", \"-\" or \"\"";
                return std::nullopt;
            }
            regel.cVorzeichen = zeichen.empty() ? 0 : zeichen[0];
        } else if (schluessel == "min" || schluessel == "max") {
            if (!LiesBetrag(wert, schluessel == "min" ? regel.dMin : regel.dMax)) {
                fehler = "\"" + schluessel + "\" wants null or an amount from 0 to 100000000";
                return std::nullopt;
            }
        } else {
            fehler = "a rule has no \"" + schluessel + "\"";
            return std::nullopt;
        }
    }
    Normalisiere(regel);
    if (const Regelfehler f = Pruefe(regel); f != Regelfehler::kKeiner) {
        fehler = RegelfehlerText(f);
        return std::nullopt;
    }
    return regel;
}

const char* RegelfehlerText(Regelfehler fehler)
{
    switch (fehler) {
        case Regelfehler::kKeiner:
            return "";
        case Regelfehler::kOhneBedingung:
            return "the rule has no condition and would match every line";
        case Regelfehler::kZuKurz:
            return "a text condition needs at least two characters";
        case Regelfehler::kSpanne:
            return "the amounts must not be negative, and \"min\" not above \"max\"";
        case Regelfehler::kOhneWirkung:
            return "the rule sets nothing (or a sub-category without its category)";
    }
    return "";
}

} // namespace velmora
