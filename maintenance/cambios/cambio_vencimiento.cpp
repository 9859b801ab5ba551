#include "maintenance/cambios/cambio_vencimiento.h"

#include "core/services/dialogs.h"
#include "core/sql/sqltext.h"
#include "core/tfdm/tfdm.h"

namespace ledgrix {

namespace {

constexpr int kDigitos = 6;
constexpr int kLargoNumeroProveedor = 20;  // NDPR_NUMPROV

}  // namespace

CambioVencimiento::CambioVencimiento(Tfdm& dm) : dm_(dm) {}

void CambioVencimiento::separe(const QString& cargo, QString& prefijo, QString& numero) {
    const QString texto = cargo.trimmed();
    numero = texto.right(kDigitos);
    prefijo = texto.left(qMax(0, texto.size() - kDigitos));
}

void CambioVencimiento::olvide() {
    id = 0;
    fecha = vence = QDate();
    numero_proveedor.clear();
    proveedor.clear();
}

bool CambioVencimiento::busque(const QString& cargo) {
    olvide();
    separe(cargo, prefijo, numero);
    // A text the database cannot even compare is simply not a charge.
    if (sql::admisible(prefijo, 4) && sql::admisible(numero, kDigitos)) {
        auto q = dm_.sql().select(
            QStringLiteral("select ndpr_id, ndpr_fecha, ndpr_vence, ndpr_numprov, terc_nom from "
                           "notas_debito_proveedor f, terceros t where ndpr_numero = ") +
            sql::quoted(numero) + QStringLiteral(" and pref_pre = ") + sql::quoted(prefijo) +
            QStringLiteral(" and f.terc_nit = t.terc_nit"));
        if (!q)
            return false;
        if (q->next()) {
            id = q->value(0).toLongLong();
            fecha = q->value(1).toDate();
            vence = q->value(2).toDate();
            numero_proveedor = q->value(3).toString();
            proveedor = q->value(4).toString();
            return true;
        }
    }
    dm_.dialogs().warning(QStringLiteral("No se encontró el cargo."));
    return false;
}

bool CambioVencimiento::cambie(const QDate& nuevo, const QString& numero_proveedor_nuevo) {
    if (id == 0 || !nuevo.isValid()) {
        dm_.dialogs().warning(
            QStringLiteral("Debe indicar el número completo del cargo y el nuevo vencimiento."));
        return false;
    }
    if (nuevo < fecha) {
        dm_.dialogs().warning(
            QStringLiteral("El nuevo vencimiento no puede ser anterior a la fecha del cargo (%1).")
                .arg(sql::dateText(fecha)));
        return false;
    }
    const QString numprov = numero_proveedor_nuevo.trimmed();
    if (!numprov.isEmpty() && !sql::admisible(numprov, kLargoNumeroProveedor)) {
        dm_.dialogs().warning(QStringLiteral(
            "El número de factura del proveedor admite hasta 20 caracteres, sin símbolos "
            "especiales."));
        return false;
    }
    QString sentencia = QStringLiteral("update notas_debito_proveedor set ");
    if (!numprov.isEmpty())
        sentencia +=
            QStringLiteral("ndpr_numprov = ") + sql::quoted(numprov) + QStringLiteral(", ");
    sentencia += QStringLiteral("ndpr_vence = ") + sql::date(nuevo) +
                 QStringLiteral(" where ndpr_id = ") + sql::number(id);
    if (!dm_.sql().execute(sentencia))
        return false;
    vence = nuevo;
    if (!numprov.isEmpty())
        numero_proveedor = numprov;
    return true;
}

}  // namespace ledgrix
