// The payables reports on a generated company: the whole aging analysis at
// today as the on-screen analysis asks it (every supplier, "where SALDO <> 0",
// read to the last row), a plain walk of the open positions through the same
// index summing per supplier (what the aging cannot beat), and one
// supplier's open documents for random suppliers.
//
// The database: LEDGRIX_BENCH_DB, a company database file or an installation
// folder; by default the installation /tmp/ledgrix-1m (see README.md for the
// generator's command). Medians over repetitions (9 by default, aggregates
// only). The answers are checked before measuring against the ledger's
// tables read directly; a wrong total stops the program with a failure.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QDate>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "bench/comun.h"
#include "bench/generador/generador.h"
#include "core/money/currency.h"
#include "core/sql/sqltext.h"

namespace {

using namespace ledgrix;

const QString kConexion = QStringLiteral("ledgrix-reportes");

struct Proveedor {
    QString nit;
    Currency saldo;  // open today, from the ledger's table
};

struct Muestra {
    QDate hoy;
    Currency total;  // every open position at today
    std::vector<Proveedor> proveedores;
    std::string etiqueta;
} muestra;

// Each run's own time, so the two whole-book readings can be set side by side.
std::vector<double> tiemposAnalisis, tiemposRecorrido;
bool equivocada = false;

QSqlDatabase base() {
    return QSqlDatabase::database(kConexion, false);
}

QString analisis() {
    return QStringLiteral("select * from rep_analisis_cxpagar('0','zz','0','zz',") +
           sql::date(muestra.hoy) + QStringLiteral(",'N','N','N',30,0,'N',0) where SALDO <> 0");
}
// The floor: the open book read straight through, summed per supplier
// (grouped by a sort, the engine's fastest plan for it).
QString recorrido() {
    return QStringLiteral(
               "select terc_nit || '', sum(mvpr_saldo) from posiciones_abiertas "
               "where terc_nit between '0' and 'zz' and mvpr_fecha <= ") +
           sql::date(muestra.hoy) +
           QStringLiteral(" and mvpr_tiporef + 0 in (21, 24, 51, 52, 55, 57) group by 1");
}
QString cxpagarProveedor(const Proveedor& p) {
    return QStringLiteral("select * from cxpagar_proveedor(") + sql::quoted(p.nit) +
           QStringLiteral(", ") + sql::date(muestra.hoy) + QStringLiteral(",0)");
}

// Reads a statement to its last row; the sum of column `columna` and the rows.
bool lea(const QString& sql, int columna, Currency* suma, int* filas, QString* error) {
    QSqlQuery q(base());
    q.setForwardOnly(true);
    if (!q.exec(sql)) {
        *error = q.lastError().text();
        return false;
    }
    *suma = Currency();
    *filas = 0;
    while (q.next()) {
        *suma += Currency::fromText(q.value(columna).toString());
        ++*filas;
    }
    return true;
}

bool compruebe(benchmark::State& state, Currency obtenido, Currency esperado, const char* que) {
    if (obtenido == esperado)
        return true;
    equivocada = true;
    const std::string m = std::string("respuesta equivocada (") + que +
                          "): " + obtenido.toString().toStdString() + " en vez de " +
                          esperado.toString().toStdString();
    state.SkipWithError(m.c_str());
    return false;
}

void todoElLibro(benchmark::State& state, const QString& sql, int columna,
                 std::vector<double>& tiempos, const char* que) {
    QString error;
    for (auto _ : state) {
        QElapsedTimer reloj;
        reloj.start();
        Currency suma;
        int filas = 0;
        if (!lea(sql, columna, &suma, &filas, &error)) {
            state.SkipWithError(error.toUtf8().constData());
            break;
        }
        tiempos.push_back(reloj.nsecsElapsed() / 1e9);
        if (!compruebe(state, suma, muestra.total, que))
            break;
        state.counters["filas"] = filas;
    }
    state.SetLabel(muestra.etiqueta);
}

void BM_AnalisisCompleto(benchmark::State& state) {
    todoElLibro(state, analisis(), 11, tiemposAnalisis, "SALDO del análisis");
}
void BM_RecorridoAbiertos(benchmark::State& state) {
    todoElLibro(state, recorrido(), 1, tiemposRecorrido, "suma de las posiciones abiertas");
}

void BM_CxpagarProveedor(benchmark::State& state) {
    std::size_t i = 0;
    QString error;
    for (auto _ : state) {
        const Proveedor& p = muestra.proveedores[i++ % muestra.proveedores.size()];
        Currency suma;
        int filas = 0;
        if (!lea(cxpagarProveedor(p), 4, &suma, &filas, &error)) {
            state.SkipWithError(error.toUtf8().constData());
            break;
        }
        if (!compruebe(state, suma, p.saldo, "SALDO de cxpagar_proveedor"))
            break;
    }
    state.SetLabel(muestra.etiqueta);
}

// The monthly summary of every supplier, as the monthly movement window
// asks it: the current month (its closing balances are what is open today,
// checked against the ledger) and a month a year back, two years back.
QString movimientoMes(int mesesAtras) {
    const QDate desde = QDate(muestra.hoy.year(), muestra.hoy.month(), 1).addMonths(-mesesAtras);
    return QStringLiteral("select * from movimiento_cxpagar_mes(") + sql::date(desde) +
           QStringLiteral(", ") + sql::date(desde.addMonths(1).addDays(-1)) +
           QStringLiteral(", 0)");
}
void BM_MovimientoMes(benchmark::State& state) {
    const int atras = static_cast<int>(state.range(0));
    QString error;
    for (auto _ : state) {
        Currency suma;
        int filas = 0;
        if (!lea(movimientoMes(atras), 7, &suma, &filas, &error)) {
            state.SkipWithError(error.toUtf8().constData());
            break;
        }
        if (atras == 0 && !compruebe(state, suma, muestra.total, "FINAL del mes"))
            break;
        state.counters["filas"] = filas;
    }
    state.SetLabel(muestra.etiqueta);
}

// The two readings one after the other in each iteration, so that a machine
// shared with other work weighs on both alike: the ratio printed at the end.
std::vector<double> razones;
void BM_AnalisisContraRecorrido(benchmark::State& state) {
    QString error;
    for (auto _ : state) {
        double t[2] = {};
        const QString consultas[2] = {analisis(), recorrido()};
        for (int i = 0; i < 2; ++i) {
            QElapsedTimer reloj;
            reloj.start();
            Currency suma;
            int filas = 0;
            if (!lea(consultas[i], i == 0 ? 11 : 1, &suma, &filas, &error)) {
                state.SkipWithError(error.toUtf8().constData());
                return;
            }
            t[i] = reloj.nsecsElapsed() / 1e9;
        }
        razones.push_back(t[0] / t[1]);
    }
    state.SetLabel(muestra.etiqueta);
}

BENCHMARK(BM_AnalisisCompleto)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RecorridoAbiertos)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CxpagarProveedor)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_AnalisisContraRecorrido)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MovimientoMes)->Arg(0)->Arg(12)->Arg(24)->Unit(benchmark::kMillisecond);

