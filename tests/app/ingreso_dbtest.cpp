#include <gtest/gtest.h>

#include <QFile>

#include "app/login/ingreso.h"
#include "app/login/tasa_cambio_dia.h"
#include "core/login/clave.h"
#include "core/login/password_hash.h"
#include "tests/support/module_fixture.h"

using namespace ledgrix;
using ledgrix::test::ModuleTest;

namespace {
const QString kRechazo = QStringLiteral(
    "Acceso no permitido. Ingrese al módulo principal o especifique un nombre de usuario válido.");

// The command line the launcher gives the module.
QStringList entrada(const char* usuario, const char* clave, const QString& ubicacion = {}) {
    QStringList args{QStringLiteral("ENTRADA"), QString::fromLatin1(usuario), QStringLiteral("001"),
                     embrolle_clave(QString::fromLatin1(clave))};
    if (!ubicacion.isEmpty())
        args << ubicacion;
    return args;
}

QString auditorias(Tfdm& dm, int tipo) {
    return dm.sql()
        .scalar(QStringLiteral("select count(*) from auditoria where tido_cod = %1 and "
                               "audi_cod = 'C. X PAGAR'")
                    .arg(tipo))
        .toString();
}
}  // namespace

using IngresoTest = ModuleTest;

TEST_F(IngresoTest, RefusesWithoutTheLaunchersWordOrAPasswordAndOpensNoDatabase) {
    QStringList minuscula = entrada("ADMIN", "admin");
    minuscula[0] = QStringLiteral("entrada");
    for (const QStringList& args : {QStringList{}, minuscula, entrada("ADMIN", "")}) {
        dialogs.clear();
        Ingreso ingreso(*dm);
        EXPECT_FALSE(ingreso.ingrese(args));
        EXPECT_EQ(dialogs.errors(), QStringList{kRechazo});
        EXPECT_FALSE(dm->ledgrix().isOpen());
    }
}

TEST_F(IngresoTest, AdministratorEntersAndTheEntryAndExitAreAudited) {
    Ingreso ingreso(*dm);
    ASSERT_TRUE(ingreso.ingrese(entrada("ADMIN", "admin"))) << dialogs.lastError().toStdString();
    EXPECT_TRUE(dm->ctx.es_administrador);
    EXPECT_EQ(dm->ctx.usuario, QStringLiteral("ADMIN"));
    EXPECT_TRUE(ingreso.revision().startsWith(QStringLiteral("Rev: 2022/09/21 BD: ")));
    EXPECT_EQ(auditorias(*dm, 198), QStringLiteral("1"));
    const QString feccon = QStringLiteral("select FECCON from USUARIO where USUA_COD = 'ADMIN'");
    EXPECT_EQ(dm->sqlGeneral().scalar(feccon).toDate(), QDate(2022, 9, 21));

    // Leaving audits the exit and clears the presence mark.
    ingreso.salga();
    EXPECT_EQ(auditorias(*dm, 199), QStringLiteral("1"));
    EXPECT_TRUE(dm->sqlGeneral().scalar(feccon).isNull());
}

TEST_F(IngresoTest, AUserUnknownToTheCompanyIsRefused) {
    ASSERT_TRUE(dm->conecte_general(inst->generalDatabase(), QStringLiteral("SYSDBA"), QString()));
    // Known to the general database only.
    const QString sal = newSalt();
    ASSERT_TRUE(dm->sqlGeneral().execute(
        QStringLiteral(
            "insert into USUARIO (USUA_COD, USUA_NOMBRE, USUA_ADMIN, USUA_SAL, USUA_CLAVE) values "
            "('INTRUSO', 'Intruso', 'N', '%1', '%2')")
            .arg(sal, passwordHash(sal, QStringLiteral("x")))));
    Ingreso ingreso(*dm);
    EXPECT_FALSE(ingreso.ingrese(entrada("INTRUSO", "x")));
    EXPECT_EQ(dialogs.errors(),
              (QStringList{QStringLiteral("Nombre de usuario incorrecto"), kRechazo}));
    EXPECT_FALSE(dm->ledgrix().isOpen());

    // Refused after the entry row: he leaves as anyone leaves, and nobody
    // sees him connected.
    ASSERT_TRUE(dm->conecte_compania(inst->companyDatabase(), QStringLiteral("SYSDBA"), QString()));
    ASSERT_TRUE(dm->conecte_general(inst->generalDatabase(), QStringLiteral("SYSDBA"), QString()));
    EXPECT_EQ(auditorias(*dm, 198), QStringLiteral("1"));
    EXPECT_EQ(auditorias(*dm, 199), QStringLiteral("1"));
    EXPECT_TRUE(dm->sqlGeneral()
                    .scalar(QStringLiteral("select FECCON from USUARIO where USUA_COD = 'INTRUSO'"))
                    .isNull());
}

TEST_F(IngresoTest, ACompanyThatCannotBeOpenedIsReportedOnceAndNothingStaysOpen) {
    QStringList args = entrada("ADMIN", "admin");
    args[2] = QStringLiteral("999");
    Ingreso ingreso(*dm);
    EXPECT_FALSE(ingreso.ingrese(args));
    ASSERT_EQ(dialogs.errors().size(), 1) << dialogs.errors().join(u'|').toStdString();
    EXPECT_TRUE(
        dialogs.lastError().startsWith(QStringLiteral("No se encontró el archivo o la ruta ")))
        << dialogs.lastError().toStdString();
    EXPECT_FALSE(dm->general().isOpen());
}

