// One supplier's statement of account over a year with about 10,000
// documents: the movement procedure's call as the statement window sends
// it, read to the last row with the running balance worked out on the way,
// and the report laid out over those rows for the page (not painted).
// `BM_EstadoCuenta` is all of it; `BM_SoloConsulta` the statement and the
// running balance alone, `BM_SoloMaqueta` the layout over rows already
// read, `BM_SoloDriver` the statement's rows read with the driver alone
// (every value fetched, no dataset), to tell the parts apart.
// `BM_Piso` is the floor under any statement that keeps its call: as many
// rows of the same 26 columns handed out by one PSQL block that only reads
// the ledger by its (NIT, date) index (no join, no sort, no balance), read
// into a dataset as the report reads them.
//
// The database: LEDGRIX_BENCH_DB, an installation folder; by default
// /tmp/ledgrix-estado-cuenta, generated on the first run with one supplier
// and 30,000 documents over three years up to 2025-12-31 (the statement is
// of 2025). Medians over repetitions (9 by default, aggregates only). The
// answer is checked first: the last running balance must be the supplier's
// balance at the period's end.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QPrinter>
#include <QSqlQuery>
#include <QSqlRecord>
#include <cstdio>
#include <memory>
#include <optional>

#include "bench/base_generada.h"
#include "bench/comun.h"
#include "bench/sin_dialogos.h"
#include "core/data/client_dataset.h"
#include "core/services/clock.h"
#include "core/sql/sqltext.h"
#include "core/tfdm/tfdm.h"
#include "reports/impresos/estado_cuenta.h"
#include "reports/motor/reporte.h"

namespace {

using namespace ledgrix;

const QDate kHasta(2025, 12, 31);
const QDate kDesde(2025, 1, 1);

bench::SinDialogos dialogos;
std::unique_ptr<FixedClock> reloj;
std::unique_ptr<Tfdm> dm;
QString nit;

std::unique_ptr<EstadoCuenta> estado() {
    auto e = std::make_unique<EstadoCuenta>(*dm);
    e->criterios.proveedores = {nit, nit};
    e->criterios.desde = kDesde;
    e->criterios.hasta = kHasta;
    return e;
}

Currency ultimo(ClientDataset& f, const char* columna) {
    return f.valueAt(f.recordCount() - 1, f.fieldByName(QString::fromLatin1(columna)).index())
        .value<Currency>();
}

// One run of the statement, as timed: the rows read when `consulta`, and the
// report laid out over them. False (and the benchmark skipped) on failure.
bool corra(benchmark::State& state, EstadoCuenta& e, QPrinter& printer, bool consulta,
           int& paginas) {
    if (consulta && !e.consulte()) {
        state.SkipWithError("sin filas");
        return false;
    }
    std::optional<Reporte> r = e.reporte();
    if (!r) {
        state.SkipWithError("sin reporte");
        return false;
    }
    r->prepare_impresora(printer);
    paginas = r->paginas(printer);
    benchmark::DoNotOptimize(paginas);
    return true;
}

// The whole statement each time, or (`consulta` false) only its layout over
// rows read once before.
void mida(benchmark::State& state, bool consulta) {
    auto e = estado();
    if (!consulta && !e->consulte()) {
        state.SkipWithError("sin filas");
        return;
    }
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    int paginas = 0;
    for (auto _ : state)
        if (!corra(state, *e, printer, consulta, paginas))
            return;
    state.counters["filas"] = e->filas().recordCount();
    state.counters["paginas"] = paginas;
}

void BM_EstadoCuenta(benchmark::State& state) {
    mida(state, true);
}

void BM_SoloMaqueta(benchmark::State& state) {
    mida(state, false);
}

void BM_SoloConsulta(benchmark::State& state) {
    auto e = estado();
    for (auto _ : state) {
        if (!e->consulte()) {
            state.SkipWithError("sin filas");
            return;
        }
        benchmark::DoNotOptimize(ultimo(e->filas(), "SALDOF"));
    }
    state.counters["filas"] = e->filas().recordCount();
}

void BM_SoloDriver(benchmark::State& state) {
    const QString sentencia = estado()->consulta();
    int filas = 0;
    for (auto _ : state) {
        QSqlQuery q(dm->ledgrix());
        q.setForwardOnly(true);
        q.setNumericalPrecisionPolicy(QSql::LowPrecisionDouble);
        if (!q.exec(sentencia)) {
            state.SkipWithError("sin filas");
            return;
        }
        const int columnas = q.record().count();
        for (filas = 0; q.next(); ++filas)
            for (int c = 0; c < columnas; ++c)
                benchmark::DoNotOptimize(q.value(c));
    }
    state.counters["filas"] = filas;
}

// The supplier's first rows of the ledger in the index's order, as many as
// the statement's, each with the statement's 26 columns.
QString bloque_piso(int filas) {
    return QStringLiteral(
               "execute block returns (NIT varchar(20), NOMBRE varchar(60), TELEFONO varchar(40), "
               "CIUDAD varchar(40), CODZONA varchar(2), NOMZONA varchar(60), DV varchar(2), "
               "CODCIUD varchar(5), NOMCIUD varchar(40), INICIAL numeric(15,2), TIPODOC integer, "
               "IDDOC integer, PREFIJO varchar(4), NUMERO varchar(8), FECHA date, CONCEPTO "
               "varchar(60), DEBITO numeric(15,2), CREDITO numeric(15,2), SALDO numeric(15,2), "
               "RTFTE numeric(15,2), RTIVA numeric(15,2), RTICA numeric(15,2), ABONO "
               "numeric(15,2), ARTFTE numeric(15,2), ARTIVA numeric(15,2), ARTICA numeric(15,2)) "
               "as begin NIT = '%1'; NOMBRE = 'Proveedor'; TELEFONO = '6010000000'; CIUDAD = "
               "'BOGOTA'; CODZONA = '01'; NOMZONA = 'Zona'; DV = '1'; CODCIUD = '11001'; NOMCIUD = "
               "'BOGOTA'; INICIAL = 0; for select first %2 MVPR_TIPOREF, MVPR_IDREF, MVPR_PREFIJO, "
               "MVPR_NUMERO, MVPR_FECHA, MVPR_NUMPROV, MVPR_TOTAL, MVPR_VALOR, MVPR_SALDO, "
               "MVPR_RTFTE, MVPR_RTIVA, MVPR_RTICA, MVPR_RCREE, MVPR_DTOF, MVPR_TOTAL, MVPR_VALOR "
               "from MOVIMIENTO_PROVEEDOR where TERC_NIT = '%1' and MVPR_FECHA <= %3 "
               "order by TERC_NIT, MVPR_FECHA into :TIPODOC, :IDDOC, :PREFIJO, "
               ":NUMERO, :FECHA, :CONCEPTO, :DEBITO, :CREDITO, :SALDO, :RTFTE, :RTIVA, :RTICA, "
               ":ABONO, :ARTFTE, :ARTIVA, :ARTICA do suspend; end")
        .arg(nit)
        .arg(filas)
        .arg(sql::date(kHasta));
}

void BM_Piso(benchmark::State& state) {
    // As many rows as the statement has.
    auto e = estado();
    if (!e->consulte()) {
        state.SkipWithError("sin filas");
        return;
    }
    ClientDataset& f = e->filas();
    const int filas = f.recordCount();
    int leidas = 0;
    for (auto _ : state) {
        f.close();
        f.setCommandText(bloque_piso(filas));
        if (!f.open()) {
            state.SkipWithError("sin filas");
            return;
        }
        leidas = f.recordCount();
    }
    state.counters["filas"] = leidas;
}

BENCHMARK(BM_EstadoCuenta)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SoloConsulta)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SoloMaqueta)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SoloDriver)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Piso)->Unit(benchmark::kMillisecond);

