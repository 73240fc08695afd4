#pragma once

// The help balloons of the forecast window, in German only, while balloon help is on.

#include <functional>

class QWidget;

namespace velmora {

class CBasis;
class CPPToolTip;

void FuellePrognoseballons(CPPToolTip& ballons, const CBasis& basis,
                           const std::function<QWidget*(int id)>& steuerelement);

} // namespace velmora
