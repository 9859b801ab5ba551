#include "payables/consulta/consulta_documento.h"

#include "accounting/contabilizacion/contabilizacion.h"
#include "core/data/conjunto.h"
#include "core/data/field.h"
#include "core/services/dialogs.h"
#include "core/sql/runner.h"
#include "core/sql/sqltext.h"
#include "core/sql/transaccion.h"
#include "core/tfdm/tfdm.h"
#include "core/validaciones/anulacion.h"
#include "parties/tfdmter.h"

namespace ledgrix {

namespace {

QString S(const char* s) {
    return QString::fromUtf8(s);
}

}  // namespace

ConsultaDocumento::ConsultaDocumento(Tfdm& dm, Fuente fuente, QObject* parent)
    : QObject(parent),
      dm_(dm),
      fuente_(std::move(fuente)),
      conta_(std::make_unique<Contabilizacion>(dm)) {
    CEncabezado = conjunto(this, dm.Ledgrix(), S("Encabezado"), {});
    dm.ConfigurarProviders(this);
}

ConsultaDocumento::~ConsultaDocumento() = default;

ClientDataset& ConsultaDocumento::agregue_lineas(const QString& nombre, const QString& sql) {
    ClientDataset* ds = conjunto(this, dm_.Ledgrix(), nombre, {});
    dm_.ConfigurarProviders(this);
    lineas_.append({ds, sql});
    return *ds;
}

bool ConsultaDocumento::cargue(qint64 id) {
    id_ = 0;
    proveedor_.clear();
    registro_.clear();
    razon_.clear();
    comprobante_.clear();
    const QString ids = sql::number(id);
    QList<QPair<ClientDataset*, QString>> lecturas = {
        {CEncabezado, S("select d.*") + fuente_.columnas + S(" from ") + fuente_.tabla + S(" d ") +
                          fuente_.uniones + S(" where d.") + fuente_.raiz + S("_ID = ") + ids +
                          S(" and d.") + fuente_.raiz + S("_ID > 0")}};
    for (const auto& [ds, sql] : lineas_)
        lecturas.append({ds, sql.arg(ids)});
    // One snapshot: the header and its lines as one moment left them.
    Transaccion lectura(dm_.Ledgrix());
    bool leido = true;
    for (const auto& [ds, sql] : lecturas) {
        ds->close();
        ds->setCommandText(sql);
        leido = leido && ds->open();
        if (leido)
            ds->fetchAll();
    }
    if (leido && !CEncabezado->isEmpty()) {
        const QString tipo = sql::number(fuente_.tipo);
        registro_ = S("Registro: ") +
                    escalar(S("select first 1 audi_fecha || '-' || substring(audi_hora from 1 for "
                              "8) || '-' || audi_usuario AUDIT from auditoria where tido_cod = ") +
                            tipo + S(" and audi_oper = 'I' and audi_iddoc = ") + ids +
                            S(" order by audi_fecha desc, audi_hora desc"));
        id_ = id;
        lea_comprobante();
        proveedor_ = Tfdmter(dm_).nom_tercero(texto(S("TERC_NIT")));
        if (anulado())
            razon_ = razon_anulacion(dm_, fuente_.tipo, id);
    }
    lectura.confirme();
    if (!leido || CEncabezado->isEmpty()) {
        id_ = 0;
        if (leido)
            dm_.dialogs().information(S("No Existe un Documento a Consultar"));
        return false;
    }
    return true;
}

void ConsultaDocumento::lea_comprobante() {
    comprobante_ = escalar(S("select TICO_COD || ' ' || PRCO_PREF || ' ' || ENCO_NUMERO from "
                             "COMPROBANTE_ENCABEZADO where ENCO_TIPOREF = ") +
                           sql::number(fuente_.tipo) + S(" and ENCO_IDREF = ") + sql::number(id_));
}

Currency ConsultaDocumento::suma(const ClientDataset& lineas, const QString& campo) {
    Currency total;
    if (!lineas.active())
        return total;
    const int i = lineas.fieldByName(campo).index();
    for (int fila = 0; fila < lineas.recordCount(); ++fila)
        total += Field::currencyOf(lineas.valueAt(fila, i));
    return total;
}

QString ConsultaDocumento::escalar(const QString& sql) const {
    return dm_.sql().scalar(sql).toString().trimmed();
}

Field& ConsultaDocumento::campo(const QString& nombre) const {
    return CEncabezado->fieldByName(nombre);
}

QString ConsultaDocumento::texto(const QString& nombre) const {
    return campo(nombre).asString().trimmed();
}

QString ConsultaDocumento::prefijo() const {
    return texto(S("PREF_PRE"));
}

QString ConsultaDocumento::numero() const {
    return texto(fuente_.raiz + S("_NUMERO"));
}

bool ConsultaDocumento::anulado() const {
    return texto(fuente_.raiz + S("_ANULADO")) == S("S");
}

void ConsultaDocumento::contabilice() {
    if (id_ == 0)
        return;
    conta_->contabilice_de_nuevo(static_cast<DocumentoContable>(fuente_.tipo), id_, prefijo());
    lea_comprobante();
}

bool ConsultaDocumento::entregue() const {
    if (id_ == 0)
        return false;
    dm_.documento_consultado = {fuente_.tipo, id_, prefijo(), numero(), proveedor_};
    return true;
}

}  // namespace ledgrix
