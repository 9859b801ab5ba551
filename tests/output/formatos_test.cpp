// Print formats rendered to PDF and read back with the poppler tools: every
// folder under golden/ is a case with its format and data (caso.txt), the
// expected text of the pages (esperado.txt) and, when the case asks, the
// number of pictures in the file (imagenes.txt) and the text of its QR code
// (qr.txt), and where some words must stand (posiciones.txt: "<word> izq|der|arriba
// <grid units>", read with pdftotext -bbox, the first occurrence of the word).
// LEDGRIX_GOLDEN_WRITE=1 rewrites esperado.txt from the output.
//
// caso.txt, one entry per line, fields separated by "|":
//   FORMATO|NROITEMS=5|PAGINAS=S|ENTRELINEA=40|FONT=..|FSIZE=10|ANCHO=8.5|ALTO=11
//   DATO|<name>|POSX=..|POSY=..|REPITE=S|IMPRIME=N|INI=3|LONG=4|FORMATO=0|LIQUIDA=S|FONT=..|FSIZE=..|JUSTIFICA=D|CORTAR=N
//   LINEA|<T,L,C,G>|POSX=..|POSY=..|X=..|Y=..|CADENA=..
//   CAMPO|<name>|<T,$,N,QR>|<value>           header value ("\n", "\r" escapes)
//   FILA|<name>=<T,$,N>:<value>|...           one detail row
//   ANULADO      the document is void        PAGOS  payment-voucher cutting rules
//   LOGO         the company has a logo; "G" elements get a picture as well
#include <gtest/gtest.h>

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "output/formatos/motor.h"
#include "output/qr/qr.h"
#include "tests/support/qt_printers.h"

