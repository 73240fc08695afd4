#pragma once

// The help balloons of the import window and of its column page; German only, and only while the
// balloon switch is on.

#include <functional>

class QWidget;

namespace velmora {

class CBasis;
class CPPToolTip;

void FuelleImportballons(CPPToolTip& ballons, const CBasis& basis,
                         const std::function<QWidget*(int id)>& steuerelement);
void FuelleSpaltenballons(CPPToolTip& ballons, const CBasis& basis,
                          const std::function<QWidget*(int id)>& steuerelement);

} // namespace velmora
