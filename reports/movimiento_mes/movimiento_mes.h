#pragma once

#include <QDate>
#include <QList>
#include <QObject>
#include <QPair>
#include <QString>
#include <optional>

#include "core/money/currency.h"

namespace ledgrix {

class ClientDataset;
class Tfdm;

// What "Movimiento Cuentas por Pagar Mensual" works on: every supplier's
// balance at the start and end of a period and what moved it
// (`movimiento_cxpagar_mes`), their totals, and the twelve months up to the
// period's end, of the company or of one supplier, that the chart draws
// (`movimiento_cxpagar_meses`).
class MovimientoMes : public QObject {
    Q_OBJECT
  public:
    static constexpr int kMesesGrafica = 12;

    struct Criterios {
        QDate desde;
        QDate hasta;
        int moneda = 0;
    };
    // The amounts of one supplier, of the whole list or of one month.
    struct Cifras {
        Currency inicial, cargos, descuentos, abonos, final;
    };
    struct Mes {
        QDate mes;  // its first day
        Cifras cifras;
    };

    explicit MovimientoMes(Tfdm& dm, QObject* parent = nullptr);

    // Defaults: the current month, the first currency offered.
    Criterios& criterios() { return criterios_; }
    // Empty when the company does not ask for a currency.
    const QList<QPair<int, QString>>& monedas() const { return monedas_; }

    // The statement for the criteria; nothing when the period runs backwards.
    std::optional<QString> consulta() const;
    // F2: reads the suppliers again, staying on the supplier shown. False,
    // with the user told why and the list as it was, when the period runs
    // backwards or the statement failed.
    bool calcule();
    bool calculada() const { return calculada_; }

    ClientDataset& proveedores() const { return *CProveedores; }
    // Sums of the suppliers listed.
    Cifras totales() const;

    QString nit_actual() const;
    QString nombre_actual() const;
    bool vaya_a(const QString& nit);

    // The months the chart shows: the twelve ending with the month of
    // "Hasta" (the last one up to "Hasta"), of every supplier or, with
    // `nit`, of that one. Nothing when the period runs backwards or the
    // statement failed.
    QString consulta_meses(const QString& nit) const;
    std::optional<QList<Mes>> meses(const QString& nit) const;

    // F8: the current supplier to the consultation of its documents; F9,
    // Enter or a double click: to its movement over the window's period.
    // False when no supplier is shown.
    bool entregue_saldos();
    bool entregue_movimiento();

  private:
    bool periodo_valido() const;

    Tfdm& dm_;
    ClientDataset* CProveedores;
    Criterios criterios_;
    QList<QPair<int, QString>> monedas_;
    bool calculada_ = false;
};

}  // namespace ledgrix
