#include "electronic/envio/transporte.h"

#include <curl/curl.h>

#include <QFile>
#include <memory>
#include <mutex>

namespace ledgrix::electronico {

namespace {

// An answer larger than this is not one of the service's: stop reading
// instead of filling memory.
constexpr qsizetype kMaximoRespuesta = 16 * 1024 * 1024;

size_t reciba(char* datos, size_t tam, size_t n, void* destino) {
    auto* cuerpo = static_cast<QByteArray*>(destino);
    if (cuerpo->size() + static_cast<qsizetype>(tam * n) > kMaximoRespuesta)
        return 0;
    cuerpo->append(datos, static_cast<qsizetype>(tam * n));
    return tam * n;
}

struct LibereCurl {
    void operator()(CURL* c) const { curl_easy_cleanup(c); }
    void operator()(curl_slist* l) const { curl_slist_free_all(l); }
};

RespuestaHttp falla(FallaTransporte f, const QString& detalle) {
    return {f, detalle, 0, {}};
}

RespuestaHttp traduzca(CURLcode error, const QString& url, const QString& ca, int segundos) {
    const QString tecnico = QString::fromLatin1(curl_easy_strerror(error));
    switch (error) {
        case CURLE_COULDNT_RESOLVE_HOST:
        case CURLE_COULDNT_CONNECT:
            return falla(
                FallaTransporte::inalcanzable,
                QStringLiteral("No se pudo conectar con el servicio %1 (%2).").arg(url, tecnico));
        case CURLE_OPERATION_TIMEDOUT:
            return falla(FallaTransporte::tiempo,
                         QStringLiteral("El servicio %1 no respondió en %2 segundos.")
                             .arg(url)
                             .arg(segundos));
        case CURLE_PEER_FAILED_VERIFICATION:
        case CURLE_SSL_CONNECT_ERROR:
            return falla(FallaTransporte::certificado,
                         QStringLiteral("El certificado del servicio %1 no es de confianza o la "
                                        "conexión segura falló (%2).")
                             .arg(url, tecnico));
        case CURLE_SSL_CACERT_BADFILE:
            return falla(
                FallaTransporte::certificado,
                QStringLiteral("No se pudieron leer los certificados de confianza %1.").arg(ca));
        case CURLE_UNSUPPORTED_PROTOCOL:
        case CURLE_URL_MALFORMAT:
            return falla(FallaTransporte::otra,
                         QStringLiteral("La dirección del servicio «%1» no es una dirección https "
                                        "válida.")
                             .arg(url));
        default:
            return falla(
                FallaTransporte::otra,
                QStringLiteral("Falló la comunicación con el servicio %1 (%2).").arg(url, tecnico));
    }
}

}  // namespace

RespuestaHttp publique_soap(const QString& url, const QByteArray& sobre, const QByteArray& accion,
                            const Configuracion& configuracion) {
    static std::once_flag iniciado;
    std::call_once(iniciado, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
    // One handle for the whole run: a batch reuses its connection and TLS
    // session instead of a handshake per document. The calls come from the
    // program's one thread.
    static std::unique_ptr<CURL, LibereCurl> curl(curl_easy_init());
    if (!curl)
        return falla(FallaTransporte::otra, QStringLiteral("No se pudo preparar el envío."));
    curl_easy_reset(curl.get());
    const int segundos = configuracion.segundos_espera > 0 ? configuracion.segundos_espera : 30;
    const QByteArray direccion = url.toUtf8();
    const QByteArray ca = QFile::encodeName(configuracion.ca_servicio);
    const QByteArray tipo =
        "Content-Type: application/soap+xml; charset=utf-8; action=\"" + accion + "\"";
    std::unique_ptr<curl_slist, LibereCurl> cabeceras(curl_slist_append(nullptr, tipo.constData()));
    RespuestaHttp r;
    CURL* c = curl.get();
    curl_easy_setopt(c, CURLOPT_URL, direccion.constData());
    curl_easy_setopt(c, CURLOPT_PROTOCOLS_STR, "https");
    curl_easy_setopt(c, CURLOPT_SSL_VERIFYPEER, 1L);
    curl_easy_setopt(c, CURLOPT_SSL_VERIFYHOST, 2L);
    if (!configuracion.ca_servicio.isEmpty())
        curl_easy_setopt(c, CURLOPT_CAINFO, ca.constData());
    // No signals: the program's thread must not be interrupted by a timer
    // signal that libcurl would otherwise use for name resolution timeouts.
    curl_easy_setopt(c, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(c, CURLOPT_CONNECTTIMEOUT, static_cast<long>(segundos));
    curl_easy_setopt(c, CURLOPT_TIMEOUT, static_cast<long>(segundos));
    curl_easy_setopt(c, CURLOPT_HTTPHEADER, cabeceras.get());
    curl_easy_setopt(c, CURLOPT_POSTFIELDS, sobre.constData());
    curl_easy_setopt(c, CURLOPT_POSTFIELDSIZE, static_cast<long>(sobre.size()));
    curl_easy_setopt(c, CURLOPT_WRITEFUNCTION, reciba);
    curl_easy_setopt(c, CURLOPT_WRITEDATA, &r.cuerpo);
    const CURLcode resultado = curl_easy_perform(c);
    if (resultado != CURLE_OK)
        return traduzca(resultado, url, configuracion.ca_servicio, segundos);
    curl_easy_getinfo(c, CURLINFO_RESPONSE_CODE, &r.codigo);
    return r;
}

}  // namespace ledgrix::electronico
