#include "output/correo/envio_smtp.h"

#include <curl/curl.h>

#include <QFile>
#include <algorithm>
#include <cstring>
#include <memory>
#include <mutex>

namespace ledgrix {

namespace {

struct Lectura {
    const QByteArray* datos;
    qsizetype posicion = 0;
};

size_t entregue(char* destino, size_t tam, size_t n, void* fuente) {
    auto* l = static_cast<Lectura*>(fuente);
    const qsizetype resto = l->datos->size() - l->posicion;
    const qsizetype copia = std::min<qsizetype>(resto, static_cast<qsizetype>(tam * n));
    std::memcpy(destino, l->datos->constData() + l->posicion, static_cast<size_t>(copia));
    l->posicion += copia;
    return static_cast<size_t>(copia);
}

struct Libere {
    void operator()(CURL* c) const { curl_easy_cleanup(c); }
    void operator()(curl_slist* l) const { curl_slist_free_all(l); }
};

QString explique(CURLcode error, const CuentaSmtp& c) {
    const QString servidor = QStringLiteral("%1:%2").arg(c.servidor).arg(c.puerto);
    const QString tecnico = QString::fromLatin1(curl_easy_strerror(error));
    switch (error) {
        case CURLE_LOGIN_DENIED:
            return QStringLiteral(
                       "El servidor de correo %1 rechazó el usuario o la clave de la "
                       "cuenta de correo del usuario.")
                .arg(servidor);
        case CURLE_COULDNT_RESOLVE_HOST:
        case CURLE_COULDNT_CONNECT:
            return QStringLiteral("No se pudo conectar con el servidor de correo %1.")
                .arg(servidor);
        case CURLE_OPERATION_TIMEDOUT:
            return QStringLiteral("El servidor de correo %1 no respondió en %2 segundos.")
                .arg(servidor)
                .arg(c.segundos);
        case CURLE_PEER_FAILED_VERIFICATION:
        case CURLE_SSL_CONNECT_ERROR:
            return QStringLiteral(
                       "El certificado del servidor de correo %1 no es de confianza o "
                       "la conexión segura falló (%2).")
                .arg(servidor, tecnico);
        case CURLE_SSL_CACERT_BADFILE:
            return QStringLiteral("No se pudieron leer los certificados de confianza %1.")
                .arg(c.ca);
        case CURLE_USE_SSL_FAILED:
            return QStringLiteral("El servidor de correo %1 no ofrece conexión segura.")
                .arg(servidor);
        case CURLE_SEND_ERROR:
        case CURLE_RECV_ERROR:
        case CURLE_GOT_NOTHING:
            return QStringLiteral("Se perdió la conexión con el servidor de correo %1.")
                .arg(servidor);
        default:
            return QStringLiteral("Falló el envío del correo por el servidor %1 (%2).")
                .arg(servidor, tecnico);
    }
}

}  // namespace

QString envie_smtp(const CuentaSmtp& cuenta, const QString& remitente,
                   const QStringList& destinatarios, const QByteArray& mensaje) {
    static std::once_flag iniciado;
    std::call_once(iniciado, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
    std::unique_ptr<CURL, Libere> curl(curl_easy_init());
    if (!curl)
        return QStringLiteral("No se pudo preparar el envío del correo.");
    CURL* c = curl.get();
    const QString ca_elegido =
        cuenta.ca.isEmpty() ? qEnvironmentVariable("LEDGRIX_CA_CORREO") : cuenta.ca;
    const QByteArray url =
        QStringLiteral("smtp://%1:%2").arg(cuenta.servidor).arg(cuenta.puerto).toUtf8();
    const QByteArray ca = QFile::encodeName(ca_elegido);
    const QByteArray usuario = cuenta.usuario.toUtf8();
    const QByteArray clave = cuenta.clave.toUtf8();
    const QByteArray de = '<' + remitente.toUtf8() + '>';
    std::unique_ptr<curl_slist, Libere> para;
    for (const QString& d : destinatarios) {
        const QByteArray a = '<' + d.toUtf8() + '>';
        para.reset(curl_slist_append(para.release(), a.constData()));
    }
    Lectura lectura{&mensaje};
    curl_easy_setopt(c, CURLOPT_URL, url.constData());
    curl_easy_setopt(c, CURLOPT_PROTOCOLS_STR, "smtp");
    // With TLS on, a server that does not upgrade is not spoken to in the clear.
    curl_easy_setopt(c, CURLOPT_USE_SSL,
                     static_cast<long>(cuenta.tls ? CURLUSESSL_ALL : CURLUSESSL_NONE));
    curl_easy_setopt(c, CURLOPT_SSL_VERIFYPEER, 1L);
    curl_easy_setopt(c, CURLOPT_SSL_VERIFYHOST, 2L);
    if (!ca_elegido.isEmpty())
        curl_easy_setopt(c, CURLOPT_CAINFO, ca.constData());
    curl_easy_setopt(c, CURLOPT_USERNAME, usuario.constData());
    curl_easy_setopt(c, CURLOPT_PASSWORD, clave.constData());
    curl_easy_setopt(c, CURLOPT_MAIL_FROM, de.constData());
    curl_easy_setopt(c, CURLOPT_MAIL_RCPT, para.get());
    curl_easy_setopt(c, CURLOPT_UPLOAD, 1L);
    curl_easy_setopt(c, CURLOPT_READFUNCTION, entregue);
    curl_easy_setopt(c, CURLOPT_READDATA, &lectura);
    curl_easy_setopt(c, CURLOPT_INFILESIZE_LARGE, static_cast<curl_off_t>(mensaje.size()));
    // The program's one thread must not be interrupted by libcurl's timer signals.
    curl_easy_setopt(c, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(c, CURLOPT_CONNECTTIMEOUT, static_cast<long>(cuenta.segundos));
    curl_easy_setopt(c, CURLOPT_TIMEOUT, static_cast<long>(cuenta.segundos));
    const CURLcode r = curl_easy_perform(c);
    // The handle's cleanup sends QUIT and closes the connection in every case.
    return r == CURLE_OK ? QString() : explique(r, cuenta);
}

}  // namespace ledgrix
