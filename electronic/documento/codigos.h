#pragma once

// The codes the support document carries besides its data: its unique code
// (CUDS), the software security code and the geography codes the authority
// asks for.

#include <QString>

#include "electronic/documento/lectura.h"

namespace ledgrix::electronico {

QString sha384_hex(const QString& texto);

// The text whose SHA-384 is the CUDS, in this order and without separators:
//   NumDS   prefix + number without leading zeros ("SEDS984")
//   FecDS   issue date, yyyy-mm-dd
//   HorDS   issue time with the Colombian offset, hh:mm:ss-05:00
//   ValDS   value before taxes (sum of the lines)
//   CodImp  "01", the VAT
//   ValImp  the VAT
//   ValTol  total of the document (value + VAT)
//   NumSNO  supplier's NIT, without check digit
//   NITABS  company's NIT, without check digit
//   Software-PIN
//   TipoAmbiente  "1" production, "2" test
// Amounts with two decimals, '.' as decimal point, no thousands separator.
QString texto_cuds(const DatosDocumento& d, const QString& pin, const QString& ambiente);

// SHA-384 of software id + PIN + NumDS.
QString codigo_seguridad(const QString& software_id, const QString& pin, const QString& numero);

// Name of the department of a DANE city code (its first two digits); empty
// when unknown.
QString departamento(const QString& ciudad);

// ISO 3166 alpha-2 code and Spanish name of a country given by its numeric
// code (or already by its alpha-2 code); empty code when unknown.
struct Pais {
    QString codigo, nombre;
};
Pais pais(const QString& codigo);

}  // namespace ledgrix::electronico
