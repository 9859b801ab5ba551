#include <gtest/gtest.h>

#include <QFile>
#include <QRandomGenerator>

#include "electronic/envio/zip.h"
#include "tests/electronic/servicio/entorno_prueba.h"

namespace ledgrix::electronico {
namespace {

using namespace prueba;

// Read back by Python's zipfile, which checks the CRC, the sizes and the
// central directory against the local header.
TEST(EmpaqueZip, OtroLectorRecuperaElArchivoIntacto) {
    const QString carpeta = carpeta_nueva(QStringLiteral("zip"));
    QByteArray contenido =
        QByteArray("<?xml version=\"1.0\"?><Invoice>Año</Invoice>").repeated(500);
    for (int i = 0; i < 4096; ++i)  // a part deflate cannot shrink
        contenido.append(static_cast<char>(QRandomGenerator::global()->bounded(256)));
    const QString zip = carpeta + QStringLiteral("/ds.zip");
    QFile f(zip);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(empaque_zip(QStringLiteral("dsSEDS984.xml"), contenido,
                        QDateTime(QDate(2026, 12, 5), QTime(10, 21, 4))));
    f.close();
    const QString salida = carpeta + QStringLiteral("/leido");
    QString mensajes;
    ASSERT_TRUE(ejecute(
        QStringLiteral("python3"),
        {QStringLiteral("-c"),
         QStringLiteral("import sys, zipfile\n"
                        "z = zipfile.ZipFile(sys.argv[1])\n"
                        "assert z.testzip() is None\n"
                        "i = z.infolist()\n"
                        "assert [x.filename for x in i] == ['dsSEDS984.xml'], i\n"
                        "assert i[0].date_time == (2026, 12, 5, 10, 21, 4), i[0].date_time\n"
                        "open(sys.argv[2], 'wb').write(z.read(i[0]))\n"),
         zip, salida},
        &mensajes))
        << mensajes.toStdString();
    QFile leido(salida);
    ASSERT_TRUE(leido.open(QIODevice::ReadOnly));
    EXPECT_EQ(leido.readAll(), contenido);
}

}  // namespace
}  // namespace ledgrix::electronico
