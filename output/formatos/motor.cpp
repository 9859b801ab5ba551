#include "output/formatos/motor.h"
#include "core/money/formato_numero.h"

#include <QDir>
#include <QFile>
#include <QFontMetricsF>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>
#include <algorithm>

namespace ledgrix {

namespace {

constexpr double kAnchoGrilla = 1500.0;
constexpr double kAltoGrilla = 2000.0;
constexpr int kTamanoDefecto = 10;
// Side of a picture value (the QR code) when its item gives no DAFO_LONG.
constexpr int kLadoImagenDefecto = 200;

const QString kLogo = QStringLiteral("LOGO COMPANIA");
const QString kNumeroPagina = QStringLiteral("NUMERO PAGINA");

// Where the grid lands on the device.
struct Grilla {
    double fx = 1;
    double fy = 1;
    double ancho = 0;
    double alto = 0;
    QRectF caja(int x, int y, int dx, int dy) const { return {x * fx, y * fy, dx * fx, dy * fy}; }
};

QFont fuente(const QString& nombre, int tamano, const Formato& f) {
    QFont font;
    const QString familia = nombre.isEmpty() ? f.font : nombre;
    if (!familia.isEmpty())
        font.setFamily(familia);
    const int puntos = tamano > 0 ? tamano : (f.fsize > 0 ? f.fsize : kTamanoDefecto);
    font.setPointSize(puntos);
    return font;
}

// Text whose top-left corner is at (x, y); right-aligned ends at x.
void escriba(QPainter& p, double x, double y, const QString& texto, bool derecha) {
    const QFontMetricsF fm(p.font(), p.device());
    const double izquierda = derecha ? x - fm.horizontalAdvance(texto) : x;
    p.drawText(QPointF(izquierda, y + fm.ascent()), texto);
}

}  // namespace

QString corte_texto(const QString& texto, int ini, int largo, bool sin_partir) {
    if (largo <= 0)
        return texto;
    const qsizetype desde = std::max(1, ini) - 1;
    QString pieza = texto.mid(desde, largo);
    if (!sin_partir)
        return pieza;
    const qsizetype fin = desde + pieza.size();
    const bool parte_palabra = fin < texto.size() && !pieza.isEmpty() && !texto.at(fin).isSpace() &&
                               !pieza.back().isSpace();
    if (!parte_palabra)
        return pieza;
    const qsizetype blanco = pieza.lastIndexOf(u' ');
    if (blanco > 0)
        return pieza.left(blanco);
    // A single word longer than the piece: the whole word.
    qsizetype hasta = fin;
    while (hasta < texto.size() && !texto.at(hasta).isSpace())
        ++hasta;
    return texto.mid(desde, hasta - desde);
}

QString texto_justificado(const QString& texto, int largo) {
    QString t = texto.trimmed();
    QList<qsizetype> blancos;
    for (qsizetype i = 0; i < t.size(); ++i)
        if (t.at(i) == u' ')
            blancos.append(i);
    if (blancos.isEmpty() || t.size() >= largo)
        return t;
    qsizetype faltan = largo - t.size();
    // Spread the missing blanks over the existing ones, the first ones get the extra.
    QList<qsizetype> extra(blancos.size(), faltan / blancos.size());
    for (qsizetype i = 0; i < faltan % blancos.size(); ++i)
        ++extra[i];
    for (qsizetype i = blancos.size() - 1; i >= 0; --i)
        t.insert(blancos[i], QString(extra[i], u' '));
    return t;
}

QString numero_impreso(Currency valor, int decimales, bool con_signo) {
    // Printed the way the installation writes numbers, as every window shows them.
    QString t = FormatoNumero::instalacion().escriba(valor, std::clamp(decimales, 0, 4));
    if (!con_signo)
        return t;
    return t.startsWith(u'-') ? QStringLiteral("-$") + t.mid(1) : QStringLiteral("$") + t;
}

MotorFormato::MotorFormato(const Formato& formato) : formato_(formato) {}

bool MotorFormato::prepare_impresora(QPrinter& impresora, bool forzar_impresora) const {
    bool por_nombre = false;
    if (forzar_impresora && !formato_.impresora.isEmpty() &&
        QPrinterInfo::availablePrinterNames().contains(formato_.impresora)) {
        impresora.setPrinterName(formato_.impresora);
        por_nombre = true;
    }
    if (formato_.papel_ancho && formato_.papel_alto)
        impresora.setPageSize(QPageSize(QSizeF(*formato_.papel_ancho, *formato_.papel_alto),
                                        QPageSize::Inch, QString(), QPageSize::ExactMatch));
    return por_nombre;
}

int MotorFormato::imprima_pdf(const QString& ruta, const DocumentoImpreso& doc) const {
    QFile archivo(ruta);
    if (!archivo.open(QIODevice::WriteOnly))
        return 0;
    QPdfWriter pdf(&archivo);
    pdf.setResolution(600);
    pdf.setTitle(doc.titulo);
    pdf.setCreator(QStringLiteral("Ledgrix"));
    if (formato_.papel_ancho && formato_.papel_alto)
        pdf.setPageSize(QPageSize(QSizeF(*formato_.papel_ancho, *formato_.papel_alto),
                                  QPageSize::Inch, QString(), QPageSize::ExactMatch));
    else
        pdf.setPageSize(QPageSize(QPageSize::Letter));
    pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
    return imprima(pdf, doc);
}

QList<QList<MotorFormato::LineaPagina>> MotorFormato::paginacion(int filas) const {
    QList<QList<LineaPagina>> paginas(1);
    // No line number is below a count of zero: such a format prints no detail.
    if (formato_.nro_items <= 0)
        return paginas;
    int numero = 1;
    for (int fila = 0; fila < filas; ++fila) {
        if (numero >= formato_.nro_items) {
            if (!formato_.paginas)
                break;
            paginas.append(QList<LineaPagina>());
            numero = 0;
        }
        paginas.back().append(LineaPagina{fila, numero});
        ++numero;
    }
    return paginas;
}

QString MotorFormato::texto_de(const DatoFormato& dato, const ValorImpreso& valor,
                               bool cortes_y_justificacion) const {
    switch (valor.clase) {
        case ValorImpreso::Clase::Dinero:
            return numero_impreso(valor.numero, dato.decimales(), true);
        case ValorImpreso::Clase::Numero:
            return numero_impreso(valor.numero, dato.decimales(), false);
        case ValorImpreso::Clase::Imagen:
            return {};
        case ValorImpreso::Clase::Texto:
            break;
    }
    const bool sin_partir = cortes_y_justificacion && dato.cortar_palabras == u"N";
    QString t = corte_texto(valor.texto, dato.ini, dato.largo, sin_partir);
    if (cortes_y_justificacion && dato.justifica == u"A" && dato.largo > 0)
        t = texto_justificado(t, dato.largo);
    return t;
}

namespace {

void dibuje_dato(QPainter& p, const Grilla& g, const Formato& f, const MotorFormato& m,
                 const DatoFormato& d, const ValorImpreso& v, int y, bool cortes) {
    if (v.clase == ValorImpreso::Clase::Imagen) {
        if (v.imagen.isNull())
            return;
        // Square on paper: the side is measured with the horizontal factor.
        const double lado = (d.largo > 0 ? d.largo : kLadoImagenDefecto) * g.fx;
        QImage img = v.imagen.convertToFormat(QImage::Format_Mono);
        p.save();
        p.setRenderHint(QPainter::SmoothPixmapTransform, false);
        p.drawImage(QRectF(d.posx * g.fx, y * g.fy, lado, lado), img);
        p.restore();
        return;
    }
    const QString t = m.texto_de(d, v, cortes);
    if (t.isEmpty())
        return;
    p.setFont(fuente(d.font, d.fsize, f));
    const bool derecha = v.clase != ValorImpreso::Clase::Texto || (cortes && d.justifica == u"D");
    escriba(p, d.posx * g.fx, y * g.fy, t, derecha);
}

}  // namespace

int MotorFormato::imprima(QPagedPaintDevice& dispositivo, const DocumentoImpreso& doc) const {
    QPainter p;
    if (!p.begin(&dispositivo))
        return 0;
    const auto paginas = paginacion(static_cast<int>(doc.detalle.size()));
    for (int i = 0; i < paginas.size(); ++i) {
        if (i > 0)
            dispositivo.newPage();
        pagina(p, doc, i + 1, paginas[i]);
    }
    p.end();
    return static_cast<int>(paginas.size());
}

void MotorFormato::pagina(QPainter& p, const DocumentoImpreso& doc, int nro_pagina,
                          const QList<LineaPagina>& lineas) const {
    const Formato& f = formato_;
    Grilla g;
    g.ancho = p.device()->width();
    g.alto = p.device()->height();
    g.fx = g.ancho / kAnchoGrilla;
    g.fy = g.alto / kAltoGrilla;
    p.setPen(QPen(Qt::black, std::max(1.0, g.fx)));
    p.setBrush(Qt::NoBrush);

    // The company logo goes on the first page, before the header.
    if (nro_pagina == 1 && !doc.logo.isEmpty()) {
        const QImage logo = QImage::fromData(doc.logo);
        for (const DatoFormato& d : f.datos)
            if (d.imprime && d.dato == kLogo && !logo.isNull())
                p.drawImage(g.caja(d.posx, d.posy, d.largo, d.largo), logo);
    }

    // Header: void picture, drawings, fixed texts, header items.
    if (doc.anulado) {
        const QImage anulado(QDir(doc.directorio).filePath(QStringLiteral("anulado.bmp")));
        if (!anulado.isNull()) {
            const QPointF esquina(p.device()->logicalDpiX(), p.device()->logicalDpiY());
            const QRectF zona(esquina, QPointF(g.ancho, f.max_posy_impresos() * g.fy));
            if (zona.isValid())
                p.drawImage(zona, anulado);
        }
    }
    for (const LineaFormato& l : f.lineas) {
        const QRectF caja = g.caja(l.posx, l.posy, l.x, l.y);
        if (l.tipo == u'L') {
            p.drawLine(caja.topLeft(), caja.bottomRight());
        } else if (l.tipo == u'C') {
            p.drawRect(caja.normalized());
        } else if (l.tipo == u'G') {
            const QImage img = QImage::fromData(l.imagen);
            if (!img.isNull())
                p.drawImage(caja.normalized(), img);
        }
    }
    for (const LineaFormato& l : f.lineas) {
        if (l.tipo != u'T' || l.cadena.isEmpty())
            continue;
        p.setFont(fuente(l.font, l.fsize, f));
        escriba(p, l.posx * g.fx, l.posy * g.fy, l.cadena, false);
    }
    for (const DatoFormato& d : f.datos) {
        if (!d.imprime || d.repite || d.dato == kLogo)
            continue;
        auto v = doc.encabezado.constFind(d.dato);
        if (v != doc.encabezado.cend())
            dibuje_dato(p, g, f, *this, d, *v, d.posy, doc.cortes_y_justificacion);
        else if (d.dato == kNumeroPagina)
            dibuje_dato(p, g, f, *this, d, ValorImpreso::Texto(QString::number(nro_pagina)), d.posy,
                        doc.cortes_y_justificacion);
    }

    // Detail lines of this page.
    for (const LineaPagina& linea : lineas) {
        const DatosImpresos& fila = doc.detalle.at(linea.fila);
        for (const DatoFormato& d : f.datos) {
            if (!d.imprime || !d.repite || d.liquida)
                continue;
            auto v = fila.constFind(d.dato);
            if (v != fila.cend())
                dibuje_dato(p, g, f, *this, d, *v, d.posy + f.entrelinea * linea.numero,
                            doc.cortes_y_justificacion);
        }
    }
}

}  // namespace ledgrix
