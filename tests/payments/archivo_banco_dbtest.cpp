// Bank disbursement files of a payment schedule on the demo database: the
// supplier-payment layout byte by byte, the other banks' layouts as data a
// technician changes, the refusals that keep a wrong file from the bank, and
// the writer that leaves a whole file or none.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "payments/programacion/archivo_dispersion.h"
#include "tests/support/documentos_fixture.h"

namespace ledgrix::test {
namespace {

const QString kImportadora = QStringLiteral("800987654");

QString S(const char* s) {
    return QString::fromUtf8(s);
}

class ArchivoBancoTest : public DocumentosTest {
  protected:
    // Schedule 0000-000007 paying from two accounts: Transportes (savings)
    // two invoices from the current account and one from the savings one,
    // Papelería (current) one invoice; a cash line and an annulled line
    // that the bank must not see.
    void SetUp() override {
        DocumentosTest::SetUp();
        run(
            QStringLiteral("update CONFIGURACION set CONF_VALOR = '800111222' where CONF_MODULO = "
                           "'CXPAGAR' and CONF_CATEGORIA = 'DOCUMENTO SOPORTE' and "
                           "CONF_PROPIEDAD = 'NIT EMISOR'"));
        cuenta(kTransportes, "'07'", "'A'", "'605-000111-22'");
        cuenta(kPapeleria, "'01'", "'C'", "'0123456789'");
        run(QStringLiteral(
                "insert into FACTURAS_COMPRA (FACO_ID, PREF_PRE, FACO_NUMERO, FACO_FECHA, "
                "FACO_VENCE, "
                "TERC_NIT, FACO_CONC, FACO_MONTO) values (901, '0000', '000901', '2022-09-01', "
                "'2022-09-30', '%1', 'Fletes Cali', 300000)")
                .arg(kTransportes));
        run(QStringLiteral(
            "insert into PROGRAMACION_PAGOS_ENC (PRPG_ID, PRPG_PREF, PRPG_NUMERO, PRPG_FECHA, "
            "PRPG_CONC) values (1, '0000', '000007', '2022-09-21', 'Pagos de septiembre')"));
        linea(1, 1, "1000000.00", "B", "BOGCTE");
        linea(2, 901, "234567.89", "B", "BOGCTE");
        linea(3, 2, "2500000.50", "B", "BOGCTE");
        linea(4, 2, "999.00", "C", "1");
        linea(5, 1, "5000.00", "B", "BOGCTE", "S");
        linea(6, 901, "100.00", "B", "BCOLAH");
    }
    void cuenta(const QString& nit, const char* banco, const char* tipo, const char* numero) {
        run(QStringLiteral("update PROVEEDORES set PROV_BANCO = %1, PROV_TIPOCTA = %2, "
                           "PROV_CUENTA = %3 where TERC_NIT = '%4'")
                .arg(QLatin1String(banco), QLatin1String(tipo), QLatin1String(numero), nit));
    }
    void linea(int item, int factura, const char* abono, const char* cob, const char* caja,
               const char* anulado = "N") {
        run(QStringLiteral("insert into PROGRAMACION_PAGOS (PRPG_ID, PRPG_ITEM, PRPG_TIPODOC, "
                           "PRPG_IDDOC, PRPG_ABONO, PRPG_COB, PRPG_IDCAJA, PRPG_ANULADO) values "
                           "(1, %1, 21, %2, %3, '%4', '%5', '%6')")
                .arg(item)
                .arg(factura)
                .arg(QLatin1String(abono), QLatin1String(cob), QLatin1String(caja),
                     QLatin1String(anulado)));
    }
    static QString sentencia(const char* formato) {
        return QStringLiteral(
                   "select DATOS from ARCHIVO_BANCO_CXP(1, '2022/09/21', '2022/09/23', 'A', '%1')")
            .arg(QLatin1String(formato));
    }
    QStringList archivo(const char* formato) { return lineas(sentencia(formato)); }
    // The message the user reads when the writer is refused; no file is left.
    QString rechazo(const char* formato) {
        QTemporaryDir dir;
        dialogs.clear();
        EXPECT_FALSE(ArchivoDispersion(*dm)
                         .exporte(1, QDate(2022, 9, 23), QStringLiteral("A"),
                                  QString::fromUtf8(formato), dir.filePath(QStringLiteral("x")))
                         .has_value())
            << formato;
        EXPECT_TRUE(QDir(dir.path()).isEmpty()) << formato;
        return dialogs.lastError();
    }
    static QString campo(const QStringList& l, int linea, int posicion, int largo) {
        return linea < l.size() ? l[linea].mid(posicion - 1, largo) : QStringLiteral("sin linea");
    }
};

TEST_F(ArchivoBancoTest, SupplierPaymentLayoutPutsEveryFieldAtItsPosition) {
    const QStringList l = archivo("PAB");
    ASSERT_EQ(l.size(), 5) << l.join(QLatin1Char('\n')).toStdString();
    const struct {
        int linea, posicion;
        QString valor;
    } campos[] = {
        // Batch of the savings account (BCOLAH comes first by code).
        {0, 64, S("000001")},
        {0, 87, S("00000000000010000")},
        {0, 104, S("60512345678S")},
        {1, 2, S("000000900123456")},
        {1, 76, S("00000000000010000")},
        // Batch of the current account: control, then suppliers by name.
        {2, 1, S("1000000800111222I               220PAGO PROV 20220921A 20220923000002")},
        {2, 70, S("00000000000000000")},
        {2, 87, S("00000000373456839")},
        {2, 104, S("00012345678D")},
        {2, 116, QString(149, QLatin1Char(' '))},
        {3, 1, S("6000000860045678PAPELERIA INDUSTRIAL ANDINA S.")},
        {3, 47, S("0000010010123456789       S27")},
        {3, 76, S("0000000025000005020220923")},
        {3, 101, S("0000000007           ")},
        {3, 122, QString(143, QLatin1Char(' '))},
        // Two invoices of one supplier are one transfer; the annulled line
        // and the cash line are not paid.
        {4, 1, S("6000000900123456TRANSPORTES DEL NORTE S.A.S.  ")},
        {4, 47, S("00000100760500011122      S37")},
        {4, 76, S("00000000123456789")},
    };
    for (const auto& c : campos) {
        const QString& esperado = c.valor;
        EXPECT_EQ(campo(l, c.linea, c.posicion, esperado.size()), esperado)
            << "linea " << c.linea << " posicion " << c.posicion;
    }
    // Each control record counts and adds up the details that follow it.
    for (int i = 0; i < l.size(); ++i) {
        EXPECT_EQ(l[i].size(), 264) << i;
        if (!l[i].startsWith(QLatin1Char('1')))
            continue;
        qint64 total = 0;
        int detalles = 0;
        for (int j = i + 1; j < l.size() && l[j].startsWith(QLatin1Char('6')); ++j, ++detalles)
            total += campo(l, j, 76, 17).toLongLong();
        EXPECT_EQ(campo(l, i, 64, 6).toInt(), detalles) << i;
        EXPECT_EQ(campo(l, i, 87, 17).toLongLong(), total) << i;
    }
}

TEST_F(ArchivoBancoTest, OtherBanksFollowTheirLayoutRows) {
    // Each format's first definition, then one layout row changed by a
    // technician and the same line read again.
    const struct {
        const char* formato;
        int lineas, linea, posicion;
        const char* antes;
        const char* cambio;
        const char* despues;
    } casos[] = {
        {"BCOBTA", 5, 3, 54,
         "01"
         "0123456789       "
         "000000000250000050"
         "001",
         "update ARCHIVO_BANCO_CAMPOS set ARBC_LONGITUD = 15 where ARBF_FORMATO = 'BCOBTA' and "
         "ARBC_REGISTRO = 'D' and ARBC_FUENTE = 'VALOR'",
         "01"
         "0123456789       "
         "000000250000050   "
         "001"},
        {"BCO CAJA SOCIAL", 5, 4, 1,
         "03000000800111222"
         "00000000012345678"
         "000002"
         "00000000373456839",
         "update ARCHIVO_BANCO_CAMPOS set ARBC_TEXTO = '09' where ARBF_FORMATO = "
         "'BCO CAJA SOCIAL' and ARBC_REGISTRO = 'P' and ARBC_ORDEN = 1",
         "09000000800111222"},
        {"BCO BBVA", 3, 1, 18,
         "000101"
         "0000000123456789",
         "update ARCHIVO_BANCO_CAMPOS set ARBC_TEXTO = 'AH/CC', ARBC_RELLENO = 'I' where "
         "ARBF_FORMATO = 'BCO BBVA' and ARBC_FUENTE = 'TIPO CUENTA'",
         "0001CC0000000123456789"},
        {"MANUAL", 5, 3, 1,
         "860045678;PAPELERIA INDUSTRIAL ANDINA S.A.;BANCO DE BOGOTA;CORRIENTE;0123456789;"
         "2500000.50;23/09/2022",
         "update ARCHIVO_BANCO_CAMPOS set ARBC_TEXTO = 'AAAA-MM-DD' where ARBF_FORMATO = "
         "'MANUAL' and ARBC_FUENTE = 'FECHA APLICACION'",
         "860045678;PAPELERIA INDUSTRIAL ANDINA S.A.;BANCO DE BOGOTA;CORRIENTE;0123456789;"
         "2500000.50;2022-09-23"},
    };
    for (const auto& c : casos) {
        const QString antes = QString::fromUtf8(c.antes), despues = QString::fromUtf8(c.despues);
        const QStringList l = archivo(c.formato);
        EXPECT_EQ(l.size(), c.lineas) << c.formato << "\n"
                                      << l.join(QLatin1Char('\n')).toStdString();
        EXPECT_EQ(campo(l, c.linea, c.posicion, antes.size()), antes) << c.formato;
        run(QString::fromUtf8(c.cambio));
        EXPECT_EQ(campo(archivo(c.formato), c.linea, c.posicion, despues.size()), despues)
            << c.formato;
    }
}

TEST_F(ArchivoBancoTest, RefusesFilesTheBankWouldPayWrong) {
    // Importadora has no bank data until the first case is over.
    linea(7, 3, "10.00", "B", "BOGCTE");
    cuenta(kImportadora, "null", "null", "null");
    const struct {
        const char* preparacion;
        const char* deshace;
        const char* formato;
        QStringList mensaje;
    } casos[] = {
        // Every supplier without bank data is named, not only the first.
        {"update PROVEEDORES set PROV_CUENTA = null where TERC_NIT = '860045678'",
         nullptr,
         "PAB",
         {S("Registre banco, tipo y número de cuenta de:"), S("Papelería Industrial Andina S.A."),
          S("Importadora Pacífico Ltda.")}},
        {"update PROVEEDORES set PROV_TIPOCTA = 'X' where TERC_NIT = '860045678'",
         nullptr,
         "PAB",
         {S("Papelería Industrial Andina S.A.")}},
        {"update ARCHIVO_BANCO_CAMPOS set ARBC_LONGITUD = 8 where ARBF_FORMATO = 'PAB' and "
         "ARBC_FUENTE = 'VALOR'",
         "update ARCHIVO_BANCO_CAMPOS set ARBC_LONGITUD = 17 where ARBF_FORMATO = 'PAB' and "
         "ARBC_FUENTE = 'VALOR'",
         "PAB",
         {S("no cabe en las 8 posiciones"), S("Papelería Industrial Andina S.A.")}},
        {"update ARCHIVO_BANCO_CAMPOS set ARBC_LONGITUD = 5 where ARBF_FORMATO = 'BCOBTA' and "
         "ARBC_FUENTE = 'TOTAL'",
         nullptr,
         "BCOBTA",
         {S("no cabe en las 5 posiciones")}},
        {"update CONFIGURACION set CONF_VALOR = '' where CONF_PROPIEDAD = 'NIT EMISOR'",
         "update CONFIGURACION set CONF_VALOR = '800111222' where CONF_PROPIEDAD = 'NIT EMISOR'",
         "PAB",
         {S("Falta el NIT de la empresa")}},
        {nullptr, nullptr, "BANCO X", {S("El formato BANCO X no está definido.")}},
    };
    for (const auto& c : casos) {
        if (c.preparacion)
            run(QString::fromUtf8(c.preparacion));
        const QString m = rechazo(c.formato);
        for (const QString& parte : c.mensaje)
            EXPECT_TRUE(m.contains(parte)) << c.formato << ": " << m.toStdString();
        if (c.deshace)
            run(QString::fromUtf8(c.deshace));
        cuenta(kPapeleria, "'01'", "'C'", "'0123456789'");
        cuenta(kImportadora, "'07'", "'A'", "'1'");
    }
    // With the master fixed Importadora is paid too; an annulled schedule
    // pays nobody.
    EXPECT_EQ(archivo("PAB").size(), 6);
    run(QStringLiteral("update PROGRAMACION_PAGOS_ENC set PRPG_ANULADO = 'S' where PRPG_ID = 1"));
    EXPECT_EQ(archivo("PAB"), QStringList());
}

TEST_F(ArchivoBancoTest, WriterLeavesTheWholeFileOrNone) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    ArchivoDispersion escritor(*dm);

