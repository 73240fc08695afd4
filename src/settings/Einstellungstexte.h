#pragma once

// The captions of the settings window in English (its form carries the German ones) and the accessible
// names of its fields and lists in both languages.

namespace velmora {

class Steuerelemente;

void BeschrifteEinstellungen(const Steuerelemente& steuer, bool deutsch);

} // namespace velmora
