// A week's payment schedule of 5,000 documents confirmed and sent to the
// bank, as treasury does it: the schedule stored with its lines, the
// database generating one payment voucher per supplier that settles each
// document and writes its bank withdrawal, every voucher posted in both
// books in the same unit, and the supplier-payment file written. Both steps
// are timed together.
//
// The database: LEDGRIX_BENCH_DB, an installation folder; by default
// /tmp/ledgrix-bench-programacion, generated on the first run (2,000
// suppliers x 120 documents, a third of them paid), kept as generated:
// every run works on its own copy, with every supplier given bank data and
// each iteration paying documents no earlier iteration paid.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <vector>

#include "bench/base_generada.h"
#include "bench/comun.h"
#include "bench/generador/generador.h"
#include "bench/sin_dialogos.h"
#include "core/numeracion/numeracion.h"
#include "core/services/clock.h"
#include "core/tfdm/tfdm.h"
#include "payments/programacion/archivo_dispersion.h"
#include "payments/programacion/grabacion_programacion.h"

namespace {

using namespace ledgrix;

constexpr int kDocumentos = 5000;
constexpr int kIteraciones = 5;

QString base;
bench::SinDialogos dialogos(true);
std::unique_ptr<FixedClock> reloj;
// Each iteration's documents, suppliers whole: one voucher per supplier.
std::vector<QList<PagoProgramado>> tandas;
std::vector<double> ms;
int pagos_en_archivo = 0;

void BM_ProgramacionConfirmadaYArchivo(benchmark::State& state) {
    Tfdm dm(dialogos, *reloj);
    if (!dm.conecte_compania(base, QStringLiteral("ADMIN"), {})) {
        state.SkipWithError(qPrintable(dialogos.ultimo));
        return;
    }
    dm.cargue_configuracion();
    dm.ctx.usuario = QStringLiteral("ADMIN");
    QTemporaryDir dir;
    std::size_t siguiente = 0;
    QElapsedTimer t;
    for (auto _ : state) {
        Programacion p;
        p.pref = QStringLiteral("0000");
        p.fecha = reloj->today();
        p.concepto = QStringLiteral("Pagos de la semana");
        p.prefijo_egresos = QStringLiteral("0000");
        p.fecha_egresos = reloj->today();
        p.un_egreso = false;
        p.confirmada = true;
        p.pagos = tandas[siguiente++];
        t.start();
        if (GrabacionProgramacion(dm).grabe(p) == 0) {
            state.SkipWithError(qPrintable(dialogos.ultimo));
            return;
        }
        const auto archivo = ArchivoDispersion(dm).exporte(
            int(p.id), reloj->today(), QStringLiteral("A"), QStringLiteral("PAB"),
            dir.filePath(QStringLiteral("pab%1.txt").arg(siguiente)));
        ms.push_back(double(t.nsecsElapsed()) / 1e6);
        if (!archivo) {
            state.SkipWithError(qPrintable(dialogos.ultimo));
            return;
        }
        pagos_en_archivo = archivo->pagos;
    }
}
BENCHMARK(BM_ProgramacionConfirmadaYArchivo)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(kIteraciones)
    ->Repetitions(1);

bool prepare() {
    reloj = std::make_unique<FixedClock>(QDateTime::currentDateTime());
    base = bench::copia_de_trabajo(
        bench::base_de_pagos(QStringLiteral("/tmp/ledgrix-bench-programacion"), reloj->today()),
        QStringLiteral("programacion"));
    if (base.isEmpty())
        return false;
    Tfdm dm(dialogos, *reloj);
    if (!dm.conecte_compania(base, QStringLiteral("ADMIN"), {})) {
        std::fprintf(stderr, "%s\n", qPrintable(dialogos.ultimo));
        return false;
    }
    dm.cargue_configuracion();
    registre_prefijo(dm, 56);
    // Savings and current accounts alternating, as a real supplier list has.
    if (!dm.sql().execute(QStringLiteral(
            "update PROVEEDORES set PROV_BANCO = '07', PROV_TIPOCTA = iif(mod(cast(TERC_NIT as "
            "bigint), 2) = 0, 'A', 'C'), PROV_CUENTA = substring(TERC_NIT from 1 for 11)"))) {
        std::fprintf(stderr, "%s\n", qPrintable(dialogos.ultimo));
        return false;
    }
    auto q = dm.sql().select(QStringLiteral(
        "select m.terc_nit, m.mvpr_tiporef, m.mvpr_idref, m.mvpr_saldo "
        "from movimiento_proveedor m join terceros t on t.terc_nit = m.terc_nit "
        "where m.mvpr_saldo > 0 and m.mvpr_tiporef in (21, 51) and m.mvpr_moneda = 1 "
        "and t.terc_estado = 'S' and t.terc_prov = 'S' order by m.terc_nit, m.mvpr_fecha"));
    QList<PagoProgramado> tanda;
    QString nit;
    while (q && q->next() && tandas.size() < std::size_t(kIteraciones)) {
        if (q->value(0).toString() != nit) {
            nit = q->value(0).toString();
            if (tanda.size() >= kDocumentos) {
                tandas.push_back(tanda.mid(0, kDocumentos));
                tanda.clear();
            }
        }
        tanda.push_back({q->value(1).toInt(), q->value(2).toLongLong(),
                         Currency::fromVariant(q->value(3)), QStringLiteral("B"),
                         QStringLiteral("BOGCTE"), 73, QStringLiteral("RE")});
    }
    if (tandas.size() < std::size_t(kIteraciones)) {
        std::fprintf(stderr, "Solo hay %zu tandas de %d documentos por pagar.\n", tandas.size(),
                     kDocumentos);
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (!bench::corra(argc, argv, prepare))
        return 1;
    QFile::remove(base);
    std::printf(
        "Programación de %d documentos confirmada (egresos generados y contabilizados) y su "
        "archivo PAB escrito, mediana %.0f ms (%zu corridas, %d pagos en el archivo; objetivo < "
        "10 s)\n",
        kDocumentos, bench::mediana(ms), ms.size(), pagos_en_archivo);
    return ms.empty() ? 1 : 0;
}
