#pragma once

#include <QDate>
#include <QHash>
#include <QString>
#include <QStringList>
#include <vector>

namespace ledgrix::tareas {

// What kind of value an option takes; the parser checks it so that a cron
// line with a typo stops before anything touches the databases.
enum class Valor { Texto, Fecha, Entero, Bandera };

struct Opcion {
    QString nombre;  // "--corte"
    Valor valor = Valor::Texto;
    bool obligatoria = false;
    QString texto;          // what it is, for the help
    QStringList admitidos;  // when not empty, the only values taken
};

// One unattended task: its options, the window whose access option it
// needs, and the examples the help shows.
struct Comando {
    QString nombre;
    QString resumen;
    QString ventana;  // class of the window the task stands for
    std::vector<Opcion> opciones;
    // Options that bound a range and must not come reversed.
    QString rango_desde, rango_hasta;
    QStringList ejemplos;
};

const std::vector<Comando>& comandos();
const Comando* comando(const QString& nombre);
// Options every task takes: who logs in and where.
const std::vector<Opcion>& opciones_comunes();

// The command line as read. `error` set: bad arguments, told in Spanish.
struct Orden {
    const Comando* comando = nullptr;
    QHash<QString, QString> valores;
    bool ayuda = false;
    QString error;

    bool tiene(const QString& opcion) const { return valores.contains(opcion); }
    QString valor(const QString& opcion) const { return valores.value(opcion); }
    QDate fecha(const QString& opcion) const;
};

Orden lea_orden(const QStringList& args);

// "Use «ledgrix-tareas vencimientos --help» ..." after a refusal.
QString pista(const Orden& orden);

}  // namespace ledgrix::tareas
