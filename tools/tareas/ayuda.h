#pragma once

#include <QString>

namespace ledgrix::tareas {

struct Comando;

// The help in Spanish: every task with an example and a crontab line, or
// one task with all its options.
QString ayuda_general();
QString ayuda_comando(const Comando& comando);

}  // namespace ledgrix::tareas
