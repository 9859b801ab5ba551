#include "output/soporte/envio_lote.h"

#include <QSqlQuery>
#include <vector>

#include "core/sql/sqltext.h"
#include "core/tfdm/tfdm.h"
#include "output/soporte/envio_soporte.h"

namespace ledgrix {

namespace {
QString S(const char* texto) {
    return QString::fromUtf8(texto);
}
}  // namespace

EnvioLote::EnvioLote(Tfdm& dm) : dm_(dm) {}

QStringList EnvioLote::documentos() {
    return {S("Cargos Cuentas x pagar"), S("Descuentos Cuentas x pagar")};
}

QStringList EnvioLote::prefijos(Documento documento) const {
    const QString sql =
        documento == Documento::Cargos
            ? S("SELECT P.PREF_PRE FROM PREFIJOS P, AUTORIZACIONES A WHERE P.TIDO_COD = 51 AND "
                "PREF_ACTIVO = 'S' AND a.auto_inicial <= p.pref_actual and a.auto_final >= "
                "p.pref_actual AND P.PREF_PRE = A.PREF_PRE AND AUTO_TOKENEMP IS NOT NULL")
            : S("SELECT PREF_PRE FROM PREFIJOS WHERE TIDO_COD = 52 AND PREF_ACTIVO = 'S'");
    QStringList lista;
    if (auto q = dm_.sql().select(sql))
        while (q->next())
            lista << q->value(0).toString().trimmed();
    lista.removeDuplicates();
    return lista;
}

bool EnvioLote::tiene_credenciales(Documento documento, const QString& prefijo,
                                   const QString& numero, int tipods) const {
    if (documento == Documento::Cargos)
        return EnvioSoporte(dm_).credenciales_cargo(prefijo, numero).has_value();
    const QString sql =
        S("select AUTO_TOKENEMP, AUTO_TOKENPSW FROM AUTORIZACIONES A, NOTAS_CREDITO_PROVEEDOR N "
          "WHERE N.PREF_PRE = ") +
        sql::quoted(prefijo) + S(" AND CAST(N.NCPR_NUMERO AS INTEGER) = CAST(") +
        sql::number(numero.trimmed().toLongLong()) + S(" AS INTEGER) AND A.TIDO_COD = ") +
        sql::number(tipods) +
        S(" AND A.pref_pre = left(NCPR_DOCSOPORTE, STRLEN(NCPR_DOCSOPORTE)-6) AND "
          "AUTO_TOKENEMP IS NOT NULL");
    auto q = dm_.sql().select(sql);
    return q && q->next() && !q->value(0).toString().trimmed().isEmpty() &&
           !q->value(1).toString().trimmed().isEmpty();
}

int EnvioLote::envie(Documento documento, const QString& prefijo, const QString& desde,
                     const QString& hasta) {
    const bool cargos = documento == Documento::Cargos;
    const QString sql =
        cargos ? S("SELECT NDPR_NUMERO, NDPR_ID FROM NOTAS_DEBITO_PROVEEDOR WHERE PREF_PRE = ") +
                     sql::quoted(prefijo) +
                     S(" AND ((NDPR_NRONDE = '') or (NDPR_NRONDE IS NULL)) and NDPR_NUMERO >= ") +
                     sql::quoted(desde) + S(" AND NDPR_NUMERO <= ") + sql::quoted(hasta)
               : S("SELECT NCPR_NUMERO, NCPR_ID, NCPR_TIPODS FROM NOTAS_CREDITO_PROVEEDOR WHERE "
                   "PREF_PRE = ") +
                     sql::quoted(prefijo) +
                     S(" AND ((NCPR_NRONCE = '') or (NCPR_NRONCE IS NULL)) AND NCPR_NUMERO >= ") +
                     sql::quoted(desde) + S(" AND NCPR_NUMERO <= ") + sql::quoted(hasta);
    struct Pendiente {
        QString numero;
        qint64 id;
        int tipods;
    };
    std::vector<Pendiente> pendientes;
    if (auto q = dm_.sql().select(sql))
        while (q->next())
            pendientes.push_back({q->value(0).toString().trimmed(), q->value(1).toLongLong(),
                                  cargos ? 51 : q->value(2).toInt()});
    const QString codigo = cargos ? S("NDPR_NRONDE") : S("NCPR_NRONCE");
    const QString tabla = cargos ? S("NOTAS_DEBITO_PROVEEDOR") : S("NOTAS_CREDITO_PROVEEDOR");
    const QString llave = cargos ? S("NDPR_ID") : S("NCPR_ID");
    int enviados = 0;
    for (const Pendiente& p : pendientes) {
        if (!tiene_credenciales(documento, prefijo, p.numero, p.tipods))
            continue;
        if (avance)
            avance(S("Enviando ") + (cargos ? S("cargo ") : S("descuento ")) + prefijo + p.numero +
                   S(". Espere un momento..."));
        // What opening the document's print window does to it.
        const bool anulado =
            dm_.sql()
                .scalar(S("SELECT ") + (cargos ? S("NDPR") : S("NCPR")) + S("_ANULADO FROM ") +
                        tabla + S(" WHERE ") + llave + S(" = ") + sql::number(p.id))
                .toString() == S("S");
        EnvioSoporte envio(dm_);
        if (cargos)
            envio.envie_cargo(p.id, prefijo, p.numero, anulado);
        else
            envio.envie_descuento(p.id, prefijo, p.numero, anulado);
        if (!dm_.sql()
                 .scalar(S("SELECT ") + codigo + S(" FROM ") + tabla + S(" WHERE ") + llave +
                         S(" = ") + sql::number(p.id))
                 .toString()
                 .trimmed()
                 .isEmpty())
            ++enviados;
    }
    return enviados;
}

}  // namespace ledgrix
