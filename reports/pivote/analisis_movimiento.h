#pragma once

#include <QDate>
#include <QModelIndex>
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

#include "reports/pivote/cubo.h"
#include "reports/pivote/modelo_cubo.h"

namespace ledgrix {

class Tfdm;

// "Análisis de movimiento de cuentas por pagar": the period's documents from
// ANALISIS_CXPAGAR summed along the dimensions the user lays out, with the
// layouts kept as templates in the installation's report folder.
class AnalisisMovimiento {
  public:
    static const QString kEspere;

    explicit AnalisisMovimiento(Tfdm& dm);

    // From the first day of the month to today.
    QDate desde, hasta;
    // The template chosen in "Cargar ejemplo:" (empty for the default one),
    // laid out at once and again on each calculation.
    const QString& plantilla() const { return plantilla_; }
    void elija_plantilla(const QString& nombre);
    // Templates found in the folder, refreshed after each save.
    const QStringList& ejemplos() const { return ejemplos_; }

    QString consulta() const;
    // F2: the period's documents into the cube with the chosen template's
    // layout. `aviso` is told what to show while the statement runs. False,
    // with the user told why, on a reversed period or a failed statement.
    bool calcule(const std::function<void(const QString&)>& aviso = {});

    const Cubo& cubo() const { return cubo_; }
    ModeloCubo& modelo() { return modelo_; }
    void disponga(const Disposicion& d);

    // "Grabar Plantilla": the current layout under `nombre`; asks before
    // replacing one. False when refused, declined or not written.
    bool grabe_plantilla(const QString& nombre);
    // False, with the user told "No hay datos para el reporte.", before a
    // calculation or after one that found nothing.
    bool hay_datos() const;
    // The table as shown, totals included; "No hay datos para el reporte."
    // when there is nothing.
    bool exporte(const QString& ruta);

    // The documents behind a cell of the model.
    std::vector<MovimientoAnalisis> detalle(const QModelIndex& celda) const;
    // Hands a document to its consultation; the window's class, empty (with
    // the user told) for a type without one.
    QString consulte(const MovimientoAnalisis& m);

  private:
    void refresque_ejemplos();

    Tfdm& dm_;
    QString plantilla_;
    QStringList ejemplos_;
    Cubo cubo_;
    ModeloCubo modelo_;
};

}  // namespace ledgrix
