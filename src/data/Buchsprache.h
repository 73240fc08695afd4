#pragma once

#include <string>

namespace velmora {

// The language of the book in a folder (kDeutsch or kEnglisch; the German settings file wins, as at
// start-up), else of its recovery copy; 0 without a book.
int SpracheDesBuchs(const std::string& ordner);

} // namespace velmora
