#pragma once

#include <QString>
#include <functional>

#include "core/data/data_error.h"

class QObject;

namespace ledgrix {

class ClientDataset;
class Dialogs;
class Provider;

// Turns the English texts of the driver and of the data layer into the
// Spanish messages users read, logs every error and shows it.
class ErrorTranslator {
public:
    using TextFn = std::function<void(const QString&)>;
    using NameFn = std::function<QString(const QString& column)>;

    // `log` appends the error-log line, `warn` puts the status bar in its
    // warning state, `readableName` gives a column's name for people, and
    // `errorOccurred` is raised on the first error and never lowered here.
    ErrorTranslator(Dialogs& dialogs, TextFn log, TextFn warn, NameFn readableName, bool* errorOccurred);

    // Update-error handler of every provider; with no provider and no
    // dataset it reports a connection or unexpected error.
    void ManejarError(Provider* sender, ClientDataset* ds, ErrorResponse& response, UpdateKind kind,
                      const DataError& e);
    // Errors nothing else handled.
    void ENoManejada(QObject* sender, const QString& message);
    // Edit, post and delete errors of client datasets: the operation is
    // abandoned and the record keeps what the user typed.
    void ManejarClientError(ClientDataset& ds, const DataError& e, ErrorAction& action);

private:
    QString connectionText(const QString& m) const;
    QString providerText(const Provider& sender, const QString& m) const;
    QString clientText(const ClientDataset& ds, const QString& m) const;

    Dialogs& dialogs_;
    TextFn log_;
    TextFn warn_;
    NameFn readableName_;
    bool* errorOccurred_;
};

}  // namespace ledgrix
