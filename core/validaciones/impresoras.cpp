#include "core/validaciones/impresoras.h"

#include <QFile>
#include <QTextStream>

#include "core/services/dialogs.h"
#include "core/services/installation.h"
#include "core/tfdm/tfdm.h"

namespace ledgrix {

QString nombre_impresora(Tfdm& dm, const QString& nombre_logico) {
    const QString ruta = instalacion::archivo(dm.directorio(), QStringLiteral("impresoras.cfg"));
    QFile archivo(ruta);
    if (!archivo.open(QIODevice::ReadOnly | QIODevice::Text)) {
        dm.dialogs().error(QStringLiteral("Error abriendo el archivo") + ruta);
        return {};
    }
    // The name is looked for anywhere in the line, not only at its start:
    // workstations rely on "XFACTURA,..." also serving FACTURA.
    const QString clave = nombre_logico + QLatin1Char(',');
    QTextStream lineas(&archivo);
    QString impresora;
    while (impresora.isEmpty() && !lineas.atEnd()) {
        const QString linea = lineas.readLine();
        const qsizetype en = linea.indexOf(clave);
        if (en >= 0)
            impresora = linea.mid(en + clave.size());
    }
    return impresora;
}

}  // namespace ledgrix