    const auto r =
        escritor.exporte(1, QDate(2022, 9, 23), S("A"), S("PAB"), dir.filePath(S("pago")));
    ASSERT_TRUE(r.has_value()) << dialogs.lastError().toStdString();
    EXPECT_EQ(r->ruta, dir.filePath(S("pago.txt")));
    EXPECT_EQ(r->pagos, 3);
    EXPECT_EQ(r->total, Currency::fromText(S("3734668.39")));
    EXPECT_EQ(ArchivoDispersion::aviso(*r),
              S("Archivo generado: ") + r->ruta + S("\n3 pagos por 3.734.668,39."));
    QFile f(r->ruta);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromLatin1(f.readAll()), archivo("PAB").join(S("\r\n")) + S("\r\n"));
    f.close();

    // A refusal while the lines are read keeps the earlier file as it was
    // and leaves nothing beside it.
    cuenta(kTransportes, "null", "null", "null");
    EXPECT_FALSE(escritor.exporte(1, QDate(2022, 9, 23), S("A"), S("PAB"), r->ruta).has_value());
    EXPECT_TRUE(dialogs.lastError().contains(S("Transportes del Norte S.A.S.")))
        << dialogs.lastError().toStdString();
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_TRUE(f.readAll().startsWith("1000000800111222"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{S("pago.txt")});

    EXPECT_EQ(ArchivoDispersion::con_extension(S("/x/pago.dat")), S("/x/pago.dat"));
}

// A format a technician defines in the layout tables is offered after the
// banks' usual five; one removed is not offered.
TEST_F(ArchivoBancoTest, PanelOffersTheFormatsTheLayoutTablesDefine) {
    run(
        S("insert into ARCHIVO_BANCO_FORMATOS (ARBF_FORMATO, ARBF_LONGITUD) values ('AV VILLAS', "
          "0)"));
    run(S("delete from ARCHIVO_BANCO_FORMATOS where ARBF_FORMATO = 'BCOBTA'"));
    EXPECT_EQ(
        ArchivoDispersion(*dm).formatos(),
        (QStringList{S("PAB"), S("MANUAL"), S("BCO CAJA SOCIAL"), S("BCO BBVA"), S("AV VILLAS")}));
}

}  // namespace
}  // namespace ledgrix::test
