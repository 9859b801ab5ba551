#pragma once

// The support-document component. The program calls it exactly as it would
// call an outside provider's library: two calls with plain text arguments,
// answers written as text files ("|"-separated fields) in the answer folder.
//
// Send answer, one line per attempt:
//   field 0  "01"
//   field 1  status: "200" accepted, "201" accepted earlier (already known
//            to the authority), anything else an error code
//   field 2  the document key the answer is about: prefix + number without
//            leading zeros
//   field 3  the electronic document's code (the CUDS) when accepted; the
//            reason otherwise
// Status answer ("hkafact21fresult.txt" in the answer folder):
//   "01|200|<state 0 waiting, 1 approved, 2 rejected, 3 implicitly approved>|
//    <key>|<text>|<date>|<code>|<...>|<...>|<...>|<valid: 1, or 0 when the
//    authority rejected it>"   (fields 0, 1, 2, 4, 6, 10 are the ones read)
//   "01B|<n>|<e-mail address>|<date>|<e-mail state>" one per e-mail event.
//
// Inside, the component builds the UBL 2.1 document (Invoice type 05 for a
// support document, CreditNote type 95 for its adjustment note) from the
// payload blocks, computes its CUDS, signs it (XAdES-EPES), packs it in a
// ZIP and sends it over HTTPS (SOAP). It never blocks longer than the
// configured timeout.

#include <QString>

namespace ledgrix::electronico {

// What the installation tells the component once before its calls; the
// program reads it from its configuration.
struct Configuracion {
    QString carpeta_respuestas;   // folder of the answer files
    QString ambiente = QStringLiteral("2");  // "1" production, "2" test
    QString software_id;
    QString pin;                  // software PIN
    QString certificado;          // PKCS#12 file of the issuer
    QString clave_certificado;    // never logged
    QString ca_servicio;          // CA file to verify the service; empty: the system's
    int segundos_espera = 30;     // connection + answer timeout
};

void configure(const Configuracion& configuracion);
const Configuracion& configuracion();

}  // namespace ledgrix::electronico

extern "C" {

// The arguments in order: service address, company token, password token,
// the payload blocks (client; header; advances %% authorised %% discounts;
// payment terms; delivery; taxes; payment %% order; exchange rate; extra;
// lines), "0", the block separator, the answer file name, 1.
int EnviarCustom(const char* url, const char* token_empresa, const char* token_clave,
                 const char* cliente, const char* encabezado, const char* anticipos,
                 const char* condiciones_pago, const char* entrega, const char* impuestos,
                 const char* pago, const char* trm, const char* extra, const char* detalle,
                 const char* cero, const char* separador, const char* archivo_respuesta, int uno);

// Status of a sent document: service address, tokens, document key (prefix +
// number without leading zeros), "" and 1. Answers in "hkafact21fresult.txt".
int EstadoDocumento(const char* url, const char* token_empresa, const char* token_clave,
                    const char* clave_documento, const char* vacio, int uno);
}
