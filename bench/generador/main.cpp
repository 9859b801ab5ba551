// ledgrix-generador: fills the demo company of a location with suppliers,
// payables documents and payment vouchers for volume tests.
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTextStream>
#include <cstdio>

#include "bench/generador/generador.h"

using namespace ledgrix::generador;

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("ledgrix-generador"));
    QCommandLineParser cl;
    cl.setApplicationDescription(QStringLiteral(
        "Llena la empresa 001 de una ubicación con proveedores, documentos por pagar y egresos.\n"
        "Crea la instalación de demostración cuando no existe."));
    cl.addHelpOption();
    cl.addPositionalArgument(QStringLiteral("ubicacion"),
                             QStringLiteral("Carpeta de la instalación."));
    const Parametros def;
    QCommandLineOption prov({QStringLiteral("p"), QStringLiteral("proveedores")},
                            QStringLiteral("Proveedores."), QStringLiteral("n"),
                            QString::number(def.proveedores));
    QCommandLineOption docs({QStringLiteral("d"), QStringLiteral("documentos")},
                            QStringLiteral("Documentos por proveedor."), QStringLiteral("n"),
                            QString::number(def.documentosPorProveedor));
    QCommandLineOption pagada(QStringLiteral("pagados"),
                              QStringLiteral("Parte de los documentos de débito pagada (0-1)."),
                              QStringLiteral("x"), QString::number(def.partePagada));
    QCommandLineOption anulada(QStringLiteral("anulados"),
                               QStringLiteral("Parte de documentos anulados (0-1)."),
                               QStringLiteral("x"), QString::number(def.parteAnulada));
    QCommandLineOption extranjera(QStringLiteral("extranjeros"),
                                  QStringLiteral("Parte de documentos en moneda extranjera (0-1)."),
                                  QStringLiteral("x"), QString::number(def.parteExtranjera));
    QCommandLineOption semilla(QStringLiteral("semilla"), QStringLiteral("Semilla aleatoria."),
                               QStringLiteral("n"), QString::number(def.semilla));
    QCommandLineOption hasta(QStringLiteral("hasta"),
                             QStringLiteral("Último día (aaaa-mm-dd); por omisión hoy."),
                             QStringLiteral("fecha"));
    QCommandLineOption mezcla(
        QStringLiteral("mezcla"),
        QStringLiteral("Pesos de las clases de documento, p. ej. "
                       "facturas=20,cargos=40,descuentos=40 (las no nombradas, 0)."),
        QStringLiteral("clase=peso,..."));
    QCommandLineOption lote(QStringLiteral("lote"), QStringLiteral("Filas por transacción."),
                            QStringLiteral("n"), QString::number(def.filasPorTransaccion));
    QCommandLineOption conIndices(
        QStringLiteral("con-indices"),
        QStringLiteral("Mantener activos todos los índices durante la carga."));
    cl.addOptions(
        {prov, docs, mezcla, pagada, anulada, extranjera, semilla, hasta, lote, conIndices});
    cl.process(app);
    if (cl.positionalArguments().size() != 1)
        cl.showHelp(2);

    Parametros p;
    p.ubicacion = cl.positionalArguments().first();
    bool ok = true;
    auto entero = [&](const QCommandLineOption& o) {
        bool b = false;
        const int v = cl.value(o).toInt(&b);
        ok = ok && b;
        return v;
    };
    auto parte = [&](const QCommandLineOption& o) {
        bool b = false;
        const double v = cl.value(o).toDouble(&b);
        ok = ok && b && v >= 0 && v <= 1;
        return v;
    };
    p.proveedores = entero(prov);
    p.documentosPorProveedor = entero(docs);
    p.partePagada = parte(pagada);
    p.parteAnulada = parte(anulada);
    p.parteExtranjera = parte(extranjera);
    p.semilla = cl.value(semilla).toULongLong(&ok);
    p.filasPorTransaccion = entero(lote);
    if (cl.isSet(hasta)) {
        p.hasta = QDate::fromString(cl.value(hasta), Qt::ISODate);
        ok = ok && p.hasta.isValid();
    }
    if (cl.isSet(mezcla)) {
        const auto m = mezclaDeTexto(cl.value(mezcla));
        ok = ok && m.has_value();
        if (m)
            p.mezcla = *m;
    }
    p.indicesDiferidos = !cl.isSet(conIndices);
    if (!ok) {
        std::fprintf(stderr, "Parámetros inválidos.\n");
        return 2;
    }
    p.progreso = [](const QString& linea) {
        std::printf("%s\n", qPrintable(linea));
        std::fflush(stdout);
    };

    const Resultado r = generar(p);
    if (!r.ok) {
        std::fprintf(stderr, "Error: %s\n", qPrintable(r.mensaje));
        return 1;
    }
    const Resumen& s = r.resumen;
    std::printf("Proveedores: %d\n", s.proveedores);
    std::printf(
        "Documentos: %d (facturas %d, devoluciones %d, cargos %d, descuentos %d; anulados %d, "
        "en moneda extranjera %d)\n",
        s.documentos(), s.facturas, s.devoluciones, s.cargos, s.descuentos, s.anulados,
        s.extranjeros);
    std::printf("Egresos: %d con %d líneas; documentos con pago: %d\n", s.egresos, s.lineasEgreso,
                s.documentosPagados);
    std::printf("Carga %.1f s, índices y estadísticas %.1f s, total %.1f s\n", s.segundosCarga,
                s.segundosIndices, s.segundosTotal);
    return 0;
}
