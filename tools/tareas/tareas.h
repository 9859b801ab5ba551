#pragma once

#include <QProcessEnvironment>
#include <QStringList>
#include <QTextStream>

namespace ledgrix {

class Clock;

namespace tareas {

// Exit codes a cron line can act on.
enum Salida { kHecho = 0, kFallo = 1, kArgumentos = 2 };

// Runs one unattended task as `ledgrix-tareas` would with `args` (without the
// program name): logs in as the module does, checks the access option of the
// window the task stands for, does the task with the windows' own logic and
// logs out. One summary line goes to `salida`; messages, progress and the
// reason of a failure to `errores`. The password comes from LEDGRIX_CLAVE in
// `entorno` or from the file given with --clave-archivo.
int ejecute(const QStringList& args, const QProcessEnvironment& entorno, const Clock& reloj,
            QTextStream& salida, QTextStream& errores);

}  // namespace tareas
}  // namespace ledgrix
