#pragma once

#include <QString>
#include <optional>
#include <utility>

namespace ledgrix {

class Tfdm;

// Sends a charge's electronic support document, or a discount's adjustment
// note, to the tax authority through the support-document component, and
// stores the code it answers. Runs when the document's print window opens:
// a document already sent, void, without credentials for its number or (a
// charge) with automatic sending off is left alone without a word; a failed
// sending is told and the document stays unsent, to be tried at the next
// opening.
class EnvioSoporte {
  public:
    explicit EnvioSoporte(Tfdm& dm);

    // Whether a code was stored.
    bool envie_cargo(qint64 id, const QString& prefijo, const QString& numero, bool anulado);

    // A discount on a supported document (a purchase invoice or charge
    // already sent) travels as its adjustment note.
    bool envie_descuento(qint64 id, const QString& prefijo, const QString& numero, bool anulado);

    // The credentials of the authorisation covering a charge's number;
    // nothing when either is empty.
    std::optional<std::pair<QString, QString>> credenciales_cargo(const QString& prefijo,
                                                                  const QString& numero) const;

  private:
    struct Envio {
        int tipo;
        qint64 id;
        QString prefijo, numero;
        std::pair<QString, QString> credenciales;
        QString tabla, codigo, llave;  // table, code column, id column
        QString error_linea;           // status other than 200/201
        QString error_sin_respuesta;   // no answer file
    };
    bool envie(const Envio& e);
    std::optional<std::pair<QString, QString>> credenciales(const QString& sql) const;

    Tfdm& dm_;
};

}  // namespace ledgrix
