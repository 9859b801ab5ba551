#pragma once

#include <QObject>
#include <QStringList>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

#include "reports/impresos/criterios.h"

namespace ledgrix {

class ClientDataset;
class FuenteDataset;
class ProyectoReporte;
class Reporte;
class Tfdm;

// What the printed payables reports share: the criteria boxes, the agency
// rule, the default title, the statement run into rows, and the report of
// the project laid over them. Each report says which statement it composes
// and how its layout is adjusted; the window only fills the criteria and
// shows what comes back.
//
// F2 / F4 of the window: valide(), consulte() (false and the window closes
// when nothing came back), then reporte() to preview and print, or the rows
// to export.
class ReporteImpreso : public QObject {
    Q_OBJECT
  public:
    ~ReporteImpreso() override;

    Criterios criterios;

    // The agencies offered: "Todas" (0) and every agency by name. Empty when
    // the user belongs to an agency: the reports are limited to it.
    std::vector<std::pair<int, QString>> agencias() const;
    bool agencia_fija() const;
    // "Moneda:" is asked only when documents may be in another currency.
    bool pide_moneda() const;
    std::vector<std::pair<int, QString>> monedas() const;

    // The title composed from the criteria, proposed in the title box.
    virtual QString titulo_predeterminado() const;
    // The statement for the criteria as they stand.
    virtual QString consulta() const = 0;
    // Name of the layout project under cxpagar/reportes and of the report
    // in it for the criteria ("consolidado", "detallado").
    virtual QString proyecto() const = 0;
    virtual QString nombre_reporte() const = 0;
    // File name proposed by F4.
    virtual QString archivo_exportacion() const = 0;

    // Checks the criteria; a refusal was told to the user.
    bool valide();
    // Runs the statement; false when it failed or brought no rows (told).
    bool consulte();
    ClientDataset& filas() const { return *filas_; }
    // The report over the rows read, ready to print; nothing when the
    // layout could not be read (told).
    std::optional<Reporte> reporte();

  protected:
    ReporteImpreso(Tfdm& dm, QObject* parent);
    Tfdm& dm() const { return dm_; }
    // The report's own checks after the common ones.
    virtual bool valide_propios() { return true; }
    // Bands left out and element texts, over the common parameters.
    virtual QStringList bandas_suprimidas() const;
    virtual void ajuste(Reporte& reporte) const;
    // The supplier range as sent: both limits quoted.
    Rango proveedores() const {
        return criterios.proveedores.efectivo(QStringLiteral("0"), QStringLiteral("zz"));
    }
    Rango grupos() const {
        return criterios.grupos.efectivo(QStringLiteral("0"), QStringLiteral("zz"));
    }
    int agencia() const;
    // The common arguments after the ranges: 'C'/'N' order, 'G'/'N' grouping.
    QString flag_orden() const {
        return criterios.por_nombre ? QStringLiteral("'N'") : QStringLiteral("'C'");
    }
    bool agrupado() const { return criterios.agrupacion == Agrupacion::Grupo; }
    QString flag_agrupado() const {
        return agrupado() ? QStringLiteral("'G'") : QStringLiteral("'N'");
    }
    // The three-way grouping as the movement procedures take it: 'N', 'C'
    // city, 'Z' group; and the leading order column it asks for
    // (" CODZONA, ", " CODCIUD, " or nothing).
    QString flag_agrupamiento() const;
    QString orden_agrupacion() const;
    // The period ("Fecha" Desde/Hasta) must be two dates in order; reports
    // over a period call it from valide_propios().
    bool valide_periodo();
    // " order by <group>, NIT, VENCE" (or by NOMBRE; without the group when
    // not grouped): documents of a supplier by due date.
    QString orden_documentos(const QString& columna_grupo) const;
    bool admisible(const QString& texto, int largo, const QString& que);

  private:
    Tfdm& dm_;
    ClientDataset* filas_;
    // Both live as long as the report laid over them may print.
    std::unique_ptr<ProyectoReporte> proyecto_;
    std::unique_ptr<FuenteDataset> fuente_;
};

}  // namespace ledgrix
