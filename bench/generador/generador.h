#pragma once

#include <QDate>
#include <QString>
#include <cstdint>
#include <functional>
#include <optional>

namespace ledgrix::generador {

// Relative weights of the kinds of document; a kind with weight 0 is not
// generated. Returns and discounts need an invoice of the same supplier with
// room left: without one they become invoices.
struct Mezcla {
    double facturas = 84;     // 21
    double cargos = 6;        // 51
    double descuentos = 5;    // 52
    double devoluciones = 5;  // 24
};

// What to generate. Every document of a supplier falls in the three years up
// to `hasta`; the same parameters and seed give the same data.
struct Parametros {
    QString ubicacion;  // demo installation; created when missing
    int proveedores = 200;
    int documentosPorProveedor = 50;  // purchase invoices, returns, charges, discounts
    Mezcla mezcla;
    double partePagada = 0.6;    // share of debt documents a payment voucher settles (part or all)
    double parteAnulada = 0.02;  // share of documents stored annulled
    double parteExtranjera = 0.05;  // share of documents in dollars or euros
    std::uint64_t semilla = 20240601;
    QDate hasta = QDate::currentDate();
    int filasPorTransaccion = 20000;  // rows written between commits
    // Secondary indexes of the ledger and the document tables are switched
    // off while loading and rebuilt at the end (one sort each instead of a
    // random insert per row). The ledger itself is always kept by the
    // triggers, row by row.
    bool indicesDiferidos = true;
    // Lines of progress ("documentos 120000/1000000 ..."); none when empty.
    std::function<void(const QString&)> progreso;
};

struct Resumen {
    int proveedores = 0;
    int facturas = 0;      // 21
    int devoluciones = 0;  // 24
    int cargos = 0;        // 51
    int descuentos = 0;    // 52
    int anulados = 0;
    int extranjeros = 0;
    int egresos = 0;       // payment vouchers
    int lineasEgreso = 0;  // their document lines
    int documentosPagados = 0;
    double segundosCarga = 0;    // documents and vouchers
    double segundosIndices = 0;  // rebuilding the deferred indexes
    double segundosTotal = 0;    // including the demo installation when it was created
    int documentos() const { return facturas + devoluciones + cargos + descuentos; }
};

struct Resultado {
    bool ok = false;
    QString mensaje;  // the engine's text on failure
    Resumen resumen;
};

// "facturas=20,cargos=40,descuentos=40": the kinds named take those weights,
// the others none. Nullopt on an unknown kind, a negative weight or no weight.
std::optional<Mezcla> mezclaDeTexto(const QString& texto);

// Fills the demo company "001" of `ubicacion` (creating the installation
// first when it does not exist). The company must hold no generated data yet.
Resultado generar(const Parametros& p);

// The company database the generator fills: <ubicacion>/datos/001/ledgrix.fdb.
QString baseEmpresa(const QString& ubicacion);

}  // namespace ledgrix::generador
