#include <gtest/gtest.h>

#include "core/data/client_dataset.h"
#include "core/data/provider.h"
#include "core/numeracion/numeracion.h"
#include "core/services/paths.h"
#include "tests/support/module_fixture.h"

using namespace ledgrix;

namespace {

// One workstation entering a charge in series 0000 of the shared database.
struct Estacion {
    Estacion(const QString& ubicacion, const Clock& clock) : dm(dialogs, clock) {
        EXPECT_TRUE(dm.conecte_compania(paths::companyDatabase(ubicacion, QStringLiteral("001")),
                                        QStringLiteral("ADMIN"), QStringLiteral("admin")))
            << dialogs.lastError().toStdString();
        dm.cargue_configuracion();
        auto* p = new Provider(&ventana, QStringLiteral("PNotas_debito_proveedor"));
        p->setConnectionName(dm.Ledgrix());
        p->setQueryName(QStringLiteral("QNotas_debito_proveedor"));
        p->setCommandText(QStringLiteral("select * from NOTAS_DEBITO_PROVEEDOR where NDPR_ID = -1"));
        nota = new ClientDataset(&ventana, QStringLiteral("CNotas"));
        nota->setProvider(p);
        dm.ConfigurarProviders(&ventana);
        EXPECT_TRUE(nota->open());
    }
    // Prepares a new charge with the number the series proposes.
    QString prepare() {
        propuesto = dm.sql()
                        .scalar(QStringLiteral("select PREF_ACTUAL from PREFIJOS where TIDO_COD = 51 and PREF_PRE = '0000'"))
                        .toString();
        EXPECT_TRUE(nota->append());
        f("NDPR_ID").setValue(dm.sql().scalar(QStringLiteral("select ID from CAMBIE_ID_NOTADBPROV")));
        f("TIDO_COD").setValue(51);
        f("PREF_PRE").setValue(QStringLiteral("0000"));
        f("NDPR_FECHA").setValue(QDate(2022, 9, 21));
        f("TERC_NIT").setValue(QStringLiteral("900123456"));
        f("NDPR_ANULADO").setValue(QStringLiteral("N"));
        f("NDPR_NUMERO").setValue(propuesto);
        return propuesto;
    }
    bool valide() { return valide_numero(dm, 51, QStringLiteral("0000"), propuesto, f("NDPR_NUMERO")); }
    bool grabe() { return nota->post() && nota->applyUpdates(0) == 0; }
    Field& f(const char* n) { return nota->fieldByName(QString::fromLatin1(n)); }

    test::ScriptedDialogs dialogs;
    Tfdm dm;
    QObject ventana;
    ClientDataset* nota = nullptr;
    QString propuesto;
};

using DosEstacionesTest = test::ModuleTest;

}  // namespace

TEST_F(DosEstacionesTest, TheSecondStationMovesToTheNextFreeNumberAndNoNumberIsStoredTwice) {
    const QString servidor = QStringLiteral("127.0.0.1:") + inst->location();
    Estacion a(servidor, clock), b(servidor, clock);

    // Both are handed the same proposed number.
    ASSERT_EQ(a.prepare(), b.prepare());
    const QString numero = a.propuesto;

    // A stores first; B validates its number afterwards and is moved on.
    ASSERT_TRUE(a.valide());
    ASSERT_TRUE(a.grabe()) << a.dialogs.lastError().toStdString();
    ASSERT_TRUE(b.valide());
    EXPECT_NE(b.f("NDPR_NUMERO").asString(), numero);
    EXPECT_TRUE(b.dialogs.shown.empty()) << "moved without a question";
    ASSERT_TRUE(b.grabe()) << b.dialogs.lastError().toStdString();

    // Both validate before either stores: the database is the last guard.
    a.prepare();
    b.prepare();
    ASSERT_EQ(a.propuesto, b.propuesto);
    ASSERT_TRUE(a.valide());
    ASSERT_TRUE(b.valide());
    ASSERT_TRUE(a.grabe());
    EXPECT_FALSE(b.grabe());
    EXPECT_EQ(b.dialogs.lastError(), QStringLiteral("Ya existe el registro en la tabla Notas_debito_proveedor"));
    EXPECT_EQ(b.nota->changeCount(), 1) << "the charge stays in the window";
    // Validating again (the number field puts the record back in edit) moves it on, and it is stored.
    ASSERT_TRUE(b.nota->edit());
    ASSERT_TRUE(b.valide());
    EXPECT_TRUE(b.grabe()) << b.dialogs.lastError().toStdString();

    EXPECT_EQ(a.dm.sql().scalar(QStringLiteral("select count(*) - count(distinct NDPR_NUMERO) from "
                                               "NOTAS_DEBITO_PROVEEDOR where PREF_PRE = '0000'")).toInt(), 0);
    EXPECT_EQ(a.dm.sql().scalar(QStringLiteral("select count(*) from NOTAS_DEBITO_PROVEEDOR")).toInt(), 4);
}
