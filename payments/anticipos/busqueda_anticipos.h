#pragma once

#include "core/busqueda/busqueda_documentos.h"

namespace ledgrix {

// What the advance search ("Tfbuscantipos") works on: the advances of the
// series the login's agency may use, and the annulment of a live one (an
// annulled advance stays: its voucher or application tells its story).
class BusquedaAnticipos : public BusquedaDocumentos {
    Q_OBJECT
  public:
    // Columns the user may filter and order by, in the order offered.
    enum class Columna { Fecha, Numero, Nombre, Concepto };

    explicit BusquedaAnticipos(Tfdm& dm, QObject* parent = nullptr);

    using BusquedaDocumentos::busque;
    bool busque(Columna columna, const QString& texto, bool contiene) {
        return busque(int(columna), texto, contiene);
    }

  protected:
    QString seleccion() const override;
    QString campo_id() const override { return QStringLiteral("ID"); }
    QString campo_prefijo() const override { return QStringLiteral("PREFIJO"); }
    QString campo_numero() const override { return QStringLiteral("NUMERO"); }
    QString campo_anulado() const override { return QStringLiteral("ANULADO"); }
    bool con_acceso() override { return true; }
    // The database refuses an advance a live voucher paid out or a live
    // application set against an invoice.
    bool admite_anulacion() override;
    QString pregunta_anular() const override;
    QString pregunta_eliminar() const override { return {}; }
    QStringList sentencias_anular() override;
    QStringList sentencias_eliminar() override { return {}; }
};

}  // namespace ledgrix
