#pragma once

#include <QStringList>

namespace ledgrix {
class SqlRunner;
}

namespace ledgrix::test {

// What must hold of the charges in a company database however their saves
// ended (stored, refused, interrupted by a crash), checked with SQL written
// independently of the triggers and procedures that maintain it. Each check
// answers the offending rows as readable lines; an empty list means sound.
struct ExigenciasCargos {
    // Every charge with an id carries its cost-centre rows adding up to its amount.
    bool centros = false;
    // Every stored charge has one balanced ledger voucher in both books.
    bool contabilizados = true;
};

// Numbers used twice in a series.
QStringList numeros_repetidos(const SqlRunner& sql);
// Ledger positions of charges and of everything charges settle: missing,
// worth other than the document, balance other than value less movements,
// or left behind by a document that is gone.
QStringList libro_descuadrado(const SqlRunner& sql);
// Pieces of a charge's save written without the rest: an application
// without its charge or its lines or its movements, a charge whose
// application is missing, cost-centre rows without their charge.
QStringList documentos_a_medias(const SqlRunner& sql, const ExigenciasCargos& e);
// Stored charges without a ledger voucher, vouchers of missing charges,
// vouchers whose debits and credits differ in either book.
QStringList contabilidad_incompleta(const SqlRunner& sql);

// All of the above.
QStringList problemas_cargos(const SqlRunner& sql, const ExigenciasCargos& e = {});

// The money of stored payment vouchers: a live bank line without exactly one
// live cheque or withdrawal of its number, or one the voucher does not point
// at; a bank document or a document handed on by a voucher that is gone or
// has no line naming it; a held document named by a live cash line and not
// handed on to that voucher; a box that checks its cash below zero.
QStringList medios_de_pago_descuadrados(const SqlRunner& sql);

}  // namespace ledgrix::test
