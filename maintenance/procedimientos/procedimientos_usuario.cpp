#include "maintenance/procedimientos/procedimientos_usuario.h"

#include "core/data/client_dataset.h"
#include "core/errors/error_translator.h"
#include "core/money/formato_numero.h"
#include "core/services/clock.h"
#include "core/services/dialogs.h"
#include "core/sql/sqltext.h"
#include "core/tfdm/tfdm.h"
#include "reports/consulta/lectura_reporte.h"
#include "reports/impresos/criterios.h"

namespace ledgrix {

namespace {

// The module whose users see every installation's procedure.
const QString kMantenimiento = QStringLiteral("MANTENIMIENTO");
// Longest text a procedure's parameter can be declared to take.
constexpr int kLargoParametro = 32765;

}  // namespace

ProcedimientosUsuario::ProcedimientosUsuario(Tfdm& dm, QObject* parent) : QObject(parent), dm_(dm) {
    CProcedimiento = conjunto_reporte(dm, this, QStringLiteral("Procedimiento"));
    dm.ConfigurarProviders(this);
    const QDate hoy = dm.clock().today();
    criterios_.desde = QDate(hoy.year(), hoy.month(), 1);
    criterios_.hasta = hoy;
    lea_procedimientos();
}

QString ProcedimientosUsuario::texto_espera() {
    return QStringLiteral("Ejecutando procedimiento. espere un momento ...");
}

void ProcedimientosUsuario::lea_procedimientos() {
    QString sql = QStringLiteral(
        "select PRUS_COD, PRUS_NOMBRE, PRUS_SP, PRUS_PARAM1, PRUS_PARAM2, PRUS_PARAM3, "
        "PRUS_PARAM4, PRUS_PARAM5 from PROCEDIMIENTOS_USUARIO");
    if (dm_.ctx.modulo != kMantenimiento)
        sql += QStringLiteral(" where PRUS_MODULO = ") + sql::quoted(dm_.ctx.modulo);
    sql += QStringLiteral(" order by PRUS_NOMBRE, PRUS_COD");
    auto q = dm_.sql().select(sql);
    while (q && q->next()) {
        ProcedimientoUsuario p;
        p.codigo = q->value(0).toInt();
        p.nombre = q->value(1).toString().trimmed();
        p.sp = q->value(2).toString().trimmed();
        for (int i = 0; i < kParametros; ++i)
            p.parametros[static_cast<size_t>(i)] = q->value(3 + i).toString().trimmed();
        procedimientos_.append(p);
    }
    escogido_ = procedimientos_.isEmpty() ? -1 : 0;
}

void ProcedimientosUsuario::escoja(int indice) {
    escogido_ = indice >= 0 && indice < procedimientos_.size() ? indice : -1;
}

const ProcedimientoUsuario* ProcedimientosUsuario::escogido() const {
    return escogido_ < 0 ? nullptr : &procedimientos_[escogido_];
}

std::array<QString, ProcedimientosUsuario::kParametros> ProcedimientosUsuario::rotulos() const {
    const ProcedimientoUsuario* p = escogido();
    return p ? p->parametros : std::array<QString, kParametros>{};
}

QString ProcedimientosUsuario::llamada(const ProcedimientoUsuario& procedimiento,
                                       const Criterios& criterios) {
    QString sql = QStringLiteral("select * from ") + procedimiento.sp + u'(' +
                  sql::date(criterios.desde) + u',' + sql::date(criterios.hasta);
    for (size_t i = 0; i < procedimiento.parametros.size(); ++i)
        if (!procedimiento.parametros[i].isEmpty())
            sql += u',' + sql::quoted(criterios.textos[i]);
    return sql + u')';
}

bool ProcedimientosUsuario::valide() const {
    Dialogs& dialogs = dm_.dialogs();
    const ProcedimientoUsuario* p = escogido();
    if (!p) {
        dialogs.error(QStringLiteral("Escoja el procedimiento que desea ejecutar."));
        return false;
    }
    if (criterios_.textos[0].trimmed().isEmpty()) {
        dialogs.error(QStringLiteral("Debe indicar un parámetro al procedimiento."));
        return false;
    }
    if (!valide_periodo(dialogs, criterios_.desde, criterios_.hasta))
        return false;
    for (size_t i = 0; i < p->parametros.size(); ++i) {
        if (p->parametros[i].isEmpty() || sql::admisible(criterios_.textos[i], kLargoParametro))
            continue;
        dialogs.error(QStringLiteral("El parámetro «%1» tiene caracteres que la base de datos no "
                                     "puede recibir. Cámbielos e intente de nuevo.")
                          .arg(p->parametros[i]));
        return false;
    }
    return true;
}

bool ProcedimientosUsuario::genere(const std::function<void(const QString&)>& espera) {
    if (!valide())
        return false;
    if (espera)
        espera(texto_espera());
    CProcedimiento->close();
    CProcedimiento->setCommandText(llamada(*escogido(), criterios_));
    if (!CProcedimiento->open()) {
        falle();
        return false;
    }
    como_montos();
    return true;
}

bool ProcedimientosUsuario::lea_paquete() {
    if (completo())
        return false;
    CProcedimiento->fetchMore();
    if (!CProcedimiento->lastError().message.isEmpty()) {
        falle();
        return false;
    }
    return !completo();
}

bool ProcedimientosUsuario::completo() const {
    return !CProcedimiento->canFetchMore();
}

void ProcedimientosUsuario::falle() {
    // Half a result would read as the whole answer: nothing stays.
    const QString mensaje = CProcedimiento->lastError().message;
    CProcedimiento->close();
    dm_.traductor().ENoManejada(&dm_, mensaje);
}

void ProcedimientosUsuario::como_montos() {
    // Integer columns show and add up as amounts. The rows of the first
    // packet keep their whole numbers, which every reading of an amount
    // (display, sums) takes as the same value.
    for (Field* f : CProcedimiento->fields()) {
        f->setReadOnly(true);
        if (f->type() == Field::Type::Integer)
            f->setType(Field::Type::Currency);
        if (es_numerica(*f))
            f->setDecimals(2);
    }
}

bool ProcedimientosUsuario::es_numerica(const Field& campo) {
    return campo.type() == Field::Type::Currency || campo.type() == Field::Type::Integer;
}

QHash<int, Currency> ProcedimientosUsuario::sumas(const QList<int>& filas) const {
    QHash<int, Currency> total;
    if (!CProcedimiento->active())
        return total;
    for (const Field* f : CProcedimiento->fields())
        if (es_numerica(*f))
            total.insert(f->index(), Currency());
    for (auto it = total.begin(); it != total.end(); ++it)
        for (const int fila : filas)
            it.value() += Field::currencyOf(CProcedimiento->valueAt(fila, it.key()));
    return total;
}

QHash<int, Currency> ProcedimientosUsuario::sumas() const {
    QList<int> todas;
    for (int fila = 0; fila < CProcedimiento->recordCount(); ++fila)
        todas.append(fila);
    return sumas(todas);
}

QString ProcedimientosUsuario::texto_suma(Currency valor) {
    return FormatoNumero::instalacion().escriba(valor, 2);
}

}  // namespace ledgrix
