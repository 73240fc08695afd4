#include "Befehlszeile.h"

namespace velmora {

namespace {

constexpr const char* kBenutzung = R"(usage: velmora [FOLDER]

Velmora, the household-accounts book of one family, opens the book in FOLDER.
Without FOLDER it opens the folder of the last run (the setting Path in
~/.config/Velmora/Velmora.conf), else the current folder when it holds a book;
at the very first start it asks for the folder and the book's language.

  --help      prints this text
  --version   prints the program's version
)";

} // namespace

std::optional<int> BeantworteBefehlszeile(const std::vector<std::string>& argumente, std::ostream& aus)
{
    for (const std::string& argument : argumente) {
        if (argument == "--version") {
            aus << "velmora " VELMORA_VERSION "\n";
            return 0;
        }
        if (argument == "--help" || argument == "-h") {
            aus << kBenutzung;
            return 0;
        }
    }
    return std::nullopt;
}

} // namespace velmora
