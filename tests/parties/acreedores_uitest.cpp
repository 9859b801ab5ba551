#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QTabWidget>

#include "core/money/formato_numero.h"
#include "core/ui/grid/ledgrix_grid.h"
#include "core/ui/lista/tflista.h"
#include "parties/digito_verificacion.h"
#include "parties/tfdmter.h"
#include "parties/ui/acreedores/tfbuscprove.h"
#include "parties/ui/acreedores/tfmodproveedor.h"
#include "parties/ui/acreedores/tfnvoproveedor.h"
#include "tests/support/module_fixture.h"
#include "tests/support/teclado.h"

using namespace ledgrix;
using ledgrix::test::tecla;
using ledgrix::test::teclee;

namespace {

QString S(const char* s) {
    return QString::fromUtf8(s);
}

class AcreedoresVentanaTest : public ledgrix::test::ModuleTest {
  protected:
    void SetUp() override {
        ModuleTest::SetUp();
        conecte();
        dm->ctx.es_administrador = true;
    }
    // Types a text in a box and leaves it with Enter.
    static void escriba(VentanaProveedor& v, const char* columna, const QString& texto) {
        auto* e = qobject_cast<QLineEdit*>(v.caja(S(columna)));
        ASSERT_TRUE(e) << columna;
        e->setFocus();
        e->selectAll();
        tecla(e, Qt::Key_Delete);
        teclee(e, texto);
        tecla(e, Qt::Key_Return);
    }
};

}  // namespace

TEST_F(AcreedoresVentanaTest, SupplierTypedWithTheKeysIsStoredAndTheWindowWaitsForTheNext) {
    Tfnvoproveedor v(*dm);
    v.show();
    escriba(v, "TERC_NIT", S("9001234X"));
    // The box takes digits only, as the mask of the NIT does.
    EXPECT_EQ(qobject_cast<QLineEdit*>(v.caja(S("TERC_NIT")))->text(), S("9001234"));
    escriba(v, "TERC_NIT", S("811222333"));
    EXPECT_EQ(qobject_cast<QLineEdit*>(v.caja(S("TERC_DV")))->text(),
              v.logica().texto(S("TERC_DV")));
    escriba(v, "TERC_NOM", S("Tornillos del Llano S.A.S."));
    escriba(v, "TERC_DIR", S("Carrera 30 No. 15-22"));
    escriba(v, "TERC_TEL", S("6086620000"));
    // F2 with the e-mail missing: told, nothing stored, the typing stays.
    tecla(v.caja(S("TERC_TEL")), Qt::Key_F2);
    EXPECT_EQ(dialogs.lastError(), S("Falta ingresar el correo electrónico del tercero."));
    EXPECT_EQ(filas(S("terceros where terc_nit = '811222333'")), 0);
    EXPECT_EQ(qobject_cast<QLineEdit*>(v.caja(S("TERC_NOM")))->text(),
              S("Tornillos del Llano S.A.S."));

    escriba(v, "TERC_EMAIL", S("ventas@tornillos.example"));
    auto* pais = qobject_cast<QComboBox*>(v.caja(S("PAIS_ID")));
    pais->setCurrentIndex(pais->findData(S("170")));
    escriba(v, "PROV_CTAPAGAR", S("99999999"));
    EXPECT_EQ(dialogs.lastError(), S("La cuenta especificada no existe."));
    escriba(v, "PROV_CTAPAGAR", S("22050501"));
    escriba(v, "PROV_CUPO", S("1.500.000,50"));
    // Amounts are read in the installation's format only.
    escriba(v, "PROV_RTFTEBASE", S("1,500.00"));
    EXPECT_EQ(dialogs.lastError(), FormatoNumero::instalacion().mensaje_invalido(S("1,500.00")));
    escriba(v, "PROV_RTFTEBASE", S("100.000"));
    tecla(v.caja(S("PROV_RTFTEBASE")), Qt::Key_F2);

    EXPECT_EQ(texto(S("select terc_nom || '|' || terc_dv || '|' || terc_tipoid from terceros "
                      "where terc_nit = '811222333'")),
              S("Tornillos del Llano S.A.S.|") + QString::number(*dv(S("811222333"))) + S("|J"));
    EXPECT_EQ(texto(S("select prov_ctapagar || '|' || prov_cupo || '|' || prov_rtftebase from "
                      "proveedores where terc_nit = '811222333'")),
              S("22050501|1500000.50|100000.00"));
    // Ready for the next one.
    EXPECT_TRUE(qobject_cast<QLineEdit*>(v.caja(S("TERC_NIT")))->text().isEmpty());
    EXPECT_TRUE(v.isVisible());
}

TEST_F(AcreedoresVentanaTest, ListPicksTheSupplierTheCallingWindowWasTyping) {
    Tfdmter::texto_busqueda = S("pacíf");
    QString elegido;
    auto* lista = new Tfbuscprove(*dm);
    lista->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(lista, &Tfbuscprove::elegido, [&elegido](const QString& n) { elegido = n; });
    QPointer<Tfbuscprove> vigilada(lista);
    lista->show();
    EXPECT_EQ(lista->texto()->text(), S("pacíf"));
    tecla(lista->grilla(), Qt::Key_Return);
    EXPECT_EQ(elegido, S("800987654"));
    ledgrix::test::libere();
    EXPECT_FALSE(vigilada);
}

TEST_F(AcreedoresVentanaTest, ListOpensTheRatingAndTheCommitmentsOfTheSupplierOnIt) {
    Tfdmter::texto_busqueda = S("pacíf");
    Tfbuscprove lista(*dm);
    lista.show();
    for (const auto& [clave, ventana] : {std::pair{Qt::Key_F8, "Tfcalificacionprv"},
                                         std::pair{Qt::Key_F11, "Tfcompromisos"}}) {
        Tfdmter::entregado = {};
        dialogs.expectModal(S(ventana), 1);
        tecla(lista.grilla(), clave);
        EXPECT_TRUE(dialogs.allAnswered()) << ventana;
        EXPECT_EQ(Tfdmter::entregado.nit, S("800987654")) << ventana;
        EXPECT_FALSE(Tfdmter::entregado.nombre.isEmpty()) << ventana;
    }
}

TEST_F(AcreedoresVentanaTest, ModifyWindowShowsTheTrailGuardsTheFinancialDataAndClosesOnSave) {
    dm->ctx.es_administrador = false;
    dm->ctx.usuario = S("AUXILIAR");
    Tfmodproveedor v(*dm, S("900123456"));
    v.show();
    EXPECT_TRUE(v.registro()->text().startsWith(S("Registro: 20")))
        << v.registro()->text().toStdString();
    EXPECT_TRUE(qobject_cast<QLineEdit*>(v.caja(S("TERC_NIT")))->isReadOnly());
    tecla(v.caja(S("TERC_CONTACTO")), Qt::Key_F6);
    EXPECT_EQ(dialogs.lastError(),
              S("Acceso no permitido. comuníquese con el administrador del sistema."));
    EXPECT_NE(v.paginas()->currentWidget(), v.caja(S("PROV_ACTIVO"))->parentWidget());
    // Contact data are not required when modifying.
    escriba(v, "TERC_TEL", QString());
    escriba(v, "TERC_CONTACTO", S("Marta"));
    tecla(v.caja(S("TERC_CONTACTO")), Qt::Key_F2);
    EXPECT_EQ(texto(S("select terc_contacto || '|' || coalesce(terc_tel, '') from terceros where "
                      "terc_nit = '900123456'")),
              S("Marta|"));
    EXPECT_FALSE(v.isVisible());
}
