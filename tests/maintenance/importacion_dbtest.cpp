// Files of suppliers, groups and opening balances imported into a demo
// company: what each kind leaves where the rest of the program looks, and
// that a file is imported whole or not at all.
#include <gtest/gtest.h>

#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

#include "maintenance/importacion/importador.h"
#include "maintenance/importacion/lectura/datos_importacion.h"
#include "maintenance/progreso.h"
#include "parties/digito_verificacion.h"
#include "tests/support/module_fixture.h"

namespace ledgrix::test {
namespace {

using namespace ledgrix::importacion;
using Estado = ResultadoImportacion::Estado;

const QString kProveedores = QStringLiteral("TERCEROS");

// Runs something when the write of the records has begun (the first
// "Documento: "/"Proveedor: "/"Grupo: " line), then may ask to stop.
class AlEscribir : public Progreso {
  public:
    explicit AlEscribir(std::function<bool()> accion) : accion_(std::move(accion)) {}
    void avance(int, const QString& texto) override {
        if (!hecho_ && texto.contains(QLatin1String(": "))) {
            hecho_ = true;
            cancelado_ = accion_();
        }
    }
    bool cancelado() const override { return cancelado_; }

  private:
    std::function<bool()> accion_;
    bool hecho_ = false;
    bool cancelado_ = false;
};

class ImportacionTest : public ModuleTest {
  protected:
    void SetUp() override {
        ModuleTest::SetUp();
        conecte();
    }

