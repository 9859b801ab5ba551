// The supplier movement and statement reports on a real company database:
// the running balance lands on the relation's balance at the period's end
// whatever the withholding setting reads, suppliers with nothing in the
// period are left out, the statement keeps NIT order, refused criteria, the
// statement printed to PDF against a stored text, and one PDF per supplier.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <map>
#include <memory>

#include "core/data/client_dataset.h"
#include "core/services/clock.h"
#include "reports/impresos/estado_cuenta.h"
#include "reports/impresos/movimiento_proveedor.h"
#include "reports/motor/reporte.h"
#include "tests/reports/motor_apoyo.h"
#include "tests/reports/movimiento_fixture.h"

namespace ledgrix::test {
namespace {

const QDate kAgo1(2022, 8, 1), kSep20(2022, 9, 20);

class MovimientoImpresoTest : public MovimientoTest {
  protected:
    // Besides Transportes' movement: the importer, renamed to sort last by name, a charge in
    // the period. Papelería: nothing before or in the period.
    void SetUp() override {
        MovimientoTest::SetUp();
        cargo(202, QStringLiteral("000202"), kExterior, QDate(2022, 9, 1), QStringLiteral("80"));
        run(
            QStringLiteral("update TERCEROS set TERC_NOM = 'Zeta Importadora' where TERC_NIT = "
                           "'800987654'"));
        dialogs.clear();
    }

    template <class R>
    void periodo(R& r, const QString& desde, const QString& hasta) {
        r.criterios.proveedores = {desde, hasta};
        r.criterios.desde = kAgo1;
        r.criterios.hasta = kSep20;
    }
    double aging(const QString& nit) {
        return texto(QStringLiteral("select sum(SALDO) from rep_analisis_cxpagar(%1,%1,'0','zz',"
                                    "'2022/09/20','S','C','N',30,0,'N',0)")
                         .arg(sql::quoted(nit)))
            .toDouble();
    }
    static QString columna(ClientDataset& f, int fila, const char* c) {
        return f.valueAt(fila, f.fieldByName(QString::fromLatin1(c)).index()).toString();
    }
    static double monto(ClientDataset& f, int fila, const char* c) {
        return f.valueAt(fila, f.fieldByName(QString::fromLatin1(c)).index())
            .value<Currency>()
            .toDouble();
    }
};

// The procedure and the window must read the setting alike: a missing or
// lower-case value is "no" for both, or the running balance misses by the
// withholdings taken when the documents were recorded.
TEST_F(MovimientoImpresoTest, SaldoCorridoTerminaEnElSaldoDeLaRelacion) {
    struct Caso {
        const char* valor;  // nullptr: the setting is missing
        const char* debito_cargo;
    } casos[] = {{"SI", "357"}, {"NO", "344"}, {"si", "344"}, {nullptr, "344"}};
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.valor ? c.valor : "(sin configurar)");
        if (c.valor)
            configure(kRetenciones, QString::fromLatin1(c.valor));
        else
            run(QStringLiteral("delete from CONFIGURACION where CONF_PROPIEDAD = ") +
                sql::quoted(kRetenciones));
        dm->cargue_configuracion();
        for (const bool detalle : {true, false}) {
            MovimientoProveedor r(*dm);
            periodo(r, {}, {});
            r.detalle = detalle;
            ASSERT_TRUE(r.valide());
            ASSERT_TRUE(r.consulte()) << dialogs.lastError().toStdString();
            ClientDataset& f = r.filas();
            std::map<QString, double> ultimo;
            QStringList debitos;
            for (int i = 0; i < f.recordCount(); ++i) {
                ultimo[columna(f, i, "NIT")] = monto(f, i, "SALDOF");
                EXPECT_DOUBLE_EQ(monto(f, i, "SALDO"), relacion(columna(f, i, "NIT"), kSep20));
                if (columna(f, i, "TIPODOC") == u"51")
                    debitos << QString::number(monto(f, i, "DEBITO"));
            }
            // Papelería had nothing in the period: its row of zeros is not listed.
            EXPECT_EQ(ultimo.count(kPapeleria), 0u);
            ASSERT_EQ(ultimo.count(kTransportes), 1u);
            for (const auto& [nit, saldof] : ultimo) {
                SCOPED_TRACE(nit.toStdString());
                EXPECT_NEAR(saldof, relacion(nit, kSep20), 0.001);
                EXPECT_NEAR(saldof, aging(nit), 0.001);
            }
            if (detalle) {
                EXPECT_EQ(debitos, (QStringList{"80", QString::fromLatin1(c.debito_cargo)}));
            }
            // Running the statement again starts the balance over.
            ASSERT_TRUE(r.consulte());
            ClientDataset& g = r.filas();
            EXPECT_NEAR(monto(g, g.recordCount() - 1, "SALDOF"),
                        relacion(columna(g, g.recordCount() - 1, "NIT"), kSep20), 0.001);
        }
    }
    EXPECT_EQ(relacion(kTransportes, kSep20), 1190 - 525 + 344 - 48);
}

