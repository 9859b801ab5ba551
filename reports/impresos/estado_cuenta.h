#pragma once

#include <optional>

#include "reports/impresos/movimiento_proveedor.h"

namespace ledgrix {

// "Estado de Cuenta" (Tfrepoestdocuentas): the statement sent to each
// supplier of a NIT range for a period. Always every group, row by row, by
// NIT and without grouping, whatever the window's order and grouping say.
class EstadoCuenta : public MovimientoProveedor {
    Q_OBJECT
  public:
    explicit EstadoCuenta(Tfdm& dm, QObject* parent = nullptr);

    QString observaciones;  // printed on every statement

    QString consulta() const override;
    QString titulo_predeterminado() const override;
    QString proyecto() const override { return QStringLiteral("repestcuenta"); }
    QString nombre_reporte() const override { return QStringLiteral("estadocuenta"); }
    QString archivo_exportacion() const override { return QStringLiteral("EstadoCuenta"); }

    // After consulte(): one PDF per supplier of the rows read, in `carpeta`,
    // named "<NIT> <period>.pdf"; answers the files written, in NIT order.
    // Nothing is left behind when one could not be written (told).
    std::optional<QStringList> escriba_por_proveedor(const QString& carpeta);
    // The name of a supplier's file for the period.
    QString archivo_de(const QString& nit) const;

  protected:
    bool valide_propios() override;
    QStringList bandas_suprimidas() const override { return {}; }
    void ajuste(Reporte& reporte) const override;
};

}  // namespace ledgrix
