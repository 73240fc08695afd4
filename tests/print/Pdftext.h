#pragma once

// What a PDF file says, read back as a person's PDF viewer shows it, through poppler-utils.

#include <QString>
#include <QStringList>

namespace velmora::test {

// The text of every page, in page order (pdftotext -layout).
QStringList PdfSeiten(const QString& datei);
// "portrait" or "landscape", from the first page's size (pdfinfo).
QString PdfLage(const QString& datei);

} // namespace velmora::test
