#include "reports/motor/proyecto.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>

namespace ledgrix {
namespace {

// Raised inside the reader with the place and the fault; turned into the
// message once, so every check reads as one line.
struct Falla {
    QString lugar, que;
};

const QHash<QString, TipoBanda> kTiposBanda = {
    {QStringLiteral("encabezado_reporte"), TipoBanda::EncabezadoReporte},
    {QStringLiteral("encabezado_pagina"), TipoBanda::EncabezadoPagina},
    {QStringLiteral("encabezado_grupo"), TipoBanda::EncabezadoGrupo},
    {QStringLiteral("detalle"), TipoBanda::Detalle},
    {QStringLiteral("pie_grupo"), TipoBanda::PieGrupo},
    {QStringLiteral("pie_pagina"), TipoBanda::PiePagina},
    {QStringLiteral("resumen"), TipoBanda::Resumen}};
const QHash<QString, TipoElemento> kTiposElemento = {
    {QStringLiteral("texto"), TipoElemento::Texto},
    {QStringLiteral("campo"), TipoElemento::Campo},
    {QStringLiteral("suma"), TipoElemento::Suma},
    {QStringLiteral("cuenta"), TipoElemento::Cuenta},
    {QStringLiteral("linea"), TipoElemento::Linea}};
const QHash<QString, FormatoValor> kFormatos = {{QStringLiteral("texto"), FormatoValor::Texto},
                                                {QStringLiteral("monto"), FormatoValor::Monto},
                                                {QStringLiteral("entero"), FormatoValor::Entero},
                                                {QStringLiteral("fecha"), FormatoValor::Fecha}};
const QHash<QString, Alineacion> kAlineaciones = {
    {QStringLiteral("izquierda"), Alineacion::Izquierda},
    {QStringLiteral("centro"), Alineacion::Centro},
    {QStringLiteral("derecha"), Alineacion::Derecha}};
const QHash<QString, Ambito> kAmbitos = {{QStringLiteral("grupo"), Ambito::Grupo},
                                         {QStringLiteral("pagina"), Ambito::Pagina},
                                         {QStringLiteral("reporte"), Ambito::Reporte}};
const QHash<QString, QSizeF> kPapeles = {{QStringLiteral("carta"), {215.9, 279.4}},
                                         {QStringLiteral("oficio"), {215.9, 355.6}},
                                         {QStringLiteral("a4"), {210, 297}}};

// One JSON object being read: knows where it is, refuses keys it does not
// know (a misspelt key would otherwise be silently ignored).
class Objeto {
  public:
    Objeto(const QJsonValue& v, QString lugar, const QStringList& claves)
        : o_(v.toObject()), lugar_(std::move(lugar)) {
        if (!v.isObject())
            falle(QStringLiteral("se esperaba un objeto { }"));
        for (auto it = o_.begin(); it != o_.end(); ++it)
            if (!claves.contains(it.key()))
                falle(QStringLiteral("la clave «%1» no se conoce").arg(it.key()));
    }
    [[noreturn]] void falle(const QString& que) const { throw Falla{lugar_, que}; }
    const QString& lugar() const { return lugar_; }
    bool tiene(const QString& k) const { return o_.contains(k); }
    QJsonValue valor(const QString& k) const { return o_.value(k); }

