#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <functional>

#include "core/data/client_dataset.h"
#include "core/tfdm/tfdm.h"
#include "payables/ui/busquedas/tfbusqueda_notas.h"
#include "payables/ui/cargos/tfnotasdebitocxp.h"
#include "payables/ui/descuentos/tfnotascreditocxp.h"
#include "tests/support/documentos_fixture.h"
#include "tests/support/teclado.h"

namespace ledgrix::test {
namespace {

const QDate kHoy(2022, 9, 21);

QString S(const char* s) {
    return QString::fromUtf8(s);
}

using BusquedaNotasVentanaTest = DocumentosTest;

// Each search typed with keys: a number found anywhere, F4 consults it, F3
// asks for the reason and F5 annuls it with it; F3 on the annulled one and
// Esc leave it be; from a document window F2 picks it and closes.
TEST_F(BusquedaNotasVentanaTest, FindsConsultsAnnulsWithTheReasonAndPicks) {
    dm->ctx.es_administrador = true;
    configure(S("ESTABLECER CONTROL DEL PORQUE SE ANULAN LOS DOCUMENTOS"), S("SI"));
    cargo(41, S("000041"), kTransportes, kHoy.addDays(-1), S("1000"));
    cargo(42, S("000042"), kPapeleria, kHoy, S("2000"));
    descuento(41, S("000041"), kTransportes, kHoy.addDays(-1), S("1000"));
    descuento(42, S("000042"), kPapeleria, kHoy, S("2000"));
    const struct {
        std::function<Tfbusquedanotas*()> abra;
        int tipo;
        const char* consulta;
        const char* pregunta;
        const char* tabla;
        bool elige;
    } casos[] = {
        {[this] { return new Tfbuscanotdbcxp(*dm); }, 51, "Tfconsnotdbcxp",
         "Esta seguro de anular la Nota Debito No 000041?", "NOTAS_DEBITO_PROVEEDOR", true},
        {[this] { return new Tfbuscancredito(*dm); }, 52, "Tfconsnotcrcxp",
         "Esta seguro de anular la nota credito  No000041?", "NOTAS_CREDITO_PROVEEDOR", false},
    };
    for (const auto& k : casos) {
        SCOPED_TRACE(k.tabla);
        dialogs.clear();
        dm->documentos_seleccionados = {{21, 9, S("X"), S("1"), {}}};
        QPointer<Tfbusquedanotas> v = al_frente(k.abra());
        ASSERT_EQ(v->logica().actual(), 42);  // newest first
        EXPECT_EQ(dm->documentos_seleccionados.isEmpty(), k.elige);

        v->columna_busqueda()->setCurrentIndex(3);
        v->contiene()->setChecked(true);
        teclee(v->texto(), S("41"));
        tecla(v->texto(), Qt::Key_Return);
        EXPECT_EQ(v->logica().filas().recordCount(), 1);
        EXPECT_EQ(v->logica().actual(), 41);
        EXPECT_TRUE(v->texto()->text().isEmpty());

        dialogs.expectModal(S(k.consulta), 1);
        pulse(Qt::Key_F4);
        EXPECT_TRUE(dialogs.allAnswered());
        EXPECT_EQ(dm->documento_consultado.tipo, k.tipo);
        EXPECT_EQ(dm->documento_consultado.id, 41);

        pulse(Qt::Key_F3);
        ASSERT_TRUE(v->panel_razon()->isVisible());
        teclee(QApplication::focusWidget(), S("Valor mal digitado"));
        EXPECT_EQ(v->razon()->toPlainText(), S("Valor mal digitado"));
        dialogs.expectQuestion(S(k.pregunta), true);
        pulse(Qt::Key_F5);
        EXPECT_TRUE(dialogs.allAnswered());
        EXPECT_FALSE(v->panel_razon()->isVisible());
        // What the annulment stores is the search logic's test; the reason
        // typed in the panel must reach it.
        EXPECT_EQ(texto(S("select AUDI_RAZON from AUDITORIA where TIDO_COD = %1 and "
                          "AUDI_IDDOC = 41 and AUDI_OPER = 'A'")
                            .arg(k.tipo)),
                  S("Valor mal digitado"));

        // The annulled one may be deleted; Esc gives up before anything is asked.
        EXPECT_EQ(v->logica().actual(), 41);
        pulse(Qt::Key_F3);
        ASSERT_TRUE(v->panel_razon()->isVisible());
        pulse(Qt::Key_Escape);
        EXPECT_FALSE(v->panel_razon()->isVisible());
        ASSERT_TRUE(v->isVisible());
        EXPECT_EQ(filas(S(k.tabla)), 2);

        if (k.elige) {
            pulse(Qt::Key_F2);
            libere();
            EXPECT_TRUE(v.isNull());
            ASSERT_EQ(dm->documentos_seleccionados.size(), 1);
            EXPECT_EQ(dm->documentos_seleccionados.first().tipo, 51);
            EXPECT_EQ(dm->documentos_seleccionados.first().id, 41);
        } else {
            v->close();
            libere();
        }
        EXPECT_TRUE(dialogs.errors().isEmpty()) << dialogs.lastError().toStdString();
    }
}

// F8 in the charge and discount windows opens their own search by name.
TEST_F(BusquedaNotasVentanaTest, EachDocumentWindowsF8OpensItsSearch) {
    const struct {
        std::function<QWidget*()> abra;
        const char* busqueda;
    } casos[] = {{[this] { return new Tfnotasdebitocxp(*dm); }, "Tfbuscanotdbcxp"},
                 {[this] { return new Tfnotascreditocxp(*dm); }, "Tfbuscanotacrcxp"}};
    for (const auto& k : casos) {
        QPointer<QWidget> v = al_frente(k.abra());
        dialogs.expectModal(S(k.busqueda), 1);
        pulse(Qt::Key_F8);
        EXPECT_TRUE(dialogs.allAnswered()) << k.busqueda;
        v->close();
        libere();
    }
}

// A user who may not annul is told so and the search closes.
TEST_F(BusquedaNotasVentanaTest, NoAccessToAnnulClosesTheSearch) {
    cargo(41, S("000041"), kTransportes, kHoy, S("1000"));
    dm->ctx.usuario = S("AUXILIAR");
    QPointer<Tfbusquedanotas> v = al_frente(new Tfbuscanotdebito(*dm));
    pulse(Qt::Key_F3);
    EXPECT_EQ(dialogs.lastError(),
              S("Acceso no permitido. comuníquese con el administrador del sistema."));
    libere();
    EXPECT_TRUE(v.isNull());
    EXPECT_EQ(texto(S("select NDPR_ANULADO from NOTAS_DEBITO_PROVEEDOR")), S("N"));
}

}  // namespace
}  // namespace ledgrix::test
