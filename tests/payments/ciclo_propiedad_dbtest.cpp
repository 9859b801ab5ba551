// The whole payables cycle at random, each document typed through its own
// window's logic, over generated invoices and charges of the demo suppliers:
// charges, discounts on them, vouchers paying part or all of what is open (a
// prompt-payment discount on some lines; by cash, by bank or by both; an
// advance born in some), and applications setting a credit (discount or
// advance) against a debt. Whatever the mix: debts never go below zero and
// credits never above; each generated document's balance is its amount less
// exactly what the stored voucher lines and applications took off it
// (tallied here as they were typed); the ledger equals a recomputation from
// the documents (the recalculation finds nothing to repair); every document
// that posts is posted once and balanced in both books; and the means of
// each voucher add up to its amount.
//
// LEDGRIX_CICLO_ALEATORIO sets how many documents (the suite runs a short
// count; scripts/confiabilidad.sh completa runs thousands).
#include <gtest/gtest.h>

#include <QSqlQuery>
#include <algorithm>
#include <map>
#include <random>

#include "core/data/client_dataset.h"
#include "core/data/field.h"
#include "core/sql/transaccion.h"
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
    return ok && n > 0 ? n : 100;
}

// Generated documents take their ids from here up; the demo's and those
// typed in the test stay below.
constexpr qint64 kGenerados = 700000;

struct Abierto {
    int tipo = 0;
    qint64 id = 0;
    QString prefijo, numero;
    Currency saldo;
};
using Clave = std::pair<int, qint64>;  // type and id of a document

class CicloAleatorio : public DocumentosTest {
  protected:
    // Invoices and charges of both suppliers, in cents so that partial
    // payments meet odd amounts; enough that the vouchers never run out.
    void genere(std::mt19937_64& rng, int por_proveedor) {
        std::uniform_int_distribution<qint64> centavos(10000, 250000000);
        Transaccion una(dm->Ledgrix());  // one commit for them all
        int id = int(kGenerados);
        for (const QString& nit : {kTransportes, kPapeleria})
            for (int i = 0; i < por_proveedor; ++i, ++id) {
                const Currency monto = Currency::fromUnits(centavos(rng) * 100);
                const QString numero = QString::number(id).right(6);
                const QDate d = QDate(2021, 1, 4).addDays(i % 600);
                const int tipo = i % 4 == 3 ? 51 : 21;
                if (tipo == 21)
                    factura(id, numero, nit, d, monto.toString());
                else
                    cargo(id, numero, nit, d, monto.toString());
                esperado_[{tipo, id}] = monto;
            }
        ASSERT_TRUE(una.confirme());
    }
    // Open positions of a supplier of the given types, as the ledger has
    // them: the generated ones and, of the rest, the charges.
    std::vector<Abierto> abiertos(const QString& nit, const QString& tipos, bool credito) {
        std::vector<Abierto> v;
        auto q = dm->sql().select(
            S("select MVPR_TIPOREF, MVPR_IDREF, MVPR_PREFIJO, MVPR_NUMERO, cast(MVPR_SALDO as "
              "varchar(24)) from MOVIMIENTO_PROVEEDOR where TERC_NIT = '%1' and MVPR_TIPOREF in "
              "(%2) and MVPR_SALDO %3 0 and (MVPR_IDREF >= %4 or MVPR_TIPOREF <> 21) order by "
              "MVPR_IDREF")
                .arg(nit, tipos, credito ? S("<") : S(">"))
                .arg(kGenerados));
        while (q && q->next())
            v.push_back({q->value(0).toInt(), q->value(1).toLongLong(), q->value(2).toString(),
                         q->value(3).toString(), Currency::fromText(q->value(4).toString())});
        return v;
    }
    Currency monto(std::mt19937_64& rng) {
        return Currency::fromInt(qint64(50000 + rng() % 3000000));
    }
    // What the stored lines and applications took off each generated document.
    void descuente(const Clave& doc, const Currency& tomado) {
        if (auto it = esperado_.find(doc); it != esperado_.end())
            it->second -= tomado;
    }

    std::map<Clave, Currency> esperado_;
};

