#pragma once

#include <QString>

namespace ledgrix {

class Field;
class Tfdm;

// Numbers are six-digit zero-filled texts (eight for type 31).
QString complete_numero(const QString& numero);
QString complete_numero_n(const QString& numero, int ancho);

// Whether a document of the type with that prefix and number exists; when it
// does, its id is kept in the type's found-document slot. An empty number
// answers true without asking the database.
bool existe_numero(Tfdm& dm, int tipo, const QString& prefijo, const QString& numero);

// The collision check of every document window, given the number proposed
// when the window was prepared and the number field of the document. True
// with a found id set: the caller opens that document for consultation.
bool valide_numero(Tfdm& dm, int tipo, const QString& prefijo, const QString& propuesto, Field& numero);

// Short name of a document type; empty when the type does not exist.
QString nombre_tipo(Tfdm& dm, int tipo);

// Prefix immediately followed by number of the document with that id.
QString num_documento(Tfdm& dm, int tipo, qint64 id);

// The same lookup written into two fields of the caller's record; left
// untouched when the document is not found or the type is unknown.
void numero_documento(Tfdm& dm, int tipo, qint64 id, Field& prefijo, Field& numero);

// Makes sure the default series "0000" exists and is active for a type.
void registre_prefijo(Tfdm& dm, int tipo);

}  // namespace ledgrix
