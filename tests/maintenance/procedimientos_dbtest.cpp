// The installation's procedures against real ones: what each is called with,
// the module's list, packets and exact sums, failures told in Spanish
// leaving no rows, and the demo company's own procedure on its documents.
#include <gtest/gtest.h>

#include "core/data/client_dataset.h"
#include "core/data/dataset_model.h"
#include "maintenance/procedimientos/procedimientos_usuario.h"
#include "tests/maintenance/procedimientos_prueba.h"
#include "tests/support/documentos_fixture.h"

namespace ledgrix::test {
namespace {

class ProcedimientosTest : public DocumentosTest {
  protected:
    void SetUp() override {
        ModuleTest::SetUp();
        instale_procedimientos_prueba(*inst);
        conecte();
    }

    // The logic with the procedure of that name chosen and its boxes filled.
    std::unique_ptr<ProcedimientosUsuario> con(const QString& nombre,
                                               const QStringList& textos = {}) {
        auto p = std::make_unique<ProcedimientosUsuario>(*dm);
        for (int i = 0; i < p->procedimientos().size(); ++i)
            if (p->procedimientos()[i].nombre == nombre)
                p->escoja(i);
        EXPECT_TRUE(p->escogido() && p->escogido()->nombre == nombre) << nombre.toStdString();
        p->criterios().desde = QDate(2022, 9, 1);
        p->criterios().hasta = QDate(2022, 9, 30);
        for (int i = 0; i < textos.size(); ++i)
            p->criterios().textos[static_cast<size_t>(i)] = textos[i];
        return p;
    }

    static QStringList nombres(const ProcedimientosUsuario& p) {
        QStringList out;
        for (const ProcedimientoUsuario& x : p.procedimientos())
            out << x.nombre;
        return out;
    }

    static QString celda(const ProcedimientosUsuario& p, int fila, const QString& campo) {
        const Field& f = p.filas().fieldByName(campo);
        return DatasetModel::displayText(f, p.filas().valueAt(fila, f.index()));
    }
};

TEST_F(ProcedimientosTest, CallCarriesTheDatesAndTheBoxesWithCaptionsQuotesDoubled) {
    auto p = con(QStringLiteral("Eco"), {QStringLiteral("O'Brien"), QStringLiteral("no se envía"),
                                         QStringLiteral("tres ''comillas'")});
    EXPECT_EQ(p->rotulos()[0], QStringLiteral("Primero"));
    EXPECT_TRUE(p->rotulos()[1].isEmpty());
    EXPECT_EQ(ProcedimientosUsuario::llamada(*p->escogido(), p->criterios()),
              QStringLiteral("select * from PRUEBA_ECO('2022/09/01','2022/09/30','O''Brien',"
                             "'tres ''''comillas''')"));
    // The procedure takes four arguments: a fifth would be refused.
    QStringList avisos;
    ASSERT_TRUE(p->genere([&](const QString& t) { avisos << t; }))
        << dialogs.lastError().toStdString();
    EXPECT_EQ(avisos,
              QStringList{QStringLiteral("Ejecutando procedimiento. espere un momento ...")});
    ASSERT_EQ(p->filas().recordCount(), 1);
    EXPECT_EQ(celda(*p, 0, QStringLiteral("RECIBIDO")),
              QStringLiteral("2022-09-01|2022-09-30|O'Brien|tres ''comillas'"));
    EXPECT_TRUE(p->completo());
    EXPECT_TRUE(p->sumas().isEmpty());  // one text column: nothing to sum
}

TEST_F(ProcedimientosTest, ListShowsTheModulesOwnUnlessMaintenance) {
    const struct {
        QString modulo;
        QStringList esperados;
    } casos[] = {
        {QStringLiteral("C. X PAGAR"), {"Compras por proveedor", "Eco", "Filas", "Inexistente"}},
        {QStringLiteral("INVENTARIOS"), {"Existencias"}},
        {QStringLiteral("MANTENIMIENTO"),
         {"Compras por proveedor", "Eco", "Existencias", "Filas", "Inexistente"}},
        {QStringLiteral("NOMINA"), {}},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.modulo.toStdString());
        dm->ctx.modulo = c.modulo;
        ProcedimientosUsuario p(*dm);
        EXPECT_EQ(nombres(p), c.esperados);
        EXPECT_EQ(p.escogido() != nullptr, !c.esperados.isEmpty());
    }
    // Nothing to run: the user is told, nothing is attempted.
    ProcedimientosUsuario vacia(*dm);
    vacia.criterios().textos[0] = QStringLiteral("x");
    EXPECT_FALSE(vacia.genere({}));
    EXPECT_EQ(dialogs.lastError(), QStringLiteral("Escoja el procedimiento que desea ejecutar."));
}

TEST_F(ProcedimientosTest, BadInputIsToldAndTheRowsShownStay) {
    auto p = con(QStringLiteral("Filas"), {QStringLiteral("3"), QStringLiteral("0")});
    ASSERT_TRUE(p->genere({}));
    const struct {
        const char* caso;
        QString primero;
        QDate desde;
        QString segundo;
        QString mensaje;
    } casos[] = {
        {"first box empty", QString(), QDate(2022, 9, 1), QStringLiteral("0"),
         QStringLiteral("Debe indicar un parámetro al procedimiento.")},
        {"first box blank", QStringLiteral("   "), QDate(2022, 9, 1), QStringLiteral("0"),
         QStringLiteral("Debe indicar un parámetro al procedimiento.")},
        {"period backwards", QStringLiteral("3"), QDate(2022, 10, 1), QStringLiteral("0"),
         QStringLiteral("La fecha final del periodo es anterior a la fecha inicial.")},
        {"text the database cannot take", QStringLiteral("3"), QDate(2022, 9, 1),
         QStringLiteral("0\u20ac"),
         QStringLiteral("El parámetro «Falla en» tiene caracteres que la base de datos no puede "
                        "recibir. Cámbielos e intente de nuevo.")},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.caso);
        dialogs.clear();
        p->criterios().textos[0] = c.primero;
        p->criterios().textos[1] = c.segundo;
        p->criterios().desde = c.desde;
        bool avisado = false;
        EXPECT_FALSE(p->genere([&](const QString&) { avisado = true; }));
        EXPECT_FALSE(avisado);
        EXPECT_EQ(dialogs.errors(), QStringList{c.mensaje});
        EXPECT_EQ(p->filas().recordCount(), 3);
    }
}

