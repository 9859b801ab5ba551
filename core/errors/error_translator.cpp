#include "core/errors/error_translator.h"

#include <QRegularExpression>

#include "core/data/client_dataset.h"
#include "core/data/provider.h"
#include "core/services/dialogs.h"

namespace ledgrix {

namespace {

// The text between the first double quote at or after `from` and the next one.
QString quotedAfter(const QString& m, qsizetype from) {
    const qsizetype open = m.indexOf(u'"', from);
    if (open < 0) return {};
    const qsizetype close = m.indexOf(u'"', open + 1);
    return close < 0 ? m.mid(open + 1) : m.mid(open + 1, close - open - 1);
}

// The database's own refusals (exceptions its triggers and procedures raise)
// are written for the user; the driver wraps them as
// "exception 11 - E_NAME - <text> - At procedure 'X' line: ...".
QString databaseRefusal(const QString& m) {
    static const QRegularExpression re(
        QStringLiteral("exception \\d+ - [A-Za-z0-9_$]+ - (.*?)(?: - At (?:block|procedure|"
                       "trigger|function)\\b.*)?$"),
        QRegularExpression::DotMatchesEverythingOption);
    const QRegularExpressionMatch match = re.match(m);
    return match.hasMatch() ? match.captured(1).trimmed() : QString();
}

// Another station changed the row and committed while this transaction
// waited on it (transactions wait and see a snapshot). Nothing was written;
// the user can try again, which starts a fresh transaction.
bool lockConflict(const QString& m) {
    return m.contains(QLatin1String("update conflicts with concurrent update"));
}

}  // namespace

ErrorTranslator::ErrorTranslator(Dialogs& dialogs, TextFn log, TextFn warn, NameFn readableName,
                                 bool* errorOccurred)
    : dialogs_(dialogs),
      log_(std::move(log)),
      warn_(std::move(warn)),
      readableName_(std::move(readableName)),
      errorOccurred_(errorOccurred) {}

void ErrorTranslator::ManejarError(Provider* sender, ClientDataset* ds, ErrorResponse& response,
                                   UpdateKind, const DataError& e) {
    const QString& m = e.message;
    // The mail component ends every connection this way; it is no error.
    if (m == QLatin1String("Connection Closed Gracefully.")) return;
    if (log_) log_(m);
    if (errorOccurred_) *errorOccurred_ = true;
    response = ErrorResponse::Abort;
    QString text = databaseRefusal(m);
    if (text.isEmpty() && lockConflict(m))
        text = QStringLiteral(
            "Otro usuario está modificando este registro en este momento. Espere a que termine "
            "e intente de nuevo.");
    if (text.isEmpty())
        text = !ds ? connectionText(m) : sender ? providerText(*sender, m) : clientText(*ds, m);
    dialogs_.beep();
    dialogs_.error(text);
}

QString ErrorTranslator::connectionText(const QString& m) const {
    const QString other = QStringLiteral("Se presento el siguiente error: ") + m;
    if (!m.startsWith(QLatin1String("dbExpress"))) return other;
    if (m.contains(QLatin1String("Your user name and password are not defined")))
        return QStringLiteral("El nombre de Usuario o la clave son incorrectas.");
    // Firebird 3 says: I/O error during "open" operation for file "/x/y.fdb".
    if (m.contains(QLatin1String("I/O error")) && m.contains(QLatin1String("for file")))
        return QStringLiteral("No se encontró el archivo o la ruta ") +
               quotedAfter(m, m.indexOf(QLatin1String("for file")));
    if (m.contains(QLatin1String("Unable to complete network request")))
        return QStringLiteral("No se encontró el equipo servidor con nombre ") + quotedAfter(m, 0);
    if (m.contains(QLatin1String("Connection failed")) ||
        m.contains(QLatin1String("Failed to establish a connection")))
        return QStringLiteral(
            "No se encontró el servidor Interbase/Firebird. Verifique Servidor en panel de control y "
            "puerto TCP 3050.");
    return other;
}

QString ErrorTranslator::providerText(const Provider& sender, const QString& m) const {
    // The driver's text follows the write-error prefix.
    const QString t = m.mid(Provider::kWritePrefix.size(), 20);
    const QString table = sender.queryName().mid(1);
    if (t == QLatin1String("violation of PRIMARY"))
        return QStringLiteral("Ya existe el registro en la tabla ") + table;
    if (t == QLatin1String("violation of FOREIGN"))
        return QStringLiteral("Está borrando o insertando un registro en la tabla ") + table +
               QStringLiteral(" que tiene una relación con otra tabla.");
    return m;
}

QString ErrorTranslator::clientText(const ClientDataset& ds, const QString& m) const {
    if (warn_) warn_(ds.objectName() + QStringLiteral(": ") + m);
    auto name = [this](const QString& column) { return readableName_ ? readableName_(column) : column; };
    if (m.left(30) == QLatin1String("Cannot delete master record wi"))
        return QStringLiteral("Error. Borre antes los detalles dependientes del registro.");
    if (m.startsWith(QLatin1String("Fie"))) {
        QString list;
        for (const Field* f : ds.fields())
            if (f->required() && f->isNull()) list += name(f->name()) + QStringLiteral(", ");
        return QStringLiteral("Los campos ") + list + QStringLiteral(" son obligatorios.");
    }
    if (m.startsWith(QLatin1String("Characters not allowed|"))) {
        const QStringList partes = m.split(u'|');
        QString visibles;
        for (const QChar c : partes.value(2))
            visibles += c.unicode() < 0x20 ? QStringLiteral("(control %1)").arg(c.unicode()) : QString(c);
        return QStringLiteral("El campo ") + name(partes.value(1)) +
               QStringLiteral(" tiene caracteres que no se pueden guardar: ") + visibles +
               QStringLiteral(". Cámbielos e intente de nuevo.");
    }
    if (m.startsWith(QLatin1String("Too long|"))) {
        const QStringList partes = m.split(u'|');
        return QStringLiteral("El campo ") + name(partes.value(1)) + QStringLiteral(" admite hasta ") +
               partes.value(2) + QStringLiteral(" caracteres y tiene ") + partes.value(3) + u'.';
    }
    if (m.startsWith(QLatin1String("Too large|")))
        return QStringLiteral("El valor del campo ") + name(m.section(u'|', 1, 1)) +
               QStringLiteral(" es demasiado grande.");
    if (m.startsWith(QLatin1String("key"), Qt::CaseInsensitive)) {
        QString list;
        for (const QString& column : ds.indexFields()) list += name(column) + u' ';
        return QStringLiteral("Ya existe un registro con el mismo ") + list;
    }
    return m;
}

void ErrorTranslator::ENoManejada(QObject*, const QString& message) {
    ErrorResponse response = ErrorResponse::Abort;
    ManejarError(nullptr, nullptr, response, UpdateKind::Modify, DataError{message, {}});
}

void ErrorTranslator::ManejarClientError(ClientDataset& ds, const DataError& e, ErrorAction& action) {
    ErrorResponse response = ErrorResponse::Abort;
    ManejarError(nullptr, &ds, response, UpdateKind::Modify, e);
    action = ErrorAction::Abort;
}

}  // namespace ledgrix
