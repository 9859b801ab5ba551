#include "output/soporte/envio_soporte.h"

#include <QFile>
#include <QSqlQuery>
#include <QSqlRecord>

#include "core/services/dialogs.h"
#include "core/sql/sqltext.h"
#include "core/tfdm/tfdm.h"
#include "electronic/componente.h"
#include "output/soporte/componente_programa.h"

namespace ledgrix {

namespace {

QString S(const char* texto) {
    return QString::fromUtf8(texto);
}

}  // namespace

EnvioSoporte::EnvioSoporte(Tfdm& dm) : dm_(dm) {}

std::optional<std::pair<QString, QString>> EnvioSoporte::credenciales(const QString& sql) const {
    auto q = dm_.sql().select(sql);
    if (!q || !q->next())
        return std::nullopt;
    const QString empresa = q->value(0).toString().trimmed();
    const QString clave = q->value(1).toString().trimmed();
    if (empresa.isEmpty() || clave.isEmpty())
        return std::nullopt;
    return std::make_pair(empresa, clave);
}

std::optional<std::pair<QString, QString>> EnvioSoporte::credenciales_cargo(
    const QString& prefijo, const QString& numero) const {
    const QString n = sql::number(numero.trimmed().toLongLong());
    return credenciales(
        S("select AUTO_TOKENEMP, AUTO_TOKENPSW FROM AUTORIZACIONES WHERE TIDO_COD = 51 AND "
          "PREF_PRE = ") +
        sql::quoted(prefijo) + S(" AND CAST(AUTO_INICIAL AS INTEGER) <= CAST(") + n +
        S(" AS INTEGER) AND CAST(AUTO_FINAL AS INTEGER) >= CAST(") + n + S(" AS INTEGER)"));
}

bool EnvioSoporte::envie_cargo(qint64 id, const QString& prefijo, const QString& numero,
                               bool anulado) {
    if (anulado || id <= 0)
        return false;
    const QString enviado =
        dm_.sql()
            .scalar(S("SELECT NDPR_NRONDE FROM NOTAS_DEBITO_PROVEEDOR WHERE NDPR_ID = ") +
                    sql::number(id))
            .toString()
            .trimmed();
    if (!enviado.isEmpty())
        return false;
    const auto tokens = credenciales_cargo(prefijo, numero);
    if (!tokens || !dm_.configuracion_si(S("FACTURACION"), S("FACTURAS"),
                                         S("ENVIAR FACTURA ELECTRONICA AUTOMATICAMENTE AL GRABAR")))
        return false;
    const QString llave = prefijo.trimmed() + numero.trimmed();
    return envie({51, id, prefijo, numero, *tokens, S("NOTAS_DEBITO_PROVEEDOR"), S("NDPR_NRONDE"),
                  S("NDPR_ID"), S("Error enviando documento soporte electrónico:"),
                  S("Error enviando documento soporte electrónico ") + llave});
}

bool EnvioSoporte::envie_descuento(qint64 id, const QString& prefijo, const QString& numero,
                                   bool anulado) {
    if (anulado || id <= 0)
        return false;
    auto q = dm_.sql().select(
        S("select NCPR_DOCSOPORTE, NCPR_TIPODS, NCPR_NRONCE from NOTAS_CREDITO_PROVEEDOR where "
          "NCPR_ID = ") +
        sql::number(id));
    if (!q || !q->next())
        return false;
    const QString doc = q->value(0).toString().trimmed();
    const int tipods = q->value(1).toInt();
    if (doc.size() <= 6 || !q->value(2).toString().trimmed().isEmpty())
        return false;
    const QString pref = doc.left(doc.size() - 6);
    const QString num = doc.right(6);
    QString soportado;
    if (tipods == 21)
        soportado = S("select FACO_NRONDE FROM FACTURAS_COMPRA WHERE PREF_PRE = ") +
                    sql::quoted(pref) + S(" AND FACO_NUMERO = ") + sql::quoted(num);
    else if (tipods == 51)
        soportado = S("select NDPR_NRONDE FROM NOTAS_DEBITO_PROVEEDOR WHERE PREF_PRE = ") +
                    sql::quoted(pref) + S(" AND NDPR_NUMERO = ") + sql::quoted(num);
    else
        return false;
    if (dm_.sql().scalar(soportado).toString().trimmed().isEmpty())
        return false;
    const auto tokens = credenciales(
        S("select AUTO_TOKENEMP, AUTO_TOKENPSW FROM AUTORIZACIONES WHERE TIDO_COD = ") +
        sql::number(tipods) + S(" AND PREF_PRE = ") + sql::quoted(pref) +
        S(" AND AUTO_INICIAL <= ") + sql::quoted(num) + S(" AND AUTO_FINAL >= ") +
        sql::quoted(num));
    if (!tokens)
        return false;
    const QString llave = prefijo.trimmed() + numero.trimmed();
    return envie({52, id, prefijo, numero, *tokens, S("NOTAS_CREDITO_PROVEEDOR"), S("NCPR_NRONCE"),
                  S("NCPR_ID"), S("Error enviando nota electrónica:"),
                  S("Error enviando la Nota electrónica ") + llave});
}

bool EnvioSoporte::envie(const Envio& e) {
    auto carga = dm_.sql().select(S("SELECT * FROM cadena_factelectronica21(") +
                                  sql::number(e.tipo) + S(", ") + sql::quoted(e.prefijo) + S(", ") +
                                  sql::quoted(e.numero) + S(")"));
    if (!carga || !carga->next())
        return false;
    const auto bloque = [&carga](const char* columna) {
        return carga->value(QString::fromLatin1(columna)).toString().toLatin1();
    };
    const QString url =
        dm_.configuracion(S("FACTURACION"), S("FACTURAS"), S("URL WEBSERVICE FACTURA ELECTRONICA"));
    const QString clave = soporte::clave(e.prefijo, e.numero);
    const QString archivo = clave + S(".txt");
    const QString ruta = soporte::ruta_respuesta(dm_, archivo);
    if (QFile::exists(ruta) && !QFile::remove(ruta))
        dm_.dialogs().error(S("Error borrando archivo ") + archivo);

    soporte::prepare_componente(dm_);
    const QByteArray sep("%%");
    const QByteArray url8 = url.toLatin1(), emp = e.credenciales.first.toLatin1(),
                     psw = e.credenciales.second.toLatin1();
    const QByteArray anticipos =
        bloque("CADANTICIPO") + sep + bloque("CADAUTORIZADO") + sep + bloque("CADDESCUENTO");
    const QByteArray pago = bloque("CADPAGO") + sep + bloque("CADORDEN");
    const QByteArray cliente = bloque("CADCLIENTE"), encabeza = bloque("CADENCABEZA"),
                     condpago = bloque("CADCONDPAGO"), entrega = bloque("CADENTREGA"),
                     imptos = bloque("CADIMPTOS"), trm = bloque("CADTRM"),
                     extra = bloque("CADEXTRA"), detalle = bloque("CADDETALLE"),
                     archivo8 = archivo.toLatin1();
    EnviarCustom(url8.constData(), emp.constData(), psw.constData(), cliente.constData(),
                 encabeza.constData(), anticipos.constData(), condpago.constData(),
                 entrega.constData(), imptos.constData(), pago.constData(), trm.constData(),
                 extra.constData(), detalle.constData(), "0", "%%%%%", archivo8.constData(), 1);

    bool existe = false;
    const QList<QStringList> lineas = soporte::lea_respuesta(ruta, &existe);
    if (!existe) {
        dm_.dialogs().error(e.error_sin_respuesta);
        return false;
    }
    const QString donde = S(" WHERE ") + e.llave + S(" = ") + sql::number(e.id);
    const QString guardado =
        dm_.sql().scalar(S("SELECT ") + e.codigo + S(" FROM ") + e.tabla + donde).toString();
    const soporte::LecturaEnvio lectura =
        soporte::lea_envio(lineas, clave, archivo, guardado, e.error_linea);
    for (const QString& mensaje : lectura.mensajes)
        dm_.dialogs().error(mensaje);
    if (lectura.codigo.isEmpty())
        return false;
    if (!dm_.sql().execute(S("UPDATE ") + e.tabla + S(" SET ") + e.codigo + S(" = ") +
                           sql::quoted(lectura.codigo) + donde))
        return false;
    QFile::remove(ruta);
    return true;
}

}  // namespace ledgrix
