#pragma once

#include <QLineEdit>
#include <QPointer>

#include "payments/caja/tfdmcja.h"
#include "payments/cartera/registro_cartera.h"
#include "payments/ui/egresos/tfegresos.h"
#include "tests/support/documentos_fixture.h"
#include "tests/support/teclado.h"

namespace ledgrix::test {

// The "Egresos" window over a demo company where the stationery supplier
// has a purchase invoice open for 1.000.000,00 (type 21, id 9101), and the
// keys a clerk uses on it.
class VentanaEgresoTest : public DocumentosTest {
  protected:
    void SetUp() override {
        DocumentosTest::SetUp();
        factura(9101, QStringLiteral("00009101"), kPapeleria, QDate(2022, 9, 1),
                QStringLiteral("1000000"));
    }
    void TearDown() override {
        RegistroCartera::grupo_entregado = 0;
        Tfdmcja::entregados.clear();
        if (v) {
            // Closing over typed lines asks; nothing is stored either way.
            dialogs.expectQuestion({}, true);
            v->close();
        }
        libere();
        DocumentosTest::TearDown();
    }

    void abra() { v = al_frente(new Tfegresos(*dm)); }
    // The keys, for every test over the window.
    static void teclee(QWidget* w, const QString& texto) { test::teclee(w, texto); }
    static void pulse(int key) { test::pulse(key); }
    // The payee typed in the window: its documents panel opens.
    void proveedor() {
        QLineEdit* nit = v->editor(QStringLiteral("TERC_NIT"));
        nit->setFocus();
        teclee(nit, kPapeleria);
        tecla(nit, Qt::Key_Return);
    }
    // F8 in the documents panel, the consultation answering with the invoice.
    void elija_factura() {
        dm->documentos_seleccionados = {
            {21, 9101, QStringLiteral("0000"), QStringLiteral("00009101"), {}}};
        dialogs.expectModal(QStringLiteral("Tfconscxpagar"), 1);
        pulse(Qt::Key_F8);
    }
    QString uno(const QString& sql) {
        auto q = dm->sql().select(sql);
        return q && q->next() ? q->value(0).toString().trimmed() : QStringLiteral("sin fila");
    }
    std::string errores() const { return dialogs.errors().join(u'\n').toStdString(); }

    QPointer<Tfegresos> v;
};

}  // namespace ledgrix::test
