#pragma once

#include "core/busqueda/busqueda_documentos.h"

namespace ledgrix {

// The stored applications (of the user's agency when he has one). Annulling
// marks the application and its lines; the ledger's triggers then give the
// documents back the balance the lines had taken. Deleting is for an
// administrator and only of an annulled application.
class BusquedaAplicaciones : public BusquedaDocumentos {
    Q_OBJECT
  public:
    // Columns the text may be matched on, in the order "Buscar por" offers them.
    enum class Columna { Fecha, Concepto, Proveedor, Numero };

    explicit BusquedaAplicaciones(Tfdm& dm, QObject* parent = nullptr);

    using BusquedaDocumentos::busque;
    bool busque(Columna columna, const QString& texto, bool contiene) {
        return busque(int(columna), texto, contiene);
    }

  protected:
    QString seleccion() const override;
    QString campo_id() const override { return QStringLiteral("APPR_ID"); }
    QString campo_prefijo() const override { return QStringLiteral("PREF_PRE"); }
    QString campo_numero() const override { return QStringLiteral("APPR_NUMERO"); }
    QString campo_anulado() const override { return QStringLiteral("APPR_ANULADO"); }
    bool con_acceso() override;
    QString pregunta_anular() const override;
    QString pregunta_eliminar() const override;
    QStringList sentencias_anular() override;
    QStringList sentencias_eliminar() override;
};

}  // namespace ledgrix