TEST_F(CicloAleatorio, SaldosExactosConSuSignoLibroIgualAlRecalculoYTodoContabilizado) {
    std::mt19937_64 rng(53);
    const int n = cuantos();
    genere(rng, 10 + n / 2);
    const QStringList nits{kTransportes, kPapeleria};
    const auto error = [&] { return dialogs.lastError().toStdString(); };
    Cargo cargo(*dm);
    Descuento descuento(*dm);
    Egreso egreso(*dm);
    Aplicacion aplicacion(*dm);
    ASSERT_TRUE(cargo.abra() && descuento.abra() && egreso.abra() && aplicacion.abra()) << error();
    cargo.imprima = [](qint64) {};

    int hechos[5] = {};
    int egresos = 0;
    for (int paso = 0; paso < n; ++paso) {
        const QString nit = nits[int(rng() % 2)];
        const int clase = paso < 4 ? 0 : int(rng() % 5);
        SCOPED_TRACE(QStringLiteral("paso %1, clase %2").arg(paso).arg(clase).toStdString());
        if (clase == 0) {  // a charge
            cargo.cambie_nit(nit);
            cargo.cambie_porcentaje(Cargo::Porcentaje::Iva, Currency::fromInt(19));
            cargo.cambie_monto(monto(rng));
            ASSERT_TRUE(cargo.grabe()) << error();
        } else if (clase == 1) {  // a discount on one of the charges typed here
            auto cargos = abiertos(nit, S("51"), false);
            std::erase_if(cargos, [](const Abierto& a) { return a.id >= kGenerados; });
            if (cargos.empty())
                continue;
            descuento.cambie_nit(nit);
            ASSERT_TRUE(descuento.reciba_soporte(51, cargos[rng() % cargos.size()].id));
            descuento.cambie_monto(Currency::fromInt(qint64(1000 + rng() % 200000)));
            ASSERT_TRUE(descuento.grabe()) << error();
        } else if (clase == 2 || clase == 3) {  // a voucher, with an advance in some
            auto deudas = abiertos(nit, S("21, 51"), false);
            const bool con_anticipo = clase == 3;
            if (deudas.empty() && !con_anticipo)
                continue;
            std::shuffle(deudas.begin(), deudas.end(), rng);
            // Half the time the charges typed here go first: they are few
            // among the generated documents.
            if (rng() % 2)
                std::stable_partition(deudas.begin(), deudas.end(),
                                      [](const Abierto& a) { return a.id < kGenerados; });
            deudas.resize(std::min<std::size_t>(deudas.size(), 1 + rng() % 4));
            egreso.cambie_nit(nit);
            ClientDataset& lineas = egreso.documentos();
            for (const Abierto& d : deudas) {
                egreso.reciba_documento_cxp({d.tipo, d.id, d.prefijo, d.numero, {}});
                // Part of the balance, or all of it less a prompt-payment
                // discount, or all of it.
                ASSERT_TRUE(lineas.edit());
                const quint64 centavos = quint64(std::max<qint64>(d.saldo.units() / 100, 1));
                if (const int forma = int(rng() % 3); forma == 0)
                    lineas.fieldByName(S("EGDE_ABONO"))
                        .setCurrency(Currency::fromUnits(qint64(1 + rng() % centavos) * 100));
                else if (forma == 1)
                    lineas.fieldByName(S("EGDE_DTOF"))
                        .setCurrency(Currency::fromUnits(qint64(centavos / 50) * 100));
                ASSERT_TRUE(lineas.post()) << error();
            }
            if (con_anticipo) {
                Anticipo::entregado = {nit, egreso.campo(S("EGRE_FECHA")).asDate()};
                Anticipo anticipo(*dm);
                ASSERT_TRUE(anticipo.abra()) << error();
                anticipo.cambie_base(monto(rng));
                dm->documentos_seleccionados.clear();
                ASSERT_TRUE(anticipo.grabe()) << error();
                ASSERT_EQ(dm->documentos_seleccionados.size(), 1);
                const DocumentoSeleccionado a = dm->documentos_seleccionados.first();
                egreso.reciba_anticipo(a.id, a.prefijo, a.numero);
            }
            ASSERT_TRUE(egreso.continue_documentos()) << error();
            ASSERT_EQ(lineas.recordCount(), int(deudas.size()) + (con_anticipo ? 1 : 0));

            // What each line takes off its document, as it will be stored.
            std::map<Clave, Currency> toma;
            for (bool ok = lineas.first(); ok && !lineas.eof(); ok = lineas.next())
                for (const char* c : {"EGDE_ABONO", "EGDE_DTOF", "EGDE_RTFTE", "EGDE_RTIVA",
                                      "EGDE_RTICA", "EGDE_RCREE"})
                    toma[{int(lineas.fieldByName(S("EGDE_TIPODOC")).asInteger()),
                          lineas.fieldByName(S("EGDE_IDDOC")).asInteger()}] +=
                        lineas.fieldByName(S(c)).asCurrency();

            MediosPago& medios = egreso.medios();
            const Currency total = egreso.campo(S("EGRE_MONTO")).asCurrency();
            const int forma = int(rng() % 3);  // 0 cash, 1 bank, 2 both
            if (forma != 1) {
                ASSERT_TRUE(medios.abra_caja()) << error();
                if (forma == 2)
                    medios.cambie_monto_caja(Currency::fromUnits((total.units() / 200) * 100));
                ASSERT_TRUE(medios.continue_caja()) << error();
            }
            if (forma != 0) {
                ASSERT_TRUE(medios.abra_banco() && medios.continue_banco()) << error();
            }
            ASSERT_TRUE(egreso.grabe()) << error();
            ++egresos;
            for (const auto& [doc, tomado] : toma)
                descuente(doc, tomado);
        } else {  // an application of a credit against a debt
            const auto creditos = abiertos(nit, S("52, 55"), true);
            const auto deudas = abiertos(nit, S("21, 51"), false);
            if (creditos.empty() || deudas.empty())
                continue;
            const Abierto c = creditos[rng() % creditos.size()];
            const Abierto d = deudas[rng() % deudas.size()];
            const Currency x = std::min(c.saldo.abs(), d.saldo);
            aplicacion.cambie_nit(nit);
            ASSERT_TRUE(aplicacion.reciba_documentos(
                {{d.tipo, d.id, d.prefijo, d.numero, {}}, {c.tipo, c.id, c.prefijo, c.numero, {}}}))
                << error();
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
                ASSERT_TRUE(l.post()) << error();
            }
            ASSERT_TRUE(aplicacion.grabe()) << error();
            descuente({d.tipo, d.id}, x);
        }
        ++hechos[clase];
    }
    // Every kind of document took part.
    for (int k = 0; k < 5; ++k)
        EXPECT_GT(hechos[k], 0) << "clase " << k;

    for (const auto& [doc, saldo] : esperado_) {
        EXPECT_FALSE(saldo.isNegative()) << doc.second;
        EXPECT_EQ(guardado(doc.first, int(doc.second)), saldo.toString())
            << "documento " << doc.second;
    }
    EXPECT_EQ(
        filas(S("MOVIMIENTO_PROVEEDOR where MVPR_TIPOREF in (21, 51, 57) and MVPR_SALDO < 0")), 0);
    EXPECT_EQ(
        filas(S("MOVIMIENTO_PROVEEDOR where MVPR_TIPOREF in (24, 52, 55) and MVPR_SALDO > 0")), 0);
    EXPECT_EQ(libro_descuadrado(dm->sql()), QStringList());
    EXPECT_EQ(numeros_repetidos(dm->sql()), QStringList());
    // The recalculation rebuilds the same balances: nothing to repair.
    EXPECT_EQ(filas(S("CHEQUEO_SALDOS_DOC_CXPAGAR('', 'ZZZZZZZZZZZZZZZZZZZZ')")), 0);
    EXPECT_EQ(filas(S("EGRESOS where EGRE_ID > 0")), egresos);
    // The means of each voucher add up to its amount.
    EXPECT_EQ(filas(S("EGRESOS e where e.EGRE_ID > 0 and e.EGRE_MONTO <> "
                      "(select coalesce(sum(c.EGCA_MONTO), 0) from EGRECAJA c where c.EGRE_ID = "
                      "e.EGRE_ID) + (select coalesce(sum(b.EGBC_MONTO), 0) from EGREBANCO b "
                      "where b.EGRE_ID = e.EGRE_ID)")),
              0);
    // Charges, discounts, applications and vouchers typed here: one ledger
    // voucher each; every ledger voucher balanced in both books.
    for (const auto& [tipo, tabla, id] : {std::tuple{51, "NOTAS_DEBITO_PROVEEDOR", "NDPR_ID"},
                                          {52, "NOTAS_CREDITO_PROVEEDOR", "NCPR_ID"},
                                          {53, "APLICACION_PROVEDOR", "APPR_ID"},
                                          {62, "EGRESOS", "EGRE_ID"}})
        EXPECT_EQ(filas(S("%2 where %3 > 0 and %3 < %4 and not exists (select 1 from "
                          "COMPROBANTE_ENCABEZADO c where c.ENCO_TIPOREF = %1 and c.ENCO_IDREF "
                          "= %3)")
                            .arg(tipo)
                            .arg(S(tabla), S(id))
                            .arg(kGenerados)),
                  0)
            << "sin contabilizar, tipo " << tipo;
    for (const char* libro : {"COMPROBANTE_DETALLE", "COMPROBANTE_DETALLE_NIIF"})
        EXPECT_EQ(filas(S("COMPROBANTE_ENCABEZADO c where (select sum(d.CODE_DEBITOS) - "
                          "sum(d.CODE_CREDITOS) from ") +
                        S(libro) + S(" d where d.ENCO_CONSEC = c.ENCO_CONSEC) is distinct from 0")),
                  0)
            << libro;
}

}  // namespace
}  // namespace ledgrix::test
