#include "electronic/componente.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

#include "electronic/documento/documento_soporte.h"
#include "electronic/envio/servicio_autoridad.h"
#include "electronic/envio/zip.h"
#include "electronic/firma/firma.h"

using namespace ledgrix::electronico;

namespace {

// The program hands over and reads back 8-bit text in its database's
// character set.
QString texto(const char* c) {
    return c ? QString::fromLatin1(c) : QString();
}

// A field must not break the line apart: no separators, no line ends.
QString campo(QString t) {
    t.replace(QLatin1Char('|'), QLatin1Char('/'));
    t.replace(QLatin1Char('\r'), QLatin1Char(' '));
    t.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return t.trimmed();
}

// Writes the whole answer at once so the program never reads half of it.
void escriba(const QString& archivo, const QStringList& campos) {
    if (archivo.isEmpty())
        return;
    QStringList limpios;
    for (const QString& c : campos)
        limpios << campo(c);
    QSaveFile f(QDir(configuracion().carpeta_respuestas).filePath(archivo));
    if (!f.open(QIODevice::WriteOnly))
        return;
    f.write(limpios.join(QLatin1Char('|')).toLatin1() + "\r\n");
    f.commit();
}

// The signing time is the real moment of signing, in Colombian time as the
// document's own times: the authority checks it against its clock, so no
// program date can stand in for it.
QDateTime ahora() {
    return QDateTime::currentDateTimeUtc().toOffsetFromUtc(-5 * 3600);
}

Credenciales credenciales(const char* url, const char* empresa, const char* clave) {
    return {texto(url).trimmed(), texto(empresa).trimmed(), texto(clave).trimmed()};
}

// The answer for a document that never reached the service: its line is
// about the key the program expects, which names the answer file.
Resultado envie(const Credenciales& c, const Bloques& bloques, QString* clave) {
    const Configuracion& conf = configuracion();
    if (c.empresa.isEmpty() || c.clave.isEmpty())
        return {codigo::sin_credenciales,
                QStringLiteral("Faltan las credenciales del rango de autorización.")};
    if (c.url.isEmpty())
        return {codigo::inalcanzable,
                QStringLiteral("No está configurada la dirección del servicio.")};
    const Documento documento = construya_documento(bloques, conf);
    if (!documento.valido)
        return {codigo::documento_invalido, documento.error};
    *clave = documento.clave;
    const QDateTime momento = ahora();
    const DocumentoFirmado firmado =
        firme_documento(documento.xml, conf.certificado, conf.clave_certificado, momento);
    if (!firmado.valido)
        return {codigo::documento_invalido, firmado.error};
    const QString base = (documento.nota ? QStringLiteral("nas") : QStringLiteral("ds")) + *clave;
    Resultado r =
        envie_documento(c, base + QStringLiteral(".zip"),
                        empaque_zip(base + QStringLiteral(".xml"), firmado.xml, momento), conf);
    if (r.cuds.isEmpty())
        r.cuds = documento.cuds;
    return r;
}

}  // namespace

extern "C" {

int EnviarCustom(const char* url, const char* token_empresa, const char* token_clave,
                 const char* cliente, const char* encabezado, const char* anticipos,
                 const char* condiciones_pago, const char* entrega, const char* impuestos,
                 const char* pago, const char* trm, const char* extra, const char* detalle,
                 const char*, const char* separador, const char* archivo_respuesta, int) {
    const QString archivo = QFileInfo(texto(archivo_respuesta)).fileName();
    QString clave = QFileInfo(archivo).completeBaseName();
    Resultado r;
    try {
        const Bloques bloques{
            texto(cliente), texto(encabezado), texto(anticipos), texto(condiciones_pago),
            texto(entrega), texto(impuestos),  texto(pago),      texto(trm),
            texto(extra),   texto(detalle),    texto(separador)};
        r = envie(credenciales(url, token_empresa, token_clave), bloques, &clave);
    } catch (const std::exception& e) {
        r = {codigo::documento_invalido,
             QStringLiteral("Error interno enviando el documento: %1").arg(e.what())};
    } catch (...) {
        r = {codigo::documento_invalido, QStringLiteral("Error interno enviando el documento.")};
    }
    const bool aceptado = r.codigo == codigo::aceptado || r.codigo == codigo::ya_recibido;
    escriba(archivo, {QStringLiteral("01"), r.codigo, clave, aceptado ? r.cuds : r.motivo});
    return aceptado ? 1 : 0;
}

int EstadoDocumento(const char* url, const char* token_empresa, const char* token_clave,
                    const char* clave_documento, const char*, int) {
    const QString archivo = QStringLiteral("hkafact21fresult.txt");
    const QString clave = texto(clave_documento).trimmed();
    const Credenciales c = credenciales(url, token_empresa, token_clave);
    Resultado r;
    try {
        if (c.empresa.isEmpty() || c.clave.isEmpty())
            r = {codigo::sin_credenciales,
                 QStringLiteral("Faltan las credenciales del rango de autorización.")};
        else
            r = consulte_estado(c, clave, configuracion());
    } catch (...) {
        r = {codigo::respuesta_invalida, QStringLiteral("Error interno consultando el estado.")};
    }
    if (r.codigo != codigo::aceptado) {
        escriba(archivo, {QStringLiteral("01"), r.codigo, QString(), clave, r.motivo});
        return 0;
    }
    escriba(archivo,
            {QStringLiteral("01"), r.codigo, r.estado_documento, clave, r.descripcion, r.fecha,
             r.cuds, r.codigo_autoridad, r.archivo, r.errores.join(QStringLiteral("; ")),
             r.valido ? QStringLiteral("1") : QStringLiteral("0")});
    return 1;
}
}
