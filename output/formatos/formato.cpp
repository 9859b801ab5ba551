#include "output/formatos/formato.h"

#include <QSqlQuery>
#include <QSqlRecord>
#include <algorithm>

#include "core/sql/sqltext.h"
#include "core/tfdm/tfdm.h"

namespace ledgrix {

namespace {

QString texto(const QSqlQuery& q, const char* columna) {
    return q.value(QLatin1String(columna)).toString().trimmed();
}

int entero(const QSqlQuery& q, const char* columna) {
    return q.value(QLatin1String(columna)).toInt();
}

bool es_si(const QSqlQuery& q, const char* columna) {
    return texto(q, columna) == u"S";
}

std::optional<double> pulgadas(const QSqlQuery& q, const char* columna) {
    const QVariant v = q.value(QLatin1String(columna));
    if (v.isNull() || v.toString().trimmed().isEmpty())
        return std::nullopt;
    const double d = Currency::fromVariant(v).toDouble();
    return d > 0 ? std::optional<double>(d) : std::nullopt;
}

}  // namespace

int DatoFormato::decimales() const {
    bool ok = false;
    const int n = formato.trimmed().toInt(&ok);
    return ok && n >= 0 && n <= 4 ? n : 2;
}

int Formato::max_posy_impresos() const {
    int maximo = 0;
    for (const DatoFormato& d : datos)
        if (d.imprime)
            maximo = std::max(maximo, d.posy);
    return maximo;
}

std::optional<Formato> cargue_formato(Tfdm& dm, int tipo, const QString& prefijo) {
    const QString donde =
        QString::number(tipo) + QStringLiteral(" and pref_pre = ") + sql::quoted(prefijo);
    auto qf = dm.sql().select(QStringLiteral("select * from formatos where tido_cod = ") + donde);
    if (!qf || !qf->next())
        return std::nullopt;
    Formato f;
    f.tido_cod = tipo;
    f.pref_pre = prefijo;
    f.impresora = texto(*qf, "FORM_IMPRE");
    f.nro_items = entero(*qf, "FORM_NROITEMS");
    f.paginas = es_si(*qf, "FORM_PAGINAS");
    f.entrelinea = entero(*qf, "FORM_ENTRELINEA");
    f.font = texto(*qf, "FORM_FONT");
    f.fsize = entero(*qf, "FORM_FSIZE");
    f.papel_ancho = pulgadas(*qf, "FORM_PAPELAN");
    f.papel_alto = pulgadas(*qf, "FORM_PAPELAL");

    if (auto q = dm.sql().select(QStringLiteral("select * from formato_datos where tido_cod = ") +
                                 donde + QStringLiteral(" order by dafo_item, dafo_dato"))) {
        while (q->next()) {
            DatoFormato d;
            d.dato = texto(*q, "DAFO_DATO");
            d.imprime = es_si(*q, "DAFO_IMPRIME");
            d.posx = entero(*q, "DAFO_POSX");
            d.posy = entero(*q, "DAFO_POSY");
            d.repite = es_si(*q, "DAFO_REPITE");
            d.ini = std::max(1, entero(*q, "DAFO_INI"));
            d.largo = entero(*q, "DAFO_LONG");
            d.formato = texto(*q, "DAFO_FORMATO");
            d.font = texto(*q, "DAFO_FONT");
            d.fsize = entero(*q, "DAFO_FSIZE");
            d.liquida = es_si(*q, "DAFO_LIQUIDA");
            d.posyvar = es_si(*q, "DAFO_POSYVAR");
            d.item = entero(*q, "DAFO_ITEM");
            d.cortar_palabras = texto(*q, "DAFO_CORTARPALABRAS");
            d.justifica = texto(*q, "DAFO_JUSTIFICA");
            f.datos.append(d);
        }
    }
    if (auto q = dm.sql().select(QStringLiteral("select * from formato_lineas where tido_cod = ") +
                                 donde + QStringLiteral(" order by foli_item"))) {
        while (q->next()) {
            LineaFormato l;
            l.item = entero(*q, "FOLI_ITEM");
            const QString tipo_elemento = texto(*q, "FOLI_TIPO");
            l.tipo = tipo_elemento.isEmpty() ? QChar(u'T') : tipo_elemento.at(0);
            l.posx = entero(*q, "FOLI_POSX");
            l.posy = entero(*q, "FOLI_POSY");
            l.x = entero(*q, "FOLI_X");
            l.y = entero(*q, "FOLI_Y");
            l.cadena = q->value(QStringLiteral("FOLI_CADENA")).toString();
            l.font = texto(*q, "FOLI_FONT");
            l.fsize = entero(*q, "FOLI_FSIZE");
            l.liquida = es_si(*q, "FOLI_LIQUIDA");
            l.imagen = q->value(QStringLiteral("FOLI_IMAGEN")).toByteArray();
            f.lineas.append(l);
        }
    }
    return f;
}

}  // namespace ledgrix
