#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTranslator>

#include "core/config/idioma.h"

using namespace ledgrix;

// The standard buttons of every question the program asks.
TEST(Idioma, StandardButtonsSpeakSpanishOnceQtsTranslationsAreInstalled) {
    QTranslator* traductor = instale_traducciones_qt(*qApp);
    ASSERT_NE(traductor, nullptr) << "qt6-translations-l10n is not installed";
    QMessageBox caja;
    caja.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    const auto texto = [&caja](QMessageBox::StandardButton b) {
        return caja.button(b)->text().remove(u'&');
    };
    EXPECT_EQ(texto(QMessageBox::Yes), QStringLiteral("Sí"));
    EXPECT_EQ(texto(QMessageBox::Cancel), QStringLiteral("Cancelar"));
    // The other tests of this program expect Qt as it comes.
    QCoreApplication::removeTranslator(traductor);
    delete traductor;
}
