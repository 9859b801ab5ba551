#include <gtest/gtest.h>

#include "core/data/client_dataset.h"
#include "parties/acreedores/busqueda_proveedores.h"
#include "parties/acreedores/ficha_proveedor.h"
#include "parties/tfdmter.h"
#include "parties/ui/acreedores/cuentas_contables.h"
#include "tests/support/module_fixture.h"

using namespace ledgrix;

namespace {

QString S(const char* s) {
    return QString::fromUtf8(s);
}

// A clerk with the right to add suppliers, checking accounts in the books.
class AcreedoresTest : public ledgrix::test::ModuleTest {
  protected:
    void SetUp() override {
        ModuleTest::SetUp();
        conecte();
        dm->ctx.es_administrador = true;
    }
    CuentasTerceros cuentas() { return cuentas_contables(*dm); }
    std::unique_ptr<FichaProveedor> nueva() {
        return std::make_unique<FichaProveedor>(*dm, FichaProveedor::Modo::Nuevo, QString(),
                                                cuentas());
    }
    // A complete legal entity typed in a new record.
    void llene(FichaProveedor& f, const QString& nit) {
        ASSERT_EQ(f.cambie_nit(nit), FichaProveedor::Nit::Aceptado);
        f.cambie_nombre(S("Ferretería La Llave S.A.S."));
        f.asigne(S("TERC_DIR"), S("Calle 10 No. 4-20"));
        f.asigne(S("TERC_TEL"), S("6015550909"));
        f.asigne(S("TERC_EMAIL"), S("compras@lallave.example"));
        f.asigne(S("PAIS_ID"), S("170"));
    }
    QString ultimo() const { return dialogs.shown.empty() ? QString() : dialogs.shown.back().text; }
    int proveedores(const QString& nit) {
        return filas(S("terceros t join proveedores p on p.terc_nit = t.terc_nit where "
                       "t.terc_prov = 'S' and t.terc_nit = '") +
                     nit + S("'"));
    }
};

}  // namespace

TEST_F(AcreedoresTest, NewSupplierIsStoredWithItsCheckDigitDefaultsAndTrail) {
    auto f = nueva();
    ASSERT_TRUE(f->abierta());
    EXPECT_EQ(f->texto(S("CIUD_COD")), S("11001"));
    EXPECT_EQ(f->texto(S("TERC_CIU")), S("Bogotá D.C."));
    llene(*f, S("900123457"));
    EXPECT_EQ(f->texto(S("TERC_DV")), S("5"));
    EXPECT_EQ(f->texto(S("PROV_COD")), S("900123457"));
    f->asigne_monto(S("PROV_CUPO"), Currency::fromInt(2500000));
    EXPECT_TRUE(f->cambie_cuenta(S("PROV_CTAPAGAR"), S("22050501")));
    EXPECT_TRUE(f->cambie_cuenta(S("TERC_CTAPROV"), S("22050501")));
    ASSERT_TRUE(f->grabe()) << dialogs.lastError().toStdString();
    // A fresh record waits for the next one.
    EXPECT_EQ(f->texto(S("TERC_NIT")), QString());
    EXPECT_EQ(proveedores(S("900123457")), 1);
    EXPECT_EQ(texto(S("select terc_dv || terc_tipoid || terc_clie || terc_estado || "
                      "prov_residente || prov_simplificado || grpr_cod || prov_ctapagar from "
                      "terceros t join proveedores p on p.terc_nit = t.terc_nit where t.terc_nit "
                      "= '900123457'")),
              S("5JNSSN0122050501"));
    EXPECT_EQ(texto(S("select terc_ctaprov from terceros where terc_nit = '900123457'")),
              S("22050501"));
    EXPECT_EQ(texto(S("select prov_cupo from proveedores where terc_nit = '900123457'")).toDouble(),
              2500000.0);

    FichaProveedor mod(*dm, FichaProveedor::Modo::Modificar, S("900123457"), cuentas());
    ASSERT_TRUE(mod.abierta());
    EXPECT_TRUE(mod.registro().startsWith(S("Registro: 20"))) << mod.registro().toStdString();
    EXPECT_TRUE(mod.registro().endsWith(S("-ADMIN")));
    mod.asigne(S("TERC_CONTACTO"), S("Luisa"));
    ASSERT_TRUE(mod.grabe());
    EXPECT_EQ(texto(S("select terc_contacto from terceros where terc_nit = '900123457'")),
              S("Luisa"));
    EXPECT_TRUE(dialogs.errors().isEmpty()) << dialogs.lastError().toStdString();
}

