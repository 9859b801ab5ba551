#include "reports/pivote/analisis_movimiento.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <QSqlQuery>

#include "core/export/export_writers.h"
#include "core/services/clock.h"
#include "core/services/dialogs.h"
#include "core/sql/sqltext.h"
#include "core/tfdm/tfdm.h"
#include "reports/consulta/consulta_cxpagar.h"
#include "reports/impresos/criterios.h"
#include "reports/pivote/plantilla.h"

namespace ledgrix {

namespace {

const QString kSinDatos = QStringLiteral("No hay datos para el reporte.");

MovimientoAnalisis lea(const QSqlQuery& q) {
    const auto texto = [&q](const char* campo) { return q.value(QLatin1String(campo)).toString(); };
    const auto monto = [&q](const char* campo) {
        return Currency::fromVariant(q.value(QLatin1String(campo)));
    };
    MovimientoAnalisis m;
    m.fecha = q.value(QStringLiteral("FECHA")).toDate();
    m.prefijo = texto("PREFIJO").trimmed();
    m.numero = texto("NUMERO");
    m.tercero = texto("TERCERO");
    m.nombre_tercero = texto("NOMBRETERC");
    m.municipio = texto("MUNICIPIO");
    m.nombre_municipio = texto("NOMMUNICIPIO");
    m.grupo = texto("GRUPO");
    m.nombre_grupo = texto("NOMGRUPO");
    m.tipodoc = q.value(QStringLiteral("TIPODOC")).toInt();
    m.nombre_tipo = texto("NOMTIPODOC");
    m.id = q.value(QStringLiteral("IDDOC")).toLongLong();
    m.monto = monto("MONTO");
    m.saldo = monto("SALDO");
    m.retencion = monto("RETENCION");
    return m;
}

}  // namespace

const QString AnalisisMovimiento::kEspere =
    QStringLiteral("Actualizando balance. Espere un momento...");

AnalisisMovimiento::AnalisisMovimiento(Tfdm& dm) : dm_(dm), modelo_(cubo_) {
    hasta = dm_.clock().today();
    desde = QDate(hasta.year(), hasta.month(), 1);
    cubo_.disponga(cargue_plantilla(dm_.directorio(), {}));
    refresque_ejemplos();
}

void AnalisisMovimiento::refresque_ejemplos() {
    ejemplos_ = plantillas(dm_.directorio());
}

void AnalisisMovimiento::elija_plantilla(const QString& nombre) {
    plantilla_ = nombre;
    disponga(cargue_plantilla(dm_.directorio(), plantilla_));
}

QString AnalisisMovimiento::consulta() const {
    return QStringLiteral("SELECT * FROM ANALISIS_CXPAGAR(") + sql::date(desde) +
           QStringLiteral(", ") + sql::date(hasta) + QStringLiteral(")");
}

bool AnalisisMovimiento::calcule(const std::function<void(const QString&)>& aviso) {
    if (!valide_periodo(dm_.dialogs(), desde, hasta))
        return false;
    if (aviso)
        aviso(kEspere);
    std::optional<QSqlQuery> q = dm_.sql().select(consulta());
    if (!q)
        return false;
    std::vector<MovimientoAnalisis> filas;
    while (q->next())
        filas.push_back(lea(*q));
    modelo_.cambie([&] {
        cubo_.cargue(std::move(filas));
        cubo_.disponga(cargue_plantilla(dm_.directorio(), plantilla_));
    });
    return true;
}

void AnalisisMovimiento::disponga(const Disposicion& d) {
    modelo_.cambie([&] { cubo_.disponga(d); });
}

bool AnalisisMovimiento::grabe_plantilla(const QString& nombre) {
    const QString limpio = nombre.trimmed();
    if (limpio.isEmpty() ||
        limpio.contains(QRegularExpression(QStringLiteral("[\\\\/:*?\"<>|]")))) {
        dm_.dialogs().error(QStringLiteral(
            "Escriba un nombre de plantilla sin los caracteres \\ / : * ? \" < > |."));
        return false;
    }
    const QString ruta = ruta_plantilla(dm_.directorio(), limpio);
    if (QFileInfo::exists(ruta) &&
        !dm_.dialogs().question(QStringLiteral("La plantilla %1 ya existe. ¿Desea reemplazarla?")
                                    .arg(QFileInfo(ruta).fileName())))
        return false;
    QString error;
    if (!ledgrix::grabe_plantilla(ruta, cubo_.disposicion(), &error)) {
        dm_.dialogs().error(error);
        return false;
    }
    refresque_ejemplos();
    return true;
}

bool AnalisisMovimiento::hay_datos() const {
    if (cubo_.vacio())
        dm_.dialogs().information(kSinDatos);
    return !cubo_.vacio();
}

bool AnalisisMovimiento::exporte(const QString& ruta) {
    if (!hay_datos())
        return false;
    ExportTable tabla = tableFromModel(modelo_);
    tabla.title = QStringLiteral("Analisismovcxp");
    QString error;
    if (!writeXlsx(tabla, ruta, &error)) {
        dm_.dialogs().error(error);
        return false;
    }
    return true;
}

std::vector<MovimientoAnalisis> AnalisisMovimiento::detalle(const QModelIndex& celda) const {
    std::vector<MovimientoAnalisis> out;
    for (int i : modelo_.detalle(celda))
        out.push_back(cubo_.movimientos().at(size_t(i)));
    return out;
}

QString AnalisisMovimiento::consulte(const MovimientoAnalisis& m) {
    const QString clase = ConsultaCxpagar::ventana_de(m.tipodoc);
    if (clase.isEmpty() || m.id == 0) {
        dm_.dialogs().information(QStringLiteral("No Existe un Documento a Consultar"));
        return {};
    }
    dm_.documento_consultado = {m.tipodoc, m.id, m.prefijo, m.numero, m.nombre_tercero};
    return clase;
}

}  // namespace ledgrix
