#include <gtest/gtest.h>

#include <QApplication>
#include <QDateEdit>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
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

// A clerk clicks into a date box and types: the editor placed its cursor in
// the part clicked, where a full part took no digit, and the date stayed.
TEST(FechasAlTeclado, AClickedPartIsTypedOver) {
    instale_fechas_al_teclado(*QCoreApplication::instance());
    QDateEdit fecha(QDate(2026, 12, 1));
    fecha.setDisplayFormat(QStringLiteral("yyyy/MM/dd"));
    fecha.resize(200, 30);
    fecha.show();
    QApplication::setActiveWindow(&fecha);
    auto* linea = fecha.findChild<QLineEdit*>();
    ASSERT_NE(linea, nullptr);
    const auto pulse = [&](int caracter) {
        const QPoint punto(linea->contentsRect().left() + 4 +
                               linea->fontMetrics().horizontalAdvance(linea->text().left(caracter)),
                           linea->height() / 2);
        for (const QEvent::Type tipo : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
            QMouseEvent e(tipo, punto, linea->mapToGlobal(punto), Qt::LeftButton,
                          tipo == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                          Qt::NoModifier);
            QApplication::sendEvent(linea, &e);
        }
        QCoreApplication::processEvents();
    };
    fecha.setFocus(Qt::MouseFocusReason);
    pulse(1);  // in the year
    escriba(&fecha, QStringLiteral("20260601"));
    EXPECT_EQ(fecha.date(), QDate(2026, 6, 1));
    pulse(9);  // in the day
    escriba(&fecha, QStringLiteral("15"));
    EXPECT_EQ(fecha.date(), QDate(2026, 6, 15));
}
