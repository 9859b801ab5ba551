// The supplier directory, the voucher listings and the withholdings by
// supplier on a real company database: the statement each composes runs for
// every choice that changes it, the rows the choices select, totals checked
// against the document tables, refused criteria, and the printed listing.
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <functional>
#include <memory>

#include "core/data/client_dataset.h"
#include "reports/listados/directorio_proveedores.h"
#include "reports/listados/listado_comprobantes.h"
#include "reports/listados/retencion_proveedor.h"
#include "reports/motor/reporte.h"
#include "tests/reports/motor_apoyo.h"
#include "tests/support/documentos_fixture.h"

namespace ledgrix::test {
namespace {

const QString kImportadora = QStringLiteral("800987654");
const QString kGomez = QStringLiteral("79456123");  // inactive in the demo

using Consecutivo = ListadoComprobantes::Orden;
using Ajuste = std::function<std::unique_ptr<ReporteImpreso>()>;
using D = DirectorioProveedores;
using C = ListadoComprobantes;
using T = RetencionProveedor;

class ListadosImpresosTest : public DocumentosTest {
  protected:
    // Transportes (group 01, Bogotá): charge 200 with VAT and withholdings (Aug 15), discount
    // 201 (Aug 20), both crossed by application 300 (Sep 15). Papelería (01, Medellín): an
    // annulled charge 202 and advance 400 (Aug 25, 25 withheld). Importadora (02, Cali):
    // charge 203 of series "MED" (Aug 18, 5 withheld).
    void SetUp() override {
        DocumentosTest::SetUp();
        cargo(200, QStringLiteral("000200"), kTransportes, QDate(2022, 8, 15),
              QStringLiteral("300"), QStringLiteral("57"));
        descuento(201, QStringLiteral("000201"), kTransportes, QDate(2022, 8, 20),
                  QStringLiteral("50"));
        aplicacion(300, QStringLiteral("000300"), kTransportes, QDate(2022, 9, 15));
        aplicado(300, 1, 52, 201, QStringLiteral("-50"));
        aplicado(300, 2, 51, 200, QStringLiteral("50"));
        cargo(202, QStringLiteral("000202"), kPapeleria, QDate(2022, 8, 16), QStringLiteral("400"));
        anticipo(400, QStringLiteral("000400"), kPapeleria, QDate(2022, 8, 25),
                 QStringLiteral("1000"));
        for (const char* sql :
             {"update NOTAS_DEBITO_PROVEEDOR set NDPR_RTFTEMONTO = 6, NDPR_RTIVAMONTO = 8.55, "
              "NDPR_RTICAMONTO = 1.24 where NDPR_ID = 200",
              "update NOTAS_CREDITO_PROVEEDOR set NCPR_RTFTEMONTO = 1 where NCPR_ID = 201",
              "update NOTAS_DEBITO_PROVEEDOR set NDPR_ANULADO = 'S' where NDPR_ID = 202",
              "update ANTICIPOS_PROVEEDOR set ANPR_RTFTEMONTO = 25 where ANPR_ID = 400",
              "insert into PREFIJOS (TIDO_COD, PREF_PRE, PREF_ACTUAL, SUCU_ID) values (51, "
              "'MED', '000001', 2)",
              "insert into NOTAS_DEBITO_PROVEEDOR (NDPR_ID, PREF_PRE, NDPR_NUMERO, NDPR_FECHA, "
              "TERC_NIT, NDPR_MONTO, NDPR_RTFTEMONTO) values (203, 'MED', '000001', "
              "'2022/08/18', '800987654', 200, 5)"})
            run(QString::fromUtf8(sql));
    }

    // One column of every row the report read, in order.
    static QStringList columna(ReporteImpreso& r, const char* nombre) {
        QStringList valores;
        ClientDataset& f = r.filas();
        for (f.first(); !f.eof(); f.next())
            valores << f.fieldByName(QLatin1String(nombre)).asString().trimmed();
        return valores;
    }

