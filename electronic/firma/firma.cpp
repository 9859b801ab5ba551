#include "electronic/firma/firma.h"

#include <libxml/parser.h>
#include <libxml/tree.h>
#include <libxml/xpath.h>
#include <libxml/xpathInternals.h>
#include <openssl/bio.h>
#include <openssl/bn.h>
#include <openssl/evp.h>
#include <openssl/x509.h>
#include <xmlsec/crypto.h>
#include <xmlsec/openssl/x509.h>
#include <xmlsec/templates.h>
#include <xmlsec/xmldsig.h>
#include <xmlsec/xmlsec.h>
#include <xmlsec/xmltree.h>

#include <QFile>
#include <QUuid>
#include <memory>

#include "electronic/firma/xmlsec_inicio.h"

namespace ledgrix::electronico {

namespace {

const xmlChar* const kNsDs = BAD_CAST "http://www.w3.org/2000/09/xmldsig#";
const xmlChar* const kNsXades = BAD_CAST "http://uri.etsi.org/01903/v1.3.2#";
const xmlChar* const kNsExt =
    BAD_CAST "urn:oasis:names:specification:ubl:schema:xsd:CommonExtensionComponents-2";
const char* const kSha256 = "http://www.w3.org/2001/04/xmlenc#sha256";

// The authority's signature policy for electronic documents (version 2) and
// the SHA-256 of that PDF as the authority publishes it in its technical
// annex. Both change only when the authority issues a new policy.
const char* const kPolitica =
    "https://facturaelectronica.dian.gov.co/politicadefirma/v2/politicadefirmav2.pdf";
const char* const kDigestoPolitica = "dMoMvtcG5aIzgYo0tIsSQeVJBDnUnfSOfBpxXrmor0Y=";

struct LibereDoc {
    void operator()(xmlDocPtr d) const { xmlFreeDoc(d); }
};
struct LibereLlave {
    void operator()(xmlSecKeyPtr k) const { xmlSecKeyDestroy(k); }
};
struct LibereContexto {
    void operator()(xmlSecDSigCtxPtr c) const { xmlSecDSigCtxDestroy(c); }
};
struct LibereXPath {
    void operator()(xmlXPathContextPtr c) const { xmlXPathFreeContext(c); }
    void operator()(xmlXPathObjectPtr o) const { xmlXPathFreeObject(o); }
};

DocumentoFirmado fallo(const QString& error) {
    return {false, error, {}};
}

xmlNodePtr contenido_para_firma(xmlDocPtr doc) {
    std::unique_ptr<xmlXPathContext, LibereXPath> ctx(xmlXPathNewContext(doc));
    xmlXPathRegisterNs(ctx.get(), BAD_CAST "ext", kNsExt);
    std::unique_ptr<xmlXPathObject, LibereXPath> r(xmlXPathEvalExpression(
        BAD_CAST "/*/ext:UBLExtensions/ext:UBLExtension[2]/ext:ExtensionContent", ctx.get()));
    if (!r || !r->nodesetval || r->nodesetval->nodeNr != 1)
        return nullptr;
    return r->nodesetval->nodeTab[0];
}

QByteArray base64_sha256(const unsigned char* datos, int largo) {
    unsigned char digesto[EVP_MAX_MD_SIZE];
    unsigned int n = 0;
    EVP_Digest(datos, static_cast<size_t>(largo), digesto, &n, EVP_sha256(), nullptr);
    return QByteArray(reinterpret_cast<const char*>(digesto), static_cast<int>(n)).toBase64();
}

struct DatosCertificado {
    QByteArray digesto, emisor, serie;
};

DatosCertificado datos_certificado(X509* cert) {
    DatosCertificado d;
    unsigned char* der = nullptr;
    const int largo = i2d_X509(cert, &der);
    if (largo > 0)
        d.digesto = base64_sha256(der, largo);
    OPENSSL_free(der);
    BIO* bio = BIO_new(BIO_s_mem());
    X509_NAME_print_ex(bio, X509_get_issuer_name(cert), 0, XN_FLAG_RFC2253);
    char* texto = nullptr;
    const long n = BIO_get_mem_data(bio, &texto);
    d.emisor = QByteArray(texto, static_cast<int>(n));
    BIO_free(bio);
    BIGNUM* bn = ASN1_INTEGER_to_BN(X509_get0_serialNumber(cert), nullptr);
    char* dec = BN_bn2dec(bn);
    d.serie = dec;
    OPENSSL_free(dec);
    BN_free(bn);
    return d;
}

xmlNodePtr hijo(xmlNodePtr padre, xmlNsPtr ns, const char* nombre, const QByteArray& texto = {}) {
    return xmlNewTextChild(padre, ns, BAD_CAST nombre,
                           texto.isNull() ? nullptr : BAD_CAST texto.constData());
}

void digesto(xmlNodePtr padre, xmlNsPtr ds, const QByteArray& valor) {
    xmlNodePtr metodo = hijo(padre, ds, "DigestMethod");
    xmlNewProp(metodo, BAD_CAST "Algorithm", BAD_CAST kSha256);
    hijo(padre, ds, "DigestValue", valor);
}

// References are resolved through the document's ID table, which a parsed
// document only fills for attributes its DTD declares.
void registre_id(xmlDocPtr doc, xmlNodePtr nodo) {
    xmlAttrPtr atributo = xmlHasProp(nodo, BAD_CAST "Id");
    xmlChar* valor = xmlNodeListGetString(doc, atributo->children, 1);
    xmlAddID(nullptr, doc, valor, atributo);
    xmlFree(valor);
}

xmlNodePtr propiedades_firmadas(xmlNodePtr objeto, const QByteArray& id_firma,
                                const DatosCertificado& cert, const QDateTime& momento) {
    xmlNsPtr ds = xmlSearchNsByHref(objeto->doc, objeto, kNsDs);
    xmlNodePtr calificadas = xmlNewChild(objeto, nullptr, BAD_CAST "QualifyingProperties", nullptr);
    xmlNsPtr xades = xmlNewNs(calificadas, kNsXades, BAD_CAST "xades");
    xmlSetNs(calificadas, xades);
    xmlNewProp(calificadas, BAD_CAST "Target", BAD_CAST("#" + id_firma).constData());
    xmlNodePtr firmadas = hijo(calificadas, xades, "SignedProperties");
    xmlNewProp(firmadas, BAD_CAST "Id", BAD_CAST(id_firma + "-signedprops").constData());
    xmlNodePtr ssp = hijo(firmadas, xades, "SignedSignatureProperties");
    hijo(ssp, xades, "SigningTime", momento.toString(Qt::ISODate).toUtf8());
    xmlNodePtr certificado = hijo(hijo(ssp, xades, "SigningCertificate"), xades, "Cert");
    digesto(hijo(certificado, xades, "CertDigest"), ds, cert.digesto);
    xmlNodePtr serie = hijo(certificado, xades, "IssuerSerial");
    hijo(serie, ds, "X509IssuerName", cert.emisor);
    hijo(serie, ds, "X509SerialNumber", cert.serie);
    xmlNodePtr politica =
        hijo(hijo(ssp, xades, "SignaturePolicyIdentifier"), xades, "SignaturePolicyId");
    hijo(hijo(politica, xades, "SigPolicyId"), xades, "Identifier", kPolitica);
    digesto(hijo(politica, xades, "SigPolicyHash"), ds, kDigestoPolitica);
    hijo(hijo(hijo(ssp, xades, "SignerRole"), xades, "ClaimedRoles"), xades, "ClaimedRole",
         "supplier");
    return firmadas;
}

}  // namespace

DocumentoFirmado firme_documento(const QByteArray& xml, const QString& certificado,
                                 const QString& clave, const QDateTime& momento) {
    if (!inicie_xmlsec())
        return fallo(QStringLiteral("No se pudo iniciar la firma digital."));
    std::unique_ptr<xmlDoc, LibereDoc> doc(xmlReadMemory(
        xml.constData(), static_cast<int>(xml.size()), "documento.xml", "UTF-8", XML_PARSE_NONET));
    if (!doc)
        return fallo(QStringLiteral("El documento electrónico no es un XML bien formado."));
    xmlNodePtr contenido = contenido_para_firma(doc.get());
    if (!contenido || contenido->children)
        return fallo(QStringLiteral("El documento electrónico no tiene el espacio para la firma."));

    const QByteArray ruta = QFile::encodeName(certificado);
    const QByteArray secreto = clave.toUtf8();
    std::unique_ptr<xmlSecKey, LibereLlave> llave(
        xmlSecCryptoAppPkcs12Load(ruta.constData(), secreto.constData(), nullptr, nullptr));
    if (!llave)
        return fallo(QStringLiteral("No se pudo leer el certificado de firma %1: archivo o clave "
                                    "incorrectos.")
                         .arg(certificado));
    X509* cert = xmlSecOpenSSLKeyDataX509GetKeyCert(
        xmlSecKeyGetData(llave.get(), xmlSecOpenSSLKeyDataX509Id));
    if (!cert)
        return fallo(
            QStringLiteral("El archivo %1 no trae el certificado del firmante.").arg(certificado));

    const QByteArray id_firma = "xmldsig-" + QUuid::createUuid().toByteArray(QUuid::WithoutBraces);
    xmlNodePtr firma = xmlSecTmplSignatureCreateNsPref(
        doc.get(), xmlSecTransformInclC14NId, xmlSecTransformRsaSha256Id,
        BAD_CAST id_firma.constData(), BAD_CAST "ds");
    xmlAddChild(contenido, firma);
    xmlNodePtr ref = xmlSecTmplSignatureAddReference(firma, xmlSecTransformSha256Id,
                                                     BAD_CAST(id_firma + "-ref0").constData(),
                                                     BAD_CAST "", nullptr);
    xmlSecTmplReferenceAddTransform(ref, xmlSecTransformEnvelopedId);
    xmlSecTmplSignatureAddReference(firma, xmlSecTransformSha256Id, nullptr,
                                    BAD_CAST("#" + id_firma + "-keyinfo").constData(), nullptr);
    xmlSecTmplSignatureAddReference(firma, xmlSecTransformSha256Id, nullptr,
                                    BAD_CAST("#" + id_firma + "-signedprops").constData(),
                                    BAD_CAST "http://uri.etsi.org/01903#SignedProperties");
    xmlNodePtr info_llave =
        xmlSecTmplSignatureEnsureKeyInfo(firma, BAD_CAST(id_firma + "-keyinfo").constData());
    xmlSecTmplX509DataAddCertificate(xmlSecTmplKeyInfoAddX509Data(info_llave));
    xmlNodePtr objeto = xmlSecTmplSignatureAddObject(firma, nullptr, nullptr, nullptr);
    xmlNodePtr firmadas = propiedades_firmadas(objeto, id_firma, datos_certificado(cert), momento);
    registre_id(doc.get(), info_llave);
    registre_id(doc.get(), firmadas);

    std::unique_ptr<xmlSecDSigCtx, LibereContexto> ctx(xmlSecDSigCtxCreate(nullptr));
    ctx->signKey = llave.release();
    if (xmlSecDSigCtxSign(ctx.get(), firma) < 0)
        return fallo(QStringLiteral("No se pudo firmar el documento electrónico."));

    xmlChar* salida = nullptr;
    int largo = 0;
    xmlDocDumpMemoryEnc(doc.get(), &salida, &largo, "UTF-8");
    DocumentoFirmado r{true, {}, QByteArray(reinterpret_cast<const char*>(salida), largo)};
    xmlFree(salida);
    return r;
}

}  // namespace ledgrix::electronico