TEST_F(IngresoTest, TheFifthArgumentReplacesTheConnectionFile) {
    QFile::remove(inst->dir() + QStringLiteral("/conexion.cfg"));
    Ingreso ingreso(*dm);
    EXPECT_TRUE(ingreso.ingrese(entrada("ADMIN", "admin", inst->location())))
        << dialogs.lastError().toStdString();
}

TEST_F(IngresoTest, AWrongPasswordIsRefusedBeforeAnythingIsWrittenAndTheRightOneEnters) {
    Ingreso ingreso(*dm);
    EXPECT_FALSE(ingreso.ingrese(entrada("AUXILIAR", "Auxiliar")));
    EXPECT_EQ(dialogs.errors(),
              QStringList{QStringLiteral("El nombre de Usuario o la clave son incorrectas.")});
    EXPECT_FALSE(dm->ledgrix().isOpen());
    // The clerk with his own password gets in, and is no administrator.
    dialogs.clear();
    Ingreso otra(*dm);
    EXPECT_TRUE(otra.ingrese(entrada("AUXILIAR", "auxiliar"))) << dialogs.lastError().toStdString();
    EXPECT_FALSE(dm->ctx.es_administrador);
    EXPECT_EQ(auditorias(*dm, 198), QStringLiteral("1"));
    // He sees his agency, and the company record is kept.
    EXPECT_EQ(dm->ctx.agencia, 1);
    EXPECT_FALSE(otra.nombre_agencia().isEmpty());
    EXPECT_FALSE(dm->ctx.compania.nit.isEmpty());
    EXPECT_FALSE(otra.compania().isEmpty());
    EXPECT_FALSE(otra.pendientes().pedir_tasa) << "the demo does not ask for the day's rate";
}

TEST(ColorVentana, HueAndSaturationComeFromOneNumber) {
    int h = 160, s = 0;
    Ingreso::color_ventana(QStringLiteral("22050"), h, s);
    EXPECT_EQ(h, 220);
    EXPECT_EQ(s, 50);
    Ingreso::color_ventana(QStringLiteral("azul"), h, s);  // not a number: keeps what it had
    EXPECT_EQ(h, 220);
    EXPECT_EQ(s, 50);
}

TEST_F(IngresoTest, EntryAsksForTheDaysRateAndOpensTheMovementWhenConfigured) {
    ASSERT_TRUE(dm->conecte_compania(inst->companyDatabase(), QStringLiteral("SYSDBA"), QString()));
    for (const char* p : {"PREGUNTAR TASA DE CAMBIO EN DOCUMENTOS DE CUENTAS POR PAGAR",
                          "MOSTRAR EL MOVIMIENTO DE LAS CXP AL ENTRAR AL MODULO"})
        ASSERT_TRUE(
            dm->sql().execute(QStringLiteral("update CONFIGURACION set CONF_VALOR = 'SI' where "
                                             "CONF_PROPIEDAD = '%1'")
                                  .arg(QLatin1String(p))));
    {
        Ingreso ingreso(*dm);
        ASSERT_TRUE(ingreso.ingrese(entrada("AUXILIAR", "auxiliar")));
        EXPECT_TRUE(ingreso.pendientes().pedir_tasa);
        EXPECT_EQ(ingreso.pendientes().moneda, 2);
        EXPECT_TRUE(ingreso.pendientes().abrir_movimiento);
        EXPECT_TRUE(dialogs.errors().isEmpty());
    }
    // The rate typed in the day's window is what the next entry finds.
    TasaCambioDia tasa(*dm, 2);
    EXPECT_FALSE(tasa.grabe(Currency::fromInt(-5)));
    EXPECT_FALSE(tasa.grabe(Currency::fromText(QStringLiteral("0.004"))));  // no cents: no rate
    EXPECT_EQ(dialogs.errors().size(), 2);
    EXPECT_TRUE(tasa.grabe(Currency::fromText(QStringLiteral("4120.55"))));
    EXPECT_EQ(dm->sql()
                  .scalar(QStringLiteral(
                      "select TACA_VALOR from TASA_CAMBIO_MONEDA where TIMO_COD = 2 and "
                      "TACA_FECHA = '2022/09/21'"))
                  .toString()
                  .left(7),
              QStringLiteral("4120.55"));
    // Without option 110 the movement window is refused with the usual text.
    ASSERT_TRUE(
        dm->sql().execute(QStringLiteral("update acceso_usuario set acus_si = 'N' where user_cod = "
                                         "'AUXILIAR' and acus_opcion = 110")));
    dialogs.clear();
    Ingreso otra(*dm);
    ASSERT_TRUE(otra.ingrese(entrada("AUXILIAR", "auxiliar")));
    EXPECT_FALSE(otra.pendientes().pedir_tasa);
    EXPECT_FALSE(otra.pendientes().abrir_movimiento);
    EXPECT_EQ(dialogs.errors(),
              QStringList{QStringLiteral(
                  "Acceso no permitido. comuníquese con el administrador del sistema.")});
}
