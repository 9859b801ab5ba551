// The registry's calls on a company with a realistic volume: a document by
// reference, a document's balance at a past date and a supplier's balance at
// a past date, each as the program sends it (composed text, prepared on every
// call) and as a statement prepared once (the engine's share of the time).
//
// The database: LEDGRIX_BENCH_DB, a company database file or an installation
// folder; by default the installation /tmp/ledgrix-bench, generated on the
// first run (2,000 suppliers x 50 documents) and reused afterwards.
// Medians over repetitions: by default 9 repetitions, aggregates only
// (--benchmark_repetitions and --benchmark_report_aggregates_only override).
// Every answer is checked against the ledger's tables read directly before
// measuring: a wrong id or balance stops that benchmark with an error and
// the program ends with a failure.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <cstdio>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "bench/base_generada.h"
#include "bench/comun.h"
#include "bench/generador/generador.h"
#include "bench/sin_dialogos.h"
#include "core/services/clock.h"
#include "core/sql/runner.h"
#include "core/sql/sqltext.h"
#include "core/tfdm/tfdm.h"
#include "payables/registro_cxp.h"

namespace {

using namespace ledgrix;

struct Referencia {
    int tipo = 0;
    qint64 id = 0;
    QString prefijo, numero, nit;
    QDate fecha;     // the document's date
    QDate consulta;  // a later day to ask at
    Currency saldo;  // its balance that day, from the ledger's tables
    // Today's balance: a lookup by reference answers it, and finds nothing
    // to pay (id 0 through the registry) when it is 0.
    Currency saldo_hoy;
};

struct Proveedor {
    QString nit;
    QDate consulta;
    Currency saldo;
};

struct Muestra {
    std::vector<Referencia> documentos;
    std::vector<Proveedor> proveedores;
    std::string etiqueta;
};

const QString kConexion = QStringLiteral("ledgrix-bench");
Muestra muestra;

QSqlDatabase base() {
    return QSqlDatabase::database(kConexion, false);
}

QString busqueda(const Referencia& r) {
    return QStringLiteral("select * from busca_id_doc_cxpagar(") + sql::number(r.tipo) +
           QStringLiteral(", ") + sql::quoted(r.prefijo) + QStringLiteral(",") +
           sql::quoted(r.numero) + QStringLiteral(", ") + sql::quoted(r.nit) +
           QStringLiteral(", ") + sql::date(r.consulta) + QStringLiteral(",0)");
}
QString saldoDoc(const Referencia& r) {
    return QStringLiteral("select * from saldo_doc_cxpagar(") + sql::number(r.tipo) +
           QStringLiteral(", ") + sql::number(r.id) + QStringLiteral(",") + sql::date(r.consulta) +
           QStringLiteral(",0)");
}
QString saldoTercero(const Proveedor& p) {
    return QStringLiteral("select * from saldo_tercero_cxpagar(") + sql::quoted(p.nit) +
           QStringLiteral(", ") + sql::date(p.consulta) + QStringLiteral(")");
}

bool equivocada = false;

// A wrong answer ends the benchmark and fails the program.
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
Currency idDe(const Referencia& r) {
    return Currency::fromInt(r.id);
}
Currency idPorPagar(const Referencia& r) {
    return r.saldo_hoy.isZero() ? Currency() : idDe(r);
}
Currency saldoDe(const Referencia& r) {
    return r.saldo;
}
Currency saldoDe(const Proveedor& p) {
    return p.saldo;
}

// One call as the program makes it; false when the engine refused it.
bool llamada(const QString& sql, const char* columna, Currency* valor, QString* error) {
    QSqlQuery q(base());
    q.setForwardOnly(true);
    if (!q.exec(sql) || !q.next()) {
        *error = q.lastError().text();
        return false;
    }
    *valor = decimal(q, QString::fromLatin1(columna));
    return true;
}

// `unaTransaccion`: every call inside one transaction, as against the
// driver's own transaction (started and committed) around each statement.
template <typename Lista, typename Texto, typename Esperado>
void comoElPrograma(benchmark::State& state, const Lista& lista, Texto texto, const char* columna,
                    Esperado esperado, bool unaTransaccion = false) {
    std::size_t i = 0;
    QString error;
    if (unaTransaccion)
        base().transaction();
    for (auto _ : state) {
        Currency v;
        const auto& item = lista[i++ % lista.size()];
        if (!llamada(texto(item), columna, &v, &error)) {
            state.SkipWithError(error.toUtf8().constData());
            break;
        }
        if (!compruebe(state, v, esperado(item), columna))
            break;
    }
    if (unaTransaccion)
        base().commit();
    state.SetLabel(muestra.etiqueta);
}

void BM_BuscaIdDoc(benchmark::State& state) {
    comoElPrograma(state, muestra.documentos, busqueda, "ID", idDe);
}
void BM_SaldoDocEnFecha(benchmark::State& state) {
    comoElPrograma(state, muestra.documentos, saldoDoc, "SALDO",
                   [](const Referencia& r) { return saldoDe(r); });
}
void BM_SaldoTerceroEnFecha(benchmark::State& state) {
    comoElPrograma(state, muestra.proveedores, saldoTercero, "SALDO",
                   [](const Proveedor& p) { return saldoDe(p); });
}

// Through the registry service the windows call (`id_doc`, `saldo_doc_cxpagar`).

template <typename Llamada, typename Esperado>
void porElRegistro(benchmark::State& state, Llamada llamada, Esperado esperado) {
    bench::SinDialogos dialogos;
    SystemClock reloj;
    Tfdm dm(dialogos, reloj);
    if (!dm.conecte_compania(base().databaseName(), QStringLiteral("SYSDBA"), QString())) {
        state.SkipWithError("no se pudo abrir la base");
        return;
    }
    RegistroCxp registro(dm);
    std::size_t i = 0;
    for (auto _ : state) {
        const Referencia& r = muestra.documentos[i++ % muestra.documentos.size()];
        if (!compruebe(state, llamada(registro, r), esperado(r), "registro"))
            break;
    }
    state.SetLabel(muestra.etiqueta);
}

void BM_Registro_IdDoc(benchmark::State& state) {
    porElRegistro(
        state,
        [](RegistroCxp& reg, const Referencia& r) {
            return Currency::fromInt(reg.id_doc(r.tipo, r.prefijo, r.numero, r.nit, r.consulta));
        },
        idPorPagar);
}
void BM_Registro_SaldoDoc(benchmark::State& state) {
    porElRegistro(
        state,
        [](RegistroCxp& reg, const Referencia& r) {
            return reg.saldo_doc_cxpagar(r.tipo, r.id, r.consulta);
        },
        [](const Referencia& r) { return saldoDe(r); });
}

void BM_BuscaIdDoc_unaTransaccion(benchmark::State& state) {
    comoElPrograma(state, muestra.documentos, busqueda, "ID", idDe, true);
}
void BM_SaldoDocEnFecha_unaTransaccion(benchmark::State& state) {
    comoElPrograma(
        state, muestra.documentos, saldoDoc, "SALDO",
        [](const Referencia& r) { return saldoDe(r); }, true);
}
void BM_SaldoTerceroEnFecha_unaTransaccion(benchmark::State& state) {
    comoElPrograma(
        state, muestra.proveedores, saldoTercero, "SALDO",
        [](const Proveedor& p) { return saldoDe(p); }, true);
}

// The same procedures through statements prepared once.
void BM_BuscaIdDoc_preparada(benchmark::State& state) {
    QSqlQuery q(base());
    q.setForwardOnly(true);
    q.prepare(QStringLiteral("select * from busca_id_doc_cxpagar(?, ?, ?, ?, ?, 0)"));
    std::size_t i = 0;
    for (auto _ : state) {
        const Referencia& r = muestra.documentos[i++ % muestra.documentos.size()];
        q.bindValue(0, r.tipo);
        q.bindValue(1, r.prefijo);
        q.bindValue(2, r.numero);
        q.bindValue(3, r.nit);
        q.bindValue(4, r.consulta);
        if (!q.exec() || !q.next()) {
            state.SkipWithError(q.lastError().text().toUtf8().constData());
            break;
        }
        const bool bien = compruebe(state, decimal(q, 0), idDe(r), "ID") &&
                          compruebe(state, decimal(q, 1), r.saldo_hoy, "SALDO");
        q.finish();
        if (!bien)
            break;
    }
    state.SetLabel(muestra.etiqueta);
}
void BM_SaldoDocEnFecha_preparada(benchmark::State& state) {
    QSqlQuery q(base());
    q.setForwardOnly(true);
    q.prepare(QStringLiteral("select * from saldo_doc_cxpagar(?, ?, ?, 0)"));
    std::size_t i = 0;
    for (auto _ : state) {
        const Referencia& r = muestra.documentos[i++ % muestra.documentos.size()];
        q.bindValue(0, r.tipo);
        q.bindValue(1, r.id);
        q.bindValue(2, r.consulta);
        if (!q.exec() || !q.next()) {
            state.SkipWithError(q.lastError().text().toUtf8().constData());
            break;
        }
        const bool bien = compruebe(state, decimal(q, 0), r.saldo, "SALDO");
        q.finish();
        if (!bien)
            break;
    }
    state.SetLabel(muestra.etiqueta);
}
void BM_SaldoTerceroEnFecha_preparada(benchmark::State& state) {
    QSqlQuery q(base());
    q.setForwardOnly(true);
    q.prepare(QStringLiteral("select * from saldo_tercero_cxpagar(?, ?)"));
    std::size_t i = 0;
    for (auto _ : state) {
        const auto& p = muestra.proveedores[i++ % muestra.proveedores.size()];
        q.bindValue(0, p.nit);
        q.bindValue(1, p.consulta);
        if (!q.exec() || !q.next()) {
            state.SkipWithError(q.lastError().text().toUtf8().constData());
            break;
        }
        const bool bien = compruebe(state, decimal(q, 0), p.saldo, "SALDO");
        q.finish();
        if (!bien)
            break;
    }
    state.SetLabel(muestra.etiqueta);
}

// The call and its row only: no column description asked of the driver
// (decimal() asks it for the column's scale).
void BM_BuscaIdDoc_sinDescripcion(benchmark::State& state) {
    std::size_t i = 0;
    for (auto _ : state) {
        QSqlQuery q(base());
        q.setForwardOnly(true);
        if (!q.exec(busqueda(muestra.documentos[i++ % muestra.documentos.size()])) || !q.next()) {
            state.SkipWithError(q.lastError().text().toUtf8().constData());
            break;
        }
        const Referencia& r = muestra.documentos[(i - 1) % muestra.documentos.size()];
        if (q.value(0).toLongLong() != r.id) {
            compruebe(state, Currency::fromInt(q.value(0).toLongLong()), idDe(r), "ID");
            break;
        }
    }
    state.SetLabel(muestra.etiqueta);
}

BENCHMARK(BM_Registro_IdDoc)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Registro_SaldoDoc)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_BuscaIdDoc)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_BuscaIdDoc_sinDescripcion)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_BuscaIdDoc_unaTransaccion)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_BuscaIdDoc_preparada)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SaldoDocEnFecha)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SaldoDocEnFecha_unaTransaccion)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SaldoDocEnFecha_preparada)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SaldoTerceroEnFecha)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SaldoTerceroEnFecha_unaTransaccion)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SaldoTerceroEnFecha_preparada)->Unit(benchmark::kMicrosecond);

