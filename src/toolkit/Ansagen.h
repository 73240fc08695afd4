#pragma once

// Painted texts told to screen readers as elements of their own: one silent label per text, lying over
// the painted words and named with them. The labels paint nothing and let the pointer through.

#include "MaleText.h"

#include <vector>

class QWidget;

namespace velmora {

// gruppe holds the labels; maler is the widget whose coordinates the texts' places are in: gruppe itself
// or one of its ancestors. Labels left over from a longer list are hidden.
void SageAn(QWidget& gruppe, const QWidget& maler, const std::vector<GemalterText>& texte);

// True for such a label: it covers nothing.
bool IstAnsage(const QWidget& widget);

} // namespace velmora
