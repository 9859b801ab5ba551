#include "core/config/idioma.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace ledgrix {

QTranslator* instale_traducciones_qt(QCoreApplication& app) {
    auto* traductor = new QTranslator(&app);
    if (!traductor->load(QStringLiteral("qtbase_es"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)) ||
        !QCoreApplication::installTranslator(traductor)) {
        delete traductor;
        return nullptr;
    }
    return traductor;
}

}  // namespace ledgrix
