// Supplier evaluation on a demo company: the weighted grades shown, the rows
// refused, the access that guards storing, the criteria's weights and the
// rating's print request.
#include <gtest/gtest.h>

#include "core/data/client_dataset.h"
#include "parties/evaluacion/calificacion.h"
#include "parties/evaluacion/criterios.h"
#include "tests/support/module_fixture.h"

namespace ledgrix::test {
namespace {

// Demo: four criteria weighing 40, 30, 20 and 10; the carrier is rated 90 on
// criterion 1 and 75 on criterion 2.
const QString kTransportes = QStringLiteral("900123456");
const QString kPapeleria = QStringLiteral("860045678");

QString S(const char* s) {
    return QString::fromUtf8(s);
}

class EvaluacionTest : public ModuleTest {
  protected:
    void SetUp() override {
        ModuleTest::SetUp();
        conecte();
        dm->ctx.es_administrador = true;
    }
    static Field& f(ClientDataset& ds, const char* nombre) {
        return ds.fieldByName(QString::fromLatin1(nombre));
    }
    // Goes to the row of a criterion.
    static bool en(ClientDataset& ds, qint64 criterio) {
        return ds.locate(S("CRPR_COD"), {criterio});
    }
};

TEST_F(EvaluacionTest, CadaFilaMuestraPesoYCalificacionPonderada) {
    CalificacionProveedor c(*dm, kTransportes);
    ASSERT_TRUE(c.abra());
    EXPECT_EQ(c.nombre(), S("Transportes del Norte S.A.S."));
    ClientDataset& ds = c.filas();
    ASSERT_TRUE(en(ds, 2));
    EXPECT_EQ(f(ds, "NOMBRE").asString(), S("Cumplimiento en las entregas"));
    ASSERT_TRUE(ds.edit());
    f(ds, "PRCA_CALIFICA").setCurrency(Currency::fromInt(80));
    ASSERT_TRUE(ds.post());
    EXPECT_EQ(f(ds, "PESO").asCurrency(), Currency::fromInt(30));
    EXPECT_EQ(f(ds, "PONDERADO").asCurrency(), Currency::fromInt(24));
    // A new row for criterion 4 (weight 10) with 55 weighs 5,5.
    ASSERT_TRUE(ds.append());
    EXPECT_EQ(f(ds, "TERC_NIT").asString(), kTransportes);
    f(ds, "CRPR_COD").setValue(4);
    f(ds, "PRCA_CALIFICA").setCurrency(Currency::fromText(S("55")));
    ASSERT_TRUE(c.grabe()) << dialogs.lastError().toStdString();
    EXPECT_EQ(c.total(), Currency::fromText(S("65.5")));  // 36 + 24 + 5,5

    CalificacionProveedor leida(*dm, kTransportes);
    ASSERT_TRUE(leida.abra());
    EXPECT_EQ(leida.filas().recordCount(), 3);
    EXPECT_EQ(leida.total(), Currency::fromText(S("65.5")));
    EXPECT_EQ(texto(S("select PRCA_USUARIO from PROVEEDOR_CALIFICACION where CRPR_COD = 4")),
              S("ADMIN"));

    // The criteria change while the rating is open: the weights follow.
    ASSERT_TRUE(
        dm->sql().execute(S("update CRITERIOS_PROVEEDOR set CIPR_PESO = 20 where CIPR_COD = 2")));
    leida.criterios_cambiados();
    ASSERT_TRUE(en(leida.filas(), 2));
    EXPECT_EQ(f(leida.filas(), "PONDERADO").asCurrency(), Currency::fromInt(16));
}

TEST_F(EvaluacionTest, FilasEquivocadasSeRechazanSinGrabarNada) {
    const struct {
        qint64 criterio;
        int nota;
        const char* mensaje;
    } casos[] = {{1, 50, "El criterio ya existe en este proveedor."},
                 {9, 50, "El criterio 9 no existe."},
                 {3, 120, "La calificación debe estar entre 0 y 100."}};
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.mensaje);
        dialogs.clear();
        CalificacionProveedor c(*dm, kTransportes);
        ASSERT_TRUE(c.abra());
        ASSERT_TRUE(c.filas().append());
        f(c.filas(), "CRPR_COD").setValue(caso.criterio);
        f(c.filas(), "PRCA_CALIFICA").setCurrency(Currency::fromInt(caso.nota));
        EXPECT_FALSE(c.grabe());
        EXPECT_EQ(dialogs.errors(), QStringList{S(caso.mensaje)});
        // The row stays as typed for a correction.
        EXPECT_EQ(f(c.filas(), "CRPR_COD").asInteger(), caso.criterio);
        EXPECT_EQ(filas(S("PROVEEDOR_CALIFICACION")), 2);
    }
}

