#pragma once

#include <QDate>
#include <QString>
#include <QStringList>
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

    // The formats the panel offers: the banks' usual five in their usual
    // order, then any a technician added to the layout tables.
    QStringList formatos() const;

    // What the user reads once the file is written: where, how many
    // payments and for how much, so it can be checked against the bank's
    // portal before it is sent.
    static QString aviso(const Resumen& resumen);

    // The chosen path with ".txt" when the user gave no extension.
    static QString con_extension(const QString& ruta);

  private:
    Tfdm& dm_;
};

}  // namespace ledgrix
