#pragma once

// The program's pictures by their resource number: button pictures in both languages, flags, the
// welcome pictures, list icons and the pictures of the help balloons. They are drawn at run time;
// a balloon picture comes from the resources (:/velmora/pictures/<number>.png) when one is there.

#include <QPixmap>

namespace velmora {

// The program's own picture: About box, window icon and desktop entry.
constexpr int kProgrammBild = 128;

// A null pixmap for a number the program has no picture for.
QPixmap Bild(int idres);

} // namespace velmora
