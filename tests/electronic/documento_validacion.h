#pragma once

// Checks of a built document against the official UBL 2.1 schemas with
// xmllint, and hashes computed by openssl: both outside our code.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>

namespace ledgrix::test {

inline QString carpeta_ubl() {
    const QByteArray v = qgetenv("LEDGRIX_UBL_XSD");
    // The official schemas sit beside the repository, in the shared folder.
    return v.isEmpty() ? QStringLiteral(LEDGRIX_DB_DIR "/../../shared/xsd/ubl-2.1")
                       : QString::fromLocal8Bit(v);
}

inline bool hay_esquemas() {
    return QFile::exists(carpeta_ubl() + QStringLiteral("/maindoc/UBL-Invoice-2.1.xsd"));
}

// The signer fills the empty extension with its signature; the schema
// demands one element there, so a stand-in takes its place.
inline QByteArray con_firma_simulada(QByteArray xml) {
    const QByteArray vacio("<ext:ExtensionContent></ext:ExtensionContent>");
    if (xml.count(vacio) != 1)
        return {};
    return xml.replace(vacio,
                       "<ext:ExtensionContent><firma xmlns=\"urn:ledgrix:prueba\"/>"
                       "</ext:ExtensionContent>");
}

// xmllint's verdict: empty when the document is valid against its schema.
inline QString errores_esquema(const QByteArray& xml, bool nota) {
    QTemporaryDir dir;
    const QString ruta = dir.filePath(QStringLiteral("documento.xml"));
    QFile f(ruta);
    if (!f.open(QIODevice::WriteOnly) || f.write(xml) != xml.size())
        return QStringLiteral("no se pudo escribir el documento");
    f.close();
    QProcess p;
    p.start(QStringLiteral("xmllint"),
            {QStringLiteral("--noout"), QStringLiteral("--schema"),
             carpeta_ubl() + (nota ? QStringLiteral("/maindoc/UBL-CreditNote-2.1.xsd")
                                   : QStringLiteral("/maindoc/UBL-Invoice-2.1.xsd")),
             ruta});
    if (!p.waitForFinished(60000))
        return QStringLiteral("xmllint no terminó");
    const QString salida = QString::fromLocal8Bit(p.readAllStandardError());
    return p.exitCode() == 0 ? QString() : salida;
}

inline QString sha384_openssl(const QByteArray& texto) {
    QProcess p;
    p.start(QStringLiteral("openssl"),
            {QStringLiteral("dgst"), QStringLiteral("-sha384"), QStringLiteral("-r")});
    p.write(texto);
    p.closeWriteChannel();
    p.waitForFinished(30000);
    return QString::fromLatin1(p.readAllStandardOutput()).section(u' ', 0, 0).trimmed();
}

}  // namespace ledgrix::test