TEST_F(AcreedoresTest, NaturalPersonNameIsComposedOnSaveEndingInTheEmptyPart) {
    auto f = nueva();
    llene(*f, S("79111222"));
    f->cambie_tipo(S("C"));
    f->asigne(S("TERC_NOMBRE1"), S("Ana"));
    f->asigne(S("TERC_APELLIDO1"), S("Pérez"));
    f->asigne(S("TERC_APELLIDO2"), S("Rojas"));
    ASSERT_TRUE(f->grabe()) << dialogs.lastError().toStdString();
    EXPECT_EQ(texto(S("select terc_nom || '|' from terceros where terc_nit = '79111222'")),
              S("Pérez Rojas Ana |"));
    // Back to a legal entity, the parts of a person's name are dropped.
    auto g = nueva();
    g->cambie_tipo(S("C"));
    g->asigne(S("TERC_NOMBRE1"), S("Ana"));
    g->cambie_tipo(S("J"));
    EXPECT_EQ(g->texto(S("TERC_NOMBRE1")), QString());
}

TEST_F(AcreedoresTest, BadInputIsRefusedWithItsMessageAndNothingStored) {
    const int antes = filas(S("terceros"));
    struct Caso {
        const char* nombre;
        std::function<bool(FichaProveedor&)> paso;
        QString mensaje;
    };
    const std::vector<Caso> casos{
        {"letters in the NIT",
         [](FichaProveedor& f) {
             return f.cambie_nit(S("90012A456")) == FichaProveedor::Nit::Aceptado;
         },
         S("El NIT solo admite dígitos, hasta 15.")},
        {"an existing supplier",
         [](FichaProveedor& f) {
             return f.cambie_nit(S("900123456")) == FichaProveedor::Nit::Aceptado;
         },
         S("Proveedor previamente registrado, use la opción modificar para consultar o "
           "modificar los datos.")},
        {"an inactive supplier",
         [](FichaProveedor& f) {
             return f.cambie_nit(S("79456123")) == FichaProveedor::Nit::Aceptado;
         },
         S("Proveedor previamente registrado, use la opción modificar para consultar o "
           "modificar los datos.")},
        {"an account that does not exist",
         [](FichaProveedor& f) { return f.cambie_cuenta(S("PROV_CTAPAGAR"), S("99999999")); },
         S("La cuenta especificada no existe.")},
        {"an account that takes no postings",
         [](FichaProveedor& f) { return f.cambie_cuenta(S("PROV_CTAPAGAR"), S("220505")); },
         S("La cuenta indicada tiene auxiliares definidos.")},
        {"a NIIF account missing from the NIIF book",
         [](FichaProveedor& f) { return f.cambie_cuenta(S("PROV_CTAPAGNIIF"), S("99999999")); },
         S("La cuenta NIIF especificada no existe.")},
        {"a third party's own account that takes no postings",
         [](FichaProveedor& f) { return f.cambie_cuenta(S("TERC_CTAPROV"), S("220505")); },
         S("La cuenta indicada tiene auxiliares definidos.")},
        {"a city that does not exist",
         [](FichaProveedor& f) { return f.cambie_ciudad(S("99999")); },
         S("La ciudad 99999 no existe.")},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nombre);
        dialogs.clear();
        auto f = nueva();
        llene(*f, S("811000111"));
        f->cambie_cuenta(S("PROV_CTAPAGAR"), S("22050501"));
        const QString antes_nit = f->texto(S("TERC_NIT"));
        EXPECT_FALSE(c.paso(*f));
        EXPECT_EQ(ultimo(), c.mensaje);
        // What the record held stays.
        EXPECT_EQ(f->texto(S("TERC_NIT")), antes_nit);
        EXPECT_EQ(f->texto(S("PROV_CTAPAGAR")), S("22050501"));
        EXPECT_EQ(f->texto(S("CIUD_COD")), S("11001"));
    }
    EXPECT_EQ(filas(S("terceros")), antes);
}

TEST_F(AcreedoresTest, WrongCheckDigitIsRefusedWhereTheDigitMayBeTyped) {
    configure(S("PERMITIR MODIFICAR DIGITO DE VERIFICACION DEL NIT"), S("SI"));
    auto f = nueva();
    llene(*f, S("900123458"));
    const QString calculado = f->texto(S("TERC_DV"));
    EXPECT_FALSE(f->cambie_dv(calculado == S("1") ? S("2") : S("1")));
    EXPECT_EQ(dialogs.lastError(), S("El dígito de verificación no corresponde al NIT."));
    EXPECT_EQ(f->texto(S("TERC_DV")), calculado);
    EXPECT_TRUE(f->cambie_dv(calculado));

    configure(S("PERMITIR MODIFICAR DIGITO DE VERIFICACION DEL NIT"), S("NO"));
    auto g = nueva();
    llene(*g, S("900123458"));
    EXPECT_FALSE(g->cambie_dv(S("3")));
    EXPECT_EQ(g->texto(S("TERC_DV")), calculado);
}