    QString texto(const QString& k, const QString& defecto = {}, bool requerido = false) const {
        if (!o_.contains(k)) {
            if (requerido)
                falle(QStringLiteral("falta «%1»").arg(k));
            return defecto;
        }
        if (!o_.value(k).isString())
            falle(QStringLiteral("«%1» debe ser un texto entre comillas").arg(k));
        return o_.value(k).toString();
    }
    // One text or a list of texts.
    QStringList textos(const QString& k, bool requerido) const {
        const QJsonValue v = o_.value(k);
        QStringList r;
        if (v.isString())
            r << v.toString();
        for (const QJsonValue& x : v.toArray())
            r << x.toString();
        if (v.isArray() || v.isString())
            r.removeAll(QString());
        else if (!v.isUndefined())
            falle(QStringLiteral("«%1» debe ser un texto o una lista de textos").arg(k));
        if (requerido && r.isEmpty())
            falle(QStringLiteral("falta «%1»").arg(k));
        return r;
    }
    double numero(const QString& k, double defecto, double minimo = 0) const {
        if (!o_.contains(k))
            return defecto;
        if (!o_.value(k).isDouble())
            falle(QStringLiteral("«%1» debe ser un número de milímetros o puntos").arg(k));
        const double n = o_.value(k).toDouble();
        if (n < minimo)
            falle(QStringLiteral("«%1» no puede ser menor que %2").arg(k).arg(minimo));
        return n;
    }
    bool logico(const QString& k, bool defecto) const {
        if (!o_.contains(k))
            return defecto;
        if (!o_.value(k).isBool())
            falle(QStringLiteral("«%1» debe ser true o false").arg(k));
        return o_.value(k).toBool();
    }
    template <typename T>
    T de_lista(const QString& k, const QHash<QString, T>& lista, T defecto,
               bool requerido = false) const {
        const QString t = texto(k, {}, requerido);
        if (t.isEmpty() && !requerido)
            return defecto;
        if (!lista.contains(t)) {
            QStringList validos = lista.keys();
            validos.sort();
            falle(QStringLiteral("«%1» vale «%2»; se admite %3")
                      .arg(k, t, validos.join(QStringLiteral(", "))));
        }
        return lista.value(t);
    }
    QJsonArray lista(const QString& k) const {
        if (!o_.value(k).isArray())
            falle(QStringLiteral("«%1» debe ser una lista [ ]").arg(k));
        return o_.value(k).toArray();
    }

