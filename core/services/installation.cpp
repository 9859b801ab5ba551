#include "core/services/installation.h"

#include <QDir>
#include <QFile>
#include <QSettings>

#include "core/services/dialogs.h"

namespace ledgrix::instalacion {

QString Diraplicacion(Dialogs& dialogs) {
    const QString env = qEnvironmentVariable("LEDGRIX_DIR");
    if (!env.isEmpty()) return env;
    QSettings ajustes(QSettings::SystemScope, QStringLiteral("KVO"), QStringLiteral("LedgrixERP2022"));
    const QString dir = ajustes.value(QStringLiteral("Directorio")).toString();
    if (dir.isEmpty()) {
        dialogs.error(QStringLiteral(
            "No se encontró la Clave HKEY_LOCAL_MACHINE\\Software\\KVO\\LedgrixERP2022\\Directorio"));
    }
    return dir;
}

QString archivo(const QString& directorio, const QString& nombre) {
    return QDir::cleanPath(directorio + QDir::separator() + nombre);
}

QString lea_conexion(const QString& directorio, Dialogs& dialogs) {
    QFile f(archivo(directorio.isEmpty() ? QStringLiteral("/") : directorio, QStringLiteral("conexion.cfg")));
    if (!f.open(QIODevice::ReadOnly)) {
        dialogs.error(QStringLiteral("No se encontró el archivo de conexión con la base de datos."));
        return {};
    }
    const QString contenido = QString::fromUtf8(f.readAll());
    return contenido.left(qMax<qsizetype>(0, contenido.size() - 2));
}

QString ubicaciondb(const QString& argumento5, const QString& directorio, Dialogs& dialogs) {
    if (!argumento5.isEmpty()) return argumento5;
    return lea_conexion(directorio, dialogs);
}

FormatoNumero formato_numeros(const QString& directorio) {
    QFile f(archivo(directorio, QStringLiteral("numeros.cfg")));
    if (directorio.isEmpty() || !f.open(QIODevice::ReadOnly))
        return {};
    const QString linea = QString::fromUtf8(f.readLine());
    return FormatoNumero::de_ejemplo(linea).value_or(FormatoNumero());
}

}  // namespace ledgrix::instalacion
