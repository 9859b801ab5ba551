// Random payment vouchers typed through the voucher logic over generated
// suppliers and documents: partial and full payments, a prompt-payment
// discount on some lines, paid by cash, by bank or by both. Whatever the mix,
// no debt document may end below zero, every stored voucher must be posted
// and balanced in both books, its means must add up to its amount, and each
// document's balance must be its amount less exactly what the stored lines
// took off it (tallied here, line by line, as the vouchers were typed).
//
// LEDGRIX_EGRESOS_ALEATORIOS sets how many vouchers (the suite runs a short
// count; scripts/confiabilidad.sh completa runs thousands).
#include <gtest/gtest.h>

#include <QSqlQuery>
#include <map>
#include <random>

#include "core/data/client_dataset.h"
#include "core/data/field.h"
#include "core/sql/sqltext.h"
#include "core/sql/transaccion.h"
#include "payments/egresos/egreso.h"
#include "payments/egresos/medios_pago.h"
#include "tests/support/documentos_fixture.h"
#include "tests/support/invariantes_cxp.h"

namespace ledgrix::test {
namespace {

QString S(const char* s) {
    return QString::fromUtf8(s);
}

int cuantos() {
    bool ok = false;
    const int n = qEnvironmentVariableIntValue("LEDGRIX_EGRESOS_ALEATORIOS", &ok);
    return ok && n > 0 ? n : 60;
}

class EgresosAleatorios : public DocumentosTest {
  protected:
    struct Documento {
        int tipo = 0;
        int id = 0;
        QString numero;
        QString nit;
        Currency saldo;  // expected
    };

    // Invoices and charges of every demo supplier, in cents so that partial
    // payments meet odd amounts; enough that the vouchers never run out.
    void genere(std::mt19937_64& rng, int por_proveedor) {
        auto q =
            dm->sql().select(S("select p.terc_nit from proveedores p join terceros t on "
                               "t.terc_nit = p.terc_nit where t.terc_estado = 'S'"));
        while (q && q->next())
            nits_.push_back(q->value(0).toString());
        q.reset();
        ASSERT_FALSE(nits_.empty());
        std::uniform_int_distribution<qint64> centavos(10000, 250000000);
        Transaccion una(dm->Ledgrix());  // one commit for them all
        int id = 700000;
        for (const QString& nit : nits_)
            for (int i = 0; i < por_proveedor; ++i) {
                const Currency monto = Currency::fromUnits(centavos(rng) * 100);
                const QString numero = QString::number(id).right(6);
                const QDate d = QDate(2021, 1, 4).addDays(i % 600);
                const int tipo = i % 4 == 3 ? 51 : 21;
                if (tipo == 21)
                    factura(id, numero, nit, d, monto.toString());
                else
                    cargo(id, numero, nit, d, monto.toString());
                docs_.push_back({tipo, id, numero, nit, monto});
                ++id;
            }
        ASSERT_TRUE(una.confirme());
    }

