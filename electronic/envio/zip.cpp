#include "electronic/envio/zip.h"

#include <zlib.h>

namespace ledgrix::electronico {

namespace {

void u16(QByteArray& b, unsigned v) {
    b.append(static_cast<char>(v & 0xff));
    b.append(static_cast<char>((v >> 8) & 0xff));
}

void u32(QByteArray& b, unsigned long v) {
    u16(b, static_cast<unsigned>(v & 0xffff));
    u16(b, static_cast<unsigned>((v >> 16) & 0xffff));
}

QByteArray deflacion(const QByteArray& datos) {
    z_stream z{};
    // Negative window bits: a raw deflate stream, without zlib's own header,
    // which is what a ZIP entry stores.
    deflateInit2(&z, Z_BEST_COMPRESSION, Z_DEFLATED, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY);
    QByteArray salida(static_cast<int>(deflateBound(&z, static_cast<uLong>(datos.size()))), '\0');
    z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(datos.constData()));
    z.avail_in = static_cast<uInt>(datos.size());
    z.next_out = reinterpret_cast<Bytef*>(salida.data());
    z.avail_out = static_cast<uInt>(salida.size());
    deflate(&z, Z_FINISH);
    salida.resize(static_cast<int>(z.total_out));
    deflateEnd(&z);
    return salida;
}

}  // namespace

QByteArray empaque_zip(const QString& nombre, const QByteArray& contenido, const QDateTime& fecha) {
    const QByteArray n = nombre.toUtf8();
    const QByteArray comprimido = deflacion(contenido);
    const unsigned long crc =
        crc32(crc32(0, nullptr, 0), reinterpret_cast<const Bytef*>(contenido.constData()),
              static_cast<uInt>(contenido.size()));
    const QDate d = fecha.date();
    const QTime t = fecha.time();
    const unsigned hora_dos = (static_cast<unsigned>(t.hour()) << 11) |
                              (static_cast<unsigned>(t.minute()) << 5) |
                              static_cast<unsigned>(t.second() / 2);
    const unsigned fecha_dos = (static_cast<unsigned>(qMax(d.year() - 1980, 0)) << 9) |
                               (static_cast<unsigned>(d.month()) << 5) |
                               static_cast<unsigned>(d.day());
    // Version 2.0, flag bit 11 (names in UTF-8), deflate, time, date, CRC,
    // sizes: the part the local header and the central directory share.
    QByteArray comun;
    u16(comun, 20);
    u16(comun, 0x0800);
    u16(comun, 8);
    u16(comun, hora_dos);
    u16(comun, fecha_dos);
    u32(comun, crc);
    u32(comun, static_cast<unsigned long>(comprimido.size()));
    u32(comun, static_cast<unsigned long>(contenido.size()));
    u16(comun, static_cast<unsigned>(n.size()));
    u16(comun, 0);  // extra field

    QByteArray zip;
    u32(zip, 0x04034b50);
    zip += comun + n + comprimido;
    const auto inicio_directorio = static_cast<unsigned long>(zip.size());
    u32(zip, 0x02014b50);
    u16(zip, 20);  // made by
    zip += comun;
    u16(zip, 0);  // comment
    u16(zip, 0);  // disk
    u16(zip, 0);  // internal attributes
    u32(zip, 0);  // external attributes
    u32(zip, 0);  // offset of the local header
    zip += n;
    const auto largo_directorio = static_cast<unsigned long>(zip.size()) - inicio_directorio;
    u32(zip, 0x06054b50);
    u16(zip, 0);
    u16(zip, 0);
    u16(zip, 1);
    u16(zip, 1);
    u32(zip, largo_directorio);
    u32(zip, inicio_directorio);
    u16(zip, 0);
    return zip;
}

}  // namespace ledgrix::electronico
