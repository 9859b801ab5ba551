#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QStandardItemModel>
#include <QTableView>
#include <QVBoxLayout>

#include "core/data/field.h"
#include "core/money/formato_numero.h"
#include "core/ui/campos/campo_monto.h"
#include "core/ui/numeracion/delegados.h"
#include "tests/support/scripted_dialogs.h"

using namespace ledgrix;

namespace {

const QString kRechazo =
    QStringLiteral("El valor «1,000,000» no es un número válido. Use el formato 1.234.567,89.");

void tecla(QWidget* w, int key) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(w, &press);
}

// A box between two others, in an active window.
struct Ventana {
    test::ScriptedDialogs dialogs;
    QWidget w;
    QLineEdit* antes = new QLineEdit(&w);
    CampoMonto* campo = new CampoMonto(dialogs, &w);
    QLineEdit* despues = new QLineEdit(&w);
    QList<Currency> cambios;
    int salidas = 0;

    Ventana() {
        auto* caja = new QVBoxLayout(&w);
        for (QWidget* e : {static_cast<QWidget*>(antes), static_cast<QWidget*>(campo),
                           static_cast<QWidget*>(despues)})
            caja->addWidget(e);
        QObject::connect(campo, &CampoMonto::cambiado, [this](Currency v) { cambios << v; });
        QObject::connect(campo, &CampoMonto::dejado, [this] { ++salidas; });
        w.show();
        QApplication::setActiveWindow(&w);
        campo->muestre(Currency::fromInt(5));
        campo->setFocus();
    }
};

}  // namespace

TEST(CampoMonto, TextInAnotherFormatIsRefusedAndTheUserStaysWithIt) {
    Ventana v;
    EXPECT_EQ(v.campo->text(), QStringLiteral("5,00"));
    v.campo->setText(QStringLiteral("1,000,000"));
    v.despues->setFocus();  // leaving the box
    EXPECT_EQ(v.dialogs.errors(), QStringList{kRechazo});
    EXPECT_EQ(QApplication::focusWidget(), v.campo);
    EXPECT_EQ(v.campo->text(), QStringLiteral("1,000,000"));
    EXPECT_TRUE(v.cambios.isEmpty());
    EXPECT_EQ(v.salidas, 0);
    // Leaving again with the same text is refused again.
    v.antes->setFocus();
    EXPECT_EQ(v.dialogs.errors().size(), 2);
    EXPECT_EQ(QApplication::focusWidget(), v.campo);

    v.campo->setText(QStringLiteral("1000000,5"));
    tecla(v.campo, Qt::Key_Return);
    EXPECT_EQ(v.campo->text(), QStringLiteral("1.000.000,50"));
    EXPECT_EQ(v.cambios, (QList<Currency>{Currency::fromText(QStringLiteral("1000000.5"))}));
    // Leaving without another change hands nothing new but says it was left.
    v.despues->setFocus();
    EXPECT_EQ(v.cambios.size(), 1);
    EXPECT_EQ(v.salidas, 1);
    EXPECT_EQ(v.dialogs.errors().size(), 2);
}

TEST(CampoMonto, AnEmptiedBoxIsZeroAndTypedDecimalsAreNeverRoundedAway) {
    Ventana v;
    v.campo->setText(QString());
    tecla(v.campo, Qt::Key_Return);
    EXPECT_EQ(v.cambios, (QList<Currency>{Currency()}));
    EXPECT_EQ(v.campo->text(), QStringLiteral("0,00"));
    v.campo->setText(QStringLiteral("2,125"));
    tecla(v.campo, Qt::Key_Return);
    EXPECT_EQ(v.campo->text(), QStringLiteral("2,125"));
    EXPECT_EQ(v.campo->valor(), Currency::fromText(QStringLiteral("2.125")));
}

TEST(MontoDelegate, AGridCellKeepsItsEditorUntilItHoldsANumber) {
    test::ScriptedDialogs dialogs;
    QStandardItemModel modelo(1, 1);
    modelo.setData(modelo.index(0, 0), QStringLiteral("1.000,00"), Qt::EditRole);
    QTableView grilla;
    grilla.setModel(&modelo);
    grilla.setItemDelegateForColumn(0, new MontoDelegate(dialogs, &grilla));
    grilla.show();
    QApplication::setActiveWindow(&grilla);
    grilla.setCurrentIndex(modelo.index(0, 0));
    grilla.edit(modelo.index(0, 0));
    auto* editor = grilla.findChild<CampoMonto*>();
    ASSERT_TRUE(editor);
    EXPECT_EQ(editor->text(), QStringLiteral("1.000,00"));

    editor->setText(QStringLiteral("1,000,000"));
    tecla(editor, Qt::Key_Return);
    EXPECT_EQ(dialogs.errors(), QStringList{kRechazo});
    EXPECT_EQ(grilla.indexWidget(modelo.index(0, 0)), editor);  // still editing
    EXPECT_EQ(editor->text(), QStringLiteral("1,000,000"));

    editor->setText(QStringLiteral("1.000.000,5"));
    tecla(editor, Qt::Key_Return);
    QApplication::processEvents();  // the view commits the cell after the key
    EXPECT_EQ(grilla.indexWidget(modelo.index(0, 0)), nullptr);
    EXPECT_EQ(modelo.data(modelo.index(0, 0), Qt::EditRole).value<Currency>(),
              Currency::fromText(QStringLiteral("1000000.5")));
}
