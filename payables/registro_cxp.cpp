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

// Positions of the registry's answer, fixed by BUSCA_ID_DOC_CXPAGAR's
// declaration: asking the driver for the columns by name would describe the
// whole result with catalogue queries on every look-up.
struct Columnas {
    int id = 0, saldo = 1, rtfte = 2, rtiva = 3, rtica = 4, dtof = 5, error = 6, numprov = 7, rcree = 8;
};

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
    if (!q || !q->next()) {
        limpie_cifras();
        return 0;
    }
    const Columnas c;
    if (q->value(c.error).toInt() != 0) {
        limpie_cifras();
        return 0;
    }
    saldo_doc = decimal(*q, c.saldo);
    rtfte_doc = decimal(*q, c.rtfte);
    rtiva_doc = decimal(*q, c.rtiva);
    rtica_doc = decimal(*q, c.rtica);
    rcree_doc = decimal(*q, c.rcree);
    return q->value(c.id).toLongLong();
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
    const Columnas col;
    if (valido) {
        const int error = q->value(col.error).toInt();
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
    const qint64 id = q->value(col.id).toLongLong();
    c.id.setValue(id);
    int signo = 1;
    if (tipo == 55) {
        signo = signo_anticipo(id);
        if (signo == 0) return true;  // the advance row is gone: the figures stay as they were
    }
    const Currency s = Currency::fromInt(signo);
    c.rtfte.setCurrency(decimal(*q, col.rtfte) * s);
    c.rtiva.setCurrency(decimal(*q, col.rtiva) * s);
    c.rtica.setCurrency(decimal(*q, col.rtica) * s);
    c.rcree.setCurrency(decimal(*q, col.rcree) * s);
    c.dtof.setCurrency(decimal(*q, col.dtof) * s);
    c.saldo.setCurrency(decimal(*q, col.saldo) * s);
    c.numprov.setValue(q->value(col.numprov).toString().trimmed());
    return true;
}

Currency RegistroCxp::saldo_doc_cxpagarm(int tipo, qint64 id, int moneda, const QDate& fecha) {
    auto q = dm_.sql().select(QStringLiteral("select * from saldo_doc_cxpagar(") + sql::number(tipo) +
                              QStringLiteral(", ") + sql::number(id) + QStringLiteral(",") + sql::date(fecha) +
                              QStringLiteral(",") + sql::number(moneda) + QStringLiteral(")"));
    if (!q || !q->next()) return {};
    const Currency saldo = decimal(*q, 0);  // the procedure's only column
    if (tipo != 55) return saldo;
    return saldo * Currency::fromInt(signo_anticipo(id));
}

Currency RegistroCxp::saldo_doc_cxpagar(int tipo, qint64 id, const QDate& fecha) {
    return saldo_doc_cxpagarm(tipo, id, 0, fecha);
}

}  // namespace ledgrix
