#include "payments/anticipos/consulta_anticipo.h"

#include "core/services/dialogs.h"
#include "core/sql/sqltext.h"
#include "payments/anticipos/conjunto.h"

namespace ledgrix {

namespace {

QString S(const char* s) {
    return QString::fromUtf8(s);
}

}  // namespace

ConsultaAnticipo::ConsultaAnticipo(Tfdm& dm, QObject* parent) : QObject(parent), dm_(dm) {
    CAnticipo = anticipos::conjunto(this, dm, S("Anticipo"), {});
    dm.ConfigurarProviders(this);
}

bool ConsultaAnticipo::cargue(qint64 id) {
    id_ = 0;
    CAnticipo->close();
    // The balance is the ledger's (a credit stands negative there).
    CAnticipo->setCommandText(
        S("select a.*, t.TERC_NOM, coalesce(e.PREF_PRE || e.EGRE_NUMERO, '') EGRESO, "
          "-coalesce(m.MVPR_SALDO, 0) SALDO from ANTICIPOS_PROVEEDOR a "
          "left join TERCEROS t on t.TERC_NIT = a.TERC_NIT "
          "left join EGRESOS e on e.EGRE_ID = a.EGRE_ID and a.EGRE_ID <> 0 "
          "left join MOVIMIENTO_PROVEEDOR m on m.MVPR_TIPOREF = 55 and m.MVPR_IDREF = a.ANPR_ID "
          "where a.ANPR_ID = ") +
        sql::number(id) + S(" and a.ANPR_ID > 0"));
    if (!CAnticipo->open())
        return false;
    if (CAnticipo->isEmpty()) {
        dm_.dialogs().information(S("No Existe un Documento a Consultar"));
        return false;
    }
    id_ = id;
    return true;
}

Field& ConsultaAnticipo::campo(const QString& nombre) const {
    return CAnticipo->fieldByName(nombre);
}

Currency ConsultaAnticipo::c(const char* nombre) const {
    return CAnticipo->fieldByName(S(nombre)).asCurrency();
}

Currency ConsultaAnticipo::totalconiva() const {
    return c("ANPR_BASE") + c("ANPR_IVAMONTO");
}

Currency ConsultaAnticipo::total() const {
    return totalconiva() - c("ANPR_RTFTEMONTO") - c("ANPR_RTIVAMONTO") - c("ANPR_RTICAMONTO");
}

QString ConsultaAnticipo::egreso() const {
    return CAnticipo->fieldByName(S("EGRESO")).asString().trimmed();
}

}  // namespace ledgrix
