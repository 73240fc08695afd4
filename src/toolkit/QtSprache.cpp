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
    const bool deutsch = sprache == kDeutsch;
    // Every change sends all widgets a language change, which resets the texts of standard buttons.
    if (deutsch == (geladen != nullptr))
        return true;
    if (!deutsch) {
        QCoreApplication::removeTranslator(geladen.get());
        geladen.reset();
        return true;
    }
    auto uebersetzer = std::make_unique<QTranslator>();
    if (!uebersetzer->load(QLocale(QLocale::German), QStringLiteral("qtbase"), QStringLiteral("_"),
                           QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return false;
    QCoreApplication::installTranslator(uebersetzer.get());
    geladen = std::move(uebersetzer);
    return true;
}

} // namespace velmora
