#include "electronic/documento/lectura.h"

#include <QDate>
#include <QRegularExpression>
#include <QTime>

namespace ledgrix::electronico {

namespace {

#define S QStringLiteral

const QString kPegado = S("%%");

// A block's fields with the stored '%' given back.
QStringList campos(const QString& bloque, const QString& separador) {
    QStringList f = bloque.split(separador);
    for (QString& c : f)
        c.replace(S("%25"), S("%"));
    return f;
}

bool fecha_valida(const QString& t) {
    return QDate::fromString(t, Qt::ISODate).isValid() && t.size() == 10;
}

// One block being read: its fields in order, and the first fault found.
class Lector {
  public:
    Lector(const QString& bloque, const QString& separador, QString nombre)
        : f_(campos(bloque, separador)), nombre_(std::move(nombre)) {}

    // The block has the tag and, after it, `cuantos` fields (or a multiple
    // of `cuantos` when `registros`).
    bool forma(const QString& etiqueta, qsizetype cuantos, bool registros, QString* error) {
        const qsizetype resto = f_.size() - 1;
        const bool ok = f_.value(0) == etiqueta &&
                        (registros ? resto > 0 && resto % cuantos == 0 : resto == cuantos);
        if (!ok)
            *error = S("El bloque %1 del documento no tiene la forma %2 esperada.")
                         .arg(nombre_, etiqueta);
        return ok;
    }
    qsizetype registros(qsizetype cuantos) const { return (f_.size() - 1) / cuantos; }
    QString texto() { return f_.value(++i_).trimmed(); }
    Centavos monto(QString* error) { return monto(texto(), error); }
    Centavos monto(const QString& t, QString* error) {
        const auto v = lea_monto(t);
        if (!v && error->isEmpty())
            *error = S("El valor «%1» del bloque %2 no es un monto.").arg(t, nombre_);
        return v.value_or(0);
    }
    QString porcentaje(QString* error) { return porcentaje(texto(), error); }
    QString porcentaje(const QString& t, QString* error) {
        static const QRegularExpression re(S("^\\d{1,3}(\\.\\d{1,4})?$"));
        if (!re.match(t).hasMatch() && error->isEmpty())
            *error = S("El porcentaje «%1» del bloque %2 no es válido.").arg(t, nombre_);
        return t;
    }
    QString fecha(bool opcional, QString* error) {
        const QString t = texto();
        if (!(opcional && t.isEmpty()) && !fecha_valida(t) && error->isEmpty())
            *error = S("La fecha «%1» del bloque %2 no es válida.").arg(t, nombre_);
        return t;
    }

