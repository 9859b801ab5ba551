#pragma once

#include <QString>

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

}  // namespace instalacion
}  // namespace ledgrix
