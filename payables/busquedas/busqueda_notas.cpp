#include "payables/busquedas/busqueda_notas.h"

#include "core/services/dialogs.h"
#include "core/sql/runner.h"
#include "core/sql/sqltext.h"
#include "core/tfdm/tfdm.h"
#include "core/validaciones/acceso.h"

namespace ledgrix {

namespace {

QString S(const char* s) {
    return QString::fromUtf8(s);
}

// Access options of module "C. X PAGAR": annulling, and asking the
// authority (the same option that lets the user send the document).
constexpr int kAnulaCargo = 12;
constexpr int kAnulaDescuento = 22;
constexpr int kEnviaCargo = 10;
constexpr int kEnviaDescuento = 20;

}  // namespace

BusquedaNotas::BusquedaNotas(Tfdm& dm, Clase clase, Variante variante, QObject* parent)
    : BusquedaDocumentos(dm, clase == Clase::Cargo ? 51 : 52, parent),
      clase_(clase),
      variante_(variante) {
    defina_columnas({{S("Concepto"), col("conc")},
                     {S("Proveedor"), S("t.terc_nom")},
                     {S("Fecha"), col("fecha"), true},
                     {S("Número"), col("numero")}},
                    2);
}

QString BusquedaNotas::col(const char* nombre) const {
    return (clase_ == Clase::Cargo ? S("a.ndpr_") : S("a.ncpr_")) + S(nombre);
}

QString BusquedaNotas::seleccion() const {
    const bool cargo = clase_ == Clase::Cargo;
    const bool menu = variante_ == Variante::Menu;
    const int agencia = dm().ctx.agencia;
    const QString prefijo = S("a.pref_pre");
    QString campos;
    if (cargo) {
        campos = S("a.ndpr_id,") + prefijo +
                 S(",a.ndpr_anulado,a.ndpr_fecha,a.ndpr_numero,a.ndpr_conc,"
                   "a.ndpr_monto,a.ndpr_ivamonto,");
        if (menu)
            campos +=
                S("a.ndpr_extra,coalesce(a.ndpr_monto,0)+coalesce(a.ndpr_ivamonto,0)+"
                  "coalesce(a.ndpr_extra,0) total,");
        campos += S("t.terc_nom, ndpr_numprov, ndpr_nronde");
    } else {
        campos = S("a.ncpr_id,t.terc_nom,a.ncpr_anulado,a.ncpr_numero,") + prefijo +
                 S(",a.ncpr_fecha,a.ncpr_conc,a.ncpr_monto,a.ncpr_ivamonto");
        if (!menu)
            campos += S(", ncpr_numprov, ncpr_extra, ncpr_nronce, ncpr_docsoporte");
    }
    const QString tabla = cargo ? S("notas_debito_proveedor") : S("notas_credito_proveedor");
    // The agency's series as a list, not a join: the engine then walks the
    // documents' own index in the order asked instead of sorting them all.
    if (agencia != 0)
        return S("select ") + campos + S(" from ") + tabla +
               S(" a, terceros t where t.terc_nit = a.terc_nit and a.pref_pre in (select "
                 "p.pref_pre from prefijos p where p.tido_cod = ") +
               sql::number(tipo()) + S(" and p.sucu_id=") + sql::number(agencia) + S(")");
    return S("select ") + campos + S(" from ") + tabla +
           S(" a , terceros t where t.terc_nit = a.terc_nit ");
}

QString BusquedaNotas::desempate() const {
    // Of one day, the last stored first.
    return col("id") + S(" desc");
}

QString BusquedaNotas::campo_id() const {
    return clase_ == Clase::Cargo ? S("NDPR_ID") : S("NCPR_ID");
}

QString BusquedaNotas::campo_prefijo() const {
    return S("PREF_PRE");
}

QString BusquedaNotas::campo_numero() const {
    return clase_ == Clase::Cargo ? S("NDPR_NUMERO") : S("NCPR_NUMERO");
}

QString BusquedaNotas::campo_anulado() const {
    return clase_ == Clase::Cargo ? S("NDPR_ANULADO") : S("NCPR_ANULADO");
}

bool BusquedaNotas::con_acceso() {
    return valide_acceso(dm(), dm().ctx.modulo,
                         clase_ == Clase::Cargo ? kAnulaCargo : kAnulaDescuento);
}

bool BusquedaNotas::admite_anulacion() {
    // Read again: the document may have gone to the authority since it was
    // listed, and the menu's discount list does not carry the reference.
    const bool cargo = clase_ == Clase::Cargo;
    const QString consulta =
        cargo ? S("select ndpr_nronde from notas_debito_proveedor where ndpr_id = ")
              : S("select ncpr_nronce from notas_credito_proveedor where ncpr_id = ");
    const QString referencia =
        dm().sql().scalar(consulta + sql::number(actual())).toString().trimmed();
    if (referencia.isEmpty())
        return true;
    dm().dialogs().error(cargo ? S("No puede anular un documento soporte electrónico.")
                               : S("No puede anular una nota a un documento soporte electrónico."));
    return false;
}

QString BusquedaNotas::pregunta_anular() const {
    return clase_ == Clase::Cargo
               ? S("Esta seguro de anular la Nota Debito No ") + numero() + S("?")
               : S("Esta seguro de anular la nota credito  No") + numero() + S("?");
}

QString BusquedaNotas::pregunta_eliminar() const {
    return (clase_ == Clase::Cargo ? S("Esta seguro de eliminar completamente el cargo ")
                                   : S("Esta seguro de eliminar completamente el descuento ")) +
           prefijo() + numero() + S("?");
}

QStringList BusquedaNotas::sentencias_anular() {
    if (clase_ == Clase::Cargo)
        return {S(" update notas_debito_proveedor set NDPR_ANULADO ='S', ndpr_usuario = ") +
                sql::quoted(dm().ctx.usuario) + S(" where  ndpr_id = ") + sql::number(actual())};
    return {S(" update notas_credito_proveedor set NCPR_ANULADO ='S', ncpr_usuario = ") +
            sql::quoted(dm().ctx.usuario) + S(" where  ncpr_id = ") + sql::number(actual())};
}

QStringList BusquedaNotas::sentencias_eliminar() {
    return {(clase_ == Clase::Cargo ? S("delete from notas_debito_proveedor where ndpr_id = ")
                                    : S("delete from notas_credito_proveedor where ncpr_id = ")) +
            sql::number(actual())};
}

bool BusquedaNotas::puede_consultar_estado() {
    if (actual() == 0)
        return false;
    if (valide_acceso(dm(), dm().ctx.modulo, opcion_estado()))
        return true;
    dm().dialogs().error(kAccesoNoPermitido);
    return false;
}

int BusquedaNotas::opcion_estado() const {
    return clase_ == Clase::Cargo ? kEnviaCargo : kEnviaDescuento;
}

}  // namespace ledgrix
