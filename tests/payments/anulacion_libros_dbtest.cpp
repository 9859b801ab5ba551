// Annulling a stored document from its search, and deleting it afterwards,
// gives the payables registry, both books and the money of the cash and
// bank modules back exactly as they were before the document was typed.
// Every document is stored and posted through its window's logic and
// annulled the way its search does (the document's statements in one unit
// with its ledger voucher and the user's reason). The registry is also
// recomputed here from the document and line tables, without the triggers
// that keep it.
#include <gtest/gtest.h>

#include <QSqlQuery>
#include <functional>
#include <utility>

#include "core/sql/anulacion.h"
#include "core/validaciones/anulacion.h"
#include "payables/cargos/cargo.h"
#include "payables/cargos/descuento.h"
#include "payables/creditos/causacion_credito.h"
#include "payments/anticipos/anticipo.h"
#include "payments/aplicaciones/aplicacion.h"
#include "tests/payments/pagos_fixture.h"
#include "tests/support/invariantes_cxp.h"

namespace ledgrix::test {
namespace {

// What annulment must give back, one readable line per row.
struct Estado {
    QStringList posiciones;   // live documents of the registry with their balances
    QStringList abonos;       // what settles them
    QStringList libro, niif;  // live postings per account and third party
    QStringList banco;        // live cheques and withdrawals
    QStringList caja;         // cash paid out per box and form, documents held or handed on
};

// A document's live balance recomputed from its own table and the live lines
// of the documents that settle it, in the registry's signs; the choice of
// withholdings the registry recorded for the document stands.
const char* const kRecalculo = R"(
with docs (tipo, id, valor) as (
  select 21, f.FACO_ID, coalesce(f.FACO_MONTO, 0) + coalesce(f.FACO_IVAMONTO, 0)
    + coalesce(f.FACO_EXTRA, 0) - iif(m.MVPR_RETCAUSA = 'S', coalesce(f.FACO_RTFTEMONTO, 0)
    + coalesce(f.FACO_RTIVAMONTO, 0) + coalesce(f.FACO_RTICAMONTO, 0)
    + coalesce(f.FACO_RTCREEM, 0), 0)
  from FACTURAS_COMPRA f join MOVIMIENTO_PROVEEDOR m on m.MVPR_TIPOREF = 21
    and m.MVPR_IDREF = f.FACO_ID where f.FACO_ANULADO = 'N'
  union all
  select 31, f.FACT_ID, coalesce(f.FACT_MONTO, 0) + coalesce(f.FACT_IVAMONTO, 0)
    - iif(m.MVPR_RETCAUSA = 'S', coalesce(f.FACT_RTFTEMONTO, 0) + coalesce(f.FACT_RTIVAMONTO, 0)
    + coalesce(f.FACT_RTICAMONTO, 0) + coalesce(f.FACT_RTCREEM, 0), 0)
  from FACTURAS f join MOVIMIENTO_PROVEEDOR m on m.MVPR_TIPOREF = 31
    and m.MVPR_IDREF = f.FACT_ID where f.FACT_ANULADO = 'N'
  union all
  select 51, n.NDPR_ID, coalesce(n.NDPR_MONTO, 0) + coalesce(n.NDPR_IVAMONTO, 0)
    + coalesce(n.NDPR_EXTRA, 0) - iif(m.MVPR_RETCAUSA = 'S', coalesce(n.NDPR_RTFTEMONTO, 0)
    + coalesce(n.NDPR_RTIVAMONTO, 0) + coalesce(n.NDPR_RTICAMONTO, 0)
    + coalesce(n.NDPR_RTCREEM, 0), 0)
  from NOTAS_DEBITO_PROVEEDOR n join MOVIMIENTO_PROVEEDOR m on m.MVPR_TIPOREF = 51
    and m.MVPR_IDREF = n.NDPR_ID where n.NDPR_ANULADO = 'N' and n.NDPR_ID <> 0
  union all
  select 52, n.NCPR_ID, -(coalesce(n.NCPR_MONTO, 0) + coalesce(n.NCPR_IVAMONTO, 0)
    + coalesce(n.NCPR_EXTRA, 0) - iif(m.MVPR_RETCAUSA = 'S', coalesce(n.NCPR_RTFTEMONTO, 0)
    + coalesce(n.NCPR_RTIVAMONTO, 0) + coalesce(n.NCPR_RTICAMONTO, 0)
    + coalesce(n.NCPR_RTCREEM, 0), 0))
  from NOTAS_CREDITO_PROVEEDOR n join MOVIMIENTO_PROVEEDOR m on m.MVPR_TIPOREF = 52
    and m.MVPR_IDREF = n.NCPR_ID where n.NCPR_ANULADO = 'N' and n.NCPR_ID <> 0
  union all
  select 55, a.ANPR_ID, -(coalesce(a.ANPR_BASE, 0) + coalesce(a.ANPR_IVAMONTO, 0)
    - iif(m.MVPR_RETCAUSA = 'S', coalesce(a.ANPR_RTFTEMONTO, 0)
    + coalesce(a.ANPR_RTIVAMONTO, 0) + coalesce(a.ANPR_RTICAMONTO, 0), 0))
  from ANTICIPOS_PROVEEDOR a join MOVIMIENTO_PROVEEDOR m on m.MVPR_TIPOREF = 55
    and m.MVPR_IDREF = a.ANPR_ID where a.ANPR_ANULADO = 'N' and a.ANPR_ID <> 0
  union all
  select 57, c.CRCX_ID, coalesce(c.CRCX_TOTAL, 0) from CREDITO_CXPAGAR c
  where c.CRCX_ANULADO = 'N' and c.CRCX_ID <> 0
),
pagado (tipo, id, valor) as (
  select d.EGDE_TIPODOC, d.EGDE_IDDOC, coalesce(d.EGDE_ABONO, 0) + coalesce(d.EGDE_DTOF, 0)
    + coalesce(d.EGDE_RTFTE, 0) + coalesce(d.EGDE_RTIVA, 0) + coalesce(d.EGDE_RTICA, 0)
    + coalesce(d.EGDE_RCREE, 0)
  from EGRESODETALLE d join EGRESOS e on e.EGRE_ID = d.EGRE_ID
  where e.EGRE_ANULADO = 'N' and d.EGDE_ANULADO = 'N' and d.EGDE_TIPODOC <> 55
  union all
  select d.EGCC_TIPODOC, d.EGCC_IDDOC, coalesce(d.EGCC_ABONO, 0) + coalesce(d.EGCC_DTOF, 0)
    + coalesce(d.EGCC_RTFTE, 0) + coalesce(d.EGCC_RTIVA, 0) + coalesce(d.EGCC_RTICA, 0)
    + coalesce(d.EGCC_RCREE, 0)
  from EGRECRUCES d join EGRESOS e on e.EGRE_ID = d.EGRE_ID
  where e.EGRE_ANULADO = 'N' and d.EGCC_ANULADO = 'N'
  union all
  select d.APPD_TIPODOC, d.APPD_IDDOC, coalesce(d.APPD_APLICADO, 0) + coalesce(d.APPD_RTFTE, 0)
    + coalesce(d.APPD_RTIVA, 0) + coalesce(d.APPD_RTICA, 0) + coalesce(d.APPD_RCREE, 0)
  from APLICACION_PROVEEDOR_DETALLE d join APLICACION_PROVEDOR a on a.APPR_ID = d.APPR_ID
  where a.APPR_ANULADO = 'N' and d.APPD_ANULADO = 'N'
  union all
  select c.CRCX_TIPODOC, c.CRCX_IDDOC, coalesce(c.CRCX_TOTAL, 0) from CREDITO_CXPAGAR c
  where c.CRCX_ANULADO = 'N' and coalesce(c.CRCX_IDDOC, 0) <> 0
)
select d.tipo || '/' || d.id || ' ' || cast(d.valor - coalesce((select sum(p.valor)
  from pagado p where p.tipo = d.tipo and p.id = d.id), 0) as numeric(18, 2))
from docs d order by d.tipo, d.id)";

class AnulacionTest : public PagosTest {
  protected:
    void SetUp() override {
        PagosTest::SetUp();
        // What the suppliers owed before any case: documents of other
        // modules or older releases, stored without posting.
        factura(301, S("000301"), kTransportes, kHoy.addDays(-20), S("1000000"));
        factura(302, S("000302"), kPapeleria, kHoy.addDays(-20), S("800000"));
        cargo(303, S("000303"), kTransportes, kHoy.addDays(-15), S("200000"));
        cargo(304, S("000304"), kPapeleria, kHoy.addDays(-15), S("150000"));
        descuento(305, S("000305"), kTransportes, kHoy.addDays(-12), S("60000"));
        factura(306, S("000306"), kTransportes, kHoy.addDays(-12), S("500000"));
        run(S("insert into FACTURAS (FACT_ID, PREF_PRE, FACT_NUMERO, FACT_FECHA, TERC_NIT, "
              "FACT_MONTO) values (307, 'FV', '00000307', '2022/09/01', '%1', 90000)")
                .arg(kPapeleria));
    }

