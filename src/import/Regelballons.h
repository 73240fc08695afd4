#pragma once

// The help balloons of the rule dialog, the rules window and the dialog that applies a rule to the book;
// German only, and only while the balloon switch is on.

#include <functional>

class QWidget;

namespace velmora {

class CBasis;
class CPPToolTip;

using Steuerelemente = std::function<QWidget*(int id)>;

void FuelleRegelballons(CPPToolTip& ballons, const CBasis& basis, const Steuerelemente& steuerelement);
void FuelleRegelfensterballons(CPPToolTip& ballons, const CBasis& basis, const Steuerelemente& steuerelement);
void FuelleAnwendungsballons(CPPToolTip& ballons, const CBasis& basis, const Steuerelemente& steuerelement);

} // namespace velmora
