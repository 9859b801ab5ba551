// The report preview opened through the dialogs service: a report that cannot
// be laid out says why instead of opening an empty preview.
#include <gtest/gtest.h>

#include "reports/motor/proyecto.h"
#include "reports/motor/reporte.h"
#include "reports/ui/motor/vista_reporte.h"
#include "tests/reports/motor_apoyo.h"
#include "tests/support/scripted_dialogs.h"

namespace ledgrix {
namespace {

TEST(VistaReporte, AbreLaVistaPreviaSoloSiElReporteSePuedeArmar) {
    QString error;
    const auto p = ProyectoReporte::de_texto(
        R"({"reportes": [{"nombre": "detallado", "bandas": [
            {"nombre": "detalle", "tipo": "detalle", "alto": 5, "elementos": [
              {"tipo": "campo", "columna": "SALDO", "formato": "monto", "ancho": 30, "alto": 5}]}]}]})",
        QStringLiteral("repcxpcondet.lrep"), &error);
    ASSERT_TRUE(p) << error.toStdString();
    for (const bool con_saldo : {true, false}) {
        prueba::FuenteMemoria filas({con_saldo ? "SALDO" : "MONTO"});
        filas.agregue({prueba::monto("10")});
        Reporte r(*p, QStringLiteral("detallado"));
        r.datos(filas);
        test::ScriptedDialogs dialogs;
        if (con_saldo)
            dialogs.expectModal(QStringLiteral("QPrintPreviewDialog"), 0);
        EXPECT_EQ(muestre_reporte(r, dialogs, nullptr), con_saldo);
        EXPECT_TRUE(dialogs.allAnswered());
        EXPECT_EQ(dialogs.errors().isEmpty(), con_saldo);
        if (!con_saldo) {
            EXPECT_TRUE(dialogs.lastError().contains(QStringLiteral("«SALDO»")));
        }
    }
}

}  // namespace
}  // namespace ledgrix
