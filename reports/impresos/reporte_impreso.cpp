#include "reports/impresos/reporte_impreso.h"

#include <QSqlQuery>

#include "core/data/client_dataset.h"
#include "core/data/provider.h"
#include "core/services/clock.h"
#include "core/services/dialogs.h"
#include "core/sql/sqltext.h"
#include "core/tfdm/tfdm.h"
#include "reports/motor/fuente.h"
#include "reports/motor/proyecto.h"
#include "reports/motor/reporte.h"
#include "reports/motor/ubicacion.h"

namespace ledgrix {

ReporteImpreso::ReporteImpreso(Tfdm& dm, QObject* parent) : QObject(parent), dm_(dm) {
    auto* p = new Provider(this, QStringLiteral("PReporte"));
    p->setConnectionName(dm.Ledgrix());
    p->setQueryName(QStringLiteral("QReporte"));
    p->setAllowCommandText(true);
    filas_ = new ClientDataset(this, QStringLiteral("CReporte"));
    filas_->setProvider(p);
    dm.ConfigurarProviders(this);
    // A report reads every row at once: the engine walks them all.
    filas_->setPacketSize(-1);
    criterios.corte = dm.clock().today();
    criterios.hasta = criterios.corte;
    criterios.desde = QDate(criterios.hasta.year(), criterios.hasta.month(), 1);
    criterios.agencia = dm.ctx.agencia;
}

ReporteImpreso::~ReporteImpreso() = default;

std::vector<std::pair<int, QString>> ReporteImpreso::agencias() const {
    std::vector<std::pair<int, QString>> lista;
    if (agencia_fija())
        return lista;
    lista.emplace_back(0, QStringLiteral("Todas"));
    if (auto q = dm_.sql().select(
            QStringLiteral("select SUCU_ID, SUCU_NOMBRE from SUCURSALES order by SUCU_NOMBRE")))
        while (q->next())
            lista.emplace_back(q->value(0).toInt(), q->value(1).toString().trimmed());
    return lista;
}

bool ReporteImpreso::agencia_fija() const {
    return dm_.ctx.agencia != 0;
}

int ReporteImpreso::agencia() const {
    return agencia_fija() ? dm_.ctx.agencia : criterios.agencia;
}

bool ReporteImpreso::pide_moneda() const {
    const QString g = QStringLiteral("GENERAL");
    return dm_.configuracion_si(
        g, g, QStringLiteral("PREGUNTAR TASA DE CAMBIO EN DOCUMENTOS DE CUENTAS POR PAGAR"));
}

std::vector<std::pair<int, QString>> ReporteImpreso::monedas() const {
    std::vector<std::pair<int, QString>> lista;
    if (auto q = dm_.sql().select(
            QStringLiteral("select TIMO_COD, TIMO_NOMBRE from TIPOS_MONEDA order by TIMO_COD")))
        while (q->next())
            lista.emplace_back(q->value(0).toInt(), q->value(1).toString().trimmed());
    return lista;
}

QString ReporteImpreso::titulo_predeterminado() const {
    const Rango p = proveedores();
    const Rango g = grupos();
    return QStringLiteral("Fecha: %1  Proveedores: %2 - %3  Grupos: %4 - %5")
        .arg(sql::dateText(criterios.corte), p.desde, p.hasta, g.desde, g.hasta);
}

QString ReporteImpreso::orden_documentos(const QString& columna_grupo) const {
    return QStringLiteral(" order by ") +
           (agrupado() ? columna_grupo + QStringLiteral(", ") : QString()) +
           (criterios.por_nombre ? QStringLiteral("NOMBRE") : QStringLiteral("NIT")) +
           QStringLiteral(", VENCE");
}

bool ReporteImpreso::admisible(const QString& texto, int largo, const QString& que) {
    if (sql::admisible(texto.trimmed(), largo))
        return true;
    dm_.dialogs().error(
        QStringLiteral("%1 \"%2\" no es válido: escriba a lo sumo %3 caracteres, sin símbolos "
                       "especiales.")
            .arg(que, texto.left(40), QString::number(largo)));
    return false;
}

bool ReporteImpreso::valide() {
    const Criterios& c = criterios;
    if (!admisible(c.proveedores.desde, 40, QStringLiteral("El proveedor inicial")) ||
        !admisible(c.proveedores.hasta, 40, QStringLiteral("El proveedor final")) ||
        !admisible(c.grupos.desde, 20, QStringLiteral("El grupo inicial")) ||
        !admisible(c.grupos.hasta, 20, QStringLiteral("El grupo final")) ||
        !admisible(c.titulo, 200, QStringLiteral("El título")))
        return false;
    if (!c.corte.isValid()) {
        dm_.dialogs().error(QStringLiteral("La fecha de corte no es válida."));
        return false;
    }
    return valide_propios();
}

bool ReporteImpreso::consulte() {
    filas_->close();
    filas_->setCommandText(consulta());
    if (!filas_->open())
        return false;
    if (filas_->isEmpty()) {
        dm_.dialogs().information(QStringLiteral("No hay datos para el reporte."));
        return false;
    }
    return true;
}

QString ReporteImpreso::flag_agrupamiento() const {
    switch (criterios.agrupacion) {
        case Agrupacion::Ciudad:
            return QStringLiteral("'C'");
        case Agrupacion::Grupo:
            return QStringLiteral("'Z'");
        case Agrupacion::Ninguna:
            break;
    }
    return QStringLiteral("'N'");
}

QString ReporteImpreso::orden_agrupacion() const {
    switch (criterios.agrupacion) {
        case Agrupacion::Ciudad:
            return QStringLiteral(" CODCIUD, ");
        case Agrupacion::Grupo:
            return QStringLiteral(" CODZONA, ");
        case Agrupacion::Ninguna:
            break;
    }
    return {};
}

bool ReporteImpreso::valide_periodo() {
    return ledgrix::valide_periodo(dm_.dialogs(), criterios.desde, criterios.hasta);
}

// Bands of a grouping not chosen print nothing; layouts without a city
// band simply have nothing to suppress.
QStringList ReporteImpreso::bandas_suprimidas() const {
    QStringList fuera;
    if (criterios.agrupacion != Agrupacion::Grupo)
        fuera << QStringLiteral("grupo") << QStringLiteral("totalgrupo");
    if (criterios.agrupacion != Agrupacion::Ciudad)
        fuera << QStringLiteral("ciudad") << QStringLiteral("totalciudad");
    return fuera;
}

void ReporteImpreso::ajuste(Reporte&) const {}

std::optional<Reporte> ReporteImpreso::reporte() {
    QString error;
    std::optional<ProyectoReporte> p = cargue_proyecto(dm_.directorio(), proyecto(), &error);
    if (!p) {
        dm_.dialogs().error(error);
        return std::nullopt;
    }
    proyecto_ = std::make_unique<ProyectoReporte>(std::move(*p));
    Reporte r(*proyecto_, nombre_reporte());
    if (!r.valido()) {
        dm_.dialogs().error(r.error());
        return std::nullopt;
    }
    r.parametro(QStringLiteral("nomcia"),
                dm_.configuracion(QStringLiteral("GENERAL"), QStringLiteral("GENERAL"),
                                  QStringLiteral("NOMBRE COMPANIA")));
    r.parametro(QStringLiteral("titulo"), criterios.titulo);
    r.parametro(QStringLiteral("usuario"), dm_.ctx.nombre_usuario);
    for (const QString& banda : bandas_suprimidas())
        r.suprima_banda(banda);
    ajuste(r);
    fuente_ = std::make_unique<FuenteDataset>(*filas_);
    r.datos(*fuente_);
    return r;
}

}  // namespace ledgrix
