#include <gtest/gtest.h>

#include "core/data/client_dataset.h"
#include "core/data/provider.h"
#include "core/errors/error_translator.h"
#include "data_recording_dialogs.h"

using namespace ledgrix;

namespace {

class TranslatorTextTest : public ::testing::Test {
protected:
    TranslatorTextTest()
        : dialogs(events),
          translator(dialogs, [this](const QString& m) { events << QStringLiteral("log: ") + m; }, nullptr, nullptr,
                     &errorOccurred) {}

    QString shownFor(const QString& message) {
        events.clear();
        translator.ENoManejada(nullptr, message);
        return events.filter(QStringLiteral("error: ")).join(u'|').mid(7);
    }

    QStringList events;
    test::RecordingDialogs dialogs;
    bool errorOccurred = false;
    ErrorTranslator translator;
};

TEST_F(TranslatorTextTest, ConnectionFailures) {
    EXPECT_EQ(shownFor(QStringLiteral("dbExpress Error: Your user name and password are not defined. Ask your database administrator")),
              QStringLiteral("El nombre de Usuario o la clave son incorrectas."));
    EXPECT_EQ(shownFor(QStringLiteral("dbExpress Error: I/O error for file \"C:\\datos\\ledgrix.fdb\" - Error while trying to open file")),
              QStringLiteral("No se encontró el archivo o la ruta C:\\datos\\ledgrix.fdb"));
    EXPECT_EQ(shownFor(QStringLiteral("dbExpress Error: Unable to complete network request to host \"srv01\". - Failed to locate host")),
              QStringLiteral("No se encontró el equipo servidor con nombre srv01"));
    const QString server = QStringLiteral("No se encontró el servidor Interbase/Firebird. Verifique Servidor en panel de control y puerto TCP 3050.");
    EXPECT_EQ(shownFor(QStringLiteral("dbExpress Error: Connection failed")), server);
    EXPECT_EQ(shownFor(QStringLiteral("dbExpress Error: Failed to establish a connection.")), server);
    EXPECT_EQ(shownFor(QStringLiteral("dbExpress Error: deadlock")), QStringLiteral("Se presento el siguiente error: dbExpress Error: deadlock"));
    EXPECT_EQ(shownFor(QStringLiteral("Connection failed")), QStringLiteral("Se presento el siguiente error: Connection failed"));
    EXPECT_EQ(events.first(), QStringLiteral("log: Connection failed"));
    EXPECT_TRUE(errorOccurred);
}

TEST_F(TranslatorTextTest, TheMailComponentsNormalEndIsNoError) {
    EXPECT_EQ(shownFor(QStringLiteral("Connection Closed Gracefully.")), QString());
    EXPECT_TRUE(events.isEmpty());
    EXPECT_FALSE(errorOccurred);
}

TEST_F(TranslatorTextTest, ProviderMessagesWithoutAKnownViolationShowUnchanged) {
    Provider provider(nullptr, QStringLiteral("PPrefijos"));
    provider.setQueryName(QStringLiteral("TPrefijos"));
    ClientDataset ds(nullptr, QStringLiteral("CPrefijos"));
    ErrorResponse response = ErrorResponse::Skip;
    translator.ManejarError(&provider, &ds, response, UpdateKind::Insert, {QStringLiteral("Lock conflict"), {}});
    EXPECT_EQ(events.last(), QStringLiteral("error: Lock conflict"));
    EXPECT_EQ(response, ErrorResponse::Abort);
    translator.ManejarError(&provider, &ds, response, UpdateKind::Insert,
                            {Provider::kWritePrefix + QStringLiteral("violation of PRIMARY or UNIQUE KEY constraint"), {}});
    EXPECT_EQ(events.last(), QStringLiteral("error: Ya existe el registro en la tabla Prefijos"));
    ErrorAction action = ErrorAction::Fail;
    translator.ManejarClientError(ds, {QStringLiteral("Cannot delete master record with details"), {}}, action);
    EXPECT_EQ(events.last(), QStringLiteral("error: Error. Borre antes los detalles dependientes del registro."));
    EXPECT_EQ(action, ErrorAction::Abort);
}

}  // namespace