TEST_F(EvaluacionTest, SinAccesoNoSeGraba) {
    dm->ctx.es_administrador = false;
    dm->ctx.usuario = S("AUXILIAR");
    CalificacionProveedor c(*dm, kPapeleria);
    ASSERT_TRUE(c.abra());
    ASSERT_TRUE(c.filas().append());
    f(c.filas(), "CRPR_COD").setValue(1);
    f(c.filas(), "PRCA_CALIFICA").setCurrency(Currency::fromInt(70));
    EXPECT_FALSE(c.grabe());
    EXPECT_EQ(dialogs.errors(), QStringList{S("Acceso no permitido. NO se grabarán los cambios.")});
    EXPECT_EQ(filas(S("PROVEEDOR_CALIFICACION where TERC_NIT = '860045678'")), 0);
    // Granted the supplier master's option, the same rows are stored.
    ASSERT_TRUE(dm->sql().execute(
        S("update ACCESO_USUARIO set ACUS_SI = 'S' where USER_COD = 'AUXILIAR' and "
          "ACUS_OPCION = 0")));
    EXPECT_TRUE(c.grabe());
    EXPECT_EQ(filas(S("PROVEEDOR_CALIFICACION where TERC_NIT = '860045678'")), 1);
}

TEST_F(EvaluacionTest, LosPesosDeLosCriteriosDebenSumarCien) {
    CriteriosProveedor cr(*dm);
    ASSERT_TRUE(cr.abra());
    ClientDataset& ds = cr.filas();
    ASSERT_TRUE(ds.locate(S("CIPR_COD"), {4}));
    ASSERT_TRUE(ds.edit());
    f(ds, "CIPR_PESO").setCurrency(Currency::fromInt(15));
    ASSERT_TRUE(ds.append());
    EXPECT_EQ(f(ds, "CIPR_COD").asInteger(), 5);
    f(ds, "CIPR_NOMBRE").setValue(S("Documentación al día"));
    f(ds, "CIPR_PESO").setCurrency(Currency::fromInt(5));
    EXPECT_EQ(cr.suma_pesos(), Currency::fromInt(110));
    EXPECT_FALSE(cr.grabe());
    EXPECT_EQ(dialogs.errors(),
              QStringList{S("Los pesos de los criterios suman 110,00 y deben sumar 100. No se "
                            "grabaron los cambios.")});
    EXPECT_EQ(texto(S("select sum(CIPR_PESO) from CRITERIOS_PROVEEDOR")), S("100"));
    EXPECT_EQ(filas(S("CRITERIOS_PROVEEDOR")), 4);
    // Corrected in the same window, everything typed is stored at once.
    ASSERT_TRUE(ds.locate(S("CIPR_COD"), {1}));
    ASSERT_TRUE(ds.edit());
    f(ds, "CIPR_PESO").setCurrency(Currency::fromInt(30));
    EXPECT_TRUE(cr.grabe()) << dialogs.lastError().toStdString();
    EXPECT_EQ(filas(S("CRITERIOS_PROVEEDOR")), 5);
    EXPECT_EQ(texto(S("select CIPR_PESO from CRITERIOS_PROVEEDOR where CIPR_COD = 4")), S("15"));
}

TEST_F(EvaluacionTest, ImprimirPideElReporteConSusVariablesOAvisaQueNoHayDatos) {
    CalificacionProveedor vacia(*dm, kPapeleria);
    ASSERT_TRUE(vacia.abra());
    EXPECT_EQ(vacia.imprima(), 0);
    EXPECT_EQ(dialogs.texts(S("information")), QStringList{S("No hay datos para el reporte.")});

    CalificacionProveedor c(*dm, kTransportes);
    ASSERT_TRUE(c.abra());
    dialogs.expectModal(S("Tfrepcalificacion"), 1);
    EXPECT_EQ(c.imprima(), 1);
    EXPECT_TRUE(dialogs.allAnswered());
}

}  // namespace
}  // namespace ledgrix::test
