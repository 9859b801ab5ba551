#pragma once

#include <QDate>
#include <QString>

namespace ledgrix {

class Dialogs;

// A "Desde"/"Hasta" pair as the user left it: both empty mean everything
// between the two limits given; only "Desde" means that one code.
struct Rango {
    QString desde;
    QString hasta;

    Rango efectivo(const QString& minimo, const QString& maximo) const;
};

// A period is two valid dates in order; otherwise the user is told which.
bool valide_periodo(Dialogs& dialogs, const QDate& desde, const QDate& hasta);

// "Agrupamiento" of the reports by supplier: none, the supplier's city or
// its group.
enum class Agrupacion { Ninguna, Ciudad, Grupo };

// What every printed payables report is asked for. The window fills it from
// its boxes; the report composes its statement from it.
struct Criterios {
    Rango proveedores;
    Rango grupos;
    QDate corte;
    // The period of the reports over movements ("Fecha" Desde/Hasta).
    QDate desde, hasta;
    bool por_nombre = false;  // "Ordenamiento": Nombre instead of Nit
    Agrupacion agrupacion = Agrupacion::Ninguna;
    int moneda = 0;   // 0: local currency, every document
    int agencia = 0;  // 0: every agency
    QString titulo;
};

}  // namespace ledgrix
