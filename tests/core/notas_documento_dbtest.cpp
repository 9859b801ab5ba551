#include <gtest/gtest.h>

#include <QApplication>
#include <QPlainTextEdit>

#include "core/data/client_dataset.h"
#include "core/data/field.h"
#include "core/notas/notas_documento.h"
#include "core/tfdm/tfdm.h"
#include "core/ui/grid/ledgrix_grid.h"
#include "core/ui/notas/tfnotasdoc.h"
#include "tests/support/module_fixture.h"
#include "tests/support/teclado.h"

using namespace ledgrix;

namespace {

QString S(const char* s) {
    return QString::fromUtf8(s);
}

class NotasDocumentoTest : public test::ModuleTest {
  protected:
    void SetUp() override {
        ModuleTest::SetUp();
        conecte();
    }
    QStringList textos(const NotasDocumento& n) const {
        QStringList t;
        ClientDataset& ds = n.notas();
        for (bool hay = ds.first(); hay; hay = ds.next())
            t << ds.fieldByName(S("NODO_TEXTO")).asString();
        return t;
    }
};

// Each text either becomes the document's next note, in order and as typed
// (trimmed), or is refused with a message and leaves nothing written.
TEST_F(NotasDocumentoTest, NotesAreAddedInOrderAndUnstorableTextsAreRefused) {
    NotasDocumento notas(*dm);
    ASSERT_TRUE(notas.cargue(62, 80));
    const struct {
        QString texto;
        bool guardada;
    } casos[] = {
        {S("Llamó el proveedor: paga el viernes"), true},
        {QString(), false},
        {S("  \n\t "), false},
        {S("O'Brien dijo 'sí'\nsegunda línea"), true},
        {QString(NotasDocumento::kLargo + 1, QLatin1Char('x')), false},
        {S("Pago en € o en 円"), false},
        {QString(NotasDocumento::kLargo, QLatin1Char('y')), true},
    };
    QStringList esperadas;
    for (const auto& c : casos) {
        SCOPED_TRACE(c.texto.left(40).toStdString());
        dialogs.clear();
        EXPECT_EQ(notas.agregue(c.texto), c.guardada);
        EXPECT_EQ(dialogs.errors().size(), c.guardada ? 0 : 1) << dialogs.lastError().toStdString();
        if (c.guardada)
            esperadas << c.texto.trimmed();
        EXPECT_EQ(textos(notas), esperadas);
    }
    EXPECT_EQ(filas(S("NOTAS_DOCUMENTO")), esperadas.size());

    // Another document, or the same id of another type, has notes of its own.
    NotasDocumento otra(*dm);
    ASSERT_TRUE(otra.cargue(51, 80));
    EXPECT_TRUE(textos(otra).isEmpty());
    ASSERT_TRUE(otra.agregue(S("Del cargo")));
    ASSERT_TRUE(notas.cargue(62, 80));
    EXPECT_EQ(textos(notas), esperadas);
}

// Who and when are the server's: a row written by hand cannot claim another
// user or date, and a note is never rewritten.
TEST_F(NotasDocumentoTest, TheServerSignsEveryNoteAndNoNoteIsRewritten) {
    ASSERT_TRUE(dm->sql().execute(
        S("insert into NOTAS_DOCUMENTO (TIDO_COD, NODO_IDDOC, NODO_ITEM, NODO_FECHA, NODO_HORA, "
          "NODO_USUARIO, NODO_TEXTO) values (51, 9, 1, '2000-01-01', '00:00:00', 'OTRO', 'x')")));
    EXPECT_EQ(texto(S("select NODO_USUARIO from NOTAS_DOCUMENTO")),
              texto(S("select CURRENT_USER from RDB$DATABASE")));
    EXPECT_EQ(texto(S("select count(*) from NOTAS_DOCUMENTO where NODO_FECHA = CURRENT_DATE")),
              S("1"));
    dialogs.clear();
    EXPECT_FALSE(dm->sql().execute(S("update NOTAS_DOCUMENTO set NODO_TEXTO = 'otra cosa'")));
    EXPECT_EQ(texto(S("select NODO_TEXTO from NOTAS_DOCUMENTO")), S("x"));
}

// F2 in the window stores the typed note and empties the box; a refused one
// stays in the box as typed.
TEST_F(NotasDocumentoTest, TheWindowKeepsARefusedNoteAndClearsAStoredOne) {
    dm->documento_consultado = {62, 80, S("0000"), S("000080"), {}};
    Tfnotasdoc w(*dm);
    w.show();
    QApplication::setActiveWindow(&w);
    EXPECT_EQ(w.windowTitle(), S("Notas del documento 0000000080"));
    ASSERT_EQ(QApplication::focusWidget(), w.nueva());
    const QString larga(NotasDocumento::kLargo + 5, QLatin1Char('z'));
    w.nueva()->setPlainText(larga);
    test::tecla(w.nueva(), Qt::Key_F2);
    EXPECT_EQ(w.nueva()->toPlainText(), larga);
    EXPECT_EQ(dialogs.errors().size(), 1);
    w.nueva()->setPlainText(S("Confirmado por teléfono"));
    test::tecla(w.nueva(), Qt::Key_F2);
    EXPECT_TRUE(w.nueva()->toPlainText().isEmpty());
    EXPECT_EQ(w.logica().notas().recordCount(), 1);
    EXPECT_EQ(w.grilla()->model()->rowCount(), 1);
}

}  // namespace
