#include <gtest/gtest.h>

#include <QFile>
#include <QObject>

#include "core/data/client_dataset.h"
#include "core/data/provider.h"
#include "core/sql/sqltext.h"
#include "core/validaciones/acceso.h"
#include "core/validaciones/anulacion.h"
#include "core/validaciones/auditoria.h"
#include "core/validaciones/fecha_documento.h"
#include "core/validaciones/impresoras.h"
#include "core/validaciones/usuario.h"
#include "tests/support/module_fixture.h"

using namespace ledgrix;

namespace {

const QString kBloqueada = QStringLiteral("La compañía esta bloqueada a: 2022/08/31");
const QString kLejana = QStringLiteral(
    "La fecha del documento es demasiado lejana. Revise la fecha del mismo y la fecha del "
    "sistema.");
const QString kSinExplicacion = QStringLiteral("Sin explicación del usuario. Anulado por:");
// Texts that would break a statement built by plain concatenation.
const QString kHostil = QStringLiteral("O'ÑA' OR '1'='1");

class ValidacionesTest : public ledgrix::test::ModuleTest {
  protected:
    // The date field of a document being typed, as a window holds it.
    Field& fechaEditada(const QDate& d) {
        auto* p = new Provider(&ventana, QStringLiteral("PTasas"));
        p->setConnectionName(dm->Ledgrix());
        p->setQueryName(QStringLiteral("QTasas"));
        p->setCommandText(QStringLiteral(
            "select TACA_ID, TACA_FECHA from TASA_CAMBIO_MONEDA where TACA_ID = -1"));
        auto* c = new ClientDataset(&ventana, QStringLiteral("CTasas"));
        c->setProvider(p);
        dm->ConfigurarProviders(&ventana);
        EXPECT_TRUE(c->open());
        EXPECT_TRUE(c->append());
        Field& f = c->fieldByName(QStringLiteral("TACA_FECHA"));
        if (d.isValid())
            f.setValue(d);
        return f;
    }

    // An audit row by ANA; motivo and razon are SQL text ("null" for none).
    void anulado(int tipo, int id, const char* motivo, const char* razon, const char* oper = "A") {
        ASSERT_TRUE(dm->sql().execute(
            QStringLiteral("insert into auditoria (TIDO_COD, AUDI_IDDOC, AUDI_OPER, audi_razon, "
                           "audi_usuario, audi_motivo) values (%1, %2, '%3', %4, 'ANA', %5)")
                .arg(tipo)
                .arg(id)
                .arg(QLatin1String(oper), QString::fromUtf8(razon), QLatin1String(motivo))));
    }

    void impresoras(const QByteArray& contenido) {
        QFile f(inst->dir() + QStringLiteral("/impresoras.cfg"));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(contenido);
    }

