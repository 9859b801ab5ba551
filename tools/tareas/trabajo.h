#pragma once

#include <QString>
#include <QTextStream>

namespace ledgrix {

class Progreso;
class Tfdm;

namespace tareas {

struct Orden;

// What a task finished with: the summary line for stdout, or the reason of
// its failure (the details were already told on stderr).
struct Resultado {
    bool hecho = false;
    QString resumen;
    QString fallo;

    static Resultado ok(const QString& resumen) { return {true, resumen, {}}; }
    static Resultado falla(const QString& razon) { return {false, {}, razon}; }
};

// Everything a task gets once the user is in and allowed.
struct Trabajo {
    Tfdm& dm;
    const Orden& orden;
    Progreso& progreso;
    QTextStream& errores;
};

Resultado vencimientos(Trabajo& t);
Resultado relacion(Trabajo& t);
Resultado soportes(Trabajo& t);
Resultado recalculo(Trabajo& t);
Resultado dispersion(Trabajo& t);

// A file can be written at `ruta` (its folder exists and takes files);
// the reason when not.
QString sin_escritura(const QString& ruta);

}  // namespace tareas
}  // namespace ledgrix