// ---- The database and the sample. ----------------------------------------------

QString baseDeDatos() {
    const QString env = qEnvironmentVariable("LEDGRIX_BENCH_DB", QStringLiteral("/tmp/ledgrix-1m"));
    return QFileInfo(env).isDir() ? generador::baseEmpresa(env) : env;
}

bool tomeMuestra() {
    QSqlQuery q(base());
    q.setForwardOnly(true);
    if (!q.exec(QStringLiteral("select current_date, (select count(*) from movimiento_proveedor), "
                               "(select count(*) from proveedores), "
                               "(select count(*) from posiciones_abiertas) "
                               "from rdb$database")) ||
        !q.next()) {
        std::fprintf(stderr, "%s\n", qPrintable(q.lastError().text()));
        return false;
    }
    muestra.hoy = q.value(0).toDate();
    muestra.etiqueta = QStringLiteral("%1 docs, %2 abiertos, %3 proveedores")
                           .arg(q.value(1).toLongLong())
                           .arg(q.value(3).toLongLong())
                           .arg(q.value(2).toLongLong())
                           .toStdString();
    std::fprintf(stderr, "%s\n", muestra.etiqueta.c_str());

    // The right answers, from the table without the reports' index: what is
    // open today of the payables types, in total and per supplier.
    const QString abiertos = QStringLiteral(
                                 "from movimiento_proveedor where mvpr_saldo + 0 <> 0 and "
                                 "mvpr_anulado = 'N' and mvpr_fecha <= ") +
                             sql::date(muestra.hoy) +
                             QStringLiteral(" and mvpr_tiporef in (21, 24, 51, 52, 55, 57)");
    if (!q.exec(QStringLiteral("select cast(coalesce(sum(mvpr_saldo), 0) as varchar(24)) ") +
                abiertos) ||
        !q.next()) {
        std::fprintf(stderr, "%s\n", qPrintable(q.lastError().text()));
        return false;
    }
    muestra.total = Currency::fromText(q.value(0).toString());
    if (!q.exec(QStringLiteral(
                    "select first 2000 p.terc_nit, cast((select coalesce(sum(mvpr_saldo), 0) ") +
                abiertos +
                QStringLiteral(" and terc_nit = p.terc_nit) as varchar(24)) from proveedores p "
                               "order by rand()"))) {
        std::fprintf(stderr, "%s\n", qPrintable(q.lastError().text()));
        return false;
    }
    while (q.next())
        muestra.proveedores.push_back(
            {q.value(0).toString(), Currency::fromText(q.value(1).toString())});
    if (muestra.proveedores.empty()) {
        std::fprintf(stderr, "La base no tiene proveedores.\n");
        return false;
    }
    // Warm: every supplier of the sample once.
    QString error;
    Currency suma;
    int filas = 0;
    for (const Proveedor& p : muestra.proveedores)
        if (!lea(cxpagarProveedor(p), 4, &suma, &filas, &error)) {
            std::fprintf(stderr, "%s\n", qPrintable(error));
            return false;
        }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);

    if (!bench::inicie(argc, argv))
        return 1;

    const QString archivo = baseDeDatos();
    if (!QFileInfo::exists(archivo)) {
        std::fprintf(stderr,
                     "No existe %s: genérela con ledgrix-generador (vea bench/README.md).\n",
                     qPrintable(archivo));
        return 1;
    }
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QIBASE"), kConexion);
        db.setDatabaseName(archivo);
        db.setUserName(QStringLiteral("SYSDBA"));
        if (!db.open()) {
            std::fprintf(stderr, "%s: %s\n", qPrintable(archivo),
                         qPrintable(db.lastError().text()));
            return 1;
        }
    }
    std::fprintf(stderr, "Base: %s\n", qPrintable(archivo));
    if (!tomeMuestra())
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    const double a = bench::mediana(tiemposAnalisis), r = bench::mediana(tiemposRecorrido);
    if (a > 0 && r > 0)
        std::printf(
            "Mediana: análisis completo %.3f s, recorrido de las posiciones abiertas %.3f s; "
            "razón por pares %.2f\n",
            a, r, bench::mediana(razones));
    base().close();
    QSqlDatabase::removeDatabase(kConexion);
    if (equivocada)
        std::fprintf(stderr,
                     "Los reportes dieron respuestas equivocadas: vea los errores de arriba.\n");
    return equivocada ? 1 : 0;
}
