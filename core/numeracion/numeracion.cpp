#include "core/numeracion/numeracion.h"

#include "core/data/field.h"
#include "core/numeracion/tablas_documento.h"
#include "core/services/dialogs.h"
#include "core/sql/sqltext.h"
#include "core/tfdm/tfdm.h"

namespace ledgrix {

QString complete_numero_n(const QString& numero, int ancho) {
    return numero.size() < ancho ? numero.rightJustified(ancho, QLatin1Char('0')) : numero;
}

QString complete_numero(const QString& numero) { return complete_numero_n(numero, 6); }

bool existe_numero(Tfdm& dm, int tipo, const QString& prefijo, const QString& numero) {
    if (numero.isEmpty()) return true;
    const auto t = tabla_documento(tipo);
    if (!t) return false;
    const QString sql = QStringLiteral("select ") + t->id + QStringLiteral(" from ") + t->tabla +
                        QStringLiteral(" where ") + t->prefijo + QStringLiteral(" = ") + sql::quoted(prefijo) +
                        QStringLiteral(" and ") + t->numero + QStringLiteral(" = ") +
                        sql::quoted(complete_numero(numero));
    auto q = dm.sql().select(sql);
    if (!q || !q->next()) return false;
    dm.encontrados.slot(tipo) = q->value(0).toString();
    return true;
}

bool valide_numero(Tfdm& dm, int tipo, const QString& prefijo, const QString& propuesto, Field& campo) {
    QString numero = campo.asString();
    if (numero.isEmpty()) return true;
    dm.encontrados.limpie();
    if (!existe_numero(dm, tipo, prefijo, numero)) return true;
    if (numero != propuesto) {
        if (dm.dialogs().question(QStringLiteral("Documento ") + numero +
                                  QStringLiteral(" previamente registrado. Consultar?")))
            return true;
        dm.encontrados.limpie();
        return false;
    }
    // Another station stored the proposed number meanwhile: take the next free one.
    const int ancho = tipo == 31 ? 8 : 6;
    do {
        numero = complete_numero_n(QString::number(numero.toLongLong() + 1), ancho);
    } while (existe_numero(dm, tipo, prefijo, numero));
    dm.encontrados.limpie();
    campo.setValue(numero);
    return true;
}

QString nombre_tipo(Tfdm& dm, int tipo) {
    return dm.sql()
        .scalar(QStringLiteral("select tido_nomcorto from tipo_documento where tido_cod = ") + sql::number(tipo))
        .toString();
}

namespace {

std::optional<std::pair<QString, QString>> prefijo_y_numero(Tfdm& dm, int tipo, qint64 id) {
    const auto t = tabla_documento(tipo);
    if (!t) return std::nullopt;
    auto q = dm.sql().select(QStringLiteral("select ") + t->prefijo + QStringLiteral(", ") + t->numero +
                             QStringLiteral(" from ") + t->tabla + QStringLiteral(" where ") + t->id +
                             QStringLiteral(" = ") + sql::number(id));
    if (!q || !q->next()) return std::nullopt;
    return std::make_pair(q->value(0).toString(), q->value(1).toString());
}

}  // namespace

QString num_documento(Tfdm& dm, int tipo, qint64 id) {
    const auto pn = prefijo_y_numero(dm, tipo, id);
    return pn ? pn->first + pn->second : QString();
}

void numero_documento(Tfdm& dm, int tipo, qint64 id, Field& prefijo, Field& numero) {
    const auto pn = prefijo_y_numero(dm, tipo, id);
    if (!pn) return;
    prefijo.setValue(pn->first);
    numero.setValue(pn->second);
}

void registre_prefijo(Tfdm& dm, int tipo) {
    const QString codigo = sql::number(tipo);
    auto q = dm.sql().select(QStringLiteral("select pref_activo from prefijos where pref_pre = '0000' and tido_cod = ") +
                             codigo);
    if (q && q->next()) {
        dm.sql().execute(QStringLiteral("update prefijos set pref_activo = 'S' where pref_pre = '0000' and tido_cod = ") +
                         codigo);
    } else if (q) {
        dm.sql().execute(QStringLiteral("insert into prefijos (tido_cod, pref_pre, pref_auto, pref_actual, pref_ivainc, "
                                        "pref_activo) values (") +
                         codigo + QStringLiteral(", '0000', 'N', '000001', 'N', 'S')"));
    }
}

}  // namespace ledgrix
