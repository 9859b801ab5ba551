#include "reports/motor/pintor.h"

#include <QDate>
#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>

#include "core/data/field.h"
#include "core/money/formato_numero.h"
#include "reports/motor/fuente.h"

namespace ledgrix {

QString texto_valor(const QVariant& v, FormatoValor formato, int decimales) {
    if (!v.isValid() || v.isNull())
        return {};
    const FormatoNumero& numeros = FormatoNumero::instalacion();
    const bool es_monto = v.typeId() == qMetaTypeId<Currency>();
    switch (formato) {
        case FormatoValor::Monto:
            return numeros.escriba(como_monto(v), decimales);
        case FormatoValor::Entero:
            return numeros.escriba(Currency::fromInt(como_monto(v).wholePart()), 0);
        case FormatoValor::Fecha:
            return v.toDate().toString(QStringLiteral("dd/MM/yyyy"));
        case FormatoValor::Texto:
            break;
    }
    if (es_monto)
        return numeros.escriba(v.value<Currency>(), decimales);
    if (v.typeId() == QMetaType::QDate || v.typeId() == QMetaType::QDateTime)
        return v.toDate().toString(QStringLiteral("dd/MM/yyyy"));
    return v.toString();
}

namespace {

// Fonts and metrics of one element on this printer, made once per job: a
// long report paints the same few elements thousands of times.
struct Preparado {
    QFont fuente;
    QFontMetricsF medidas;
    int columna;
    int alineacion;
};

class Pintor {
  public:
    Pintor(QPainter& p, QPrinter& printer, const DefinicionReporte& def, const Maqueta& m,
           const Ajustes& ajustes, const FuenteReporte& fuente)
        : p_(p),
          def_(def),
          m_(m),
          ajustes_(ajustes),
          fuente_(fuente),
          k_(printer.resolution() / 25.4) {
        for (const Banda& b : def.bandas) {
            std::vector<Preparado> v;
            for (const Elemento& e : b.elementos) {
                QFont f(e.fuente.familia);
                f.setPointSizeF(e.fuente.tamano);
                f.setBold(e.fuente.negrita);
                f.setItalic(e.fuente.cursiva);
                const int h = e.alineacion == Alineacion::Derecha  ? Qt::AlignRight
                              : e.alineacion == Alineacion::Centro ? Qt::AlignHCenter
                                                                   : Qt::AlignLeft;
                v.push_back({f, QFontMetricsF(f, &printer),
                             e.tipo == TipoElemento::Campo ? fuente.columna(e.columna) : -1,
                             h | Qt::AlignVCenter | Qt::TextSingleLine});
            }
            preparados_.push_back(std::move(v));
        }
    }

    void pinte_pagina(int pagina) {
        pagina_ = pagina;
        for (size_t i = m_.inicio_pagina[static_cast<size_t>(pagina)]; i < m_.fin_pagina(pagina);
             ++i)
            pinte_banda(m_.bandas[i]);
    }

  private:
    QRectF en_papel(const QRectF& mm) const {
        return {mm.x() * k_, mm.y() * k_, mm.width() * k_, mm.height() * k_};
    }