bool prepare() {
    const QString env = qEnvironmentVariable("LEDGRIX_BENCH_DB");
    generador::Parametros p;
    p.ubicacion = env.isEmpty() ? QStringLiteral("/tmp/ledgrix-estado-cuenta") : env;
    p.proveedores = 1;
    p.documentosPorProveedor = 30000;
    p.hasta = kHasta;
    if (!bench::base_generada(p))
        return false;
    reloj = std::make_unique<FixedClock>(QDateTime(kHasta, QTime(12, 0)));
    dm = std::make_unique<Tfdm>(dialogos, *reloj);
    if (!dm->conecte_compania(generador::baseEmpresa(p.ubicacion), QStringLiteral("ADMIN"), {})) {
        std::fprintf(stderr, "%s\n", qPrintable(dialogos.ultimo));
        return false;
    }
    dm->cargue_configuracion();
    dm->ctx.usuario = QStringLiteral("ADMIN");
    // The supplier with the most documents in the year: the generated one.
    auto q = dm->sql().select(
        QStringLiteral("select first 1 terc_nit, count(*) from movimiento_proveedor where "
                       "mvpr_fecha between %1 and %2 group by terc_nit order by 2 desc")
            .arg(sql::date(kDesde), sql::date(kHasta)));
    if (!q || !q->next()) {
        std::fprintf(stderr, "La base no tiene documentos en %d.\n", kHasta.year());
        return false;
    }
    nit = q->value(0).toString().trimmed();
    const int documentos = q->value(1).toInt();
    auto e = estado();
    if (!e->consulte()) {
        // A database made before the procedures changed may lack one.
        std::fprintf(stderr, "%s\n%s\n", qPrintable(dialogos.ultimo),
                     qPrintable(e->filas().lastError().message));
        return false;
    }
    const Currency saldof = ultimo(e->filas(), "SALDOF"), saldo = ultimo(e->filas(), "SALDO");
    std::fprintf(stderr, "Proveedor %s: %d documentos y %d filas en %d; saldo %s\n",
                 qPrintable(nit), documentos, e->filas().recordCount(), kHasta.year(),
                 qPrintable(saldo.toString()));
    if (saldof != saldo) {
        std::fprintf(stderr, "El saldo corrido termina en %s y no en %s.\n",
                     qPrintable(saldof.toString()), qPrintable(saldo.toString()));
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    // Laying the report out measures text: fonts, but no screen.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const bool corrio = bench::corra(argc, argv, prepare);
    // The connection goes before the application, also when preparing failed.
    dm.reset();
    return corrio ? 0 : 1;
}
