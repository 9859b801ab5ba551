#pragma once

// Reading of the payload blocks (format in docs/documento_soporte.md) into
// the data the UBL writer needs. Everything the blocks do not say right is
// refused here, with a Spanish reason, before any XML is written.

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

#include "electronic/documento/documento_soporte.h"

namespace ledgrix::electronico {

// Hundredths of the document's currency.
using Centavos = qint64;
std::optional<Centavos> lea_monto(const QString& texto);
QString texto_monto(Centavos valor);

struct Parte {             // supplier or issuer
    QString tipo_persona;  // "1" legal entity, "2" natural person
    QString tipo_id;       // the authority's code of the identification type
    QString nit, dv, nombre, direccion, ciudad, nombre_ciudad, pais;
    bool residente = true;
    QString correo, telefono, responsabilidades;
};

struct Linea {
    QString item, descripcion, cantidad;
    Centavos unitario = 0, valor = 0;
    bool con_iva = false;
    QString porcentaje;  // as written in the block
    Centavos iva = 0;
};

struct Impuesto {
    QString codigo, nombre, porcentaje;
    Centavos base = 0, valor = 0;
};

struct Autorizacion {
    QString numero, desde_fecha, hasta_fecha, prefijo, desde, hasta;
};

struct Referencia {  // the document an adjustment note adjusts
    QString tipo, prefijo, numero, cuds, fecha, concepto, descripcion;
};

struct Tasa {
    QString moneda, fecha;
    QString valor;
};

struct DatosDocumento {
    int tipo = 0;  // 51 support document, 52 adjustment note
    QString prefijo, numero, fecha, hora, vence, moneda, concepto;
    bool acumulado = false;
    Centavos subtotal = 0, iva = 0, total = 0;
    Parte proveedor, emisor;
    std::optional<Autorizacion> autorizacion;
    std::optional<Referencia> referencia;
    std::optional<Tasa> tasa;
    QString forma_pago, vence_pago, medio_pago;
    QList<Impuesto> impuestos;  // VAT ("01") first, then withholdings
    QList<Linea> lineas;

    // Prefix + number without leading zeros: the document's id before the
    // authority and its key before the program.
    QString numero_documento() const;
};

// Blocks glued with "%%" in one argument, split back. Fields are separated
// by `separador`, which contains "%%"; at each place the field separator is
// tried first, which is right because a block that carries data starts with
// its tag, never with an empty field.
QStringList separe_pegados(const QString& texto, const QString& separador);

std::optional<DatosDocumento> lea_bloques(const Bloques& bloques, QString* error);

}  // namespace ledgrix::electronico
