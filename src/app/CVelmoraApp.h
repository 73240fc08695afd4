#pragma once

// The application object: finds the data folder and runs the main window until it ends.

#include <QString>

namespace velmora {

class CVelmoraApp final
{
public:
    // The data folder: the setting "Path" of section "Velmora" (organisation and application
    // "Velmora"), read only; without it the current folder.
    static QString DatenOrdner();

    int Run();
};

} // namespace velmora
