// Rendering a posted charge whose accounting voucher has 30 lines to PDF,
// through the print logic the charge's print window uses. Medians over 9
// repetitions (read the `_median` line), and the median of the renders timed
// one by one, printed last.
#include <benchmark/benchmark.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>

#include "bench/comun.h"
#include "bench/sin_dialogos.h"
#include "core/services/clock.h"
#include "core/services/paths.h"
#include "core/tfdm/tfdm.h"
#include "output/impresion/familia.h"
#include "output/impresion/impresion_documento.h"
#include "tools/admin/dbsetup/dbsetup.h"

namespace {

using namespace ledgrix;

const QString kUbicacion = QStringLiteral("/tmp/ledgrix-bench-impresion");
constexpr int kCargo = 900;
constexpr int kLineas = 30;

bench::SinDialogos dialogos;
FixedClock reloj{QDateTime(QDate(2022, 9, 21), QTime(10, 0))};
// Reset at the end of main: its connections must close before the
// application object goes.
std::unique_ptr<Tfdm> dm;
std::vector<double> ms_por_pdf;

bool ejecute(const QString& sql) {
    if (dm->sql().execute(sql))
        return true;
    std::fprintf(stderr, "Falló: %s\n", qPrintable(sql));
    return false;
}

// A fresh demo company with one charge, posted, whose ledger voucher is
// widened to 30 lines (the charge's own lines plus balanced pairs).
bool prepare() {
    dbsetup::Options o;
    o.replace = true;
    QDir(kUbicacion).removeRecursively();
    if (const auto r = dbsetup::createDemo(kUbicacion, o); !r.ok) {
        std::fprintf(stderr, "%s\n", qPrintable(r.message));
        return false;
    }
    dm = std::make_unique<Tfdm>(dialogos, reloj);
    dm->setDirectorio(kUbicacion);
    if (!dm->conecte_compania(paths::companyDatabase(kUbicacion, QStringLiteral("001")),
                              QStringLiteral("ADMIN"), QString()) ||
        !dm->conecte_general(paths::generalDatabase(kUbicacion), QStringLiteral("ADMIN"),
                             QString()))
        return false;
    dm->cargue_configuracion();
    dm->ctx.usuario = QStringLiteral("ADMIN");
    if (!ejecute(
            QStringLiteral(
                "insert into NOTAS_DEBITO_PROVEEDOR (NDPR_ID, PREF_PRE, NDPR_NUMERO, NDPR_FECHA, "
                "TERC_NIT, NDPR_CONC, NDPR_MONTO, NDPR_IVAPORC, NDPR_IVAMONTO, NDPR_RTFTEPORC, "
                "NDPR_RTFTEMONTO) values (%1, '0000', '000900', '2022/09/21', '860045678', "
                "'Fletes y bodegaje de septiembre', 1000000, 19, 190000, 2.5, 25000)")
                .arg(kCargo)))
        return false;
    const int interfaz =
        dm->sql()
            .scalar(QStringLiteral("select min(INCP_ID) from INTERFAZ_CXPAGAR where TIDO_COD = 51"))
            .toInt();
    const int idc = dm->sql()
                        .scalar(QStringLiteral("select IDC from CONTABIL_NOTADBPR(%1, %2, 0)")
                                    .arg(kCargo)
                                    .arg(interfaz))
                        .toInt();
    if (idc == 0 ||
        !ejecute(QStringLiteral("execute procedure CONTABILIZA_PENDIENTE(%1)").arg(idc)))
        return false;
    const QVariant consec =
        dm->sql().scalar(QStringLiteral("select ENCO_CONSEC from COMPROBANTE_ENCABEZADO where "
                                        "ENCO_TIPOREF = 51 and ENCO_IDREF = %1")
                             .arg(kCargo));
    const QString cuenta =
        dm->sql()
            .scalar(
                QStringLiteral("select min(CUEN_COD) from CUENTAS where char_length(CUEN_COD) = "
                               "8 and CUEN_COD starting with '5135'"))
            .toString();
    const int tiene =
        dm->sql()
            .scalar(
                QStringLiteral("select count(*) from COMPROBANTE_DETALLE where ENCO_CONSEC = %1")
                    .arg(consec.toInt()))
            .toInt();
    for (int item = tiene + 1; item <= kLineas; ++item) {
        const bool debito = item % 2 == 1 || item == kLineas;
        if (!ejecute(
                QStringLiteral(
                    "insert into COMPROBANTE_DETALLE (ENCO_CONSEC, CODE_ITEM, CUEN_COD, TERC_NIT, "
                    "CODE_CONCEPTO, CODE_DEBITOS, CODE_CREDITOS) values (%1, %2, '%3', "
                    "'860045678', "
                    "'Reclasificación %2', %4, %5)")
                    .arg(consec.toInt())
                    .arg(item + 1000)
                    .arg(cuenta)
                    .arg(debito ? 1000 : 0)
                    .arg(debito ? 0 : 1000)))
            return false;
    }
    return true;
}

void BM_CargoConTreintaLineasAPdf(benchmark::State& state) {
    const MiembroImpresion* miembro = impresion_de_tipo(51);
    int lineas = 0;
    QElapsedTimer t;
    for (auto _ : state) {
        t.start();
        ImpresionDocumento doc(*dm, *miembro, kCargo);
        doc.cargue();
        lineas = static_cast<int>(doc.detalle().size());
        const QString ruta = doc.imprima_pdf();
        ms_por_pdf.push_back(double(t.nsecsElapsed()) / 1e6);
        if (ruta.isEmpty()) {
            state.SkipWithError("no se escribió el PDF");
            break;
        }
    }
    state.SetLabel(std::to_string(lineas) + " filas de detalle");
}
BENCHMARK(BM_CargoConTreintaLineasAPdf)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (!bench::inicie(argc, argv))
        return 1;
    const bool listo = prepare();
    if (listo) {
        benchmark::RunSpecifiedBenchmarks();
        benchmark::Shutdown();
        std::printf("Cargo de %d líneas a PDF, mediana por documento: %.2f ms (%zu documentos)\n",
                    kLineas, bench::mediana(ms_por_pdf), ms_por_pdf.size());
    }
    // The module's connections and the engine's objects go before the
    // application object: destroyed after Qt's teardown they crashed at exit.
    dm.reset();
    return listo ? 0 : 1;
}
