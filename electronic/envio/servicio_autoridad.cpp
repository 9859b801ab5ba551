#include "electronic/envio/servicio_autoridad.h"

#include <libxml/parser.h>
#include <libxml/xpath.h>

#include <memory>

#include "electronic/envio/transporte.h"

namespace ledgrix::electronico {

namespace {

const QByteArray kAccionBase = "http://wcf.dian.colombia/IWcfDianCustomerServices/";

QByteArray x(const QString& texto) {
    return texto.toHtmlEscaped().toUtf8();
}

QByteArray sobre(const Credenciales& c, const QByteArray& accion, const QByteArray& cuerpo) {
    return "<soap:Envelope xmlns:soap=\"http://www.w3.org/2003/05/soap-envelope\" "
           "xmlns:wcf=\"http://wcf.dian.colombia\"><soap:Header "
           "xmlns:wsa=\"http://www.w3.org/2005/08/addressing\"><wsse:Security "
           "xmlns:wsse=\"http://docs.oasis-open.org/wss/2004/01/"
           "oasis-200401-wss-wssecurity-secext-1.0.xsd\"><wsse:UsernameToken><wsse:Username>" +
           x(c.empresa) +
           "</wsse:Username><wsse:Password Type=\"http://docs.oasis-open.org/wss/2004/01/"
           "oasis-200401-wss-username-token-profile-1.0#PasswordText\">" +
           x(c.clave) + "</wsse:Password></wsse:UsernameToken></wsse:Security><wsa:Action>" +
           accion + "</wsa:Action><wsa:To>" + x(c.url) + "</wsa:To></soap:Header><soap:Body>" +
           cuerpo + "</soap:Body></soap:Envelope>";
}

struct LibereXml {
    void operator()(xmlDocPtr d) const { xmlFreeDoc(d); }
    void operator()(xmlXPathContextPtr c) const { xmlXPathFreeContext(c); }
    void operator()(xmlXPathObjectPtr o) const { xmlXPathFreeObject(o); }
};

// Reads the answer by element names only: the service may qualify them with
// whatever prefixes it likes.
class Lector {
  public:
    explicit Lector(const QByteArray& xml)
        : doc_(xmlReadMemory(xml.constData(), static_cast<int>(xml.size()), "respuesta.xml",
                             nullptr, XML_PARSE_NONET | XML_PARSE_NOERROR | XML_PARSE_NOWARNING)),
          ctx_(doc_ ? xmlXPathNewContext(doc_.get()) : nullptr) {}

    QStringList todos(const char* nombre) const {
        QStringList textos;
        if (!ctx_)
            return textos;
        const QByteArray expr = QByteArray("//*[local-name()='") + nombre + "']";
        std::unique_ptr<xmlXPathObject, LibereXml> r(
            xmlXPathEvalExpression(BAD_CAST expr.constData(), ctx_.get()));
        if (!r || !r->nodesetval)
            return textos;
        for (int i = 0; i < r->nodesetval->nodeNr; ++i) {
            xmlChar* t = xmlNodeGetContent(r->nodesetval->nodeTab[i]);
            textos << QString::fromUtf8(reinterpret_cast<const char*>(t)).trimmed();
            xmlFree(t);
        }
        return textos;
    }
    bool tiene(const char* nombre) const { return !todos(nombre).isEmpty(); }
    QString uno(const char* nombre) const {
        const QStringList t = todos(nombre);
        return t.isEmpty() ? QString() : t.first();
    }

