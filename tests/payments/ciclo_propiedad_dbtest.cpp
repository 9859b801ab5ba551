// The whole payables cycle at random, each document typed through its own
// window's logic: charges, discounts on them, vouchers paying part or all of
// what is open, advances born in a voucher, and applications setting a
// credit (discount or advance) against a debt. Whatever the mix, debts never
// go below zero and credits never above, the ledger equals a recomputation
// from the documents (and the recalculation procedure finds nothing to
// repair), and every document that posts is posted once and balanced in both
// books.
//
// LEDGRIX_CICLO_ALEATORIO sets how many documents (the suite runs a short
// count; scripts/confiabilidad.sh completa runs more).
#include <gtest/gtest.h>

#include <QSqlQuery>
#include <random>

#include "core/data/client_dataset.h"
#include "core/data/field.h"
#include "payables/cargos/cargo.h"
#include "payables/cargos/descuento.h"
#include "payments/anticipos/anticipo.h"
#include "payments/aplicaciones/aplicacion.h"
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
    const int n = qEnvironmentVariableIntValue("LEDGRIX_CICLO_ALEATORIO", &ok);
    return ok && n > 0 ? n : 40;
}

struct Abierto {
    int tipo = 0;
    qint64 id = 0;
    QString prefijo, numero;
    Currency saldo;
};

class CicloAleatorio : public DocumentosTest {
  protected:
    // Open positions of a supplier of the given types, as the ledger has them.
    std::vector<Abierto> abiertos(const QString& nit, const QString& tipos, bool credito) {
        std::vector<Abierto> v;
        auto q = dm->sql().select(
            S("select MVPR_TIPOREF, MVPR_IDREF, MVPR_PREFIJO, MVPR_NUMERO, cast(MVPR_SALDO as "
              "varchar(24)) from MOVIMIENTO_PROVEEDOR where TERC_NIT = '%1' and MVPR_TIPOREF in "
              "(%2) and MVPR_SALDO %3 0 order by MVPR_IDREF")
                .arg(nit, tipos, credito ? S("<") : S(">")));
        while (q && q->next())
            v.push_back({q->value(0).toInt(), q->value(1).toLongLong(), q->value(2).toString(),
                         q->value(3).toString(), Currency::fromText(q->value(4).toString())});
        return v;
    }
    Currency monto(std::mt19937_64& rng) {
        return Currency::fromInt(qint64(50000 + rng() % 3000000));
    }
};

