#pragma once

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cstdio>

#include "bench/generador/generador.h"

namespace ledgrix::bench {

// The installation at `p.ubicacion`, generated with `p` on the first run
// (marked by the file "generada" beside its databases) and reused by the
// runs after it. False when it could not be generated (the reason printed).
inline bool base_generada(const generador::Parametros& p) {
    const QString listo = p.ubicacion + QStringLiteral("/generada");
    if (QFileInfo::exists(listo))
        return true;
    std::fprintf(stderr, "Generando %s (%d proveedores x %d documentos)...\n",
                 qPrintable(p.ubicacion), p.proveedores, p.documentosPorProveedor);
    if (QFileInfo::exists(p.ubicacion))
        QDir(p.ubicacion).removeRecursively();
    const generador::Resultado r = generador::generar(p);
    if (!r.ok) {
        std::fprintf(stderr, "No se pudo generar: %s\n", qPrintable(r.mensaje));
        return false;
    }
    QFile marca(listo);
    if (marca.open(QIODevice::WriteOnly))
        marca.write(QByteArray::number(r.resumen.segundosTotal) + " s\n");
    return true;
}

}  // namespace ledgrix::bench
