#pragma once

#include "core/busqueda/busqueda_documentos.h"

namespace ledgrix {

// The stored payment schedules, one row each with the sum and the count of
// its payments, of the user's agency when he has one; annulling one frees
// its documents for another schedule.
class BusquedaProgramaciones : public BusquedaDocumentos {
    Q_OBJECT
  public:
    explicit BusquedaProgramaciones(Tfdm& dm, QObject* parent = nullptr);

    // Whether the user may create schedules (told when not).
    bool puede_crear();
    // Whether the current row is confirmed (its vouchers generated).
    bool confirmada() const;

  protected:
    QString seleccion() const override;
    QString desempate() const override;
    QString campo_id() const override;
    QString campo_prefijo() const override;
    QString campo_numero() const override;
    QString campo_anulado() const override;
    bool con_acceso() override;
    QString pregunta_anular() const override;
    QString pregunta_eliminar() const override;
    QStringList sentencias_anular() override;
    QStringList sentencias_eliminar() override;
};

}  // namespace ledgrix
