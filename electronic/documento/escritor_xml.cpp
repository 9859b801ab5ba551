#include "electronic/documento/escritor_xml.h"

namespace ledgrix::electronico {

#define S QStringLiteral

QString limpio(const QString& texto) {
    QString r;
    r.reserve(texto.size());
    for (qsizetype i = 0; i < texto.size(); ++i) {
        const QChar c = texto.at(i);
        if (c.isHighSurrogate() && i + 1 < texto.size() && texto.at(i + 1).isLowSurrogate()) {
            r += c;
            r += texto.at(++i);
            continue;
        }
        const char16_t u = c.unicode();
        const bool valido = u == 0x9 || u == 0xA || u == 0xD || (u >= 0x20 && u <= 0xD7FF) ||
                            (u >= 0xE000 && u <= 0xFFFD);
        r += valido ? c : QChar(u' ');
    }
    return r;
}

EscritorXml::EscritorXml(const QString& raiz) : w_(&salida_) {
    w_.setAutoFormatting(false);
    w_.writeStartDocument(S("1.0"), false);
    w_.writeStartElement(raiz);
    const QString ubl = S("urn:oasis:names:specification:ubl:schema:xsd:");
    w_.writeAttribute(S("xmlns"), ubl + raiz + S("-2"));
    w_.writeAttribute(S("xmlns:cac"), ubl + S("CommonAggregateComponents-2"));
    w_.writeAttribute(S("xmlns:cbc"), ubl + S("CommonBasicComponents-2"));
    w_.writeAttribute(S("xmlns:ext"), ubl + S("CommonExtensionComponents-2"));
    w_.writeAttribute(S("xmlns:sts"), S("dian:gov:co:facturaelectronica:Structures-2-1"));
    w_.writeAttribute(S("xmlns:ds"), S("http://www.w3.org/2000/09/xmldsig#"));
    w_.writeAttribute(S("xmlns:xades"), S("http://uri.etsi.org/01903/v1.3.2#"));
    w_.writeAttribute(S("xmlns:xades141"), S("http://uri.etsi.org/01903/v1.4.1#"));
}

void EscritorXml::abra(const QString& nombre) {
    w_.writeStartElement(nombre);
}

void EscritorXml::cierre() {
    w_.writeEndElement();
}

void EscritorXml::texto(const QString& nombre, const QString& valor, const Atributos& atributos) {
    w_.writeStartElement(nombre);
    for (const auto& [a, v] : atributos)
        w_.writeAttribute(a, limpio(v));
    w_.writeCharacters(limpio(valor));
    w_.writeEndElement();
}

void EscritorXml::vacio(const QString& nombre) {
    // An explicit end tag keeps the element open for the signer to fill.
    w_.writeStartElement(nombre);
    w_.writeCharacters(QString());
    w_.writeEndElement();
}

QByteArray EscritorXml::termine() {
    w_.writeEndDocument();
    return salida_;
}

#undef S

}  // namespace ledgrix::electronico
