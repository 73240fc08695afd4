#pragma once

// The help balloons of the overview; German only, and only while the balloon switch is on.

#include <functional>

class QWidget;

namespace velmora {

class CBasis;
class CPPToolTip;

void FuelleUebersichtsballons(CPPToolTip& ballons, const CBasis& basis,
                              const std::function<QWidget*(int id)>& steuerelement);

} // namespace velmora
