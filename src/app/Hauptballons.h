#pragma once

// The help balloons of the main window's buttons, in both languages.

#include <functional>

class QWidget;

namespace velmora {

class CBasis;
class CPPToolTip;

// Rebuilds the tool table: empty while balloons are switched off.
void FuelleHauptballons(CPPToolTip& ballons, const CBasis& basis, const std::function<QWidget*(int id)>& steuerelement);

} // namespace velmora
