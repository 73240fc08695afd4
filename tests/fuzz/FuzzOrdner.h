#pragma once

// A scratch data folder for one fuzzing process, in memory where the system offers it.

#include <cstddef>
#include <cstdint>
#include <string>

namespace velmora {
class CBasis;
}

namespace velmora::fuzz {

const std::string& Ordner();
// Replaces a file of the scratch folder with the fuzzer's bytes.
void Lege(const std::string& name, const uint8_t* daten, size_t groesse);
// A store on the scratch folder, on 15 March 2024 at noon.
void Richte(CBasis& basis);

} // namespace velmora::fuzz
