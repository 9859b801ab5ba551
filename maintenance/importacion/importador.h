#pragma once

#include <QList>
#include <QString>

#include "maintenance/importacion/formato_importacion.h"

namespace ledgrix {
class Progreso;
class Tfdm;
}  // namespace ledgrix

namespace ledgrix::importacion {

// What a run left in the database and what to tell the user.
struct ResultadoImportacion {
    enum class Estado { Importado, Rechazado, Cancelado, SinArchivo, FalloBase };
    Estado estado = Estado::Importado;
    qint64 importados = 0;
    // Every refused line, in the file's order (Rechazado).
    QList<Rechazo> rechazos;
    QString mensaje;
    bool importado() const { return estado == Estado::Importado; }
};

// Brings a file of one kind into the company database, all or nothing: the
// whole file is read and checked first (each line, then what needs the
// database or the rest of the file: repeated keys, documents already
// stored, unknown suppliers, groups and currencies), and only a file with
// no refused line is written, in one unit of work with statements prepared
// once. A cancel, a refused line or a database failure leaves the database
// as it was.
class Importador {
  public:
    Importador(Tfdm& dm, Clase clase, FormatoArchivo formato, QList<ColumnaDato> columnas);

    ResultadoImportacion importe(const QString& ruta, Progreso& progreso);

  private:
    Tfdm& dm_;
    Clase clase_;
    FormatoArchivo formato_;
    QList<ColumnaDato> columnas_;
};

}  // namespace ledgrix::importacion
