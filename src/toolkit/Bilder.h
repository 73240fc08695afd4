#pragma once

// The program's pictures by their resource number: button pictures in both languages, flags, the
// welcome pictures, list icons and the pictures of the help balloons.

#include <QPixmap>

namespace velmora {

// The program's own picture: About box, window icon and desktop entry.
constexpr int kProgrammBild = 128;

QPixmap Bild(int idres);

} // namespace velmora