TEST_F(AcreedoresTest, MissingDataStopsTheSaveInOrderAndKeepsWhatWasTyped) {
    const std::vector<std::pair<const char*, QString>> pasos{
        {"TERC_NIT", S("Falta ingresar el NIT o identificación del tercero.")},
        {"TERC_TIPOID", S("Falta ingresar el tipo de documento.")},
        {"TERC_NOM", S("Falta ingresar el nombre del tercero.")},
        {"TERC_DIR", S("Falta ingresar la dirección del tercero.")},
        {"TERC_TEL", S("Falta ingresar el teléfono del tercero.")},
        {"TERC_EMAIL", S("Falta ingresar el correo electrónico del tercero.")},
        {"PAIS_ID", S("Falta ingresar el país del tercero.")},
    };
    for (const auto& [columna, mensaje] : pasos) {
        SCOPED_TRACE(columna);
        auto f = nueva();
        llene(*f, S("811000222"));
        f->asigne(S(columna), QVariant());
        EXPECT_FALSE(f->grabe());
        EXPECT_EQ(dialogs.lastError(), mensaje);
        EXPECT_EQ(f->texto(S("TERC_EMAIL")),
                  S(columna) == S("TERC_EMAIL") ? QString() : S("compras@lallave.example"));
        EXPECT_EQ(filas(S("terceros where terc_nit = '811000222'")), 0);
    }
    // Contact data are not asked for when the installation does not require them.
    configure(S("DATOS DE DIRECCION, CIUDAD, PAIS, TELEFONO Y MAIL OBLIGATORIOS"), S("NO"));
    auto f = nueva();
    llene(*f, S("811000222"));
    f->asigne(S("TERC_TEL"), QVariant());
    EXPECT_TRUE(f->grabe()) << dialogs.lastError().toStdString();
}

TEST_F(AcreedoresTest, ExistingClientIsMarkedAsSupplierWithTheCurrentGroup) {
    ASSERT_TRUE(dm->sql().execute(
        S("insert into terceros (terc_nit, terc_nom, terc_clie, terc_prov) values ('830555111', "
          "'Cliente Uno', 'S', 'N')")));
    auto f = nueva();
    f->asigne(S("GRPR_COD"), S("02"));
    dialogs.expectQuestion(S("NIT ya registrado, marcar como proveedor?"), false);
    EXPECT_EQ(f->cambie_nit(S("830555111")), FichaProveedor::Nit::Rechazado);
    EXPECT_EQ(proveedores(S("830555111")), 0);
    dialogs.expectQuestion(S("NIT ya registrado, marcar como proveedor?"), true);
    EXPECT_EQ(f->cambie_nit(S("830555111")), FichaProveedor::Nit::Marcado);
    EXPECT_EQ(proveedores(S("830555111")), 1);
    EXPECT_EQ(texto(S("select grpr_cod || terc_clie from proveedores p join terceros t on "
                      "t.terc_nit = p.terc_nit where p.terc_nit = '830555111'")),
              S("02S"));
    EXPECT_TRUE(dialogs.allAnswered());
}

TEST_F(AcreedoresTest, ModifyingAnUnknownThirdPartyIsRefused) {
    FichaProveedor f(*dm, FichaProveedor::Modo::Modificar, S("123"), cuentas());
    EXPECT_FALSE(f.abierta());
    EXPECT_EQ(dialogs.lastError(), S("Error. No se encontró el tercero."));
}

TEST_F(AcreedoresTest, ListFiltersByColumnAndHidesInactiveSuppliersUnlessAsked) {
    dm->ctx.busqueda_principal = true;
    BusquedaProveedores b(*dm);
    EXPECT_FALSE(b.para_elegir());
    EXPECT_FALSE(dm->ctx.busqueda_principal);
    const auto nits = [&b] {
        QStringList l;
        for (b.filas().first(); !b.filas().eof(); b.filas().next())
            l << b.nit_actual();
        return l;
    };
    using C = CriterioProveedores::Columna;
    EXPECT_EQ(nits(), (QStringList{S("800987654"), S("860045678"), S("900123456")}));
    ASSERT_TRUE(b.cargue({C::Nombre, S("ruiz"), true, true}));
    EXPECT_EQ(nits(), QStringList{S("79456123")});
    ASSERT_TRUE(b.cargue({C::Nombre, S("ruiz"), true, false}));
    EXPECT_TRUE(nits().isEmpty());
    ASSERT_TRUE(b.cargue({C::Codigo, S("PAPEL"), false, false}));
    EXPECT_EQ(nits(), (QStringList{S("860045678"), S("900123456")}));
    ASSERT_TRUE(b.cargue({C::Nit, S("86"), false, false}));
    EXPECT_EQ(nits(), (QStringList{S("860045678"), S("900123456")}));
}

