#pragma once

#include <QDate>
#include <QList>
#include <QObject>
#include <QPair>
#include <QString>
#include <QStringList>
#include <array>
#include <optional>

#include "core/money/currency.h"

namespace ledgrix {

class ClientDataset;
class Field;
class Tfdm;

// What "Análisis de Cuentas x pagar" works on: every supplier's balance at a
// cut-off date split in five aging buckets by `rep_analisis_cxpagar`, the
// bucket headings, and the bucket sums of the company or of one supplier that
// the chart draws.
class AnalisisCxp : public QObject {
    Q_OBJECT
  public:
    static constexpr int kTramos = 5;
    using Tramos = std::array<Currency, kTramos>;
    // Columns of the buckets, in order.
    static const QStringList& columnas_tramos();

    struct Criterios {
        QDate corte;
        int moneda = 0;
        QString rango;  // days per bucket, as typed
        int agencia = 0;
        bool por_vencer = false;
        bool incluir_cero = false;
    };

    explicit AnalisisCxp(Tfdm& dm, QObject* parent = nullptr);

    // Defaults: today, the first currency offered, the configured width and
    // the user's agency.
    Criterios& criterios() { return criterios_; }
    // A user of an agency sees only that agency.
    bool agencia_fija() const;
    // (id, name): "Todas" (0) and the agencies; only the user's one when fixed.
    const QList<QPair<int, QString>>& agencias() const { return agencias_; }
    const QList<QPair<int, QString>>& monedas() const { return monedas_; }

    // The statement for the criteria; nothing when the width is not a number.
    std::optional<QString> consulta() const;
    // F2 and F5: reads the suppliers again, staying on the supplier shown.
    // False, with the user told why, when the width is not a number, the
    // statement failed or nothing came back.
    bool calcule();

    ClientDataset& proveedores() const { return *CProveedores; }
    // Headings of the five buckets of the last calculation.
    const QStringList& encabezados() const { return encabezados_; }

    // Buckets of all suppliers, and of the current one (zero when none).
    Tramos tramos_compania() const;
    Tramos tramos_actual() const;
    QString nit_actual() const;
    QString nombre_actual() const;
    // Moves to a supplier; false when it is not listed.
    bool vaya_a(const QString& nit);

    // F8: hands the current supplier to the consultation of its documents;
    // F9: to its movement for the cut-off month. False when no supplier is shown.
    bool entregue_saldos();
    bool entregue_movimiento();

  private:
    Tramos tramos_fila(int fila) const;

    Tfdm& dm_;
    ClientDataset* CProveedores;
    std::array<Field*, kTramos> tramos_{};
    Criterios criterios_;
    QList<QPair<int, QString>> agencias_;
    QList<QPair<int, QString>> monedas_;
    QStringList encabezados_;
};

}  // namespace ledgrix