    template <class R, class... A>
    std::unique_ptr<R> reporte(A... a) {
        auto r = std::make_unique<R>(*dm, a...);
        r->criterios.desde = QDate(2022, 8, 1);
        r->criterios.hasta = QDate(2022, 9, 30);
        return r;
    }
    // A report of kind R made and then changed by `cambie`, when called.
    template <class R, class F, class... A>
    Ajuste con(F cambie, A... a) {
        return [this, cambie, a...] {
            std::unique_ptr<ReporteImpreso> r = reporte<R>(a...);
            cambie(static_cast<R&>(*r));
            return r;
        };
    }
};

TEST_F(ListadosImpresosTest, CadaConsultaCompuestaCorreEnLaBase) {
    struct Caso {
        Ajuste cree;
        const char* consulta;  // the statement, from " from " on for the directory
        int filas;
    } casos[] = {
        {con<D>([](D&) {}),
         " from grupos_proveedores g,terceros t, proveedores p where  p.terc_nit >= '0' and "
         "p.terc_nit <= 'zz' and g.grpr_cod =  p.grpr_cod and p.terc_nit = t.terc_nit  and "
         "p.grpr_cod >= '00' and  p.grpr_cod <= 'zz' and terc_estado = 'S' order by t.terc_nit",
         3},
        {con<D>([](D& d) {
             d.criterios.por_nombre = true;
             d.criterios.proveedores = {QStringLiteral("I"), QStringLiteral("T")};
             d.criterios.grupos = {QStringLiteral("01"), {}};
             d.criterios.agrupacion = Agrupacion::Grupo;
             d.incluir_inactivos = true;
         }),
         " from grupos_proveedores g,terceros t, proveedores p where t.terc_nom >= 'I' and  "
         "t.terc_nom <= 'T' and g.grpr_cod =  p.grpr_cod and p.terc_nit = t.terc_nit  and "
         "p.grpr_cod >= '01' and  p.grpr_cod <= '01' order by  p.grpr_cod, t.terc_nom",
         1},
        {con<D>([](D& d) {
             d.criterios.proveedores = {kTransportes, {}};
             d.criterios.agrupacion = Agrupacion::Ciudad;
         }),
         " from grupos_proveedores g,terceros t, proveedores p where  p.terc_nit >= '900123456' "
         "and p.terc_nit <= '900123456' and g.grpr_cod =  p.grpr_cod and p.terc_nit = "
         "t.terc_nit  and p.grpr_cod >= '00' and  p.grpr_cod <= 'zz' and terc_estado = 'S' "
         "order by  t.terc_ciu, t.terc_nit",
         1},
        {con<C>(
             [](C& c) {
                 c.notas_credito = true;
                 c.anticipos = true;
             },
             Consecutivo::Consecutivo),
         "select * from REP_CONSECUTIVOS_CXPAGAR(10,'N','0','ZZ','0','ZZ','N',0) order by "
         "prefijo, numero",
         2},
        {con<C>(
             [](C& c) {
                 c.notas_credito = true;
                 c.anticipos = true;
                 c.detalle = true;
                 c.anulados = true;
                 c.prefijos = {QStringLiteral("0000"), {}};
                 c.numeros = {QStringLiteral("000100"), QStringLiteral("000399")};
                 c.criterios.agencia = 0;
             },
             Consecutivo::Consecutivo),
         "select * from REP_CONSECUTIVOS_CXPAGAR(4,'S','0000','0000','000100','000399','S',0) "
         "order by prefijo, numero",
         2},
        {con<C>(
             [](C& c) {
                 c.notas_debito = true;
                 c.criterios.agencia = 2;
             },
             Consecutivo::Consecutivo),
         "select * from REP_CONSECUTIVOS_CXPAGAR(1,'N','0','ZZ','0','ZZ','N',2) order by "
         "prefijo, numero",
         1},
        {con<C>(
             [](C& c) { c.notas_debito = c.notas_credito = c.aplicaciones = c.anticipos = true; },
             Consecutivo::Cronologico),
         "select * from rep_comprobantes_cxpagar(15,'N','2022/08/01','2022/09/30', '', 'N', 0) "
         "order by fecha",
         5},
        {con<C>(
             [](C& c) {
                 c.notas_debito = true;
                 c.anulados = true;
                 c.prefijos = {QStringLiteral("0000"), {}};
             },
             Consecutivo::Cronologico),
         "select * from rep_comprobantes_cxpagar(1,'N','2022/08/01','2022/09/30', '', 'S', 0) "
         "where PREF >= '0000' and PREF <= '0000' order by fecha",
         2},
        {con<C>(
             [](C& c) {
                 c.detalle = true;
                 c.prefijos = {QStringLiteral("0000"), QStringLiteral("MED")};
             },
             Consecutivo::Cronologico),
         "select * from rep_comprobantes_cxpagar(4,'S','2022/08/01','2022/09/30', '', 'N', 0) "
         "where PREF >= '0000' and PREF <= 'MED' order by fecha",
         2},
        {con<T>([](T&) {}),
         " select * from rep_retencion_proveedor ('0','zz','00','zz','2022/08/01','2022/09/30',"
         "'N','C','N') order by  NIT",
         3},
        {con<T>([](T& t) {
             t.criterios.por_nombre = true;
             t.criterios.agrupacion = Agrupacion::Ciudad;
         }),
         " select * from rep_retencion_proveedor ('0','zz','00','zz','2022/08/01','2022/09/30',"
         "'N','N','C') order by  CODCIUD,  NOMBRE",
         3},
        {con<T>([](T& t) {
             t.detalle = true;
             t.criterios.grupos = {QStringLiteral("02"), QStringLiteral("02")};
             t.criterios.agrupacion = Agrupacion::Grupo;
         }),
         " select * from rep_retencion_proveedor ('0','zz','02','02','2022/08/01','2022/09/30',"
         "'S','C','Z') order by  CODZONA,  NIT",
         1},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.consulta);
        dialogs.clear();
        std::unique_ptr<ReporteImpreso> r = c.cree();
        QString sql = r->consulta();
        if (dynamic_cast<DirectorioProveedores*>(r.get()))
            sql = sql.mid(sql.indexOf(QStringLiteral(" from ")));
        EXPECT_EQ(sql, QString::fromUtf8(c.consulta));
        ASSERT_TRUE(r->valide()) << dialogs.lastError().toStdString();
        EXPECT_TRUE(r->consulte()) << dialogs.lastError().toStdString();
        EXPECT_EQ(r->filas().recordCount(), c.filas);
    }
}

TEST_F(ListadosImpresosTest, LasCasillasEscogenLosComprobantesYLosProveedores) {
    // Discounts and advances: mask 10; with the detail only the application's lines.
    auto c = reporte<ListadoComprobantes>(Consecutivo::Consecutivo);
    c->notas_credito = c->anticipos = true;
    ASSERT_TRUE(c->consulte());
    EXPECT_EQ(columna(*c, "TIPO"), (QStringList{"52", "55"}));
    c->detalle = true;
    ASSERT_TRUE(c->consulte());
    QStringList lineas = columna(*c, "NUMDOC");
    lineas.sort();
    EXPECT_EQ(lineas, (QStringList{"000200", "000201"}));
    // Annulled ones only when asked for, and then marked and left out of the totals.
    c->detalle = c->notas_credito = c->anticipos = false;
    c->notas_debito = c->anulados = true;
    ASSERT_TRUE(c->consulte());
    EXPECT_EQ(columna(*c, "NUMERO"), (QStringList{"000200", "000202", "000001"}));
    EXPECT_EQ(columna(*c, "MARCA"), (QStringList{"", "ANULADO", ""}));
    EXPECT_EQ(columna(*c, "MONTO_VIGENTE"), (QStringList{"300.00", "0.00", "200.00"}));

    // By name A..B: names from A up to "B" itself; "BANCO ..." sorts after B.
    run(
        QStringLiteral("update TERCEROS set TERC_NOM = 'Andina Papeles' where TERC_NIT = "
                       "'860045678'"));
    run(QStringLiteral(
        "update TERCEROS set TERC_NOM = 'BANCO DEL NORTE' where TERC_NIT = '900123456'"));
    run(QStringLiteral("update TERCEROS set TERC_NOM = 'B' where TERC_NIT = '800987654'"));
    auto d = reporte<DirectorioProveedores>();
    d->criterios.por_nombre = true;
    d->criterios.proveedores = {QStringLiteral("A"), QStringLiteral("B")};
    ASSERT_TRUE(d->consulte());
    EXPECT_EQ(columna(*d, "TERC_NOM"), (QStringList{"Andina Papeles", "B"}));

    // The inactive supplier only with "Incluir inactivos".
    d->criterios.por_nombre = false;
    d->criterios.proveedores = {};
    ASSERT_TRUE(d->consulte());
    EXPECT_FALSE(columna(*d, "TERC_NIT").contains(kGomez));
    d->incluir_inactivos = true;
    ASSERT_TRUE(d->consulte());
    EXPECT_TRUE(columna(*d, "TERC_NIT").contains(kGomez));
    EXPECT_EQ(d->nombre_reporte(), QStringLiteral("dirclientes"));
    d->agenda = true;
    EXPECT_EQ(d->nombre_reporte(), QStringLiteral("agendacli"));
}

TEST_F(ListadosImpresosTest, LasRetencionesSumanLasDeLosDocumentos) {
    // What each supplier's documents of the period withheld, read from their own tables; a
    // discount gives it back and an annulled document withholds nothing.
    const auto de_tablas = [this](const QString& nit, const char* columna) {
        QStringList partes;
        for (const auto& [tabla, p, signo] : {std::tuple{"NOTAS_DEBITO_PROVEEDOR", "NDPR", ""},
                                              std::tuple{"NOTAS_CREDITO_PROVEEDOR", "NCPR", "-"},
                                              std::tuple{"ANTICIPOS_PROVEEDOR", "ANPR", ""}})
            partes << QStringLiteral(
                          "select %1%2_%3 R from %4 where TERC_NIT = '%5' and %2_ANULADO = 'N' "
                          "and %2_FECHA between '2022/08/01' and '2022/09/30'")
                          .arg(QLatin1String(signo), QLatin1String(p), QLatin1String(columna),
                               QLatin1String(tabla), nit);
        return texto(QStringLiteral("select cast(coalesce(sum(R), 0) as varchar(20)) from (%1)")
                         .arg(partes.join(QStringLiteral(" union all "))));
    };
    auto consolidado = reporte<RetencionProveedor>();
    ASSERT_TRUE(consolidado->consulte());
    auto detallado = reporte<RetencionProveedor>();
    detallado->detalle = true;
    ASSERT_TRUE(detallado->consulte());
    const QStringList nits = columna(*consolidado, "NIT");
    ASSERT_EQ(nits, (QStringList{kImportadora, kPapeleria, kTransportes}));
    const QStringList det_nits = columna(*detallado, "NIT");
    for (const auto& [col, tabla] :
         {std::pair{"RTFTE", "RTFTEMONTO"}, std::pair{"RTIVA", "RTIVAMONTO"}}) {
        const QStringList totales = columna(*consolidado, col);
        const QStringList lineas = columna(*detallado, col);
        for (int i = 0; i < nits.size(); ++i) {
            SCOPED_TRACE(QStringLiteral("%1 %2").arg(nits[i], QLatin1String(col)).toStdString());
            EXPECT_EQ(totales[i], de_tablas(nits[i], tabla));
            Currency suma;
            for (int j = 0; j < det_nits.size(); ++j)
                if (det_nits[j] == nits[i])
                    suma += Currency::fromText(lineas[j]);
            EXPECT_EQ(suma.toString(), totales[i]);
        }
    }
}

TEST_F(ListadosImpresosTest, CriteriosHostilesONadaQueListar) {
    // Nothing ticked: refused before anything runs.
    auto c = reporte<ListadoComprobantes>(Consecutivo::Cronologico);
    EXPECT_FALSE(c->valide());
    EXPECT_TRUE(dialogs.lastError().contains(QStringLiteral("Marque al menos una clase")));
    c->anticipos = true;
    c->prefijos.desde = QString(300, QLatin1Char('Z'));
    EXPECT_FALSE(c->valide());
    c->prefijos.desde = QStringLiteral("0000");
    c->criterios.desde = QDate(2022, 10, 1);
    EXPECT_FALSE(c->valide());

    auto d = reporte<DirectorioProveedores>();
    d->criterios.proveedores.hasta = QString(41, QLatin1Char('9'));
    EXPECT_FALSE(d->valide());
    // Quotes are text to compare: nothing matches and the tables are whole.
    for (const char* hostil : {"O'Brien", "zz' or '1'='1", "0'; delete from TERCEROS; --"}) {
        SCOPED_TRACE(hostil);
        dialogs.clear();
        d->criterios.por_nombre = true;
        d->criterios.proveedores = {QString::fromUtf8(hostil), QString::fromUtf8(hostil)};
        ASSERT_TRUE(d->valide());
        EXPECT_FALSE(d->consulte());
        EXPECT_EQ(dialogs.texts(QStringLiteral("information")),
                  QStringList{QStringLiteral("No hay datos para el reporte.")});
        EXPECT_TRUE(dialogs.errors().isEmpty()) << dialogs.lastError().toStdString();
    }
    EXPECT_EQ(filas(QStringLiteral("PROVEEDORES")), 4);
}

// Every report of the three layouts prints over real rows: a column the
// layout names and the rows lack would stop it.
TEST_F(ListadosImpresosTest, CadaReporteDeLosListadosSeImprime) {
    struct Caso {
        Ajuste cree;
        QStringList esperado;
    } casos[] = {
        {con<D>([](D& d) { d.agenda = true; }),
         {"AGENDA DE PROVEEDORES", "facturas@transnorte.example", "Proveedores:  3"}},
        {con<D>([](D& d) { d.criterios.agrupacion = Agrupacion::Ciudad; }),
         {"DIRECTORIO DE PROVEEDORES", "Ciudad: Medellín", "Carrera 50 No. 12-30", "4,14"}},
        // The annulled charge of 400 is marked and left out of the 500 of the other two.
        {con<C>([](C& c) { c.notas_debito = c.anulados = true; }, Consecutivo::Consecutivo),
         {"COMPROBANTES EN ORDEN CONSECUTIVO", "ANULADO", "TOTAL GENERAL (sin anulados)",
          "Comprobantes:  3  500,00"}},
        {con<C>([](C& c) { c.detalle = true; }, Consecutivo::Consecutivo),
         {"CONSECUTIVO DETALLADO", "000201  -50,00", "000200  50,00"}},
        {con<C>([](C& c) { c.notas_credito = c.anticipos = true; }, Consecutivo::Cronologico),
         {"COMPROBANTES EN ORDEN CRONOLÓGICO", "000201", "000400", "1.050,00  0,00  26,00"}},
        {con<C>([](C& c) { c.detalle = true; }, Consecutivo::Cronologico),
         {"CRONOLÓGICO DETALLADO", "000300"}},
        {con<T>([](T& t) { t.criterios.agrupacion = Agrupacion::Ciudad; }),
         {"RETENCIONES POR PROVEEDOR", "Total ciudad 05001", "TOTAL GENERAL"}},
    };
    int n = 0;
    for (const Caso& c : casos) {
        std::unique_ptr<ReporteImpreso> r = c.cree();
        SCOPED_TRACE(r->nombre_reporte().toStdString());
        ASSERT_TRUE(r->consulte()) << dialogs.lastError().toStdString();
        std::optional<Reporte> rep = r->reporte();
        ASSERT_TRUE(rep) << dialogs.lastError().toStdString();
        const QString pdf = QDir(inst->dir()).filePath(QStringLiteral("listado%1.pdf").arg(++n));
        ASSERT_TRUE(rep->escriba_pdf(pdf)) << rep->error().toStdString();
        const QString t =
            prueba::paginas_pdf(pdf)
                .join(QLatin1Char('\n'))
                .replace(QRegularExpression(QStringLiteral(" {2,}")), QStringLiteral("  "));
        for (const QString& e : c.esperado)
            EXPECT_TRUE(t.contains(e)) << e.toStdString() << "\n" << t.toStdString();
    }
}

// The detailed withholdings as printed, compared line by line with the
// stored text.
TEST_F(ListadosImpresosTest, RetencionesDetalladasImpresas) {
    auto r = reporte<RetencionProveedor>();
    r->detalle = true;
    r->criterios.agrupacion = Agrupacion::Grupo;
    r->criterios.titulo = r->titulo_predeterminado();
    ASSERT_TRUE(r->consulte());
    std::optional<Reporte> rep = r->reporte();
    ASSERT_TRUE(rep) << dialogs.lastError().toStdString();
    const QString pdf = QDir(inst->dir()).filePath(QStringLiteral("retenciones.pdf"));
    ASSERT_TRUE(rep->escriba_pdf(pdf)) << rep->error().toStdString();
    EXPECT_TRUE(prueba::como_el_dorado(pdf, QStringLiteral("retenciones_detallado.txt")));
}

}  // namespace
}  // namespace ledgrix::test
