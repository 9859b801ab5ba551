// The first screen of the document searches on a company with a million
// charges, a million discounts and the vouchers that pay them: the default
// listing (newest first), a supplier's name typed from its start and a
// number typed from its start, for charges, discounts and payment vouchers.
// Each search runs through the search's own logic as the window runs it
// (the statement, the first packet of rows read into the list); the texts
// come from documents of the company, a different one each time.
//
// The database: LEDGRIX_BENCH_DB, a company database file or an
// installation folder; by default the installation /tmp/ledgrix-busquedas
// (see README.md for the generator's command). Medians over repetitions (9
// by default, aggregates only); read the `_median` lines.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QDate>
#include <QFileInfo>
#include <QSqlQuery>
#include <cstdio>
#include <memory>
#include <utility>
#include <vector>

#include "bench/comun.h"
#include "bench/generador/generador.h"
#include "bench/sin_dialogos.h"
#include "core/busqueda/busqueda_documentos.h"
#include "core/data/client_dataset.h"
#include "core/services/clock.h"
#include "core/sql/sqltext.h"
#include "core/tfdm/tfdm.h"
#include "payables/busquedas/busqueda_notas.h"
#include "payments/busquedas/busqueda_egresos.h"

namespace {

using namespace ledgrix;

bench::SinDialogos dialogos;
std::unique_ptr<FixedClock> reloj;
std::unique_ptr<Tfdm> dm;

enum class Clase { Cargos, Descuentos, Egresos };
enum class Columna { Fecha, Nombre, Numero };

std::unique_ptr<BusquedaDocumentos> busqueda(Clase c) {
    switch (c) {
        case Clase::Cargos:
            return std::make_unique<BusquedaNotas>(*dm, BusquedaNotas::Clase::Cargo,
                                                   BusquedaNotas::Variante::Documento);
        case Clase::Descuentos:
            return std::make_unique<BusquedaNotas>(*dm, BusquedaNotas::Clase::Descuento,
                                                   BusquedaNotas::Variante::Documento);
        case Clase::Egresos:
            return std::make_unique<BusquedaEgresos>(*dm);
    }
    return {};
}

// The "Buscar por" entry of a column: dates by their label, the supplier by
// his name (a third party's or the payee's), the number.
int columna(const BusquedaDocumentos& b, Columna col) {
    const QStringList etiquetas =
        col == Columna::Fecha ? QStringList{QStringLiteral("Fecha")}
        : col == Columna::Numero
            ? QStringList{QStringLiteral("Número")}
            : QStringList{QStringLiteral("Proveedor"), QStringLiteral("Beneficiario")};
    for (int i = 0; i < b.columnas().size(); ++i)
        if (etiquetas.contains(b.columnas()[i].etiqueta))
            return i;
    return -1;
}

// Texts a user would type: the start of a supplier's name, the number of a
// document he has in hand.
struct Textos {
    std::vector<QString> nombres, numeros;
};
Textos textos[3];
bool mostrada[3][3] = {};

bool lea_textos(Clase c, const QString& sql_nombres, const QString& sql_numeros) {
    Textos& t = textos[int(c)];
    auto q = dm->sql().select(sql_nombres);
    while (q && q->next())
        t.nombres.push_back(q->value(0).toString().left(4));
    q = dm->sql().select(sql_numeros);
    while (q && q->next())
        t.numeros.push_back(q->value(0).toString());
    return !t.nombres.empty() && !t.numeros.empty();
}

// One search as the window runs it: the statement and the first packet of
// rows into the list. The statement is printed once.
void busque(benchmark::State& state, Clase clase, Columna col) {
    const std::unique_ptr<BusquedaDocumentos> b = busqueda(clase);
    const int i_col = columna(*b, col);
    if (i_col < 0) {
        state.SkipWithError("la búsqueda no ofrece esa columna");
        return;
    }
    const Textos& t = textos[int(clase)];
    const std::vector<QString>& lista = col == Columna::Nombre ? t.nombres : t.numeros;
    std::size_t i = 0;
    int leidas = 0;
    for (auto _ : state) {
        const QString texto = col == Columna::Fecha ? QString() : lista[i++ % lista.size()];
        if (!b->busque(i_col, texto, false)) {
            state.SkipWithError(qPrintable(dialogos.ultimo));
            return;
        }
        leidas = b->filas().recordCount();
    }
    state.counters["filas"] = leidas;
    if (std::exchange(mostrada[int(clase)][int(col)], true) == false)
        std::fprintf(stderr, "%s\n", qPrintable(b->sentencia()));
}

#define BUSQUEDA(clase, col)                           \
    void BM_##clase##_##col(benchmark::State& state) { \
        busque(state, Clase::clase, Columna::col);     \
    }                                                  \
    BENCHMARK(BM_##clase##_##col)->Unit(benchmark::kMillisecond)->Iterations(10)

BUSQUEDA(Cargos, Fecha);
BUSQUEDA(Cargos, Nombre);
BUSQUEDA(Cargos, Numero);
BUSQUEDA(Descuentos, Fecha);
BUSQUEDA(Descuentos, Nombre);
BUSQUEDA(Descuentos, Numero);
BUSQUEDA(Egresos, Fecha);
BUSQUEDA(Egresos, Nombre);
BUSQUEDA(Egresos, Numero);

bool prepare() {
    const QString env = qEnvironmentVariable("LEDGRIX_BENCH_DB");
    const QString ruta = env.isEmpty() ? QStringLiteral("/tmp/ledgrix-busquedas") : env;
    const QString base =
        ruta.endsWith(QStringLiteral(".fdb")) ? ruta : generador::baseEmpresa(ruta);
    if (!QFileInfo::exists(base)) {
        std::fprintf(stderr,
                     "No existe %s. Genérela con:\n  ledgrix-generador /tmp/ledgrix-busquedas -p "
                     "20000 -d 130 --mezcla facturas=19,cargos=39,descuentos=42\n",
                     qPrintable(base));
        return false;
    }
    reloj = std::make_unique<FixedClock>(QDateTime::currentDateTime());
    dm = std::make_unique<Tfdm>(dialogos, *reloj);
    if (!dm->conecte_compania(base, QStringLiteral("ADMIN"), {})) {
        std::fprintf(stderr, "%s\n", qPrintable(dialogos.ultimo));
        return false;
    }
    dm->cargue_configuracion();
    dm->ctx.usuario = QStringLiteral("ADMIN");
    // The company was generated up to some day that need not be today: the
    // search's today is its last voucher's day, so the look-back window of
    // the vouchers holds what it holds in a company at work.
    QDate desde;
    {
        auto q = dm->sql().select(QStringLiteral("select max(egre_fecha) from egresos"));
        if (!q || !q->next() || !q->value(0).toDate().isValid()) {
            std::fprintf(stderr, "La base no tiene egresos.\n");
            return false;
        }
        reloj->set(q->value(0).toDate().startOfDay());
        const int dias =
            dm->entero_configurado(QStringLiteral("CAJA"), QStringLiteral("DOCUMENTOS"),
                                   QStringLiteral("NUMERO DE DIAS PARA BUSCAR DOCUMENTOS"))
                .value_or(0);
        desde = reloj->today().addDays(-std::max(dias, 0));
    }
    const QString proveedores = QStringLiteral(
        "select first 200 t.terc_nom from proveedores p join terceros t on t.terc_nit = "
        "p.terc_nit order by rand()");
    auto muestra = [](const char* tabla, const char* numero, const QString& donde) {
        return QStringLiteral("select first 200 %1 from %2 where %3 order by rand()")
            .arg(QLatin1String(numero), QLatin1String(tabla), donde);
    };
    const QString todos = QStringLiteral("1 = 1");
    if (!lea_textos(Clase::Cargos, proveedores,
                    muestra("notas_debito_proveedor", "ndpr_numero", todos)) ||
        !lea_textos(Clase::Descuentos, proveedores,
                    muestra("notas_credito_proveedor", "ncpr_numero", todos)) ||
        !lea_textos(
            Clase::Egresos,
            muestra("egresos", "egre_nomterc", QStringLiteral("egre_fecha >= ") + sql::date(desde)),
            muestra("egresos", "egre_numero",
                    QStringLiteral("egre_fecha >= ") + sql::date(desde)))) {
        std::fprintf(stderr, "La base no tiene documentos de cada clase.\n");
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (!bench::corra(argc, argv, prepare))
        return 1;
    dm.reset();
    return 0;
}
