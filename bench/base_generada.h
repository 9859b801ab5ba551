#pragma once

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cstdio>

#include "bench/generador/generador.h"

namespace ledgrix::bench {

// A fingerprint of the database scripts the installation is built from: a
// base generated before a procedure changed would measure the old one.
inline QByteArray huella_scripts() {
    QCryptographicHash h(QCryptographicHash::Sha1);
    for (const char* carpeta : {"general", "company", "company/data", "demo", "demo/general"}) {
        const QDir dir(QStringLiteral(LEDGRIX_DB_DIR "/") + QLatin1String(carpeta));
        for (const QString& nombre :
             dir.entryList({QStringLiteral("*.sql")}, QDir::Files, QDir::Name)) {
            QFile f(dir.filePath(nombre));
            if (f.open(QIODevice::ReadOnly))
                h.addData(f.readAll());
        }
    }
    return h.result().toHex();
}

// The installation at `p.ubicacion`, generated with `p` on the first run
// (marked by the file "generada" beside its databases, which keeps the
// scripts' fingerprint) and reused by the runs after it until a script
// changes. False when it could not be generated (the reason printed).
inline bool base_generada(const generador::Parametros& p) {
    const QString listo = p.ubicacion + QStringLiteral("/generada");
    const QByteArray huella = huella_scripts();
    {
        QFile marca(listo);
        if (marca.open(QIODevice::ReadOnly) && marca.readAll().contains(huella))
            return true;
    }
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
        marca.write(QByteArray::number(r.resumen.segundosTotal) + " s\n" + huella + "\n");
    return true;
}

// The base the payment benchmarks work on: 2,000 suppliers x 120 documents
// in local currency, a third of them paid, up to `hasta`.
inline generador::Parametros base_de_pagos(const QString& ubicacion, const QDate& hasta) {
    generador::Parametros p;
    p.ubicacion = ubicacion;
    p.proveedores = 2000;
    p.documentosPorProveedor = 120;
    p.partePagada = 0.3;
    p.parteExtranjera = 0;
    p.hasta = hasta;
    return p;
}

// The installation a benchmark that saves documents works on: LEDGRIX_BENCH_DB
// when set, else `p.ubicacion` generated with `p` on the first run. Answers
// a fresh copy of its company database (named after `sufijo`, next to the
// original) so that every run measures the same volume instead of one grown
// by the runs before; empty when it could not be had (the reason printed).
inline QString copia_de_trabajo(generador::Parametros p, const QString& sufijo) {
    const QString env = qEnvironmentVariable("LEDGRIX_BENCH_DB");
    if (!env.isEmpty())
        p.ubicacion = env;
    else if (!base_generada(p))
        return {};
    const QString original = generador::baseEmpresa(p.ubicacion);
    const QString copia = original + QLatin1Char('.') + sufijo;
    QFile::remove(copia);
    if (!QFile::copy(original, copia)) {
        std::fprintf(stderr, "No se pudo copiar %s\n", qPrintable(original));
        return {};
    }
    return copia;
}

}  // namespace ledgrix::bench
