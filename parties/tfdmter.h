#pragma once

#include <QString>

#include "core/money/currency.h"

namespace ledgrix {

class Field;
class Tfdm;

// Look-ups a form makes while the user types a NIT: does it exist, whose is
// it, is it an active supplier, which withholdings and thresholds apply.
// Each is one query; none writes.
class Tfdmter {
public:
    explicit Tfdmter(Tfdm& dm) : dm_(dm) {}

    // The supplier a window hands to the one it opens (open documents,
    // movement). Held for the whole run, as the data module itself is.
    struct ProveedorEntregado {
        QString nit;
        QString nombre;
    };
    static inline ProveedorEntregado entregado;
    // What a window was typing (a NIT or a name) when it opened the supplier
    // list to pick one; the list reads it once.
    static inline QString texto_busqueda;

    // Whatever its state.
    bool existe_nit(const QString& nit);
    // A supplier (flag and supplier row), active or not; empty when none.
    QString nombre_proveedor(const QString& nit);
    // The supplier flag of an active third party; empty when none is active.
    QString valide_proveedor(const QString& nit);

    // Withholding fields of the caller's record.
    struct CamposRetencion {
        Field& rtfte;
        Field& rtiva;
        Field& rtica;
        Field& rcree;
    };
    // Fills the percentages the record does not have yet (empty or zero) and
    // the simplified-regime flag; a simplified-regime supplier always gets the
    // configured IVA withholding. Returns the name; empty when no active supplier.
    QString valide_proveedor_ret(const QString& nit, CamposRetencion campos, Field& simplificado);
    // Overwrites all four percentages with the active supplier's.
    QString valide_retenciones(const QString& nit, CamposRetencion campos);

    // Thresholds compared with "amount > threshold": the income-tax one is the
    // stored base less 1.00 so that an amount equal to the base is withheld.
    Currency base_rtfte(const QString& nit);
    Currency base_rtica(const QString& nit);

    // An active third party of any kind; empty when none.
    QString nom_tercero(const QString& nit);
    // Through EXISTE_TERCERO; tells the user when it is not an active one.
    bool valide_tercero(const QString& nit);

private:
    Currency base(const QString& nit, bool ica);

    Tfdm& dm_;
};

}  // namespace ledgrix