    QStringList lineas(const QString& sql) const {
        QStringList v;
        auto q = dm->sql().select(sql);
        EXPECT_TRUE(q.has_value()) << sql.toStdString();
        while (q && q->next())
            v << q->value(0).toString();
        return v;
    }
    QStringList libro(const char* detalle) const {
        return lineas(S("select d.CUEN_COD || ' ' || coalesce(d.TERC_NIT, '-') || ' ' || "
                        "sum(d.CODE_DEBITOS) || ' ' || sum(d.CODE_CREDITOS) from %1 d join "
                        "COMPROBANTE_ENCABEZADO e on e.ENCO_CONSEC = d.ENCO_CONSEC where "
                        "e.ENCO_ANULADO = 'N' group by d.CUEN_COD, d.TERC_NIT order by 1")
                          .arg(S(detalle)));
    }
    Estado estado() const {
        Estado e;
        e.posiciones = lineas(
            S("select MVPR_TIPOREF || '/' || MVPR_IDREF || ' ' || MVPR_SALDO || ' valor ' || "
              "MVPR_VALOR || ' ret ' || MVPR_RTFTE || ' ' || MVPR_RTIVA || ' ' || MVPR_RTICA || "
              "' ' || MVPR_RCREE from MOVIMIENTO_PROVEEDOR where MVPR_ANULADO = 'N' order by "
              "MVPR_TIPOREF, MVPR_IDREF"));
        e.abonos = lineas(
            S("select ABPR_TIPOREF || '/' || ABPR_IDREF || ' ' || ABPR_ORIGEN || ABPR_IDORI || "
              "'.' || ABPR_ITEMORI || ' ' || ABPR_FECHA || ' ' || ABPR_VALOR from "
              "ABONOS_PROVEEDOR order by ABPR_TIPOREF, ABPR_IDREF, ABPR_ORIGEN, ABPR_IDORI, "
              "ABPR_ITEMORI"));
        e.libro = libro("COMPROBANTE_DETALLE");
        e.niif = libro("COMPROBANTE_DETALLE_NIIF");
        e.banco = lineas(
            S("select 'CH ' || CUBA_COD || ' ' || PRBA_PREF || CHEQ_NUMERO || ' ' || CHEQ_MONTO "
              "|| ' ' || CHEQ_GMF from CHEQUES where CHEQ_ANULADO = 'N' union all select 'RE ' || "
              "CUBA_COD || ' ' || PRBA_PREF || RETI_NUMERO || ' ' || RETI_MONTO || ' ' || "
              "RETI_GMF from RETIROS where RETI_ANULADO = 'N' order by 1"));
        e.caja = lineas(
            S("select 'caja ' || c.CAJA_ID || ' forma ' || c.FOPA_ID || ' ' || "
              "sum(c.EGCA_MONTO) from EGRECAJA c join EGRESOS e on e.EGRE_ID = c.EGRE_ID where "
              "e.EGRE_ANULADO = 'N' and c.EGCA_ANULADO = 'N' and e.EGRE_ID <> 0 group by "
              "c.CAJA_ID, c.FOPA_ID union all select 'documento ' || DPCA_ID || ' ' || "
              "DPCA_TIPOSAL || '/' || DPCA_IDSAL from DOCUMENTOS_PAGO_CAJA order by 1"));
        return e;
    }
    // The registry's balances of live documents, as the recomputation writes them.
    QStringList saldos_del_registro() const {
        return lineas(
            S("select MVPR_TIPOREF || '/' || MVPR_IDREF || ' ' || cast(MVPR_SALDO as "
              "numeric(18, 2)) from MOVIMIENTO_PROVEEDOR where MVPR_ANULADO = 'N' order by "
              "MVPR_TIPOREF, MVPR_IDREF"));
    }
    void compare(const Estado& esperado, const char* cuando) const {
        SCOPED_TRACE(cuando);
        const Estado e = estado();
        EXPECT_EQ(e.posiciones, esperado.posiciones);
        EXPECT_EQ(e.abonos, esperado.abonos);
        EXPECT_EQ(e.libro, esperado.libro);
        EXPECT_EQ(e.niif, esperado.niif);
        EXPECT_EQ(e.banco, esperado.banco);
        EXPECT_EQ(e.caja, esperado.caja);
        EXPECT_EQ(saldos_del_registro(), lineas(S(kRecalculo)));
        EXPECT_EQ(lineas(S("select TIPO || '/' || ID from CHEQUEO_SALDOS_DOC_CXPAGAR('', "
                           "'ZZZZZZZZZZZZZZZZZZZZ')")),
                  QStringList());
        EXPECT_EQ(libro_descuadrado(dm->sql()), QStringList());
        EXPECT_EQ(documentos_a_medias(dm->sql(), {}), QStringList());
        EXPECT_EQ(medios_de_pago_descuadrados(dm->sql()), QStringList());
    }
    // Audit rows of one operation on a document: their reasons.
    QStringList auditoria(int tipo, qint64 id, const char* oper) const {
        return lineas(S("select coalesce(AUDI_RAZON, '') from AUDITORIA where TIDO_COD = %1 and "
                        "AUDI_IDDOC = %2 and AUDI_OPER = '%3'")
                          .arg(tipo)
                          .arg(id)
                          .arg(S(oper)));
    }
    int comprobantes_vivos(int tipo, qint64 id) const {
        return filas(S("COMPROBANTE_ENCABEZADO where ENCO_TIPOREF = %1 and ENCO_IDREF = %2 and "
                       "ENCO_ANULADO = 'N'")
                         .arg(tipo)
                         .arg(id));
    }

