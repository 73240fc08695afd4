#include "QtText.h"

#include "Text.h"

namespace velmora {

QString AlsQString(const std::string& cp1252)
{
    return QString::fromStdString(Cp1252ZuUtf8(cp1252));
}

std::string AlsCp1252(const QString& text)
{
    return Utf8ZuCp1252(text.toStdString());
}

} // namespace velmora
