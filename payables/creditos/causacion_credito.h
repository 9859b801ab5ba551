#pragma once

#include <QDate>
#include <QObject>
#include <QString>
#include <functional>
#include <memory>

#include "core/money/currency.h"

namespace ledgrix {

class ClientDataset;
class Contabilizacion;
class Field;
class Tfdm;

// What the "Causar Crédito" window works on: one credit payable (type 57),
// the balance of a purchase invoice or a charge of a supplier turned into a
// plan of monthly instalments with interest. The database computes the plan
// (CUOTAS_CREDITO); the save stores the credit and its plan, moves the
// document's balance onto the credit (the ledger's triggers) and posts it,
// all in one unit of work, then prints it.
//
// The window binds its boxes to `credito()` and calls the `cambie_*` member
// of the box the user finished. Modal windows opened by name: the supplier
// chooser "Tfbuscprove", the documents chooser "Tfbuscdocdiferir", the
// review "Tfcontabiliza".
class CausacionCredito : public QObject {
    Q_OBJECT
  public:
    // What a credit may defer, as the kind list shows it.
    enum class Clase { Factura /* "FACTCOMP", 21 */, Cargo /* "CARGOACR", 51 */ };
    static QString texto_clase(Clase clase);
    static int tipo_clase(Clase clase);

    // Values the window that opened this one leaves for it.
    struct Recibidos {
        QString nit;
        QString tipo;  // "21" or "51"; anything else is refused
        QString prefijo;
        QString numero;
    };

    explicit CausacionCredito(Tfdm& dm, QObject* parent = nullptr);
    ~CausacionCredito() override;

    // Reads the lists, offers back a credit left with id 0 and prepares a
    // new one. False: the window closes.
    bool abra();

    ClientDataset& credito() const { return *CCredito; }  // one row, always editing
    ClientDataset& cuotas() const { return *CCuotas; }    // the plan
    ClientDataset& prefijos() const { return *CPrefijos; }
    ClientDataset& prefijos_cargos() const { return *CPrefCargos; }
    ClientDataset& prefijos_descuentos() const { return *CPrefDescuentos; }
    Field& campo(const QString& nombre) const;
    Contabilizacion& contabilizacion() const;

    QString nombre_proveedor() const { return nombre_; }
    Clase clase() const { return clase_; }
    bool numero_editable() const { return numero_editable_; }

    void cambie_prefijo(const QString& prefijo);
    void cambie_numero(const QString& numero);
    void cambie_fecha(const QDate& fecha);
    // "?" first opens the supplier chooser; a supplier found opens the list
    // of its documents to defer.
    void cambie_nit(const QString& nit);
    void cambie_clase(Clase clase);
    // A reference typed: its last 6 characters are the number, the rest the
    // prefix. False (reference emptied, user told) when it cannot be deferred.
    bool cambie_documento(const QString& referencia);
    bool cambie_cuotas(int cuotas);
    bool cambie_interes(Currency tasa);
    void cambie_fecha_cuota(const QDate& fecha);
    void cambie_concepto(const QString& concepto);
    void cambie_prefijo_cargos(const QString& prefijo);
    void cambie_prefijo_descuento(const QString& prefijo);

    // F3: the plan from the database, replacing the one shown.
    bool calcule_plan();
    // F2: true when stored, posted and printed; false leaves everything as typed.
    bool grabe();
    // A new credit in the given prefix (the current one when empty).
    void prepare_nuevo(const QString& prefijo = {});

    void reciba(const Recibidos& valores);

    // The print step after a save, given the stored credit's id.
    std::function<void(qint64)> imprima;

  signals:
    // A check failed on this field: the window moves the focus to it.
    void enfoque(const QString& campo);

  private:
    struct Impl;
    Field& f(const char* columna) const;
    void edite();
    void olvide_documento();
    void olvide_plan();
    bool recupere();
    bool valores_validos();
    bool grabe_en_unidad();
    void elija_documento(const QString& nit);

    Tfdm& dm_;
    std::unique_ptr<Impl> d_;
    ClientDataset* CCredito = nullptr;
    ClientDataset* CCuotas = nullptr;
    ClientDataset* CPrefijos = nullptr;
    ClientDataset* CPrefCargos = nullptr;
    ClientDataset* CPrefDescuentos = nullptr;
    QString nombre_;
    QString propuesto_;
    Clase clase_ = Clase::Factura;
    bool numero_editable_ = true;
    bool sobrante_ = false;  // the credit came back from a leftover with id 0
};

}  // namespace ledgrix
