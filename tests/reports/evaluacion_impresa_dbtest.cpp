// A supplier's rating printed through the report engine from a real
// database, written to PDF and read back.
#include <gtest/gtest.h>

#include <QDir>

#include "core/data/client_dataset.h"
#include "parties/evaluacion/calificacion.h"
#include "parties/evaluacion/solicitud_reporte.h"
#include "reports/impresos/reporte_solicitado.h"
#include "tests/reports/motor_apoyo.h"
#include "tests/support/module_fixture.h"

namespace ledgrix::test {
namespace {

class EvaluacionImpresaTest : public ModuleTest {};

TEST_F(EvaluacionImpresaTest, LaCalificacionSeImprimeConSusVariablesYTotales) {
    conecte();
    dm->ctx.nombre_usuario = QStringLiteral("Administrador del sistema");
    const QString pdf = QDir(inst->dir()).filePath(QStringLiteral("calificacion.pdf"));
    CalificacionProveedor c(*dm, QStringLiteral("900123456"));
    ASSERT_TRUE(c.abra());
    // 90 on weight 40 and 75 on weight 30.
    const std::optional<SolicitudReporte> s = c.solicitud();
    ASSERT_TRUE(s);
    ReporteSolicitado armado = arme_reporte(*dm, *s);
    ASSERT_TRUE(armado.reporte) << dialogs.lastError().toStdString();
    ASSERT_TRUE(armado.reporte->escriba_pdf(pdf)) << armado.reporte->error().toStdString();

    const QStringList paginas = prueba::paginas_pdf(pdf);
    ASSERT_EQ(paginas.size(), 1);
    // The engine's font joins "fi" into one glyph.
    const QString t = QString(paginas.first()).replace(QChar(0xFB01), QStringLiteral("fi"));
    const QString compania = dm->configuracion(QStringLiteral("GENERAL"), QStringLiteral("GENERAL"),
                                               QStringLiteral("NOMBRE COMPANIA"));
    ASSERT_FALSE(compania.isEmpty());
    for (const QString& esperado :
         {compania,
          QStringLiteral("Calificación del proveedor 900123456 - Transportes del Norte S.A.S."),
          QStringLiteral("Calidad del producto o servicio"), QStringLiteral("36,00"),
          QStringLiteral("22,50"), QStringLiteral("58,50"),
          QStringLiteral("Impreso por: Administrador del sistema")})
        EXPECT_TRUE(t.contains(esperado)) << esperado.toStdString() << "\n" << t.toStdString();
}

}  // namespace
}  // namespace ledgrix::test
