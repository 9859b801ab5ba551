#pragma once

#include <QDate>
#include <QList>
#include <QSqlRecord>
#include <QString>
#include <QStringList>

#include "core/sql/sqltext.h"
#include "tests/support/module_fixture.h"

namespace ledgrix::test {

// Demo suppliers: both active.
inline const QString kTransportes = QStringLiteral("900123456");
inline const QString kPapeleria = QStringLiteral("860045678");

// Amounts are read as text cast by the server, independent of how the driver
// formats numerics.
struct Busqueda {
    int id = -1;
    QString saldo, rtfte, dtof;
    int error = -1;
    QString numprov;
};

// A demo installation connected as ADMIN, with helpers that store payables
// documents, vouchers and applications in series "0000" the way the windows do.
class DocumentosTest : public ModuleTest {
  protected:
    void SetUp() override {
        ModuleTest::SetUp();
        conecte();
    }

    void run(const QString& sql) {
        ASSERT_TRUE(dm->sql().execute(sql)) << sql.toStdString() << "\n"
                                            << dialogs.lastError().toStdString();
    }
    // A statement the database must refuse; answers the message shown.
    QString refused(const QString& sql) {
        dialogs.clear();
        EXPECT_FALSE(dm->sql().execute(sql)) << sql.toStdString();
        return dialogs.lastError();
    }

    // The rows a statement answers, each its columns as text (NULL as empty).
    QList<QStringList> lee(const QString& sql) {
        QList<QStringList> out;
        auto q = dm->sql().select(sql);
        EXPECT_TRUE(q.has_value()) << sql.toStdString() << "\n"
                                   << dialogs.lastError().toStdString();
        while (q && q->next()) {
            QStringList cols;
            for (int i = 0; i < q->record().count(); ++i)
                cols << (q->value(i).isNull() ? QString() : q->value(i).toString());
            out << cols;
        }
        return out;
    }
    // The same rows, each its columns joined by '|'.
    QStringList lineas(const QString& sql) {
        QStringList out;
        for (const QStringList& fila : lee(sql))
            out << fila.join(QLatin1Char('|'));
        return out;
    }

    static QString fecha(const QDate& d) {
        return sql::quoted(d.toString(QStringLiteral("yyyy/MM/dd")));
    }

    QString saldo(int tipo, int id, const QDate& d, int moneda = 0) {
        auto q = dm->sql().select(
            QStringLiteral(
                "select cast(SALDO as varchar(24)) from SALDO_DOC_CXPAGAR(%1, %2, %3, %4)")
                .arg(tipo)
                .arg(id)
                .arg(fecha(d))
                .arg(moneda));
        if (!q || !q->next())
            return QStringLiteral("sin fila");
        return q->value(0).toString();
    }
    QString guardado(int tipo, int id) {
        auto q = dm->sql().select(
            QStringLiteral("select cast(MVPR_SALDO as varchar(24)) from MOVIMIENTO_PROVEEDOR where "
                           "MVPR_TIPOREF = %1 and MVPR_IDREF = %2")
                .arg(tipo)
                .arg(id));
        if (!q || !q->next())
            return QStringLiteral("sin fila");
        return q->value(0).toString();
    }
    QString saldoTercero(const QString& nit, const QDate& d) {
        auto q = dm->sql().select(
            QStringLiteral("select cast(SALDO as varchar(24)) from SALDO_TERCERO_CXPAGAR(%1, %2)")
                .arg(sql::quoted(nit), fecha(d)));
        return q && q->next() ? q->value(0).toString() : QStringLiteral("sin fila");
    }
    Busqueda busca(int tipo, const QString& numero, const QString& nit, const QDate& d,
                   int moneda = 0) {
        Busqueda b;
        auto q =
            dm->sql().select(QStringLiteral("select ID, ERROR, NUMPROV, cast(SALDO as varchar(24)) "
                                            "SALDO, cast(RTFTE as varchar(24)) RTFTE, "
                                            "cast(DTOF as varchar(24)) DTOF from "
                                            "BUSCA_ID_DOC_CXPAGAR(%1, '0000', %2, %3, %4, %5)")
                                 .arg(tipo)
                                 .arg(sql::quoted(numero), sql::quoted(nit), fecha(d))
                                 .arg(moneda));
        if (q && q->next()) {
            b.id = q->value(QStringLiteral("ID")).toInt();
            b.saldo = q->value(QStringLiteral("SALDO")).toString();
            b.rtfte = q->value(QStringLiteral("RTFTE")).toString();
            b.dtof = q->value(QStringLiteral("DTOF")).toString();
            b.error = q->value(QStringLiteral("ERROR")).toInt();
            b.numprov = q->value(QStringLiteral("NUMPROV")).toString();
        }
        return b;
    }

