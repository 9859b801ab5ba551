#include "reports/analisis/analisis_cxp.h"

#include "core/data/client_dataset.h"
#include "core/services/clock.h"
#include "core/services/dialogs.h"
#include "core/sql/sqltext.h"
#include "core/tfdm/tfdm.h"
#include "reports/analisis/entrega_proveedor.h"
#include "reports/analisis/tramos.h"
#include "reports/consulta/lectura_reporte.h"

namespace ledgrix {

namespace {

const QString kNit = QStringLiteral("NIT");

}  // namespace

const QStringList& AnalisisCxp::columnas_tramos() {
    static const QStringList columnas{QStringLiteral("CORRIENTE"), QStringLiteral("CERO"),
                                      QStringLiteral("TREINTA"), QStringLiteral("SESENTA"),
                                      QStringLiteral("NOVENTA")};
    return columnas;
}

AnalisisCxp::AnalisisCxp(Tfdm& dm, QObject* parent) : QObject(parent), dm_(dm) {
    CProveedores = conjunto_reporte(dm, this, QStringLiteral("Analisis"));
    // Only these columns are shown; the procedure's others stay hidden.
    const auto columna = [this](const QString& campo, const QString& titulo, Field::Type tipo) {
        Field& f = CProveedores->declareField(campo, tipo);
        f.setDisplayLabel(titulo);
        f.setReadOnly(true);
        return &f;
    };
    using T = Field::Type;
    columna(kNit, QStringLiteral("Nit"), T::String);
    columna(QStringLiteral("NOMBRE"), QStringLiteral("Nombre"), T::String);
    columna(QStringLiteral("TELEFONO"), QStringLiteral("Teléfono"), T::String);
    columna(QStringLiteral("CIUDAD"), QStringLiteral("Ciudad"), T::String);
    columna(QStringLiteral("GRUPO"), QStringLiteral("Grupo"), T::String);
    columna(QStringLiteral("DIAS"), QStringLiteral("Días"), T::Integer);
    columna(QStringLiteral("SALDO"), QStringLiteral("Saldo"), T::Currency);
    for (int i = 0; i < kTramos; ++i)
        tramos_[static_cast<size_t>(i)] = columna(columnas_tramos()[i], {}, T::Currency);
    // The rest of the procedure's columns describe one document; the list is by supplier.
    for (const char* oculta :
         {"NOMGRUPO", "TIPO", "ID", "PREFIJO", "NUMERO", "TIPONOM", "FECDOC", "VENCE", "NUMPROV"})
        CProveedores->declareField(QString::fromLatin1(oculta)).setVisible(false);
    dm.ConfigurarProviders(this);

    criterios_.corte = dm.clock().today();
    monedas_ = ledgrix::monedas(dm);
    if (!monedas_.isEmpty())
        criterios_.moneda = monedas_.first().first;
    criterios_.rango = dm.configuracion(QStringLiteral("CXPAGAR"), QStringLiteral("ANALISIS"),
                                        QStringLiteral("RANGO DE DIAS PARA EL ANALISIS DE "
                                                       "CUENTAS POR PAGAR"))
                           .trimmed();
    criterios_.agencia = dm.ctx.agencia;
    QString sucursales = QStringLiteral("select SUCU_ID, SUCU_NOMBRE from SUCURSALES");
    if (agencia_fija())
        sucursales += QStringLiteral(" where SUCU_ID = ") + sql::number(dm.ctx.agencia);
    else
        agencias_.append({0, QStringLiteral("Todas")});
    auto q = dm.sql().select(sucursales + QStringLiteral(" order by SUCU_ID"));
    while (q && q->next())
        if (q->value(0).toInt() != 0 || agencia_fija())
            agencias_.append({q->value(0).toInt(), q->value(1).toString().trimmed()});
}

bool AnalisisCxp::agencia_fija() const {
    return dm_.ctx.agencia != 0;
}

std::optional<QString> AnalisisCxp::consulta() const {
    bool ok = false;
    const int ancho = criterios_.rango.trimmed().toInt(&ok);
    if (!ok || !encabezados_tramos(criterios_.rango, criterios_.por_vencer))
        return std::nullopt;
    // Whatever the window shows, a user of an agency reads only that agency.
    const int agencia = agencia_fija() ? dm_.ctx.agencia : criterios_.agencia;
    QString sql = QStringLiteral("select * from rep_analisis_cxpagar ('','ñ','','zz', ") +
                  sql::date(criterios_.corte) + QStringLiteral(",'N','N','N',") +
                  sql::number(ancho) + QStringLiteral(",") + sql::number(agencia) +
                  QStringLiteral(",") +
                  (criterios_.por_vencer ? QStringLiteral("'S',") : QStringLiteral("'N',")) +
                  sql::number(criterios_.moneda) + QStringLiteral(") ");
    if (!criterios_.incluir_cero)
        sql += QStringLiteral(" where saldo <> 0");
    return sql;
}

bool AnalisisCxp::calcule() {
    const auto sql = consulta();
    if (!sql) {
        dm_.dialogs().error(QStringLiteral("El rango de días «") + criterios_.rango +
                            QStringLiteral("» debe ser un número entero de días mayor que cero."));
        return false;
    }
    QStringList encabezados = *encabezados_tramos(criterios_.rango, criterios_.por_vencer);
    if (criterios_.por_vencer)
        encabezados[0] = encabezados[0].toUpper();
    const QString antes = nit_actual();
    CProveedores->close();
    encabezados_ = encabezados;
    for (int i = 0; i < kTramos; ++i)
        tramos_[static_cast<size_t>(i)]->setDisplayLabel(encabezados_[i]);
    CProveedores->setCommandText(*sql);
    if (!CProveedores->open())
        return false;
    CProveedores->fetchAll();
    if (CProveedores->isEmpty()) {
        dm_.dialogs().information(QStringLiteral("No hay datos para el reporte."));
        return false;
    }
    if (antes.isEmpty() || !vaya_a(antes))
        CProveedores->first();
    return true;
}

AnalisisCxp::Tramos AnalisisCxp::tramos_fila(int fila) const {
    Tramos t{};
    for (int i = 0; i < kTramos; ++i)
        t[static_cast<size_t>(i)] = Field::currencyOf(
            CProveedores->valueAt(fila, tramos_[static_cast<size_t>(i)]->index()));
    return t;
}

AnalisisCxp::Tramos AnalisisCxp::tramos_compania() const {
    Tramos total{};
    if (!CProveedores->active())
        return total;
    for (int fila = 0; fila < CProveedores->recordCount(); ++fila) {
        const Tramos t = tramos_fila(fila);
        for (size_t i = 0; i < total.size(); ++i)
            total[i] += t[i];
    }
    return total;
}

AnalisisCxp::Tramos AnalisisCxp::tramos_actual() const {
    if (!CProveedores->active() || CProveedores->recNo() < 0 || CProveedores->isEmpty())
        return Tramos{};
    return tramos_fila(CProveedores->recNo());
}

QString AnalisisCxp::nit_actual() const {
    return nit_en_fila(*CProveedores);
}

QString AnalisisCxp::nombre_actual() const {
    return nombre_en_fila(*CProveedores);
}

bool AnalisisCxp::vaya_a(const QString& nit) {
    return vaya_a_nit(*CProveedores, nit);
}

bool AnalisisCxp::entregue_saldos() {
    return ledgrix::entregue_saldos(dm_, *CProveedores);
}

bool AnalisisCxp::entregue_movimiento() {
    const QDate corte = criterios_.corte;
    return ledgrix::entregue_movimiento(dm_, *CProveedores, QDate(corte.year(), corte.month(), 1),
                                        QDate(corte.year(), corte.month(), corte.daysInMonth()));
}

}  // namespace ledgrix
