#include <gtest/gtest.h>

#include "core/data/client_dataset.h"
#include "core/numeracion/ventanas/autorizaciones.h"
#include "core/numeracion/ventanas/consecutivos.h"
#include "core/numeracion/ventanas/selector_centros.h"
#include "core/validaciones/acceso.h"
#include "tests/support/module_fixture.h"

using namespace ledgrix;

namespace {

class ConsecutivosTest : public ledgrix::test::ModuleTest {
  protected:
    void SetUp() override {
        ModuleTest::SetUp();
        conecte(QStringLiteral("ADMIN"));
        dm->ctx.compania.codigo = QStringLiteral("001");
        dm->ctx.nombre_usuario = QStringLiteral("Administrador del sistema");
        dm->ctx.es_administrador = true;
    }
    QVariant valor(const QString& sql) { return dm->sql().scalar(sql); }
    int prefijos(int tipo) {
        return valor(QStringLiteral("select count(*) from PREFIJOS where TIDO_COD = %1").arg(tipo))
            .toInt();
    }
    // A new series of the type being shown, posted.
    static void nuevo(Consecutivos& c, const QString& prefijo) {
        ASSERT_TRUE(c.prefijos().append());
        c.prefijos().fieldByName(QStringLiteral("PREF_PRE")).setValue(prefijo);
        ASSERT_TRUE(c.prefijos().post());
    }
};

TEST_F(ConsecutivosTest, OffersTheModuleTypesAndTheCompanyUsers) {
    Consecutivos c(*dm);
    ASSERT_EQ(c.documentos().size(), 8);
    EXPECT_EQ(c.documentos().front(), QStringLiteral("ANTICIPOS A PROVEEDORES"));
    EXPECT_FALSE(c.documentos().contains(QStringLiteral("FACTURA DE VENTA")));
    EXPECT_EQ(c.tipos().fieldByName(QStringLiteral("TIDO_COD")).asInteger(), 55);
    ASSERT_TRUE(c.elija_documento(QStringLiteral("CARGOS A ACREEDORES")));
    EXPECT_EQ(c.prefijos().recordCount(), 1);
    EXPECT_EQ(c.prefijos().fieldByName(QStringLiteral("PREF_PRE")).asString(),
              QStringLiteral("0000"));
    EXPECT_EQ(c.codigos_proyecto(), (QStringList{"0001", "0002"}));
    EXPECT_NE(c.nombre_usuario(QStringLiteral("AUXILIAR")), QStringLiteral("AUXILIAR"));
}

TEST_F(ConsecutivosTest, NewSeriesTakesTheDefaultsAndTheUsersNameAndEmptyRowsAreDropped) {
    Consecutivos c(*dm);
    ASSERT_TRUE(c.elija_documento(QStringLiteral("CARGOS A ACREEDORES")));
    nuevo(c, QStringLiteral("FE01"));
    // A row left without prefix disappears without a word, and the user goes
    // straight on to the next row.
    ASSERT_TRUE(c.prefijos().append());
    c.prefijos().fieldByName(QStringLiteral("PREF_ACTUAL")).setValue(QStringLiteral("000100"));
    nuevo(c, QStringLiteral("FE02"));
    ASSERT_TRUE(c.prefijos().append());
    c.prefijos().fieldByName(QStringLiteral("PREF_ACTUAL")).setValue(QStringLiteral("000100"));
    ASSERT_TRUE(c.grabe());
    EXPECT_TRUE(dialogs.errors().isEmpty()) << dialogs.errors().join('\n').toStdString();
    EXPECT_EQ(prefijos(51), 3);
    auto q =
        dm->sql().select(QStringLiteral("select PREF_AUTO, PREF_IVAINC, PREF_ACTIVO, PREF_ACTUAL, "
                                        "SUCU_ID, PREF_USUARIO from PREFIJOS "
                                        "where TIDO_COD = 51 and PREF_PRE = 'FE01'"));
    ASSERT_TRUE(q && q->next());
    EXPECT_EQ(q->value(0).toString(), QStringLiteral("S"));
    EXPECT_EQ(q->value(1).toString(), QStringLiteral("N"));
    EXPECT_EQ(q->value(2).toString(), QStringLiteral("S"));
    EXPECT_EQ(q->value(3).toString(), QStringLiteral("000001"));
    EXPECT_EQ(q->value(4).toInt(), 0);
    EXPECT_EQ(q->value(5).toString(), QStringLiteral("Administrador del sistema"));

    // The consecutive counts: letters are refused and the row stays to fix; a short number is
    // zero-filled.
    nuevo(c, QStringLiteral("FE03"));
    ASSERT_TRUE(c.prefijos().edit());
    c.prefijos().fieldByName(QStringLiteral("PREF_ACTUAL")).setValue(QStringLiteral("contro"));
    EXPECT_FALSE(c.prefijos().post());
    EXPECT_EQ(dialogs.lastError(),
              QStringLiteral("El consecutivo debe ser un número de hasta 6 dígitos."));
    c.prefijos().fieldByName(QStringLiteral("PREF_ACTUAL")).setValue(QStringLiteral("42"));
    ASSERT_TRUE(c.grabe());
    EXPECT_EQ(
        dm->sql()
            .scalar(QStringLiteral("select PREF_ACTUAL from PREFIJOS where PREF_PRE = 'FE03'"))
            .toString(),
        QStringLiteral("000042"));
}

TEST_F(ConsecutivosTest, DuplicateSeriesIsTranslatedAndNothingIsWrittenNorLost) {
    Consecutivos c(*dm);
    ASSERT_TRUE(c.elija_documento(QStringLiteral("CARGOS A ACREEDORES")));
    nuevo(c, QStringLiteral("FE01"));
    // Written meanwhile by another station.
    ASSERT_TRUE(dm->sql().execute(QStringLiteral(
        "insert into PREFIJOS (TIDO_COD, PREF_PRE, PREF_ACTUAL) values (51, 'FE01', '000001')")));
    ASSERT_TRUE(c.elija_documento(QStringLiteral("DESCUENTOS DE ACREEDORES")));
    nuevo(c, QStringLiteral("DC01"));
    EXPECT_FALSE(c.grabe());
    EXPECT_EQ(dialogs.lastError(), QStringLiteral("Ya existe el registro en la tabla Prefijos"));
    EXPECT_EQ(prefijos(52), 1);
    EXPECT_EQ(c.cambios(), 2);
    // Fixed, the same changes go through.
    ASSERT_TRUE(dm->sql().execute(QStringLiteral("delete from PREFIJOS where PREF_PRE = 'FE01'")));
    dialogs.clear();
    EXPECT_TRUE(c.grabe());
    EXPECT_EQ(prefijos(51) + prefijos(52), 4);
}

TEST_F(ConsecutivosTest, CostCentresArePickedAndTypedCodesChecked) {
    Consecutivos c(*dm);
    ASSERT_TRUE(c.elija_documento(QStringLiteral("CARGOS A ACREEDORES")));
    SelectorCentros selector(*dm);
    selector.cargue();
    selector.busque(QStringLiteral("tesorer"));
    ASSERT_EQ(selector.visibles().size(), 1u);
    const auto centro = selector.elegido(SelectorCentros::resultado(selector.visibles().front()));
    ASSERT_TRUE(centro);
    EXPECT_FALSE(selector.elegido(0));
    // On a stored series: edited in place.
    ASSERT_TRUE(c.asigne_centro(*centro));
    EXPECT_EQ(c.prefijos().state(), ClientDataset::State::Edit);
    EXPECT_EQ(c.prefijos().fieldByName(QStringLiteral("PREF_SUBC")).asString(),
              QStringLiteral("0002"));
    ASSERT_TRUE(c.grabe());
    EXPECT_EQ(valor(QStringLiteral("select PREF_PROY || PREF_CENTRO || PREF_SUBC from PREFIJOS "
                                   "where TIDO_COD = 51 and PREF_PRE = '0000'"))
                  .toString(),
              QStringLiteral("000101000002"));

    // On an empty type: a new row receives them.
    ASSERT_TRUE(c.elija_documento(QStringLiteral("PAGOS A PROVEEDORES")));
    ASSERT_TRUE(c.prefijos().isEmpty());
    ASSERT_TRUE(c.asigne_centro(*centro));
    EXPECT_EQ(c.prefijos().state(), ClientDataset::State::Insert);
    EXPECT_EQ(c.prefijos().fieldByName(QStringLiteral("PREF_CENTRO")).asString(),
              QStringLiteral("0100"));

    // Typed codes unknown to the lists are refused and cleared.
    c.prefijos().fieldByName(QStringLiteral("PREF_PROY")).setValue(QStringLiteral("0009"));
    c.prefijos().fieldByName(QStringLiteral("PREF_PROY")).setValue(QStringLiteral("0002"));
    c.prefijos().fieldByName(QStringLiteral("PREF_CENTRO")).setValue(QStringLiteral("0100"));
    EXPECT_EQ(
        dialogs.errors(),
        (QStringList{QStringLiteral("El proyecto 0009 no existe."),
                     QStringLiteral("El centro de costo 0100 no existe en el proyecto 0002.")}));
    EXPECT_TRUE(c.prefijos().fieldByName(QStringLiteral("PREF_CENTRO")).isNull());
    EXPECT_EQ(c.prefijos().fieldByName(QStringLiteral("PREF_PROY")).asString(),
              QStringLiteral("0002"));
}

TEST_F(ConsecutivosTest, CentresOfAnotherAgencyAreLeftOutWhenConfigured) {
    configure(QStringLiteral("FILTRAR CENTROS DE COSTO POR AGENCIA"), QStringLiteral("SI"));
    dm->ctx.agencia = 2;
    SelectorCentros selector(*dm);
    selector.cargue();
    EXPECT_TRUE(selector.filtra_por_agencia());
    for (const CentroCosto& c : selector.lineas())
        EXPECT_NE(c.centro, QStringLiteral("0200"));
    dm->ctx.agencia = 1;
    selector.cargue();
    selector.busque(QStringLiteral("0200"));
    EXPECT_EQ(selector.visibles().size(), 1u);
}

TEST_F(ConsecutivosTest, SeriesAndItsUsersAreWrittenInOneApply) {
    Consecutivos c(*dm);
    ASSERT_TRUE(c.elija_documento(QStringLiteral("COMPROBANTES DE EGRESO")));
    nuevo(c, QStringLiteral("EG01"));
    ClientDataset& usuarios = c.prefijos_usuario();
    ASSERT_TRUE(usuarios.append());
    usuarios.fieldByName(QStringLiteral("USER_COD")).setValue(QStringLiteral("AUXILIAR"));
    ASSERT_TRUE(usuarios.post());
    EXPECT_EQ(usuarios.fieldByName(QStringLiteral("USUA_NOMBRE")).asString(),
              c.nombre_usuario(QStringLiteral("AUXILIAR")));
    // A user the company database does not know makes the whole apply fail.
    ASSERT_TRUE(usuarios.append());
    usuarios.fieldByName(QStringLiteral("USER_COD")).setValue(QStringLiteral("NADIE"));
    ASSERT_TRUE(usuarios.append());  // left empty: dropped on saving
    EXPECT_FALSE(c.grabe());
    EXPECT_EQ(usuarios.recordCount(), 2);
    EXPECT_EQ(prefijos(62), 1);
    EXPECT_EQ(valor(QStringLiteral("select count(*) from PREFIJOS_USUARIO")).toInt(), 0);
    ASSERT_TRUE(usuarios.last());
    ASSERT_TRUE(usuarios.remove());
    dialogs.clear();
    ASSERT_TRUE(c.grabe());
    EXPECT_EQ(
        valor(
            QStringLiteral(
                "select USER_COD from PREFIJOS_USUARIO where TIDO_COD = 62 and PREF_PRE = 'EG01'"))
            .toString(),
        QStringLiteral("AUXILIAR"));
}

TEST_F(ConsecutivosTest, AuthorisationsNeedSeriesAndAccess) {
    {
        Autorizaciones a(*dm);
        ASSERT_TRUE(a.prepare());
        EXPECT_EQ(a.codigos_prefijo(), QStringList{"0000"});
        ClientDataset& ds = a.autorizaciones();
        ASSERT_TRUE(ds.append());
        EXPECT_EQ(ds.fieldByName(QStringLiteral("TIDO_COD")).asInteger(), 51);
        EXPECT_EQ(ds.fieldByName(QStringLiteral("PREF_PRE")).asString(), QStringLiteral("0000"));
        EXPECT_EQ(ds.fieldByName(QStringLiteral("AUTO_ITEMS")).asInteger(), 30);
        QString marcas;
        for (const char* f : {"AUTO_CONTADO", "AUTO_ESPOS", "AUTO_COTIZA", "AUTO_PEDIDO",
                              "AUTO_REMISION", "AUTO_CANTIDAD", "AUTO_FECHAS"})
            marcas += ds.fieldByName(QString::fromLatin1(f)).asString();
        EXPECT_EQ(marcas, QStringLiteral("NNSSSNN"));
        ds.fieldByName(QStringLiteral("AUTO_FECHA")).setValue(QDate(2022, 9, 1));
        ASSERT_TRUE(a.grabe());  // no number: dropped, nothing to write
        ASSERT_TRUE(ds.append());
        ds.fieldByName(QStringLiteral("AUTO_NUMERO")).setValue(QStringLiteral("18764000001"));
        ds.fieldByName(QStringLiteral("AUTO_FECHA")).setValue(QDate(2022, 9, 1));
        ASSERT_TRUE(a.grabe());
        EXPECT_EQ(
            valor(QStringLiteral(
                      "select count(*) from AUTORIZACIONES where AUTO_NUMERO = '18764000001'"))
                .toInt(),
            1);
    }
    EXPECT_TRUE(dialogs.errors().isEmpty());

    dm->ctx.usuario = QStringLiteral("AUXILIAR");
    dm->ctx.es_administrador = false;
    Autorizaciones refusada(*dm);
    EXPECT_FALSE(refusada.prepare());
    EXPECT_EQ(dialogs.errors(), QStringList{kAccesoNoPermitido});

    dialogs.clear();
    ASSERT_TRUE(dm->sql().execute(QStringLiteral("delete from AUTORIZACIONES")));
    ASSERT_TRUE(dm->sql().execute(QStringLiteral("delete from PREFIJOS where TIDO_COD = 51")));
    Autorizaciones vacia(*dm);
    EXPECT_FALSE(vacia.prepare());
    EXPECT_EQ(dialogs.texts(QStringLiteral("information")),
              QStringList{Autorizaciones::kSinPrefijos});
}

}  // namespace
