#include <gtest/gtest.h>

#include <QList>

#include "core/data/client_dataset.h"
#include "core/data/field.h"
#include "core/validaciones/anulacion.h"
#include "payables/busquedas/busqueda_notas.h"
#include "payables/cargos/cargo.h"
#include "tests/payables/cargo_fixture.h"

namespace ledgrix::test {
namespace {

using Clase = BusquedaNotas::Clase;
using Variante = BusquedaNotas::Variante;

const QDate kHoy(2022, 9, 21);
const QString kAcceso =
    QStringLiteral("Acceso no permitido. comuníquese con el administrador del sistema.");

QString S(const char* s) {
    return QString::fromUtf8(s);
}

class BusquedaNotasTest : public DocumentosTest {
  protected:
    void SetUp() override {
        DocumentosTest::SetUp();
        dm->ctx.es_administrador = true;
        for (const char* p : {"AG1", "AG2"})
            for (int tipo : {51, 52})
                run(S("insert into PREFIJOS (TIDO_COD, PREF_PRE, PREF_ACTUAL, PREF_AUTO, "
                      "PREF_IVAINC, PREF_ACTIVO, PREF_USUARIO, SUCU_ID) values (%1, '%2', "
                      "'000001', 'S', 'N', 'S', 'x', %3)")
                        .arg(tipo)
                        .arg(QLatin1String(p))
                        .arg(p[2] - '0'));
    }
    static QString tabla(Clase c) {
        return c == Clase::Cargo ? S("NOTAS_DEBITO_PROVEEDOR") : S("NOTAS_CREDITO_PROVEEDOR");
    }
    static QString p(Clase c) { return c == Clase::Cargo ? S("NDPR_") : S("NCPR_"); }
    // A stored charge or discount as another station left it.
    void nota(Clase c, int id, const char* numero, int dias_atras, const char* concepto,
              const QString& nit = kTransportes, const char* prefijo = "0000") {
        const QDate d = kHoy.addDays(-dias_atras);
        if (c == Clase::Cargo)
            cargo(id, S(numero), nit, d, S("1000"), S("190"));
        else
            descuento(id, S(numero), nit, d, S("1000"));
        run(S("update %1 set %2CONC = %3, PREF_PRE = '%4' where %2ID = %5")
                .arg(tabla(c), p(c), sql::quoted(S(concepto)), QLatin1String(prefijo))
                .arg(id));
    }
    QString columna(Clase c, const char* campo, int id) const {
        return texto(S("select %1%2 from %3 where %1ID = %4")
                         .arg(p(c), QLatin1String(campo), tabla(c))
                         .arg(id));
    }
    static QList<qint64> ids(BusquedaNotas& b) {
        QList<qint64> r;
        ClientDataset& f = b.filas();
        f.fetchAll();
        for (f.first(); !f.eof(); f.next())
            r << b.actual();
        return r;
    }
    // The search with the cursor on the document numbered `numero`.
    std::unique_ptr<BusquedaNotas> en(Clase c, const char* numero,
                                      Variante v = Variante::Documento) {
        auto b = std::make_unique<BusquedaNotas>(*dm, c, v);
        EXPECT_TRUE(b->busque(3, S(numero), false));
        EXPECT_EQ(b->numero(), S(numero));
        return b;
    }
    QString razon(int tipo, qint64 id, const char* oper) const {
        return texto(S("select AUDI_RAZON from AUDITORIA where TIDO_COD = %1 and AUDI_IDDOC = %2 "
                       "and AUDI_OPER = '%3'")
                         .arg(tipo)
                         .arg(id)
                         .arg(QLatin1String(oper)));
    }
};

TEST_F(BusquedaNotasTest, ListsByTheColumnChosenWithTheTextAsTextAndTheAgencysSeriesOnly) {
    struct Caso {
        const char* nombre;
        int agencia, columna;
        const char* texto;
        bool contiene;
        QList<qint64> esperados;
    };
    const Caso casos[] = {
        {"number from 000100, in number order", 0, 3, "000100", false, {12, 13, 14, 15}},
        {"by date, newest first", 0, 2, "", false, {15, 13, 12, 14, 11}},
        {"concept anywhere", 0, 0, "abril", true, {13}},
        {"concept from", 0, 0, "abril", false, {12, 14, 13, 11, 15}},
        {"quotes and wildcards are text", 0, 0, "50% O'Bri", true, {12}},
        {"an injection finds nothing", 0, 1, "x' or '1'='1", true, {}},
        {"the agency's own series", 1, 2, "", false, {14}},
        {"supplier within the agency", 1, 1, "papel", true, {14}},
    };
    for (Clase c : {Clase::Cargo, Clase::Descuento}) {
        run(S("delete from ") + tabla(c));
        nota(c, 11, "000099", 3, "Fletes marzo");
        nota(c, 12, "000100", 1, "Ajuste 50% O'Brien", kPapeleria);
        nota(c, 13, "000101", 0, "Fletes abril");
        nota(c, 14, "000250", 2, "Devolución", kPapeleria, "AG1");
        nota(c, 15, "000300", 0, "Otra sede", kPapeleria, "AG2");
        for (Variante v : {Variante::Documento, Variante::Menu}) {
            BusquedaNotas b(*dm, c, v);
            for (const Caso& k : casos) {
                SCOPED_TRACE(QStringLiteral("%1 %2 %3")
                                 .arg(int(c))
                                 .arg(int(v))
                                 .arg(QLatin1String(k.nombre))
                                 .toStdString());
                dm->ctx.agencia = k.agencia;
                ASSERT_TRUE(b.busque(k.columna, S(k.texto), k.contiene))
                    << dialogs.lastError().toStdString();
                EXPECT_EQ(ids(b), k.esperados) << b.sentencia().toStdString();
            }
            dm->ctx.agencia = 0;
        }
    }
    // The menu's charge list adds the extra value to its total.
    run(S("update NOTAS_DEBITO_PROVEEDOR set NDPR_EXTRA = 10 where NDPR_ID = 12"));
    auto b = en(Clase::Cargo, "000100", Variante::Menu);
    EXPECT_EQ(b->filas().fieldByName(S("TOTAL")).asCurrency(), M("1200"));
    EXPECT_TRUE(dialogs.errors().isEmpty()) << dialogs.lastError().toStdString();
}

TEST_F(BusquedaNotasTest, AnnulledWithItsReasonAndVoucherThenDeletedOnlyByTheAdministrator) {
    configure(S("ESTABLECER CONTROL DEL PORQUE SE ANULAN LOS DOCUMENTOS"), S("SI"));
    Cargo c(*dm);
    ASSERT_TRUE(c.abra());
    c.cambie_nit(kTransportes);
    c.cambie_numprov(S("FE-1"));
    c.cambie_monto(M("100000"));
    qint64 id = 0;
    c.imprima = [&](qint64 guardado) { id = guardado; };
    ASSERT_TRUE(c.grabe()) << dialogs.lastError().toStdString();
    ASSERT_GT(id, 0);
    const QString vivos = S("COMPROBANTE_ENCABEZADO where ENCO_TIPOREF = 51 and ENCO_IDREF = %1 "
                            "and ENCO_ANULADO = 'N'")
                              .arg(id);
    ASSERT_EQ(filas(vivos), 1);
    ASSERT_NE(guardado(51, int(id)), S("0.00"));

    auto b = en(Clase::Cargo, "000001");
    ASSERT_EQ(b->actual(), id);
    EXPECT_FALSE(b->anule(S("  ")));
    EXPECT_EQ(dialogs.lastError(), S("Debera ingresar una razon por la cual esta anulando/"
                                     "eliminando el documento. Intentelo de nuevo."));
    EXPECT_EQ(columna(Clase::Cargo, "ANULADO", int(id)), S("N"));

    dm->ctx.usuario = S("AUXILIAR");
    run(
        S("update ACCESO_USUARIO set ACUS_SI = 'S' where USER_COD = 'AUXILIAR' and "
          "ACUS_OPCION = 12"));
    dm->ctx.es_administrador = false;
    dialogs.expectQuestion(S("Esta seguro de anular la Nota Debito No 000001?"), true);
    ASSERT_TRUE(b->anule(S("Duplicado"))) << dialogs.lastError().toStdString();
    EXPECT_EQ(columna(Clase::Cargo, "ANULADO", int(id)) + columna(Clase::Cargo, "USUARIO", int(id)),
              S("SAUXILIAR"));
    EXPECT_EQ(guardado(51, int(id)), S("0.00"));
    EXPECT_EQ(filas(vivos), 0);
    EXPECT_TRUE(razon_anulacion(*dm, 51, id).contains(S("Duplicado")))
        << razon_anulacion(*dm, 51, id).toStdString();

    // Annulled: only an administrator goes further, and only to delete it.
    b = en(Clase::Cargo, "000001");
    EXPECT_FALSE(b->anule(S("Otra vez")));
    EXPECT_EQ(filas(S("NOTAS_DEBITO_PROVEEDOR")), 1);
    dm->ctx.es_administrador = true;
    dialogs.expectQuestion(S("Esta seguro de eliminar completamente el cargo 0000000001?"), true);
    ASSERT_TRUE(b->anule(S("Sobraba"))) << dialogs.lastError().toStdString();
    EXPECT_EQ(filas(S("NOTAS_DEBITO_PROVEEDOR")), 0);
    EXPECT_EQ(razon(51, id, "D"), S("Sobraba"));
    EXPECT_EQ(razon(51, id, "A"), S("Duplicado"));
    EXPECT_EQ(filas(S("CHEQUEO_SALDOS_DOC_CXPAGAR('', 'ZZZZZZZZZZZZZZZZZZZZ')")), 0);
    EXPECT_TRUE(dialogs.allAnswered());
}

TEST_F(BusquedaNotasTest, RefusalsLeaveTheDocumentAsItWas) {
    nota(Clase::Cargo, 21, "000021", 0, "Fletes");
    nota(Clase::Descuento, 22, "000022", 0, "Rebaja");
    nota(Clase::Cargo, 23, "000023", 0, "Pagado");
    egreso(31, S("000031"), kTransportes, kHoy);
    pago(31, 1, 51, 23, S("500"));
    struct Caso {
        const char* nombre;
        Clase clase;
        int id;
        const char* numero;
        const char* usuario;
        const char* referencia;  // electronic reference stored
        const char* pregunta;    // asked before the database refuses
        const char* mensaje;     // contained in the message shown
    };
    const Caso casos[] = {
        {"charge sent", Clase::Cargo, 21, "000021", "ADMIN", "CUDS-1", nullptr,
         "No puede anular un documento soporte electrónico."},
        {"discount sent", Clase::Descuento, 22, "000022", "ADMIN", "CUDE-2", nullptr,
         "No puede anular una nota a un documento soporte electrónico."},
        {"charge, no access", Clase::Cargo, 21, "000021", "AUXILIAR", "", nullptr,
         "Acceso no permitido. comuníquese con el administrador del sistema."},
        {"discount, no access", Clase::Descuento, 22, "000022", "AUXILIAR", "", nullptr,
         "Acceso no permitido. comuníquese con el administrador del sistema."},
        {"charge paid by a voucher", Clase::Cargo, 23, "000023", "ADMIN", "",
         "Esta seguro de anular la Nota Debito No 000023?", "Anúlelos primero"},
    };
    for (const Caso& k : casos) {
        SCOPED_TRACE(k.nombre);
        dialogs.clear();
        dm->ctx.usuario = S(k.usuario);
        dm->ctx.es_administrador = dm->ctx.usuario == S("ADMIN");
        const QString campo = k.clase == Clase::Cargo ? S("NRONDE") : S("NRONCE");
        run(S("update %1 set %2%3 = %4 where %2ID = %5")
                .arg(tabla(k.clase), p(k.clase), campo,
                     *k.referencia ? sql::quoted(S(k.referencia)) : S("null"))
                .arg(k.id));
        const QString saldo = guardado(k.clase == Clase::Cargo ? 51 : 52, k.id);
        // The menu's discount list does not show the reference; it is read anyway.
        auto b = en(k.clase, k.numero, Variante::Menu);
        if (k.pregunta)
            dialogs.expectQuestion(S(k.pregunta), true);
        EXPECT_FALSE(b->anule(S("Motivo")));
        EXPECT_TRUE(dialogs.lastError().contains(S(k.mensaje)))
            << dialogs.lastError().toStdString();
        EXPECT_TRUE(dialogs.allAnswered());
        EXPECT_EQ(columna(k.clase, "ANULADO", k.id), S("N"));
        EXPECT_EQ(guardado(k.clase == Clase::Cargo ? 51 : 52, k.id), saldo);
        EXPECT_EQ(filas(S("AUDITORIA where AUDI_OPER = 'A'")), 0);
    }
}

}  // namespace
}  // namespace ledgrix::test
