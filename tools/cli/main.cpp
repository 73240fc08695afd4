// velmora-cli: reads, starts, lists, generates and measures household books without a window.

#include "Befehle.h"

#include <exception>
#include <iostream>
#include <string_view>

int main(int argc, char** argv)
{
    if (argc == 2 && std::string_view(argv[1]) == "--version") {
        std::cout << "velmora-cli " VELMORA_VERSION "\n";
        return velmora::cli::kFertig;
    }
    try {
        return velmora::cli::FuehreAus(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr);
    } catch (const std::exception& e) {
        std::cerr << "velmora-cli: " << e.what() << '\n';
        return velmora::cli::kFehlgeschlagen;
    }
}
