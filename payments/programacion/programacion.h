#pragma once

#include <QDate>
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

#include "core/money/currency.h"
#include "payments/programacion/grabacion_programacion.h"

namespace ledgrix {

class Tfdm;

// An open supplier document due by the schedule's date (or within the days
// looked ahead), with what the schedule pays of it.
struct DocumentoPorPagar {
    QString nit, nombre, grupo;
    int tipo = 0;
    qint64 id = 0;
    QString tiponom, prefijo, numero, numprov, concepto;
    QDate fecdoc, vence;
    int dias = 0;
    Currency saldo, dtof;
    Currency pago;
};

// A cash box ("CAJA") or bank account ("BANCO") and what it holds.
struct DineroDisponible {
    QString cob, idcaja, ctabco, nrobco, nombre;
    Currency saldo;
};

// What the payment panel shows and takes back for the chosen documents.
struct PanelPago {
    Currency valor;  // one document only; several take their balances
    QString cob = QStringLiteral("C");
    QString idcaja;
    QString tipo_banco;  // the bank document's name: "CHEQUE", "RETIRO"
    QString prefbco;
    bool fuente_fija = false;  // one voucher and a source already chosen
    bool varios = false;
};

// The payment schedule as its window drives it: the due list and the money
// available, the documents chosen for payment and where the money comes
// from, and the store. A confirmed schedule is only looked at.
class ProgramacionPagos {
  public:
    using Grabador = std::function<qint64(Programacion&)>;
    // `grabe` stores the schedule as one unit (the window hands it the
    // storing unit); answers the id, 0 when nothing was stored.
    ProgramacionPagos(Tfdm& dm, Grabador grabe);

    // A new schedule, or the one with `id`. False with the user told when
    // there is no voucher series to use or the schedule cannot be read.
    bool abra(qint64 id = 0);

    Programacion& datos() { return p_; }
    const Programacion& datos() const { return p_; }
    const QStringList& prefijos() const { return prefijos_; }
    const QStringList& prefijos_egresos() const { return prefijos_egresos_; }
    // Code and name; the first is "Todas" (0) / "Todos" ("").
    const QList<QPair<int, QString>>& agencias() const { return agencias_; }
    const QList<QPair<QString, QString>>& grupos() const { return grupos_; }
    int dias() const { return dias_; }
    bool solo_lectura() const { return solo_lectura_; }
    bool modificada() const { return modificada_; }
    void marque_cambio() { modificada_ = true; }

    int agencia() const { return agencia_; }
    void cambie_agencia(int agencia) { agencia_ = agencia; }

    // "F2:Calcula": the due list and the money available.
    bool calcule();
    const QList<DocumentoPorPagar>& documentos() const { return documentos_; }
    const QList<DineroDisponible>& dinero() const { return dinero_; }
    // Rows of documentos() shown under the filters.
    QList<int> visibles() const;
    void filtre(bool solo_a_pagar, const QString& grupo);
    // Rows of dinero() of cash ("C") or bank ("B").
    QList<int> dinero_de(const QString& cob) const;

    Currency total_pagos() const;
    Currency total_disponible() const;
    Currency diferencia() const { return total_disponible() - total_pagos(); }

    // "F8:Pagar" on rows of documentos(): the panel's start, or nullopt
    // when refused (the user was told).
    std::optional<PanelPago> pague(const QList<int>& filas);
    // Names of the bank documents an account may issue, and their series.
    QStringList tipos_banco(const QString& cuenta) const;
    QStringList prefijos_banco(const QString& cuenta, const QString& tipo) const;
    // Stores the panel's data on the rows given to pague(). False (told)
    // when something is missing.
    bool confirme(const PanelPago& panel);
    // "Quitar pago".
    void quite(const QList<int>& filas);

    // "F2:Grabar": true when stored (the window then closes).
    bool grabe();
    // Whether the user may leave (asked when there are unsaved changes).
    bool puede_salir();

  private:
    bool cargue_listas();
    bool cargue_encabezado(qint64 id);
    bool lea_documentos(const QString& sql, bool con_pago);
    int linea(int tipo, qint64 id) const;
    std::optional<bool> en_otra(const DocumentoPorPagar& d) const;
    void refleje_pagos();

    Tfdm& dm_;
    Grabador grabe_;
    Programacion p_;
    QStringList prefijos_, prefijos_egresos_;
    QList<QPair<int, QString>> agencias_;
    QList<QPair<QString, QString>> grupos_;
    int dias_ = 0;
    int agencia_ = 0;
    bool solo_lectura_ = false;
    bool modificada_ = false;
    bool solo_a_pagar_ = false;
    QString grupo_filtro_;
    QList<DocumentoPorPagar> documentos_;
    QList<DineroDisponible> dinero_;
    QList<int> elegidas_;
};

}  // namespace ledgrix