TEST_F(ProcedimientosTest, DatabaseErrorsAreTranslatedAndLeaveNoRows) {
    // A procedure that is not in the database.
    auto falta = con(QStringLiteral("Inexistente"), {QStringLiteral("x")});
    EXPECT_FALSE(falta->genere({}));
    EXPECT_TRUE(dialogs.lastError().startsWith(QStringLiteral("Se presento el siguiente error: ")))
        << dialogs.lastError().toStdString();
    EXPECT_TRUE(dialogs.lastError().contains(QStringLiteral("NO_EXISTE")));
    EXPECT_FALSE(falta->filas().active());

    // Rejected arguments, after rows of an earlier run were shown.
    auto filas = con(QStringLiteral("Filas"), {QStringLiteral("5"), QStringLiteral("0")});
    ASSERT_TRUE(filas->genere({}));
    ASSERT_EQ(filas->filas().recordCount(), 5);
    dialogs.clear();
    filas->criterios().textos[0] = QStringLiteral("cinco");
    EXPECT_FALSE(filas->genere({}));
    EXPECT_EQ(dialogs.errors().size(), 1);
    EXPECT_EQ(filas->filas().recordCount(), 0);

    // The procedure's own refusal in the middle of the rows: its text alone,
    // and none of the rows already read stays.
    dialogs.clear();
    filas->criterios().textos = {QStringLiteral("2500"), QStringLiteral("1500")};
    ASSERT_TRUE(filas->genere({}));
    EXPECT_EQ(filas->filas().recordCount(), 1000);
    EXPECT_FALSE(filas->lea_paquete());
    EXPECT_EQ(dialogs.errors(),
              QStringList{QStringLiteral("El procedimiento se detuvo a mitad de camino.")});
    EXPECT_EQ(filas->filas().recordCount(), 0);
}

