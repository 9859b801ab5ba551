#pragma once

#include <QDate>
#include <QList>
#include <QObject>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>

#include "core/config/config_store.h"
#include "core/money/currency.h"
#include "core/numeracion/encontrados.h"
#include "core/sql/runner.h"
#include "core/tfdm/login_context.h"

namespace ledgrix {

class ActivityLog;
class Clock;
class Dialogs;
class ErrorTranslator;
class StatusLine;

// A payables document one window picks for the window that opened it.
struct DocumentoSeleccionado {
    int tipo = 0;  // tido_cod
    qint64 id = 0;
    QString prefijo;
    QString numero;
    QString nombre;  // the supplier's
};

// The core data module: created first, lives for the whole run. Owns the two
// connections, the configuration copy, the login context, the logs, the
// status line and the error translation every window is wired to.
class Tfdm : public QObject {
    Q_OBJECT
  public:
    Tfdm(Dialogs& dialogs, const Clock& clock, QObject* parent = nullptr);
    ~Tfdm() override;

    Dialogs& dialogs() const { return dialogs_; }
    const Clock& clock() const { return clock_; }

    // Installation directory: logs and the files of the workstation live there.
    void setDirectorio(const QString& dir);
    const QString& directorio() const { return directorio_; }

    // Connection names of the company (`Ledgrix`) and general (`ConGeneral`)
    // databases. Unique per module instance so that tests can hold several.
    const QString& Ledgrix() const { return ledgrixName_; }
    const QString& ConGeneral() const { return generalName_; }
    QSqlDatabase ledgrix() const { return QSqlDatabase::database(ledgrixName_, false); }
    QSqlDatabase general() const { return QSqlDatabase::database(generalName_, false); }

    // Opens a connection with the login's values. A failure reaches the user
    // through the error translation and answers false.
    bool conecte_compania(const QString& database, const QString& user, const QString& password);
    bool conecte_general(const QString& database, const QString& user, const QString& password);
    void desconecte();

    // Statements on the company and general databases.
    const SqlRunner& sql() const { return companySql_; }
    const SqlRunner& sqlGeneral() const { return generalSql_; }

    // Configuration: read once at login, answered from memory.
    void cargue_configuracion();
    QString configuracion(const QString& modulo, const QString& categoria,
                          const QString& propiedad);
    // Whole-number value of a setting. A missing, empty or non-numeric value
    // is shown to the user by name and answers nullopt, so that the caller
    // leaves alone what the number would have decided.
    std::optional<int> entero_configurado(const QString& modulo, const QString& categoria,
                                          const QString& propiedad);
    // The same report, then `defecto`: only for callers not yet able to stop.
    int configuracion_entero(const QString& modulo, const QString& categoria,
                             const QString& propiedad, int defecto = 0);
    bool configuracion_si(const QString& modulo, const QString& categoria,
                          const QString& propiedad);

    // Period names 1..14 ("Enero".."Diciembre", "Ajustes", "Cierre").
    const QStringList& meses() const { return meses_; }
    QString nombre_mes(int periodo) const;
    static QString formato_fecha() { return QStringLiteral("yyyy/MM/dd"); }
    static constexpr int kPaquete = 1000;

    LoginContext ctx;
    // Documents found by the last number lookups, by kind.
    IdsEncontrados encontrados;
    // Documents chosen in a consultation of open documents, for the window
    // that opened it (emptied when the consultation opens).
    QList<DocumentoSeleccionado> documentos_seleccionados;
    // The document a consultation asks its own window, or its payments, to show.
    DocumentoSeleccionado documento_consultado;
    // Period a supplier's movement window opens with.
    QDate periodo_desde;
    QDate periodo_hasta;
    // Set by the error translation; stays set for the rest of the run.
    bool error_ocurrido = false;
    // While set, bulk reads do not show the fetching message.
    void set_busqueda_silenciosa(bool quiet);

    // Wires every provider and client dataset owned (at any depth) by `owner`
    // to the shared error translation, fetching message and packet size.
    void ConfigurarProviders(QObject* owner);

    ErrorTranslator& traductor() const { return *translator_; }
    StatusLine& estado() const { return *status_; }
    ActivityLog& bitacora() const { return *log_; }
    void MensajeRend(const QString& texto);
    void mostrar_advertencia(const QString& texto);
    void mostrar_alerta(const QString& texto);

    // Readable name of a database column for messages (NOMBRES_CAMPOS);
    // the column's own name when none is recorded.
    QString nombre_campo(const QString& columna) const;

    // Amount in words with the currency, fraction and closing words of the configuration.
    QString numero_a_letras(Currency monto);

  private:
    bool conecte(const QString& name, const QString& database, const QString& user,
                 const QString& password, const QString& opciones);
    void errorDeSentencia(const QString& message);
    int duracion_advertencias();

    Dialogs& dialogs_;
    const Clock& clock_;
    QString directorio_;
    QString ledgrixName_;
    QString generalName_;
    SqlRunner companySql_;
    SqlRunner generalSql_;
    ConfigStore config_;
    QStringList meses_;
    std::unique_ptr<ActivityLog> log_;
    std::unique_ptr<StatusLine> status_;
    std::unique_ptr<ErrorTranslator> translator_;
};

}  // namespace ledgrix
