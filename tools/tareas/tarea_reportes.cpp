// The printed payables reports written to a file: the window's criteria from
// options, the window's statement and layout, the PDF as its print or the
// spreadsheet as its F4 export.
#include <QDir>
#include <QFile>

#include "core/data/client_dataset.h"
#include "core/data/dataset_model.h"
#include "core/data/field.h"
#include "core/export/export_writers.h"
#include "core/money/currency.h"
#include "core/money/formato_numero.h"
#include "core/sql/sqltext.h"
#include "core/tfdm/tfdm.h"
#include "maintenance/progreso.h"
#include "reports/impresos/analisis_impreso.h"
#include "reports/impresos/relacion_cxpagar.h"
#include "reports/motor/reporte.h"
#include "tools/tareas/orden.h"
#include "tools/tareas/trabajo.h"

namespace ledgrix::tareas {

namespace {

QString S(const char* texto) {
    return QString::fromUtf8(texto);
}

// "--moneda COP" or "--moneda 2": the currency's code as the report
// procedures take it; nothing when there is no such currency.
std::optional<int> moneda(Tfdm& dm, const QString& texto) {
    const QString t = texto.trimmed().toUpper();
    const QVariant cod = dm.sql().scalar(
        S("select first 1 TIMO_COD from TIPOS_MONEDA where upper(TIMO_SIMBOLO) = ") +
        sql::quoted(t) + S(" or cast(TIMO_COD as varchar(11)) = ") + sql::quoted(t));
    if (!cod.isValid() || cod.isNull())
        return std::nullopt;
    return cod.toInt();
}

// The PDF appears whole or not at all: an older report of the same name
// survives a failure.
bool escriba_pdf(Reporte& reporte, const QString& ruta, QString& error) {
    const QString parcial = ruta + QStringLiteral(".parcial.pdf");
    QFile::remove(parcial);
    if (!reporte.escriba_pdf(parcial)) {
        QFile::remove(parcial);
        error = reporte.error();
        return false;
    }
    QFile::remove(ruta);
    if (!QFile::rename(parcial, ruta)) {
        QFile::remove(parcial);
        error = S("No se pudo grabar el archivo %1.").arg(QDir::toNativeSeparators(ruta));
        return false;
    }
    return true;
}

Currency total_saldo(ClientDataset& filas) {
    Currency total;
    const Field* saldo = filas.findField(QStringLiteral("SALDO"));
    if (!saldo)
        return total;
    for (bool hay = filas.first(); hay && !filas.eof(); hay = filas.next())
        total += saldo->asCurrency();
    return total;
}

Resultado escriba(Trabajo& t, ReporteImpreso& r) {
    const Orden& o = t.orden;
    Criterios& c = r.criterios;
    c.corte = o.fecha(QStringLiteral("--corte"));
    if (o.tiene(QStringLiteral("--proveedor")))
        c.proveedores = {o.valor(QStringLiteral("--proveedor")).trimmed(), {}};
    c.por_nombre = o.tiene(QStringLiteral("--por-nombre"));
    if (o.tiene(QStringLiteral("--moneda"))) {
        const std::optional<int> m = moneda(t.dm, o.valor(QStringLiteral("--moneda")));
        if (!m)
            return Resultado::falla(
                S("la moneda «%1» no existe.").arg(o.valor(QStringLiteral("--moneda"))));
        c.moneda = *m;
    }
    c.titulo = o.tiene(QStringLiteral("--titulo")) ? o.valor(QStringLiteral("--titulo"))
                                                   : r.titulo_predeterminado();
    if (!r.valide())
        return Resultado::falla(S("los criterios del reporte no son válidos."));

    t.progreso.avance(10, S("Consultando ") + o.comando->resumen);
    if (!r.consulte())
        return Resultado::falla(r.filas().active() && r.filas().isEmpty()
                                    ? S("no hay datos para el reporte.")
                                    : S("la base de datos no respondió la consulta."));
    const int filas = r.filas().recordCount();
    const Currency total = total_saldo(r.filas());
    const QString ruta = o.valor(QStringLiteral("--salida"));
    t.progreso.avance(60, S("Escribiendo %1").arg(QDir::toNativeSeparators(ruta)));
    QString error;
    if (ruta.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive)) {
        std::optional<Reporte> reporte = r.reporte();
        if (!reporte)
            return Resultado::falla(S("no se pudo armar el reporte."));
        if (!escriba_pdf(*reporte, ruta, error))
            return Resultado::falla(error);
    } else {
        DatasetModel modelo(&r.filas());
        ExportTable tabla = tableFromModel(modelo);
        tabla.title = r.archivo_exportacion();
        if (!writeXlsx(tabla, ruta, &error))
            return Resultado::falla(error);
    }
    t.progreso.avance(100, S("Listo"));
    return Resultado::ok(
        S("%1: %2 renglones, saldo %3, en %4")
            .arg(o.comando->nombre)
            .arg(filas)
            .arg(FormatoNumero::instalacion().escriba(total), QDir::toNativeSeparators(ruta)));
}

}  // namespace

Resultado vencimientos(Trabajo& t) {
    AnalisisImpreso r(t.dm);
    const Orden& o = t.orden;
    if (o.tiene(QStringLiteral("--rango-dias")))
        r.ancho = o.valor(QStringLiteral("--rango-dias"));
    r.detalle = o.tiene(QStringLiteral("--detalle"));
    r.por_vencer = o.tiene(QStringLiteral("--por-vencer"));
    r.solo_vencidos = o.tiene(QStringLiteral("--solo-vencidos"));
    return escriba(t, r);
}

Resultado relacion(Trabajo& t) {
    RelacionCxPagar r(t.dm);
    r.detalle = !t.orden.tiene(QStringLiteral("--consolidado"));
    r.incluir_sin_saldo = t.orden.tiene(QStringLiteral("--sin-saldo"));
    return escriba(t, r);
}

}  // namespace ledgrix::tareas
