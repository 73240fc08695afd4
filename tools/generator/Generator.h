#pragma once

// A synthetic household for benchmarks, demos and tests: a family of four with ten accounts, sixty
// external accounts, thirty categories and forty standing orders, booked day by day over whole years
// through the store's own booking rules and written in the real file formats.

#include "Haushaltsparameter.h"

#include <string>
#include <utility>
#include <vector>

namespace velmora {

class CBasis;

// Empty when the parameters can be used, else what is wrong with them.
std::string PruefeParameter(const Haushaltsparameter& parameter);

// Books the household into an empty store whose m_strPfad is the folder its files will go to. Leaves
// the store as a run on nHeute leaves it just before saving. The same parameters give the same store.
void BaueHaushalt(CBasis& basis, const Haushaltsparameter& parameter);

// Creates the folder if needed, builds the household and writes its settings and monthly files.
// Refuses a folder that already holds a settings or monthly file. 0 on success; -1 with the reason in fehler.
int ErzeugeHaushalt(const std::string& ordner, const Haushaltsparameter& parameter, std::string& fehler);

// Every account of the household as "member, account" with the balance it was opened with.
std::vector<std::pair<std::string, double>> Anfangsstaende(bool englisch);

} // namespace velmora
