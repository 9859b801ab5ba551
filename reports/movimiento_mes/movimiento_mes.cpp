#include "reports/movimiento_mes/movimiento_mes.h"

#include "core/data/client_dataset.h"
#include "core/services/clock.h"
#include "core/services/dialogs.h"
#include "core/sql/sqltext.h"
#include "core/tfdm/tfdm.h"
#include "reports/analisis/entrega_proveedor.h"
#include "reports/consulta/lectura_reporte.h"
#include "reports/impresos/criterios.h"

namespace ledgrix {

namespace {

// The amount columns, in the order of Cifras.
const char* const kMontos[] = {"INICIAL", "DEBITOS", "CREDITOS", "ABONOS", "FINAL"};

MovimientoMes::Cifras cifras(const QVariantList& v) {
    return {Field::currencyOf(v[0]), Field::currencyOf(v[1]), Field::currencyOf(v[2]),
            Field::currencyOf(v[3]), Field::currencyOf(v[4])};
}

}  // namespace

MovimientoMes::MovimientoMes(Tfdm& dm, QObject* parent) : QObject(parent), dm_(dm) {
    CProveedores = conjunto_reporte(dm, this, QStringLiteral("MovimientoMes"));
    const auto columna = [this](const char* campo, const QString& titulo, Field::Type tipo) {
        Field& f = CProveedores->declareField(QString::fromLatin1(campo), tipo);
        f.setDisplayLabel(titulo);
        f.setReadOnly(true);
    };
    using T = Field::Type;
    columna("NIT", QStringLiteral("Nit"), T::String);
    columna("NOMBRE", QStringLiteral("Nombre"), T::String);
    columna("GRUPO", QStringLiteral("Grupo"), T::String);
    const QString titulos[] = {QStringLiteral("Inicial"), QStringLiteral("Cargos"),
                               QStringLiteral("Descuentos"), QStringLiteral("Abonos"),
                               QStringLiteral("Final")};
    for (int i = 0; i < 5; ++i)
        columna(kMontos[i], titulos[i], T::Currency);
    dm.ConfigurarProviders(this);

    const QDate hoy = dm.clock().today();
    criterios_.desde = QDate(hoy.year(), hoy.month(), 1);
    criterios_.hasta = QDate(hoy.year(), hoy.month(), hoy.daysInMonth());
    monedas_ = ledgrix::monedas(dm);
    if (!monedas_.isEmpty())
        criterios_.moneda = monedas_.first().first;
}

bool MovimientoMes::periodo_valido() const {
    return criterios_.desde.isValid() && criterios_.hasta.isValid() &&
           criterios_.desde <= criterios_.hasta;
}

std::optional<QString> MovimientoMes::consulta() const {
    if (!periodo_valido())
        return std::nullopt;
    return QStringLiteral("select * from movimiento_cxpagar_mes (") + sql::date(criterios_.desde) +
           QStringLiteral(",") + sql::date(criterios_.hasta) + QStringLiteral(",") +
           sql::number(criterios_.moneda) + QStringLiteral(")");
}

bool MovimientoMes::calcule() {
    if (!valide_periodo(dm_.dialogs(), criterios_.desde, criterios_.hasta))
        return false;
    const auto sql = consulta();
    const QString antes = nit_actual();
    const QString anterior = CProveedores->commandText();
    CProveedores->close();
    CProveedores->setCommandText(*sql);
    if (!CProveedores->open()) {
        // The list the user had stays on screen.
        CProveedores->setCommandText(anterior);
        if (!anterior.isEmpty())
            CProveedores->open();
        return false;
    }
    CProveedores->fetchAll();
    calculada_ = true;
    if (antes.isEmpty() || !vaya_a(antes))
        CProveedores->first();
    return true;
}

MovimientoMes::Cifras MovimientoMes::totales() const {
    Cifras t;
    if (!CProveedores->active())
        return t;
    int columnas[5];
    for (int i = 0; i < 5; ++i)
        columnas[i] = CProveedores->fieldByName(QString::fromLatin1(kMontos[i])).index();
    for (int fila = 0; fila < CProveedores->recordCount(); ++fila) {
        QVariantList v;
        for (int c : columnas)
            v << CProveedores->valueAt(fila, c);
        const Cifras f = cifras(v);
        t.inicial += f.inicial;
        t.cargos += f.cargos;
        t.descuentos += f.descuentos;
        t.abonos += f.abonos;
        t.final += f.final;
    }
    return t;
}

QString MovimientoMes::nit_actual() const {
    return nit_en_fila(*CProveedores);
}

QString MovimientoMes::nombre_actual() const {
    return nombre_en_fila(*CProveedores);
}

bool MovimientoMes::vaya_a(const QString& nit) {
    return vaya_a_nit(*CProveedores, nit);
}

QString MovimientoMes::consulta_meses(const QString& nit) const {
    const QDate hasta = criterios_.hasta;
    const QDate desde = QDate(hasta.year(), hasta.month(), 1).addMonths(1 - kMesesGrafica);
    return QStringLiteral("select * from movimiento_cxpagar_meses (") + sql::date(desde) +
           QStringLiteral(",") + sql::date(hasta) + QStringLiteral(",") +
           sql::number(criterios_.moneda) + QStringLiteral(",") + sql::quoted(nit) +
           QStringLiteral(") order by MES");
}

std::optional<QList<MovimientoMes::Mes>> MovimientoMes::meses(const QString& nit) const {
    if (!periodo_valido())
        return std::nullopt;
    auto q = dm_.sql().select(consulta_meses(nit));
    if (!q)
        return std::nullopt;
    QList<Mes> lista;
    while (q->next()) {
        QVariantList v;
        for (const char* c : kMontos)
            v << q->value(QString::fromLatin1(c));
        lista.append({q->value(QStringLiteral("MES")).toDate(), cifras(v)});
    }
    return lista;
}

bool MovimientoMes::entregue_saldos() {
    return ledgrix::entregue_saldos(dm_, *CProveedores);
}

bool MovimientoMes::entregue_movimiento() {
    return ledgrix::entregue_movimiento(dm_, *CProveedores, criterios_.desde, criterios_.hasta);
}

}  // namespace ledgrix
