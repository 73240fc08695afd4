#pragma once

// The help pages ship with the program; they open in the web browser and need no network.

#include <QString>

namespace velmora {

// Writes the help pages to the user's cache folder and opens the start page of the language.
bool OeffneHilfe(bool deutsch);

// Local address of the help start page, after writing the pages out.
QString HilfeSeite(bool deutsch);

} // namespace velmora
