#pragma once

// The exit statuses of velmora-cli.

namespace velmora::cli {

constexpr int kFertig = 0;
constexpr int kFehlgeschlagen = 1;
constexpr int kFalscheBenutzung = 2;
// The book was saved, but its backup could not be made.
constexpr int kOhneSicherung = 3;

} // namespace velmora::cli
