#include "output/impresion/impresion_documento.h"

#include <QDir>
#include <QSqlRecord>

#include "core/services/dialogs.h"
#include "core/sql/sqltext.h"
#include "core/tfdm/tfdm.h"
#include "output/qr/qr.h"
#include "output/soporte/envio_soporte.h"

namespace ledgrix {

namespace {

QString S(const char* t) {
    return QString::fromUtf8(t);
}

QString comoTexto(const QVariant& v) {
    if (v.typeId() == QMetaType::QByteArray)
        return QString::fromUtf8(v.toByteArray());
    return v.toString();
}

// The tax authority's public look-up of a support document by its unique code.
const QString kConsultaQr =
    QStringLiteral("https://catalogo-vpfe.dian.gov.co/document/searchqr?documentkey=");

}  // namespace

QString fecha_en_letras(const QDate& fecha) {
    static const char* const meses[] = {"enero",      "febrero", "marzo",     "abril",
                                        "mayo",       "junio",   "julio",     "agosto",
                                        "septiembre", "octubre", "noviembre", "diciembre"};
    if (!fecha.isValid())
        return {};
    return QStringLiteral("%1 de %2 de %3")
        .arg(fecha.day())
        .arg(S(meses[fecha.month() - 1]))
        .arg(fecha.year());
}

ImpresionDocumento::ImpresionDocumento(Tfdm& dm, const MiembroImpresion& miembro, qint64 id)
    : dm_(dm), m_(miembro), id_(id) {}

QList<FilaImpresion> ImpresionDocumento::filas(const QString& sql) const {
    QList<FilaImpresion> out;
    auto q = dm_.sql().select(sql);
    if (!q)
        return out;
    const QSqlRecord rec = q->record();
    while (q->next()) {
        FilaImpresion f;
        for (int i = 0; i < rec.count(); ++i)
            f.insert(rec.fieldName(i).toUpper(), q->value(i));
        out.append(f);
    }
    return out;
}

bool ImpresionDocumento::cargue() {
    const QString tipo = QString::number(m_.tipo);
    const QString id = QString::number(id_);
    const QList<FilaImpresion> propias =
        filas(QStringLiteral("select * from %1(%2)").arg(m_.procedimiento, id));
    fila_ = propias.isEmpty() ? FilaImpresion{} : propias.first();

    secciones_.clear();
    lineas_.clear();
    for (const SeccionDetalle& s : m_.detalle) {
        QList<FilaImpresion> rs = s.consulta.isEmpty() ? propias : filas(s.consulta.arg(tipo, id));
        if (!s.columna_linea.isEmpty())
            rs.removeIf([&](const FilaImpresion& f) { return f.value(s.columna_linea).isNull(); });
        if (s.consulta.isEmpty())
            lineas_ = rs;
        secciones_.append(rs);
    }

    anulado_ = dm_.sql()
                   .scalar(QStringLiteral("select %1 from %2 where %3 = %4")
                               .arg(m_.columna_anulado, m_.tabla, m_.columna_id, id))
                   .toString() == QStringLiteral("S");

    autorizacion_.clear();
    if (!m_.columna_autorizacion.isEmpty()) {
        autorizacion_ =
            dm_.sql()
                .scalar(
                    QStringLiteral(
                        "select auto_numero || ' de ' || auto_fecha || ' del ' || a.pref_pre || "
                        "CAST(CAST(auto_inicial AS INTEGER) AS VARCHAR(8)) || ' al ' || a.pref_pre "
                        "|| "
                        "CAST(CAST(auto_final AS INTEGER) AS VARCHAR(8)) from autorizaciones a, %1 "
                        "n "
                        "where n.pref_pre = a.pref_pre and n.%2 = a.auto_numero AND A.TIDO_COD = "
                        "%3 "
                        "AND %4 = %5")
                        .arg(m_.tabla, m_.columna_autorizacion, tipo, m_.columna_id, id))
                .toString();
    }

    registro_fecha_ = {};
    registro_hora_.clear();
    registro_usuario_.clear();
    auto q = dm_.sql().select(
        QStringLiteral("select audi_fecha, substring(cast(audi_hora as varchar(20)) from 1 for 8), "
                       "audi_usuario from auditoria where tido_cod = %1 and audi_oper = 'I' "
                       "and audi_iddoc = %2 order by audi_id desc")
            .arg(tipo, id));
    if (q && q->next()) {
        registro_fecha_ = q->value(0).toDate();
        registro_hora_ = q->value(1).toString();
        registro_usuario_ = q->value(2).toString();
    }
    return !fila_.isEmpty();
}

QString ImpresionDocumento::prefijo() const {
    return fila_.value(QStringLiteral("PREFIJO")).toString();
}
QString ImpresionDocumento::numero() const {
    return fila_.value(QStringLiteral("NUMERO")).toString();
}

Currency ImpresionDocumento::monto(const QString& columna) const {
    return Currency::fromVariant(fila_.value(columna));
}

QString ImpresionDocumento::ruta_pdf() const {
    return QDir(dm_.directorio())
        .filePath(m_.nombre_pdf + prefijo() + numero() + QStringLiteral(".PDF"));
}

QString ImpresionDocumento::texto_qr() const {
    const QString fin = QStringLiteral("\r\n");
    const QString cuds = comoTexto(fila_.value(QStringLiteral("CUDS")));
    const QString pin =
        dm_.configuracion(QStringLiteral("CXPAGAR"), QStringLiteral("DOCUMENTO SOPORTE"),
                          QStringLiteral("PIN DEL SOFTWARE"));
    // The company's NIT is kept with its check digit; the tax id alone goes here.
    const QString nit_compania = dm_.ctx.compania.nit.section(u'-', 0, 0).trimmed();
    const QDate fecha = fila_.value(QStringLiteral("FECHA")).toDate();
    QString t;
    t += QStringLiteral("NumDS: ") + prefijo().trimmed() + QString::number(numero().toLongLong()) +
         fin;
    t += QStringLiteral("FecDS: ") + fecha.toString(QStringLiteral("yyyy-MM-dd")) + fin;
    t += QStringLiteral("HorDS: ") + registro_hora_ + fin;
    t += QStringLiteral("ValDS: ") + monto(QStringLiteral("MONTO")).toString(2) + fin;
    t += QStringLiteral("CodImp: 06");
    t += QStringLiteral("ValImp: ") + monto(QStringLiteral("RTFTEMONTO")).toString(2) + fin;
    t += QStringLiteral("ValTol: ") + monto(QStringLiteral("TOTAL")).toString(2) + fin;
    t += QStringLiteral("NumSNO: ") + fila_.value(QStringLiteral("NIT")).toString() + fin;
    t += QStringLiteral("NITABS: ") + nit_compania + fin;
    t += QStringLiteral("Software-PIN: ") + pin;
    t += QStringLiteral("CUDS: ") + cuds + fin;
    t += kConsultaQr + cuds + fin;
    return t;
}

ValorImpreso ImpresionDocumento::valor(const FilaImpresion& fila, const ItemImpreso& item) const {
    const QVariant v = fila.value(QString::fromLatin1(item.columna));
    switch (item.fuente) {
        case Fuente::Texto:
            return ValorImpreso::Texto(comoTexto(v));
        case Fuente::Fecha:
            return ValorImpreso::Texto(v.toDate().toString(Tfdm::formato_fecha()));
        case Fuente::Dinero:
            return ValorImpreso::Dinero(Currency::fromVariant(v));
        case Fuente::Tasa:
            return ValorImpreso::Numero(Currency::fromVariant(v));
        case Fuente::Letras:
            return ValorImpreso::Texto(dm_.numero_a_letras(Currency::fromVariant(v)));
        case Fuente::SinCeros:
            return ValorImpreso::Texto(QString::number(v.toString().trimmed().toLongLong()));
    }
    return {};
}

DatosImpresos ImpresionDocumento::encabezado() const {
    DatosImpresos d;
    if (fila_.isEmpty())
        return d;
    for (const ItemImpreso& it : m_.items) {
        if (!fila_.value(QString::fromLatin1(it.columna)).isNull())
            d.insert(QString::fromUtf8(it.dato), valor(fila_, it));
    }
    d.insert(S("NUMERO SIN CEROS"), ValorImpreso::Texto(QString::number(numero().toLongLong())));
    if (!autorizacion_.isEmpty())
        d.insert(S("NUMERO AUTORIZACION"), ValorImpreso::Texto(autorizacion_));
    if (m_.documento_soporte)
        d.insert(S("CODIGO QR"), ValorImpreso::Imagen(qr(texto_qr())));

    d.insert(S("NOMBRE USUARIO"), ValorImpreso::Texto(dm_.ctx.nombre_usuario));
    d.insert(S("CODIGO USUARIO"), ValorImpreso::Texto(dm_.ctx.usuario));
    if (registro_fecha_.isValid()) {
        d.insert(S("FECHA REGISTRO"),
                 ValorImpreso::Texto(registro_fecha_.toString(Tfdm::formato_fecha())));
        d.insert(S("HORA REGISTRO"), ValorImpreso::Texto(registro_hora_));
        d.insert(S("USUARIO REGISTRO"), ValorImpreso::Texto(registro_usuario_));
    }
    const RegistroCompania& c = dm_.ctx.compania;
    d.insert(S("NOMBRE COMPANIA"), ValorImpreso::Texto(c.nombre));
    d.insert(S("DIR COMPANIA"), ValorImpreso::Texto(c.direccion));
    d.insert(S("TELS COMPANIA"), ValorImpreso::Texto(c.telefonos));
    d.insert(S("NIT COMPANIA"), ValorImpreso::Texto(c.nit));
    d.insert(S("ENCABEZA COMPANIA"), ValorImpreso::Texto(c.encabezado));
    if (m_.complemento)
        m_.complemento(*this, d);
    return d;
}

QList<DatosImpresos> ImpresionDocumento::detalle() const {
    QList<DatosImpresos> out;
    for (int s = 0; s < m_.detalle.size(); ++s) {
        for (const FilaImpresion& f : secciones_.value(s)) {
            DatosImpresos d;
            for (const ItemImpreso& it : m_.detalle.at(s).items) {
                if (!f.value(QString::fromLatin1(it.columna)).isNull())
                    d.insert(QString::fromUtf8(it.dato), valor(f, it));
            }
            out.append(d);
        }
    }
    return out;
}

DocumentoImpreso ImpresionDocumento::documento() const {
    DocumentoImpreso doc;
    doc.encabezado = encabezado();
    doc.detalle = detalle();
    doc.anulado = anulado_;
    doc.directorio = dm_.directorio();
    doc.logo = dm_.ctx.compania.logo;
    doc.titulo = titulo_reporte();
    doc.cortes_y_justificacion = m_.cortes_y_justificacion;
    return doc;
}

std::pair<int, QString> ImpresionDocumento::formato_a_usar() {
    if (m_.tipo == 62 && !monto(QStringLiteral("BCOMONTO")).isZero() &&
        dm_.configuracion_si(S("CAJA"), S("EGRESOS"),
                             S("IMPRIMIR CON FORMATO DEL CHEQUE SI EL PAGO ES DEL BANCO"))) {
        // The bank document's own format: the cheque's, or the withdrawal's when so configured.
        const QString prefijo_banco = fila_.value(QStringLiteral("BCOPREFIJO")).toString();
        if (fila_.value(QStringLiteral("BCOTIPO")).toInt() == 72)
            return {72, prefijo_banco};
        if (dm_.configuracion_si(S("CAJA"), S("EGRESOS"),
                                 S("USAR FORMATO DEL RETIRO O DEL CHEQUE SEGUN TIPO EN EL EGRESO")))
            return {73, prefijo_banco};
    }
    return {m_.tipo, prefijo()};
}

std::optional<std::pair<int, QString>> ImpresionDocumento::cheque_adicional() {
    if (m_.tipo != 62 || fila_.value(QStringLiteral("BCOCUENTA")).isNull())
        return std::nullopt;
    const QString cuenta =
        dm_.configuracion(S("CAJA"), S("EGRESOS"),
                          S("CODIGO DE LA CUENTA DEL BANCO PARA IMPRESION ADICIONAL DE CHEQUE"));
    if (cuenta.trimmed().isEmpty() ||
        cuenta.trimmed() != fila_.value(QStringLiteral("BCOCUENTA")).toString().trimmed())
        return std::nullopt;
    return std::pair{72, fila_.value(QStringLiteral("BCOPREFIJO")).toString()};
}

std::optional<Formato> ImpresionDocumento::formato() {
    const auto [tipo, pref] = formato_a_usar();
    std::optional<Formato> f = cargue_formato(dm_, tipo, pref);
    if (!f)
        dm_.dialogs().error(S("No se encontró el formato de impresión."));
    return f;
}

bool ImpresionDocumento::con_opciones() {
    return dm_.configuracion(S("CXPAGAR"), S("GENERAL"),
                             S("PREVISUALIZAR IMPRESION DE DOCUMENTOS")) == S("SI");
}

QString ImpresionDocumento::imprima_pdf() {
    const std::optional<Formato> f = formato();
    if (!f)
        return {};
    const QString ruta = ruta_pdf();
    if (MotorFormato(*f).imprima_pdf(ruta, documento()) == 0) {
        dm_.dialogs().error(S("No se pudo escribir el archivo ") + ruta);
        return {};
    }
    return ruta;
}

void ImpresionDocumento::envie_documento_electronico() {
    EnvioSoporte envio(dm_);
    const bool enviado = m_.tipo == 51   ? envio.envie_cargo(id_, prefijo(), numero(), anulado_)
                         : m_.tipo == 52 ? envio.envie_descuento(id_, prefijo(), numero(), anulado_)
                                         : false;
    // The code the authority answered goes on the printed document and its QR.
    if (enviado)
        cargue();
}

}  // namespace ledgrix