TEST_F(CicloAleatorio, SaldosConSuSignoLibroIgualAlRecalculoYTodoContabilizado) {
    std::mt19937_64 rng(53);
    const QStringList nits{kTransportes, kPapeleria};
    Cargo cargo(*dm);
    Descuento descuento(*dm);
    Egreso egreso(*dm);
    Aplicacion aplicacion(*dm);
    ASSERT_TRUE(cargo.abra() && descuento.abra() && egreso.abra() && aplicacion.abra())
        << dialogs.lastError().toStdString();
    qint64 ultimo_cargo = 0;
    cargo.imprima = [&](qint64 id) { ultimo_cargo = id; };

    int hechos[5] = {};
    const int n = cuantos();
    for (int paso = 0; paso < n; ++paso) {
        const QString nit = nits[int(rng() % 2)];
        const int clase = paso < 4 ? 0 : int(rng() % 5);
        SCOPED_TRACE(QStringLiteral("paso %1, clase %2").arg(paso).arg(clase).toStdString());
        if (clase == 0) {  // a charge
            cargo.cambie_nit(nit);
            cargo.cambie_porcentaje(Cargo::Porcentaje::Iva, Currency::fromInt(19));
            cargo.cambie_monto(monto(rng));
            ASSERT_TRUE(cargo.grabe()) << dialogs.lastError().toStdString();
        } else if (clase == 1) {  // a discount on one of the supplier's charges
            const auto cargos = abiertos(nit, S("51"), false);
            if (cargos.empty())
                continue;
            descuento.cambie_nit(nit);
            ASSERT_TRUE(descuento.reciba_soporte(51, cargos[rng() % cargos.size()].id));
            descuento.cambie_monto(Currency::fromInt(qint64(1000 + rng() % 200000)));
            ASSERT_TRUE(descuento.grabe()) << dialogs.lastError().toStdString();
        } else if (clase == 2 || clase == 3) {  // a voucher, with an advance now and then
            auto deudas = abiertos(nit, S("51"), false);
            const bool con_anticipo = clase == 3;
            if (deudas.empty() && !con_anticipo)
                continue;
            egreso.cambie_nit(nit);
            std::shuffle(deudas.begin(), deudas.end(), rng);
            deudas.resize(std::min<std::size_t>(deudas.size(), 1 + rng() % 3));
            for (const Abierto& d : deudas) {
                egreso.reciba_documento_cxp({d.tipo, d.id, d.prefijo, d.numero, {}});
                if (rng() % 2) {
                    ClientDataset& l = egreso.documentos();
                    ASSERT_TRUE(l.edit());
                    l.fieldByName(S("EGDE_ABONO"))
                        .setCurrency(Currency::fromUnits(
                            (1 + qint64(rng() % quint64(d.saldo.units() / 10000))) * 10000));
                    ASSERT_TRUE(l.post()) << dialogs.lastError().toStdString();
                }
            }
            if (con_anticipo) {
                Anticipo::entregado = {nit, egreso.campo(S("EGRE_FECHA")).asDate()};
                Anticipo anticipo(*dm);
                ASSERT_TRUE(anticipo.abra()) << dialogs.lastError().toStdString();
                anticipo.cambie_base(monto(rng));
                dm->documentos_seleccionados.clear();
                ASSERT_TRUE(anticipo.grabe()) << dialogs.lastError().toStdString();
                ASSERT_EQ(dm->documentos_seleccionados.size(), 1);
                const DocumentoSeleccionado a = dm->documentos_seleccionados.first();
                egreso.reciba_anticipo(a.id, a.prefijo, a.numero);
            }
            ASSERT_TRUE(egreso.continue_documentos()) << dialogs.lastError().toStdString();
            MediosPago& medios = egreso.medios();
            ASSERT_TRUE(rng() % 2 ? medios.abra_banco() && medios.continue_banco()
                                  : medios.abra_caja() && medios.continue_caja())
                << dialogs.lastError().toStdString();
            ASSERT_TRUE(egreso.grabe()) << dialogs.lastError().toStdString();
        } else {  // an application of a credit against a debt
            const auto creditos = abiertos(nit, S("52, 55"), true);
            const auto deudas = abiertos(nit, S("51"), false);
            if (creditos.empty() || deudas.empty())
                continue;
            const Abierto c = creditos[rng() % creditos.size()];
            const Abierto d = deudas[rng() % deudas.size()];
            const Currency x = std::min(c.saldo.abs(), d.saldo);
            aplicacion.cambie_nit(nit);
            ASSERT_TRUE(aplicacion.reciba_documentos(
                {{d.tipo, d.id, d.prefijo, d.numero, {}}, {c.tipo, c.id, c.prefijo, c.numero, {}}}))
                << dialogs.lastError().toStdString();
            ClientDataset& l = aplicacion.lineas();
            for (bool ok = l.first(); ok && !l.eof(); ok = l.next()) {
                ASSERT_TRUE(l.edit());
                for (const char* r : {"APPD_RTFTE", "APPD_RTIVA", "APPD_RTICA", "APPD_RCREE"})
                    l.fieldByName(S(r)).setCurrency(Currency());
                l.fieldByName(S("APPD_APLICADO"))
                    .setCurrency(l.fieldByName(S("APPD_IDDOC")).asInteger() == d.id &&
                                         l.fieldByName(S("APPD_TIPODOC")).asInteger() == d.tipo
                                     ? x
                                     : -x);
                ASSERT_TRUE(l.post()) << dialogs.lastError().toStdString();
            }
            ASSERT_TRUE(aplicacion.grabe()) << dialogs.lastError().toStdString();
        }
        ++hechos[clase];
    }
    // Every kind of document took part.
    for (int k = 0; k < 5; ++k)
        EXPECT_GT(hechos[k], 0) << "clase " << k;

    EXPECT_EQ(
        filas(S("MOVIMIENTO_PROVEEDOR where MVPR_TIPOREF in (21, 51, 57) and MVPR_SALDO < 0")), 0);
    EXPECT_EQ(
        filas(S("MOVIMIENTO_PROVEEDOR where MVPR_TIPOREF in (24, 52, 55) and MVPR_SALDO > 0")), 0);
    EXPECT_EQ(libro_descuadrado(dm->sql()), QStringList());
    EXPECT_EQ(numeros_repetidos(dm->sql()), QStringList());
    // The recalculation rebuilds the same balances: nothing to repair.
    EXPECT_EQ(filas(S("CHEQUEO_SALDOS_DOC_CXPAGAR('', 'ZZZZZZZZZZZZZZZZZZZZ')")), 0);
    // Charges, discounts, applications and vouchers: one balanced ledger
    // voucher each, in both books.
    for (const auto& [tipo, tabla] :
         {std::pair{51,
                    "NOTAS_DEBITO_PROVEEDOR where NDPR_ID > 0 and not exists (select 1 from "
                    "COMPROBANTE_ENCABEZADO c where c.ENCO_TIPOREF = 51 and c.ENCO_IDREF = "
                    "NDPR_ID)"},
          {52,
           "NOTAS_CREDITO_PROVEEDOR where NCPR_ID > 0 and not exists (select 1 from "
           "COMPROBANTE_ENCABEZADO c where c.ENCO_TIPOREF = 52 and c.ENCO_IDREF = NCPR_ID)"},
          {53,
           "APLICACION_PROVEDOR where APPR_ID > 0 and not exists (select 1 from "
           "COMPROBANTE_ENCABEZADO c where c.ENCO_TIPOREF = 53 and c.ENCO_IDREF = APPR_ID)"},
          {62,
           "EGRESOS where EGRE_ID > 0 and not exists (select 1 from COMPROBANTE_ENCABEZADO c "
           "where c.ENCO_TIPOREF = 62 and c.ENCO_IDREF = EGRE_ID)"}})
        EXPECT_EQ(filas(S(tabla)), 0) << "sin contabilizar, tipo " << tipo;
    for (const char* libro : {"COMPROBANTE_DETALLE", "COMPROBANTE_DETALLE_NIIF"})
        EXPECT_EQ(filas(S("COMPROBANTE_ENCABEZADO c where (select sum(d.CODE_DEBITOS) - "
                          "sum(d.CODE_CREDITOS) from ") +
                        S(libro) + S(" d where d.ENCO_CONSEC = c.ENCO_CONSEC) is distinct from 0")),
                  0)
            << libro;
}

}  // namespace
}  // namespace ledgrix::test
