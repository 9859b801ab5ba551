// The demo installation with its months of history, as a new user finds it
// on the first day: open debts of several suppliers at every age, every
// charge posted, balances that add up, the same history for the same day,
// and nothing installed when the history cannot be entered.
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>

#include "core/services/paths.h"
#include "core/sql/runner.h"
#include "core/sql/sqltext.h"
#include "tests/support/invariantes_cxp.h"
#include "tests/support/testdb.h"
#include "tests/tools/dbhelpers.h"
#include "tools/admin/historia/historia.h"

namespace ledgrix::test {
namespace {

using dbsetup::ScopedConnection;

// A day far from the machine's, so nothing may lean on the real clock.
const QDate kDia(2025, 11, 28);

QString companyDb(const QString& location) {
    return paths::companyDatabase(location, QString::fromLatin1(dbsetup::kDemoCompany));
}

// Every row of the statement, columns joined, for comparing installations.
QStringList filas(QSqlDatabase db, const QString& select) {
    QStringList out;
    QSqlQuery q(db);
    if (!q.exec(select)) {
        ADD_FAILURE() << select.toStdString() << ": " << q.lastError().text().toStdString();
        return out;
    }
    while (q.next()) {
        QStringList cols;
        for (int i = 0; i < q.record().count(); ++i)
            cols << q.value(i).toString();
        out << cols.join(QLatin1Char('|'));
    }
    return out;
}

QStringList documentos(const QString& location) {
    ScopedConnection con(companyDb(location), QStringLiteral("SYSDBA"));
    EXPECT_TRUE(con.open()) << con.error().toStdString();
    return filas(
               con.db(),
               QStringLiteral("select FACO_NUMERO, FACO_FECHA, FACO_VENCE, TERC_NIT, FACO_NUMPROV, "
                              "FACO_MONTO, FACO_IVAMONTO, FACO_RTFTEMONTO, FACO_RTIVAMONTO, "
                              "FACO_RTICAMONTO, FACO_MONEDA, FACO_TRM, FACO_CONC from "
                              "FACTURAS_COMPRA where FACO_FECHA <= %1 order by FACO_ID")
                   .arg(sql::date(kDia))) +
           filas(
               con.db(),
               QStringLiteral("select NDPR_NUMERO, NDPR_FECHA, NDPR_VENCE, TERC_NIT, NDPR_NUMPROV, "
                              "NDPR_FACID, NDPR_MONTO, NDPR_IVAMONTO, NDPR_RTFTEMONTO, "
                              "NDPR_RTIVAMONTO, NDPR_RTICAMONTO, NDPR_CONC from "
                              "NOTAS_DEBITO_PROVEEDOR order by NDPR_ID"));
}

void copieArbol(const QString& desde, const QString& hacia) {
    QDirIterator it(desde, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString f = it.next();
        const QString destino = hacia + QLatin1Char('/') + QDir(desde).relativeFilePath(f);
        QDir().mkpath(QFileInfo(destino).absolutePath());
        ASSERT_TRUE(QFile::copy(f, destino)) << destino.toStdString();
    }
}

class HistoriaDemo : public ::testing::Test {
  protected:
    // One installation through the admin tool's path, shared by the cases.
    static void SetUpTestSuite() {
        dir_ =
            new QTemporaryDir(TestInstallation::scratchRoot() + QStringLiteral("/historia-XXXXXX"));
        const dbsetup::Result r = historia::instaleDemo(dir_->path(), {}, kDia);
        ASSERT_TRUE(r.ok) << r.message.toStdString();
    }
    static void TearDownTestSuite() {
        delete dir_;
        dir_ = nullptr;
    }
    static QString location() { return dir_->path(); }

