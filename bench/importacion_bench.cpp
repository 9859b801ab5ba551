// Opening a company from another system's files: 100,000 suppliers, then an
// opening balance for each (charges and one discount in five), imported
// through the import wizard's engine into a fresh demo company, each run on
// a copy of the same database. The time of a run is both files together;
// the target is under 60 s. Three repetitions (each rebuilds the company
// from its copy, not timed); read the `_median` line.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <cstdio>
#include <memory>

#include "bench/comun.h"
#include "bench/sin_dialogos.h"
#include "core/services/clock.h"
#include "core/services/paths.h"
#include "core/tfdm/tfdm.h"
#include "maintenance/importacion/importador.h"
#include "maintenance/importacion/lectura/datos_importacion.h"
#include "maintenance/progreso.h"
#include "tools/admin/dbsetup/dbsetup.h"

namespace {

using namespace ledgrix;
using namespace ledgrix::importacion;

const QString kUbicacion = QStringLiteral("/tmp/ledgrix-bench-importacion");
// LEDGRIX_BENCH_LINEAS gives smaller files, for profiling by hand.
const int kProveedores = qEnvironmentVariableIntValue("LEDGRIX_BENCH_LINEAS") > 0
                             ? qEnvironmentVariableIntValue("LEDGRIX_BENCH_LINEAS")
                             : 100000;

bench::SinDialogos dialogos;
FixedClock reloj{QDateTime(QDate(2022, 9, 21), QTime(10, 0))};
std::unique_ptr<Tfdm> dm;

QString base() {
    return paths::companyDatabase(kUbicacion, QStringLiteral("001"));
}
QString copia() {
    return kUbicacion + QStringLiteral("/limpia.fdb");
}
QString archivo(const char* nombre) {
    return kUbicacion + QLatin1Char('/') + QLatin1String(nombre);
}

bool escriba(const QString& ruta, const std::function<QByteArray(int)>& linea) {
    QFile f(ruta);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    for (int i = 1; i <= kProveedores; ++i)
        f.write(linea(i));
    return true;
}

QByteArray nit(int i) {
    return QByteArray::number(800000000 + i);
}

// A fresh demo company, its copy, and the two files.
bool prepare() {
    dbsetup::Options o;
    o.replace = true;
    QDir(kUbicacion).removeRecursively();
    if (const auto r = dbsetup::createDemo(kUbicacion, o); !r.ok) {
        std::fprintf(stderr, "%s\n", qPrintable(r.message));
        return false;
    }
    if (!QFile::copy(base(), copia()))
        return false;
    const bool proveedores = escriba(archivo("proveedores.txt"), [](int i) {
        return nit(i) + ";Proveedor " + QByteArray::number(i) + " S.A.S.;Calle " +
               QByteArray::number(i % 150) + " No. 10-" + QByteArray::number(i % 99) +
               ";Bogotá D.C.;601555" + QByteArray::number(i % 10000) + ";Contacto " +
               QByteArray::number(i) + ";;;J;;;;;P" + QByteArray::number(i) + ";0" +
               QByteArray::number(1 + i % 2) + ";07;A;" + QByteArray::number(4000000 + i) + "\r\n";
    });
    const bool saldos = escriba(archivo("saldos.txt"), [](int i) {
        const bool cargo = i % 5 != 0;
        return QByteArray(cargo ? "D;IM;" : "C;DI;") + QByteArray::number(i) + ";" +
               QByteArray::number(1 + i % 28) + "/08/2022;" + nit(i) +
               (cargo ? ";30/09/2022" : ";") + ";Saldo inicial;" +
               QByteArray::number(100 + i % 900) + "." + QByteArray::number(100 + i % 900) +
               ",50;;;0;" + QByteArray::number(100 + i % 900) + ".000;0;0;0;0;0;0;0\r\n";
    });
    return proveedores && saldos;
}

bool conecte() {
    dm = std::make_unique<Tfdm>(dialogos, reloj);
    dm->setDirectorio(kUbicacion);
    if (!dm->conecte_compania(base(), QStringLiteral("ADMIN"), QString()))
        return false;
    dm->cargue_configuracion();
    dm->ctx.usuario = QStringLiteral("ADMIN");
    return true;
}

// Notes when the check of the file ends and the write begins.
class Reloj : public Progreso {
  public:
    Reloj() { t_.start(); }
    void avance(int porcentaje, const QString&) override {
        if (porcentaje > 50 && revision_ == 0)
            revision_ = t_.elapsed();
    }
    qint64 revision_ = 0;

  private:
    QElapsedTimer t_;
};

ResultadoImportacion importe(Clase clase, const char* nombre) {
    FormatoArchivo formato;
    formato.separador = QLatin1Char(';');
    Reloj reloj_pasos;
    QElapsedTimer t;
    t.start();
    ResultadoImportacion r =
        Importador(*dm, clase, formato, datos_de(clase)).importe(archivo(nombre), reloj_pasos);
    std::fprintf(stderr, "%s: %.1f s (revisado en %.1f s)\n", nombre, double(t.elapsed()) / 1000,
                 double(reloj_pasos.revision_) / 1000);
    return r;
}

void BM_CienMilProveedoresConSusSaldos(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        dm.reset();
        QFile::remove(base());
        if (!QFile::copy(copia(), base()) || !conecte()) {
            state.SkipWithError("no se pudo reponer la base");
            return;
        }
        state.ResumeTiming();
        for (const auto& [clase, nombre] : {std::pair{Clase::Proveedores, "proveedores.txt"},
                                            std::pair{Clase::SaldosIniciales, "saldos.txt"}}) {
            const ResultadoImportacion r = importe(clase, nombre);
            if (!r.importado() || r.importados != kProveedores) {
                state.SkipWithError(qPrintable(
                    r.mensaje + (r.rechazos.isEmpty() ? QString() : r.rechazos.front().motivo)));
                return;
            }
        }
    }
}
BENCHMARK(BM_CienMilProveedoresConSusSaldos)
    ->Iterations(1)
    ->Repetitions(3)
    ->Unit(benchmark::kSecond)
    ->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const bool ok = bench::corra(argc, argv, prepare);
    dm.reset();
    return ok ? 0 : 1;
}