    void factura(int id, const QString& numero, const QString& nit, const QDate& d,
                 const QString& monto, const QString& iva = QStringLiteral("0"),
                 const QString& rtfte = QStringLiteral("0"), int moneda = 1,
                 const QString& trm = QStringLiteral("1")) {
        run(QStringLiteral(
                "insert into FACTURAS_COMPRA (FACO_ID, PREF_PRE, FACO_NUMERO, FACO_FECHA, "
                "TERC_NIT, "
                "FACO_NUMPROV, FACO_MONTO, FACO_IVAMONTO, FACO_RTFTEMONTO, FACO_MONEDA, FACO_TRM, "
                "FACO_DTOFECHA, FACO_DTOFMONTO) values (%1, '0000', '%2', %3, '%4', 'P-%2', %5, "
                "%6, %7, %8, %9, %3, 10)")
                .arg(id)
                .arg(numero, fecha(d), nit, monto, iva, rtfte)
                .arg(moneda)
                .arg(trm));
    }
    void cargo(int id, const QString& numero, const QString& nit, const QDate& d,
               const QString& monto, const QString& iva = QStringLiteral("0")) {
        run(QStringLiteral("insert into NOTAS_DEBITO_PROVEEDOR (NDPR_ID, PREF_PRE, NDPR_NUMERO, "
                           "NDPR_FECHA, TERC_NIT, "
                           "NDPR_MONTO, NDPR_IVAMONTO) values (%1, '0000', '%2', %3, '%4', %5, %6)")
                .arg(id)
                .arg(numero, fecha(d), nit, monto, iva));
    }
    void descuento(int id, const QString& numero, const QString& nit, const QDate& d,
                   const QString& monto) {
        run(QStringLiteral("insert into NOTAS_CREDITO_PROVEEDOR (NCPR_ID, PREF_PRE, NCPR_NUMERO, "
                           "NCPR_FECHA, TERC_NIT, "
                           "NCPR_MONTO) values (%1, '0000', '%2', %3, '%4', %5)")
                .arg(id)
                .arg(numero, fecha(d), nit, monto));
    }
    void anticipo(int id, const QString& numero, const QString& nit, const QDate& d,
                  const QString& base) {
        run(QStringLiteral("insert into ANTICIPOS_PROVEEDOR (ANPR_ID, PREF_PRE, ANPR_NUMERO, "
                           "ANPR_FECHA, TERC_NIT, "
                           "ANPR_BASE, EGRE_ID) values (%1, '0000', '%2', %3, '%4', %5, 0)")
                .arg(id)
                .arg(numero, fecha(d), nit, base));
    }
    void egreso(int id, const QString& numero, const QString& nit, const QDate& d) {
        run(QStringLiteral(
                "insert into EGRESOS (EGRE_ID, PREF_PRE, EGRE_NUMERO, EGRE_FECHA, TERC_NIT) "
                "values (%1, '0000', '%2', %3, '%4')")
                .arg(id)
                .arg(numero, fecha(d), nit));
    }
    void pago(int egreso, int item, int tipo, int iddoc, const QString& abono,
              const QString& dtof = QStringLiteral("0")) {
        run(QStringLiteral("insert into EGRESODETALLE (EGRE_ID, EGDE_ITEM, EGDE_TIPODOC, "
                           "EGDE_IDDOC, EGDE_ABONO, EGDE_DTOF) "
                           "values (%1, %2, %3, %4, %5, %6)")
                .arg(egreso)
                .arg(item)
                .arg(tipo)
                .arg(iddoc)
                .arg(abono, dtof));
    }
    void aplicacion(int id, const QString& numero, const QString& nit, const QDate& d) {
        run(QStringLiteral("insert into APLICACION_PROVEDOR (APPR_ID, PREF_PRE, APPR_NUMERO, "
                           "APPR_FECHA, TERC_NIT) "
                           "values (%1, '0000', '%2', %3, '%4')")
                .arg(id)
                .arg(numero, fecha(d), nit));
    }
    void aplicado(int appr, int item, int tipo, int iddoc, const QString& valor) {
        run(QStringLiteral("insert into APLICACION_PROVEEDOR_DETALLE (APPR_ID, APPD_ITEM, "
                           "APPD_TIPODOC, APPD_IDDOC, "
                           "APPD_APLICADO) values (%1, %2, %3, %4, %5)")
                .arg(appr)
                .arg(item)
                .arg(tipo)
                .arg(iddoc)
                .arg(valor));
    }
};

}  // namespace ledgrix::test
