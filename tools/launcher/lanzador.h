#pragma once

#include <QString>
#include <QStringList>

namespace ledgrix {

// What the launcher hands to the module: "ENTRADA", user, company, the
// scrambled password and, when configured, the database location.
struct DatosIngreso {
    QString usuario;
    QString compania;
    QString clave;
    QString ubicacion;  // empty: the module reads conexion.cfg
};

// Empty text when the entry can be launched, otherwise what the user must fix.
QString revise_ingreso(const DatosIngreso& ingreso);

QStringList argumentos_modulo(const DatosIngreso& ingreso);

// The module's program beside the launcher (installed together), or in the
// build tree next to it.
QString programa_modulo(const QString& carpetaLanzador);

}  // namespace ledgrix
