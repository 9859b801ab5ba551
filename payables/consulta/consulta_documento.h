#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <memory>

#include "core/money/currency.h"

namespace ledgrix {

class ClientDataset;
class Contabilizacion;
class Field;
class Tfdm;

// A stored document as its read-only consultation shows it: the header row
// with the supplier's name, its detail lists, who stored it, whether and why
// it was annulled, its ledger voucher, and the posting of F11. A document
// kind says only where it lives (`Fuente`) and which lists it has.
class ConsultaDocumento : public QObject {
    Q_OBJECT
  public:
    struct Fuente {
        int tipo = 0;   // tido_cod, also the posting's document type
        QString tabla;  // NOTAS_DEBITO_PROVEEDOR
        QString raiz;   // column prefix: NDPR (NDPR_ID, NDPR_NUMERO, NDPR_ANULADO)
        // Extra columns and joins of the header; the table is aliased "d".
        QString columnas;
        QString uniones;
    };

    ConsultaDocumento(Tfdm& dm, Fuente fuente, QObject* parent = nullptr);
    ~ConsultaDocumento() override;

    // A detail list read with the header: `sql` names the document's id as %1.
    ClientDataset& agregue_lineas(const QString& nombre, const QString& sql);

    // False (the user told) when no stored document of the kind has the id.
    bool cargue(qint64 id);

    int tipo() const { return fuente_.tipo; }
    qint64 id() const { return id_; }
    ClientDataset& encabezado() const { return *CEncabezado; }
    // A column of the header row.
    Field& campo(const QString& nombre) const;
    QString texto(const QString& nombre) const;
    QString prefijo() const;
    QString numero() const;
    QString proveedor() const { return proveedor_; }
    // "Registro: " with the date, time and user of the insertion trail.
    QString registro() const { return registro_; }
    bool anulado() const;
    // Why and by whom it was annulled; empty for a live document.
    QString razon() const { return razon_; }
    // Type, prefix and number of its ledger voucher; empty when not posted.
    QString comprobante() const { return comprobante_; }

    // F11: posts a document without ledger voucher; one that has one opens
    // the voucher editor for users allowed to edit vouchers.
    void contabilice();
    // The posting service, for the window to install the review on.
    Contabilizacion& contabilizacion() const { return *conta_; }
    // Leaves the document in dm.documento_consultado for a window opened by
    // name over it (its notes); false while nothing is loaded.
    bool entregue() const;

    Tfdm& dm() const { return dm_; }

    // Sum of an amount column over every line of a list.
    static Currency suma(const ClientDataset& lineas, const QString& campo);

  private:
    QString escalar(const QString& sql) const;
    void lea_comprobante();

    Tfdm& dm_;
    Fuente fuente_;
    ClientDataset* CEncabezado = nullptr;
    QList<QPair<ClientDataset*, QString>> lineas_;
    std::unique_ptr<Contabilizacion> conta_;
    qint64 id_ = 0;
    QString proveedor_, registro_, razon_, comprobante_;
};

}  // namespace ledgrix
