// A payment voucher that pays 50 documents, saved and posted through the
// voucher window's logic as the clerk does it: supplier, the documents
// picked one by one (each validated against the registry), the documents
// panel continued, the bank line, F2 (id, one apply of the voucher and its
// lines, the ledger settling each document, the bank's cheque, the posting
// into the ledger voucher) and the next voucher prepared. Only F2 is timed.
// Once on the embedded engine and once through a Firebird server on
// loopback.
//
// The database: LEDGRIX_BENCH_DB, an installation folder; by default
// /tmp/ledgrix-bench-egresos, generated on the first run (2,000 suppliers x
// 120 documents, a third of them already paid) and kept as it was
// generated: every run works on a fresh copy of its company database, so
// runs measure the same volume instead of one grown by the runs before.
// Each voucher settles its supplier's documents in full, so a supplier
// serves once; a run takes 2 x 9 x 30 of them.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QSqlQuery>
#include <cstdio>
#include <vector>

#include "bench/base_generada.h"
#include "bench/comun.h"
#include "bench/generador/generador.h"
#include "bench/servidor.h"
#include "bench/sin_dialogos.h"
#include "core/data/client_dataset.h"
#include "core/services/clock.h"
#include "core/services/dialogs.h"
#include "core/tfdm/tfdm.h"
#include "payments/egresos/egreso.h"
#include "payments/egresos/medios_pago.h"

namespace {

using namespace ledgrix;

constexpr int kDocumentos = 50;

struct Pago {
    QString nit;
    QList<DocumentoSeleccionado> documentos;
};

QString base;  // the run's copy of the company database
// No review, no recovery: every question answered No.
bench::SinDialogos dialogos;
std::unique_ptr<FixedClock> reloj;
std::vector<Pago> pagos;
std::size_t siguiente = 0;
std::vector<double> ms_embebido, ms_servidor;
bench::ServidorLocal servidor_local;

void grabe_egresos(benchmark::State& state, const QString& base, const QString& clave,
                   std::vector<double>& tiempos) {
    Tfdm dm(dialogos, *reloj);
    if (!dm.conecte_compania(base, QStringLiteral("ADMIN"), clave)) {
        state.SkipWithError(qPrintable(QStringLiteral("no conecta: ") + dialogos.ultimo));
        return;
    }
    dm.cargue_configuracion();
    dm.ctx.usuario = QStringLiteral("ADMIN");
    Egreso egreso(dm);
    if (!egreso.abra()) {
        state.SkipWithError("no abre");
        return;
    }
    QElapsedTimer t;
    for (auto _ : state) {
        if (siguiente >= pagos.size()) {
            state.SkipWithError("no quedan proveedores con documentos por pagar");
            return;
        }
        const Pago& pago = pagos[siguiente++];
        egreso.cambie_nit(pago.nit);
        for (const DocumentoSeleccionado& d : pago.documentos)
            egreso.reciba_documento_cxp(d);
        egreso.continue_documentos();
        if (egreso.documentos().recordCount() != pago.documentos.size()) {
            state.SkipWithError(qPrintable(QStringLiteral("líneas: ") + dialogos.ultimo));
            return;
        }
        egreso.medios().abra_banco();
        egreso.medios().continue_banco();
        t.start();
        const bool ok = egreso.grabe();
        tiempos.push_back(double(t.nsecsElapsed()) / 1e6);
        if (!ok) {
            state.SkipWithError(qPrintable(dialogos.ultimo));
            return;
        }
    }
}

void BM_GrabeEgreso50_embebido(benchmark::State& state) {
    grabe_egresos(state, base, {}, ms_embebido);
}
void BM_GrabeEgreso50_servidor(benchmark::State& state) {
    if (!servidor_local.asegure()) {
        state.SkipWithError("no se pudo iniciar el servidor Firebird en 127.0.0.1:3050");
        return;
    }
    grabe_egresos(state, QStringLiteral("127.0.0.1:") + base, QStringLiteral("admin"), ms_servidor);
}
BENCHMARK(BM_GrabeEgreso50_embebido)->Unit(benchmark::kMillisecond)->Iterations(30);
BENCHMARK(BM_GrabeEgreso50_servidor)->Unit(benchmark::kMillisecond)->Iterations(30);

// Suppliers with at least 50 open debt documents in local currency, and
// those documents.
bool prepare() {
    reloj = std::make_unique<FixedClock>(QDateTime::currentDateTime());
    base = bench::copia_de_trabajo(
        bench::base_de_pagos(QStringLiteral("/tmp/ledgrix-bench-egresos"), reloj->today()),
        QStringLiteral("corrida"));
    if (base.isEmpty())
        return false;
    Tfdm dm(dialogos, *reloj);
    if (!dm.conecte_compania(base, QStringLiteral("ADMIN"), {})) {
        std::fprintf(stderr, "%s\n", qPrintable(dialogos.ultimo));
        return false;
    }
    auto q = dm.sql().select(QStringLiteral(
        "select m.terc_nit, m.mvpr_tiporef, m.mvpr_idref, m.mvpr_prefijo, m.mvpr_numero "
        "from movimiento_proveedor m join terceros t on t.terc_nit = m.terc_nit "
        "where m.mvpr_saldo > 0 and m.mvpr_tiporef in (21, 51) and m.mvpr_moneda = 1 "
        "and t.terc_estado = 'S' and t.terc_prov = 'S' order by m.terc_nit, m.mvpr_fecha"));
    Pago actual;
    const auto cierre = [&] {
        if (actual.documentos.size() >= kDocumentos) {
            actual.documentos = actual.documentos.mid(0, kDocumentos);
            pagos.push_back(actual);
        }
    };
    while (q && q->next()) {
        const QString nit = q->value(0).toString();
        if (nit != actual.nit) {
            cierre();
            actual = Pago{nit, {}};
        }
        actual.documentos.push_back({q->value(1).toInt(),
                                     q->value(2).toLongLong(),
                                     q->value(3).toString(),
                                     q->value(4).toString(),
                                     {}});
    }
    cierre();
    std::fprintf(stderr, "%zu proveedores con %d documentos por pagar o más.\n", pagos.size(),
                 kDocumentos);
    return !pagos.empty();
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
        "Grabar y contabilizar un egreso de %d documentos, mediana: embebido %.2f ms (%zu "
        "egresos, objetivo < 60 ms), servidor en 127.0.0.1 %.2f ms (%zu egresos)\n",
        kDocumentos, bench::mediana(ms_embebido), ms_embebido.size(), bench::mediana(ms_servidor),
        ms_servidor.size());
    return ms_embebido.empty() ? 1 : 0;
}
