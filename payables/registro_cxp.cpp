#include "payables/registro_cxp.h"

#include "core/data/field.h"
#include "core/services/dialogs.h"
#include "core/sql/runner.h"
#include "core/sql/sqltext.h"
#include "core/tfdm/tfdm.h"

namespace ledgrix {
namespace {

QString busqueda(int tipo, const QString& prefijo, const QString& numero, const QString& nit, const QDate& fecha,
                 int moneda) {
    return QStringLiteral("select * from busca_id_doc_cxpagar(") + sql::number(tipo) + QStringLiteral(", ") +
           sql::quoted(prefijo) + QStringLiteral(",") + sql::quoted(numero) + QStringLiteral(", ") +
           sql::quoted(nit) + QStringLiteral(", ") + sql::date(fecha) + QStringLiteral(",") + sql::number(moneda) +
           QStringLiteral(")");
}

}  // namespace

QString RegistroCxp::mensaje_error(int codigo) {
    switch (codigo) {
        case 1: return QStringLiteral("No se encontró el documento indicado.");
        case 2: return QStringLiteral("El documento indicado pertenece a otro Cliente.");
        case 3: return QStringLiteral("La fecha del abono es anterior al documento.");
        case 4: return QStringLiteral("Documento totalmente cancelado.");
        default: return {};
    }
}

void RegistroCxp::limpie_cifras() { saldo_doc = rtfte_doc = rtiva_doc = rtica_doc = rcree_doc = Currency(); }

qint64 RegistroCxp::id_doc(int tipo, const QString& prefijo, const QString& numero, const QString& nit,
                           const QDate& fecha) {
    auto q = dm_.sql().select(busqueda(tipo, prefijo, numero, nit, fecha, 0));
    if (!q || !q->next() || q->value(QStringLiteral("ERROR")).toInt() != 0) {
        limpie_cifras();
        return 0;
    }
    saldo_doc = decimal(*q, QStringLiteral("SALDO"));
    rtfte_doc = decimal(*q, QStringLiteral("RTFTE"));
    rtiva_doc = decimal(*q, QStringLiteral("RTIVA"));
    rtica_doc = decimal(*q, QStringLiteral("RTICA"));
    rcree_doc = decimal(*q, QStringLiteral("RCREE"));
    return q->value(QStringLiteral("ID")).toLongLong();
}

int RegistroCxp::signo_anticipo(qint64 id) {
    auto q = dm_.sql().select(QStringLiteral("select egre_id from anticipos_proveedor where anpr_id = ") +
                              sql::number(id));
    if (!q || !q->next()) return 0;
    return q->value(0).toLongLong() == 0 ? -1 : 1;
}

bool RegistroCxp::valide_doc_cxpagar(const QString& nit, int tipo, const QString& prefijo, const QString& numero,
                                     const QDate& fecha, Campos c, int moneda) {
    auto q = dm_.sql().select(busqueda(tipo, prefijo, numero, nit, fecha, moneda));
    bool valido = q && q->next();
    if (valido) {
        const int error = q->value(QStringLiteral("ERROR")).toInt();
        if (error != 0) {
            const QString mensaje = mensaje_error(error);
            if (!mensaje.isEmpty()) dm_.dialogs().error(mensaje);
            valido = false;
        }
    }
    if (!valido) {
        c.id.setValue(0);
        for (Field* f : {&c.rtfte, &c.rtiva, &c.rtica, &c.rcree, &c.dtof, &c.saldo}) f->setCurrency(Currency());
        c.numprov.setValue(QString());
        return false;
    }
    const qint64 id = q->value(QStringLiteral("ID")).toLongLong();
    c.id.setValue(id);
    int signo = 1;
    if (tipo == 55) {
        signo = signo_anticipo(id);
        if (signo == 0) return true;  // the advance row is gone: the figures stay as they were
    }
    const Currency s = Currency::fromInt(signo);
    c.rtfte.setCurrency(decimal(*q, QStringLiteral("RTFTE")) * s);
    c.rtiva.setCurrency(decimal(*q, QStringLiteral("RTIVA")) * s);
    c.rtica.setCurrency(decimal(*q, QStringLiteral("RTICA")) * s);
    c.rcree.setCurrency(decimal(*q, QStringLiteral("RCREE")) * s);
    c.dtof.setCurrency(decimal(*q, QStringLiteral("DTOF")) * s);
    c.saldo.setCurrency(decimal(*q, QStringLiteral("SALDO")) * s);
    c.numprov.setValue(q->value(QStringLiteral("NUMPROV")).toString().trimmed());
    return true;
}

Currency RegistroCxp::saldo_doc_cxpagarm(int tipo, qint64 id, int moneda, const QDate& fecha) {
    auto q = dm_.sql().select(QStringLiteral("select * from saldo_doc_cxpagar(") + sql::number(tipo) +
                              QStringLiteral(", ") + sql::number(id) + QStringLiteral(",") + sql::date(fecha) +
                              QStringLiteral(",") + sql::number(moneda) + QStringLiteral(")"));
    if (!q || !q->next()) return {};
    const Currency saldo = decimal(*q, QStringLiteral("SALDO"));
    if (tipo != 55) return saldo;
    return saldo * Currency::fromInt(signo_anticipo(id));
}

Currency RegistroCxp::saldo_doc_cxpagar(int tipo, qint64 id, const QDate& fecha) {
    return saldo_doc_cxpagarm(tipo, id, 0, fecha);
}

}  // namespace ledgrix
