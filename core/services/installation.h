#pragma once

#include <QString>

#include "core/money/formato_numero.h"

namespace ledgrix {

class Dialogs;

// Where this workstation's installation lives and where its databases are.
namespace instalacion {

// The installation directory: the environment variable LEDGRIX_DIR when set
// (development and tests), otherwise the system setting "Directorio" of
// KVO/LedgrixERP2022. Missing: tells the user and answers the empty text.
QString Diraplicacion(Dialogs& dialogs);

// A file of the installation directory ("\NAME" joined with the separator).
QString archivo(const QString& directorio, const QString& nombre);

// The database location held by "conexion.cfg": the whole content less its
// last two characters (the line break it was written with). Missing or
// unreadable file: tells the user and answers the empty text.
QString lea_conexion(const QString& directorio, Dialogs& dialogs);

// Argument 5 when given, otherwise the connection file.
QString ubicaciondb(const QString& argumento5, const QString& directorio, Dialogs& dialogs);

// The number format of the installation: the first line of "numeros.cfg" is
// an example of it ("1.234.567,89", "1,234,567.89"). Colombian when the file
// is missing or its line is not such an example, so a workstation never ends
// up reading amounts in a format nobody chose.
FormatoNumero formato_numeros(const QString& directorio);

}  // namespace instalacion
}  // namespace ledgrix