TEST_F(MovimientoImpresoTest, EstadoDeCuentaSiempreDetalladoYPorNit) {
    EstadoCuenta e(*dm);
    periodo(e, kExterior, kTransportes);
    e.criterios.por_nombre = true;
    e.criterios.agrupacion = Agrupacion::Grupo;
    e.criterios.grupos = {QStringLiteral("05"), QStringLiteral("05")};
    EXPECT_EQ(e.consulta(),
              " select * from rep_movimiento_proveedor ('800987654','900123456','00','zz',"
              "'2022/08/01','2022/09/20','S','C','N',0 ,0)");
    ASSERT_TRUE(e.valide());
    ASSERT_TRUE(e.consulte());
    QStringList nits;
    for (int i = 0; i < e.filas().recordCount(); ++i)
        if (nits.isEmpty() || nits.last() != columna(e.filas(), i, "NIT"))
            nits << columna(e.filas(), i, "NIT");
    EXPECT_EQ(nits, (QStringList{kExterior, kPapeleria, kTransportes}));

    MovimientoProveedor m(*dm);
    periodo(m, {}, {});
    m.criterios.por_nombre = true;
    m.criterios.agrupacion = Agrupacion::Ciudad;
    EXPECT_TRUE(m.consulta().endsWith(
        "'N','N','C',0,0) where DEBITO <> 0 OR CREDITO <> 0 OR SALDO <> 0 OR ABONO <> 0"
        " order by  CODCIUD,  NOMBRE, FECHA"));
}

TEST_F(MovimientoImpresoTest, CriteriosRechazadosYSinDatos) {
    const QString sin_datos = QStringLiteral("No hay datos para el reporte.");
    struct Caso {
        QString desde;
        QDate inicio, fin;
        QString observaciones;
        QString error;                    // refused before running
        bool hay_movimiento, hay_estado;  // rows found by each
    } casos[] = {
        {{}, kSep20, kAgo1, {}, "La fecha final del periodo es anterior a la fecha inicial."},
        {QString(41, u'9'), kAgo1, kSep20, {}, "El proveedor inicial"},
        {{}, kAgo1, kSep20, QString(251, u'x'), "Las observaciones no pueden pasar de 250", true},
        // Quotes travel as text: no supplier has such a NIT.
        {"9' or '1'='1", kAgo1, kSep20, {}, {}, false, false},
        // The statement lists every supplier of the range, the movement only those
        // with something in the period.
        {kPapeleria, kAgo1, kSep20, {}, {}, false, true},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.desde.toStdString() + " " + c.error.toStdString());
        for (const bool estado : {false, true}) {
            dialogs.clear();
            std::unique_ptr<MovimientoProveedor> r;
            if (estado) {
                auto e = std::make_unique<EstadoCuenta>(*dm);
                e->observaciones = c.observaciones;
                r = std::move(e);
            } else {
                r = std::make_unique<MovimientoProveedor>(*dm);
            }
            r->criterios.proveedores = {c.desde, {}};
            r->criterios.desde = c.inicio;
            r->criterios.hasta = c.fin;
            if (!c.error.isEmpty() && (estado || c.observaciones.isEmpty())) {
                EXPECT_FALSE(r->valide());
                ASSERT_EQ(dialogs.errors().size(), 1);
                EXPECT_TRUE(dialogs.lastError().startsWith(c.error));
                continue;
            }
            ASSERT_TRUE(r->valide());
            const bool hay = estado ? c.hay_estado : c.hay_movimiento;
            EXPECT_EQ(r->consulte(), hay);
            EXPECT_EQ(dialogs.texts(QStringLiteral("information")),
                      hay ? QStringList{} : QStringList{sin_datos});
        }
    }
}

