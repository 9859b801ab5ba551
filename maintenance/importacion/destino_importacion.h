#pragma once

#include <QHash>
#include <QSqlDatabase>
#include <QString>
#include <memory>

#include "maintenance/importacion/formato_importacion.h"

namespace ledgrix {
class Tfdm;
}

namespace ledgrix::importacion {

// Where the records of one kind of file go. The import runs a file twice
// through its kind: first every record is checked against the database and
// the rest of the file (`revise`), then, only when no line was refused, the
// same records are written in one unit of work (`escriba`).
class DestinoImportacion {
  public:
    virtual ~DestinoImportacion() = default;

    // Loads once what the checks compare against: the keys already stored.
    // False with `error()` when the database could not answer.
    virtual bool cargue(const QSqlDatabase& db) = 0;
    // Why the record cannot be imported; empty when it can. Remembers the
    // record's keys so that a later line repeating them is refused.
    virtual QString revise(const Registro& r) = 0;
    // Prepares the statements of the write, inside the unit of work.
    virtual bool prepare(const QSqlDatabase& db) = 0;
    // Writes one checked record; false with `error()` when the database
    // refused it.
    virtual bool escriba(const Registro& r) = 0;
    // What the progress line shows while the record is written.
    virtual QString avance(const Registro& r) const = 0;

    QString error() const { return error_; }

  protected:
    // Whether a key was already met in the file: the reason naming both
    // lines, built from `que` ("El NIT 900123456"), or empty the first time.
    QString repetida(const QString& clave, const QString& que, qint64 linea);
    bool falle(const QString& error) {
        error_ = error;
        return false;
    }

  private:
    QHash<QString, qint64> vistas_;
    QString error_;
};

// The destination of a kind of file; `usuario` signs what is written.
std::unique_ptr<DestinoImportacion> destino_de(Clase clase, const QString& usuario,
                                               const QList<ColumnaDato>& columnas);

}  // namespace ledgrix::importacion
