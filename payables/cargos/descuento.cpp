#include "payables/cargos/descuento.h"

#include "core/data/client_dataset.h"
#include "core/numeracion/numeracion.h"
#include "core/services/dialogs.h"
#include "core/tfdm/tfdm.h"

namespace ledgrix {

namespace {

QString S(const char* s) {
    return QString::fromUtf8(s);
}

const ClaseDocumentoCxp kDescuento{
    52,          "NCPR",           "NOTAS_CREDITO_PROVEEDOR",    "CAMBIE_ID_NOTACRPROV",
    "descuento", "Tfconsnotcrcxp", DocumentoContable::Descuento, false};

}  // namespace

Descuento::Descuento(Tfdm& dm, QObject* parent) : DocumentoCxp(dm, kDescuento, parent) {
    CTipos = conjunto(S("Tipos"), S("select NCTI_ID, NCTI_NOMBRE, NCTI_CRED, NCTI_TIPO from "
                                    "NOTAS_CARTERA_TIPOS where TIDO_COD = 52 order by NCTI_ID"));
    dm.ConfigurarProviders(this);
}

Descuento::~Descuento() = default;

void Descuento::abra_listas() {
    CTipos->open();
    CTipos->fetchAll();
}

std::vector<DocumentoCxp::ConsultaNumprov> Descuento::consultas_numprov(const QString& numero,
                                                                        const QString& nit) const {
    // Annulled discounts keep their supplier number taken.
    return {{S("select max(pref_pre), max(ncpr_numero) from notas_credito_proveedor where "
               "ncpr_numprov = ") +
                 numero + S(" and terc_nit = ") + nit,
             S("El descuento No. ")}};
}

bool Descuento::reciba_soporte(int tipo, qint64 id) {
    edite();
    f("TIPODS").setValue(tipo);
    const QString numero =
        id > 0 && (tipo == 21 || tipo == 51) ? num_documento(dm(), tipo, id) : QString();
    if (numero.isEmpty()) {
        f("FACID").clear();
        f("DOCSOPORTE").clear();
        if (id > 0)
            dm().dialogs().error(S("No existe el documento soporte del descuento."));
        return false;
    }
    f("FACID").setValue(id);
    f("DOCSOPORTE").setValue(numero);
    return true;
}

void Descuento::cambie_tipo_soporte(int tipo) {
    edite();
    if (f("TIPODS").asInteger() == tipo)
        return;
    f("TIPODS").setValue(tipo);
    f("FACID").clear();
    f("DOCSOPORTE").clear();
}

void Descuento::cambie_tipo_nota(int ncti_id) {
    edite();
    if (ncti_id == 0)
        f("TIPONE").clear();
    else
        f("TIPONE").setValue(ncti_id);
}

}  // namespace ledgrix