TEST_F(MovimientoImpresoTest, EstadoDeCuentaImpresoYUnPdfPorProveedor) {
    QTemporaryDir tmp(prueba::carpeta_temporal() + QStringLiteral("/estado-XXXXXX"));
    ASSERT_TRUE(tmp.isValid());
    EstadoCuenta e(*dm);
    periodo(e, kTransportes, {});
    e.criterios.titulo = QStringLiteral("Agosto y septiembre");
    e.observaciones = QStringLiteral("Favor confirmar el saldo antes del 30.");
    ASSERT_TRUE(e.valide());
    ASSERT_TRUE(e.consulte());
    std::optional<Reporte> r = e.reporte();
    ASSERT_TRUE(r.has_value()) << dialogs.lastError().toStdString();
    const QString pdf = tmp.filePath(QStringLiteral("estado.pdf"));
    ASSERT_TRUE(r->escriba_pdf(pdf)) << r->error().toStdString();
    EXPECT_TRUE(prueba::como_el_dorado(pdf, QStringLiteral("estado_cuenta.txt")));

    // A range prints each supplier's statement on its own page.
    periodo(e, kExterior, kTransportes);
    ASSERT_TRUE(e.consulte());
    r = e.reporte();
    ASSERT_TRUE(r.has_value() && r->escriba_pdf(pdf));
    const QStringList paginas = prueba::paginas_pdf(pdf);
    ASSERT_EQ(paginas.size(), 3);
    for (int i = 0; i < 3; ++i)
        EXPECT_TRUE(paginas[i].contains((QStringList{kExterior, kPapeleria, kTransportes})[i]));

    // The batch: every supplier of the range on its own file, named by NIT and period.
    const std::optional<QStringList> escritos = e.escriba_por_proveedor(tmp.path());
    ASSERT_TRUE(escritos.has_value()) << dialogs.lastError().toStdString();
    QStringList nombres;
    for (const QString& ruta : *escritos) {
        nombres << QFileInfo(ruta).fileName();
        const QStringList paginas = prueba::paginas_pdf(ruta);
        ASSERT_EQ(paginas.size(), 1) << ruta.toStdString();
        const QString nit = QFileInfo(ruta).fileName().section(u' ', 0, 0);
        for (const QString& otro : {kExterior, kPapeleria, kTransportes})
            EXPECT_EQ(paginas[0].contains(otro), otro == nit) << ruta.toStdString();
        EXPECT_TRUE(paginas[0].contains(QStringLiteral("ESTADO DE CUENTA")));
    }
    EXPECT_EQ(nombres,
              (QStringList{"800987654 20220801-20220920.pdf", "860045678 20220801-20220920.pdf",
                           "900123456 20220801-20220920.pdf"}));
    // A folder that cannot be written leaves nothing behind and says so.
    dialogs.clear();
    EXPECT_FALSE(e.escriba_por_proveedor(tmp.filePath(QStringLiteral("no/existe"))).has_value());
    EXPECT_EQ(dialogs.errors().size(), 1);
}

}  // namespace
}  // namespace ledgrix::test
