#include "payments/aplicaciones/consulta_aplicacion.h"

#include "core/data/client_dataset.h"
#include "core/data/provider.h"
#include "core/services/dialogs.h"
#include "core/sql/sqltext.h"
#include "core/sql/transaccion.h"
#include "core/tfdm/tfdm.h"
#include "payments/aplicaciones/aplicacion_texto.h"

namespace ledgrix {

namespace {

ClientDataset* solo_lectura(Tfdm& dm, QObject* dueno, const QString& nombre) {
    auto* p = new Provider(dueno, S("P") + nombre);
    p->setConnectionName(dm.Ledgrix());
    p->setQueryName(S("Q") + nombre);
    p->setAllowCommandText(true);
    auto* ds = new ClientDataset(dueno, S("C") + nombre);
    ds->setProvider(p);
    return ds;
}

bool abra(ClientDataset& ds, const QString& sql) {
    ds.close();
    ds.setCommandText(sql);
    if (!ds.open())
        return false;
    ds.fetchAll();
    return true;
}

const char kSinDocumento[] = "No Existe un Documento a Consultar";

}  // namespace

ConsultaAplicacion::ConsultaAplicacion(Tfdm& dm, QObject* parent) : QObject(parent), dm_(dm) {
    CEncabezado = solo_lectura(dm, this, S("Encabezado"));
    CLineas = solo_lectura(dm, this, S("Lineas"));
    dm.ConfigurarProviders(this);
}

bool ConsultaAplicacion::cargue(qint64 id) {
    id_ = id;
    const QString ids = sql::number(id);
    Transaccion lectura(dm_.Ledgrix());
    const bool leido =
        abra(*CEncabezado, S("select a.*, t.TERC_NOM from APLICACION_PROVEDOR a left join "
                             "TERCEROS t on t.TERC_NIT = a.TERC_NIT where a.APPR_ID = ") +
                               ids) &&
        abra(*CLineas, S("select d.*, td.TIDO_NOMCORTO from APLICACION_PROVEEDOR_DETALLE d left "
                         "join TIPO_DOCUMENTO td on td.TIDO_COD = d.APPD_TIPODOC where "
                         "d.APPR_ID = ") +
                           ids + S(" order by d.APPD_ITEM"));
    lectura.confirme();
    if (!leido)
        return false;
    if (CEncabezado->isEmpty()) {
        dm_.dialogs().information(S(kSinDocumento));
        return false;
    }
    return true;
}

Currency ConsultaAplicacion::aplicado() const {
    return suma(*CLineas, "APPD_APLICADO");
}

Currency ConsultaAplicacion::retenciones() const {
    return suma(*CLineas, "APPD_RTFTE") + suma(*CLineas, "APPD_RTIVA") +
           suma(*CLineas, "APPD_RTICA") + suma(*CLineas, "APPD_RCREE");
}

CrucesDocumento::CrucesDocumento(Tfdm& dm, QObject* parent) : QObject(parent), dm_(dm) {
    CCruces = solo_lectura(dm, this, S("Cruces"));
    dm.ConfigurarProviders(this);
}

bool CrucesDocumento::cargue(int tipo, qint64 id) {
    return abra(*CCruces, S("select * from cruces_documentos(") + sql::number(tipo) + S(", ") +
                              sql::number(id) + S(") order by fecha desc"));
}

QString CrucesDocumento::consulta() {
    if (!CCruces->active() || CCruces->isEmpty() || CCruces->recNo() < 0) {
        dm_.dialogs().information(S(kSinDocumento));
        return {};
    }
    const int tipo = int(CCruces->fieldByName(S("TIPODOC")).asInteger());
    dm_.documento_consultado = {tipo,
                                CCruces->fieldByName(S("IDDOC")).asInteger(),
                                CCruces->fieldByName(S("PREFIJO")).asString(),
                                CCruces->fieldByName(S("NUMERO")).asString(),
                                {}};
    return tipo == 53 ? S("Tfconsaplicacion") : S("Tfconsegreso");
}

}  // namespace ledgrix