    void pinte_banda(const BandaColocada& c) {
        const Banda& b = def_.bandas[static_cast<size_t>(c.banda)];
        const QPointF origen(def_.margen_izquierdo, c.y);
        int valor = c.valores;
        for (size_t i = 0; i < b.elementos.size(); ++i) {
            const Elemento& e = b.elementos[i];
            const Preparado& pr = preparados_[static_cast<size_t>(c.banda)][i];
            const QRectF caja = en_papel(e.caja.translated(origen));
            QString texto;
            switch (e.tipo) {
                case TipoElemento::Linea:
                    p_.setPen(QPen(Qt::black, e.grosor * k_));
                    p_.drawLine(caja.topLeft(), caja.bottomRight());
                    continue;
                case TipoElemento::Texto:
                    texto = sustituya(
                        e.nombre.isEmpty() ? e.texto : ajustes_.textos.value(e.nombre, e.texto),
                        c.fila);
                    break;
                case TipoElemento::Campo:
                    if (c.fila >= 0)
                        texto =
                            texto_valor(fuente_.valor(c.fila, pr.columna), e.formato, e.decimales);
                    break;
                case TipoElemento::Suma:
                case TipoElemento::Cuenta: {
                    const Currency v = m_.valores[static_cast<size_t>(valor++)];
                    if (!(e.ocultar_ceros && v.isZero()))
                        texto = texto_valor(QVariant::fromValue(v), e.formato, e.decimales);
                    break;
                }
            }
            if (e.tipo == TipoElemento::Campo && e.ocultar_ceros && c.fila >= 0 &&
                como_monto(fuente_.valor(c.fila, pr.columna)).isZero())
                texto.clear();
            if (texto.isEmpty())
                continue;
            p_.setFont(pr.fuente);
            p_.setPen(Qt::black);
            p_.drawText(caja, pr.alineacion,
                        pr.medidas.elidedText(texto, Qt::ElideRight, caja.width()));
        }
    }

    // {pagina}, {paginas}, a parameter, or a column of the band's row; any
    // other name is left as written so the technician sees it.
    QString sustituya(const QString& t, int fila) {
        if (!t.contains(QLatin1Char('{')))
            return t;
        QString r;
        qsizetype i = 0;
        while (i < t.size()) {
            const qsizetype a = t.indexOf(QLatin1Char('{'), i);
            const qsizetype z = a < 0 ? -1 : t.indexOf(QLatin1Char('}'), a);
            if (z < 0) {
                r += t.mid(i);
                break;
            }
            r += t.mid(i, a - i);
            r += valor_de(t.mid(a + 1, z - a - 1), fila).value_or(t.mid(a, z - a + 1));
            i = z + 1;
        }
        return r;
    }

    std::optional<QString> valor_de(const QString& nombre, int fila) {
        if (nombre == u"pagina")
            return QString::number(pagina_ + 1);
        if (nombre == u"paginas")
            return QString::number(m_.paginas());
        if (ajustes_.parametros.contains(nombre))
            return ajustes_.parametros.value(nombre);
        if (def_.parametros.contains(nombre))
            return def_.parametros.value(nombre);
        auto it = columnas_.find(nombre);
        if (it == columnas_.end())
            it = columnas_.insert(nombre, fuente_.columna(nombre));
        if (*it < 0)
            return std::nullopt;
        return fila < 0 ? QString() : texto_valor(fuente_.valor(fila, *it), FormatoValor::Texto, 2);
    }

    QPainter& p_;
    const DefinicionReporte& def_;
    const Maqueta& m_;
    const Ajustes& ajustes_;
    const FuenteReporte& fuente_;
    double k_;
    std::vector<std::vector<Preparado>> preparados_;
    QHash<QString, int> columnas_;
    int pagina_ = 0;
};

}  // namespace

bool pinte(QPrinter& printer, const DefinicionReporte& def, const Maqueta& maqueta,
           const Ajustes& ajustes, const FuenteReporte& fuente, QString* error) {
    int desde = 1, hasta = maqueta.paginas();
    if (printer.printRange() == QPrinter::PageRange && printer.fromPage() > 0) {
        desde = std::max(desde, printer.fromPage());
        hasta = std::min(hasta, printer.toPage() > 0 ? printer.toPage() : hasta);
    }
    QPainter p;
    if (!p.begin(&printer)) {
        if (error)
            *error =
                QStringLiteral("No se pudo iniciar la impresión del reporte «%1».").arg(def.nombre);
        return false;
    }
    Pintor pintor(p, printer, def, maqueta, ajustes, fuente);
    for (int n = desde; n <= hasta; ++n) {
        if (n > desde)
            printer.newPage();
        pintor.pinte_pagina(n - 1);
    }
    return p.end();
}

}  // namespace ledgrix
