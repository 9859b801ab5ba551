#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>

#include "core/status/status_line.h"

using ledgrix::StatusLine;
using Colour = StatusLine::Colour;
using State = StatusLine::State;

namespace {

class StatusLineTest : public ::testing::Test {
  protected:
    void SetUp() override {
        QObject::connect(&line, &StatusLine::changed, [this] { ++changes; });
    }

    void expectIdle() const {
        EXPECT_EQ(line.state(), State::Idle);
        EXPECT_TRUE(line.text().isEmpty());
        EXPECT_EQ(line.background(), Colour::Default);
        EXPECT_EQ(line.gradientEnd(), Colour::Navy);
    }
    void expectWarning(const QString& text) const {
        EXPECT_EQ(line.state(), State::Warning);
        EXPECT_EQ(line.text(), QStringLiteral("Advertencia: ") + text);
        EXPECT_EQ(line.background(), Colour::Red);
        EXPECT_EQ(line.gradientEnd(), Colour::Maroon);
    }

    int beeps = 0;
    int changes = 0;
    StatusLine line{[this] { ++beeps; }};
};

}  // namespace

TEST_F(StatusLineTest, FetchingComesAndGoesAroundAFetch) {
    expectIdle();
    line.mostrar_mensaje();
    EXPECT_EQ(line.state(), State::Fetching);
    EXPECT_EQ(line.text(), QStringLiteral("Solicitando información. Espere un momento..."));
    EXPECT_EQ(line.background(), Colour::Highlight);
    EXPECT_EQ(line.gradientEnd(), Colour::Navy);
    EXPECT_EQ(changes, 1);

    line.mostrar_mensaje();  // nested fetch: nothing new to paint
    EXPECT_EQ(changes, 1);

    line.quitar_mensaje();
    expectIdle();
    EXPECT_EQ(changes, 2);
    line.quitar_mensaje();  // already idle
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(beeps, 0);
    EXPECT_FALSE(line.timerActive());

    line.setQuietFetch(true);
    line.mostrar_mensaje();
    expectIdle();
    EXPECT_EQ(changes, 2);
}

TEST_F(StatusLineTest, WarningReplacesAnyStateAndArmsTenthsOfASecond) {
    line.mostrar_advertencia(QStringLiteral("primera"), 30);
    expectWarning(QStringLiteral("primera"));
    EXPECT_TRUE(line.timerActive());
    EXPECT_EQ(line.timerInterval(), 3000);

    line.mostrar_advertencia(QStringLiteral("segunda"), 5);  // over a warning: re-armed
    expectWarning(QStringLiteral("segunda"));
    EXPECT_EQ(line.timerInterval(), 500);

    line.expire();
    line.mostrar_mensaje();  // after expiry the panel is default again, so fetching shows
    EXPECT_EQ(line.state(), State::Fetching);
    line.mostrar_advertencia(QStringLiteral("durante la consulta"), 1);  // over fetching
    expectWarning(QStringLiteral("durante la consulta"));

    line.expire();
    line.mostrar_alerta(QStringLiteral("pagar"), 1);
    line.mostrar_advertencia(QStringLiteral("sobre el recordatorio"), 2);  // over an alert
    expectWarning(QStringLiteral("sobre el recordatorio"));
    EXPECT_EQ(line.timerInterval(), 200);
    EXPECT_EQ(beeps, 5);

    // A fetch that starts and ends under a warning leaves it alone.
    const int before = changes;
    line.mostrar_mensaje();
    line.quitar_mensaje();
    expectWarning(QStringLiteral("sobre el recordatorio"));
    EXPECT_EQ(changes, before);
}

TEST_F(StatusLineTest, AlertOnlyFromAFreshLineAndArmsSeconds) {
    line.mostrar_alerta(QStringLiteral("vence el pago"), 4);
    EXPECT_EQ(line.state(), State::Alert);
    EXPECT_EQ(line.text(), QStringLiteral("RECORDAR: vence el pago"));
    EXPECT_EQ(line.background(), Colour::Default);
    EXPECT_EQ(line.gradientEnd(), Colour::Yellow);
    EXPECT_EQ(line.timerInterval(), 4000);
    EXPECT_EQ(beeps, 1);

    // A second reminder beeps but neither replaces the first nor re-arms.
    const int before = changes;
    line.mostrar_alerta(QStringLiteral("otra"), 9);
    EXPECT_EQ(line.text(), QStringLiteral("RECORDAR: vence el pago"));
    EXPECT_EQ(line.timerInterval(), 4000);
    EXPECT_EQ(beeps, 2);
    EXPECT_EQ(changes, before);
}

TEST_F(StatusLineTest, AlertAfterAWarningIsIgnoredUntilTheLineIsIdleAgain) {
    line.mostrar_advertencia(QStringLiteral("aviso"), 10);
    line.mostrar_alerta(QStringLiteral("recordatorio"), 3);
    expectWarning(QStringLiteral("aviso"));
    EXPECT_EQ(line.timerInterval(), 1000);
    EXPECT_EQ(beeps, 2);

    const int before = changes;
    line.expire();
    expectIdle();
    EXPECT_FALSE(line.timerActive());
    EXPECT_EQ(changes, before + 1);
    line.mostrar_alerta(QStringLiteral("recordatorio"), 3);
    EXPECT_EQ(line.state(), State::Alert);
    EXPECT_EQ(line.timerInterval(), 3000);
}

TEST_F(StatusLineTest, AlertOverFetchingKeepsTheHighlightUntilTheFetchEnds) {
    line.mostrar_mensaje();
    line.mostrar_alerta(QStringLiteral("cierre de mes"), 2);
    EXPECT_EQ(line.state(), State::Alert);
    EXPECT_EQ(line.background(), Colour::Highlight);
    EXPECT_EQ(line.gradientEnd(), Colour::Yellow);

    // The end of the fetch clears the text; the yellow end keeps reminders out
    // until the timer runs out.
    line.quitar_mensaje();
    EXPECT_TRUE(line.text().isEmpty());
    EXPECT_EQ(line.background(), Colour::Default);
    EXPECT_EQ(line.gradientEnd(), Colour::Yellow);
    line.mostrar_alerta(QStringLiteral("otra"), 2);
    EXPECT_TRUE(line.text().isEmpty());
    line.expire();
    expectIdle();
}

TEST_F(StatusLineTest, MisconfiguredDurationsStillArmTheTimerAndItReturnsToIdle) {
    line.mostrar_advertencia(QStringLiteral("negativa"), -5);
    EXPECT_TRUE(line.timerActive());
    EXPECT_EQ(line.timerInterval(), 0);
    line.expire();
    line.mostrar_alerta(QStringLiteral("enorme"), 100000000);
    EXPECT_TRUE(line.timerActive());
    EXPECT_GT(line.timerInterval(), 0);

    line.expire();
    line.mostrar_advertencia(QStringLiteral("breve"), 1);
    QElapsedTimer waited;
    waited.start();
    while (line.state() != State::Idle && waited.elapsed() < 5000) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    expectIdle();
    EXPECT_GE(waited.elapsed(), 90);
}
