#pragma once

#include <QDate>

#include "tests/support/documentos_fixture.h"

namespace ledgrix::test {

// The foreign-currency supplier of the demo company.
inline const QString kExterior = QStringLiteral("800987654");
inline const QString kRetenciones = QStringLiteral("DESCONTAR RETENCIONES POR CAUSACION");

// Transportes' movement around August 2022, which the period reports read:
// invoice 100 of June 1 (1,190, 25 to withhold at the payment, recorded while
// withholdings were not taken when recorded), paid 500 + 25 withheld on
// Aug 25; charge 200 of Aug 15 (357 with 13 withheld when recorded) and
// discount 201 of Aug 20 (50 with 2 withheld). The setting is left at "SI".
class MovimientoTest : public DocumentosTest {
  protected:
    void SetUp() override {
        DocumentosTest::SetUp();
        configure(kRetenciones, QStringLiteral("NO"));
        factura(100, QStringLiteral("000100"), kTransportes, QDate(2022, 6, 1),
                QStringLiteral("1000"), QStringLiteral("190"), QStringLiteral("25"));
        configure(kRetenciones, QStringLiteral("SI"));
        run(QStringLiteral(
            "insert into NOTAS_DEBITO_PROVEEDOR (NDPR_ID, PREF_PRE, NDPR_NUMERO, NDPR_FECHA, "
            "TERC_NIT, NDPR_MONTO, NDPR_IVAMONTO, NDPR_RTFTEMONTO, NDPR_RTICAMONTO) values (200, "
            "'0000', '000200', '2022/08/15', '900123456', 300, 57, 10, 3)"));
        run(QStringLiteral(
            "insert into NOTAS_CREDITO_PROVEEDOR (NCPR_ID, PREF_PRE, NCPR_NUMERO, NCPR_FECHA, "
            "TERC_NIT, NCPR_MONTO, NCPR_RTFTEMONTO) values (201, '0000', '000201', '2022/08/20', "
            "'900123456', 50, 2)"));
        egreso(100, QStringLiteral("000100"), kTransportes, QDate(2022, 8, 25));
        run(QStringLiteral(
            "insert into EGRESODETALLE (EGRE_ID, EGDE_ITEM, EGDE_TIPODOC, EGDE_IDDOC, EGDE_ABONO, "
            "EGDE_RTFTE) values (100, 1, 21, 100, 500, 25)"));
    }

    // The relation's total for a supplier at a cut-off: what every period
    // report must agree with.
    double relacion(const QString& nit, const QDate& corte, int agencia = 0, int moneda = 0) {
        return texto(QStringLiteral("select SALDO from rep_cxpagar_consolidadas(%1,%1,'0','zz',%2,"
                                    "'C','N',%3,%4)")
                         .arg(sql::quoted(nit), fecha(corte))
                         .arg(agencia)
                         .arg(moneda))
            .toDouble();
    }
};

}  // namespace ledgrix::test
