#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "core/data/client_dataset.h"
#include "output/mantenimiento/edicion_formato.h"
#include "output/mantenimiento/lista_formatos.h"
#include "output/mantenimiento/mover_formato.h"
#include "tests/support/module_fixture.h"

using namespace ledgrix;

namespace {

class MantenimientoFormatosTest : public ledgrix::test::ModuleTest {
  protected:
    void SetUp() override {
        ModuleTest::SetUp();
        conecte(QStringLiteral("ADMIN"));
        for (const char* pre : {"0100", "0200"})
            ejecute(QStringLiteral("insert into PREFIJOS (TIDO_COD, PREF_PRE, PREF_ACTUAL) values "
                                   "(51, '%1', '000001')")
                        .arg(QLatin1String(pre)));
    }
    void ejecute(const QString& sql) { ASSERT_TRUE(dm->sql().execute(sql)) << sql.toStdString(); }
    QString valor(const char* sql) { return dm->sql().scalar(QString::fromLatin1(sql)).toString(); }
    int filas(const QString& tabla, const QString& prefijo = QStringLiteral("0100")) {
        return dm->sql()
            .scalar(
                QStringLiteral("select count(*) from %1 where tido_cod = 51 and pref_pre = '%2'")
                    .arg(tabla, prefijo))
            .toInt();
    }
    // A stored format of 51/0100 with two items and a box.
    void formato_guardado() {
        ejecute(
            QStringLiteral("insert into FORMATOS (TIDO_COD, PREF_PRE, FORM_NROITEMS, FORM_FONT, "
                           "FORM_FSIZE) values (51, '0100', 10, 'Arial', 9)"));
        ejecute(
            QStringLiteral("insert into FORMATO_DATOS (TIDO_COD, PREF_PRE, DAFO_DATO, "
                           "DAFO_POSX, DAFO_POSY, DAFO_ITEM) values (51, '0100', 'NIT', 100, "
                           "100, 1)"));
        ejecute(
            QStringLiteral("insert into FORMATO_DATOS (TIDO_COD, PREF_PRE, DAFO_DATO, "
                           "DAFO_POSX, DAFO_POSY, DAFO_ITEM) values (51, '0100', 'TOTAL', "
                           "900, 1500, 4)"));
        ejecute(
            QStringLiteral("insert into FORMATO_LINEAS (TIDO_COD, PREF_PRE, FOLI_ITEM, "
                           "FOLI_TIPO, FOLI_POSX, FOLI_POSY, FOLI_X, FOLI_Y) values (51, "
                           "'0100', 7, 'C', 50, 1400, 600, 200)"));
    }
    static void ponga(ClientDataset& ds, const char* campo, const QVariant& v) {
        ASSERT_TRUE(ds.fieldByName(QString::fromLatin1(campo)).setValue(v)) << campo;
    }
};

TEST_F(MantenimientoFormatosTest, NewFormatIsStoredWithItemsAndElementsInOneApply) {
    EdicionFormato e(*dm, EdicionFormato::Modo::Nuevo);
    ASSERT_TRUE(e.abierta());
    EXPECT_EQ(e.formato().fieldByName(QStringLiteral("FORM_PAGINAS")).asString(), "S");
    const QStringList prefijos = e.elija_documento(51);
    EXPECT_TRUE(prefijos.contains("0100") && prefijos.contains("0200"))
        << prefijos.join(' ').toStdString();
    ASSERT_TRUE(e.elija_prefijo(QStringLiteral("0100")));
    ASSERT_TRUE(e.asigne(QStringLiteral("FORM_FONT"), QStringLiteral("Courier")));
    ASSERT_TRUE(e.asigne(QStringLiteral("FORM_FSIZE"), 10));

    // New rows take the next item number and the format's font.
    ASSERT_TRUE(e.agregue_dato());
    ponga(e.datos(), "DAFO_DATO", QStringLiteral("NIT"));
    ponga(e.datos(), "DAFO_POSX", 120);
    EXPECT_EQ(e.datos().fieldByName(QStringLiteral("DAFO_FONT")).asString(), "Courier");
    EXPECT_EQ(e.datos().fieldByName(QStringLiteral("DAFO_FSIZE")).asInteger(), 10);
    EXPECT_EQ(e.datos().fieldByName(QStringLiteral("DAFO_INI")).asInteger(), 1);
    ASSERT_TRUE(e.agregue_dato());
    ponga(e.datos(), "DAFO_DATO", QStringLiteral("TOTAL"));
    EXPECT_EQ(e.datos().fieldByName(QStringLiteral("DAFO_ITEM")).asInteger(), 2);

    // A picture element, and a text element left empty, which is not stored.
    QTemporaryDir dir;
    const QString ruta = dir.filePath(QStringLiteral("logo.bmp"));
    {
        QFile f(ruta);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("BMimagen");
    }
    ASSERT_TRUE(e.agregue_linea());
    EXPECT_FALSE(e.cargue_imagen(ruta));  // a text element takes no picture
    ponga(e.lineas(), "FOLI_TIPO", QStringLiteral("G"));
    ASSERT_TRUE(e.cargue_imagen(ruta));
    ASSERT_TRUE(e.agregue_linea());
    EXPECT_EQ(e.lineas().fieldByName(QStringLiteral("FOLI_ITEM")).asInteger(), 2);
    dialogs.clear();

    // Nothing is written until the save, and then all of it.
    EXPECT_EQ(filas(QStringLiteral("formatos")), 0);
    ASSERT_TRUE(e.grabe(QStringLiteral("  Epson  ")));
    EXPECT_EQ(valor("select form_impre || '/' || form_paginas || '/' || form_font from formatos "
                    "where tido_cod = 51 and pref_pre = '0100'"),
              "Epson/S/Courier");
    EXPECT_EQ(valor("select list(dafo_dato || ':' || dafo_posx || ':' || dafo_imprime || "
                    "dafo_repite || dafo_liquida || dafo_posyvar, ',') from (select * from "
                    "formato_datos where tido_cod = 51 and pref_pre = '0100' order by dafo_item)"),
              "NIT:120:SNNN,TOTAL:0:SNNN");
    EXPECT_EQ(valor("select foli_tipo || foli_item || ':' || cast(foli_imagen as varchar(20)) "
                    "from formato_lineas where tido_cod = 51 and pref_pre = '0100'"),
              "G1:BMimagen");
    EXPECT_EQ(filas(QStringLiteral("formato_lineas")), 1);
    EXPECT_TRUE(dialogs.errors().isEmpty()) << dialogs.lastError().toStdString();

    // The same prefix again is refused and emptied.
    EdicionFormato otro(*dm, EdicionFormato::Modo::Nuevo);
    otro.elija_documento(51);
    EXPECT_FALSE(otro.elija_prefijo(QStringLiteral("0100")));
    EXPECT_EQ(dialogs.lastError(),
              "Ya existe un formato para ese documento. Use la opción de modificar.");
    EXPECT_TRUE(otro.prefijo().isEmpty());
    // A type without prefixes closes the window.
    EdicionFormato sin(*dm, EdicionFormato::Modo::Nuevo);
    EXPECT_TRUE(sin.elija_documento(99).isEmpty());
    EXPECT_EQ(dialogs.lastError(), "Debe crear antes los prefijos para el tipo de documento.");
    EXPECT_FALSE(sin.abierta());
}

TEST_F(MantenimientoFormatosTest, DuplicateDataNameIsRefusedAndTheEntryKept) {
    formato_guardado();
    EdicionFormato e(*dm, EdicionFormato::Modo::Modificar, 51, QStringLiteral("0100"));
    ASSERT_TRUE(e.abierta());
    EXPECT_EQ(e.contador_datos(), 4);
    EXPECT_EQ(e.contador_lineas(), 7);
    e.datos().first();
    ASSERT_TRUE(e.datos().edit());
    ponga(e.datos(), "DAFO_POSX", 300);
    ASSERT_TRUE(e.agregue_dato());
    EXPECT_EQ(e.datos().fieldByName(QStringLiteral("DAFO_ITEM")).asInteger(), 5);
    EXPECT_EQ(e.datos().fieldByName(QStringLiteral("DAFO_FONT")).asString(), "Arial");
    ponga(e.datos(), "DAFO_DATO", QStringLiteral("NIT"));

    EXPECT_FALSE(e.grabe({}));
    ASSERT_FALSE(dialogs.errors().isEmpty());
    EXPECT_TRUE(
        dialogs.lastError().startsWith(QStringLiteral("Ya existe un registro con el mismo")))
        << dialogs.lastError().toStdString();
    // Nothing written, everything still there to be fixed.
    EXPECT_EQ(valor("select dafo_posx from formato_datos where tido_cod = 51 and pref_pre = '0100' "
                    "and dafo_dato = 'NIT'"),
              "100");
    EXPECT_EQ(e.datos().fieldByName(QStringLiteral("DAFO_DATO")).asString(), "NIT");
    ponga(e.datos(), "DAFO_DATO", QStringLiteral("NETO"));
    ASSERT_TRUE(e.grabe({}));
    EXPECT_EQ(filas(QStringLiteral("formato_datos")), 3);
    EXPECT_EQ(valor("select dafo_posx from formato_datos where tido_cod = 51 and pref_pre = '0100' "
                    "and dafo_dato = 'NIT'"),
              "300");
}

TEST_F(MantenimientoFormatosTest, ModifyDeletesRowsAndTheListCopiesAndDeletes) {
    formato_guardado();
    {
        EdicionFormato e(*dm, EdicionFormato::Modo::Modificar, 51, QStringLiteral("0100"));
        ASSERT_TRUE(e.abierta());
        e.datos().last();
        dialogs.expectQuestion(QStringLiteral("Esta seguro de borrar el dato TOTAL?"), false);
        EXPECT_FALSE(e.borre_dato());
        dialogs.expectQuestion(QStringLiteral("Esta seguro de borrar el dato TOTAL?"), true);
        EXPECT_TRUE(e.borre_dato());
        dialogs.expectQuestion({}, true);
        EXPECT_TRUE(e.borre_linea());
        ASSERT_TRUE(e.asigne(QStringLiteral("FORM_NROITEMS"), 5));
        ASSERT_TRUE(e.grabe(QStringLiteral("Laser")));
    }
    EXPECT_EQ(filas(QStringLiteral("formato_datos")), 1);
    EXPECT_EQ(filas(QStringLiteral("formato_lineas")), 0);
    EXPECT_EQ(valor("select form_nroitems || form_impre from formatos where pref_pre = '0100'"),
              "5Laser");

    // Missing format.
    EdicionFormato falta(*dm, EdicionFormato::Modo::Modificar, 51, QStringLiteral("0200"));
    EXPECT_FALSE(falta.abierta());
    EXPECT_EQ(dialogs.lastError(), "Formato no encontrado.");

    ListaFormatos lista(*dm);
    ASSERT_TRUE(lista.formatos().locate(QStringLiteral("PREF_PRE"), {QStringLiteral("0100")}));
    EXPECT_TRUE(lista.prefijos_copia().contains(QStringLiteral("0200")));
    ASSERT_TRUE(lista.copie(QStringLiteral("0200")));
    EXPECT_EQ(filas(QStringLiteral("formato_datos"), QStringLiteral("0200")), 1);
    EXPECT_EQ(valor("select form_impre from formatos where pref_pre = '0200'"), "Laser");
    // The copy cannot go over an existing format: nothing half-copied.
    ASSERT_TRUE(lista.formatos().locate(QStringLiteral("PREF_PRE"), {QStringLiteral("0100")}));
    EXPECT_FALSE(lista.copie(QStringLiteral("0200")));
    EXPECT_EQ(filas(QStringLiteral("formato_datos"), QStringLiteral("0200")), 1);

    ASSERT_TRUE(lista.formatos().locate(QStringLiteral("PREF_PRE"), {QStringLiteral("0200")}));
    const QString pregunta = QStringLiteral("Esta seguro de borrar el formato de ") +
                             lista.documento_actual() + QStringLiteral(" 0200?");
    dialogs.expectQuestion(pregunta, true);
    ASSERT_TRUE(lista.borre());
    EXPECT_EQ(filas(QStringLiteral("formatos"), QStringLiteral("0200")), 0);
    EXPECT_EQ(filas(QStringLiteral("formato_datos"), QStringLiteral("0200")), 0);
    EXPECT_TRUE(dialogs.allAnswered());
}

TEST_F(MantenimientoFormatosTest, MoveShiftsThePositionsThroughTheProcedure) {
    formato_guardado();
    MoverFormato mover(*dm, 51, QStringLiteral("0100"));
    // Down 50 in the band 1000-2000: the total and the box, not the NIT.
    ASSERT_TRUE(mover.ejecute(u'D', QStringLiteral("50"), QStringLiteral("1000"), {}));
    EXPECT_EQ(valor("select list(dafo_dato || dafo_posy) from (select * from formato_datos where "
                    "pref_pre = '0100' order by dafo_item)"),
              "NIT100,TOTAL1550");
    EXPECT_EQ(valor("select foli_posy from formato_lineas where pref_pre = '0100'"), "1450");
    // Scaling ignores the numbers and covers the whole page.
    ASSERT_TRUE(
        mover.ejecute(u'Y', QStringLiteral("999"), QStringLiteral("1"), QStringLiteral("2")));
    EXPECT_EQ(valor("select list(dafo_posx) from (select * from formato_datos where pref_pre = "
                    "'0100' order by dafo_item)"),
              "50,450");
    // Bad input: told, nothing moved.
    EXPECT_FALSE(mover.ejecute(u'R', QStringLiteral("abc"), {}, {}));
    EXPECT_FALSE(dialogs.errors().isEmpty());
    EXPECT_EQ(valor("select foli_posx from formato_lineas where pref_pre = '0100'"), "25");
}

}  // namespace
