// The printed payables reports: the statement each composes from its
// criteria, the agency rule, refused criteria, and a report printed to PDF
// from a real database and read back.
#include <QDir>
#include <QProcess>

#include "core/data/client_dataset.h"
#include "payables/cargos/cargo.h"
#include "reports/impresos/analisis_impreso.h"
#include "reports/impresos/documentos_proveedor.h"
#include "reports/impresos/relacion_cxpagar.h"
#include "reports/motor/reporte.h"
#include "tests/support/documentos_fixture.h"

namespace ledgrix::test {
namespace {

class ImpresosTest : public DocumentosTest {};

TEST_F(ImpresosTest, CadaReporteComponeSuConsultaDesdeLosCriterios) {
    RelacionCxPagar rel(*dm);
    rel.criterios.corte = QDate(2022, 9, 30);
    EXPECT_EQ(rel.consulta(),
              "select * from rep_cxpagar_proveedor('0','zz','0','zz','2022/09/30','C','N',0,'N',0)"
              " order by NIT, VENCE");
    rel.criterios.proveedores = {QStringLiteral("900123456"), {}};
    rel.criterios.agrupacion = Agrupacion::Grupo;
    rel.criterios.por_nombre = true;
    rel.rangos_vencimiento = true;
    rel.vence_desde = QDate(2022, 1, 1);
    rel.vence_hasta = QDate(2022, 12, 31);
    EXPECT_EQ(rel.consulta(),
              "select * from rep_cxpagar_proveedor('900123456','900123456','0','zz','2022/09/30',"
              "'N','G',0,'N',0) where (VENCE >= '2022/01/01') and (VENCE <= '2022/12/31')"
              " order by CODZONA, NOMBRE, VENCE");
    rel.detalle = false;
    EXPECT_EQ(rel.consulta(),
              "select * from rep_cxpagar_consolidadas  ('900123456','900123456','0','zz',"
              "'2022/09/30','N','G',0,0) where SALDO <> 0 order by  CODZONA,  NOMBRE");
    rel.incluir_sin_saldo = true;
    EXPECT_FALSE(rel.consulta().contains(QStringLiteral("where")));

    AnalisisImpreso ana(*dm);
    EXPECT_EQ(ana.ancho, QStringLiteral("30"));  // from the configuration
    ana.criterios.corte = QDate(2022, 9, 30);
    ana.criterios.grupos = {QStringLiteral("01"), QStringLiteral("05")};
    ana.ancho = QStringLiteral("15");
    ana.por_vencer = true;
    EXPECT_EQ(
        ana.consulta(),
        "select * from rep_analisis_cxpagar ('0','zz','01','05','2022/09/30','N','C','N',15,0,"
        "'S',0) where SALDO <> 0 order by NIT, VENCE");
    ana.solo_vencidos = true;
    EXPECT_TRUE(ana.consulta().contains(QStringLiteral(" where VENCE < '2022/09/30' order by")));
    ana.solo_vencidos = false;
    ana.incluir_sin_cartera = true;
    EXPECT_FALSE(ana.consulta().contains(QStringLiteral("where")));
    ana.detalle = true;
    EXPECT_EQ(ana.nombre_reporte(), QStringLiteral("detallado"));
    EXPECT_EQ(ana.titulo_reporte(),
              QStringLiteral("ANALISIS DE CUENTAS POR PAGAR POR VENCER DETALLADO"));

    DocumentosProveedor doc(*dm);
    doc.comprobante = 3;  // "Pago"
    doc.desde = QDate(2022, 9, 1);
    doc.hasta = QDate(2022, 9, 30);
    doc.criterios.agrupacion = Agrupacion::Ciudad;
    EXPECT_EQ(doc.consulta(),
              "select * from rep_documentos_proveedor(54,'2022/09/01','2022/09/30','0','999999999',"
              "'0','zz','t.terc_nit','N','C','C',0) where ANULADO <> 'S' order by  CODCIUD,  NIT");
    doc.criterios.por_nombre = true;
    doc.anulados = true;
    EXPECT_EQ(doc.consulta(),
              "select * from rep_documentos_proveedor(54,'2022/09/01','2022/09/30','0','ZZ',"
              "'0','zz','t.terc_nom','N','Z','C',0) order by  CODCIUD,  NOMBRE");
}

TEST_F(ImpresosTest, UnUsuarioDeAgenciaSoloVeLaSuya) {
    RelacionCxPagar todas(*dm);
    ASSERT_FALSE(todas.agencias().empty());
    EXPECT_EQ(todas.agencias().front().second, QStringLiteral("Todas"));
    dm->ctx.agencia = 2;
    RelacionCxPagar propia(*dm);
    propia.criterios.agencia = 0;  // whatever the window left there
    EXPECT_TRUE(propia.agencia_fija());
    EXPECT_TRUE(propia.agencias().empty());
    EXPECT_TRUE(propia.consulta().contains(QStringLiteral(",'C','N',2,'N',0)")));
}

TEST_F(ImpresosTest, CriteriosInvalidosSeExplicanSinConsultar) {
    AnalisisImpreso ana(*dm);
    for (const char* ancho : {"abc", "", "-5", "0"}) {
        dialogs.clear();
        ana.ancho = QString::fromLatin1(ancho);
        EXPECT_FALSE(ana.valide()) << ancho;
        EXPECT_TRUE(dialogs.lastError().contains(QStringLiteral("no es un valor entero")));
    }
    ana.ancho = QStringLiteral("30");
    ana.criterios.proveedores.desde = QString(300, QLatin1Char('9'));
    EXPECT_FALSE(ana.valide());
    ana.criterios.proveedores.desde = QStringLiteral("9'; delete from TERCEROS; --");
    ASSERT_TRUE(ana.valide());
    dialogs.clear();
    // Quoted as text: no supplier has such a code, and nothing was run but the report.
    EXPECT_FALSE(ana.consulte());
    EXPECT_EQ(dialogs.texts(QStringLiteral("information")),
              QStringList{QStringLiteral("No hay datos para el reporte.")});
    EXPECT_GT(filas(QStringLiteral("TERCEROS")), 0);

    DocumentosProveedor doc(*dm);
    doc.desde = QDate(2022, 9, 30);
    doc.hasta = QDate(2022, 9, 1);
    EXPECT_FALSE(doc.valide());
    EXPECT_TRUE(dialogs.lastError().contains(QStringLiteral("la fecha final es anterior")));
}

QString texto_pdf(const QString& pdf) {
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

TEST_F(ImpresosTest, ElAnalisisImpresoLlevaLosTramosDelAnchoYElTotal) {
    factura(901, QStringLiteral("F901"), kTransportes, QDate(2022, 6, 1),
            QStringLiteral("1000000"));
    factura(902, QStringLiteral("F902"), kPapeleria, QDate(2022, 9, 1),
            QStringLiteral("250000.50"));
    AnalisisImpreso ana(*dm);
    ana.ancho = QStringLiteral("15");
    ana.detalle = true;
    ana.criterios.titulo = QStringLiteral("Cierre de septiembre");
    ASSERT_TRUE(ana.valide());
    ASSERT_TRUE(ana.consulte()) << dialogs.lastError().toStdString();
    std::optional<Reporte> r = ana.reporte();
    ASSERT_TRUE(r) << dialogs.lastError().toStdString();
    const QString pdf = QDir(inst->dir()).filePath(QStringLiteral("analisis.pdf"));
    ASSERT_TRUE(r->escriba_pdf(pdf)) << r->error().toStdString();
    const QString t = texto_pdf(pdf);
    for (const char* esperado : {"ANALISIS DE CUENTAS POR PAGAR DETALLADO", "Cierre de septiembre",
                                 "0 - 15 dias", "16-30 dias", "31-45 dias", "46 y más dias", "F901",
                                 "F902", "1.000.000,00", "250.000,50"})
        EXPECT_TRUE(t.contains(QString::fromUtf8(esperado))) << esperado << "\n" << t.toStdString();
}

TEST_F(ImpresosTest, CargosGrabadosPorSuVentanaSalenConSuSaldoEnLaRelacion) {
    const QDate hoy = clock.today();
    descuento(700, QStringLiteral("000700"), kTransportes, hoy, QStringLiteral("50000"));
    const auto grabe = [this](const char* monto, bool aplicado) -> qint64 {
        Cargo c(*dm);
        EXPECT_TRUE(c.abra());
        c.cambie_nit(kTransportes);
        c.cambie_porcentaje(Cargo::Porcentaje::Iva, Currency::fromText(QStringLiteral("19")));
        c.cambie_monto(Currency::fromText(QString::fromLatin1(monto)));
        if (aplicado) {
            EXPECT_TRUE(c.aplique_a(Cargo::Aplicable::NotaCredito, QStringLiteral("0000000700")));
        }
        qint64 id = 0;
        c.imprima = [&](qint64 nuevo) { id = nuevo; };
        EXPECT_TRUE(c.grabe()) << dialogs.lastError().toStdString();
        return id;
    };
    const qint64 aplicado = grabe("40000", true);  // 47,600 set against the discount
    const qint64 abierto = grabe("100000", false);
    ASSERT_GT(aplicado, 0);
    ASSERT_GT(abierto, 0);

    RelacionCxPagar rel(*dm);
    rel.criterios.proveedores = {kTransportes, {}};
    ASSERT_TRUE(rel.consulte());
    QStringList filas_relacion;
    for (ClientDataset& f = rel.filas(); !f.eof(); f.next())
        filas_relacion << QStringLiteral("%1:%2:%3")
                              .arg(f.fieldByName(QStringLiteral("TIPO")).asString(),
                                   f.fieldByName(QStringLiteral("ID")).asString(),
                                   f.fieldByName(QStringLiteral("SALDO")).asCurrency().toString());
    filas_relacion.sort();
    EXPECT_EQ(filas_relacion,
              (QStringList{QStringLiteral("51:%1:%2").arg(abierto).arg(saldo(51, abierto, hoy)),
                           QStringLiteral("52:700:-2400.00")}));
    rel.detalle = false;
    ASSERT_TRUE(rel.consulte());
    EXPECT_EQ(rel.filas().fieldByName(QStringLiteral("SALDO")).asCurrency().toString(),
              saldoTercero(kTransportes, hoy));
}

}  // namespace
}  // namespace ledgrix::test