    std::vector<QString> nits_;
    std::vector<Documento> docs_;
};

TEST_F(EgresosAleatorios, DejanSaldosExactosYComprobantesCuadrados) {
    std::mt19937_64 rng(20221);
    const int n = cuantos();
    genere(rng, 10 + n);
    Egreso egreso(*dm);
    ASSERT_TRUE(egreso.abra()) << dialogs.lastError().toStdString();
    ClientDataset& lineas = egreso.documentos();

    int grabados = 0;
    for (int v = 0; v < n; ++v) {
        const QString nit = nits_[rng() % nits_.size()];
        std::vector<Documento*> abiertos;
        for (Documento& d : docs_)
            if (d.nit == nit && (!d.saldo.isNegative() && !d.saldo.isZero()))
                abiertos.push_back(&d);
        if (abiertos.empty())
            continue;
        std::shuffle(abiertos.begin(), abiertos.end(), rng);
        abiertos.resize(std::min<std::size_t>(abiertos.size(), 1 + rng() % 4));

        egreso.cambie_nit(nit);
        for (Documento* d : abiertos) {
            egreso.reciba_documento_cxp({d->tipo, d->id, S("0000"), d->numero, {}});
            // Part of the balance, or all of it less a prompt-payment discount.
            ASSERT_TRUE(lineas.edit());
            switch (rng() % 3) {
                case 0:
                    lineas.fieldByName(S("EGDE_ABONO"))
                        .setCurrency(Currency::fromUnits(
                            (1 + qint64(rng() % quint64(d->saldo.units() / 100))) * 100));
                    break;
                case 1:
                    lineas.fieldByName(S("EGDE_DTOF"))
                        .setCurrency(Currency::fromUnits((d->saldo.units() / 100 / 50) * 100));
                    break;
                default:
                    break;
            }
            ASSERT_TRUE(lineas.post()) << dialogs.lastError().toStdString();
        }
        ASSERT_TRUE(egreso.continue_documentos()) << dialogs.lastError().toStdString();
        ASSERT_EQ(lineas.recordCount(), int(abiertos.size()));

        // What each line takes off its document, as it will be stored.
        std::map<int, Currency> toma;
        for (bool ok = lineas.first(); ok && !lineas.eof(); ok = lineas.next()) {
            Currency t;
            for (const char* c : {"EGDE_ABONO", "EGDE_DTOF", "EGDE_RTFTE", "EGDE_RTIVA",
                                  "EGDE_RTICA", "EGDE_RCREE"})
                t += lineas.fieldByName(S(c)).asCurrency();
            toma[lineas.fieldByName(S("EGDE_IDDOC")).asInteger()] += t;
        }

        MediosPago& medios = egreso.medios();
        const Currency monto = egreso.campo(S("EGRE_MONTO")).asCurrency();
        const int forma = int(rng() % 3);  // 0 cash, 1 bank, 2 both
        if (forma != 1) {
            ASSERT_TRUE(medios.abra_caja()) << dialogs.lastError().toStdString();
            if (forma == 2)
                medios.cambie_monto_caja(Currency::fromUnits((monto.units() / 200) * 100));
            ASSERT_TRUE(medios.continue_caja()) << dialogs.lastError().toStdString();
        }
        if (forma != 0) {
            ASSERT_TRUE(medios.abra_banco()) << dialogs.lastError().toStdString();
            ASSERT_TRUE(medios.continue_banco()) << dialogs.lastError().toStdString();
        }
        ASSERT_TRUE(egreso.grabe()) << "egreso " << v << ": " << dialogs.lastError().toStdString();
        ++grabados;
        for (Documento* d : abiertos)
            d->saldo -= toma[d->id];
    }
    ASSERT_GT(grabados, n / 2);

    for (const Documento& d : docs_) {
        EXPECT_FALSE(d.saldo.isNegative()) << d.id;
        EXPECT_EQ(guardado(d.tipo, d.id), d.saldo.toString()) << "documento " << d.id;
    }
    EXPECT_EQ(filas(S("MOVIMIENTO_PROVEEDOR where MVPR_SALDO < 0 and MVPR_TIPOREF in (21, 51)")),
              0);
    EXPECT_EQ(filas(S("EGRESOS where EGRE_ID > 0")), grabados);
    // The means of each voucher add up to its amount.
    EXPECT_EQ(filas(S("EGRESOS e where e.EGRE_ID > 0 and e.EGRE_MONTO <> "
                      "(select coalesce(sum(c.EGCA_MONTO), 0) from EGRECAJA c where c.EGRE_ID = "
                      "e.EGRE_ID) + (select coalesce(sum(b.EGBC_MONTO), 0) from EGREBANCO b "
                      "where b.EGRE_ID = e.EGRE_ID)")),
              0);
    // Posted once, balanced, in both books.
    EXPECT_EQ(filas(S("EGRESOS e where e.EGRE_ID > 0 and not exists (select 1 from "
                      "COMPROBANTE_ENCABEZADO c where c.ENCO_TIPOREF = 62 and c.ENCO_IDREF = "
                      "e.EGRE_ID)")),
              0);
    for (const char* libro : {"COMPROBANTE_DETALLE", "COMPROBANTE_DETALLE_NIIF"})
        EXPECT_EQ(filas(S("COMPROBANTE_ENCABEZADO c where c.ENCO_TIPOREF = 62 and (select "
                          "sum(d.CODE_DEBITOS) - sum(d.CODE_CREDITOS) from ") +
                        S(libro) + S(" d where d.ENCO_CONSEC = c.ENCO_CONSEC) is distinct from 0")),
                  0)
            << libro;
    EXPECT_EQ(libro_descuadrado(dm->sql()), QStringList());
    EXPECT_EQ(numeros_repetidos(dm->sql()), QStringList());
}

}  // namespace
}  // namespace ledgrix::test
