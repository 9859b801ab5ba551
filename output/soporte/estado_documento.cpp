#include "output/soporte/estado_documento.h"

#include <QFile>
#include <QSqlQuery>

#include "core/services/dialogs.h"
#include "core/sql/sqltext.h"
#include "core/tfdm/tfdm.h"
#include "core/validaciones/acceso.h"
#include "electronic/componente.h"
#include "output/soporte/componente_programa.h"

namespace ledgrix {

namespace {

QString S(const char* texto) {
    return QString::fromUtf8(texto);
}

const char* const kRespuestaEstado = "hkafact21fresult.txt";

}  // namespace

ConsultaEstado::ConsultaEstado(Tfdm& dm) : dm_(dm) {}

EstadoSoporte ConsultaEstado::consulte(int tipo, const QString& id, const QString& prefijo,
                                       const QString& numero, int opcion) {
    EstadoSoporte r;
    if (!valide_acceso(dm_, dm_.ctx.modulo, opcion))
        return r;
    const qint64 llave = id.trimmed().toLongLong();
    if (llave <= 0)
        return r;
    const QString n = sql::quoted(numero.trimmed());
    auto q = dm_.sql().select(
        S("select FIRST 1 AUTO_TOKENEMP, AUTO_TOKENPSW FROM AUTORIZACIONES WHERE ") +
        (tipo == 51 ? S("TIDO_COD = 51 AND ") : QString()) + S("PREF_PRE = ") +
        sql::quoted(prefijo) + S(" AND AUTO_INICIAL <= ") + n + S(" AND AUTO_FINAL >= ") + n);
    if (!q || !q->next())
        return r;
    const QByteArray empresa = q->value(0).toString().trimmed().toLatin1();
    const QByteArray clave_token = q->value(1).toString().trimmed().toLatin1();
    if (empresa.isEmpty() || clave_token.isEmpty())
        return r;

    const QString tabla = tipo == 51 ? S("NOTAS_DEBITO_PROVEEDOR") : S("NOTAS_CREDITO_PROVEEDOR");
    const QString codigo = tipo == 51 ? S("NDPR_NRONDE") : S("NCPR_NRONCE");
    const QString donde =
        (tipo == 51 ? S(" WHERE NDPR_ID = ") : S(" WHERE NCPR_ID = ")) + sql::number(llave);
    const QString ruta = soporte::ruta_respuesta(dm_, QString::fromLatin1(kRespuestaEstado));
    QFile::remove(ruta);
    soporte::prepare_componente(dm_);
    const QByteArray url =
        dm_.configuracion(S("FACTURACION"), S("FACTURAS"), S("URL WEBSERVICE FACTURA ELECTRONICA"))
            .toLatin1();
    const QByteArray documento = soporte::clave(prefijo, numero).toLatin1();
    EstadoDocumento(url.constData(), empresa.constData(), clave_token.constData(),
                    documento.constData(), "", 1);

    for (const QStringList& campos : soporte::lea_respuesta(ruta)) {
        const QString tipo_linea = campos.value(0);
        if (tipo_linea == S("01B")) {
            r.correos.append({campos.value(2).left(100), campos.value(4).left(30)});
            continue;
        }
        if (tipo_linea != S("01"))
            continue;
        if (campos.value(1) != S("200")) {
            dm_.dialogs().error(S("Error consultando estado del documento ") + prefijo.trimmed() +
                                numero.trimmed() + S(":") + campos.value(0) + S(":") +
                                campos.value(1));
            continue;
        }
        r.consultado = true;
        const QString estado = campos.value(2);
        if (estado == S("0")) {
            r.texto = S("EN ESPERA");
        } else if (estado == S("1")) {
            r.texto = S("APROBADA");
            r.color = QColor(Qt::darkGreen);
        } else if (estado == S("2")) {
            r.texto = S("RECHAZADA");
            r.color = QColor(Qt::red);
        } else if (estado == S("3")) {
            r.texto = S("APROB IMPLICITA");
            r.color = QColor(128, 128, 0);
        }
        if (campos.value(10) == S("0")) {
            dm_.sql().execute(S("UPDATE ") + tabla + S(" SET ") + codigo + S(" = null") + donde);
            dm_.dialogs().information(S("Documento rechazado por la DIAN."));
        } else if (dm_.sql()
                       .scalar(S("SELECT ") + codigo + S(" FROM ") + tabla + donde)
                       .toString() != campos.value(6)) {
            dm_.sql().execute(S("UPDATE ") + tabla + S(" SET ") + codigo + S(" = ") +
                              sql::quoted(campos.value(6)) + donde);
        }
    }
    return r;
}

}  // namespace ledgrix
