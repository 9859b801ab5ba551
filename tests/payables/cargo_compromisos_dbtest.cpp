// The charge window opens the supplier's commitments by itself while some
// are still to be fulfilled, on the supplier typed.
#include <gtest/gtest.h>

#include "parties/tfdmter.h"
#include "payables/cargos/cargo.h"
#include "tests/payables/cargo_fixture.h"

namespace ledgrix::test {
namespace {

const QString kTransportes = QStringLiteral("900123456");

class CargoCompromisosTest : public DocumentoCxpTest<Cargo> {};

TEST_F(CargoCompromisosTest, LaListaSeAbreSoloConCompromisosPendientes) {
    run(
        QStringLiteral("insert into COMPROMISOS_PROV (COPR_FECHA, COPR_NIT, COPR_ASUNTO, "
                       "COPR_CUMPLIDO) values ('2022/09/25', '900123456', 'Enviar pólizas', "
                       "'S')"));
    const struct {
        const char* cumplido;
        int aperturas;
    } casos[] = {{"S", 0}, {"N", 1}};
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.cumplido);
        run(QStringLiteral("update COMPROMISOS_PROV set COPR_CUMPLIDO = '%1'")
                .arg(QString::fromLatin1(caso.cumplido)));
        Tfdmter::entregado = {};
        Cargo& c = abra();
        QStringList abiertas;
        c.abra_ventana = [&abiertas](const QString& clase) {
            abiertas << clase + QLatin1Char(' ') + Tfdmter::entregado.nit;
            return 1;
        };
        c.cambie_nit(kTransportes);
        EXPECT_EQ(abiertas.size(), caso.aperturas);
        if (caso.aperturas) {
            EXPECT_EQ(abiertas.first(), QStringLiteral("Tfcompromisos 900123456"));
        }
        EXPECT_EQ(Tfdmter::entregado.nombre.isEmpty(), caso.aperturas == 0);
    }
}

}  // namespace
}  // namespace ledgrix::test