TEST_F(AcreedoresTest, ListOpenedByAnotherWindowSearchesItsTextAndHandsTheNitBack) {
    Tfdmter::texto_busqueda = S("andina");
    BusquedaProveedores b(*dm);
    EXPECT_TRUE(b.para_elegir());
    ASSERT_EQ(b.filas().recordCount(), 1);
    EXPECT_EQ(b.seleccione(), S("860045678"));
    EXPECT_EQ(Tfdmter::entregado.nit, S("860045678"));
    EXPECT_TRUE(Tfdmter::texto_busqueda.isEmpty());
}

TEST_F(AcreedoresTest, DeletionAsksNeedsAccessAndLeavesReferencedSuppliers) {
    ASSERT_TRUE(dm->sql().execute(S(
        "insert into terceros (terc_nit, terc_nom, terc_prov) values ('811999', 'Sin uso', 'S')")));
    ASSERT_TRUE(dm->sql().execute(
        S("insert into proveedores (terc_nit, grpr_cod) values ('811999', '01')")));
    dm->ctx.busqueda_principal = true;
    BusquedaProveedores b(*dm);
    ASSERT_TRUE(b.cargue({CriterioProveedores::Columna::Nit, S("811999"), false, false}));

    dm->ctx.es_administrador = false;
    dm->ctx.usuario = S("AUXILIAR");
    EXPECT_FALSE(b.borre());
    EXPECT_EQ(dialogs.lastError(),
              S("Acceso no permitido. comuníquese con el administrador del sistema."));
    dm->ctx.es_administrador = true;

    dialogs.expectQuestion(S("Desea borrar definitivamente el tercero con NIT 811999 ?"), false);
    EXPECT_FALSE(b.borre());
    dialogs.expectQuestion(S("Desea borrar definitivamente el tercero con NIT 811999 ?"), true);
    EXPECT_TRUE(b.borre());
    EXPECT_EQ(filas(S("proveedores where terc_nit = '811999'")), 0);

    // A supplier with documents stays; the database says why.
    ASSERT_TRUE(b.cargue({CriterioProveedores::Columna::Nit, S("900123456"), false, false}));
    dialogs.expectQuestion(S("Desea borrar definitivamente el tercero con NIT 900123456 ?"), true);
    EXPECT_FALSE(b.borre());
    EXPECT_FALSE(dialogs.errors().isEmpty());
    EXPECT_EQ(filas(S("terceros where terc_nit = '900123456'")), 1);
}

TEST_F(AcreedoresTest, YearlyPurchasesAddInvoicesLessReturnsPerMonth) {
    dm->ctx.busqueda_principal = true;
    BusquedaProveedores b(*dm);
    ASSERT_TRUE(b.cargue({CriterioProveedores::Columna::Nit, S("860045678"), false, false}));
    const int ano =
        dm->sql()
            .scalar(
                S("select extract(year from faco_fecha) from facturas_compra where faco_id = 2"))
            .toInt();
    const int mes =
        dm->sql()
            .scalar(
                S("select extract(month from faco_fecha) from facturas_compra where faco_id = 2"))
            .toInt();
    ClientDataset* c = b.compras_anuales(ano);
    ASSERT_TRUE(c);
    ASSERT_EQ(c->recordCount(), 12);
    const QString total = texto(S(
        "select mvpr_total from movimiento_proveedor where mvpr_tiporef = 21 and mvpr_idref = 2"));
    ASSERT_FALSE(total.isEmpty());
    for (c->first(); !c->eof(); c->next()) {
        const bool suyo = c->fieldByName(S("MES")).asInteger() == mes;
        EXPECT_EQ(c->fieldByName(S("COMPRAS")).asCurrency(),
                  suyo ? Currency::parse(total).value() : Currency());
        EXPECT_EQ(c->fieldByName(S("NETO")).asCurrency(),
                  c->fieldByName(S("COMPRAS")).asCurrency());
    }
}
