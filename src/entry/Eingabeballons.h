#pragma once

// The help balloons of the entry window. They exist in German only: an English run shows none.

#include <functional>

class QWidget;

namespace velmora {

class CBasis;
class CPPToolTip;

// Empties the balloons and, when help balloons are on and the language is German, gives every control
// of the entry window its balloon. steuerelement(id) returns the control with that id.
void FuelleEingabeballons(CPPToolTip& ballons, const CBasis& basis, const std::function<QWidget*(int)>& steuerelement);

} // namespace velmora
