#pragma once

#include <QString>
#include <QStringList>

namespace ledgrix {

class Tfdm;

// The program's side of the support-document component: its configuration
// from the installation's settings, and its answer files.
namespace soporte {

// Hands the component the installation's settings (environment, software,
// certificate, timeout, answer folder) before a call.
void prepare_componente(Tfdm& dm);
// "DS" + 6 digits keeps its zeros in the tables; the component and its
// answers use the prefix followed by the number without them.
QString clave(const QString& prefijo, const QString& numero);
// Path of an answer file in the program folder.
QString ruta_respuesta(Tfdm& dm, const QString& archivo);
// The lines of an answer file, each split into its fields after its blanks
// became "_" (as the answers are read); empty when the file is missing.
QList<QStringList> lea_respuesta(const QString& ruta, bool* existe = nullptr);

// What a send answer says: the code to store (none when no line was
// accepted) and the messages its other lines deserve. A line is accepted
// when its status is "200" or "201", it is about `clave` and its code is not
// the one already stored (`guardado`); otherwise reading goes on.
struct LecturaEnvio {
    QString codigo;
    QStringList mensajes;
};
LecturaEnvio lea_envio(const QList<QStringList>& lineas, const QString& clave,
                       const QString& archivo, const QString& guardado, const QString& error_linea);

}  // namespace soporte
}  // namespace ledgrix
