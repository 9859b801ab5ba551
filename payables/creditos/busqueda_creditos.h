#pragma once

#include "core/busqueda/busqueda_documentos.h"

namespace ledgrix {

// The stored credits payable (of the user's agency when he has one).
// Annulling gives the deferred document its balance back (the ledger's
// triggers) and annuls the credit's ledger voucher; an annulled credit stays.
class BusquedaCreditos : public BusquedaDocumentos {
    Q_OBJECT
  public:
    // Columns the text may be matched on, in the order "Buscar por" offers them.
    enum class Columna { Fecha, Concepto, Proveedor, Numero };

    explicit BusquedaCreditos(Tfdm& dm, QObject* parent = nullptr);

    using BusquedaDocumentos::busque;
    bool busque(Columna columna, const QString& texto, bool contiene) {
        return busque(int(columna), texto, contiene);
    }

  protected:
    QString seleccion() const override;
    QString campo_id() const override { return QStringLiteral("CRCX_ID"); }
    QString campo_prefijo() const override { return QStringLiteral("CRCX_PREF"); }
    QString campo_numero() const override { return QStringLiteral("CRCX_NUMERO"); }
    QString campo_anulado() const override { return QStringLiteral("CRCX_ANULADO"); }
    bool con_acceso() override;
    QString mensaje_acceso() const override;
    bool admite_anulacion() override;
    QString pregunta_anular() const override;
    QString pregunta_eliminar() const override { return {}; }
    QStringList sentencias_anular() override;
    QStringList sentencias_eliminar() override { return {}; }
};

}  // namespace ledgrix
