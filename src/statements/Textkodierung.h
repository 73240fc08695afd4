#pragma once

// The encodings banks write their downloads in: UTF-8 (with or without its byte-order mark), UTF-16 in
// either byte order (with or without a mark), and cp1252/ISO-8859-1 for older exports.

#include <QString>

#include <string>

namespace velmora {

// UTF-16 by its byte-order mark, or by the zero bytes of mostly-ASCII text. Sets `text` and answers true;
// false when the bytes are not UTF-16. `fehlzeile` is the line of a broken sequence, else 0.
bool LiesUtf16(const std::string& bytes, QString& text, int& fehlzeile);

// The bytes as UTF-8, without a byte-order mark. Valid UTF-8 stays as it is; bytes without a single
// valid multi-byte sequence are cp1252. Anything else is a damaged UTF-8 file: false, with the line of
// the first bad byte in `fehlzeile`.
bool AlsUtf8(std::string bytes, std::string& text, int& fehlzeile);

// The text in cp1252 without control characters: tabs and line breaks become blanks, the rest go.
std::string OhneSteuerzeichen(std::string text);

} // namespace velmora
