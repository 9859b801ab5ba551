#include "output/soporte/componente_programa.h"

#include <QDir>
#include <QFile>

#include "core/tfdm/tfdm.h"
#include "electronic/componente.h"

namespace ledgrix::soporte {

void prepare_componente(Tfdm& dm) {
    const QString f = QStringLiteral("FACTURACION");
    const QString ds = QStringLiteral("DOCUMENTO SOPORTE");
    electronico::Configuracion c;
    c.carpeta_respuestas = dm.directorio();
    c.ambiente = dm.configuracion(f, ds, QStringLiteral("AMBIENTE"));
    c.software_id = dm.configuracion(f, ds, QStringLiteral("IDENTIFICADOR DEL SOFTWARE"));
    c.pin = dm.configuracion(QStringLiteral("CXPAGAR"), ds, QStringLiteral("PIN DEL SOFTWARE"));
    c.certificado = dm.configuracion(f, ds, QStringLiteral("CERTIFICADO DE FIRMA"));
    c.clave_certificado = dm.configuracion(f, ds, QStringLiteral("CLAVE DEL CERTIFICADO"));
    c.ca_servicio =
        dm.configuracion(f, ds, QStringLiteral("CERTIFICADOS DE CONFIANZA DEL SERVICIO"));
    bool ok = false;
    const int segundos =
        dm.configuracion(f, ds, QStringLiteral("SEGUNDOS DE ESPERA DEL SERVICIO")).toInt(&ok);
    c.segundos_espera = ok && segundos > 0 ? segundos : 30;
    electronico::configure(c);
}

QString clave(const QString& prefijo, const QString& numero) {
    QString n = numero.trimmed();
    while (n.size() > 1 && n.front() == QLatin1Char('0'))
        n.remove(0, 1);
    return prefijo.trimmed() + n;
}

QString ruta_respuesta(Tfdm& dm, const QString& archivo) {
    return QDir(dm.directorio()).filePath(archivo);
}

QList<QStringList> lea_respuesta(const QString& ruta, bool* existe) {
    QList<QStringList> lineas;
    QFile f(ruta);
    if (existe)
        *existe = f.exists();
    if (!f.open(QIODevice::ReadOnly | QIODevice::Text))
        return lineas;
    while (!f.atEnd()) {
        QString linea = QString::fromLatin1(f.readLine()).trimmed();
        if (linea.isEmpty())
            continue;
        linea.replace(QLatin1Char(' '), QLatin1Char('_'));
        lineas << linea.split(QLatin1Char('|'));
    }
    return lineas;
}

LecturaEnvio lea_envio(const QList<QStringList>& lineas, const QString& clave,
                       const QString& archivo, const QString& guardado,
                       const QString& error_linea) {
    LecturaEnvio r;
    for (const QStringList& campos : lineas) {
        const QString estado = campos.value(1);
        if (estado != QStringLiteral("200") && estado != QStringLiteral("201")) {
            r.mensajes << error_linea + campos.join(QLatin1Char('|'));
            continue;
        }
        if (campos.value(2) != clave) {
            r.mensajes << QStringLiteral("Error leyendo archivo ") + archivo +
                              QStringLiteral(
                                  " el Número retornado no coincide con el documento enviado");
            continue;
        }
        if (campos.value(3) == guardado)
            continue;
        r.codigo = campos.value(3);
        break;
    }
    return r;
}

}  // namespace ledgrix::soporte
