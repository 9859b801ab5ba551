// What the support-document component does on the program's thread before
// the network: build the UBL document from the payload blocks, sign it and
// zip it; for a document of 1 and of 100 lines. Medians over 9 repetitions
// (read the `_median` lines). The signing certificate is made with openssl in
// a scratch folder at start.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QProcess>
#include <QTemporaryDir>

#include "bench/comun.h"
#include "electronic/documento/documento_soporte.h"
#include "electronic/envio/zip.h"
#include "electronic/firma/firma.h"

namespace {

using namespace ledgrix::electronico;

Configuracion configuracion_bench;

QString monto(qint64 centavos) {
    return QStringLiteral("%1.%2").arg(centavos / 100).arg(centavos % 100, 2, 10, QChar(u'0'));
}

// A charge with `lineas` lines of 1,000 pesos plus 19% VAT.
Bloques bloques(int lineas) {
    const QString s = QStringLiteral("%%%%%");
    const auto b = [&](const QStringList& campos) { return campos.join(s); };
    const qint64 subtotal = 100000LL * lineas, iva = 19000LL * lineas;
    Bloques r;
    r.separador = s;
    r.cliente = b({"PRV1", "2", "13", "79123456", "", "Pedro Pérez Gómez", "Calle 10 # 4-20",
                   "11001", "Bogotá", "CO", "S", "pedro@correo.co", "3001234567", "R-99-PN"});
    r.encabezado =
        b({"ENC1", "51", "SEDS", "000984", "2026-12-05", "10:20:30", "", "COP", "Compras varias",
           "N", monto(subtotal), monto(iva), monto(subtotal + iva), QString::number(lineas)});
    r.anticipos = QStringLiteral("%%") +
                  b({"AUT1", "18760000001", "2026-01-01", "2027-12-31", "SEDS", "1", "5000"}) +
                  QStringLiteral("%%");
    r.condiciones_pago = b({"CPG1", "1", "2026-12-05"});
    r.impuestos = b({"IMP1", "01", "IVA", monto(subtotal), "19.00", monto(iva)});
    r.pago = b({"PAG1", "10"}) + QStringLiteral("%%");
    r.extra = b({"EMI1", "1", "31", "900123456", "7", "Ledgrix Pruebas SAS", "Carrera 7 # 12-30",
                 "11001", "Bogotá", "CO", "S", "cxp@ledgrix.co", "6015550000", "O-13"});
    QStringList detalle{"DET1"};
    for (int i = 1; i <= lineas; ++i)
        detalle << QString::number(i) << QStringLiteral("Artículo %1").arg(i) << "1"
                << "1000.00"
                << "1000.00"
                << "19.00"
                << "190.00";
    r.detalle = b(detalle);
    return r;
}

void BM_DocumentoArmadoFirmadoYEmpacado(benchmark::State& state) {
    const Bloques b = bloques(static_cast<int>(state.range(0)));
    const QDateTime momento = QDateTime::currentDateTimeUtc();
    for (auto _ : state) {
        const Documento d = construya_documento(b, configuracion_bench);
        const DocumentoFirmado f = firme_documento(d.xml, configuracion_bench.certificado,
                                                   configuracion_bench.clave_certificado, momento);
        if (!d.valido || !f.valido) {
            state.SkipWithError(qPrintable(d.error + f.error));
            break;
        }
        benchmark::DoNotOptimize(empaque_zip(QStringLiteral("ds.xml"), f.xml, momento));
    }
    state.SetLabel(std::to_string(state.range(0)) + " líneas");
}
BENCHMARK(BM_DocumentoArmadoFirmadoYEmpacado)->Arg(1)->Arg(100)->Unit(benchmark::kMillisecond);

bool openssl(const QStringList& args) {
    QProcess p;
    p.start(QStringLiteral("openssl"), args);
    return p.waitForFinished(60000) && p.exitCode() == 0;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (!ledgrix::bench::inicie(argc, argv))
        return 1;
    QTemporaryDir carpeta;
    const QString c = carpeta.path();
    configuracion_bench.software_id = QStringLiteral("bench");
    configuracion_bench.pin = QStringLiteral("75315");
    configuracion_bench.certificado = c + QStringLiteral("/firma.p12");
    configuracion_bench.clave_certificado = QStringLiteral("bench");
    if (!openssl({"req", "-x509", "-newkey", "rsa:2048", "-nodes", "-days", "2", "-subj",
                  "/CN=Firma de medicion", "-keyout", c + "/firma.key", "-out",
                  c + "/firma.pem"}) ||
        !openssl({"pkcs12", "-export", "-inkey", c + "/firma.key", "-in", c + "/firma.pem", "-out",
                  configuracion_bench.certificado, "-passout", "pass:bench"})) {
        std::fprintf(stderr, "No se pudo crear el certificado de firma con openssl.\n");
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