  private:
    std::unique_ptr<xmlDoc, LibereXml> doc_;
    std::unique_ptr<xmlXPathContext, LibereXml> ctx_;
};

Resultado error(const QString& codigo, const QString& motivo) {
    Resultado r;
    r.codigo = codigo;
    r.motivo = motivo;
    return r;
}

// Runs one operation and reads the fields every answer of the service
// shares; `codigo` stays empty when the answer was read and is the
// caller's to judge.
Resultado llame(const Credenciales& c, const QByteArray& operacion, const QByteArray& cuerpo,
                const Configuracion& configuracion) {
    const QByteArray accion = kAccionBase + operacion;
    const RespuestaHttp http =
        publique_soap(c.url, sobre(c, accion, cuerpo), accion, configuracion);
    switch (http.falla) {
        case FallaTransporte::ninguna:
            break;
        case FallaTransporte::tiempo:
            return error(codigo::sin_respuesta, http.detalle);
        case FallaTransporte::certificado:
            return error(codigo::certificado_servicio, http.detalle);
        case FallaTransporte::inalcanzable:
        case FallaTransporte::otra:
            return error(codigo::inalcanzable, http.detalle);
    }
    const Lector lector(http.cuerpo);
    if (lector.tiene("Fault"))
        return error(
            codigo::respuesta_invalida,
            QStringLiteral("El servicio respondió con un error: %1")
                .arg(lector.uno("Text").isEmpty() ? lector.uno("Reason") : lector.uno("Text")));
    if (http.codigo != 200 || !lector.tiene(QByteArray(operacion + "Result").constData()))
        return error(codigo::respuesta_invalida,
                     QStringLiteral("La respuesta del servicio no se pudo leer (HTTP %1).")
                         .arg(http.codigo));
    Resultado r;
    r.valido = lector.uno("IsValid") == QLatin1String("true");
    r.codigo_autoridad = lector.uno("StatusCode");
    r.descripcion = lector.uno("StatusDescription");
    r.cuds = lector.uno("XmlDocumentKey");
    r.archivo = lector.uno("XmlFileName");
    r.fecha = lector.uno("ProcessedDate");
    r.errores = lector.todos("string");
    return r;
}

QString razones(const Resultado& r) {
    return r.errores.isEmpty() ? r.descripcion : r.errores.join(QStringLiteral("; "));
}

}  // namespace

Resultado envie_documento(const Credenciales& credenciales, const QString& nombre_zip,
                          const QByteArray& zip, const Configuracion& configuracion) {
    Resultado r = llame(credenciales, "SendBillSync",
                        "<wcf:SendBillSync><wcf:fileName>" + x(nombre_zip) +
                            "</wcf:fileName><wcf:contentFile>" + zip.toBase64() +
                            "</wcf:contentFile></wcf:SendBillSync>",
                        configuracion);
    if (!r.codigo.isEmpty())
        return r;
    // Rule 90 is the authority's "document already processed": a resend after
    // an answer that was lost on the way.
    const bool ya_procesado = !r.errores.isEmpty() && !r.cuds.isEmpty() &&
                              r.errores.first().startsWith(QLatin1String("Regla: 90"));
    if (r.valido && r.codigo_autoridad == QLatin1String("00")) {
        r.codigo = codigo::aceptado;
    } else if (ya_procesado) {
        r.codigo = codigo::ya_recibido;
    } else {
        r.codigo = codigo::rechazado;
        r.motivo = QStringLiteral("La DIAN rechazó el documento: %1").arg(razones(r));
    }
    return r;
}

Resultado consulte_estado(const Credenciales& credenciales, const QString& clave,
                          const Configuracion& configuracion) {
    Resultado r =
        llame(credenciales, "GetStatus",
              "<wcf:GetStatus><wcf:trackId>" + x(clave) + "</wcf:trackId></wcf:GetStatus>",
              configuracion);
    if (!r.codigo.isEmpty())
        return r;
    // The authority's status codes: 00 valid, 99 rejected, 98 still being
    // validated, 66 unknown document.
    if (r.codigo_autoridad == QLatin1String("66"))
        return error(codigo::no_encontrado,
                     QStringLiteral("La DIAN no tiene el documento %1.").arg(clave));
    r.codigo = codigo::aceptado;
    if (r.codigo_autoridad == QLatin1String("00")) {
        r.estado_documento = QStringLiteral("1");
        r.valido = true;
    } else if (r.codigo_autoridad == QLatin1String("98")) {
        r.estado_documento = QStringLiteral("0");
        r.valido = true;
    } else {
        r.estado_documento = QStringLiteral("2");
        r.valido = false;
    }
    return r;
}

}  // namespace ledgrix::electronico