    QObject ventana;
};

using ValidFechaTest = ValidacionesTest;
using ValidAccesoTest = ValidacionesTest;
using ValidAuditoriaTest = ValidacionesTest;
using ValidImpresoraTest = ValidacionesTest;

TEST_F(ValidFechaTest, ADateInAClosedPeriodMovesToTodayOrToTheBlockDateWhenTheClockIsBehind) {
    conecte();
    configure(QStringLiteral("FECHA DE BLOQUEO"), QStringLiteral("20220831"));

    Field& f = fechaEditada(QDate(2022, 8, 15));
    valide_fecha(*dm, f);
    EXPECT_EQ(dialogs.errors(), QStringList{kBloqueada});
    EXPECT_EQ(f.asDate(), QDate(2022, 9, 21));

    dialogs.clear();
    clock.set(QDateTime(QDate(2022, 8, 20), QTime(9, 0)));
    f.setValue(QDate(2022, 8, 15));
    valide_fecha(*dm, f);
    EXPECT_EQ(dialogs.errors(), QStringList{kBloqueada});
    EXPECT_EQ(f.asDate(), QDate(2022, 8, 31));

    // The block date itself is open.
    dialogs.clear();
    valide_fecha(*dm, f);
    EXPECT_TRUE(dialogs.errors().isEmpty());
    EXPECT_EQ(f.asDate(), QDate(2022, 8, 31));
}

TEST_F(ValidFechaTest, ADateBeyondTheFutureLimitMovesToToday) {
    conecte();
    configure(QStringLiteral("FECHA DE BLOQUEO"), QStringLiteral("20200101"));
    configure(QStringLiteral("MAXIMO NUMERO DE DIAS PARA DOCUMENTOS FUTUROS"),
              QStringLiteral("30"));
    const QDate hoy(2022, 9, 21);

    Field& f = fechaEditada(hoy.addDays(30));
    valide_fecha(*dm, f);
    EXPECT_TRUE(dialogs.errors().isEmpty());
    EXPECT_EQ(f.asDate(), hoy.addDays(30));

    f.setValue(hoy.addDays(31));
    valide_fecha(*dm, f);
    EXPECT_EQ(dialogs.errors(), QStringList{kLejana});
    EXPECT_EQ(f.asDate(), hoy);

    // An empty limit is a setting to fix, not a limit of 0 days: the date stays.
    configure(QStringLiteral("MAXIMO NUMERO DE DIAS PARA DOCUMENTOS FUTUROS"), QString());
    dialogs.clear();
    f.setValue(hoy.addDays(5));
    valide_fecha(*dm, f);
    EXPECT_EQ(f.asDate(), hoy.addDays(5));
    EXPECT_EQ(dialogs.errors(),
              QStringList{QStringLiteral("La configuración «MAXIMO NUMERO DE DIAS PARA DOCUMENTOS "
                                         "FUTUROS» debe ser un número entero y está vacía.")});
}

TEST_F(ValidFechaTest, WithoutABlockDateNothingIsCheckedAndAnEmptyFieldIsLeftAlone) {
    conecte();
    configure(QStringLiteral("FECHA DE BLOQUEO"), QString());

    Field& f = fechaEditada(QDate(2032, 9, 21));
    valide_fecha(*dm, f);
    EXPECT_EQ(f.asDate(), QDate(2032, 9, 21));

    configure(QStringLiteral("FECHA DE BLOQUEO"), QStringLiteral("20220831"));
    f.clear();
    valide_fecha(*dm, f);
    EXPECT_TRUE(f.isNull());
    EXPECT_TRUE(dialogs.errors().isEmpty());
}

TEST_F(ValidFechaTest, AMalformedBlockDateIsReportedAndTheTypedDateKept) {
    conecte();
    Field& f = fechaEditada(QDate(2022, 8, 15));
    for (const QString& malo :
         {QStringLiteral("2022-08-31"), QStringLiteral("20221331"), QStringLiteral(" 2022083")}) {
        SCOPED_TRACE(malo.toStdString());
        configure(QStringLiteral("FECHA DE BLOQUEO"), malo);
        dialogs.clear();
        valide_fecha(*dm, f);
        ASSERT_EQ(dialogs.errors().size(), 1);
        EXPECT_TRUE(
            dialogs.lastError().startsWith(QStringLiteral("Se presento el siguiente error: ")))
            << dialogs.lastError().toStdString();
        EXPECT_EQ(f.asDate(), QDate(2022, 8, 15));
    }
    EXPECT_TRUE(QFile::exists(inst->dir() + QStringLiteral("/ERRORES.TXT")));
}

TEST_F(ValidAccesoTest, AnAdministratorPassesEveryOptionEvenWithoutRows) {
    conecte(QStringLiteral("ADMIN"));
    dm->ctx.es_administrador = true;
    for (int opcion : {0, 114, 999})
        EXPECT_TRUE(valide_acceso(*dm, dm->ctx.modulo, opcion)) << opcion;
    EXPECT_TRUE(valide_acceso(*dm, QStringLiteral("CAJA"), 40));
    // The bypass follows the administrator logged in, whoever is asked about.
    EXPECT_TRUE(acceso_editacomproba(*dm, QStringLiteral("AUXILIAR"), dm->ctx.modulo, 12));
    EXPECT_TRUE(acceso_editacomproba(*dm, kHostil, dm->ctx.modulo, 12));
}

TEST_F(ValidAccesoTest, AClerkPassesOnlyOptionsRecordedAsAllowed) {
    conecte(QStringLiteral("AUXILIAR"));
    const QString cxp = dm->ctx.modulo;
    for (int opcion : {1, 10, 113})
        EXPECT_TRUE(valide_acceso(*dm, cxp, opcion)) << opcion;
    for (int opcion : {0, 12, 114})
        EXPECT_FALSE(valide_acceso(*dm, cxp, opcion)) << opcion;
    EXPECT_FALSE(valide_acceso(*dm, cxp, 999)) << "no row";
    EXPECT_FALSE(valide_acceso(*dm, QStringLiteral("CAJA"), 10)) << "rows belong to their module";

    // Asking about an administrator from a clerk's session finds no rows for him.
    EXPECT_FALSE(acceso_editacomproba(*dm, QStringLiteral("ADMIN"), cxp, 10));
    EXPECT_TRUE(acceso_editacomproba(*dm, QStringLiteral("AUXILIAR"), cxp, 10));
    EXPECT_FALSE(acceso_editacomproba(*dm, kHostil, cxp, 10));
    EXPECT_FALSE(acceso_editacomproba(*dm, QStringLiteral("AUXILIAR"), kHostil, 10));
    EXPECT_TRUE(dialogs.errors().isEmpty()) << dialogs.lastError().toStdString();
}

TEST_F(ValidAccesoTest, UserNamesComeFromTheGeneralDatabase) {
    conecte();
    const QString nombre =
        dm->sqlGeneral()
            .scalar(QStringLiteral("select usua_nombre from usuario where usua_cod = 'AUXILIAR'"))
            .toString();
    ASSERT_FALSE(nombre.isEmpty());
    EXPECT_EQ(valide_usuario(*dm, QStringLiteral("AUXILIAR")), nombre);
    EXPECT_TRUE(dialogs.errors().isEmpty());

    for (const QString& codigo : {QStringLiteral("NADIE"), kHostil, QString()}) {
        dialogs.clear();
        EXPECT_EQ(valide_usuario(*dm, codigo), QString());
        EXPECT_EQ(dialogs.errors(), QStringList{QStringLiteral("Nombre de usuario incorrecto")})
            << codigo.toStdString();
    }
}

TEST_F(ValidAuditoriaTest, EntryAndExitRowsCarryTheModuleAndTheServerFillsWhoAndWhen) {
    conecte();
    ASSERT_TRUE(grabe_auditoria(*dm, true));
    ASSERT_TRUE(grabe_auditoria(*dm, false));
    auto q = dm->sql().select(
        QStringLiteral("select TIDO_COD || ',' || AUDI_IDDOC || ',' || AUDI_OPER || ',' || "
                       "AUDI_COD, audi_usuario, audi_fecha, "
                       "audi_hora from auditoria where TIDO_COD in (198, 199) order by AUDI_ID"));
    ASSERT_TRUE(q);
    for (const char* fila : {"198,0,I,C. X PAGAR", "199,0,I,C. X PAGAR"}) {
        ASSERT_TRUE(q->next());
        EXPECT_EQ(q->value(0).toString(), QString::fromUtf8(fila));
        EXPECT_FALSE(q->value(1).toString().isEmpty() || q->value(2).isNull() ||
                     q->value(3).isNull());
    }
    EXPECT_FALSE(q->next());
}

TEST_F(ValidAuditoriaTest, TheAnnulmentTextNamesReasonTextAndUser) {
    conecte();
    anulado(51, 1, "1", "'duplicado'");
    anulado(51, 2, "null", "'mal digitado'");
    anulado(51, 3, "null", "null");
    anulado(51, 4, "999", "'sin catálogo'");
    anulado(51, 5, "1", "'creado'", "I");
    anulado(52, 6, "1", "'otro tipo'");

    EXPECT_EQ(razon_anulacion(*dm, 51, 1), QStringLiteral("Digitación:duplicado. Anulado por:ANA"));
    EXPECT_EQ(razon_anulacion(*dm, 51, 2), QStringLiteral("mal digitado. Anulado por:ANA"));
    EXPECT_EQ(razon_anulacion(*dm, 51, 3), kSinExplicacion + QStringLiteral("ANA"));
    EXPECT_EQ(razon_anulacion(*dm, 51, 4), QStringLiteral("sin catálogo. Anulado por:ANA"));
    // Only annulment rows of the same type count.
    EXPECT_EQ(razon_anulacion(*dm, 51, 5), kSinExplicacion);
    EXPECT_EQ(razon_anulacion(*dm, 51, 6), kSinExplicacion);
    EXPECT_TRUE(dialogs.errors().isEmpty()) << dialogs.lastError().toStdString();
}

TEST_F(ValidImpresoraTest, TheLogicalNameIsFoundAnywhereInALine) {
    impresoras(
        QByteArrayLiteral("XFACTURA,LPT2\r\nRECIBO,\r\nRECIBO,\\\\caja\\Epson Ñ\r\nO'ÑA,LPT3\r\n"));
    EXPECT_EQ(nombre_impresora(*dm, QStringLiteral("FACTURA")), QStringLiteral("LPT2"));
    EXPECT_EQ(nombre_impresora(*dm, QStringLiteral("RECIBO")), QStringLiteral("\\\\caja\\Epson Ñ"))
        << "a name without printer does not end the search";
    EXPECT_EQ(nombre_impresora(*dm, QStringLiteral("O'ÑA")), QStringLiteral("LPT3"));
    EXPECT_EQ(nombre_impresora(*dm, QStringLiteral("factura")), QString());
    EXPECT_EQ(nombre_impresora(*dm, QStringLiteral("CHEQUE")), QString());
    EXPECT_TRUE(dialogs.errors().isEmpty());
}

TEST_F(ValidImpresoraTest, AMissingFileIsToldWithItsPath) {
    QFile::remove(inst->dir() + QStringLiteral("/impresoras.cfg"));
    EXPECT_EQ(nombre_impresora(*dm, QStringLiteral("FACTURA")), QString());
    EXPECT_EQ(dialogs.errors(), QStringList{QStringLiteral("Error abriendo el archivo") +
                                            inst->dir() + QStringLiteral("/impresoras.cfg")});
}

}  // namespace
