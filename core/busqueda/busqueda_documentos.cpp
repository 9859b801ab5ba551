#include "core/busqueda/busqueda_documentos.h"

#include "core/data/conjunto.h"
#include "core/data/field.h"
#include "core/services/dialogs.h"
#include "core/sql/anulacion.h"
#include "core/sql/sqltext.h"
#include "core/tfdm/tfdm.h"
#include "core/validaciones/acceso.h"

namespace ledgrix {

namespace {

QString S(const char* s) {
    return QString::fromUtf8(s);
}

// Longest text a search column is compared with: names and concepts of the
// documents are shorter.
constexpr int kLargoTexto = 200;

}  // namespace

BusquedaDocumentos::BusquedaDocumentos(Tfdm& dm, int tipo, QObject* parent)
    : QObject(parent), dm_(dm), tipo_(tipo) {
    CFilas = conjunto(this, dm.Ledgrix(), S("Filas"), {});
    // Packets: the list shows its first screen whatever the number of rows.
    dm.ConfigurarProviders(this);
}

BusquedaDocumentos::~BusquedaDocumentos() = default;

void BusquedaDocumentos::defina_columnas(QList<ColumnaBusqueda> columnas, int inicial) {
    columnas_ = std::move(columnas);
    columna_inicial_ = columna_ = inicial;
}

QString BusquedaDocumentos::mensaje_acceso() const {
    return kAccesoNoPermitido;
}

QString BusquedaDocumentos::desempate() const {
    return {};
}

bool BusquedaDocumentos::busque(int columna, const QString& texto, bool contiene) {
    if (columna < 0 || columna >= columnas_.size())
        columna = columna_inicial_;
    if (!texto.isEmpty() && !sql::admisible(texto, kLargoTexto)) {
        dm_.dialogs().error(S("El texto a buscar tiene caracteres que no se pueden buscar."));
        return false;
    }
    columna_ = columna;
    texto_ = texto;
    contiene_ = contiene;
    const ColumnaBusqueda& c = columnas_.at(columna);

    QString sql = seleccion() + S(" and ") + campo_id() + S(" <> 0") + condiciones();
    // Upper forms on both sides, so that an index on the upper form finds
    // the first row and gives the order: "pac" finds "PACIFIC" at once.
    const QString mayuscula = S("upper(") + c.sql + S(")");
    if (c.fecha) {
        // The text of a date on the server is yyyy-mm-dd; the user types
        // the process format (yyyy/mm/dd) or a part of it.
        const QString como_texto = S("cast(") + c.sql + S(" as varchar(10))");
        const QString escrito = QString(texto).replace(QLatin1Char('/'), QLatin1Char('-'));
        const QDate dia = sql::parseDate(texto);
        if (texto.isEmpty()) {
        } else if (contiene) {
            sql += S(" and ") + como_texto + S(" like ") + sql::quoted(S("%") + escrito + S("%"));
        } else if (dia.isValid()) {
            sql += S(" and ") + c.sql + S(" >= ") + sql::date(dia);
        } else {
            sql += S(" and ") + como_texto + S(" >= ") + sql::quoted(escrito);
        }
        sql += S(" order by ") + c.sql + S(" desc");
        const QString d = desempate();
        if (!d.isEmpty())
            sql += S(", ") + d;
    } else {
        if (!texto.isEmpty())
            sql += contiene ? S(" and ") + mayuscula + S(" like upper(") +
                                  sql::quoted(S("%") + texto + S("%")) + S(")")
                            : S(" and ") + mayuscula + S(" >= upper(") + sql::quoted(texto) +
                                  S(")");
        sql += S(" order by ") + mayuscula;
    }
    // A limit makes the engine plan for the first rows: it walks the index
    // of the order and stops at the packet, where it would otherwise sort
    // every document before showing one.
    sql += S(" rows 1000000000");
    sentencia_ = sql;
    CFilas->close();
    CFilas->setCommandText(sql);
    return CFilas->open();
}

bool BusquedaDocumentos::repita() {
    return busque(columna_, texto_, contiene_);
}

void BusquedaDocumentos::ubique(qint64 id) {
    if (id == 0 || !CFilas->active())
        return;
    const int i = CFilas->fieldByName(campo_id()).index();
    for (int fila = 0; fila < CFilas->recordCount(); ++fila)
        if (CFilas->valueAt(fila, i).toLongLong() == id) {
            CFilas->moveTo(fila);
            return;
        }
}

qint64 BusquedaDocumentos::actual() const {
    if (!CFilas->active() || CFilas->isEmpty() || CFilas->recNo() < 0)
        return 0;
    return CFilas->fieldByName(campo_id()).asInteger();
}

QString BusquedaDocumentos::prefijo() const {
    return actual() ? CFilas->fieldByName(campo_prefijo()).asString().trimmed() : QString();
}

QString BusquedaDocumentos::numero() const {
    return actual() ? CFilas->fieldByName(campo_numero()).asString().trimmed() : QString();
}

bool BusquedaDocumentos::anulado() const {
    return actual() && CFilas->fieldByName(campo_anulado()).asString() == S("S");
}

bool BusquedaDocumentos::puede_anular() {
    if (actual() == 0) {
        dm_.dialogs().information(S("No hay un documento seleccionado."));
        return false;
    }
    if (!con_acceso()) {
        dm_.dialogs().error(mensaje_acceso());
        emit acceso_negado();
        return false;
    }
    if (!admite_anulacion())
        return false;
    if (anulado() && !dm_.ctx.es_administrador) {
        dm_.dialogs().information(
            S("El documento ya está anulado. Solo un administrador puede eliminarlo."));
        return false;
    }
    return true;
}

bool BusquedaDocumentos::pide_razon() const {
    return dm_.configuracion_si(S("GENERAL"), S("GENERAL"),
                                S("ESTABLECER CONTROL DEL PORQUE SE ANULAN LOS DOCUMENTOS"));
}

bool BusquedaDocumentos::anule(const QString& razon_escrita) {
    if (!puede_anular())
        return false;
    QString razon;
    if (pide_razon()) {
        razon = razon_escrita.trimmed();
        if (razon.isEmpty()) {
            dm_.dialogs().error(
                S("Debera ingresar una razon por la cual esta anulando/eliminando el "
                  "documento. Intentelo de nuevo."));
            return false;
        }
    }
    const qint64 id = actual();
    const bool eliminar = anulado();
    if (!dm_.dialogs().question(eliminar ? pregunta_eliminar() : pregunta_anular()))
        return false;
    const QStringList sentencias = eliminar ? sentencias_eliminar() : sentencias_anular();
    if (sentencias.isEmpty())
        return false;
    if (!anule_en_unidad(dm_, tipo_, id, sentencias, razon, eliminar ? S("D") : S("A")))
        return false;
    // The list again, on the same document when it is still in it.
    repita();
    ubique(id);
    return true;
}

}  // namespace ledgrix
