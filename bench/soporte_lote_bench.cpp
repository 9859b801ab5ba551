// A batch of support documents sent as the batch window sends them: 1,000
// stored charges of one series, each built, signed, zipped, sent over HTTPS
// to the local stand-in for the authority's service and its code stored.
// The service runs without its schema and signature checks (two programs
// per document, which the tests run); it still unpacks each document and
// recomputes its CUDS. Three runs (the codes are cleared between them);
// the last line gives the median.
//
//   build/bench/bench/soporte_lote_bench          # /tmp/ledgrix-bench-soporte, made once
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <cstdio>

#include "bench/base_generada.h"
#include "bench/comun.h"
#include "bench/generador/generador.h"
#include "bench/sin_dialogos.h"
#include "core/services/clock.h"
#include "core/sql/sqltext.h"
#include "core/tfdm/tfdm.h"
#include "output/soporte/envio_lote.h"

using namespace ledgrix;

namespace {

constexpr int kCargos = 1000;

bool corra(const QString& programa, const QStringList& args) {
    QProcess p;
    p.start(programa, args);
    return p.waitForFinished(120000) && p.exitCode() == 0;
}

bool configure(Tfdm& dm, const QString& propiedad, const QString& valor) {
    return dm.sql().execute(
        QStringLiteral("update CONFIGURACION set CONF_VALOR = %1 where CONF_PROPIEDAD = %2")
            .arg(sql::quoted(valor), sql::quoted(propiedad)));
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QString ubicacion = QStringLiteral("/tmp/ledgrix-bench-soporte");
    generador::Parametros p;
    p.ubicacion = ubicacion;
    p.proveedores = 20;
    p.documentosPorProveedor = 2;
    if (!bench::base_generada(p))
        return 1;
    const QString c = ubicacion + QStringLiteral("/certificados");
    QDir().mkpath(c);
    const QString raiz = QStringLiteral(LEDGRIX_DB_DIR "/..");
    if (!corra("openssl",
               {"req", "-x509", "-newkey", "rsa:2048", "-nodes", "-days", "2", "-subj",
                "/CN=Firma de medicion", "-keyout", c + "/firma.key", "-out", c + "/firma.pem"}) ||
        !corra("openssl", {"pkcs12", "-export", "-inkey", c + "/firma.key", "-in", c + "/firma.pem",
                           "-out", c + "/firma.p12", "-passout", "pass:bench"}) ||
        !corra("openssl", {"req", "-x509", "-newkey", "rsa:2048", "-nodes", "-days", "2", "-subj",
                           "/CN=127.0.0.1", "-addext", "subjectAltName=IP:127.0.0.1", "-keyout",
                           c + "/servidor.key", "-out", c + "/servidor.pem"})) {
        std::fprintf(stderr, "No se pudieron crear los certificados con openssl.\n");
        return 1;
    }

    QProcess servicio;
    servicio.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    servicio.start(
        QStringLiteral("python3"),
        {raiz + QStringLiteral("/tests/electronic/servicio/autoridad_local.py"),
         QStringLiteral("--cert"), c + QStringLiteral("/servidor.pem"), QStringLiteral("--key"),
         c + QStringLiteral("/servidor.key"), QStringLiteral("--firma"),
         c + QStringLiteral("/firma.pem"), QStringLiteral("--xsd"),
         raiz + QStringLiteral("/../shared/xsd/ubl-2.1/maindoc"), QStringLiteral("--pin"),
         QStringLiteral("75312"), QStringLiteral("--rapido")});
    QString url;
    while (url.isEmpty() && (servicio.waitForReadyRead(10000) || servicio.canReadLine())) {
        const QString linea = QString::fromLatin1(servicio.readLine()).trimmed();
        if (linea.startsWith(QStringLiteral("PUERTO ")))
            url = QStringLiteral("https://127.0.0.1:%1/servicio").arg(linea.mid(7));
    }
    if (url.isEmpty()) {
        std::fprintf(stderr, "El servicio local no arrancó.\n");
        return 1;
    }

    bench::SinDialogos dialogos;
    FixedClock reloj(QDateTime::currentDateTime());
    Tfdm dm(dialogos, reloj);
    if (!dm.conecte_compania(generador::baseEmpresa(ubicacion), QStringLiteral("ADMIN"), {}) ||
        !dm.conecte_general(ubicacion + QStringLiteral("/datos/general.fdb"),
                            QStringLiteral("ADMIN"), {})) {
        std::fprintf(stderr, "No se pudo abrir la base.\n");
        return 1;
    }
    dm.setDirectorio(ubicacion);
    const QString nit =
        dm.sql().scalar(QStringLiteral("select first 1 TERC_NIT from PROVEEDORES")).toString();
    bool listo = dm.sql().execute(QStringLiteral(
                     "delete from NOTAS_DEBITO_PROVEEDOR where NDPR_ID >= 900000")) &&
                 configure(dm, "ENVIAR FACTURA ELECTRONICA AUTOMATICAMENTE AL GRABAR", "SI") &&
                 configure(dm, "URL WEBSERVICE FACTURA ELECTRONICA", url) &&
                 configure(dm, "CERTIFICADO DE FIRMA", c + QStringLiteral("/firma.p12")) &&
                 configure(dm, "CLAVE DEL CERTIFICADO", QStringLiteral("bench")) &&
                 configure(dm, "CERTIFICADOS DE CONFIANZA DEL SERVICIO",
                           c + QStringLiteral("/servidor.pem"));
    for (int i = 0; listo && i < kCargos; ++i)
        listo = dm.sql().execute(
            QStringLiteral("insert into NOTAS_DEBITO_PROVEEDOR (NDPR_ID, PREF_PRE, NDPR_NUMERO, "
                           "NDPR_FECHA, TERC_NIT, NDPR_MONTO, NDPR_IVAMONTO, NDPR_CONC) values "
                           "(%1, '0000', '%2', current_date, %3, %4, %5, 'Servicio de medición')")
                .arg(900000 + i)
                .arg(800001 + i)
                .arg(sql::quoted(nit))
                .arg(100000 + i)
                .arg(19000));
    if (!listo) {
        std::fprintf(stderr, "No se pudieron preparar los cargos.\n");
        return 1;
    }
    dm.cargue_configuracion();

    std::vector<double> segundos;
    for (int corrida = 0; corrida < 3; ++corrida) {
        dm.sql().execute(QStringLiteral(
            "update NOTAS_DEBITO_PROVEEDOR set NDPR_NRONDE = null where NDPR_ID >= 900000"));
        EnvioLote lote(dm);
        QElapsedTimer t;
        t.start();
        const int enviados = lote.envie(EnvioLote::Documento::Cargos, QStringLiteral("0000"),
                                        QStringLiteral("800001"), QStringLiteral("801000"));
        segundos.push_back(t.elapsed() / 1000.0);
        std::printf("Corrida %d: %d de %d cargos enviados en %.2f s\n", corrida + 1, enviados,
                    kCargos, segundos.back());
        if (enviados != kCargos) {
            servicio.kill();
            return 1;
        }
    }
    std::printf("Mediana: %d cargos en %.2f s (%.1f ms por cargo)\n", kCargos,
                bench::mediana(segundos), bench::mediana(segundos) * 1000.0 / kCargos);
    servicio.terminate();
    servicio.waitForFinished(5000);
    return 0;
}
