#pragma once

// Qt's own texts (the standard buttons of message boxes, the file, colour and print dialogs) in the
// book's language, from the translations of the Qt installation.

namespace velmora {

// kDeutsch installs Qt's German translation, any other language removes it (Qt's own texts are English).
// False when German is asked for and the installation has no German translation of Qt.
bool SetzeQtSprache(int sprache);

} // namespace velmora