// ---- The database and the sample. ----------------------------------------------

QString baseDeDatos() {
    const QString env = qEnvironmentVariable("LEDGRIX_BENCH_DB");
    if (!env.isEmpty())
        return QFileInfo(env).isDir() ? generador::baseEmpresa(env) : env;
    const QString ubicacion = QStringLiteral("/tmp/ledgrix-bench");
    const QString archivo = generador::baseEmpresa(ubicacion);
    generador::Parametros p;
    p.ubicacion = ubicacion;
    p.proveedores = 2000;
    p.documentosPorProveedor = 50;
    p.progreso = [](const QString& l) { std::fprintf(stderr, "%s\n", qPrintable(l)); };
    if (!bench::base_generada(p))
        return {};
    return archivo;
}

bool tomeMuestra() {
    std::mt19937_64 rng(7);
    QSqlQuery q(base());
    q.setForwardOnly(true);
    if (!q.exec(QStringLiteral(
            "select (select count(*) from movimiento_proveedor), (select count(*) from "
            "proveedores), "
            "(select count(*) from abonos_proveedor), current_date from rdb$database")) ||
        !q.next()) {
        std::fprintf(stderr, "%s\n", qPrintable(q.lastError().text()));
        return false;
    }
    const QDate hoy = q.value(3).toDate();
    muestra.etiqueta = QStringLiteral("%1 docs, %2 proveedores, %3 abonos")
                           .arg(q.value(0).toLongLong())
                           .arg(q.value(1).toLongLong())
                           .arg(q.value(2).toLongLong())
                           .toStdString();
    // Live documents of the payables types, in random order.
    if (!q.exec(QStringLiteral(
            "select first 4000 mvpr_tiporef, mvpr_idref, mvpr_prefijo, mvpr_numero, terc_nit, "
            "mvpr_fecha from movimiento_proveedor where mvpr_anulado = 'N' and mvpr_tiporef in "
            "(21, 24, 51, 52) order by rand()"))) {
        std::fprintf(stderr, "%s\n", qPrintable(q.lastError().text()));
        return false;
    }
    while (q.next()) {
        Referencia r;
        r.tipo = q.value(0).toInt();
        r.id = q.value(1).toLongLong();
        r.prefijo = q.value(2).toString();
        r.numero = q.value(3).toString();
        r.nit = q.value(4).toString();
        r.fecha = q.value(5).toDate();
        const qint64 dias = std::max<qint64>(0, r.fecha.daysTo(hoy));
        r.consulta = r.fecha.addDays(std::uniform_int_distribution<qint64>(0, dias)(rng));
        muestra.documentos.push_back(r);
    }
    if (!q.exec(QStringLiteral("select first 4000 terc_nit from proveedores order by rand()"))) {
        std::fprintf(stderr, "%s\n", qPrintable(q.lastError().text()));
        return false;
    }
    while (q.next())
        muestra.proveedores.push_back(
            {q.value(0).toString(),
             hoy.addDays(-std::uniform_int_distribution<int>(0, 3 * 365)(rng)),
             {}});
    if (muestra.documentos.empty() || muestra.proveedores.empty()) {
        std::fprintf(stderr, "La base no tiene documentos ni proveedores.\n");
        return false;
    }
    // The right answers, from the ledger's tables: a position is worth its
    // value less what settled it up to the day.
    QSqlQuery d(base()), t(base());
    d.prepare(QStringLiteral(
        "select cast(m.mvpr_valor - coalesce((select sum(a.abpr_valor) from abonos_proveedor a "
        "where a.abpr_tiporef = m.mvpr_tiporef and a.abpr_idref = m.mvpr_idref and "
        "a.abpr_fecha <= ?), 0) as varchar(24)) from movimiento_proveedor m where "
        "m.mvpr_tiporef = ? and m.mvpr_idref = ?"));
    t.prepare(QStringLiteral(
        "select cast((select coalesce(sum(mvpr_valor), 0) from movimiento_proveedor where terc_nit "
        "= ? and mvpr_fecha <= ? and mvpr_tiporef in (21, 24, 51, 52, 55, 57)) - (select "
        "coalesce(sum(abpr_valor), 0) from abonos_proveedor where terc_nit = ? and abpr_fecha "
        "<= ? and abpr_tiporef in (21, 24, 51, 52, 55, 57)) as varchar(24)) from rdb$database"));
    // The first column of a prepared statement run with these values.
    const auto lea = [](QSqlQuery& q, const QVariantList& valores) -> std::optional<Currency> {
        for (int i = 0; i < valores.size(); ++i)
            q.bindValue(i, valores[i]);
        if (!q.exec() || !q.next()) {
            std::fprintf(stderr, "%s\n", qPrintable(q.lastError().text()));
            return std::nullopt;
        }
        const Currency v = Currency::fromText(q.value(0).toString());
        q.finish();
        return v;
    };
    for (auto& r : muestra.documentos) {
        const auto saldo = lea(d, {r.consulta, r.tipo, r.id});
        const auto hoy = lea(d, {QDate(9999, 12, 31), r.tipo, r.id});
        if (!saldo || !hoy)
            return false;
        r.saldo = *saldo;
        r.saldo_hoy = *hoy;
    }
    for (auto& p : muestra.proveedores) {
        const auto saldo = lea(t, {p.nit, p.consulta, p.nit, p.consulta});
        if (!saldo)
            return false;
        p.saldo = *saldo;
    }
    // Warm: every call of the sample once, so the measures see a server
    // that has been working, not a cold cache.
    QString error;
    Currency v;
    for (const auto& r : muestra.documentos)
        if (!llamada(busqueda(r), "SALDO", &v, &error) ||
            !llamada(saldoDoc(r), "SALDO", &v, &error))
            break;
    for (const auto& p : muestra.proveedores)
        if (!llamada(saldoTercero(p), "SALDO", &v, &error))
            break;
    if (!error.isEmpty()) {
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
    if (archivo.isEmpty())
        return 1;
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
    base().close();
    QSqlDatabase::removeDatabase(kConexion);
    if (equivocada)
        std::fprintf(stderr,
                     "El registro dio respuestas equivocadas: vea los errores de arriba.\n");
    return equivocada ? 1 : 0;
}
