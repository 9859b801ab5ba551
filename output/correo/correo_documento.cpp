#include "output/correo/correo_documento.h"

#include <QFile>
#include <QFileInfo>
#include <QSqlQuery>

#include "core/errors/error_translator.h"
#include "core/services/clock.h"
#include "core/services/dialogs.h"
#include "core/sql/sqltext.h"
#include "core/tfdm/tfdm.h"
#include "output/impresion/impresion_documento.h"

namespace ledgrix {

namespace {

QString S(const char* s) {
    return QString::fromUtf8(s);
}

// What tells one window's e-mail from another's.
struct TextosCorreo {
    int tipo;
    const char* asunto;      // after the company's name, before prefix and number
    const char* referencia;  // %1 prefix and number, %2 the document's date; empty: no line
    // Charges and discounts use purchasing's copy address, footer and
    // signature; the other documents the invoicing copy address only.
    bool compras;
    // The payment voucher and the credit are for the supplier alone.
    bool exige_destinatario;
};

const TextosCorreo kTextos[] = {
    {51, "-CARGO POR PAGAR No ",
     "Anexo documento por pagar No. %1 de fecha %2 expedida a su nombre.", true, false},
    {52, "-DESCUENTO ACREEDOR No ",
     "Anexo descuento acreedor No. %1 de fecha %2 expedida a su nombre.", true, false},
    {62, "-EGRESO No ", "Adjunto egreso expedido a su nombre.", false, true},
    {57, "-CAUSACION CREDITO No ", "", false, true},
};

const TextosCorreo* textos(int tipo) {
    for (const TextosCorreo& t : kTextos)
        if (t.tipo == tipo)
            return &t;
    return nullptr;
}

const QString kCrLf = QStringLiteral("\r\n");

}  // namespace

CorreoDocumento::CorreoDocumento(Tfdm& dm, const ImpresionDocumento& documento)
    : dm_(dm), doc_(documento) {}

bool CorreoDocumento::admite(int tipo) {
    return textos(tipo) != nullptr;
}

bool CorreoDocumento::prepare() {
    preparado_ = false;
    const TextosCorreo* t = textos(doc_.miembro().tipo);
    if (!t)
        return false;
    const std::optional<int> puerto = dm_.entero_configurado(
        S("GENERAL"), S("GENERAL"), S("PUERTO TCP PARA ENVIO DE CORREO ELECTRONICO"));
    if (!puerto)
        return false;
    cuenta_.puerto = *puerto;
    cuenta_.tls = dm_.configuracion_si(S("GENERAL"), S("GENERAL"),
                                       S("USAR SSL PARA ENVIO DE CORREO ELECTRONICO"));

    auto q = dm_.sql().select(
        S("select user_email, user_mailserver, user_mailuser, user_mailpass from usuario where "
          "user_cod = ") +
        sql::quoted(dm_.ctx.usuario));
    if (q && q->next()) {
        remitente_ = q->value(0).toString().trimmed();
        cuenta_.servidor = q->value(1).toString().trimmed();
        cuenta_.usuario = q->value(2).toString().trimmed();
        cuenta_.clave = q->value(3).toString();
    }
    if (!q || remitente_.isEmpty() || cuenta_.servidor.isEmpty() || cuenta_.usuario.isEmpty() ||
        cuenta_.clave.isEmpty()) {
        dm_.dialogs().error(S("Debe configurar una cuenta de correo para el usuario."));
        return false;
    }

    const QString nit = doc_.fila().value(S("NIT")).toString().trimmed();
    destinatario_ =
        dm_.sql()
            .scalar(S("select terc_email from terceros where terc_nit = ") + sql::quoted(nit))
            .toString()
            .trimmed();
    copia_ = (t->compras ? dm_.configuracion(S("COMPRAS"), S("ORDENES"),
                                             S("CUENTA PARA ENVIAR COPIA DEL CORREO ELECTRONICO DE "
                                               "ORDENES DE COMPRA"))
                         : dm_.configuracion(S("FACTURACION"), S("GENERAL"),
                                             S("DIRECCION DE CORREO ELECTRONICO PARA COPIAS DE "
                                               "ENVIO DE DOCUMENTOS")))
                 .trimmed();
    // Without any recipient the server would refuse the message anyway.
    if (destinatario_.isEmpty() && (t->exige_destinatario || copia_.isEmpty())) {
        dm_.dialogs().error(S("Debe configurar una cuenta de correo para el cliente."));
        return false;
    }
    if (t->compras) {
        pie_ = dm_.configuracion(
            S("COMPRAS"), S("ORDENES"),
            S("MENSAJE DE PIE DE CORREO ELECTRONICO PARA ENVIO DE ORDENES DE COMPRA"));
        firma_ =
            dm_.configuracion(S("COMPRAS"), S("ORDENES"),
                              S("FIRMA DEL CORREO ELECTRONICO PARA ENVIO DE ORDENES DE COMPRA"));
    }
    preparado_ = true;
    return true;
}

QString CorreoDocumento::asunto() const {
    return dm_.ctx.compania.nombre + S(textos(doc_.miembro().tipo)->asunto) + doc_.prefijo() +
           doc_.numero();
}

QString CorreoDocumento::cuerpo() const {
    const TextosCorreo& t = *textos(doc_.miembro().tipo);
    QStringList l{S("SEÑORES:"), doc_.fila().value(S("NOMBRE")).toString().trimmed(), QString()};
    if (*t.referencia)
        l << S(t.referencia)
                 .arg(doc_.prefijo() + doc_.numero(),
                      doc_.fila().value(S("FECHA")).toDate().toString(Tfdm::formato_fecha()))
          << QString();
    l << S("Cordialmente,") << QString() << dm_.ctx.compania.nombre << S("Departamento de compras")
      << S("NIT ") + dm_.ctx.compania.nit;
    if (t.compras)
        l << QString() << S("________________________") << pie_ << QString() << firma_;
    return l.join(kCrLf);
}

MensajeCorreo CorreoDocumento::mensaje(const QString& ruta_pdf) const {
    MensajeCorreo m;
    m.de = remitente_;
    if (!destinatario_.isEmpty())
        m.para << destinatario_;
    if (!copia_.isEmpty())
        m.copia << copia_;
    m.asunto = asunto();
    m.cuerpo = cuerpo();
    m.nombre_adjunto = QFileInfo(ruta_pdf).fileName();
    QFile f(ruta_pdf);
    if (f.open(QIODevice::ReadOnly))
        m.adjunto = f.readAll();
    m.fecha = dm_.clock().now();
    return m;
}

QString CorreoDocumento::transmita(const QString& ruta_pdf) {
    if (!preparado_)
        return S("Debe configurar una cuenta de correo para el usuario.");
    const MensajeCorreo m = mensaje(ruta_pdf);
    enviados_ = m.para + m.copia;
    return envie_smtp(cuenta_, m.de, enviados_, componga_mensaje(m));
}

bool CorreoDocumento::informe(const QString& error) {
    if (!error.isEmpty()) {
        dm_.traductor().ENoManejada(nullptr, error);
        return false;
    }
    dm_.dialogs().information(S("Se envió el correo a ") + enviados_.join(S(", ")) + u'.');
    return true;
}

}  // namespace ledgrix
