#include "accounting/contabilizacion/pendientes.h"

#include <QSqlQuery>
#include <utility>
#include <vector>

#include "core/numeracion/numeracion.h"
#include "core/numeracion/tablas_documento.h"
#include "core/services/dialogs.h"
#include "core/sql/sqltext.h"
#include "core/sql/transaccion.h"
#include "core/tfdm/tfdm.h"

namespace ledgrix {

namespace {

QString anulado(DocumentoContable tipo) {
    switch (tipo) {
        case DocumentoContable::Cargo:
            return QStringLiteral("ndpr_anulado");
        case DocumentoContable::Descuento:
            return QStringLiteral("ncpr_anulado");
        case DocumentoContable::Aplicacion:
            return QStringLiteral("appr_anulado");
        case DocumentoContable::Credito:
            return QStringLiteral("crcx_anulado");
        case DocumentoContable::Egreso:
            return QStringLiteral("egre_anulado");
    }
    return {};
}

}  // namespace

int PendientesContabilizar::termine(DocumentoContable tipo) {
    terminados.clear();
    fallidos.clear();
    Tfdm& dm = conta_.dm();
    const int codigo = static_cast<int>(tipo);
    const QString codigo_sql = sql::number(codigo);
    std::vector<std::pair<qint64, int>> lista;
    if (auto q = dm.sql().select(
            QStringLiteral("select dopc_id, dopc_interfaz from documentos_por_contabilizar "
                           "where dopc_tipo = ") +
            codigo_sql + QStringLiteral(" order by dopc_id"))) {
        while (q->next())
            lista.emplace_back(q->value(0).toLongLong(), q->value(1).toInt());
    }
    if (lista.empty())
        return 0;
    const auto t = tabla_documento(codigo);
    for (const auto& [id, interfaz] : lista) {
        const QString quitar =
            QStringLiteral("delete from documentos_por_contabilizar where dopc_tipo = ") +
            codigo_sql + QStringLiteral(" and dopc_id = ") + sql::number(id);
        // An annulled or deleted document needs no voucher.
        const QVariant estado =
            t ? dm.sql().scalar(QStringLiteral("select ") + anulado(tipo) +
                                QStringLiteral(" from ") + t->tabla + QStringLiteral(" where ") +
                                t->id + QStringLiteral(" = ") + sql::number(id))
              : QVariant();
        if (!estado.isValid() || estado.toString() == QLatin1String("S")) {
            dm.sql().execute(quitar);
            continue;
        }
        const QString nombre = num_documento(dm, codigo, id);
        const QVariant preparado =
            dm.sql().scalar(QStringLiteral("select max(cntb_id) from contabilizacion where "
                                           "cntb_procesado = 'N' and cntb_tiporef = ") +
                            codigo_sql + QStringLiteral(" and cntb_idref = ") + sql::number(id));
        if (conta_.comprobante_contable(codigo, id) == 0) {
            if (preparado.isValid() && !preparado.isNull()) {
                Transaccion unidad(dm.Ledgrix());
                dm.sql().execute(QStringLiteral("EXECUTE PROCEDURE CONTABILIZA_PENDIENTE(") +
                                 sql::number(preparado.toLongLong()) + QStringLiteral(")"));
                unidad.confirme();
            } else if (interfaz != 0) {
                conta_.contabilice_documento(tipo, id, interfaz, false);
            }
        }
        if (conta_.comprobante_contable(codigo, id) != 0) {
            dm.sql().execute(quitar);
            terminados << nombre;
        } else {
            fallidos << nombre;
        }
    }
    QString texto;
    if (!terminados.isEmpty())
        texto =
            QStringLiteral(
                "Se encontraron documentos grabados sin contabilizar; se contabilizaron ahora: ") +
            terminados.join(QStringLiteral(", ")) + u'.';
    if (!fallidos.isEmpty())
        texto +=
            (texto.isEmpty() ? QString() : QStringLiteral("\n")) +
            QStringLiteral("Estos documentos están grabados pero no se pudieron contabilizar: ") +
            fallidos.join(QStringLiteral(", ")) +
            QStringLiteral(
                ". Revise su interfaz contable y contabilícelos desde su consulta "
                "(F11:Contabilidad).");
    if (!fallidos.isEmpty())
        dm.dialogs().warning(texto);
    else
        dm.dialogs().information(texto);
    return static_cast<int>(terminados.size());
}

}  // namespace ledgrix