  private:
    static QTemporaryDir* dir_;
};
QTemporaryDir* HistoriaDemo::dir_ = nullptr;

TEST_F(HistoriaDemo, OpenDebtsOfSeveralSuppliersAtEveryAgeAndEveryChargePosted) {
    ScopedConnection con(companyDb(location()), QStringLiteral("SYSDBA"));
    ASSERT_TRUE(con.open()) << con.error().toStdString();
    const QString dia = QStringLiteral("cast(%1 as date)").arg(sql::date(kDia));
    const QStringList edades = filas(
        con.db(), QStringLiteral("select b, count(distinct TERC_NIT) from (select TERC_NIT, case "
                                 "when MVPR_VENCE >= %1 then 0 when %1 - MVPR_VENCE <= 30 then 1 "
                                 "when %1 - MVPR_VENCE <= 60 then 2 when %1 - MVPR_VENCE <= 90 "
                                 "then 3 else 4 end b from MOVIMIENTO_PROVEEDOR where MVPR_SALDO "
                                 "<> 0 and MVPR_FECHA <= %1) group by b order by b")
                      .arg(dia));
    ASSERT_EQ(edades.size(), 5) << edades.join(u' ').toStdString();
    for (const QString& e : edades)
        EXPECT_GE(e.section(u'|', 1).toInt(), 3) << "suppliers in age " << e.toStdString();
    EXPECT_GE(count(con.db(), QStringLiteral("NOTAS_DEBITO_PROVEEDOR")), 20);
    // Vouchers paid part of it, each posted once.
    EXPECT_GE(count(con.db(), QStringLiteral("EGRESOS")), 20);
    EXPECT_EQ(count(con.db(), QStringLiteral("EGRESOS")),
              count(con.db(), QStringLiteral("COMPROBANTE_ENCABEZADO where ENCO_TIPOREF = 62")));
    EXPECT_EQ(count(con.db(), QStringLiteral("DOCUMENTOS_POR_CONTABILIZAR")), 0);

    const SqlRunner runner(con.db().connectionName(),
                           [](const QString& m) { ADD_FAILURE() << m.toStdString(); });
    EXPECT_EQ(problemas_cargos(runner), QStringList());

    // Each supplier's balance on the day, as the registry answers it, is what
    // its documents are worth with the withholdings taken on recording, less
    // what its vouchers paid.
    const QString valor = QStringLiteral(
        "%1MONTO + %1IVAMONTO + %1EXTRA - %1RTFTEMONTO - %1RTIVAMONTO - "
        "%1RTICAMONTO - %1RTCREEM");
    const QStringList descuadres = filas(
        con.db(),
        QStringLiteral(
            "select * from (select p.TERC_NIT, (select SALDO from "
            "SALDO_TERCERO_CXPAGAR(p.TERC_NIT, "
            "%1)) s, (select coalesce(sum(%2), 0) from FACTURAS_COMPRA f where f.TERC_NIT = "
            "p.TERC_NIT and FACO_FECHA <= %1) + (select coalesce(sum(%3), 0) from "
            "NOTAS_DEBITO_PROVEEDOR n where n.TERC_NIT = p.TERC_NIT and NDPR_FECHA <= %1) - "
            "(select coalesce(sum(d.EGDE_ABONO + d.EGDE_DTOF + d.EGDE_RTFTE + d.EGDE_RTIVA + "
            "d.EGDE_RTICA + d.EGDE_RCREE), 0) from EGRESOS g join EGRESODETALLE d on d.EGRE_ID = "
            "g.EGRE_ID where g.TERC_NIT = p.TERC_NIT and g.EGRE_FECHA <= %1 and g.EGRE_ANULADO = "
            "'N') v from PROVEEDORES p) where s <> v")
            .arg(dia, valor.arg(QStringLiteral("FACO_")), valor.arg(QStringLiteral("NDPR_"))));
    EXPECT_EQ(descuadres, QStringList()) << "supplier, balance, worth of its documents";
}

TEST_F(HistoriaDemo, SameDayGivesSameHistoryAndAFailedOneLeavesTheInstallationAsItWas) {
    const QStringList antes = documentos(location());
    ASSERT_GT(antes.size(), 60);
    const auto entradas = [] {
        return QDir(location()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    };
    const QStringList antesEntradas = entradas();

    // The same day on a plain demo gives the same documents.
    auto otra = TestInstallation::create();
    ASSERT_TRUE(otra);
    const dbsetup::Result r = historia::agregue(otra->location(), kDia);
    ASSERT_TRUE(r.ok) << r.message.toStdString();
    EXPECT_EQ(documentos(otra->location()), antes);

    // Charges refused halfway through (no accounting interface for them):
    // the replacement is given up with the reason, the installation stays.
    QTemporaryDir scripts(TestInstallation::scratchRoot() + QStringLiteral("/scripts-XXXXXX"));
    copieArbol(QStringLiteral(LEDGRIX_DB_DIR), scripts.path());
    QFile sinInterfaz(scripts.path() + QStringLiteral("/demo/historia/999_sin_interfaz.sql"));
    ASSERT_TRUE(sinInterfaz.open(QIODevice::WriteOnly));
    sinInterfaz.write(
        "DELETE FROM INTERFAZ_CXPAGAR_NIIF;\nDELETE FROM INTERFAZ_CXPAGAR WHERE TIDO_COD = 51;\n"
        "COMMIT;\n");
    sinInterfaz.close();
    dbsetup::Options reemplazo;
    reemplazo.replace = true;
    reemplazo.scriptsDir = scripts.path();
    const dbsetup::Result fallida = historia::instaleDemo(location(), reemplazo, kDia);
    EXPECT_FALSE(fallida.ok);
    EXPECT_TRUE(fallida.message.startsWith(QStringLiteral(
        "No se pudo crear la historia de la demostración: No se pudo grabar el cargo")))
        << fallida.message.toStdString();
    EXPECT_EQ(documentos(location()), antes);
    EXPECT_EQ(entradas(), antesEntradas) << "nothing left of the attempt";
}

}  // namespace
}  // namespace ledgrix::test