namespace ledgrix {
namespace {

const QString kGolden = QStringLiteral(LEDGRIX_DB_DIR "/../tests/output/golden");

QString lea(const QString& ruta) {
    QFile f(ruta);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

QString corra(const QString& programa, const QStringList& args) {
    QProcess p;
    p.start(programa, args);
    p.waitForFinished(60000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

QString sin_escapes(QString t) {
    return t.replace(QStringLiteral("\\r"), QStringLiteral("\r"))
        .replace(QStringLiteral("\\n"), QStringLiteral("\n"));
}

ValorImpreso valor(const QString& clase, const QString& texto) {
    if (clase == u"$")
        return ValorImpreso::Dinero(Currency::fromText(texto));
    if (clase == u"N")
        return ValorImpreso::Numero(Currency::fromText(texto));
    if (clase == u"QR")
        return ValorImpreso::Imagen(qr(texto));
    return ValorImpreso::Texto(texto);
}

QByteArray png(Qt::GlobalColor color) {
    QImage img(40, 30, QImage::Format_RGB32);
    img.fill(color);
    QByteArray bytes;
    QBuffer b(&bytes);
    b.open(QIODevice::WriteOnly);
    img.save(&b, "PNG");
    return bytes;
}

struct Caso {
    Formato formato;
    DocumentoImpreso doc;
};

Caso lea_caso(const QString& texto) {
    Caso c;
    for (const QString& linea : texto.split(u'\n', Qt::SkipEmptyParts)) {
        const QStringList campos = linea.split(u'|');
        const QString clase = campos.value(0).trimmed();
        QHash<QString, QString> kv;
        for (const QString& campo : campos.mid(1)) {
            const qsizetype igual = campo.indexOf(u'=');
            if (igual > 0)
                kv.insert(campo.left(igual), campo.mid(igual + 1));
        }
        auto n = [&](const char* k, int defecto = 0) {
            return kv.value(QLatin1String(k), QString::number(defecto)).toInt();
        };
        if (clase == u"FORMATO") {
            Formato& f = c.formato;
            f.nro_items = n("NROITEMS");
            f.paginas = kv.value(QStringLiteral("PAGINAS"), QStringLiteral("S")) == u"S";
            f.entrelinea = n("ENTRELINEA");
            f.font = kv.value(QStringLiteral("FONT"));
            f.fsize = n("FSIZE");
            if (kv.contains(QStringLiteral("ANCHO")))
                f.papel_ancho = kv.value(QStringLiteral("ANCHO")).toDouble();
            if (kv.contains(QStringLiteral("ALTO")))
                f.papel_alto = kv.value(QStringLiteral("ALTO")).toDouble();
        } else if (clase == u"DATO") {
            DatoFormato d;
            d.dato = campos.value(1);
            d.posx = n("POSX");
            d.posy = n("POSY");
            d.repite = kv.value(QStringLiteral("REPITE")) == u"S";
            d.imprime = kv.value(QStringLiteral("IMPRIME"), QStringLiteral("S")) == u"S";
            d.ini = n("INI", 1);
            d.largo = n("LONG");
            d.formato = kv.value(QStringLiteral("FORMATO"));
            d.liquida = kv.value(QStringLiteral("LIQUIDA")) == u"S";
            d.font = kv.value(QStringLiteral("FONT"));
            d.fsize = n("FSIZE");
            d.justifica = kv.value(QStringLiteral("JUSTIFICA"));
            d.cortar_palabras = kv.value(QStringLiteral("CORTAR"));
            c.formato.datos.append(d);
        } else if (clase == u"LINEA") {
            LineaFormato l;
            l.tipo = campos.value(1).at(0);
            l.posx = n("POSX");
            l.posy = n("POSY");
            l.x = n("X");
            l.y = n("Y");
            l.cadena = kv.value(QStringLiteral("CADENA"));
            if (l.tipo == u'G')
                l.imagen = png(Qt::red);
            c.formato.lineas.append(l);
        } else if (clase == u"CAMPO") {
            c.doc.encabezado.insert(campos.value(1),
                                    valor(campos.value(2), sin_escapes(campos.mid(3).join(u'|'))));
        } else if (clase == u"FILA") {
            DatosImpresos fila;
            for (const QString& campo : campos.mid(1)) {
                const qsizetype igual = campo.indexOf(u'='), dos = campo.indexOf(u':', igual);
                fila.insert(campo.left(igual),
                            valor(campo.mid(igual + 1, dos - igual - 1), campo.mid(dos + 1)));
            }
            c.doc.detalle.append(fila);
        } else if (clase == u"ANULADO") {
            c.doc.anulado = true;
        } else if (clase == u"LOGO") {
            c.doc.logo = png(Qt::blue);
        } else if (clase == u"PAGOS") {
            c.doc.cortes_y_justificacion = true;
        }
    }
    return c;
}

// pdftotext's layout with runs of blanks collapsed, blank lines dropped and a
// marker between pages: what is on which row of which page, not the exact column.
QString normalice(const QString& texto) {
    QStringList salida;
    const QStringList paginas = texto.split(u'\f');
    for (qsizetype i = 0; i < paginas.size(); ++i) {
        if (i > 0 && i + 1 == paginas.size() && paginas[i].trimmed().isEmpty())
            break;
        if (i > 0)
            salida << QStringLiteral("--- pagina %1 ---").arg(i + 1);
        for (const QString& linea : paginas[i].split(u'\n'))
            if (!linea.trimmed().isEmpty())
                salida << linea.simplified();
    }
    return salida.join(u'\n') + u'\n';
}

// Edge of a word on the page grid, from pdftotext's boxes in points.
std::optional<double> borde(const QString& bbox, const QString& palabra, const QString& lado) {
    static const QRegularExpression pagina(
        QStringLiteral(R"re(<page width="([\d.]+)" height="([\d.]+)">)re"));
    static const QRegularExpression caja(QStringLiteral(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="[\d.]+">([^<]*)</word>)re"));
    const auto pg = pagina.match(bbox);
    if (!pg.hasMatch())
        return std::nullopt;
    const double fx = 1500.0 / pg.captured(1).toDouble(), fy = 2000.0 / pg.captured(2).toDouble();
    for (auto it = caja.globalMatch(bbox); it.hasNext();) {
        const auto m = it.next();
        if (m.captured(4) != palabra)
            continue;
        if (lado == u"izq")
            return m.captured(1).toDouble() * fx;
        if (lado == u"der")
            return m.captured(3).toDouble() * fx;
        return m.captured(2).toDouble() * fy;
    }
    return std::nullopt;
}

class FormatoDorado : public ::testing::TestWithParam<QString> {};

TEST_P(FormatoDorado, PdfLeidoCoincide) {
    const QDir carpeta(kGolden + u'/' + GetParam());
    QTemporaryDir tmp;
    ASSERT_TRUE(tmp.isValid());
    Caso caso = lea_caso(lea(carpeta.filePath(QStringLiteral("caso.txt"))));
    caso.doc.directorio = tmp.path();
    QImage anulado(300, 100, QImage::Format_RGB32);
    anulado.fill(Qt::gray);
    ASSERT_TRUE(anulado.save(tmp.filePath(QStringLiteral("anulado.bmp"))));

    const QString pdf = tmp.filePath(QStringLiteral("caso.pdf"));
    ASSERT_GT(MotorFormato(caso.formato).imprima_pdf(pdf, caso.doc), 0);

    const QString texto = normalice(
        corra(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")}));
    const QString esperado = carpeta.filePath(QStringLiteral("esperado.txt"));
    if (qEnvironmentVariable("LEDGRIX_GOLDEN_WRITE") == u"1") {
        QFile f(esperado);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(texto.toUtf8());
    }
    EXPECT_EQ(texto, lea(esperado));

    if (carpeta.exists(QStringLiteral("posiciones.txt"))) {
        const QString bbox =
            corra(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
        for (const QString& linea : lea(carpeta.filePath(QStringLiteral("posiciones.txt")))
                                        .split(u'\n', Qt::SkipEmptyParts)) {
            const QStringList c = linea.split(u' ', Qt::SkipEmptyParts);
            ASSERT_EQ(c.size(), 3) << linea.toStdString();
            const auto medido = borde(bbox, c[0], c[1]);
            ASSERT_TRUE(medido) << linea.toStdString();
            // Glyph boxes sit a little inside the text's own box.
            EXPECT_NEAR(*medido, c[2].toDouble(), c[1] == u"arriba" ? 15 : 6)
                << linea.toStdString();
        }
    }
    if (carpeta.exists(QStringLiteral("imagenes.txt"))) {
        const QStringList lista = corra(QStringLiteral("pdfimages"), {QStringLiteral("-list"), pdf})
                                      .split(u'\n', Qt::SkipEmptyParts);
        EXPECT_EQ(lista.size() - 2,
                  lea(carpeta.filePath(QStringLiteral("imagenes.txt"))).trimmed().toInt());
    }
    if (carpeta.exists(QStringLiteral("qr.txt"))) {
        const QString png = tmp.filePath(QStringLiteral("pagina"));
        corra(QStringLiteral("pdftoppm"),
              {QStringLiteral("-r"), QStringLiteral("200"), QStringLiteral("-png"),
               QStringLiteral("-singlefile"), pdf, png});
        QString leido =
            corra(QStringLiteral("zbarimg"),
                  {QStringLiteral("-q"), QStringLiteral("--raw"), png + QStringLiteral(".png")});
        leido.chop(1);  // zbarimg ends the code with a line feed
        EXPECT_EQ(leido, sin_escapes(lea(carpeta.filePath(QStringLiteral("qr.txt"))).trimmed()));
    }
}

QStringList casos() {
    return QDir(kGolden).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
}

INSTANTIATE_TEST_SUITE_P(Golden, FormatoDorado, ::testing::ValuesIn(casos()),
                         [](const auto& info) { return info.param.toStdString(); });

TEST(Formato, CortesQueNoPartenPalabras) {
    const QString t = QStringLiteral("PAGO DE FACTURAS PENDIENTES");
    EXPECT_EQ(corte_texto(t, 1, 10), QStringLiteral("PAGO DE FA"));
    EXPECT_EQ(corte_texto(t, 1, 10, true), QStringLiteral("PAGO DE"));
    EXPECT_EQ(corte_texto(t, 1, 7, true), QStringLiteral("PAGO DE"));  // ends at a blank: kept
    EXPECT_EQ(corte_texto(t, 9, 3, true),
              QStringLiteral("FACTURAS"));  // one word: grows to its end
    EXPECT_EQ(corte_texto(t, 9, 0, true), t);
}

TEST(Formato, JustificadoReparteBlancos) {
    EXPECT_EQ(texto_justificado(QStringLiteral("A B C"), 9), QStringLiteral("A   B   C"));
    EXPECT_EQ(texto_justificado(QStringLiteral("A B C"), 8), QStringLiteral("A   B  C"));
    EXPECT_EQ(texto_justificado(QStringLiteral("ABC"), 8), QStringLiteral("ABC"));
}

TEST(Formato, SinLineasPorPaginaNoHayDetalle) {
    Formato f;
    f.nro_items = 0;
    const auto paginas = MotorFormato(f).paginacion(3);
    ASSERT_EQ(paginas.size(), 1);
    EXPECT_TRUE(paginas[0].isEmpty());
}

// The printer path: the format's paper reaches the page, the printer keeps
// its own when the format names none or one that is not installed.
TEST(Formato, ImpresoraConElPapelDelFormato) {
    QTemporaryDir tmp;
    Formato f;
    f.nro_items = 3;
    f.impresora = QStringLiteral("NO INSTALADA");
    f.papel_ancho = 8.5;
    f.papel_alto = 5.5;
    f.lineas.append(LineaFormato{1, u'T', 100, 100, 0, 0, QStringLiteral("MEDIA CARTA")});
    QPrinter impresora(QPrinter::HighResolution);
    impresora.setOutputFormat(QPrinter::PdfFormat);
    const QString pdf = tmp.filePath(QStringLiteral("media.pdf"));
    impresora.setOutputFileName(pdf);
    EXPECT_FALSE(MotorFormato(f).prepare_impresora(impresora, true));
    ASSERT_EQ(MotorFormato(f).imprima(impresora, DocumentoImpreso{}), 1);
    const QString info = corra(QStringLiteral("pdfinfo"), {pdf});
    EXPECT_TRUE(info.contains(QStringLiteral("612 x 396 pts"))) << info.toStdString();
    EXPECT_TRUE(corra(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")})
                    .contains(QStringLiteral("MEDIA CARTA")));
}

TEST(Qr, UnPixelPorModuloConZonaLibre) {
    const QImage img = qr(QStringLiteral("NumDS: DS01123"), 4);
    ASSERT_FALSE(img.isNull());
    EXPECT_EQ(img.width(), img.height());
    EXPECT_EQ((img.width() - 8 - 21) % 4, 0);  // versions grow by 4 modules from 21
    for (int i = 0; i < img.width(); ++i)
        EXPECT_EQ(qGray(img.pixel(i, 3)), 255);  // quiet zone row
    EXPECT_EQ(qGray(img.pixel(4, 4)), 0);        // finder pattern corner
    EXPECT_TRUE(qr(QString()).isNull());
}

}  // namespace
}  // namespace ledgrix