TEST_F(ProcedimientosTest, RowsArriveInPacketsAndSumsAreExact) {
    auto p = con(QStringLiteral("Filas"), {QStringLiteral("2500"), QStringLiteral("0")});
    ASSERT_TRUE(p->genere({}));
    // The first screen at once; the rest packet by packet.
    EXPECT_EQ(p->filas().recordCount(), 1000);
    EXPECT_FALSE(p->completo());
    EXPECT_TRUE(p->lea_paquete());
    EXPECT_EQ(p->filas().recordCount(), 2000);
    EXPECT_FALSE(p->lea_paquete());
    EXPECT_EQ(p->filas().recordCount(), 2500);
    EXPECT_TRUE(p->completo());

    // Integers and amounts show and sum as amounts; texts and dates do not.
    const ClientDataset& ds = p->filas();
    const int fila = ds.fieldByName(QStringLiteral("FILA")).index();
    const int valor = ds.fieldByName(QStringLiteral("VALOR")).index();
    EXPECT_EQ(celda(*p, 1233, QStringLiteral("FILA")), QStringLiteral("1.234,00"));
    EXPECT_EQ(celda(*p, 1233, QStringLiteral("VALOR")), QStringLiteral("9.999.999.999,99"));
    const QHash<int, Currency> s = p->sumas();
    EXPECT_EQ(s.keys().size(), 2);
    EXPECT_EQ(s.value(fila), Currency::fromInt(2500 * 2501 / 2));
    // 1250 x 9,999,999,999.99 + 1250 x 0.01, to the cent.
    EXPECT_EQ(s.value(valor), Currency::fromInt(12500000000000LL));
    EXPECT_EQ(ProcedimientosUsuario::texto_suma(s.value(valor)),
              QStringLiteral("12.500.000.000.000,00"));
    // Over the rows a filter leaves: the first four.
    EXPECT_EQ(p->sumas({0, 1, 2, 3}).value(valor), Currency::fromInt(20000000000LL));

    // A procedure answering nothing: no rows, zero sums, finished.
    p->criterios().textos[0] = QStringLiteral("0");
    ASSERT_TRUE(p->genere({}));
    EXPECT_EQ(p->filas().recordCount(), 0);
    EXPECT_TRUE(p->completo());
    EXPECT_EQ(p->sumas().value(valor), Currency());
}

TEST_F(ProcedimientosTest, DemoPurchasesBySupplierOnTheDemoDocuments) {
    const QDate d(2022, 9, 10);
    factura(901, QStringLiteral("000901"), kTransportes, d, QStringLiteral("1000.00"),
            QStringLiteral("190.00"));
    factura(902, QStringLiteral("000902"), kPapeleria, d, QStringLiteral("500.00"));
    // Out of the period: left out.
    factura(903, QStringLiteral("000903"), kPapeleria, QDate(2022, 8, 31), QStringLiteral("70.00"));
    cargo(1, QStringLiteral("000001"), kTransportes, d, QStringLiteral("200.00"),
          QStringLiteral("38.00"));
    descuento(1, QStringLiteral("000001"), kTransportes, d, QStringLiteral("50.00"));
    egreso(1, QStringLiteral("000001"), kTransportes, d.addDays(5));
    pago(1, 1, 21, 901, QStringLiteral("300.00"));

    const struct {
        QString nit;
        QStringList filas;  // NIT|COMPRAS|CARGOS|DESCUENTOS|PAGOS|SALDO
    } casos[] = {
        {QStringLiteral("*"),
         {"860045678|500,00|0,00|0,00|0,00|570,00",
          "900123456|1.190,00|238,00|50,00|300,00|1.078,00"}},
        {kTransportes, {"900123456|1.190,00|238,00|50,00|300,00|1.078,00"}},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.nit.toStdString());
        auto p = con(QStringLiteral("Compras por proveedor"), {c.nit});
        ASSERT_TRUE(p->genere({})) << dialogs.lastError().toStdString();
        QStringList filas;
        for (int f = 0; f < p->filas().recordCount(); ++f) {
            QStringList cols;
            for (const char* campo : {"NIT", "COMPRAS", "CARGOS", "DESCUENTOS", "PAGOS", "SALDO"})
                cols << celda(*p, f, QString::fromLatin1(campo));
            filas << cols.join(u'|');
        }
        filas.sort();
        EXPECT_EQ(filas, c.filas);
    }
}

}  // namespace
}  // namespace ledgrix::test