    // Documents typed as their windows type them; each answers its id.
    qint64 un_cargo(const QString& nit, const char* monto) {
        Cargo c(*dm);
        qint64 id = 0;
        c.imprima = [&](qint64 i) { id = i; };
        EXPECT_TRUE(c.abra());
        c.cambie_nit(nit);
        c.cambie_porcentaje(Cargo::Porcentaje::Iva, M("19"));
        c.cambie_monto(M(monto));
        EXPECT_TRUE(c.grabe()) << dialogs.lastError().toStdString();
        return id;
    }
    // A charge spread over two cost centres, as the window asks for them.
    qint64 un_cargo_con_centros() {
        configure(S("PREGUNTAR DETALLE DE CENTROS DE COSTO EN CARGOS Y DESCUENTOS"), S("SI"));
        Cargo c(*dm);
        qint64 id = 0;
        c.imprima = [&](qint64 i) { id = i; };
        EXPECT_TRUE(c.abra());
        c.cambie_nit(kTransportes);
        c.cambie_proyecto(S("0001"));
        c.cambie_subcentro(S("0001"));
        c.cambie_monto(M("80000"));
        EXPECT_FALSE(c.grabe());
        EXPECT_TRUE(c.centros_abiertos());
        ClientDataset& centros = c.centros();
        ponga(centros, "CEDO_MONTO", "50000");
        EXPECT_TRUE(centros.append());
        centros.fieldByName(S("PROY_COD")).setValue(S("0002"));
        centros.fieldByName(S("CENT_COD")).setValue(S("0300"));
        centros.fieldByName(S("SUBC_COD")).setValue(S("0000"));
        centros.fieldByName(S("CEDO_MONTO")).setCurrency(M("30000"));
        // Confirming the shares carries the save on.
        EXPECT_TRUE(c.confirme_centros()) << dialogs.lastError().toStdString();
        configure(S("PREGUNTAR DETALLE DE CENTROS DE COSTO EN CARGOS Y DESCUENTOS"), S("NO"));
        EXPECT_EQ(filas(S("CENTROS_DOCUMENTO where TIDO_COD = 51 and CEDO_IDDOC = %1").arg(id)), 2);
        return id;
    }
    qint64 un_descuento(qint64 soporte) {
        Descuento d(*dm);
        qint64 id = 0;
        d.imprima = [&](qint64 i) { id = i; };
        EXPECT_TRUE(d.abra());
        d.cambie_nit(kTransportes);
        if (soporte) {
            EXPECT_TRUE(d.reciba_soporte(51, soporte));
        }
        d.cambie_porcentaje(DocumentoCxp::Porcentaje::Iva, M("19"));
        d.cambie_monto(M("40000"));
        EXPECT_TRUE(d.grabe()) << dialogs.lastError().toStdString();
        return id;
    }
    // A voucher to the stationer's: its invoice in part and its charge in
    // full, crossed against what it owes us, paid with a client's cheque held
    // in the box, cash and a cheque of our own.
    qint64 un_egreso() {
        Egreso& e = abra_egreso(kPapeleria);
        qint64 id = 0;
        e.imprima = [&](qint64 i) { id = i; };
        e.reciba_documento_cxp({21, 302, S("0000"), S("000302"), {}});
        ponga(e.documentos(), "EGDE_ABONO", "500000");
        e.reciba_documento_cxp({51, 304, S("0000"), S("000304"), {}});
        EXPECT_TRUE(e.continue_documentos()) << dialogs.lastError().toStdString();
        e.abra_cruces();
        e.reciba_documento_cartera({31, 0, S("FV"), S("00000307"), {}});
        ponga(e.cruces(), "EGCC_ABONO", "40000");
        EXPECT_TRUE(e.continue_cruces()) << dialogs.lastError().toStdString();
        MediosPago& m = e.medios();
        EXPECT_TRUE(m.abra_caja()) << dialogs.lastError().toStdString();
        m.cambie_forma_pago(2);
        m.cambie_banco_doc(S("07"));
        m.cambie_cuenta_doc(S("40512345678"));
        m.cambie_numero_doc(S("004512"));
        EXPECT_TRUE(m.grabe_linea_caja()) << dialogs.lastError().toStdString();
        m.nueva_linea_caja();
        m.cambie_forma_pago(1);
        m.cambie_monto_caja(M("100000"));
        EXPECT_TRUE(m.grabe_linea_caja()) << dialogs.lastError().toStdString();
        EXPECT_TRUE(m.continue_caja()) << dialogs.lastError().toStdString();
        EXPECT_TRUE(m.abra_banco() && m.continue_banco()) << dialogs.lastError().toStdString();
        EXPECT_TRUE(e.grabe()) << dialogs.lastError().toStdString();
        EXPECT_EQ(filas(S("CHEQUES where CHEQ_IDORI = %1 and CHEQ_ANULADO = 'N'").arg(id)), 1);
        EXPECT_EQ(filas(S("DOCUMENTOS_PAGO_CAJA where DPCA_IDSAL = %1").arg(id)), 1);
        return id;
    }
    // A voucher that pays out an advance typed from it, and the supplier's
    // charge; `anticipo` receives the advance.
    qint64 un_anticipo(DocumentoSeleccionado* anticipo = nullptr) {
        Egreso& e = abra_egreso(kTransportes);
        qint64 id = 0;
        e.imprima = [&](qint64 i) { id = i; };
        e.reciba_documento_cxp({51, 303, S("0000"), S("000303"), {}});
        Anticipo::entregado = {kTransportes, e.campo(S("EGRE_FECHA")).asDate()};
        Anticipo a(*dm);
        EXPECT_TRUE(a.abra()) << dialogs.lastError().toStdString();
        a.cambie_porcentaje(Anticipo::Porcentaje::Iva, M("19"));
        a.cambie_base(M("300000"));
        dm->documentos_seleccionados.clear();
        EXPECT_TRUE(a.grabe()) << dialogs.lastError().toStdString();
        Anticipo::entregado = {};
        EXPECT_EQ(dm->documentos_seleccionados.size(), 1);
        if (dm->documentos_seleccionados.isEmpty())
            return 0;
        const DocumentoSeleccionado d = dm->documentos_seleccionados.first();
        if (anticipo)
            *anticipo = d;
        e.reciba_anticipo(d.id, d.prefijo, d.numero);
        grabe_por_banco(e);
        return id;
    }
    // A credit of the transport supplier (its discount unless another is
    // named) set against its first invoice.
    qint64 una_aplicacion(DocumentoSeleccionado credito = {52, 305, S("0000"), S("000305"), {}},
                          const char* monto = "60000") {
        Aplicacion a(*dm);
        qint64 id = 0;
        a.imprima = [&](qint64 i) { id = i; };
        EXPECT_TRUE(a.abra()) << dialogs.lastError().toStdString();
        a.cambie_nit(kTransportes);
        EXPECT_TRUE(a.reciba_documentos({{21, 301, S("0000"), S("000301"), {}}, credito}))
            << dialogs.lastError().toStdString();
        ClientDataset& l = a.lineas();
        for (bool ok = l.first(); ok && !l.eof(); ok = l.next()) {
            EXPECT_TRUE(l.edit());
            for (const char* r : {"APPD_RTFTE", "APPD_RTIVA", "APPD_RTICA", "APPD_RCREE"})
                l.fieldByName(S(r)).setCurrency(Currency());
            l.fieldByName(S("APPD_APLICADO"))
                .setCurrency(l.fieldByName(S("APPD_TIPODOC")).asInteger() == 21 ? M(monto)
                                                                                : -M(monto));
            EXPECT_TRUE(l.post()) << dialogs.lastError().toStdString();
        }
        EXPECT_TRUE(a.grabe()) << dialogs.lastError().toStdString();
        return id;
    }
    // A document of the transport supplier deferred in three instalments
    // (its second invoice unless another is named).
    qint64 un_credito(int tipo = 21, const QString& numero = S("000306")) {
        CausacionCredito c(*dm);
        qint64 id = 0;
        c.imprima = [&](qint64 i) { id = i; };
        EXPECT_TRUE(c.abra()) << dialogs.lastError().toStdString();
        c.reciba({kTransportes, QString::number(tipo), S("0000"), numero});
        c.cambie_cuotas(3);
        c.cambie_interes(M("0"));
        EXPECT_TRUE(c.grabe()) << dialogs.lastError().toStdString();
        return id;
    }
};

// The statements the search of each kind runs to annul and to delete.
struct Sentencias {
    QString tabla, columna, anulado, usuario;  // no user column: the search writes none
    QStringList anule(qint64 id) const {
        const QString quien = usuario.isEmpty() ? QString() : S(", %1 = 'ADMIN'").arg(usuario);
        return {S("update %1 set %2 = 'S'%3 where %4 = %5")
                    .arg(tabla, anulado, quien, columna)
                    .arg(id)};
    }
    QStringList borre(qint64 id) const {
        return {S("delete from %1 where %2 = %3").arg(tabla, columna).arg(id)};
    }
};

// A stored document and the statements its search runs on it.
struct Documento {
    int tipo = 0;
    qint64 id = 0;
    const Sentencias* sentencias = nullptr;
    QString previa;  // run first when annulling (an application's lines); %1: the id

