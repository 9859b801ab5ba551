// A charge saved and posted through the charge window's logic, as the user
// does it: supplier, VAT, amount, F2 (id, one apply of the charge, posting
// into the ledger voucher) and the next charge prepared. Once on the
// embedded engine and once through a Firebird server on loopback (started
// with scripts/firebird-servidor.sh when none is listening, and stopped
// again), each save timed on its own; the medians per save are printed last.
//
// The database: LEDGRIX_BENCH_DB, an installation folder; by default the
// installation /tmp/ledgrix-bench-cargos, generated on the first run (2,000
// suppliers x 50 documents) and reused afterwards. Every run adds charges.
// Medians over 9 repetitions unless told otherwise; read the `_median` lines.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QSqlQuery>
#include <cstdio>
#include <random>
#include <vector>

#include "bench/base_generada.h"
#include "bench/comun.h"
#include "bench/generador/generador.h"
#include "bench/servidor.h"
#include "bench/sin_dialogos.h"
#include "core/services/clock.h"
#include "core/services/dialogs.h"
#include "core/tfdm/tfdm.h"
#include "payables/cargos/cargo.h"

namespace {

using namespace ledgrix;

QString ubicacion;
// Answers yes, counts what would have been shown.
bench::SinDialogos dialogos{true};
std::unique_ptr<FixedClock> reloj;
std::unique_ptr<Tfdm> dm;
std::vector<QString> proveedores;

std::vector<double> ms_embebido, ms_servidor;
bench::ServidorLocal servidor_local;

// Saves charges on `base` with a module of its own, closed at the end: the
// engine holds a database file for one process, embedded or server.
void grabe_cargos(benchmark::State& state, const QString& base, const QString& clave,
                  std::vector<double>& tiempos) {
    Tfdm dm(dialogos, *reloj);
    if (!dm.conecte_compania(base, QStringLiteral("ADMIN"), clave)) {
        state.SkipWithError(qPrintable(QStringLiteral("no conecta: ") + dialogos.ultimo));
        return;
    }
    dm.cargue_configuracion();
    dm.ctx.usuario = QStringLiteral("ADMIN");
    Cargo cargo(dm);
    if (!cargo.abra()) {
        state.SkipWithError("no abre");
        return;
    }
    std::mt19937_64 rng(11);
    std::size_t i = 0;
    QElapsedTimer t;
    for (auto _ : state) {
        cargo.cambie_nit(proveedores[i++ % proveedores.size()]);
        cargo.cambie_porcentaje(Cargo::Porcentaje::Iva, Currency::fromInt(19));
        cargo.cambie_monto(
            Currency::fromInt(std::uniform_int_distribution<int>(50000, 5000000)(rng)));
        t.start();
        const bool ok = cargo.grabe();
        tiempos.push_back(double(t.nsecsElapsed()) / 1e6);
        if (!ok) {
            state.SkipWithError(qPrintable(dialogos.ultimo));
            return;
        }
    }
}

void BM_GrabeCargo_embebido(benchmark::State& state) {
    grabe_cargos(state, generador::baseEmpresa(ubicacion), {}, ms_embebido);
}
void BM_GrabeCargo_servidor(benchmark::State& state) {
    if (!servidor_local.asegure()) {
        state.SkipWithError("no se pudo iniciar el servidor Firebird en 127.0.0.1:3050");
        return;
    }
    grabe_cargos(state, QStringLiteral("127.0.0.1:") + generador::baseEmpresa(ubicacion),
                 QStringLiteral("admin"), ms_servidor);
}
BENCHMARK(BM_GrabeCargo_embebido)->Unit(benchmark::kMillisecond)->Iterations(50);
BENCHMARK(BM_GrabeCargo_servidor)->Unit(benchmark::kMillisecond)->Iterations(50);

bool prepare() {
    const QString env = qEnvironmentVariable("LEDGRIX_BENCH_DB");
    ubicacion = env.isEmpty() ? QStringLiteral("/tmp/ledgrix-bench-cargos") : env;
    generador::Parametros p;
    p.ubicacion = ubicacion;
    p.proveedores = 2000;
    p.documentosPorProveedor = 50;
    if (env.isEmpty() && !bench::base_generada(p))
        return false;
    reloj = std::make_unique<FixedClock>(QDateTime::currentDateTime());
    dm = std::make_unique<Tfdm>(dialogos, *reloj);
    const QString usuario = QStringLiteral("ADMIN");
    if (!dm->conecte_compania(generador::baseEmpresa(ubicacion), usuario, {}) ||
        !dm->conecte_general(ubicacion + QStringLiteral("/datos/general.fdb"), usuario, {})) {
        std::fprintf(stderr, "%s\n", qPrintable(dialogos.ultimo));
        return false;
    }
    dm->cargue_configuracion();
    dm->ctx.usuario = usuario;
    auto q = dm->sql().select(QStringLiteral(
        "select first 500 p.terc_nit from proveedores p join terceros t on t.terc_nit = p.terc_nit "
        "where t.terc_estado = 'S' and t.terc_prov = 'S' order by rand()"));
    while (q && q->next())
        proveedores.push_back(q->value(0).toString());
    q.reset();
    dm.reset();
    if (proveedores.empty()) {
        std::fprintf(stderr, "La base no tiene proveedores activos.\n");
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (!bench::corra(argc, argv, prepare))
        return 1;
    servidor_local.libere();
    std::fprintf(stderr, "Mensajes mostrados: %d (%s)\n", dialogos.mensajes,
                 qPrintable(dialogos.ultimo));
    std::printf(
        "Grabar y contabilizar un cargo, mediana por cargo: embebido %.2f ms (%zu cargos, "
        "objetivo < 15 ms), servidor en 127.0.0.1 %.2f ms (%zu cargos, objetivo < 30 ms)\n",
        bench::mediana(ms_embebido), ms_embebido.size(), bench::mediana(ms_servidor),
        ms_servidor.size());
    return ms_embebido.empty() || ms_servidor.empty() ? 1 : 0;
}
