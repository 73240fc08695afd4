#pragma once

// The help balloons of the settings window. They exist in German only.

#include <functional>

class QWidget;

namespace velmora {

class CBasis;
class CPPToolTip;

// Fills the balloon table afresh; leaves it empty while balloons are off or the book is English.
void FuelleEinstellungsballons(CPPToolTip& ballons, const CBasis& basis,
                               const std::function<QWidget*(int id)>& steuerelement);

} // namespace velmora
