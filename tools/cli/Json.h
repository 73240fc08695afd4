#pragma once

// The store and its records as JSON: every field under its own name, texts converted from cp1252 to
// UTF-8, doubles as numbers and colours as integers. Object keys keep the order of the fields.

#include <nlohmann/json.hpp>

#include <iosfwd>

namespace velmora {

class CBasis;
struct CInOut;
struct CTermin;
struct CDauerAuftrag;
struct CKonto;
struct CPerson;
struct CFAMILY;
struct CZIELKONTO;
struct CUKategorie;
struct CKategorie;
struct CLoadedFiles;

using Json = nlohmann::ordered_json;

Json AlsJson(const CInOut& t);
Json AlsJson(const CTermin& t);
Json AlsJson(const CDauerAuftrag& a);
Json AlsJson(const CKonto& k);
Json AlsJson(const CPerson& p);
Json AlsJson(const CFAMILY& f);
Json AlsJson(const CZIELKONTO& z);
Json AlsJson(const CUKategorie& u);
Json AlsJson(const CKategorie& k);
Json AlsJson(const CLoadedFiles& d);

// Writes the store as one JSON object, without a line break: every field but the month names, the owner
// and picker lists and the two work records. Record by record, so that decades of transactions never
// exist twice in memory.
void SchreibeJson(std::ostream& aus, const CBasis& basis);

} // namespace velmora
