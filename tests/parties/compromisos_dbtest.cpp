// Commitments with a supplier on a demo company: the dates refused, the
// list with and without the fulfilled ones, marking and deleting, and the
// report's statement.
#include <gtest/gtest.h>

#include "core/data/client_dataset.h"
#include "parties/compromisos/compromiso.h"
#include "parties/compromisos/lista_compromisos.h"
#include "parties/compromisos/reporte_compromisos.h"
#include "tests/support/module_fixture.h"

namespace ledgrix::test {
namespace {

const QString kTransportes = QStringLiteral("900123456");

QString S(const char* s) {
    return QString::fromUtf8(s);
}

class CompromisosTest : public ModuleTest {
  protected:
    void SetUp() override {
        ModuleTest::SetUp();
        conecte();
    }
    // Stores a commitment the way the window does; its id.
    qint64 nuevo(const QDate& fecha, const char* asunto) {
        Compromiso c(*dm);
        EXPECT_TRUE(c.abra(0, kTransportes));
        c.datos().fieldByName(S("COPR_FECHA")).setValue(fecha);
        c.datos().fieldByName(S("COPR_ASUNTO")).setValue(S(asunto));
        EXPECT_TRUE(c.grabe()) << dialogs.lastError().toStdString();
        return c.id();
    }
    QStringList asuntos(ListaCompromisos& l) {
        QStringList a;
        for (int i = 0; i < l.filas().recordCount(); ++i)
            a << l.filas().valueAt(i, l.filas().fieldByName(S("ASUNTO")).index()).toString();
        return a;
    }
};

TEST_F(CompromisosTest, UnCompromisoNoSeGrabaConFechaAnteriorAHoy) {
    const QDate hoy = clock.today();
    Compromiso c(*dm);
    ASSERT_TRUE(c.abra(0, kTransportes));
    EXPECT_EQ(c.nombre(), S("Transportes del Norte S.A.S."));
    EXPECT_EQ(c.datos().fieldByName(S("COPR_FECHA")).asDate(), hoy);
    c.datos().fieldByName(S("COPR_ASUNTO")).setValue(S("Enviar certificado de calidad"));
    c.datos().fieldByName(S("COPR_FECHA")).setValue(hoy.addDays(-1));
    EXPECT_FALSE(c.grabe());
    EXPECT_EQ(dialogs.errors(),
              QStringList{S("No se pueden grabar compromisos de fecha anterior a hoy.")});
    EXPECT_EQ(filas(S("COMPROMISOS_PROV")), 0);
    // Today is accepted, with what was typed.
    c.datos().fieldByName(S("COPR_FECHA")).setValue(hoy);
    ASSERT_TRUE(c.grabe());
    ASSERT_NE(c.id(), 0);

    Compromiso leido(*dm);
    ASSERT_TRUE(leido.abra(c.id(), {}));
    EXPECT_EQ(leido.datos().fieldByName(S("COPR_ASUNTO")).asString(),
              S("Enviar certificado de calidad"));
    EXPECT_EQ(leido.datos().fieldByName(S("COPR_CUMPLIDO")).asString(), S("N"));
    dialogs.clear();
    EXPECT_FALSE(leido.abra(c.id() + 100, {}));
    EXPECT_EQ(dialogs.errors(), QStringList{S("No se encontró el compromiso seleccionado.")});
}

TEST_F(CompromisosTest, LaListaMuestraLosCumplidosSoloSiSePide) {
    const QDate hoy = clock.today();
    nuevo(hoy.addDays(3), "Revisar tarifas");
    const qint64 visita = nuevo(hoy, "Visita a bodega");
    ListaCompromisos l(*dm, kTransportes);
    ASSERT_TRUE(l.abra());
    EXPECT_EQ(l.consulta(), S("select * from busqueda_compromisos_prv ('900123456','N')"));
    EXPECT_EQ(asuntos(l), (QStringList{S("Visita a bodega"), S("Revisar tarifas")}));

    // F7 on the first: answered No nothing changes, Yes marks it.
    ASSERT_EQ(l.id_actual(), visita);
    dialogs.expectQuestion(S("Esta seguro de marcar como cumplido el compromiso Visita a bodega?"),
                           false);
    EXPECT_FALSE(l.marque_cumplido());
    EXPECT_EQ(asuntos(l).size(), 2);
    dialogs.expectQuestion({}, true);
    EXPECT_TRUE(l.marque_cumplido());
    EXPECT_EQ(asuntos(l), QStringList{S("Revisar tarifas")});
    EXPECT_EQ(texto(S("select COPR_CUMPLIDO from COMPROMISOS_PROV where COPR_ID = ") +
                    QString::number(visita)),
              S("S"));
    l.incluir_cumplidos = true;
    ASSERT_TRUE(l.abra());
    EXPECT_EQ(asuntos(l), (QStringList{S("Visita a bodega"), S("Revisar tarifas")}));

    // F3 deletes the one under the cursor.
    ASSERT_TRUE(l.filas().moveTo(1));
    dialogs.expectQuestion(S("Esta seguro de eliminar el compromiso Revisar tarifas?"), true);
    EXPECT_TRUE(l.elimine());
    EXPECT_EQ(asuntos(l), QStringList{S("Visita a bodega")});
    EXPECT_EQ(filas(S("COMPROMISOS_PROV")), 1);
    EXPECT_TRUE(dialogs.allAnswered());
}

TEST_F(CompromisosTest, ElReporteFiltraPorProveedorFechaYCumplimiento) {
    const QDate hoy = clock.today();
    nuevo(hoy, "Visita a bodega");
    nuevo(hoy.addDays(40), "Renovar contrato");
    ReporteCompromisos r(*dm);
    r.desde = hoy;
    r.hasta = hoy.addDays(30);
    EXPECT_EQ(r.consulta(),
              S("select * from rep_compromisos_prv('0','zz','2022/09/21','2022/10/21','N')"));
    dialogs.expectModal(S("Tfrepcompromisos"), 1);
    EXPECT_EQ(r.imprima(), 1);
    ASSERT_EQ(r.filas().recordCount(), 1);
    EXPECT_EQ(r.filas().fieldByName(S("NOMBRE")).asString(), S("Transportes del Norte S.A.S."));
    EXPECT_EQ(r.filas().fieldByName(S("ASUNTO")).asString(), S("Visita a bodega"));

    const struct {
        const char* desde;
        const char* hasta;
        bool cumplidos;
    } vacios[] = {{"800000000", "860045678", true}, {"900123456", "900123456", false}};
    ASSERT_TRUE(dm->sql().execute(S("update COMPROMISOS_PROV set COPR_CUMPLIDO = 'S'")));
    for (const auto& v : vacios) {
        dialogs.clear();
        r.nit_desde = S(v.desde);
        r.nit_hasta = S(v.hasta);
        r.incluir_cumplidos = v.cumplidos;
        EXPECT_EQ(r.imprima(), 0);
        EXPECT_EQ(dialogs.texts(S("information")), QStringList{S("No hay datos para el reporte.")});
    }
    r.hasta = hoy.addDays(-1);
    EXPECT_EQ(r.imprima(), 0);
    EXPECT_EQ(dialogs.lastError(), S("El rango de fechas no es válido."));
}

}  // namespace
}  // namespace ledgrix::test
