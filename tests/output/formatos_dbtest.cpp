#include <gtest/gtest.h>

#include "core/sql/sqltext.h"
#include "output/formatos/formato.h"
#include "tests/support/module_fixture.h"
#include "tests/support/qt_printers.h"

using namespace ledgrix;

namespace {

class FormatosDbTest : public ledgrix::test::ModuleTest {
  protected:
    void SetUp() override {
        ModuleTest::SetUp();
        conecte();
    }

    void ejecute(const QString& sentencia) {
        ASSERT_TRUE(dm->sql().execute(sentencia)) << sentencia.toStdString();
    }

    // A format of type 51, prefix "DS": data items A (100, 100) and B (300, 500),
    // a box at (200, 500) of 400 x 60 and a text at (50, 30).
    void cree_formato() {
        ejecute(QStringLiteral("delete from formatos where tido_cod = 51 and pref_pre = 'DS'"));
        ejecute(
            QStringLiteral("insert into formatos (tido_cod, pref_pre, form_impre, form_nroitems, "
                           "form_paginas, form_entrelinea, "
                           "form_font, form_fsize, form_papelan, form_papelal) values (51, 'DS', "
                           "'', 5, 'N', 40, 'Arial', 9, 8.5, 5.5)"));
        ejecute(
            QStringLiteral("insert into formato_datos (tido_cod, pref_pre, dafo_dato, "
                           "dafo_imprime, dafo_posx, dafo_posy, dafo_repite, "
                           "dafo_long, dafo_formato, dafo_item, dafo_ini, dafo_justifica) values "
                           "(51, 'DS', 'A', 'S', 100, 100, 'N', 0, "
                           "'abc', 1, 3, 'D')"));
        ejecute(QStringLiteral(
            "insert into formato_datos (tido_cod, pref_pre, dafo_dato, dafo_imprime, dafo_posx, "
            "dafo_posy, dafo_repite, "
            "dafo_liquida, dafo_item) values (51, 'DS', 'B', 'N', 300, 500, 'S', 'S', 2)"));
        ejecute(
            QStringLiteral("insert into formato_lineas (tido_cod, pref_pre, foli_item, foli_tipo, "
                           "foli_posx, foli_posy, foli_x, foli_y) "
                           "values (51, 'DS', 1, 'C', 200, 500, 400, 60)"));
        ejecute(
            QStringLiteral("insert into formato_lineas (tido_cod, pref_pre, foli_item, foli_tipo, "
                           "foli_posx, foli_posy, foli_cadena) "
                           "values (51, 'DS', 2, 'T', 50, 30, 'CARGO')"));
    }

    QString posiciones() {
        const auto f = cargue_formato(*dm, 51, QStringLiteral("DS"));
        if (!f)
            return {};
        QStringList s;
        for (const DatoFormato& d : f->datos)
            s << QStringLiteral("%1:%2,%3").arg(d.dato).arg(d.posx).arg(d.posy);
        for (const LineaFormato& l : f->lineas)
            s << QStringLiteral("%1:%2,%3,%4,%5")
                     .arg(l.tipo)
                     .arg(l.posx)
                     .arg(l.posy)
                     .arg(l.x)
                     .arg(l.y);
        return s.join(u' ');
    }
};

TEST_F(FormatosDbTest, CargaElFormatoConSusDatosYElementos) {
    EXPECT_FALSE(cargue_formato(*dm, 51, QStringLiteral("DS")));
    cree_formato();
    const auto f = cargue_formato(*dm, 51, QStringLiteral("DS"));
    ASSERT_TRUE(f);
    EXPECT_EQ(f->nro_items, 5);
    EXPECT_FALSE(f->paginas);
    EXPECT_EQ(f->entrelinea, 40);
    EXPECT_EQ(f->font, QStringLiteral("Arial"));
    EXPECT_EQ(f->fsize, 9);
    EXPECT_DOUBLE_EQ(f->papel_ancho.value_or(0), 8.5);
    EXPECT_DOUBLE_EQ(f->papel_alto.value_or(0), 5.5);
    ASSERT_EQ(f->datos.size(), 2);
    EXPECT_EQ(f->datos[0].ini, 3);
    EXPECT_EQ(f->datos[0].decimales(), 2);
    EXPECT_EQ(f->datos[0].justifica, QStringLiteral("D"));
    EXPECT_TRUE(f->datos[1].repite && f->datos[1].liquida && !f->datos[1].imprime);
    // Only printed items bound the void picture.
    EXPECT_EQ(f->max_posy_impresos(), 100);
    ASSERT_EQ(f->lineas.size(), 2);
    EXPECT_EQ(f->lineas[1].cadena, QStringLiteral("CARGO"));
}

TEST_F(FormatosDbTest, MoverFormatoAplicaCadaAccionALaFranja) {
    // POSICIONES 60 on the band 400..2000 for the moves; the scaling actions
    // get what the dialog sends with its fields disabled: 0, 0, 2000.
    const struct {
        const char* accion;
        int posiciones, desde, hasta;
        const char* esperado;
    } casos[] = {
        {"R", 60, 400, 2000, "A:100,100 B:360,500 C:260,500,400,60 T:50,30,0,0"},
        {"L", 400, 400, 2000, "A:100,100 B:0,500 C:0,500,400,60 T:50,30,0,0"},
        {"U", 60, 400, 2000, "A:100,100 B:300,440 C:200,440,400,60 T:50,30,0,0"},
        {"D", 60, 0, 100, "A:100,160 B:300,500 C:200,500,400,60 T:50,90,0,0"},
        {"M", 0, 0, 2000, "A:100,50 B:300,250 C:200,250,400,30 T:50,15,0,0"},
        {"Y", 0, 0, 2000, "A:50,100 B:150,500 C:100,500,200,60 T:25,30,0,0"},
        {"C", 0, 0, 2000, "A:100,200 B:300,1000 C:200,1000,400,120 T:50,60,0,0"},
        {"X", 0, 0, 2000, "A:200,100 B:600,500 C:400,500,800,60 T:100,30,0,0"},
        {"Z", 60, 0, 2000, "A:100,100 B:300,500 C:200,500,400,60 T:50,30,0,0"},
    };
    for (const auto& c : casos) {
        cree_formato();
        ejecute(QStringLiteral("execute procedure mover_formato(51, 'DS', %1, %2, %3, '%4')")
                    .arg(c.posiciones)
                    .arg(c.desde)
                    .arg(c.hasta)
                    .arg(QLatin1String(c.accion)));
        EXPECT_EQ(posiciones(), QLatin1String(c.esperado)) << c.accion;
    }
    // Another format is never touched.
    ejecute(QStringLiteral(
        "update formatos set pref_pre = 'DX' where tido_cod = 51 and pref_pre = 'DS'"));
    cree_formato();
    ejecute(QStringLiteral("execute procedure mover_formato(51, 'DX', 10, 0, 2000, 'R')"));
    EXPECT_EQ(posiciones(), QStringLiteral("A:100,100 B:300,500 C:200,500,400,60 T:50,30,0,0"));
}

}  // namespace
