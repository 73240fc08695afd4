#include "QtSprache.h"

#include "Basis.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <memory>

namespace velmora {

bool SetzeQtSprache(int sprache)
{
    static std::unique_ptr<QTranslator> geladen;
    if (geladen) {
        QCoreApplication::removeTranslator(geladen.get());
        geladen.reset();
    }
    if (sprache != kDeutsch)
        return true;
    auto uebersetzer = std::make_unique<QTranslator>();
    if (!uebersetzer->load(QLocale(QLocale::German), QStringLiteral("qtbase"), QStringLiteral("_"),
                           QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return false;
    QCoreApplication::installTranslator(uebersetzer.get());
    geladen = std::move(uebersetzer);
    return true;
}

} // namespace velmora
