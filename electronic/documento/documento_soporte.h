#pragma once

#include <QByteArray>
#include <QString>

#include "electronic/componente.h"

namespace ledgrix::electronico {

// The payload blocks as the program hands them to EnviarCustom (arguments
// 4 to 13, and 15: the separator between the fields of a block).
struct Bloques {
    QString cliente, encabezado, anticipos, condiciones_pago, entrega, impuestos, pago, trm,
        extra, detalle;
    QString separador;
};

// A support document (or its adjustment note) ready to be signed.
struct Documento {
    bool valido = false;
    QString error;   // in Spanish: why the blocks could not make a document
    bool nota = false;  // adjustment note: UBL CreditNote type 95
    QString clave;   // prefix + number without leading zeros
    QString cuds;
    QString texto_qr;
    // UBL 2.1, unsigned; the second ext:UBLExtension's ext:ExtensionContent
    // is left empty for the signature.
    QByteArray xml;
};

Documento construya_documento(const Bloques& bloques, const Configuracion& configuracion);

}  // namespace ledgrix::electronico
