#include "output/mantenimiento/edicion_formato.h"

#include <QFile>

#include "core/data/client_dataset.h"
#include "core/data/provider.h"
#include "core/services/dialogs.h"
#include "core/sql/sqltext.h"
#include "core/tfdm/tfdm.h"

namespace ledgrix {

namespace {

const QString kTipo = QStringLiteral("TIDO_COD");
const QString kPrefijo = QStringLiteral("PREF_PRE");
const QString kS = QStringLiteral("S");
const QString kN = QStringLiteral("N");

EdicionFormato::VistaPrevia& vista_instalada() {
    static EdicionFormato::VistaPrevia vista;
    return vista;
}

QStringList nombres(std::initializer_list<const char*> lista) {
    QStringList salida;
    for (const char* n : lista)
        salida << QString::fromLatin1(n);
    return salida;
}

// Items of the user signed in, the insertion audit and the company, which
// every payables voucher fills.
QStringList comunes() {
    return nombres({"NOMBRE USUARIO", "CODIGO USUARIO", "NUMERO PAGINA", "FECHA REGISTRO",
                    "HORA REGISTRO", "USUARIO REGISTRO", "NOMBRE COMPANIA", "DIR COMPANIA",
                    "TELS COMPANIA", "NIT COMPANIA", "ENCABEZA COMPANIA", "LOGO COMPANIA"});
}

QStringList contables() {
    return nombres({"CUENTA CONTABLE", "NOMBRE CUENTA CONTABLE", "TERCERO CONTABLE",
                    "NOMBRE TERCERO CONTABLE", "CONCEPTO CONTABLE", "BASE CONTABLE",
                    "PORCENTAJE CONTABLE", "CENTRO CONTABLE", "SUBCENTRO CONTABLE",
                    "AUXILIAR CENTRO CONTABLE", "DEBITO CONTABLE", "CREDITO CONTABLE",
                    "REFERENCIA CONTABLE"});
}

QStringList tercero() {
    return nombres({"PREFIJO", "NUMERO", "FECHA", "CONCEPTO", "NIT", "TERC NOMBRE",
                    "TERC DIRECCION", "TERC CIUDAD", "TERC TELEFONO", "TERC CONTACTO", "TERC FAX",
                    "COD INTERNO", "OBSERVACION"});
}

}  // namespace

void EdicionFormato::instale_vista_previa(VistaPrevia vista) {
    vista_instalada() = std::move(vista);
}

QString EdicionFormato::ventana_impresion(int tipo) {
    switch (tipo) {
        case 51:
            return QStringLiteral("Tfimprnotadbp");
        case 52:
            return QStringLiteral("Tfimprnotacrp");
        case 53:
            return QStringLiteral("Tfimpraplicacionp");
        case 55:
            return QStringLiteral("Tfimpranticipoprv");
        default:
            return {};
    }
}

QStringList EdicionFormato::datos_disponibles(int tipo) {
    QStringList lista;
    switch (tipo) {
        case 51:
        case 52:
            lista = tercero() +
                    nombres({"NUMERO SIN CEROS",
                             "NUMERO PROVEEDOR",
                             "NUMERO AUTORIZACION",
                             "CELULAR",
                             "EMAIL",
                             "DIAS VENCE",
                             "SUBTOTAL",
                             "MONTO",
                             "IVA MONTO",
                             "DESCUENTO MONTO",
                             "EXTRA",
                             "RETEFUENTE MONTO",
                             "RETEIVA MONTO",
                             "RETEICA MONTO",
                             "RETECREE MONTO",
                             "DTO FINANCIERO MONTO",
                             "TOTAL",
                             "NETO",
                             "IVA PORC",
                             "DESCUENTO PORC",
                             "ADICIONAL",
                             "RETEFUENTE PORC",
                             "RETEIVA PORC",
                             "RETEICA PORC",
                             "RETECREE PORC",
                             "DTO FINANCIERO PORC",
                             "DTO FECHA",
                             "COD PROVEEDOR",
                             "CARTERA",
                             "TOTAL LETRAS",
                             "NETO LETRAS",
                             "CUDS",
                             "CODIGO QR",
                             "ACUMULADO",
                             "APLICADO A"}) +
                    contables();
            break;
        case 53:
            lista = tercero() +
                    nombres({"COD PROVEEDOR", "CARTERA", "PREFDOC", "NUMDOC", "TIPODOC", "ITEM",
                             "ABONO", "RETEFUENTE", "RETEIVA", "RETEICA", "RETENCION CREE",
                             "DOCUMENTO SALDO", "DOCUMENTO ANTERIOR"}) +
                    contables();
            break;
        case 55:
            lista = tercero() +
                    nombres({"CELULAR", "EMAIL", "MONTO", "IVA MONTO", "RETEFUENTE MONTO",
                             "RETEIVA MONTO", "RETEICA MONTO", "IVA PORC", "RETEFUENTE PORC",
                             "RETEIVA PORC", "RETEICA PORC", "COD PROVEEDOR", "CARTERA PROV"});
            break;
        case 50:
            lista = tercero() + nombres({"FECHA LETRAS",
                                         "TERC CEL",
                                         "TERC EMAIL",
                                         "COD CLIENTE",
                                         "ZONA",
                                         "SUBZONA",
                                         "CANAL",
                                         "SUBCANAL",
                                         "COBRADOR",
                                         "NOM COBRADOR",
                                         "CAJA",
                                         "NOM CAJA",
                                         "PREFIJO ANTICIPO",
                                         "TOTAL",
                                         "INICIAL",
                                         "FECHA INICIAL",
                                         "INTERES",
                                         "CUOTAS",
                                         "PREFIJO RECIBO",
                                         "NUMERO RECIBO",
                                         "FECHA CUOTA",
                                         "ITEM",
                                         "MONTO CUOTA"});
            break;
        case 62:
            lista = nombres({"PREFIJO",
                             "NUMERO",
                             "FECHA",
                             "FECHA LETRAS",
                             "NIT",
                             "TERCERO NOMBRE",
                             "TERCERO DIRECCION",
                             "TERCERO CIUDAD",
                             "TERCERO TELEFONO",
                             "SALDO PROVEEDOR",
                             "OBSERVACIONES",
                             "CONCEPTO",
                             "TIPO MOV. BANCO",
                             "PREFIJO MOV. BANCO",
                             "NUMERO MOV. BANCO",
                             "CODIGO CUENTA BANCO",
                             "NUMERO CUENTA BANCO",
                             "TITULAR CUENTA BANCO",
                             "SUCURSAL CUENTA BANCO",
                             "CONTABILIDAD CUENTA BANCO",
                             "FECHA MOV. BANCO",
                             "ANO MOV. BANCO",
                             "MES MOV. BANCO",
                             "DIA MOV. BANCO",
                             "BENEFICIARIO MOV. BANCO",
                             "CONCEPTO MOV. BANCO",
                             "MONTO MOV. BANCO",
                             "MONTO BANCO LETRAS",
                             "TOTAL EGRESO",
                             "TOTAL DESCUENTO",
                             "EXCEDENTE",
                             "TOTAL RETEFUENTE",
                             "TOTAL RETENCION IVA",
                             "TOTAL RETENCION ICA",
                             "TOTAL RETENCION CREE",
                             "TOTAL SALDO ANTERIOR",
                             "TOTAL NUEVO SALDO",
                             "TOTAL LETRAS",
                             "TOTAL FORMA 1",
                             "TOTAL FORMA 2",
                             "TOTAL FORMA 3",
                             "TOTAL FORMA 4",
                             "TOTAL MONTO CAJA",
                             "TOTAL FORMA PAGO 1",
                             "TOTAL FORMA PAGO 2",
                             "TOTAL FORMA PAGO 3",
                             "TOTAL FORMA PAGO 4",
                             "NETO CONTABLE"}) +
                    contables();
            break;
        default:
            break;
    }
    lista += comunes();
    lista.removeDuplicates();
    lista.sort();
    return lista;
}

ClientDataset* EdicionFormato::conjunto(const QString& nombre, const QString& sql) {
    auto* p = new Provider(this, QStringLiteral("P") + nombre);
    p->setConnectionName(dm_.Ledgrix());
    p->setQueryName(QStringLiteral("Q") + nombre);
    p->setCommandText(sql);
    auto* ds = new ClientDataset(this, QStringLiteral("C") + nombre);
    ds->setProvider(p);
    return ds;
}

EdicionFormato::EdicionFormato(Tfdm& dm, Modo modo, int tipo, const QString& prefijo,
                               QObject* parent)
    : QObject(parent), dm_(dm), modo_(modo) {
    if (modo == Modo::Nuevo) {
        tipo = 0;
    }
    CFormato =
        conjunto(QStringLiteral("Formatos"),
                 QStringLiteral("select * from formatos where tido_cod = ") + sql::number(tipo) +
                     QStringLiteral(" and pref_pre = ") + sql::quoted(prefijo));
    CDatos = conjunto(QStringLiteral("Formato_datos"),
                      QStringLiteral("select * from formato_datos where tido_cod = :TIDO_COD and "
                                     "pref_pre = :PREF_PRE order by dafo_item"));
    CLineas = conjunto(QStringLiteral("Formato_lineas"),
                       QStringLiteral("select * from formato_lineas where tido_cod = :TIDO_COD "
                                      "and pref_pre = :PREF_PRE order by foli_item"));
    CDatos->setMaster(CFormato, {{kTipo, kTipo}, {kPrefijo, kPrefijo}});
    CLineas->setMaster(CFormato, {{kTipo, kTipo}, {kPrefijo, kPrefijo}});
    // A data name once per format: refused on the line, before saving.
    CDatos->setUniqueIndex({QStringLiteral("DAFO_DATO")});
    dm.ConfigurarProviders(this);

    const auto titulos = [](ClientDataset* ds,
                            std::initializer_list<std::pair<const char*, const char*>> lista,
                            Field::Type tipo) {
        for (const auto& [campo, titulo] : lista)
            ds->declareField(QString::fromLatin1(campo), tipo)
                .setDisplayLabel(QString::fromUtf8(titulo));
    };
    titulos(CDatos,
            {{"DAFO_DATO", "Dato"},
             {"DAFO_IMPRIME", "Imprimir"},
             {"DAFO_REPITE", "Rep."},
             {"DAFO_FORMATO", "Decimal"},
             {"DAFO_FONT", "Font"},
             {"DAFO_LIQUIDA", "Liq."},
             {"DAFO_POSYVAR", "PYV"}},
            Field::Type::String);
    titulos(CDatos,
            {{"DAFO_POSX", "Pos. X"},
             {"DAFO_POSY", "Pos Y"},
             {"DAFO_INI", "Inicio"},
             {"DAFO_LONG", "Long."},
             {"DAFO_FSIZE", "Tamaño"}},
            Field::Type::Integer);
    titulos(CLineas, {{"FOLI_TIPO", "Tipo"}, {"FOLI_CADENA", "Texto"}, {"FOLI_FONT", "Font"}},
            Field::Type::String);
    titulos(CLineas,
            {{"FOLI_POSX", "Pos. X"},
             {"FOLI_POSY", "Pos. Y"},
             {"FOLI_X", "Long. X"},
             {"FOLI_Y", "Long. Y"},
             {"FOLI_FSIZE", "Tamaño"}},
            Field::Type::Integer);
    for (ClientDataset* ds : {CDatos, CLineas})
        for (const char* oculto : {"TIDO_COD", "PREF_PRE"})
            ds->declareField(QString::fromLatin1(oculto),
                             oculto[0] == 'T' ? Field::Type::Integer : Field::Type::String)
                .setVisible(false);
    for (const char* oculto : {"DAFO_CORTARPALABRAS", "DAFO_JUSTIFICA"})
        CDatos->declareField(QString::fromLatin1(oculto)).setVisible(false);
    CDatos->declareField(QStringLiteral("DAFO_ITEM"), Field::Type::Integer).setVisible(false);
    CLineas->declareField(QStringLiteral("FOLI_ITEM"), Field::Type::Integer).setVisible(false);
    CLineas->declareField(QStringLiteral("FOLI_LIQUIDA")).setVisible(false);
    CLineas->declareField(QStringLiteral("FOLI_IMAGEN"), Field::Type::Blob).setVisible(false);

    CFormato->onNewRecord = [](ClientDataset& ds) {
        ds.fieldByName(QStringLiteral("FORM_PAGINAS")).setValue(kS);
        ds.fieldByName(QStringLiteral("FORM_NROITEMS")).setValue(0);
        ds.fieldByName(QStringLiteral("FORM_ENTRELINEA")).setValue(0);
    };
    CDatos->onNewRecord = [this](ClientDataset& ds) {
        ds.fieldByName(QStringLiteral("DAFO_ITEM")).setValue(++contador_datos_);
        ds.fieldByName(QStringLiteral("DAFO_INI")).setValue(1);
        ds.fieldByName(QStringLiteral("DAFO_FONT"))
            .setValue(CFormato->fieldByName(QStringLiteral("FORM_FONT")).value());
        ds.fieldByName(QStringLiteral("DAFO_FSIZE"))
            .setValue(CFormato->fieldByName(QStringLiteral("FORM_FSIZE")).value());
        ds.fieldByName(QStringLiteral("DAFO_IMPRIME")).setValue(kS);
        ds.fieldByName(QStringLiteral("DAFO_REPITE")).setValue(kN);
        ds.fieldByName(QStringLiteral("DAFO_LIQUIDA")).setValue(kN);
        ds.fieldByName(QStringLiteral("DAFO_POSYVAR")).setValue(kN);
        ds.fieldByName(QStringLiteral("DAFO_POSX")).setValue(0);
        ds.fieldByName(QStringLiteral("DAFO_POSY")).setValue(0);
    };
    CLineas->onNewRecord = [this](ClientDataset& ds) {
        ds.fieldByName(QStringLiteral("FOLI_TIPO")).setValue(QStringLiteral("T"));
        ds.fieldByName(QStringLiteral("FOLI_ITEM")).setValue(++contador_lineas_);
        ds.fieldByName(QStringLiteral("FOLI_FONT"))
            .setValue(CFormato->fieldByName(QStringLiteral("FORM_FONT")).value());
        ds.fieldByName(QStringLiteral("FOLI_FSIZE"))
            .setValue(CFormato->fieldByName(QStringLiteral("FORM_FSIZE")).value());
        ds.fieldByName(QStringLiteral("FOLI_LIQUIDA")).setValue(kN);
        for (const char* c : {"FOLI_POSX", "FOLI_POSY", "FOLI_X", "FOLI_Y"})
            ds.fieldByName(QString::fromLatin1(c)).setValue(0);
    };

    if (!CFormato->open()) {
        abierta_ = false;
        return;
    }
    CFormato->fetchAll();
    if (modo == Modo::Nuevo) {
        CFormato->append();
        return;
    }
    if (CFormato->isEmpty()) {
        dm.dialogs().error(QStringLiteral("Formato no encontrado."));
        abierta_ = false;
        return;
    }
    CFormato->edit();
    lea_contadores();
}

void EdicionFormato::lea_contadores() {
    const QString donde = QStringLiteral(" where tido_cod = ") + sql::number(tipo()) +
                          QStringLiteral(" and pref_pre = ") + sql::quoted(prefijo());
    contador_datos_ =
        dm_.sql()
            .scalar(QStringLiteral("select max(dafo_item) from formato_datos") + donde)
            .toInt();
    contador_lineas_ =
        dm_.sql()
            .scalar(QStringLiteral("select max(foli_item) from formato_lineas") + donde)
            .toInt();
}

int EdicionFormato::tipo() const {
    if (!CFormato->active() || CFormato->isEmpty())
        return 0;
    return static_cast<int>(CFormato->fieldByName(kTipo).asInteger());
}

QString EdicionFormato::prefijo() const {
    if (!CFormato->active() || CFormato->isEmpty())
        return {};
    return CFormato->fieldByName(kPrefijo).asString();
}

QList<EdicionFormato::Opcion> EdicionFormato::documentos() const {
    QList<Opcion> lista;
    if (auto q = dm_.sql().select(QStringLiteral(
            "select TIDO_COD, TIDO_NOMLARGO from TIPO_DOCUMENTO where TIDO_MODULO = 'CXPAGAR' "
            "order by TIDO_COD")))
        while (q->next())
            lista << Opcion{q->value(0).toInt(), q->value(1).toString()};
    return lista;
}

QStringList EdicionFormato::prefijos(int tipo) const {
    QStringList lista;
    if (auto q = dm_.sql().select(QStringLiteral("select * from prefijos where tido_cod = ") +
                                  sql::number(tipo)))
        while (q->next())
            lista << q->value(QStringLiteral("PREF_PRE")).toString();
    return lista;
}

bool EdicionFormato::en_edicion(ClientDataset& ds) {
    if (!ds.active())
        return false;
    if (ds.state() == ClientDataset::State::Edit || ds.state() == ClientDataset::State::Insert)
        return true;
    return !ds.isEmpty() && ds.edit();
}

bool EdicionFormato::asigne(const QString& campo, const QVariant& valor) {
    return en_edicion(*CFormato) && CFormato->fieldByName(campo).setValue(valor);
}

QStringList EdicionFormato::elija_documento(int tipo) {
    const QStringList lista = prefijos(tipo);
    if (lista.isEmpty()) {
        dm_.dialogs().error(
            QStringLiteral("Debe crear antes los prefijos para el tipo de documento."));
        abierta_ = false;
        return lista;
    }
    asigne(kTipo, tipo);
    if (!lista.contains(prefijo()))
        asigne(kPrefijo, QVariant());
    return lista;
}

bool EdicionFormato::elija_prefijo(const QString& prefijo) {
    const auto existe = [this, &prefijo] {
        auto q = dm_.sql().select(QStringLiteral("select * from formatos where tido_cod = ") +
                                  sql::number(tipo()) + QStringLiteral(" and pref_pre = ") +
                                  sql::quoted(prefijo));
        return q && q->next();
    };
    if (modo_ == Modo::Nuevo && !prefijo.isEmpty() && existe()) {
        dm_.dialogs().error(
            QStringLiteral("Ya existe un formato para ese documento. Use la opción de modificar."));
        asigne(kPrefijo, QVariant());
        return false;
    }
    return asigne(kPrefijo, prefijo.isEmpty() ? QVariant() : QVariant(prefijo));
}

bool EdicionFormato::agregue(ClientDataset& detalle) {
    if (!detalle.active())
        return false;
    // Adding a line posts the header first; what the header still lacks is
    // asked for when saving.
    std::vector<Field*> exigidos;
    for (Field* f : CFormato->fields())
        if (f->required()) {
            f->setRequired(false);
            exigidos.push_back(f);
        }
    const bool agregado = detalle.append();
    for (Field* f : exigidos)
        f->setRequired(true);
    return agregado;
}

bool EdicionFormato::agregue_dato() {
    return agregue(*CDatos);
}

bool EdicionFormato::agregue_linea() {
    return agregue(*CLineas);
}

bool EdicionFormato::borre_dato() {
    if (!CDatos->active() || CDatos->isEmpty())
        return false;
    const QString dato = CDatos->fieldByName(QStringLiteral("DAFO_DATO")).asString();
    if (!dm_.dialogs().question(QStringLiteral("Esta seguro de borrar el dato ") + dato +
                                QStringLiteral("?")))
        return false;
    if (CDatos->state() == ClientDataset::State::Insert) {
        CDatos->cancel();
        return true;
    }
    return CDatos->remove();
}

bool EdicionFormato::borre_linea() {
    if (!CLineas->active() || CLineas->isEmpty())
        return false;
    if (!dm_.dialogs().question(QStringLiteral("Esta seguro de borrar la línea o cuadro?")))
        return false;
    if (CLineas->state() == ClientDataset::State::Insert) {
        CLineas->cancel();
        return true;
    }
    return CLineas->remove();
}

bool EdicionFormato::cargue_imagen(const QString& ruta) {
    if (ruta.isEmpty() || !CLineas->active() || CLineas->isEmpty())
        return false;
    if (CLineas->fieldByName(QStringLiteral("FOLI_TIPO")).asString() != QLatin1String("G")) {
        dm_.dialogs().error(QStringLiteral("Solo los elementos de tipo Gráfico llevan imagen."));
        return false;
    }
    QFile archivo(ruta);
    if (!archivo.open(QIODevice::ReadOnly)) {
        dm_.dialogs().error(QStringLiteral("No se pudo leer el archivo ") + ruta);
        return false;
    }
    const QByteArray imagen = archivo.readAll();
    return en_edicion(*CLineas) &&
           CLineas->fieldByName(QStringLiteral("FOLI_IMAGEN")).setValue(imagen);
}

void EdicionFormato::descarte_textos_vacios() {
    // A text element without text is dropped rather than stored.
    if (!CLineas->active())
        return;
    for (int i = CLineas->recordCount() - 1; i >= 0; --i) {
        CLineas->moveTo(i);
        if (CLineas->fieldByName(QStringLiteral("FOLI_TIPO")).asString() == QLatin1String("T") &&
            CLineas->fieldByName(QStringLiteral("FOLI_CADENA")).asString().trimmed().isEmpty()) {
            if (CLineas->state() == ClientDataset::State::Insert)
                CLineas->cancel();
            else
                CLineas->remove();
        }
    }
}

bool EdicionFormato::confirme_pendientes() {
    // The lines hang on the header: theirs are posted first.
    for (ClientDataset* detalle : {CDatos, CLineas})
        if (detalle->active() && detalle->state() != ClientDataset::State::Browse &&
            !detalle->post())
            return false;
    descarte_textos_vacios();
    return true;
}

bool EdicionFormato::grabe(const QString& impresora) {
    if (!abierta_ || !CFormato->active())
        return false;
    if (tipo() == 0 || prefijo().isEmpty()) {
        dm_.dialogs().error(QStringLiteral("Debe escoger el documento y el prefijo."));
        return false;
    }
    if (!confirme_pendientes() || !en_edicion(*CFormato))
        return false;
    CFormato->fieldByName(QStringLiteral("FORM_IMPRE"))
        .setValue(impresora.trimmed().isEmpty() ? QVariant() : QVariant(impresora.trimmed()));
    if (!CFormato->post())
        return false;
    if (CFormato->applyUpdates(0) != 0) {
        CFormato->edit();
        return false;
    }
    // Stored: from now on the window modifies it.
    modo_ = Modo::Modificar;
    return true;
}

void EdicionFormato::cancele() {
    if (CFormato->active())
        CFormato->cancelUpdates();
}

bool EdicionFormato::hay_cambios() const {
    if (!CFormato->active())
        return false;
    if (CFormato->state() == ClientDataset::State::Insert)
        return true;
    for (ClientDataset* ds : {CDatos, CLineas})
        if (ds->active() && (ds->state() != ClientDataset::State::Browse || ds->changeCount() > 0))
            return true;
    return CFormato->changeCount() > 0;
}

bool EdicionFormato::recargue() {
    const int t = tipo();
    const QString p = prefijo();
    CFormato->cancelUpdates();
    CFormato->close();
    CFormato->provider()->setCommandText(
        QStringLiteral("select * from formatos where tido_cod = ") + sql::number(t) +
        QStringLiteral(" and pref_pre = ") + sql::quoted(p));
    if (!CFormato->open() || CFormato->isEmpty())
        return false;
    CFormato->edit();
    lea_contadores();
    return true;
}

int EdicionFormato::documento_reciente() const {
    QString sql;
    switch (tipo()) {
        case 51:
            sql =
                QStringLiteral("select max(ndpr_id) from notas_debito_proveedor where pref_pre = ");
            break;
        case 52:
            sql = QStringLiteral(
                "select max(ncpr_id) from notas_credito_proveedor where pref_pre = ");
            break;
        case 53:
            sql = QStringLiteral("select max(appr_id) from aplicacion_provedor where pref_pre = ");
            break;
        case 55:
            sql = QStringLiteral("select max(anpr_id) from anticipos_proveedor where pref_pre = ");
            break;
        default:
            return 0;
    }
    return dm_.sql().scalar(sql + sql::quoted(prefijo())).toInt();
}

bool EdicionFormato::vista_previa() {
    const int id = documento_reciente();
    if (id == 0) {
        dm_.dialogs().error(QStringLiteral("Debe registrar antes al menos una factura."));
        return false;
    }
    const int tipo_doc = tipo();
    dm_.dialogs().modal(ventana_impresion(tipo_doc), [this, tipo_doc, id] {
        const VistaPrevia& vista = vista_instalada();
        return vista ? vista(dm_, tipo_doc, id) : 0;
    });
    return true;
}

}  // namespace ledgrix
