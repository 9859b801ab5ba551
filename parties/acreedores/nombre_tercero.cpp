#include "parties/acreedores/nombre_tercero.h"

#include <QStringList>

namespace ledgrix {

QString componga_nombre(const QString& apellido1, const QString& apellido2, const QString& nombre1,
                        const QString& nombre2) {
    return QStringList{apellido1.trimmed(), apellido2.trimmed(), nombre1.trimmed(),
                       nombre2.trimmed()}
        .join(u' ');
}

}  // namespace ledgrix