    QStringList anule() const {
        QStringList v;
        if (!previa.isEmpty())
            v << previa.arg(id);
        return v << sentencias->anule(id);
    }
};

const Sentencias kCargos{S("notas_debito_proveedor"), S("ndpr_id"), S("NDPR_ANULADO"),
                         S("ndpr_usuario")};
const Sentencias kDescuentos{S("notas_credito_proveedor"), S("ncpr_id"), S("NCPR_ANULADO"),
                             S("ncpr_usuario")};
const Sentencias kEgresos{S("EGRESOS"), S("egre_id"), S("egre_anulado"), S("egre_usuario")};
const Sentencias kCreditos{S("credito_cxpagar"), S("crcx_id"), S("crcx_anulado"),
                           S("crcx_usuario")};
const Sentencias kAnticipos{S("anticipos_proveedor"), S("anpr_id"), S("ANPR_ANULADO"), {}};
const Sentencias kAplicaciones{S("aplicacion_provedor"), S("appr_id"), S("appr_anulado"),
                               S("appr_usuario")};

// What the application search annuls first.
const QString kLineas =
    S("update aplicacion_proveedor_detalle set appd_anulado = 'S' where appr_id = %1");

TEST_F(AnulacionTest, AnnullingAndThenDeletingGivesTheRegistryAndBothBooksBack) {
    const struct {
        const char* nombre;
        std::function<qint64()> cree;
        Documento doc;  // without its id
    } casos[] = {
        {"cargo", [this] { return un_cargo(kTransportes, "250000"); }, {51, 0, &kCargos}},
        {"cargo con centros de costo",
         [this] { return un_cargo_con_centros(); },
         {51, 0, &kCargos}},
        {"descuento", [this] { return un_descuento(0); }, {52, 0, &kDescuentos}},
        {"descuento de un cargo", [this] { return un_descuento(303); }, {52, 0, &kDescuentos}},
        {"egreso con cruce, caja y cheque", [this] { return un_egreso(); }, {62, 0, &kEgresos}},
        // The user answers that the cheque's number will be used again.
        {"egreso que libera su cheque",
         [this] { return un_egreso(); },
         {62, 0, &kEgresos, S("delete from cheques where cheq_tipoori = 62 and cheq_idori = %1")}},
        {"egreso de un anticipo", [this] { return un_anticipo(); }, {62, 0, &kEgresos}},
        {"aplicacion", [this] { return una_aplicacion(); }, {53, 0, &kAplicaciones, kLineas}},
        {"credito", [this] { return un_credito(); }, {57, 0, &kCreditos}},
    };
    // Withholdings taken as the debt is recorded, and left for the payment.
    for (const auto& k : casos)
        for (const char* retenciones : {"SI", "NO"}) {
            configure(S("DESCONTAR RETENCIONES POR CAUSACION"), S(retenciones));
            SCOPED_TRACE(k.nombre + std::string(", retenciones al causar: ") + retenciones);
            const Estado antes = estado();
            Documento d = k.doc;
            d.id = k.cree();
            const qint64 id = d.id;
            const int tipo = d.tipo;
            ASSERT_GT(id, 0) << dialogs.lastError().toStdString();
            const Estado creado = estado();
            ASSERT_NE(creado.posiciones, antes.posiciones) << "the document moved nothing";
            ASSERT_NE(creado.libro, antes.libro) << "the document was not posted";
            ASSERT_EQ(comprobantes_vivos(tipo, id), 1);

            const QString razon = S("Digitado dos veces: «%1»").arg(S(k.nombre));
            dialogs.clear();
            ASSERT_TRUE(anule_en_unidad(*dm, tipo, id, d.anule(), razon))
                << dialogs.lastError().toStdString();
            compare(antes, "anulado");
            EXPECT_EQ(comprobantes_vivos(tipo, id), 0);
            EXPECT_EQ(auditoria(tipo, id, "A"), QStringList{razon});
            EXPECT_EQ(razon_anulacion(*dm, tipo, id), razon + S(". Anulado por:ADMIN"));

            const QString borrado = S("Ya no hace falta guardarlo");
            ASSERT_TRUE(anule_en_unidad(*dm, tipo, id, d.sentencias->borre(id), borrado, S("D")))
                << dialogs.lastError().toStdString();
            compare(antes, "borrado");
            EXPECT_EQ(auditoria(tipo, id, "D"), QStringList{borrado});
            EXPECT_EQ(auditoria(tipo, id, "A"), QStringList{razon});
            EXPECT_EQ(filas(S("MOVIMIENTO_PROVEEDOR where MVPR_TIPOREF = %1 and MVPR_IDREF = %2")
                                .arg(tipo)
                                .arg(id)),
                      0);
            EXPECT_TRUE(dialogs.errors().isEmpty()) << dialogs.lastError().toStdString();
        }
}

// A document something live settles keeps its value until that goes: the
// refusal changes nothing and reads in Spanish; annulled in order, both
// leave everything as it was.
TEST_F(AnulacionTest, ADocumentSettledByALiveOneIsAnnulledOnlyAfterIt) {
    const QString kVigentes =
        S("El documento tiene pagos o aplicaciones vigentes. Anúlelos primero.");
    const auto numero = [this](qint64 cargo) {
        return texto(
            S("select NDPR_NUMERO from NOTAS_DEBITO_PROVEEDOR where NDPR_ID = %1").arg(cargo));
    };
    const struct {
        const char* nombre;
        std::function<std::pair<Documento, Documento>()> cree;  // the document, what settles it
        const char* al_borrar = nullptr;  // the refusals, when they are others
        const char* al_anular = nullptr;
    } casos[] = {
        {"cargo pagado por un egreso",
         [&] {
             const qint64 cargo = un_cargo(kPapeleria, "120000");
             Egreso& e = abra_egreso(kPapeleria);
             qint64 egreso = 0;
             e.imprima = [&](qint64 i) { egreso = i; };
             e.reciba_documento_cxp({51, cargo, S("0000"), numero(cargo), {}});
             grabe_por_banco(e);
             return std::pair{Documento{51, cargo, &kCargos}, Documento{62, egreso, &kEgresos}};
         }},
        {"cargo diferido en un credito",
         [&] {
             const qint64 cargo = un_cargo(kTransportes, "90000");
             return std::pair{Documento{51, cargo, &kCargos},
                              Documento{57, un_credito(51, numero(cargo)), &kCreditos}};
         }},
        {"descuento aplicado a una factura",
         [&] {
             const qint64 d = un_descuento(0);
             const QString n = texto(
                 S("select NCPR_NUMERO from NOTAS_CREDITO_PROVEEDOR where NCPR_ID = %1").arg(d));
             return std::pair{Documento{52, d, &kDescuentos},
                              Documento{53, una_aplicacion({52, d, S("0000"), n, {}}, "47600"),
                                        &kAplicaciones, kLineas}};
         }},
        {"anticipo de un egreso aplicado a una factura",
         [&] {
             DocumentoSeleccionado a;
             const qint64 egreso = un_anticipo(&a);
             return std::pair{Documento{62, egreso, &kEgresos},
                              Documento{53, una_aplicacion(a, "100000"), &kAplicaciones, kLineas}};
         },
         "El egreso pagó anticipos que siguen vigentes. Anule primero el egreso."},
        // The advance is annulled with its voucher, never on its own.
        {"anticipo pagado por un egreso",
         [&] {
             DocumentoSeleccionado a;
             const qint64 egreso = un_anticipo(&a);
             return std::pair{Documento{55, a.id, &kAnticipos}, Documento{62, egreso, &kEgresos}};
         },
         "El anticipo fue pagado por un egreso vigente. Anule primero el egreso.",
         "El anticipo fue pagado por un egreso vigente. Anule primero el egreso."},
    };
    for (const auto& k : casos) {
        SCOPED_TRACE(k.nombre);
        const Estado antes = estado();
        const auto [doc, abono] = k.cree();
        ASSERT_GT(doc.id, 0);
        ASSERT_GT(abono.id, 0) << dialogs.lastError().toStdString();
        const Estado saldado = estado();
        const int contabilizado = comprobantes_vivos(doc.tipo, doc.id);

        const std::pair<QStringList, const char*> intentos[] = {
            {doc.anule(), "A"}, {doc.sentencias->borre(doc.id), "D"}};
        for (const auto& [sentencias, oper] : intentos) {
            dialogs.clear();
            EXPECT_FALSE(anule_en_unidad(*dm, doc.tipo, doc.id, sentencias, S("No"), S(oper)));
            const char* otro = S(oper) == S("D") ? k.al_borrar : k.al_anular;
            EXPECT_EQ(dialogs.lastError(), otro ? S(otro) : kVigentes) << oper;
            compare(saldado, oper);
            EXPECT_EQ(comprobantes_vivos(doc.tipo, doc.id), contabilizado);
            EXPECT_EQ(auditoria(doc.tipo, doc.id, oper), QStringList());
        }

        ASSERT_TRUE(anule_en_unidad(*dm, abono.tipo, abono.id, abono.anule(), S("Primero este")))
            << dialogs.lastError().toStdString();
        ASSERT_TRUE(anule_en_unidad(*dm, doc.tipo, doc.id, doc.anule(), S("Luego este")))
            << dialogs.lastError().toStdString();
        compare(antes, "ambos anulados");
        EXPECT_EQ(auditoria(abono.tipo, abono.id, "A"), QStringList{S("Primero este")});
        EXPECT_EQ(auditoria(doc.tipo, doc.id, "A"), QStringList{S("Luego este")});
    }
}

}  // namespace
}  // namespace ledgrix::test
