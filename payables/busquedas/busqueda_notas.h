#pragma once

#include "core/busqueda/busqueda_documentos.h"

namespace ledgrix {

// The stored charges (type 51) or discounts (type 52): listed by concept,
// supplier, date (newest first, the opening order) or number; annulled
// while live, deleted by an administrator once annulled. A document already
// sent to the tax authority is neither: its electronic reference stands.
//
// Opened from a document window the list carries what the electronic status
// and the choice of a support document need; opened from the menu a charge
// shows its extra value and its total instead, and a discount stops at its
// VAT.
class BusquedaNotas : public BusquedaDocumentos {
    Q_OBJECT
  public:
    enum class Clase { Cargo, Descuento };
    enum class Variante { Documento, Menu };

    BusquedaNotas(Tfdm& dm, Clase clase, Variante variante, QObject* parent = nullptr);

    Clase clase() const { return clase_; }
    Variante variante() const { return variante_; }
    // Whether the user may ask the authority for the current document's
    // status; false with the user told.
    bool puede_consultar_estado();
    // Access option of that question.
    int opcion_estado() const;

  protected:
    QString seleccion() const override;
    QString desempate() const override;
    QString campo_id() const override;
    QString campo_prefijo() const override;
    QString campo_numero() const override;
    QString campo_anulado() const override;
    bool con_acceso() override;
    bool admite_anulacion() override;
    QString pregunta_anular() const override;
    QString pregunta_eliminar() const override;
    QStringList sentencias_anular() override;
    QStringList sentencias_eliminar() override;

  private:
    // Column of this document's table: "ndpr_" or "ncpr_" + `nombre`.
    QString col(const char* nombre) const;

    Clase clase_;
    Variante variante_;
};

}  // namespace ledgrix
