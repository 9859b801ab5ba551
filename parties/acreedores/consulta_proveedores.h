#pragma once

#include <QString>

namespace ledgrix {

// What the supplier list is asked for: the column searched, the text, whether
// the text may be anywhere in the column (otherwise the rows from it on, in
// the column's order) and whether inactive suppliers are shown too.
struct CriterioProveedores {
    enum class Columna { Nit, Nombre, Codigo, Contacto };
    Columna columna = Columna::Nombre;
    QString texto;
    bool contiene = true;
    bool inactivos = false;
};

// The list's statement for a criterion, ordered by the column searched.
QString consulta_proveedores(const CriterioProveedores& criterio);

// The statement a window opens the list with when it leaves a NIT or name
// being typed: a name search anywhere, ordered by name.
QString consulta_proveedores_por_nombre(const QString& texto, bool inactivos = false);

}  // namespace ledgrix
