#pragma once

#include <QDate>

#include "parties/selectores/selector_lista.h"

namespace ledgrix {

// The choosers a payables document opens for the keys it takes from other
// modules. Each answers its key through SelectorLista::pregunte.

// "Tfbuscfaccompra": live purchase invoices (type 21), of one supplier when
// one is given, by prefix and number or the supplier's own number; answers
// the invoice's id.
class SelectorFacturasCompra : public SelectorLista {
  public:
    explicit SelectorFacturasCompra(Tfdm& dm, const QString& nit = {});
    void proveedor(const QString& nit) { nit_ = nit.trimmed(); }

    // Prefix and number of an invoice ("0000000123"); empty when it does not exist.
    static QString numero(Tfdm& dm, qint64 id);

  protected:
    QString consulta(const QString& texto) const override;

  private:
    QString nit_;
};

// "Tfbuscarticulos": articles by code or name; answers ARTI_COD.
class SelectorArticulos : public SelectorLista {
  public:
    explicit SelectorArticulos(Tfdm& dm);

  protected:
    QString consulta(const QString& texto) const override;
};

// "Tfbuscnegocios": businesses (deals) by code or name; answers the code.
class SelectorNegocios : public SelectorLista {
  public:
    explicit SelectorNegocios(Tfdm& dm);

  protected:
    QString consulta(const QString& texto) const override;
};

// "Tfbuscdocaplicar": the credit documents of a supplier that still have a
// balance (discounts 52, purchase returns 24, advances 55), by reference or
// the supplier's number; answers the document's kind and reference.
class SelectorDocumentosAplicar : public SelectorLista {
  public:
    struct Documento {
        int tipo = 0;
        QString clase;       // "NOTACRPR", "DEVOLPRV" or "ANTICPRV"
        QString referencia;  // prefix and number, as typed in "Aplicar a:"
    };

    SelectorDocumentosAplicar(Tfdm& dm, const QString& nit);

    // The kind a document type is applied as; empty for any other type.
    static QString clase(int tipo);
    static int tipo(const QString& clase);

    // Opens the chooser; nothing when cancelled or nothing matched.
    std::optional<Documento> pregunte_documento(const QString& texto = {});
    std::optional<Documento> documento(int resultado) const;

  protected:
    QString consulta(const QString& texto) const override;

  private:
    QString nit_;
};

}  // namespace ledgrix
