#pragma once

#include <QString>
#include <optional>

#include "core/money/currency.h"

#if __has_include("core/money/formato_numero.h")
#include "core/money/formato_numero.h"
#define LEDGRIX_FORMATO_NUMERO 1
#endif

namespace ledgrix::test {

// An amount, rate or percentage as the user types it into a box, read the
// way the windows read it: the installation's number format when the build
// has it, otherwise the plain decimal text Currency takes. nullopt: the box
// refuses the text, with `refusal` set to what the user is told.
inline std::optional<Currency> monto_tecleado(const QString& texto, QString* refusal) {
#ifdef LEDGRIX_FORMATO_NUMERO
    const FormatoNumero& f = FormatoNumero::instalacion();
    const std::optional<Currency> v = f.lea(texto);
    if (!v)
        *refusal = f.mensaje_invalido(texto);
#else
    const std::optional<Currency> v = Currency::parse(texto);
    if (!v)
        *refusal = QStringLiteral("Valor inválido: ") + texto;
#endif
    return v;
}

}  // namespace ledgrix::test
