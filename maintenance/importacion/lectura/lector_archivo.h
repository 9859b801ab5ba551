#pragma once

#include <QByteArray>
#include <QFile>
#include <QIODevice>
#include <QList>
#include <QString>
#include <QStringDecoder>
#include <memory>
#include <optional>
#include <variant>

#include "maintenance/importacion/formato_importacion.h"

namespace ledgrix::importacion {

// Reads an import file line by line and cuts each line into its columns, as
// the user described the file. A line that cannot be a record (too long, not
// in the chosen encoding, control characters, too many columns, an unclosed
// text delimiter) comes back as a refusal with its line number; empty lines
// and the header line are skipped. The whole file is never held in memory.
class LectorArchivo {
  public:
    // Longest line taken, in bytes; the rest of a longer line is skipped
    // without being kept.
    static constexpr qint64 kLargoMaximo = 8192;
    // Most columns a line may have.
    static constexpr int kColumnasMaximas = 50;

    LectorArchivo(FormatoArchivo formato, QList<ColumnaDato> columnas);
    ~LectorArchivo();
    LectorArchivo(const LectorArchivo&) = delete;
    LectorArchivo& operator=(const LectorArchivo&) = delete;

    // False when the file cannot be opened; error() says so.
    bool abra(const QString& ruta);
    // Reads an open device the caller keeps alive.
    bool abra(QIODevice* dispositivo);
    QString error() const { return error_; }

    // The next line, or nullopt at the end of the file.
    std::optional<std::variant<Linea, Rechazo>> siguiente();

    // Progress through the file: hundredths of its size, or fifths for a file
    // under 100 bytes (0, 20, ... 100).
    int porcentaje() const;
    qint64 bytes_leidos() const { return leidos_; }
    qint64 tamano() const { return tamano_; }
    // Lines skipped because they were empty or the header.
    qint64 omitidas() const { return omitidas_; }

    // The first lines of a file as they would be read, for the wizard to show
    // before importing; refused lines are left out.
    static QList<Linea> vista_previa(const QString& ruta, const FormatoArchivo& formato,
                                     const QList<ColumnaDato>& columnas, int lineas = 10);

  private:
    struct LineaCruda;
    bool llene_bloque();
    bool lea_cruda(LineaCruda& cruda);
    std::variant<Linea, Rechazo> corte(const LineaCruda& cruda);

    FormatoArchivo formato_;
    QList<ColumnaDato> columnas_;
    std::unique_ptr<QFile> archivo_;
    QIODevice* dispositivo_ = nullptr;
    QString error_;
    qint64 tamano_ = 0;
    qint64 leidos_ = 0;
    qint64 numero_ = 0;
    qint64 omitidas_ = 0;
    QStringDecoder decodificador_;
    bool utf8_ = false;
    QByteArray bloque_;
    qsizetype pos_ = 0;
    bool fin_ = false;
    bool encabezado_pendiente_ = false;
    bool cr_pendiente_ = false;
};

}  // namespace ledgrix::importacion
