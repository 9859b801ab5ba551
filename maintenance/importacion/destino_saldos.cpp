#include "maintenance/importacion/destino_saldos.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <array>

#include "core/money/currency.h"

namespace ledgrix::importacion {

namespace {

// The file's amount items and the columns they fill (after the table's
// column prefix).
struct Importe {
    const char* dato;
    const char* columna;
};
constexpr std::array kImportes{
    Importe{"MONTO", "MONTO"},
    Importe{"TRM", "TRM"},
    Importe{"EXENTOS", "BASE0"},
    Importe{"GRAVADOS1", "BASE1"},
    Importe{"GRAVADOS2", "BASE2"},
    Importe{"IVAMONTO", "IVAMONTO"},
    Importe{"IVA1", "IVA1"},
    Importe{"IVA2", "IVA2"},
    Importe{"RTEFTEMONTO", "RTFTEMONTO"},
    Importe{"RTEIVAMONTO", "RTIVAMONTO"},
    Importe{"RTEICAMONTO", "RTICAMONTO"},
    Importe{"RTCREEMONTO", "RTCREEM"},
};

struct Tabla {
    int tipo;
    const char* prefijo;
    const char* tabla;
    const char* generador;
    const char* nombre;
};
const Tabla kCargos{51, "NDPR", "NOTAS_DEBITO_PROVEEDOR", "CAMBIE_ID_NOTADBPROV", "cargo"};
const Tabla kDescuentos{52, "NCPR", "NOTAS_CREDITO_PROVEEDOR", "CAMBIE_ID_NOTACRPROV", "descuento"};

// The document as the charge and discount windows store it: the id from the
// table's procedure, not annulled, not sent, the general cost kind, and what
// the windows take from the supplier when his NIT is typed (the accounts
// and, for a charge without a due date, his payment days). The row is read
// from the supplier's (which the checks made sure exists).
QString insercion(const Tabla& t) {
    const QString p = QLatin1String(t.prefijo) + QLatin1Char('_');
    QList<std::pair<QString, QString>> c{
        {p + QStringLiteral("ID"),
         QStringLiteral("(select ID from %1)").arg(QLatin1String(t.generador))},
        {QStringLiteral("PREF_PRE"), QStringLiteral("cast(? as varchar(4))")},
        {p + QStringLiteral("NUMERO"), QStringLiteral("cast(? as varchar(8))")},
        {p + QStringLiteral("FECHA"), QStringLiteral("cast(? as date)")},
        {p + QStringLiteral("CONC"), QStringLiteral("cast(? as varchar(60))")},
        {p + QStringLiteral("MONEDA"), QStringLiteral("cast(? as integer)")},
        {p + QStringLiteral("DTOFECHA"), QStringLiteral("cast(? as date)")},
        {p + QStringLiteral("USUARIO"), QStringLiteral("cast(? as varchar(10))")},
    };
    for (const Importe& i : kImportes)
        c.append({p + QLatin1String(i.columna), QStringLiteral("cast(? as varchar(40))")});
    if (t.tipo == 51) {
        c.append({p + QStringLiteral("VENCE"),
                  QStringLiteral("coalesce(cast(? as date), dateadd(coalesce(v.PROV_DIASPAGO, 0) "
                                 "day to cast(? as date)))")});
        c.append({p + QStringLiteral("FECFAC"), QStringLiteral("cast(? as date)")});
    }
    c.append({QStringLiteral("TERC_NIT"), QStringLiteral("v.TERC_NIT")});
    c.append({p + QStringLiteral("CTAPAGAR"), QStringLiteral("v.PROV_CTAPAGAR")});
    c.append({p + QStringLiteral("CTACAUSA"), QStringLiteral("v.PROV_CTACAUSA")});
    c.append({p + QStringLiteral("CTAPAGARN"), QStringLiteral("v.PROV_CTAPAGNIIF")});
    c.append({p + QStringLiteral("CTACAUSAN"), QStringLiteral("v.PROV_CTACAUSANIIF")});
    c.append({QStringLiteral("TIDO_COD"), QString::number(t.tipo)});
    for (const char* x : {"ANULADO", "TRANSMIT"})
        c.append({p + QLatin1String(x), QStringLiteral("'N'")});
    c.append({QStringLiteral("NUMOK"), QStringLiteral("'N'")});
    c.append({p + QStringLiteral("TIPOCOSTO"), QStringLiteral("'A'")});
    QStringList columnas, valores;
    for (const auto& [columna, valor] : c) {
        columnas << columna;
        valores << valor;
    }
    return QStringLiteral("insert into %1 (%2) select %3 from PROVEEDORES v where v.TERC_NIT = ?")
        .arg(QLatin1String(t.tabla), columnas.join(QStringLiteral(", ")),
             valores.join(QStringLiteral(", ")));
}

QString dia(const QDate& d) {
    return d.toString(QStringLiteral("dd/MM/yyyy"));
}

}  // namespace

struct DestinoSaldos::Documento {
    const Tabla& tabla;
    QString prefijo;
    QString numero;
    QString clave_prefijo() const { return QString::number(tabla.tipo) + u'|' + prefijo; }
    QString clave() const { return clave_prefijo() + u'|' + numero; }
    // "cargo CA 000123"
    QString sustantivo() const {
        return QLatin1String(tabla.nombre) + u' ' + prefijo + u' ' + numero;
    }
    QString nombre() const { return QStringLiteral("El ") + sustantivo(); }
};

DestinoSaldos::DestinoSaldos(QString usuario) : usuario_(std::move(usuario)) {}
DestinoSaldos::~DestinoSaldos() = default;

// Numbers are stored as the windows write them, six digits zero-filled.
DestinoSaldos::Documento DestinoSaldos::documento(const Registro& r) const {
    const bool cargo = texto(r, "TIPODOC").compare(QLatin1String("D"), Qt::CaseInsensitive) == 0;
    QString numero = texto(r, "NUMERO");
    if (!numero.isEmpty() && numero.size() < 6)
        numero = numero.rightJustified(6, u'0');
    return Documento{cargo ? kCargos : kDescuentos, texto(r, "PREFIJO"), numero};
}

bool DestinoSaldos::lea_monedas(const QSqlDatabase& db, QString& error) {
    QSqlQuery q(db);
    if (!q.exec(QStringLiteral("select TIMO_SIMBOLO, TIMO_COD from TIPOS_MONEDA"))) {
        error = q.lastError().text();
        return false;
    }
    while (q.next())
        monedas_.insert(q.value(0).toString().trimmed().toUpper(), q.value(1).toInt());
    return true;
}

// No currency in the file is the local one.
int DestinoSaldos::moneda(const Registro& r) const {
    const QString simbolo = texto(r, "MONEDA");
    return simbolo.isEmpty() ? 1 : monedas_.value(simbolo.toUpper());
}

bool DestinoSaldos::cargue(const QSqlDatabase& db) {
    QString error;
    return (lea_claves(db, QStringLiteral("select TERC_NIT from PROVEEDORES"), proveedores_,
                       error) &&
            lea_monedas(db, error) &&
            lea_claves(db,
                       QStringLiteral("select TIDO_COD || '|' || PREF_PRE from PREFIJOS where "
                                      "TIDO_COD in (51, 52)"),
                       prefijos_, error) &&
            lea_claves(db,
                       QStringLiteral("select '51|' || PREF_PRE || '|' || NDPR_NUMERO from "
                                      "NOTAS_DEBITO_PROVEEDOR union all select '52|' || "
                                      "PREF_PRE || '|' || NCPR_NUMERO from "
                                      "NOTAS_CREDITO_PROVEEDOR"),
                       documentos_, error)) ||
           falle(error);
}

QString DestinoSaldos::revise(const Registro& r) {
    const Documento d = documento(r);
    if (d.prefijo.isEmpty())
        return QStringLiteral("Falta el prefijo.");
    if (d.numero.isEmpty())
        return QStringLiteral("Falta el número.");
    if (d.numero.size() > 8)
        return QStringLiteral("El número ") + d.numero +
               QStringLiteral(" tiene más de ocho cifras.");
    const QString repetido = repetida(d.clave(), d.nombre(), r.linea);
    if (!repetido.isEmpty())
        return repetido;
    if (documentos_.contains(d.clave()))
        return d.nombre() + QStringLiteral(" ya existe.");
    const QDate el_dia = fecha(r, "FECHA");
    if (!el_dia.isValid())
        return QStringLiteral("Falta la fecha.");
    const QString nit = texto(r, "NIT");
    if (nit.isEmpty())
        return QStringLiteral("Falta el NIT.");
    if (!proveedores_.contains(nit))
        return QStringLiteral("El NIT ") + nit + QStringLiteral(" no es un proveedor.");
    if (moneda(r) == 0)
        return QStringLiteral("La moneda ") + texto(r, "MONEDA") + QStringLiteral(" no existe.");
    const QDate vence = fecha(r, "VENCE");
    if (d.tabla.tipo == 51 && vence.isValid() && vence < el_dia)
        return QStringLiteral("El vencimiento ") + dia(vence) +
               QStringLiteral(" es anterior a la fecha ") + dia(el_dia) + u'.';
    for (const Importe& i : kImportes)
        if (monto(r, i.dato) < 0)
            return QStringLiteral("Los valores del ") + d.sustantivo() +
                   QStringLiteral(" no pueden ser negativos.");
    if (monto(r, "MONTO") == 0)
        return QStringLiteral("El monto del ") + d.sustantivo() +
               QStringLiteral(" debe ser mayor que cero.");
    if (!prefijos_.contains(d.clave_prefijo())) {
        // Its first document creates it, with its number as the consecutive.
        if (d.numero.size() > 6)
            return QStringLiteral("El prefijo ") + d.prefijo +
                   QStringLiteral(" no existe y el número ") + d.numero +
                   QStringLiteral(" no cabe en su consecutivo.");
        prefijos_.insert(d.clave_prefijo());
        nuevos_.insert(d.clave_prefijo());
    }
    return {};
}

bool DestinoSaldos::prepare(const QSqlDatabase& db) {
    prefijo_ = std::make_unique<Sentencia>(db);
    cargo_ = std::make_unique<Sentencia>(db);
    descuento_ = std::make_unique<Sentencia>(db);
    if (!prefijo_->prepare(QStringLiteral(
            "insert into prefijos (tido_cod, pref_pre, pref_actual, pref_auto, pref_ivainc, "
            "pref_activo) values (?, ?, ?, 'N', 'N', 'S')")))
        return falle(prefijo_->error());
    if (!cargo_->prepare(insercion(kCargos)))
        return falle(cargo_->error());
    if (!descuento_->prepare(insercion(kDescuentos)))
        return falle(descuento_->error());
    return true;
}

bool DestinoSaldos::escriba(const Registro& r) {
    const Documento d = documento(r);
    if (nuevos_.remove(d.clave_prefijo()) &&
        !prefijo_->ejecute({d.tabla.tipo, d.prefijo, d.numero}))
        return falle(prefijo_->error());
    const QDate el_dia = fecha(r, "FECHA");
    QVariantList valores{d.prefijo, d.numero, el_dia,  texto_o_nulo(r, "CONCEPTO"),
                         moneda(r), el_dia,   usuario_};
    for (const Importe& i : kImportes) {
        qint64 valor = monto(r, i.dato);
        if (valor == 0 && QLatin1String(i.dato) == QLatin1String("TRM"))
            valor = Currency::kScale;  // no rate: the local currency's
        valores << monto_sql(valor);
    }
    Sentencia& s = d.tabla.tipo == 51 ? *cargo_ : *descuento_;
    if (d.tabla.tipo == 51) {
        const QDate vence = fecha(r, "VENCE");
        valores << (vence.isValid() ? QVariant(vence) : QVariant(QMetaType::fromType<QDate>()))
                << el_dia << el_dia;
    }
    valores << texto(r, "NIT");
    if (!s.ejecute(valores))
        return falle(s.error());
    // The supplier's row gives the document's: none, nothing stored.
    return s.consulta().numRowsAffected() == 1 ||
           falle(QStringLiteral("El NIT ") + texto(r, "NIT") +
                 QStringLiteral(" no es un proveedor."));
}

QString DestinoSaldos::avance(const Registro& r) const {
    const Documento d = documento(r);
    return QStringLiteral("Documento: ") + d.prefijo + u' ' + d.numero;
}

}  // namespace ledgrix::importacion
