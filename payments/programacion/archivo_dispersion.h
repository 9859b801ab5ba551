#pragma once

#include <QDate>
#include <QString>
#include <optional>

#include "core/money/currency.h"

namespace ledgrix {

class Tfdm;

// The bank disbursement file of a stored payment schedule: the database
// composes every line in the bank's layout (ARCHIVO_BANCO_CXP), this writes
// them in order. The file appears whole or not at all, so a bank never
// receives half a batch and an older file of the same name survives a
// failure.
class ArchivoDispersion {
  public:
    explicit ArchivoDispersion(Tfdm& dm) : dm_(dm) {}

    // What the window tells the user once the file is written.
    struct Resumen {
        QString ruta;
        int pagos = 0;
        Currency total;
    };

    // Writes the file of schedule `id`; nullopt after the user was told why
    // (the database's refusal, or the file that could not be written).
    std::optional<Resumen> exporte(int id, const QDate& fecha_dispersion, const QString& secuencia,
                                   const QString& formato, const QString& ruta);

    // The chosen path with ".txt" when the user gave no extension.
    static QString con_extension(const QString& ruta);

  private:
    Tfdm& dm_;
};

}  // namespace ledgrix
