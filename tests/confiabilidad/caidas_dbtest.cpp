#include <gtest/gtest.h>

#include <QThread>
#include <random>

#include "core/data/client_dataset.h"
#include "payables/cargos/cargo.h"
#include "tests/confiabilidad/comun.h"
#include "tests/support/estaciones.h"
#include "tests/support/invariantes_cxp.h"
#include "tests/support/module_fixture.h"

using namespace ledgrix;
using namespace ledgrix::test;

namespace {

const QString kPregunta = QStringLiteral(
    "Se encontró un pago previo incorrectamente registrado. Desea traerlo a pantalla?");

class CaidasTest : public ModuleTest {
  protected:
    int cuenta(const QString& sql) { return dm->sql().scalar(sql).toInt(); }
};

// A workstation saving charges on the embedded engine (cost centres and an
// application on every fifth) is killed at a random moment, again and
// again. After each kill nothing may be half written, every charge it was
// told is stored must be there, and the next opening of the charge window
// must offer back the interrupted charge and leave every stored charge
// posted.
TEST_F(CaidasTest, AKilledStationLeavesNoHalfWrittenChargeAndTheNextOpeningFinishesItsWork) {
    const int muertes = cuenta_de_entorno("LEDGRIX_MUERTES", 10);
    conecte();
    ASSERT_TRUE(dm->sql().execute(QStringLiteral(
        "update CONFIGURACION set CONF_VALOR = 'SI' where CONF_MODULO = 'CXPAGAR' and "
        "CONF_CATEGORIA = 'DOCUMENTOS' and CONF_PROPIEDAD = 'PREGUNTAR DETALLE DE CENTROS DE "
        "COSTO EN CARGOS Y DESCUENTOS'")));
    const QString descuento = descuento_grande(dm->sql());
    const ExigenciasCargos exigencias{/*centros=*/true, /*contabilizados=*/false};

    std::mt19937 rng(cuenta_de_entorno("LEDGRIX_SEMILLA", 20220921));
    int reportados = 0;
    for (int k = 0; k < muertes; ++k) {
        SCOPED_TRACE("kill " + std::to_string(k + 1));
        // The embedded engine holds the file for one process at a time.
        dm->desconecte();
        Estacion estacion(
            QStringLiteral(LEDGRIX_ESTACION),
            {inst->location(), QStringLiteral("--cargos"), QStringLiteral("100000"),
             QStringLiteral("--semilla"), QString::number(k + 1), QStringLiteral("--fecha"),
             kDia.toString(Qt::ISODate), QStringLiteral("--directorio"), inst->dir(),
             QStringLiteral("--aplicar"), kImportadora + QLatin1Char(':') + descuento});
        // One kill in four lands while the window is still opening.
        if (k % 4 != 0) {
            ASSERT_TRUE(estacion.espere_listo());
        }
        QThread::msleep(std::uniform_int_distribution<unsigned>(0, 1500)(rng));
        estacion.mate();
        const InformeEstacion r = estacion.espere();
        reportados += int(r.cargos.size());
        EXPECT_TRUE(r.fallos.isEmpty()) << r.fallos.join('\n').toStdString();
        EXPECT_TRUE(mensajes_tecnicos(r.mensajes).isEmpty())
            << mensajes_tecnicos(r.mensajes).join('\n').toStdString();

        conecte();
        for (const auto& c : r.cargos)
            EXPECT_EQ(dm->sql()
                          .scalar(QStringLiteral("select PREF_PRE || NDPR_NUMERO from "
                                                 "NOTAS_DEBITO_PROVEEDOR where NDPR_ID = %1")
                                      .arg(c.id))
                          .toString(),
                      c.prefijo + c.numero)
                << "told stored, not found: " << c.id;
        const QStringList a_medias = problemas_cargos(dm->sql(), exigencias);
        EXPECT_TRUE(a_medias.isEmpty()) << a_medias.join('\n').toStdString();

        // The next opening: the interrupted charge comes back as it was.
        const int interrumpidos =
            cuenta(QStringLiteral("select count(*) from NOTAS_DEBITO_PROVEEDOR where NDPR_ID = 0"));
        EXPECT_LE(interrumpidos, 1);
        dialogs.clear();
        if (interrumpidos > 0)
            dialogs.expectQuestion(kPregunta, true);
        {
            Cargo cargo(*dm);
            ASSERT_TRUE(cargo.abra()) << dialogs.lastError().toStdString();
            if (interrumpidos > 0) {
                EXPECT_FALSE(cargo.campo(QStringLiteral("TERC_NIT")).asString().isEmpty());
            }
        }
        EXPECT_TRUE(dialogs.allAnswered()) << "an interrupted charge was not offered back";
        QStringList vistos;
        for (const auto& s : dialogs.shown)
            vistos << s.text;
        EXPECT_TRUE(mensajes_tecnicos(vistos).isEmpty()) << vistos.join('\n').toStdString();
        const QStringList sin_contabilizar = contabilidad_incompleta(dm->sql());
        EXPECT_TRUE(sin_contabilizar.isEmpty()) << sin_contabilizar.join('\n').toStdString();
        if (HasFailure())
            break;
    }
    EXPECT_GT(reportados, 0) << "no charge was ever saved: the kills tested nothing";
    RecordProperty("cargos_reportados", reportados);
}

}  // namespace
