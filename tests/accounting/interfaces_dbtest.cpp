#include <gtest/gtest.h>

#include "accounting/interfaces/edicion_interfaz.h"
#include "accounting/interfaces/interfaces.h"
#include "accounting/interfaces/lista_interfaces.h"
#include "core/data/client_dataset.h"
#include "tests/support/module_fixture.h"

using namespace ledgrix;
using Libro = EdicionInterfaz::Libro;

namespace {

// Concepts by position in EdicionInterfaz::conceptos().
constexpr int kBase = 0;
constexpr int kRtfte = 2;

class InterfacesTest : public ledgrix::test::ModuleTest {
  protected:
    void SetUp() override {
        ModuleTest::SetUp();
        conecte(QStringLiteral("ADMIN"));
        // Series of their own, so that the demo's interfaces do not count.
        for (const char* pre : {"0100", "0200"})
            ejecute(QStringLiteral("insert into PREFIJOS (TIDO_COD, PREF_PRE, PREF_ACTUAL) values "
                                   "(51, '%1', '000001')")
                        .arg(QLatin1String(pre)));
        ejecute(
            QStringLiteral("insert into PREFIJOS (TIDO_COD, PREF_PRE, PREF_ACTUAL) values (62, "
                           "'0100', '000001')"));
        ejecute(QStringLiteral(
            "update or insert into PREFIJOS_CONTA (TICO_COD, PRCO_PREF) values ('CXP', '0009') "
            "matching (TICO_COD, PRCO_PREF)"));
    }
    void ejecute(const QString& sql) { ASSERT_TRUE(dm->sql().execute(sql)) << sql.toStdString(); }
    void interfaz(int id, const QString& prefijo, const QString& nombre) {
        ejecute(
            QStringLiteral(
                "insert into INTERFAZ_CXPAGAR (INCP_ID, TIDO_COD, PREF_PRE, TICO_COD, PRCO_PRE, "
                "INCP_NOMBRE, INCP_BASE, INCP_CTABASE, INCP_RTCREE, INCP_CTARTCREE, INCP_EXTRA, "
                "INCP_CONFIRMAR, INCP_USUARIO) values (%1, 51, '%2', 'CXP', '0009', '%3', 'K', "
                "'51359501', 'K', '23657501', 'N', 'S', 'OTRO')")
                .arg(id)
                .arg(prefijo, nombre));
    }
};

TEST_F(InterfacesTest, ChoosingAnInterfaceByTypeAndPrefix) {
    Interfaces interfaces(*dm);
    // None: told, with or without asking.
    EXPECT_EQ(interfaces.abre_interfaz(51, QStringLiteral("0100"), true), 0);
    EXPECT_EQ(interfaces.abre_interfaz(51, QStringLiteral("0100"), false), 0);
    EXPECT_EQ(dialogs.texts(QStringLiteral("information")),
              QStringList(2, Interfaces::kSinInterfaz));
    dialogs.clear();

    // One: taken without a dialog; without asking only checked.
    interfaz(9001, QStringLiteral("0100"), QStringLiteral("Cargos"));
    EXPECT_EQ(interfaces.abre_interfaz(51, QStringLiteral("0100"), true), 9001);
    EXPECT_EQ(interfaces.abre_interfaz(51, QStringLiteral("0100"), false), 0);
    EXPECT_EQ(interfaces.abre_interfaz(52, QStringLiteral("0100"), true), 0);  // another document
    dialogs.clear();

    // Two: the chooser's row, or 0 when it is cancelled.
    interfaz(9002, QStringLiteral("0100"), QStringLiteral("Cargos con IVA"));
    dialogs.expectModal(QStringLiteral("Tfpreginterfaz"), 9002);
    EXPECT_EQ(interfaces.abre_interfaz(51, QStringLiteral("0100"), true), 9002);
    dialogs.expectModal(QStringLiteral("Tfpreginterfaz"), 0);
    EXPECT_EQ(interfaces.abre_interfaz(51, QStringLiteral("0100"), true), 0);
    EXPECT_EQ(interfaces.abre_interfaz(51, QStringLiteral("0100"), false), 0);
    EXPECT_TRUE(dialogs.allAnswered());
    EXPECT_TRUE(dialogs.texts(QStringLiteral("information")).isEmpty());

    // Cash documents read their own table.
    EXPECT_EQ(interfaces.abre_interfaz_caja(62, QStringLiteral("0100"), true), 0);
    ejecute(
        QStringLiteral("insert into INTERFAZ_CAJA (INCJ_ID, TIDO_COD, PREF_PRE, INCJ_NOMBRE) "
                       "values (9005, 62, '0100', 'Egresos')"));
    EXPECT_EQ(interfaces.abre_interfaz_caja(62, QStringLiteral("0100"), true), 9005);
    EXPECT_EQ(dialogs.errors(), QStringList());
}

TEST_F(InterfacesTest, CopyToAnotherPrefixCarriesConceptsAndLinesButNoNiif) {
    interfaz(9001, QStringLiteral("0100"), QStringLiteral("Cargos"));
    ejecute(
        QStringLiteral("update INTERFAZ_CXPAGAR set INCP_ANTI = 'K', INCP_CTAANTI = '13300501' "
                       "where INCP_ID = 9001"));
    ejecute(QStringLiteral(
        "insert into INTERFAZ_CXPAGAR_NIIF (INCP_ID, INCP_BASE) values (9001, 'K')"));
    ejecute(QStringLiteral(
        "insert into INTERFAZ_CXPAGAR_CTAS values (9001, 1, '24081001', 'IVA', 0, 19, 'S')"));
    ejecute(QStringLiteral(
        "insert into INTERFAZ_CXPAGAR_CTAS values (9001, 2, '53050501', 'BASE', 1500.25, 0, 'N')"));
    ListaInterfaces lista(*dm);
    ASSERT_TRUE(lista.interfaces().locate(QStringLiteral("INCP_ID"), {9001}));
    EXPECT_TRUE(lista.prefijos_copia().contains(QStringLiteral("0200")));

    const int nueva = lista.copie(QStringLiteral("0200"));
    ASSERT_GT(nueva, 0);
    EXPECT_NE(nueva, 9001);
    const QString fila = QStringLiteral(
        "select TIDO_COD || PREF_PRE || TICO_COD || PRCO_PRE || INCP_NOMBRE || INCP_BASE || "
        "INCP_CTABASE || "
        "INCP_RTCREE || INCP_CTARTCREE || INCP_ANTI || INCP_CTAANTI || INCP_CONFIRMAR || '/' || "
        "INCP_USUARIO from INTERFAZ_CXPAGAR where INCP_ID = ");
    EXPECT_EQ(texto(fila + QString::number(nueva)),
              QStringLiteral("510200CXP0009CargosK51359501K23657501K13300501S/ADMIN"));
    EXPECT_TRUE(
        dm->sql()
            .scalar(QStringLiteral("select INCP_EXTRA from INTERFAZ_CXPAGAR where INCP_ID = ") +
                    QString::number(nueva))
            .isNull());
    const QString lineas = QStringLiteral(
        "select list(INPC_ITEM || INPC_CUENTA || INPC_BASE || INPC_VALOR || INPC_PORC || INPC_DB, "
        "';') from "
        "(select * from INTERFAZ_CXPAGAR_CTAS where INCP_ID = %1 order by INPC_ITEM)");
    EXPECT_EQ(texto(lineas.arg(nueva)), texto(lineas.arg(9001)));
    EXPECT_EQ(
        filas(QStringLiteral("INTERFAZ_CXPAGAR_CTAS where INCP_ID = ") + QString::number(nueva)),
        2);
    EXPECT_EQ(
        filas(QStringLiteral("INTERFAZ_CXPAGAR_NIIF where INCP_ID = ") + QString::number(nueva)),
        0);
    // The list shows the copy.
    EXPECT_TRUE(lista.interfaces().locate(QStringLiteral("INCP_ID"), {nueva}));
    EXPECT_EQ(lista.copie(QString()), 0);
}

TEST_F(InterfacesTest, NewInterfaceDefaultsSourcesAndAccounts) {
    EdicionInterfaz e(*dm, EdicionInterfaz::Modo::Nueva);
    ASSERT_TRUE(e.abierta());
    const ClientDataset& cab = e.interfaz();
    const auto campo = [](const ClientDataset& ds, const char* nombre) {
        return ds.fieldByName(QString::fromLatin1(nombre)).asString();
    };
    EXPECT_EQ(cab.fieldByName(QStringLiteral("INCP_ID")).asInteger(), 0);
    EXPECT_EQ(cab.fieldByName(QStringLiteral("TIDO_COD")).asInteger(), 51);
    QString fuentes;
    for (const auto& c : EdicionInterfaz::conceptos())
        fuentes += cab.fieldByName(c.fuente).asString() + u'.';
    EXPECT_EQ(fuentes, QStringLiteral("K.K.T.T.T.T..."));  // CREE and the extra value start empty
    EXPECT_EQ(campo(cab, "INCP_CONFIRMAR"), QStringLiteral("N"));
    EXPECT_FALSE(e.cuenta_habilitada(Libro::Local, kRtfte));

    // The NIIF row appears on entering its page, every source "N".
    EXPECT_TRUE(e.niif().isEmpty());
    ASSERT_TRUE(e.entre_niif());
    ASSERT_TRUE(e.entre_niif());
    EXPECT_EQ(e.niif().recordCount(), 1);
    QString niif;
    for (const auto& c : EdicionInterfaz::conceptos())
        niif += e.niif().fieldByName(c.fuente).asString();
    EXPECT_EQ(niif, QStringLiteral("NNNNNNN"));

    // A fixed account needs source "K"; leaving "K" empties it.
    ASSERT_TRUE(e.asigne_fuente(Libro::Local, kRtfte, QStringLiteral("K")));
    e.asigne_cuenta(Libro::Local, kRtfte, QStringLiteral("23654001"));
    EXPECT_EQ(campo(cab, "INCP_CTARTFTE"), QStringLiteral("23654001"));
    ASSERT_TRUE(e.asigne_fuente(Libro::Local, kRtfte, QStringLiteral("T")));
    EXPECT_TRUE(campo(cab, "INCP_CTARTFTE").isEmpty());
    e.asigne_cuenta(Libro::Local, kRtfte, QStringLiteral("23654001"));
    EXPECT_TRUE(campo(cab, "INCP_CTARTFTE").isEmpty());

    // An account the chart refuses is emptied after the reason.
    e.asigne_cuenta(Libro::Local, kBase, QStringLiteral("513"));
    EXPECT_TRUE(campo(cab, "INCP_CTABASE").isEmpty());
    EXPECT_EQ(
        dialogs.errors(),
        QStringList{QStringLiteral("El código de cuenta está incompleto o demasiado largo.")});

    // "?" searches the chart: the line confirmed, or nothing on cancel.
    dialogs.expectModal(QStringLiteral("Tfbusccuentas"), 1);
    e.asigne_cuenta(Libro::Local, kBase, QStringLiteral("?5135"));
    const QString elegida = campo(cab, "INCP_CTABASE");
    EXPECT_TRUE(elegida.startsWith(QStringLiteral("5135"))) << elegida.toStdString();
    dialogs.expectModal(QStringLiteral("Tfbusccuentas"), 0);
    e.asigne_cuenta(Libro::Local, kBase, QStringLiteral("?5135"));
    EXPECT_EQ(campo(cab, "INCP_CTABASE"), elegida);
    EXPECT_TRUE(dialogs.allAnswered());

    // Lines start on the debit side and number themselves.
    ASSERT_TRUE(e.agregue_linea());
    ASSERT_TRUE(e.agregue_linea());
    EXPECT_EQ(campo(e.cuentas(), "INPC_DB") + campo(e.cuentas(), "INPC_ITEM"),
              QStringLiteral("S2"));

    // Without a prefix nothing is written and the user is told.
    dialogs.clear();
    EXPECT_FALSE(e.grabe());
    EXPECT_EQ(dialogs.errors().size(), 1) << dialogs.errors().join('\n').toStdString();
    EXPECT_EQ(filas(QStringLiteral("INTERFAZ_CXPAGAR where INCP_ID > 9000 or PREF_PRE = '0100'")),
              0);
}

class GrabacionTest : public InterfacesTest {
  protected:
    // A complete new interface on series 0100 with a NIIF row and two lines.
    void llene(EdicionInterfaz& e) {
        e.asigne(QStringLiteral("PREF_PRE"), QStringLiteral("0100"));
        e.asigne(QStringLiteral("TICO_COD"), QStringLiteral("CXP"));
        e.asigne(QStringLiteral("PRCO_PRE"), QStringLiteral("0009"));
        e.asigne(QStringLiteral("INCP_NOMBRE"), QStringLiteral("Nueva"));
        ASSERT_TRUE(e.asigne_fuente(Libro::Niif, kBase, QStringLiteral("T")));
        for (const char* cuenta : {"24081001", "53050501"}) {
            ASSERT_TRUE(e.agregue_linea());
            e.cuentas()
                .fieldByName(QStringLiteral("INPC_CUENTA"))
                .setValue(QString::fromLatin1(cuenta));
        }
    }
    int grabadas() { return filas(QStringLiteral("INTERFAZ_CXPAGAR where INCP_NOMBRE = 'Nueva'")); }
};

TEST_F(GrabacionTest, SaveWritesHeaderNiifAndLinesTogether) {
    EdicionInterfaz e(*dm, EdicionInterfaz::Modo::Nueva);
    llene(e);
    ASSERT_TRUE(e.grabe()) << dialogs.lastError().toStdString();
    const QString id =
        QString::number(e.interfaz().fieldByName(QStringLiteral("INCP_ID")).asInteger());
    EXPECT_NE(id, QStringLiteral("0"));
    EXPECT_EQ(texto(QStringLiteral(
                        "select PREF_PRE || INCP_NOMBRE from INTERFAZ_CXPAGAR where INCP_ID = ") +
                    id),
              QStringLiteral("0100Nueva"));
    EXPECT_EQ(
        texto(QStringLiteral(
                  "select INCP_BASE || INCP_PROV from INTERFAZ_CXPAGAR_NIIF where INCP_ID = ") +
              id),
        QStringLiteral("TN"));
    EXPECT_EQ(
        texto(QStringLiteral(
                  "select list(INPC_ITEM || INPC_DB || INPC_CUENTA, ';') from "
                  "(select * from INTERFAZ_CXPAGAR_CTAS where INCP_ID = %1 order by INPC_ITEM)")
                  .arg(id)),
        QStringLiteral("1S24081001;2S53050501"));

    // Modifying it: the line counter goes on from the last item.
    EdicionInterfaz m(*dm, EdicionInterfaz::Modo::Modificar, id.toInt());
    ASSERT_TRUE(m.abierta());
    EXPECT_EQ(m.contador(), 2);
    EXPECT_EQ(m.niif().recordCount(), 1);
    ASSERT_TRUE(m.asigne(QStringLiteral("INCP_NOMBRE"), QStringLiteral("Cambiada")));
    ASSERT_TRUE(m.agregue_linea());
    EXPECT_EQ(m.cuentas().fieldByName(QStringLiteral("INPC_ITEM")).asInteger(), 3);
    ASSERT_TRUE(m.grabe()) << dialogs.lastError().toStdString();
    EXPECT_EQ(m.interfaz().fieldByName(QStringLiteral("INCP_ID")).asInteger(), id.toInt());
    EXPECT_EQ(
        texto(QStringLiteral("select INCP_NOMBRE from INTERFAZ_CXPAGAR where INCP_ID = ") + id),
        QStringLiteral("Cambiada"));
    EXPECT_EQ(filas(QStringLiteral("INTERFAZ_CXPAGAR_CTAS where INCP_ID = ") + id), 3);
}

TEST_F(GrabacionTest, AFailedSaveWritesNothingAndKeepsWhatWasTyped) {
    EdicionInterfaz e(*dm, EdicionInterfaz::Modo::Nueva);
    llene(e);
    // Two lines with one item number: the second cannot be written.
    e.cuentas().edit();
    e.cuentas().fieldByName(QStringLiteral("INPC_ITEM")).setValue(1);
    EXPECT_FALSE(e.grabe());
    EXPECT_FALSE(dialogs.errors().isEmpty());
    EXPECT_EQ(grabadas(), 0);
    EXPECT_EQ(e.interfaz().state(), ClientDataset::State::Edit);
    EXPECT_EQ(e.interfaz().fieldByName(QStringLiteral("INCP_NOMBRE")).asString(),
              QStringLiteral("Nueva"));
    EXPECT_EQ(e.cuentas().recordCount(), 2);
    EXPECT_EQ(e.niif().recordCount(), 1);

    // Put right, the same pending changes go through.
    e.cuentas().edit();
    e.cuentas().fieldByName(QStringLiteral("INPC_ITEM")).setValue(2);
    ASSERT_TRUE(e.grabe()) << dialogs.lastError().toStdString();
    EXPECT_EQ(grabadas(), 1);
    EXPECT_EQ(filas(QStringLiteral(
                  "INTERFAZ_CXPAGAR_NIIF n join INTERFAZ_CXPAGAR i on i.INCP_ID = n.INCP_ID "
                  "where i.INCP_NOMBRE = 'Nueva'")),
              1);
}

TEST_F(InterfacesTest, ModifyingAMissingInterfaceSaysSo) {
    EdicionInterfaz e(*dm, EdicionInterfaz::Modo::Modificar, 987654);
    EXPECT_FALSE(e.abierta());
    EXPECT_EQ(dialogs.errors(),
              QStringList{QStringLiteral("No se encontró la interfaz solicitada.")});
    EXPECT_FALSE(e.grabe());
}

}  // namespace
