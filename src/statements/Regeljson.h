#pragma once

// A rule of the import as JSON, as VLMImport.json stores it and velmora-cli prints and takes it:
// {"name_contains": "", "name_starts": "", "name_equals": "", "iban": "", "purpose_contains": "",
//  "sign": "+" | "-" | "", "min": null, "max": null,
//  "account": "", "beneficiary": "", "category": "", "subcategory": "", "comment": ""}
// Empty or null = not used; texts UTF-8; `account` is the external account to book against.

#include "Importregel.h"

#include <nlohmann/json.hpp>

#include <optional>
#include <string>

namespace velmora {

nlohmann::ordered_json RegelAlsJson(const Importregel& regel);

// The rule a JSON object describes, normalised and checked; nullopt with the reason in `fehler` (English)
// for anything else: another key, a value of the wrong kind, a text too long or a rule Pruefe refuses.
std::optional<Importregel> RegelAusJson(const nlohmann::ordered_json& json, std::string& fehler);

// What Pruefe's answer means, in English.
const char* RegelfehlerText(Regelfehler fehler);

} // namespace velmora