  private:
    QJsonObject o_;
    QString lugar_;
};

FuenteTexto lea_fuente(const Objeto& padre, const FuenteTexto& heredada) {
    if (!padre.tiene(QStringLiteral("fuente")))
        return heredada;
    const Objeto o(padre.valor(QStringLiteral("fuente")),
                   padre.lugar() + QStringLiteral(", fuente"),
                   {QStringLiteral("familia"), QStringLiteral("tamano"), QStringLiteral("negrita"),
                    QStringLiteral("cursiva")});
    FuenteTexto f;
    f.familia = o.texto(QStringLiteral("familia"), heredada.familia);
    f.tamano = o.numero(QStringLiteral("tamano"), heredada.tamano, 1);
    f.negrita = o.logico(QStringLiteral("negrita"), heredada.negrita);
    f.cursiva = o.logico(QStringLiteral("cursiva"), heredada.cursiva);
    return f;
}

Ambito ambito_natural(TipoBanda b) {
    switch (b) {
        case TipoBanda::PieGrupo:
            return Ambito::Grupo;
        case TipoBanda::PiePagina:
            return Ambito::Pagina;
        default:
            return Ambito::Reporte;
    }
}

Elemento lea_elemento(const QJsonValue& v, const QString& lugar, const Banda& banda,
                      const FuenteTexto& fuente) {
    const Objeto o(
        v, lugar,
        {QStringLiteral("tipo"), QStringLiteral("nombre"), QStringLiteral("x"), QStringLiteral("y"),
         QStringLiteral("ancho"), QStringLiteral("alto"), QStringLiteral("texto"),
         QStringLiteral("columna"), QStringLiteral("formato"), QStringLiteral("decimales"),
         QStringLiteral("ocultar_ceros"), QStringLiteral("alineacion"), QStringLiteral("ambito"),
         QStringLiteral("fuente"), QStringLiteral("grosor")});
    Elemento e;
    e.tipo = o.de_lista(QStringLiteral("tipo"), kTiposElemento, TipoElemento::Texto, true);
    e.nombre = o.texto(QStringLiteral("nombre"));
    e.caja = QRectF(o.numero(QStringLiteral("x"), 0), o.numero(QStringLiteral("y"), 0),
                    o.numero(QStringLiteral("ancho"), 0), o.numero(QStringLiteral("alto"), 0));
    if (e.tipo != TipoElemento::Linea && (e.caja.width() <= 0 || e.caja.height() <= 0))
        o.falle(QStringLiteral("«ancho» y «alto» deben ser mayores que cero"));
    e.texto = o.texto(QStringLiteral("texto"), {}, e.tipo == TipoElemento::Texto);
    const bool con_columna = e.tipo == TipoElemento::Campo || e.tipo == TipoElemento::Suma;
    e.columna = o.texto(QStringLiteral("columna"), {}, con_columna);
    if (con_columna && e.columna.isEmpty())
        o.falle(QStringLiteral("«columna» está vacía"));
    const bool numerico = e.tipo == TipoElemento::Suma || e.tipo == TipoElemento::Cuenta;
    e.formato = o.de_lista(QStringLiteral("formato"), kFormatos,
                           e.tipo == TipoElemento::Suma     ? FormatoValor::Monto
                           : e.tipo == TipoElemento::Cuenta ? FormatoValor::Entero
                                                            : FormatoValor::Texto);
    e.decimales = static_cast<int>(o.numero(QStringLiteral("decimales"), 2));
    if (e.decimales > 4)
        o.falle(QStringLiteral("«decimales» va de 0 a 4"));
    e.ocultar_ceros = o.logico(QStringLiteral("ocultar_ceros"), false);
    const bool a_la_derecha =
        numerico || e.formato == FormatoValor::Monto || e.formato == FormatoValor::Entero;
    e.alineacion = o.de_lista(QStringLiteral("alineacion"), kAlineaciones,
                              a_la_derecha ? Alineacion::Derecha : Alineacion::Izquierda);
    e.ambito = o.de_lista(QStringLiteral("ambito"), kAmbitos, ambito_natural(banda.tipo));
    if (numerico && banda.tipo == TipoBanda::Detalle)
        o.falle(QStringLiteral("una suma o cuenta no va en la banda de detalle"));
    if (numerico && e.ambito == Ambito::Grupo && banda.tipo != TipoBanda::PieGrupo)
        o.falle(QStringLiteral("«ambito» grupo sólo vale en una banda pie_grupo"));
    e.fuente = lea_fuente(o, fuente);
    e.grosor = o.numero(QStringLiteral("grosor"), 0.2);
    return e;
}

Banda lea_banda(const QJsonValue& v, const QString& lugar, const FuenteTexto& fuente) {
    const QString nombre = v.toObject().value(QStringLiteral("nombre")).toString();
    const QString aqui = nombre.isEmpty() ? lugar : lugar + QStringLiteral(" «%1»").arg(nombre);
    const Objeto o(v, aqui,
                   {QStringLiteral("nombre"), QStringLiteral("tipo"), QStringLiteral("alto"),
                    QStringLiteral("campo"), QStringLiteral("grupo"), QStringLiteral("fuente"),
                    QStringLiteral("elementos"), QStringLiteral("pagina_nueva")});
    Banda b;
    b.nombre = o.texto(QStringLiteral("nombre"), {}, true);
    b.tipo = o.de_lista(QStringLiteral("tipo"), kTiposBanda, TipoBanda::Detalle, true);
    b.alto = o.numero(QStringLiteral("alto"), 0, 0);
    if (b.alto <= 0)
        o.falle(QStringLiteral("«alto» debe ser mayor que cero"));
    b.campos = o.textos(QStringLiteral("campo"), b.tipo == TipoBanda::EncabezadoGrupo);
    b.grupo = o.texto(QStringLiteral("grupo"), {}, b.tipo == TipoBanda::PieGrupo);
    b.pagina_nueva = o.logico(QStringLiteral("pagina_nueva"), false);
    const FuenteTexto propia = lea_fuente(o, fuente);
    if (o.tiene(QStringLiteral("elementos"))) {
        const QJsonArray elementos = o.lista(QStringLiteral("elementos"));
        for (int i = 0; i < elementos.size(); ++i)
            b.elementos.push_back(lea_elemento(
                elementos[i], aqui + QStringLiteral(", elemento %1").arg(i + 1), b, propia));
    }
    return b;
}

void lea_pagina(const Objeto& reporte, DefinicionReporte& d) {
    const Objeto o(
        reporte.valor(QStringLiteral("pagina")), reporte.lugar() + QStringLiteral(", pagina"),
        {QStringLiteral("nombre"), QStringLiteral("papel"), QStringLiteral("ancho"),
         QStringLiteral("alto"), QStringLiteral("orientacion"), QStringLiteral("margenes")});
    d.pagina = o.texto(QStringLiteral("nombre"), QStringLiteral("Page1"));
    d.papel =
        o.de_lista(QStringLiteral("papel"), kPapeles, kPapeles.value(QStringLiteral("carta")));
    d.papel = QSizeF(o.numero(QStringLiteral("ancho"), d.papel.width(), 50),
                     o.numero(QStringLiteral("alto"), d.papel.height(), 50));
    d.horizontal = o.de_lista(QStringLiteral("orientacion"),
                              QHash<QString, bool>{{QStringLiteral("vertical"), false},
                                                   {QStringLiteral("horizontal"), true}},
                              false);
    if (o.tiene(QStringLiteral("margenes"))) {
        const Objeto m(o.valor(QStringLiteral("margenes")),
                       o.lugar() + QStringLiteral(", margenes"),
                       {QStringLiteral("izquierdo"), QStringLiteral("superior"),
                        QStringLiteral("derecho"), QStringLiteral("inferior")});
        d.margen_izquierdo = m.numero(QStringLiteral("izquierdo"), d.margen_izquierdo);
        d.margen_superior = m.numero(QStringLiteral("superior"), d.margen_superior);
        d.margen_derecho = m.numero(QStringLiteral("derecho"), d.margen_derecho);
        d.margen_inferior = m.numero(QStringLiteral("inferior"), d.margen_inferior);
    }
}

// Rules between bands: names are unique, a footer closes a group that
// exists, and every band fits in the page with the page's own bands.
void revise_bandas(const Objeto& o, const DefinicionReporte& d) {
    QSet<QString> nombres, grupos;
    QHash<TipoBanda, int> cuantas;
    double fijas = 0;
    for (const Banda& b : d.bandas) {
        if (nombres.contains(b.nombre))
            o.falle(QStringLiteral("la banda «%1» está repetida").arg(b.nombre));
        nombres.insert(b.nombre);
        if (b.tipo == TipoBanda::EncabezadoGrupo)
            grupos.insert(b.nombre);
        else if (b.tipo != TipoBanda::PieGrupo && ++cuantas[b.tipo] > 1)
            o.falle(QStringLiteral("sólo puede haber una banda de tipo %1")
                        .arg(kTiposBanda.key(b.tipo)));
        if (b.tipo == TipoBanda::PieGrupo && !grupos.contains(b.grupo))
            o.falle(QStringLiteral("la banda «%1» cierra el grupo «%2», que no es una banda "
                                   "encabezado_grupo anterior")
                        .arg(b.nombre, b.grupo));
        if (b.tipo == TipoBanda::EncabezadoPagina || b.tipo == TipoBanda::PiePagina)
            fijas += b.alto;
    }
    const double util = d.papel_orientado().height() - d.margen_superior - d.margen_inferior;
    for (const Banda& b : d.bandas)
        if (b.tipo != TipoBanda::EncabezadoPagina && b.tipo != TipoBanda::PiePagina &&
            fijas + b.alto > util)
            o.falle(QStringLiteral("la banda «%1» no cabe en la página con sus encabezados y pies")
                        .arg(b.nombre));
    if (d.papel_orientado().width() - d.margen_izquierdo - d.margen_derecho <= 0 || util <= 0)
        o.falle(QStringLiteral("los márgenes no dejan espacio en la página"));
}

DefinicionReporte lea_reporte(const QJsonValue& v, const QString& lugar,
                              const QHash<QString, QString>& parametros) {
    const QString nombre = v.toObject().value(QStringLiteral("nombre")).toString();
    const Objeto aqui(v, nombre.isEmpty() ? lugar : lugar + QStringLiteral(" «%1»").arg(nombre),
                      {QStringLiteral("nombre"), QStringLiteral("pagina"), QStringLiteral("fuente"),
                       QStringLiteral("bandas")});
    DefinicionReporte d;
    d.nombre = aqui.texto(QStringLiteral("nombre"), {}, true);
    d.parametros = parametros;
    if (aqui.tiene(QStringLiteral("pagina")))
        lea_pagina(aqui, d);
    const FuenteTexto fuente = lea_fuente(aqui, FuenteTexto{});
    const QJsonArray bandas = aqui.lista(QStringLiteral("bandas"));
    for (int i = 0; i < bandas.size(); ++i)
        d.bandas.push_back(
            lea_banda(bandas[i], aqui.lugar() + QStringLiteral(", banda %1").arg(i + 1), fuente));
    revise_bandas(aqui, d);
    return d;
}

int linea_de(const QByteArray& texto, int posicion) {
    return 1 + static_cast<int>(texto.left(posicion).count('\n'));
}

}  // namespace

std::optional<ProyectoReporte> ProyectoReporte::de_texto(const QByteArray& json,
                                                         const QString& nombre_archivo,
                                                         QString* error) {
    auto falle = [&](const QString& m) -> std::optional<ProyectoReporte> {
        if (error)
            *error = m;
        return std::nullopt;
    };
    QJsonParseError p;
    const QJsonDocument doc = QJsonDocument::fromJson(json, &p);
    if (p.error != QJsonParseError::NoError)
        return falle(QStringLiteral("El archivo de reporte %1 no se puede leer: %2 en la línea %3.")
                         .arg(nombre_archivo, p.errorString())
                         .arg(linea_de(json, p.offset)));
    ProyectoReporte proyecto;
    proyecto.archivo_ = nombre_archivo;
    try {
        const Objeto raiz(doc.isObject() ? QJsonValue(doc.object()) : QJsonValue(),
                          QStringLiteral("el archivo"),
                          {QStringLiteral("descripcion"), QStringLiteral("parametros"),
                           QStringLiteral("reportes")});
        QHash<QString, QString> parametros;
        if (raiz.tiene(QStringLiteral("parametros"))) {
            const QJsonValue pv = raiz.valor(QStringLiteral("parametros"));
            const QJsonObject po = pv.toObject();
            const Objeto pobj(pv, QStringLiteral("parametros"), po.keys());
            for (const QString& k : po.keys())
                parametros.insert(k, pobj.texto(k));
        }
        const QJsonArray reportes = raiz.lista(QStringLiteral("reportes"));
        if (reportes.isEmpty())
            raiz.falle(QStringLiteral("«reportes» no trae ningún reporte"));
        for (int i = 0; i < reportes.size(); ++i) {
            DefinicionReporte d =
                lea_reporte(reportes[i], QStringLiteral("el reporte %1").arg(i + 1), parametros);
            if (proyecto.reporte(d.nombre))
                raiz.falle(QStringLiteral("el reporte «%1» está repetido").arg(d.nombre));
            d.archivo = nombre_archivo;
            proyecto.reportes_.push_back(std::move(d));
        }
    } catch (const Falla& f) {
        return falle(QStringLiteral("El archivo de reporte %1 tiene un error en %2: %3.")
                         .arg(nombre_archivo, f.lugar, f.que));
    }
    return proyecto;
}

std::optional<ProyectoReporte> ProyectoReporte::lea(const QString& ruta, QString* error) {
    QFile f(ruta);
    if (!f.open(QIODevice::ReadOnly)) {
        if (error)
            *error = QStringLiteral("No se pudo abrir el archivo de reporte %1: %2.")
                         .arg(QDir::toNativeSeparators(ruta), f.errorString());
        return std::nullopt;
    }
    return de_texto(f.readAll(), QDir::toNativeSeparators(ruta), error);
}

QStringList ProyectoReporte::reportes() const {
    QStringList r;
    for (const DefinicionReporte& d : reportes_)
        r << d.nombre;
    return r;
}

const DefinicionReporte* ProyectoReporte::reporte(const QString& nombre) const {
    for (const DefinicionReporte& d : reportes_)
        if (d.nombre == nombre)
            return &d;
    return nullptr;
}

}  // namespace ledgrix
