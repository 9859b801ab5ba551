#include "payments/anticipos/abonos_documento.h"

#include "core/services/dialogs.h"
#include "core/sql/sqltext.h"
#include "payments/anticipos/conjunto.h"

namespace ledgrix {

namespace {

QString S(const char* s) {
    return QString::fromUtf8(s);
}

}  // namespace

AbonosDocumento::AbonosDocumento(Tfdm& dm, QObject* parent) : QObject(parent), dm_(dm) {
    CAbonos = anticipos::conjunto(this, dm, S("Abonos"), {});
    using T = Field::Type;
    anticipos::declare_columnas(*CAbonos, {{"FECHA", "Fecha", T::Date},
                                           {"ORIGEN", "", T::String},
                                           {"TIPO_ORIGEN", "", T::Integer},
                                           {"NOMBRE_ORIGEN", "Documento", T::String},
                                           {"PREFIJO", "Prefijo", T::String},
                                           {"NUMERO", "Número", T::String},
                                           {"ID_ORIGEN", "", T::Integer},
                                           {"ITEM", "", T::Integer},
                                           {"ABONO", "Abono", T::Currency},
                                           {"DTOF", "Descuento", T::Currency},
                                           {"RTFTE", "Rte.Fte.", T::Currency},
                                           {"RTIVA", "Rte.IVA", T::Currency},
                                           {"RTICA", "Rte.ICA", T::Currency},
                                           {"RCREE", "Rte.CREE", T::Currency}});
    dm.ConfigurarProviders(this);
}

bool AbonosDocumento::cargue(int tipo, qint64 id) {
    CAbonos->close();
    CAbonos->setCommandText(S("select * from abonos_documento_cxpagar(") + sql::number(tipo) +
                            S(", ") + sql::number(id) + S(") order by FECHA"));
    if (!CAbonos->open())
        return false;
    CAbonos->fetchAll();
    return true;
}

QString AbonosDocumento::consulta() {
    if (!CAbonos->active() || CAbonos->isEmpty() || CAbonos->recNo() < 0) {
        dm_.dialogs().information(S("No Existe un Documento a Consultar"));
        return {};
    }
    const int tipo = static_cast<int>(CAbonos->fieldByName(S("TIPO_ORIGEN")).asInteger());
    dm_.documento_consultado = {tipo,
                                CAbonos->fieldByName(S("ID_ORIGEN")).asInteger(),
                                CAbonos->fieldByName(S("PREFIJO")).asString(),
                                CAbonos->fieldByName(S("NUMERO")).asString(),
                                {}};
    return tipo == 53 ? S("Tfconsaplicacion") : S("Tfconsegreso");
}

}  // namespace ledgrix
