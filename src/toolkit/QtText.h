#pragma once

// The one place where the cp1252 texts of the store meet Qt's Unicode strings.

#include <QString>
#include <string>

namespace velmora {

QString AlsQString(const std::string& cp1252);
std::string AlsCp1252(const QString& text);

// The bilingual pick of window texts: German when the store's language is German.
inline QString Sprachtext(bool deutsch, const char* de, const char* en)
{
    return QString::fromUtf8(deutsch ? de : en);
}

} // namespace velmora
