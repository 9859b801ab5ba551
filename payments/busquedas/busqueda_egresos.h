#pragma once

#include <optional>

#include "core/busqueda/busqueda_documentos.h"

namespace ledgrix {

// The search of payment vouchers of payables ("Tfbuscegreso"): the vouchers
// of the last days the configuration looks back, of the user's agency when
// he has one, and their annulment or deletion. A voucher the payroll module
// produced is annulled there. Annulling asks whether the cheque or
// withdrawal number may be written again: yes frees it, no keeps it spent
// on the annulled bank document.
class BusquedaEgresos : public BusquedaDocumentos {
    Q_OBJECT
  public:
    explicit BusquedaEgresos(Tfdm& dm, QObject* parent = nullptr);


  protected:
    QString seleccion() const override;
    QString condiciones() const override;
    QString desempate() const override;
    QString campo_id() const override;
    QString campo_prefijo() const override;
    QString campo_numero() const override;
    QString campo_anulado() const override;
    // The right to annul vouchers in the module the user works in.
    bool con_acceso() override;
    QString mensaje_acceso() const override;
    bool admite_anulacion() override;
    QString pregunta_anular() const override;
    QString pregunta_eliminar() const override;
    QStringList sentencias_anular() override;
    QStringList sentencias_eliminar() override;

  private:
    // The bank document step of an annulment or a deletion: asks whether its
    // number is to be used again and, if so, adds its deletion. False when
    // the reading failed (the user was told).
    bool libere_banco(QStringList& sentencias);

    // Whether `sql` finds a row; nullopt when it failed (the user was told).
    std::optional<bool> halla(const QString& sql) const;
};

}  // namespace ledgrix
