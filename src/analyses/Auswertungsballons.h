#pragma once

// The help balloons of the analyses window. They exist in German only: an English run shows none.

#include <functional>

class QWidget;

namespace velmora {

class CBasis;
class CPPToolTip;

// Empties the balloons and, when help balloons are on and the language is German, gives the selection
// boxes, both lists and every navigation button their balloon. steuerelement(id) returns the control.
void FuelleAuswertungsballons(CPPToolTip& ballons, const CBasis& basis,
                              const std::function<QWidget*(int)>& steuerelement);

} // namespace velmora