    ResultadoImportacion importe(Clase clase, const QStringList& lineas, Progreso& progreso) {
        const QString ruta = inst->dir() + QStringLiteral("/importar.txt");
        QFile f(ruta);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write((lineas.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8());
        f.close();
        FormatoArchivo formato;
        formato.separador = QLatin1Char(';');
        return Importador(*dm, clase, formato, datos_de(clase)).importe(ruta, progreso);
    }
    ResultadoImportacion importe(Clase clase, const QStringList& lineas) {
        SinProgreso nadie;
        return importe(clase, lineas, nadie);
    }

    // What the import may touch, to see that a refused run left it alone.
    QString huella() const {
        return texto(QStringLiteral(
            "select (select count(*) from TERCEROS) || '/' || (select count(*) from PROVEEDORES) "
            "|| '/' || (select count(*) from GRUPOS_PROVEEDORES) || '/' || (select count(*) from "
            "NOTAS_DEBITO_PROVEEDOR) || '/' || (select count(*) from NOTAS_CREDITO_PROVEEDOR) || "
            "'/' || (select count(*) from PREFIJOS) || '/' || (select count(*) from "
            "MOVIMIENTO_PROVEEDOR) || '/' || (select list(TERC_NOM) from TERCEROS) "
            "from RDB$DATABASE"));
    }
};

TEST_F(ImportacionTest, GruposNuevosSeAgreganYLosExistentesCambianDeNombre) {
    const ResultadoImportacion r =
        importe(Clase::Grupos,
                {QStringLiteral("07;Proveedores de servicios"), QStringLiteral("01;Nacionales")});
    ASSERT_TRUE(r.importado()) << r.mensaje.toStdString();
    EXPECT_EQ(r.mensaje, QStringLiteral("Importación finalizada. 2 registros importados."));
    EXPECT_EQ(texto(QStringLiteral("select list(GRPR_COD || '=' || GRPR_NOM, '|') from (select * "
                                   "from GRUPOS_PROVEEDORES order by GRPR_COD)")),
              QStringLiteral("01=Nacionales|02=Proveedores del exterior|07=Proveedores de "
                             "servicios"));
}

// A NIT already stored is updated (what the file leaves empty stays), a new
// one becomes a supplier the supplier look-ups find.
TEST_F(ImportacionTest, ProveedoresNuevosSeAgreganYUnNitExistenteSeActualizaSinDuplicarse) {
    const int terceros = filas(kProveedores);
    const ResultadoImportacion r = importe(
        Clase::Proveedores,
        {QStringLiteral("900555001;Ferretería El Tornillo S.A.S.;Calle 1 No. 2-3;Bogotá;3001234;"
                        "Ana;;;J;;;;;TORNILLO;02;07;A;123-456"),
         QStringLiteral("900123456;Transportes del Norte Renovada;;;;;;;;;;;;;01;;;")});
    ASSERT_TRUE(r.importado()) << r.mensaje.toStdString();
    EXPECT_EQ(r.importados, 2);
    EXPECT_EQ(filas(kProveedores), terceros + 1);
    EXPECT_EQ(texto(QStringLiteral(
                  "select t.TERC_DV || t.TERC_PROV || t.TERC_ESTADO || '|' || t.TERC_NOM || '|' || "
                  "p.GRPR_COD || p.PROV_COD || p.PROV_BANCO || p.PROV_TIPOCTA || p.PROV_CUENTA "
                  "|| p.PROV_SIMPLIFICADO from TERCEROS t join PROVEEDORES p on p.TERC_NIT = "
                  "t.TERC_NIT where t.TERC_NIT = '900555001'")),
              QString::number(*dv(QStringLiteral("900555001"))) +
                  QStringLiteral("SS|Ferretería El Tornillo S.A.S.|02TORNILLO07A123-456N"));
    EXPECT_EQ(texto(QStringLiteral("select t.TERC_NOM || '|' || t.TERC_DIR || '|' || p.PROV_COD "
                                   "|| '|' || p.GRPR_COD from TERCEROS t join PROVEEDORES p on "
                                   "p.TERC_NIT = t.TERC_NIT where t.TERC_NIT = '900123456'")),
              QStringLiteral("Transportes del Norte Renovada|Calle 80 No. 69-70|TRANSNORTE|01"));
}

// Charges and discounts become ordinary documents: the registry gives their
// balance, the payables relation lists them, a missing prefix is created
// without automatic numbering, and an empty rate is the local currency's.
TEST_F(ImportacionTest, SaldosInicialesSonCargosYDescuentosQueElRegistroYLaRelacionVen) {
    ASSERT_TRUE(dm->sql().execute(QStringLiteral(
        "update PROVEEDORES set PROV_CTAPAGAR = '22051001' where TERC_NIT = '800987654'")));
    const ResultadoImportacion r = importe(
        Clase::SaldosIniciales,
        {QStringLiteral("D;IM;45;01/09/2022;900123456;30/09/2022;Saldo inicial;1.000.000,00;;COP;"
                        "0;1.000.000;0;160.000"),
         QStringLiteral("C;0000;7;05/09/2022;900123456;;Nota crédito inicial;200.000,50;;;"),
         // No due date: the supplier's payment days (45) from the date.
         QStringLiteral("D;IM;46;02/09/2022;800987654;;Saldo en dólares;100,00;4.000,00;USD")});
    ASSERT_TRUE(r.importado()) << r.mensaje.toStdString();
    EXPECT_EQ(r.importados, 3);

    EXPECT_EQ(texto(QStringLiteral("select PREF_AUTO || PREF_IVAINC || PREF_ACTIVO || ' ' || "
                                   "PREF_ACTUAL from PREFIJOS where TIDO_COD = 51 and PREF_PRE "
                                   "= 'IM'")),
              // Created with the first number; the documents stored move
              // the consecutive past the last one, as every store does.
              QStringLiteral("NNS 000047"));
    EXPECT_EQ(texto(QStringLiteral("select NDPR_NUMERO || ' ' || NDPR_TRM || ' ' || NDPR_MONEDA "
                                   "|| ' ' || NDPR_VENCE || ' ' || NDPR_ANULADO || NUMOK || "
                                   "NDPR_TRANSMIT || ' ' || NDPR_USUARIO || ' ' || NDPR_BASE1 "
                                   "|| ' ' || NDPR_IVAMONTO from NOTAS_DEBITO_PROVEEDOR where "
                                   "PREF_PRE = 'IM' and NDPR_NUMERO = '000045'")),
              QStringLiteral("000045 1.00 1 2022-09-30 NNN ADMIN 1000000.00 160000.00"));
    // What the charge window takes from the supplier: his accounts, and his
    // payment days when no due date is given.
    EXPECT_EQ(texto(QStringLiteral("select NDPR_VENCE || ' ' || NDPR_FECFAC || ' ' || "
                                   "coalesce(NDPR_CTAPAGAR, '-') from NOTAS_DEBITO_PROVEEDOR "
                                   "where NDPR_NUMERO = '000046'")),
              QStringLiteral("2022-10-17 2022-09-02 22051001"));
    EXPECT_GT(dm->sql()
                  .scalar(QStringLiteral("select NDPR_ID from NOTAS_DEBITO_PROVEEDOR where "
                                         "NDPR_NUMERO = '000045'"))
                  .toInt(),
              0);

    // The registry: each document's balance as of the cut-off (the amount
    // plus its VAT for the charge).
    const auto saldo = [&](int tipo, const char* prefijo, const char* numero) {
        return texto(
            QStringLiteral(
                "select cast(SALDO as varchar(20)) from BUSCA_ID_DOC_CXPAGAR(%1, '%2', '%3', "
                "'900123456', '2022-09-21', 1)")
                .arg(tipo)
                .arg(QLatin1String(prefijo), QLatin1String(numero)));
    };
    EXPECT_EQ(saldo(51, "IM", "000045"), QStringLiteral("1160000.00"));
    EXPECT_EQ(saldo(52, "0000", "000007"), QStringLiteral("-200000.50"));
    // The payables relation of the supplier.
    EXPECT_EQ(texto(QStringLiteral("select list(TIPO || ':' || PREFIJO || NUMERO || '=' || SALDO, "
                                   "' ') from (select * from CXPAGAR_PROVEEDOR('900123456', "
                                   "'2022-09-21', 1) order by TIPO)")),
              QStringLiteral("51:IM000045=1160000.00 52:0000000007=-200000.50"));
    // And the aging at the cut-off: the charge not yet due, the credit note
    // with its balance outside the due buckets.
    EXPECT_EQ(
        texto(QStringLiteral(
            "select list(TIPO || '|' || SALDO || '|' || CORRIENTE, ' ') from rep_analisis_cxpagar("
            "'900123456', '900123456', '', 'zz', '2022/09/21', 'S', 'N', 'N', 30, 0, 'N', "
            "0) where TIPO in (51, 52)")),
        QStringLiteral("51|1160000.00|1160000.00 52|-200000.50|0.00"));
}

struct CasoRechazo {
    const char* nombre;
    Clase clase;
    QStringList lineas;
    // Each refused line and a part of its reason.
    QList<std::pair<qint64, QString>> rechazos;
};

// One bad line among good ones: nothing of the file is stored, and the
// report names every refused line with its reason.
TEST_F(ImportacionTest, UnaLineaRechazadaDejaLaBaseComoEstabaYElInformeLasNombraTodas) {
    const QString bueno = QStringLiteral("D;IM;1;01/09/2022;900123456;;Saldo;100.000");
    const std::vector<CasoRechazo> casos{
        {"proveedor desconocido y moneda",
         Clase::SaldosIniciales,
         {bueno, QStringLiteral("D;IM;2;01/09/2022;900000001;;Saldo;100.000"),
          QStringLiteral("C;IM;3;01/09/2022;900123456;;Saldo;100.000;;XYZ")},
         {{2, QStringLiteral("El NIT 900000001 no es un proveedor.")},
          {3, QStringLiteral("La moneda XYZ no existe.")}}},
        {"documento repetido en el archivo",
         Clase::SaldosIniciales,
         {bueno, QStringLiteral("C;IM;1;01/09/2022;900123456;;Saldo;100.000"), bueno},
         {{3, QStringLiteral("El cargo IM 000001 está repetido en las líneas 1 y 3.")}}},
        {"vencimiento antes de la fecha, monto cero, línea ilegible",
         Clase::SaldosIniciales,
         {QStringLiteral("D;IM;4;01/09/2022;900123456;31/08/2022;Saldo;100.000"),
          QStringLiteral("D;IM;5;01/09/2022;900123456;;Saldo;0"), bueno,
          QStringLiteral("D;IM;6;32/09/2022;900123456;;Saldo;100.000")},
         {{1, QStringLiteral("El vencimiento 31/08/2022 es anterior a la fecha 01/09/2022.")},
          {2, QStringLiteral("El monto del cargo IM 000005 debe ser mayor que cero.")},
          {4, QStringLiteral("32/09/2022")}}},
        {"proveedor repetido y grupo desconocido",
         Clase::Proveedores,
         {QStringLiteral("900555001;Uno;;;;;;;;;;;;;01"),
          QStringLiteral("900555002;Dos;;;;;;;;;;;;;09"),
          QStringLiteral("900555001;Uno otra vez;;;;;;;;;;;;;01")},
         {{2, QStringLiteral("El grupo 09 no existe.")},
          {3, QStringLiteral("El NIT 900555001 está repetido en las líneas 1 y 3.")}}},
        {"grupo repetido",
         Clase::Grupos,
         {QStringLiteral("07;Uno"), QStringLiteral("08;Dos"), QStringLiteral("07;Tres")},
         {{3, QStringLiteral("El grupo 07 está repetido en las líneas 1 y 3.")}}},
    };
    for (const CasoRechazo& c : casos) {
        SCOPED_TRACE(c.nombre);
        const QString antes = huella();
        const ResultadoImportacion r = importe(c.clase, c.lineas);
        EXPECT_EQ(r.estado, Estado::Rechazado) << r.mensaje.toStdString();
        EXPECT_EQ(r.importados, 0);
        EXPECT_EQ(huella(), antes);
        ASSERT_EQ(r.rechazos.size(), c.rechazos.size());
        for (int i = 0; i < c.rechazos.size(); ++i) {
            EXPECT_EQ(r.rechazos[i].linea, c.rechazos[i].first);
            EXPECT_TRUE(r.rechazos[i].motivo.contains(c.rechazos[i].second))
                << r.rechazos[i].motivo.toStdString();
        }
    }
}

// A file imported twice: the second run finds its documents stored.
TEST_F(ImportacionTest, UnDocumentoYaGuardadoRechazaElArchivoQueLoTraeOtraVez) {
    const QStringList lineas{QStringLiteral("D;IM;1;01/09/2022;900123456;;Saldo;100.000"),
                             QStringLiteral("C;0000;9;01/09/2022;900123456;;Saldo;5.000")};
    ASSERT_TRUE(importe(Clase::SaldosIniciales, lineas).importado());
    const ResultadoImportacion r = importe(Clase::SaldosIniciales, lineas);
    ASSERT_EQ(r.rechazos.size(), 2);
    EXPECT_EQ(r.rechazos[0].motivo, QStringLiteral("El cargo IM 000001 ya existe."));
    EXPECT_EQ(r.rechazos[1].motivo, QStringLiteral("El descuento 0000 000009 ya existe."));
    EXPECT_EQ(filas(QStringLiteral("NOTAS_DEBITO_PROVEEDOR")), 1);
}

// Stopped by the user while writing, or refused by the database at the last
// record (another station stored that number meanwhile): what was written
// of the file is undone.
TEST_F(ImportacionTest, UnaCancelacionOUnFalloDeLaBaseAMitadDeEscrituraNoDejanNada) {
    QStringList lineas;
    for (int i = 1; i <= 20; ++i)
        lineas << QStringLiteral("D;IM;%1;01/09/2022;900123456;;Saldo inicial;100.000").arg(i);
    const QString antes = huella();

    AlEscribir cancele([] { return true; });
    ResultadoImportacion r = importe(Clase::SaldosIniciales, lineas, cancele);
    EXPECT_EQ(r.estado, Estado::Cancelado);
    EXPECT_EQ(huella(), antes);

    const QString otra = QStringLiteral("otra estacion");
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QIBASE"), otra);
        db.setDatabaseName(inst->companyDatabase());
        db.setUserName(QStringLiteral("SYSDBA"));
        ASSERT_TRUE(db.open()) << db.lastError().text().toStdString();
        AlEscribir otra_estacion([&] {
            QSqlQuery q(db);
            EXPECT_TRUE(q.exec(QStringLiteral(
                "insert into NOTAS_DEBITO_PROVEEDOR (NDPR_ID, PREF_PRE, NDPR_NUMERO, NDPR_FECHA, "
                "TERC_NIT, NDPR_MONTO) values (900000, 'IM', '000020', '2022-09-01', "
                "'860045678', 1)")))
                << q.lastError().text().toStdString();
            return false;
        });
        r = importe(Clase::SaldosIniciales, lineas, otra_estacion);
        db.close();
    }
    QSqlDatabase::removeDatabase(otra);
    EXPECT_EQ(r.estado, Estado::FalloBase);
    EXPECT_EQ(r.mensaje,
              QStringLiteral("La base de datos rechazó la línea 20; no se importó nada."));
    EXPECT_FALSE(dialogs.errors().isEmpty());
    EXPECT_EQ(texto(QStringLiteral("select count(*) || ' ' || max(TERC_NIT) from "
                                   "NOTAS_DEBITO_PROVEEDOR")),
              QStringLiteral("1 860045678"));
}

TEST_F(ImportacionTest, UnArchivoQueNoAbreSeDiceConElMensajeDeSiempre) {
    SinProgreso nadie;
    const ResultadoImportacion r =
        Importador(*dm, Clase::Grupos, {}, datos_de(Clase::Grupos))
            .importe(inst->dir() + QStringLiteral("/no-existe.txt"), nadie);
    EXPECT_EQ(r.estado, Estado::SinArchivo);
    EXPECT_TRUE(r.mensaje.startsWith(QStringLiteral("Error al abrir el archivo")));
}

}  // namespace
}  // namespace ledgrix::test
