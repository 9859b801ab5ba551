#include <gtest/gtest.h>

#include <QApplication>
#include <QDateEdit>
#include <QKeyEvent>
#include <QLineEdit>
#include <QVBoxLayout>

#include "core/ui/fechas_al_teclado.h"

using namespace ledgrix;

namespace {

void escriba(QWidget* w, const QString& texto) {
    for (const QChar c : texto) {
        const int key = c.isDigit() ? Qt::Key_0 + c.digitValue() : Qt::Key_Slash;
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(c));
        QApplication::sendEvent(w, &press);
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, QString(c));
        QApplication::sendEvent(w, &release);
    }
}

}  // namespace

// A clerk types the whole date into a box reached with the keyboard; by
// default the editor would take the typing into the part it selected.
TEST(FechasAlTeclado, ADateReachedFromTheKeyboardIsTypedOverWhole) {
    instale_fechas_al_teclado(*QCoreApplication::instance());
    QWidget w;
    auto* antes = new QLineEdit(&w);
    auto* fecha = new QDateEdit(QDate(2026, 12, 1), &w);
    fecha->setDisplayFormat(QStringLiteral("yyyy/MM/dd"));
    auto* caja = new QVBoxLayout(&w);
    caja->addWidget(antes);
    caja->addWidget(fecha);
    w.show();
    QApplication::setActiveWindow(&w);
    const struct {
        const char* escrito;
        const char* fecha;
    } casos[] = {
        {"2026/06/01", "2026/06/01"}, {"2025/01/31", "2025/01/31"}, {"20241105", "2024/11/05"}};
    for (const auto& [escrito, esperada] : casos) {
        antes->setFocus();
        fecha->setFocus(Qt::TabFocusReason);  // as Enter or Tab from the box before
        QCoreApplication::processEvents();
        ASSERT_EQ(QApplication::focusWidget(), fecha);
        escriba(fecha, QString::fromLatin1(escrito));
        EXPECT_EQ(fecha->date().toString(QStringLiteral("yyyy/MM/dd")), QLatin1String(esperada));
    }
}