  private:
    QStringList f_;
    QString nombre_;
    qsizetype i_ = 0;
};

void lea_parte(Lector& l, Parte& p) {
    p.tipo_persona = l.texto();
    p.tipo_id = l.texto();
    p.nit = l.texto();
    p.dv = l.texto();
    p.nombre = l.texto();
    p.direccion = l.texto();
    p.ciudad = l.texto();
    p.nombre_ciudad = l.texto();
    p.pais = l.texto();
    p.residente = l.texto() != S("N");
    p.correo = l.texto();
    p.telefono = l.texto();
    p.responsabilidades = l.texto();
}

bool lea_encabezado(const QString& b, const QString& sep, DatosDocumento& d, int& lineas,
                    QString* e) {
    Lector l(b, sep, S("de encabezado"));
    if (!l.forma(S("ENC1"), 13, false, e))
        return false;
    const QString tipo = l.texto();
    d.tipo = tipo == S("51") ? 51 : tipo == S("52") ? 52 : 0;
    if (d.tipo == 0) {
        *e = S("El tipo de documento «%1» no se transmite como documento soporte.").arg(tipo);
        return false;
    }
    d.prefijo = l.texto();
    d.numero = l.texto();
    d.fecha = l.fecha(false, e);
    d.hora = l.texto();
    if (!QTime::fromString(d.hora, S("HH:mm:ss")).isValid() && e->isEmpty())
        *e = S("La hora «%1» del documento no es válida.").arg(d.hora);
    d.vence = l.fecha(true, e);
    d.moneda = l.texto();
    d.concepto = l.texto();
    d.acumulado = l.texto() == S("S");
    d.subtotal = l.monto(e);
    d.iva = l.monto(e);
    d.total = l.monto(e);
    bool ok = false;
    lineas = l.texto().toInt(&ok);
    static const QRegularExpression numero(S("^\\d{1,12}$"));
    if (e->isEmpty() && (!numero.match(d.numero).hasMatch() || d.numero.toLongLong() == 0))
        *e = S("El número «%1» del documento no es válido.").arg(d.numero);
    if (e->isEmpty() && !QRegularExpression(S("^[A-Z]{3}$")).match(d.moneda).hasMatch())
        *e = S("La moneda «%1» del documento no es un código ISO de tres letras.").arg(d.moneda);
    if (e->isEmpty() && (!ok || lineas < 1))
        *e = S("El documento no dice cuántas líneas tiene.");
    return e->isEmpty();
}

bool lea_impuestos(const QString& b, const QString& sep, DatosDocumento& d, QString* e) {
    Lector l(b, sep, S("de impuestos"));
    if (!l.forma(S("IMP1"), 5, true, e))
        return false;
    for (qsizetype i = 0, n = l.registros(5); i < n; ++i) {
        Impuesto x;
        x.codigo = l.texto();
        x.nombre = l.texto();
        x.base = l.monto(e);
        x.porcentaje = l.porcentaje(e);
        x.valor = l.monto(e);
        static const QStringList conocidos{S("01"), S("05"), S("06"), S("07")};
        if (!conocidos.contains(x.codigo) && e->isEmpty())
            *e = S("El impuesto «%1» no es uno de los que el documento soporte declara.")
                     .arg(x.codigo);
        d.impuestos << x;
    }
    if (e->isEmpty() && d.impuestos.first().codigo != S("01"))
        *e = S("El bloque de impuestos debe empezar por el IVA.");
    return e->isEmpty();
}

bool lea_detalle(const QString& b, const QString& sep, DatosDocumento& d, int lineas, QString* e) {
    Lector l(b, sep, S("de detalle"));
    if (!l.forma(S("DET1"), 7, true, e))
        return false;
    if (l.registros(7) != lineas) {
        *e = S("El documento dice tener %1 líneas y el detalle trae %2.")
                 .arg(lineas)
                 .arg(l.registros(7));
        return false;
    }
    for (int i = 0; i < lineas; ++i) {
        Linea x;
        x.item = l.texto();
        x.descripcion = l.texto();
        x.cantidad = l.texto();
        x.unitario = l.monto(e);
        x.valor = l.monto(e);
        const QString pct = l.texto();
        const QString iva = l.texto();
        x.con_iva = !pct.isEmpty();
        if (x.con_iva) {
            x.porcentaje = l.porcentaje(pct, e);
            x.iva = l.monto(iva, e);
        }
        bool ok = false;
        if (x.cantidad.toDouble(&ok) <= 0 && e->isEmpty())
            *e = S("La cantidad «%1» de la línea %2 no es válida.").arg(x.cantidad, x.item);
        if (x.descripcion.isEmpty() && e->isEmpty())
            *e = S("La línea %1 del documento no tiene descripción.").arg(x.item);
        d.lineas << x;
    }
    return e->isEmpty();
}

// The amounts must add up before they are declared to the authority: a
// document that does not is refused, never corrected here.
bool cuadre(const DatosDocumento& d, QString* e) {
    Centavos suma = 0, iva_lineas = 0, iva_impuestos = 0;
    for (const Linea& x : d.lineas) {
        suma += x.valor;
        iva_lineas += x.iva;
    }
    for (const Impuesto& x : d.impuestos)
        if (x.codigo == S("01"))
            iva_impuestos += x.valor;
    const QString doc = d.numero_documento();
    if (suma != d.subtotal)
        *e = S("Las líneas del documento %1 suman %2 y su subtotal es %3.")
                 .arg(doc, texto_monto(suma), texto_monto(d.subtotal));
    else if (iva_lineas != d.iva || iva_impuestos != d.iva)
        *e = S("El IVA del documento %1 (%2) no es el de sus líneas (%3) ni el de sus impuestos "
               "(%4).")
                 .arg(doc, texto_monto(d.iva), texto_monto(iva_lineas), texto_monto(iva_impuestos));
    else if (d.subtotal + d.iva != d.total)
        *e = S("El total del documento %1 (%2) no es su subtotal más el IVA.")
                 .arg(doc, texto_monto(d.total));
    else if (d.total <= 0)
        *e = S("El documento %1 no tiene valor.").arg(doc);
    return e->isEmpty();
}

}  // namespace

std::optional<Centavos> lea_monto(const QString& texto) {
    static const QRegularExpression re(S("^(-?)(\\d{1,15})(?:\\.(\\d{1,2}))?$"));
    const auto m = re.match(texto);
    if (!m.hasMatch())
        return std::nullopt;
    const Centavos v =
        m.captured(2).toLongLong() * 100 + m.captured(3).leftJustified(2, u'0').toLongLong();
    return m.captured(1).isEmpty() ? v : -v;
}

QString texto_monto(Centavos valor) {
    const Centavos a = valor < 0 ? -valor : valor;
    return S("%1%2.%3")
        .arg(valor < 0 ? S("-") : QString())
        .arg(a / 100)
        .arg(a % 100, 2, 10, QChar(u'0'));
}

QString DatosDocumento::numero_documento() const {
    return prefijo + QString::number(numero.toLongLong());
}

QStringList separe_pegados(const QString& texto, const QString& separador) {
    QStringList bloques{QString()};
    for (qsizetype i = 0; i < texto.size();) {
        if (!separador.isEmpty() && QStringView(texto).mid(i).startsWith(separador)) {
            bloques.last() += separador;
            i += separador.size();
        } else if (QStringView(texto).mid(i).startsWith(kPegado)) {
            bloques << QString();
            i += kPegado.size();
        } else {
            bloques.last() += texto.at(i++);
        }
    }
    return bloques;
}

std::optional<DatosDocumento> lea_bloques(const Bloques& b, QString* error) {
    QString e;
    DatosDocumento d;
    const QString& sep = b.separador;
    if (sep.size() < 3 || !sep.contains(kPegado)) {
        *error = S("El separador de campos «%1» no es válido.").arg(sep);
        return std::nullopt;
    }
    const QStringList anticipos = separe_pegados(b.anticipos, sep);
    const QStringList pago = separe_pegados(b.pago, sep);
    if (anticipos.size() != 3 || pago.size() != 2) {
        *error = S("Los bloques unidos con «%%» no vienen completos.");
        return std::nullopt;
    }
    int lineas = 0;
    if (!lea_encabezado(b.encabezado, sep, d, lineas, &e)) {
        *error = e;
        return std::nullopt;
    }
    const QString doc = d.numero_documento();

    Lector prv(b.cliente, sep, S("del proveedor"));
    if (prv.forma(S("PRV1"), 13, false, &e))
        lea_parte(prv, d.proveedor);
    Lector emi(b.extra, sep, S("del emisor"));
    if (e.isEmpty() && emi.forma(S("EMI1"), 13, false, &e))
        lea_parte(emi, d.emisor);
    if (e.isEmpty() && d.proveedor.nit.isEmpty())
        e = S("El documento %1 no tiene proveedor.").arg(doc);
    if (e.isEmpty() && (d.emisor.nit.isEmpty() || d.emisor.nombre.isEmpty()))
        e =
            S("Faltan el NIT o el nombre de la empresa emisora: revise la configuración del "
              "documento "
              "soporte (NIT EMISOR) y el nombre de la compañía.");

    if (e.isEmpty() && !anticipos[1].isEmpty()) {
        Lector l(anticipos[1], sep, S("de autorización"));
        if (l.forma(S("AUT1"), 6, false, &e)) {
            Autorizacion a;
            a.numero = l.texto();
            a.desde_fecha = l.fecha(false, &e);
            a.hasta_fecha = l.fecha(true, &e);
            a.prefijo = l.texto();
            a.desde = l.texto();
            a.hasta = l.texto();
            d.autorizacion = a;
        }
    }
    if (e.isEmpty() && d.tipo == 51 && !d.autorizacion)
        e = S("El documento soporte %1 no tiene una autorización de numeración que cubra su "
              "número.")
                .arg(doc);

    if (e.isEmpty() && !anticipos[2].isEmpty()) {
        Lector l(anticipos[2], sep, S("del documento ajustado"));
        if (l.forma(S("REF1"), 7, false, &e)) {
            Referencia r;
            r.tipo = l.texto();
            r.prefijo = l.texto();
            r.numero = l.texto();
            r.cuds = l.texto();
            r.fecha = l.fecha(true, &e);
            r.concepto = l.texto();
            r.descripcion = l.texto();
            d.referencia = r;
        }
    }
    if (e.isEmpty() && d.tipo == 52) {
        if (!d.referencia)
            e = S("La nota %1 no dice qué documento soporte ajusta.").arg(doc);
        else if (d.referencia->cuds.isEmpty() || d.referencia->fecha.isEmpty())
            e = S("El documento soporte %1 que ajusta la nota %2 no ha sido aceptado por la DIAN.")
                    .arg(d.referencia->prefijo + QString::number(d.referencia->numero.toLongLong()),
                         doc);
    }

    if (e.isEmpty()) {
        Lector l(b.condiciones_pago, sep, S("de condiciones de pago"));
        if (l.forma(S("CPG1"), 2, false, &e)) {
            d.forma_pago = l.texto();
            d.vence_pago = l.fecha(false, &e);
        }
    }
    if (e.isEmpty()) {
        Lector l(pago[0], sep, S("de pago"));
        if (l.forma(S("PAG1"), 1, false, &e))
            d.medio_pago = l.texto();
    }
    if (e.isEmpty() && !b.trm.isEmpty()) {
        Lector l(b.trm, sep, S("de tasa de cambio"));
        if (l.forma(S("TRM1"), 3, false, &e)) {
            Tasa t;
            t.moneda = l.texto();
            t.valor = texto_monto(l.monto(&e));
            t.fecha = l.fecha(false, &e);
            d.tasa = t;
        }
    }
    if (e.isEmpty() && d.moneda != S("COP") && !d.tasa)
        e = S("El documento %1 está en %2 y no trae la tasa de cambio.").arg(doc, d.moneda);
    if (e.isEmpty())
        lea_impuestos(b.impuestos, sep, d, &e);
    if (e.isEmpty())
        lea_detalle(b.detalle, sep, d, lineas, &e);
    if (e.isEmpty())
        cuadre(d, &e);
    if (!e.isEmpty()) {
        *error = e;
        return std::nullopt;
    }
    return d;
}

#undef S

}  // namespace ledgrix::electronico
