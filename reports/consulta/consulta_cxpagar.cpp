#include "reports/consulta/consulta_cxpagar.h"

#include "core/data/client_dataset.h"
#include "core/services/clock.h"
#include "core/services/dialogs.h"
#include "core/sql/sqltext.h"
#include "reports/consulta/lectura_reporte.h"

namespace ledgrix {

namespace {

// The procedure's parameter; anything longer or outside the database's
// characters cannot name a supplier and would only fail in the statement.
constexpr int kLargoNit = 20;

}  // namespace

ConsultaCxpagar::ConsultaCxpagar(Tfdm& dm, QObject* parent) : QObject(parent), dm_(dm) {
    CDocumentos = conjunto_reporte(dm, this, QStringLiteral("Documentos"));
    const auto columna = [this](const char* campo, const QString& titulo, Field::Type tipo) {
        Field& f = CDocumentos->declareField(QString::fromLatin1(campo), tipo);
        f.setDisplayLabel(titulo);
        f.setReadOnly(true);
        f.setVisible(!titulo.isEmpty());
    };
    using T = Field::Type;
    columna("TIPO", {}, T::Integer);
    columna("ID", {}, T::Integer);
    columna("NOMBRE", {}, T::String);
    columna("TIPONOM", QStringLiteral("Documento"), T::String);
    columna("PREFIJO", QStringLiteral("Prefijo"), T::String);
    columna("NUMERO", QStringLiteral("Número"), T::String);
    columna("FECDOC", QStringLiteral("Fecha"), T::Date);
    columna("VENCE", QStringLiteral("Vence"), T::Date);
    columna("DIAS", QStringLiteral("Días"), T::Integer);
    columna("REFERENCIA", QStringLiteral("Referencia"), T::String);
    columna("CONCEPTO", QStringLiteral("Concepto"), T::String);
    columna("RTFTE", QStringLiteral("Rte.Fte."), T::Currency);
    columna("RTIVA", QStringLiteral("Rte.IVA"), T::Currency);
    columna("RTICA", QStringLiteral("Rte.ICA"), T::Currency);
    columna("DTOF", QStringLiteral("Dto.P.P."), T::Currency);
    columna("SALDO", QStringLiteral("Saldo"), T::Currency);
    dm.ConfigurarProviders(this);
}

void ConsultaCxpagar::abra(const QString& nit) {
    nit_ = nit.trimmed();
    fecha_ = dm_.clock().today();
    const auto lista = monedas(dm_);
    moneda_ = lista.isEmpty() ? 0 : lista.first().first;
    dm_.documentos_seleccionados.clear();
    refresque();
}

QString ConsultaCxpagar::consulta() const {
    return QStringLiteral("select * from cxpagar_proveedor(") + sql::quoted(nit_) +
           QStringLiteral(", ") + sql::date(fecha_) + QStringLiteral(",") + sql::number(moneda_) +
           QStringLiteral(")");
}

void ConsultaCxpagar::cambie_fecha(const QDate& fecha) {
    if (!fecha.isValid() || fecha == fecha_)
        return;
    fecha_ = fecha;
    refresque();
}

void ConsultaCxpagar::cambie_moneda(int moneda) {
    if (moneda == moneda_)
        return;
    moneda_ = moneda;
    refresque();
}

void ConsultaCxpagar::refresque() {
    CDocumentos->close();
    if (!sql::admisible(nit_, kLargoNit)) {
        dm_.dialogs().error(QStringLiteral("El Nit del proveedor no es válido."));
        return;
    }
    CDocumentos->setCommandText(consulta());
    if (CDocumentos->open())
        CDocumentos->fetchAll();
}

Currency ConsultaCxpagar::suma(const QList<int>& filas) const {
    Currency total;
    if (!CDocumentos->active())
        return total;
    const int saldo = CDocumentos->fieldByName(QStringLiteral("SALDO")).index();
    for (int fila : filas)
        if (fila >= 0 && fila < CDocumentos->recordCount())
            total += Field::currencyOf(CDocumentos->valueAt(fila, saldo));
    return total;
}

DocumentoSeleccionado ConsultaCxpagar::documento(int fila) const {
    const auto valor = [this, fila](const char* campo) {
        return CDocumentos->valueAt(fila,
                                    CDocumentos->fieldByName(QString::fromLatin1(campo)).index());
    };
    DocumentoSeleccionado d;
    d.tipo = valor("TIPO").toInt();
    d.id = valor("ID").toLongLong();
    d.prefijo = valor("PREFIJO").toString().trimmed();
    d.numero = valor("NUMERO").toString().trimmed();
    d.nombre = valor("NOMBRE").toString().trimmed();
    return d;
}

bool ConsultaCxpagar::seleccione_actual() {
    if (!CDocumentos->active() || CDocumentos->isEmpty())
        return false;
    return seleccione({CDocumentos->recNo()});
}

bool ConsultaCxpagar::seleccione(const QList<int>& filas) {
    QList<DocumentoSeleccionado> elegidos;
    if (CDocumentos->active())
        for (int fila : filas)
            if (fila >= 0 && fila < CDocumentos->recordCount())
                elegidos.append(documento(fila));
    if (elegidos.isEmpty())
        return false;
    dm_.documentos_seleccionados = elegidos;
    return true;
}

std::optional<DocumentoSeleccionado> ConsultaCxpagar::a_consultar() {
    if (!CDocumentos->active() || CDocumentos->isEmpty() || CDocumentos->recNo() < 0) {
        dm_.dialogs().information(QStringLiteral("No Existe un Documento a Consultar"));
        return std::nullopt;
    }
    dm_.documento_consultado = documento(CDocumentos->recNo());
    return dm_.documento_consultado;
}

QString ConsultaCxpagar::ventana_de(int tipo) {
    switch (tipo) {
        case 21:
            return QStringLiteral("Tfconsfaccompra");
        case 24:
            return QStringLiteral("Tfconsdevolprv");
        case 51:
            return QStringLiteral("Tfconsnotdbcxp");
        case 52:
            return QStringLiteral("Tfconsnotcrcxp");
        case 55:
            return QStringLiteral("Tfconsanticipo");
        case 57:
            return QStringLiteral("Tfconscausacred");
        default:
            return {};
    }
}

}  // namespace ledgrix
