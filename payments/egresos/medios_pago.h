#pragma once

#include <QDate>
#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

#include "core/money/currency.h"
#include "payments/caja/tfdmcja.h"

namespace ledgrix {

class ClientDataset;
class Field;
class Tfdm;

// The cash lines ("Pago de caja ", EGRECAJA) and the bank line ("Pago del
// Banco ", EGREBANCO) of the payment voucher being entered. Both datasets are
// nested in the voucher's and are stored by its single apply; this class
// holds their rules, the look-up lists they need and the two in-memory sums
// the voucher's save checks (SumCaja + SumBanco = EGRE_MONTO).
//
// At most one of the two panels is active at a time. Each `abra_*` answers
// whether the panel opened; `continue_*` (F2) and `cancele_*` (Esc) close it.
// Every message goes through dm.dialogs().
class MediosPago : public QObject {
    Q_OBJECT
  public:
    // `egreso` is the voucher's header (current record: EGRE_MONTO,
    // EGRE_FECHA, EGRE_CONC, EGRE_NOMTERC, EGRE_TIPO are read from it);
    // `caja` and `banco` its nested EGRECAJA and EGREBANCO datasets.
    MediosPago(Tfdm& dm, ClientDataset& egreso, ClientDataset& caja, ClientDataset& banco,
               QObject* parent = nullptr);
    ~MediosPago() override;

    // Loads the look-up lists: active boxes (filtered by the user's box in
    // USUARIO.CAJA_ID and the current agency), forms of payment, active bank
    // accounts. Called once by the voucher's opening.
    bool abra();
    // A new voucher: sums 0, no panel active.
    void reinicie();

    ClientDataset& cajas() const;          // CAJA_ID, CAJA_NOMBRE, ... as filtered
    ClientDataset& formas_pago() const;    // FOPA_ID, FOPA_NOM, FOPA_CTACONTA
    ClientDataset& cuentas_banco() const;  // active accounts (CUBA_ESTADO = 'N')
    // Bank document types of the bank line's account ("CHEQUE", "RETIRO").
    QStringList tipos_banco() const;
    // The entry of tipos_banco() the bank line has.
    QString tipo_banco() const;
    // Bank prefixes of the account and chosen type.
    QStringList prefijos_banco() const;
    // The first active box (kind "2" presets the destination box with it).
    int primera_caja() const;

    bool caja_activa() const { return caja_activa_; }
    bool banco_activo() const { return banco_activo_; }
    Currency sum_caja() const { return sum_caja_; }
    Currency sum_banco() const { return sum_banco_; }

    // ---- cash panel (F4)
    // Refused while the bank panel is active or when EGRE_MONTO is not above
    // 0; an empty list gets a first line. `antes_de_abrir` runs first (the
    // voucher adds the contribution lines there).
    bool abra_caja();
    // A new line with the defaults of a new line (box, form 1, date, the
    // amount still missing).
    void nueva_linea_caja();
    void cambie_caja(int caja);  // of the current line
    void cambie_forma_pago(int fopa);
    // Amount typed on the current line; an empty box is `std::nullopt`-like:
    // pass `vacio` true.
    void cambie_monto_caja(Currency monto, bool vacio = false);
    void cambie_banco_doc(const QString& banco);
    void cambie_cuenta_doc(const QString& cuenta);
    void cambie_numero_doc(const QString& numero);
    // Whether the current line's amount is typed (form of payment 1) or
    // comes from its held document.
    bool monto_caja_editable() const;
    // Stores the current line; false (with its message) leaves it in edit.
    bool grabe_linea_caja();
    void borre_linea_caja();
    // Held documents handed over by the chooser: one fills the current (or a
    // new) line; several add one line each.
    void reciba_docs_caja(const QList<Tfdmcja::DocumentoCaja>& documentos);
    bool continue_caja();
    void cancele_caja();
    // Kind "2" (transfer into a box): every cash line goes, SumCaja is 0.
    void borre_caja();

    // ---- bank panel (F5)
    bool abra_banco();
    void cambie_cuenta_banco(const QString& cuba_cod);
    void cambie_tipo_banco(const QString& nombre_largo);  // "CHEQUE" / "RETIRO"
    void cambie_prefijo_banco(const QString& prefijo);
    // False when the number already exists (the user was told).
    bool cambie_numero_banco(const QString& numero);
    bool numero_banco_editable() const { return numero_banco_editable_; }
    bool continue_banco();
    void cancele_banco();

    // Runs `llenar` with the rules of both lines quiet, for lines copied
    // back as they were stored (a recovered voucher): nothing is proposed,
    // looked up or told, and every field takes the value given.
    void sin_reglas(const std::function<void()>& llenar);

    // Save step: SumCaja from the cash lines (0 without lines), SumBanco from
    // the bank line (0 without one).
    void recalcule();

    std::function<void()> antes_de_abrir;

  private:
    struct Impl;
    Tfdm& dm_;
    ClientDataset& egreso_;
    ClientDataset& caja_;
    ClientDataset& banco_;
    std::unique_ptr<Impl> d_;
    bool caja_activa_ = false;
    bool banco_activo_ = false;
    bool numero_banco_editable_ = true;
    Currency sum_caja_;
    Currency sum_banco_;
};

}  // namespace ledgrix
