#include "core/tfdm/tfdm.h"

#include <QSqlError>
#include <QSqlQuery>
#include <atomic>

#include "core/data/configurar.h"
#include "core/errors/error_translator.h"
#include "core/log/activity_log.h"
#include "core/services/clock.h"
#include "core/services/dialogs.h"
#include "core/services/installation.h"
#include "core/sql/sqltext.h"
#include "core/status/status_line.h"
#include "core/words/numero_a_letras.h"

namespace ledgrix {
namespace {

QString siguienteSufijo() {
    static std::atomic<int> n{0};
    const int k = n++;
    return k == 0 ? QString() : QStringLiteral("#") + QString::number(k);
}

}  // namespace

Tfdm::Tfdm(Dialogs& dialogs, const Clock& clock, QObject* parent)
    : QObject(parent),
      dialogs_(dialogs),
      clock_(clock),
      ledgrixName_(QStringLiteral("Ledgrix") + siguienteSufijo()),
      generalName_(QStringLiteral("ConGeneral") + ledgrixName_.mid(7)),
      companySql_(ledgrixName_, [this](const QString& m) { errorDeSentencia(m); }),
      generalSql_(generalName_, [this](const QString& m) { errorDeSentencia(m); }) {
    setObjectName(QStringLiteral("fdm"));
    meses_ = {QStringLiteral("Enero"),   QStringLiteral("Febrero"),   QStringLiteral("Marzo"),
              QStringLiteral("Abril"),   QStringLiteral("Mayo"),      QStringLiteral("Junio"),
              QStringLiteral("Julio"),   QStringLiteral("Agosto"),    QStringLiteral("Septiembre"),
              QStringLiteral("Octubre"), QStringLiteral("Noviembre"), QStringLiteral("Diciembre"),
              QStringLiteral("Ajustes"), QStringLiteral("Cierre")};
    QSqlDatabase::addDatabase(QStringLiteral("QIBASE"), ledgrixName_);
    QSqlDatabase::addDatabase(QStringLiteral("QIBASE"), generalName_);

    log_ = std::make_unique<ActivityLog>(directorio_, clock_, [this] { return ctx.usuario; });
    status_ = std::make_unique<StatusLine>([this] { dialogs_.beep(); });
    translator_ = std::make_unique<ErrorTranslator>(
        dialogs_, [this](const QString& m) { log_->error(m); },
        [this](const QString& t) { mostrar_advertencia(t); },
        [this](const QString& column) { return nombre_campo(column); }, &error_ocurrido);
}

Tfdm::~Tfdm() {
    desconecte();
    QSqlDatabase::removeDatabase(ledgrixName_);
    QSqlDatabase::removeDatabase(generalName_);
}

void Tfdm::setDirectorio(const QString& dir) {
    directorio_ = dir;
    // Amounts are read and shown the installation's way from here on.
    FormatoNumero::instale(instalacion::formato_numeros(dir));
    log_ = std::make_unique<ActivityLog>(directorio_, clock_, [this] { return ctx.usuario; });
}

bool Tfdm::conecte(const QString& name, const QString& database, const QString& user,
                   const QString& password, const QString& opciones) {
    QSqlDatabase db = QSqlDatabase::database(name, false);
    db.close();
    // A location "host:folder" goes to a server; a plain path opens the
    // database in this process (the embedded engine).
    db.setDatabaseName(database);
    db.setUserName(user);
    db.setPassword(password);
    db.setConnectOptions(opciones);
    if (db.open())
        return true;
    traductor().ENoManejada(this,
                            QStringLiteral("dbExpress Error: ") + db.lastError().databaseText());
    return false;
}

// The character set is asked for as the company database is defined. Qt 6's
// Firebird driver attaches in UTF8 whatever is asked (see docs/architecture.md),
// so today the server converts to and from ISO8859_1 column by column.
bool Tfdm::conecte_compania(const QString& database, const QString& user, const QString& password) {
    return conecte(ledgrixName_, database, user, password,
                   QStringLiteral("ISC_DPB_LC_CTYPE=ISO8859_1"));
}

bool Tfdm::conecte_general(const QString& database, const QString& user, const QString& password) {
    return conecte(generalName_, database, user, password, {});
}

void Tfdm::desconecte() {
    QSqlDatabase::database(ledgrixName_, false).close();
    QSqlDatabase::database(generalName_, false).close();
}

void Tfdm::errorDeSentencia(const QString& message) {
    traductor().ENoManejada(this, message);
}

void Tfdm::cargue_configuracion() {
    QString error;
    if (!config_.load(ledgrix(), &error))
        errorDeSentencia(error);
}

QString Tfdm::configuracion(const QString& modulo, const QString& categoria,
                            const QString& propiedad) {
    const auto v = config_.value(modulo, categoria, propiedad);
    if (!v) {
        dialogs_.error(QStringLiteral("No se encontró la configuración ") + propiedad);
        return {};
    }
    return *v;
}

std::optional<int> Tfdm::entero_configurado(const QString& modulo, const QString& categoria,
                                            const QString& propiedad) {
    QString error;
    const std::optional<int> n = config_.integer(modulo, categoria, propiedad, &error);
    if (!n)
        dialogs_.error(error);
    return n;
}

int Tfdm::configuracion_entero(const QString& modulo, const QString& categoria,
                               const QString& propiedad, int defecto) {
    return entero_configurado(modulo, categoria, propiedad).value_or(defecto);
}

bool Tfdm::configuracion_si(const QString& modulo, const QString& categoria,
                            const QString& propiedad) {
    return configuracion(modulo, categoria, propiedad) == QStringLiteral("SI");
}

QString Tfdm::nombre_mes(int periodo) const {
    return periodo >= 1 && periodo <= meses_.size() ? meses_[periodo - 1] : QString();
}

void Tfdm::set_busqueda_silenciosa(bool quiet) {
    status_->setQuietFetch(quiet);
}

void Tfdm::ConfigurarProviders(QObject* owner) {
    DataHandlers h;
    h.updateError = [this](Provider& sender, ClientDataset& ds, UpdateKind kind, const DataError& e,
                           ErrorResponse& response) {
        traductor().ManejarError(&sender, &ds, response, kind, e);
    };
    h.clientError = [this](ClientDataset& ds, const DataError& e, ErrorAction& action) {
        traductor().ManejarClientError(ds, e, action);
    };
    h.beforeFetch = [this](ClientDataset&) { status_->mostrar_mensaje(); };
    h.afterFetch = [this](ClientDataset&) { status_->quitar_mensaje(); };
    h.packetSize = kPaquete;
    configurarProviders(owner, h);
}

void Tfdm::MensajeRend(const QString& texto) {
    log_->MensajeRend(texto);
}

// Without a configured duration the user is told which setting is wrong and
// the warning clears at once.
int Tfdm::duracion_advertencias() {
    return entero_configurado(QStringLiteral("GENERAL"), QStringLiteral("GENERAL"),
                              QStringLiteral("DURACION DE LAS ADVERTENCIAS"))
        .value_or(0);
}

void Tfdm::mostrar_advertencia(const QString& texto) {
    status_->mostrar_advertencia(texto, duracion_advertencias());
}

void Tfdm::mostrar_alerta(const QString& texto) {
    status_->mostrar_alerta(texto, duracion_advertencias());
}

QString Tfdm::nombre_campo(const QString& columna) const {
    // Asked while an error is being reported: a failure here must not raise another.
    QSqlDatabase db = ledgrix();
    if (!db.isOpen())
        return columna;
    QSqlQuery q(db);
    if (q.exec(QStringLiteral("select DESCRIPCION from NOMBRES_CAMPOS where NOMBRE = ") +
               sql::quoted(columna)) &&
        q.next() && !q.value(0).toString().isEmpty())
        return q.value(0).toString();
    return columna;
}

QString Tfdm::numero_a_letras(Currency monto) {
    if (monto <= Currency())
        return {};
    const QString g = QStringLiteral("GENERAL");
    const QString moneda =
        configuracion(g, g, QStringLiteral("NOMBRE DE LA MONEDA A USAR EN LOS MONTOS EN LETRAS"));
    const QString fraccion =
        configuracion(g, g, QStringLiteral("FRACCION DE MONEDA EN MONTOS EN LETRAS"));
    const QString final =
        configuracion(g, g, QStringLiteral("FINAL DE LA CADENA DE MONTOS EN LETRAS"));
    return ledgrix::numero_a_letras(monto, moneda, fraccion, final);
}

}  // namespace ledgrix
