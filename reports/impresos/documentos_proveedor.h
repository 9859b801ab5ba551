#pragma once

#include <QDate>
#include <QStringList>

#include "reports/impresos/reporte_impreso.h"

namespace ledgrix {

// "Documentos Por Proveedor" (TfrepDoc_prov): the documents of one kind
// recorded between two dates, by supplier, grouped by city or group.
class DocumentosProveedor : public ReporteImpreso {
    Q_OBJECT
  public:
    explicit DocumentosProveedor(Tfdm& dm, QObject* parent = nullptr);

    // "Comprobantes": the kinds offered, in order; the document type is the
    // position + 51.
    static QStringList comprobantes();
    int comprobante = 0;
    QDate desde, hasta;
    bool detalle = false;
    bool anulados = false;  // also the annulled ones

    QString consulta() const override;
    QString titulo_predeterminado() const override;
    QString proyecto() const override { return QStringLiteral("repodocxprovee"); }
    QString nombre_reporte() const override;
    QString archivo_exportacion() const override { return QStringLiteral("RepDocProv"); }

  protected:
    bool valide_propios() override;

  private:
    Rango rango_proveedores() const;
};

}  // namespace ledgrix
