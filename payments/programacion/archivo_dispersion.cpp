#include "payments/programacion/archivo_dispersion.h"

#include <QFileInfo>
#include <QSaveFile>
#include <QSqlError>
#include <QSqlQuery>

#include "core/errors/error_translator.h"
#include "core/money/formato_numero.h"
#include "core/services/clock.h"
#include "core/services/dialogs.h"
#include "core/sql/runner.h"
#include "core/sql/sqltext.h"
#include "core/tfdm/tfdm.h"

namespace ledgrix {

QStringList ArchivoDispersion::formatos() const {
    QStringList usuales{QStringLiteral("PAB"), QStringLiteral("MANUAL"), QStringLiteral("BCOBTA"),
                        QStringLiteral("BCO CAJA SOCIAL"), QStringLiteral("BCO BBVA")};
    QStringList otros;
    QStringList definidos;
    if (auto q = dm_.sql().select(QStringLiteral(
            "select ARBF_FORMATO from ARCHIVO_BANCO_FORMATOS order by ARBF_FORMATO")))
        while (q->next())
            definidos << q->value(0).toString();
    for (const QString& f : definidos)
        if (!usuales.contains(f))
            otros << f;
    QStringList lista;
    for (const QString& f : usuales)
        if (definidos.contains(f))
            lista << f;
    return lista + otros;
}

QString ArchivoDispersion::aviso(const Resumen& resumen) {
    return QStringLiteral("Archivo generado: %1\n%2 %3 por %4.")
        .arg(resumen.ruta)
        .arg(resumen.pagos)
        .arg(resumen.pagos == 1 ? QStringLiteral("pago") : QStringLiteral("pagos"),
             FormatoNumero::instalacion().escriba(resumen.total));
}

QString ArchivoDispersion::con_extension(const QString& ruta) {
    return QFileInfo(ruta).suffix().isEmpty() ? ruta + QStringLiteral(".txt") : ruta;
}

std::optional<ArchivoDispersion::Resumen> ArchivoDispersion::exporte(int id,
                                                                     const QDate& fecha_dispersion,
                                                                     const QString& secuencia,
                                                                     const QString& formato,
                                                                     const QString& ruta) {
    auto q = dm_.sql().select(
        QStringLiteral("SELECT DATOS, REGISTRO, VALOR FROM ARCHIVO_BANCO_CXP(%1, %2, %3, %4, %5)")
            .arg(id)
            .arg(sql::date(dm_.clock().today()), sql::date(fecha_dispersion),
                 sql::quoted(secuencia), sql::quoted(formato)));
    if (!q)
        return std::nullopt;  // the error translation has told the user

    Resumen r{con_extension(ruta), 0, Currency()};
    QSaveFile archivo(r.ruta);
    if (!archivo.open(QIODevice::WriteOnly)) {
        dm_.dialogs().error(QStringLiteral("No se pudo crear el archivo %1: %2")
                                .arg(r.ruta, archivo.errorString()));
        return std::nullopt;
    }
    // Banks read these files as Windows text: Latin-1, CR LF.
    while (q->next()) {
        archivo.write(q->value(0).toString().toLatin1() + "\r\n");
        if (q->value(1).toString() == QLatin1String("D")) {
            ++r.pagos;
            r.total += decimal(*q, 2);
        }
    }
    // The procedure refuses (a supplier without an account, an amount too
    // long) while the rows are read: that leaves no file either.
    if (q->lastError().isValid()) {
        archivo.cancelWriting();
        dm_.traductor().ENoManejada(&dm_, q->lastError().databaseText());
        return std::nullopt;
    }
    if (!archivo.commit()) {
        dm_.dialogs().error(QStringLiteral("No se pudo grabar el archivo %1: %2")
                                .arg(r.ruta, archivo.errorString()));
        return std::nullopt;
    }
    return r;
}

}  // namespace ledgrix
