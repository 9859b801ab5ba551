#include "output/impresion/familia.h"

#include <QHash>

#include "core/tfdm/tfdm.h"
#include "output/impresion/impresion_documento.h"

namespace ledgrix {

namespace {

QString S(const char* t) {
    return QString::fromUtf8(t);
}

// Third party of the payables documents.
const QList<ItemImpreso> kTercero = {
    {"NIT", "NIT", Fuente::Texto},
    {"TERC NOMBRE", "NOMBRE", Fuente::Texto},
    {"TERC DIRECCION", "DIR", Fuente::Texto},
    {"TERC CIUDAD", "CIU", Fuente::Texto},
    {"TERC TELEFONO", "TEL", Fuente::Texto},
    {"TERC CONTACTO", "CONTACTO", Fuente::Texto},
    {"TERC FAX", "FAX", Fuente::Texto},
};

const QList<ItemImpreso> kIdentidad = {
    {"PREFIJO", "PREFIJO", Fuente::Texto}, {"NUMERO", "NUMERO", Fuente::Texto},
    {"FECHA", "FECHA", Fuente::Fecha},     {"CONCEPTO", "CONCEPTO", Fuente::Texto},
    {"OBSERVACION", "OBS", Fuente::Texto},
};

// Charges and discounts share their print row.
const QList<ItemImpreso> kNota = kIdentidad + kTercero +
                                 QList<ItemImpreso>{
                                     {"NUMERO PROVEEDOR", "NUMPROV", Fuente::Texto},
                                     {"CELULAR", "CEL", Fuente::Texto},
                                     {"EMAIL", "EMAIL", Fuente::Texto},
                                     {"DIAS VENCE", "VENCE", Fuente::Fecha},
                                     {"SUBTOTAL", "SUBTOTAL", Fuente::Dinero},
                                     {"MONTO", "MONTO", Fuente::Dinero},
                                     {"IVA MONTO", "IVAMONTO", Fuente::Dinero},
                                     {"DESCUENTO MONTO", "DTOMONTO", Fuente::Dinero},
                                     {"EXTRA", "EXTRA", Fuente::Dinero},
                                     {"RETEFUENTE MONTO", "RTFTEMONTO", Fuente::Dinero},
                                     {"RETEIVA MONTO", "RTIVAMONTO", Fuente::Dinero},
                                     {"RETEICA MONTO", "RTICAMONTO", Fuente::Dinero},
                                     {"RETECREE MONTO", "RTCREEMONTO", Fuente::Dinero},
                                     {"DTO FINANCIERO MONTO", "DTOFMONTO", Fuente::Dinero},
                                     {"TOTAL", "TOTAL", Fuente::Dinero},
                                     {"NETO", "TOTALPAGAR", Fuente::Dinero},
                                     {"IVA PORC", "IVAPORC", Fuente::Tasa},
                                     {"DESCUENTO PORC", "DTOPORC", Fuente::Tasa},
                                     {"ADICIONAL", "ADICIONAL", Fuente::Tasa},
                                     {"RETEFUENTE PORC", "RTFTEPORC", Fuente::Tasa},
                                     {"RETEIVA PORC", "RTIVAPORC", Fuente::Tasa},
                                     {"RETEICA PORC", "RTICAPORC", Fuente::Tasa},
                                     {"RETECREE PORC", "RTCREEPORC", Fuente::Tasa},
                                     {"DTO FINANCIERO PORC", "DTOFPORC", Fuente::Tasa},
                                     {"DTO FECHA", "DTOFECHA", Fuente::Fecha},
                                     {"COD PROVEEDOR", "PROV_COD", Fuente::Texto},
                                     {"CARTERA", "PROV_CARTERA", Fuente::Texto},
                                     {"COD INTERNO", "PROV_CODIGOINT", Fuente::Texto},
                                     {"TOTAL LETRAS", "TOTAL", Fuente::Letras},
                                     {"NETO LETRAS", "TOTALPAGAR", Fuente::Letras},
                                     {"CUDS", "CUDS", Fuente::Texto},
                                     {"ACUMULADO", "ACUMULADO", Fuente::Texto},
                                     {"APLICADO A", "DOCAPLICADO", Fuente::Texto},
                                 };

const QString kConsultaContable = QStringLiteral("select * from impr_contabilizacion(%1, %2)");
const QList<ItemImpreso> kContables = {
    {"CUENTA CONTABLE", "CUENTA", Fuente::Texto},
    {"NOMBRE CUENTA CONTABLE", "NOMCUENTA", Fuente::Texto},
    {"TERCERO CONTABLE", "NIT", Fuente::Texto},
    {"NOMBRE TERCERO CONTABLE", "NOMTERC", Fuente::Texto},
    {"CONCEPTO CONTABLE", "CONCEPTO", Fuente::Texto},
    {"BASE CONTABLE", "BASE", Fuente::Tasa},
    {"PORCENTAJE CONTABLE", "PORC", Fuente::Tasa},
    {"CENTRO CONTABLE", "PROY", Fuente::Texto},
    {"SUBCENTRO CONTABLE", "CENTRO", Fuente::Texto},
    {"AUXILIAR CENTRO CONTABLE", "SUBC", Fuente::Texto},
    {"DEBITO CONTABLE", "DEBITO", Fuente::Tasa},
    {"CREDITO CONTABLE", "CREDITO", Fuente::Tasa},
    {"REFERENCIA CONTABLE", "REF", Fuente::Texto},
};

MiembroImpresion nota(bool cargo) {
    MiembroImpresion m;
    m.ventana = cargo ? S("Tfimprnotadbp") : S("Tfimprnotacrp");
    m.caption = cargo ? S("Imprimir Cargos a Cuenta") : S("Imprimir Descuentos a Cuenta");
    m.tipo = cargo ? 51 : 52;
    m.procedimiento = cargo ? S("impr_notadbpr") : S("impr_notacrpr");
    m.tabla = cargo ? S("notas_debito_proveedor") : S("notas_credito_proveedor");
    m.columna_id = cargo ? S("ndpr_id") : S("ncpr_id");
    m.columna_anulado = cargo ? S("ndpr_anulado") : S("ncpr_anulado");
    m.columna_autorizacion = cargo ? S("ndpr_auto") : S("ncpr_auto");
    m.titulo_reporte = cargo ? S("Cargos en Cuenta No. ") : S("Abono a Cuenta No. ");
    m.titulo_trabajo = cargo ? S("Cargo acreedor No. ") : S("Descuento acreedor No. ");
    m.nombre_pdf = cargo ? S("Cargo por pagar No ") : S("Descuento acreedor No ");
    m.aviso = cargo ? S("Prepare la impresora y presione Imprimir para generar el cargo en cuenta")
                    : S("Prepare la impresora y presione Imprimir para generar el descuento");
    m.documento_soporte = true;
    m.items = kNota;
    m.detalle = {{kConsultaContable, kContables, {}}};
    return m;
}

}  // namespace

const MiembroImpresion& impresion_cargo() {
    static const MiembroImpresion m = nota(true);
    return m;
}

const MiembroImpresion& impresion_descuento() {
    static const MiembroImpresion m = nota(false);
    return m;
}

const MiembroImpresion& impresion_aplicacion() {
    static const MiembroImpresion m = [] {
        MiembroImpresion m;
        m.ventana = S("Tfimpraplicacionp");
        m.caption = S("Imprimir Aplicaciones");
        m.tipo = 53;
        m.procedimiento = S("impr_apliprov");
        m.tabla = S("aplicacion_provedor");
        m.columna_id = S("appr_id");
        m.columna_anulado = S("appr_anulado");
        m.titulo_reporte = S("Aplicación a Proveedor No. ");
        m.titulo_trabajo = S("Aplicación proveedor No. ");
        m.nombre_pdf = S("Aplicacion proveedor No ");
        m.aviso = S("Prepare la impresora y presione Imprimir para generar la aplicación");
        m.items = kIdentidad + kTercero +
                  QList<ItemImpreso>{
                      {"COD PROVEEDOR", "PROV_COD", Fuente::Texto},
                      {"CARTERA", "PROV_CARTERA", Fuente::Texto},
                      {"COD INTERNO", "PROV_CODIGOINT", Fuente::Texto},
                  };
        m.detalle = {
            {{},
             {{"ITEM", "ITEM", Fuente::Texto},
              {"TIPODOC", "TIPODOC", Fuente::Texto},
              {"PREFDOC", "PREFDOC", Fuente::Texto},
              {"NUMDOC", "NUMDOC", Fuente::Texto},
              {"ABONO", "ABONO", Fuente::Tasa},
              {"RETEFUENTE", "RETEFUENTE", Fuente::Tasa},
              {"RETEIVA", "RETEIVA", Fuente::Tasa},
              {"RETEICA", "RETEICA", Fuente::Tasa},
              {"RETENCION CREE", "RETECREE", Fuente::Tasa},
              {"DOCUMENTO SALDO", "SALDO", Fuente::Tasa},
              {"DOCUMENTO ANTERIOR", "ANTERIOR", Fuente::Tasa}},
             S("ITEM")},
            {kConsultaContable, kContables, {}},
        };
        return m;
    }();
    return m;
}

const MiembroImpresion& impresion_anticipo() {
    static const MiembroImpresion m = [] {
        MiembroImpresion m;
        m.ventana = S("Tfimpranticipoprv");
        m.caption = S("Imprimir Anticipos a Proveedores");
        m.tipo = 55;
        m.procedimiento = S("impr_antiprov");
        m.tabla = S("anticipos_proveedor");
        m.columna_id = S("anpr_id");
        m.columna_anulado = S("anpr_anulado");
        m.titulo_reporte = S("Anticipo Proveedor No. ");
        m.titulo_trabajo = S("Anticipo proveedor No. ");
        m.nombre_pdf = S("Anticipo proveedor No ");
        m.aviso = S("Prepare la impresora y presione Imprimir para generar el anticipo");
        m.items = kIdentidad + kTercero +
                  QList<ItemImpreso>{
                      {"CELULAR", "CEL", Fuente::Texto},
                      {"EMAIL", "EMAIL", Fuente::Texto},
                      {"MONTO", "MONTO", Fuente::Dinero},
                      {"IVA MONTO", "IVAMONTO", Fuente::Dinero},
                      {"RETEFUENTE MONTO", "RTFTEMONTO", Fuente::Dinero},
                      {"RETEIVA MONTO", "RTIVAMONTO", Fuente::Dinero},
                      {"RETEICA MONTO", "RTICAMONTO", Fuente::Dinero},
                      {"TOTAL", "TOTAL", Fuente::Dinero},
                      {"NETO", "TOTALPAGAR", Fuente::Dinero},
                      {"TOTAL LETRAS", "TOTAL", Fuente::Letras},
                      {"NETO LETRAS", "TOTALPAGAR", Fuente::Letras},
                      {"IVA PORC", "IVAPORC", Fuente::Tasa},
                      {"RETEFUENTE PORC", "RTFTEPORC", Fuente::Tasa},
                      {"RETEIVA PORC", "RTIVAPORC", Fuente::Tasa},
                      {"RETEICA PORC", "RTICAPORC", Fuente::Tasa},
                      {"COD PROVEEDOR", "PROV_COD", Fuente::Texto},
                      {"CARTERA PROV", "PROV_CARTERA", Fuente::Texto},
                      {"COD INTERNO", "PROV_CODIGOINT", Fuente::Texto},
                  };
        return m;
    }();
    return m;
}

const MiembroImpresion& impresion_credito() {
    static const MiembroImpresion m = [] {
        MiembroImpresion m;
        m.ventana = S("Tfimprcausacred");
        m.caption = S("Imprimir Créditos por Pagar");
        m.tipo = 57;
        m.procedimiento = S("impr_causacred");
        m.tabla = S("credito_cxpagar");
        m.columna_id = S("crcx_id");
        m.columna_anulado = S("crcx_anulado");
        m.titulo_reporte = S("Crédito por Pagar No. ");
        m.titulo_trabajo = S("Crédito por pagar No. ");
        m.nombre_pdf = S("Causa credito No ");
        m.aviso = S("Prepare la impresora y presione Imprimir para generar el crédito");
        m.items = kIdentidad + kTercero +
                  QList<ItemImpreso>{
                      {"TERC CEL", "CEL", Fuente::Texto},
                      {"TERC EMAIL", "EMAIL", Fuente::Texto},
                      {"COD CLIENTE", "PROV_COD", Fuente::Texto},
                      {"PREFIJO ANTICIPO", "PREFND", Fuente::Texto},
                      {"DOCUMENTO", "DOCUMENTO", Fuente::Texto},
                      {"TOTAL", "TOTAL", Fuente::Dinero},
                      {"TOTAL LETRAS", "TOTAL", Fuente::Letras},
                      {"INICIAL", "INICIAL", Fuente::Dinero},
                      {"FECHA INICIAL", "FECHAINICIAL", Fuente::Fecha},
                      {"INTERES", "INTERES", Fuente::Tasa},
                      {"CUOTAS", "CUOTAS", Fuente::Texto},
                  };
        m.detalle = {{{},
                      {{"ITEM", "ITEM", Fuente::Texto},
                       {"FECHA CUOTA", "FECHACUOTA", Fuente::Fecha},
                       {"MONTO CUOTA", "MONTOCUOTA", Fuente::Tasa},
                       {"PREFIJO RECIBO", "PREFREC", Fuente::Texto},
                       {"NUMERO RECIBO", "NUMREC", Fuente::Texto}},
                      S("ITEM")}};
        m.complemento = [](const ImpresionDocumento& doc, DatosImpresos& d) {
            d.insert(S("FECHA LETRAS"), ValorImpreso::Texto(fecha_en_letras(
                                            doc.fila().value(QStringLiteral("FECHA")).toDate())));
        };
        return m;
    }();
    return m;
}

const MiembroImpresion& impresion_egreso() {
    static const MiembroImpresion m = [] {
        MiembroImpresion m;
        m.ventana = S("Tfimpregreso");
        m.caption = S("Imprimir Comprobantes de Egreso");
        m.tipo = 62;
        m.procedimiento = S("impr_egreso");
        m.tabla = S("egresos");
        m.columna_id = S("egre_id");
        m.columna_anulado = S("egre_anulado");
        m.titulo_reporte = S("Comprobante de egreso No. ");
        m.titulo_trabajo = S("Comprobante de egreso No. ");
        m.nombre_pdf = S("Egreso No ");
        m.aviso =
            S("Prepare la impresora y presione Imprimir para generar el comprobante de egreso");
        m.cortes_y_justificacion = true;
        m.items = {
            {"PREFIJO", "PREFIJO", Fuente::Texto},
            {"NUMERO", "NUMERO", Fuente::Texto},
            {"FECHA", "FECHA", Fuente::Fecha},
            {"CONCEPTO", "CONCEPTO", Fuente::Texto},
            {"OBSERVACIONES", "OBS", Fuente::Texto},
            {"NIT", "NIT", Fuente::Texto},
            {"TERCERO NOMBRE", "NOMBRE", Fuente::Texto},
            {"TERCERO DIRECCION", "DIR", Fuente::Texto},
            {"TERCERO CIUDAD", "CIU", Fuente::Texto},
            {"TERCERO TELEFONO", "TEL", Fuente::Texto},
            {"SALDO PROVEEDOR", "SALDOPROV", Fuente::Dinero},
            {"PREFIJO MOV. BANCO", "BCOPREFIJO", Fuente::Texto},
            {"NUMERO MOV. BANCO", "BCONUMERO", Fuente::Texto},
            {"CODIGO CUENTA BANCO", "BCOCUENTA", Fuente::Texto},
            {"FECHA MOV. BANCO", "BCOFECHA", Fuente::Fecha},
            {"BENEFICIARIO MOV. BANCO", "BCOBENEF", Fuente::Texto},
            {"CONCEPTO MOV. BANCO", "BCOCONCEPTO", Fuente::Texto},
            {"MONTO MOV. BANCO", "BCOMONTO", Fuente::Dinero},
            {"MONTO BANCO LETRAS", "BCOMONTO", Fuente::Letras},
            {"TOTAL EGRESO", "TOTALEGRESO", Fuente::Dinero},
            {"TOTAL DESCUENTO", "DTOF", Fuente::Dinero},
            {"EXCEDENTE", "EXCEDENTE", Fuente::Dinero},
            {"TOTAL RETEFUENTE", "RTFTEMONTO", Fuente::Dinero},
            {"TOTAL RETENCION IVA", "RTIVAMONTO", Fuente::Dinero},
            {"TOTAL RETENCION ICA", "RTICAMONTO", Fuente::Dinero},
            {"TOTAL RETENCION CREE", "RTCREEMONTO", Fuente::Dinero},
            {"TOTAL LETRAS", "TOTALEGRESO", Fuente::Letras},
        };
        m.detalle = {
            {{},
             {{"DOCUMENTO ITEM", "ITEM", Fuente::Texto},
              {"DOCUMENTO TIPO", "TIPODOC", Fuente::Texto},
              {"DOCUMENTO PREFIJO", "PREFDOC", Fuente::Texto},
              {"DOCUMENTO NUMERO", "NUMDOC", Fuente::Texto},
              {"DOCUMENTO NUMERO PROVEEDOR", "NUMPROV", Fuente::Texto},
              {"DOCUMENTO SALDO ANTERIOR", "ANTERIORDOC", Fuente::Tasa},
              {"DOCUMENTO DESCUENTO", "DTOFDOC", Fuente::Tasa},
              {"DOCUMENTO RETEFUENTE", "RTFTEDOC", Fuente::Tasa},
              {"DOCUMENTO RETEIVA", "RTIVADOC", Fuente::Tasa},
              {"DOCUMENTO RETEICA", "RTICADOC", Fuente::Tasa},
              {"DOCUMENTO RETECREE", "RCREEDOC", Fuente::Tasa},
              {"DOCUMENTO NUEVO SALDO", "SALDODOC", Fuente::Tasa},
              {"DOCUMENTO TOTAL ABONO", "ABONO", Fuente::Tasa}},
             S("ITEM")},
            {QStringLiteral("select * from impr_formapago(%1, %2)"),
             {{"PAGO ITEM", "ITEM", Fuente::Texto},
              {"PAGO FORMA", "FORMA", Fuente::Texto},
              {"PAGO BANCO", "BANCO", Fuente::Texto},
              {"PAGO CUENTA", "CUENTA", Fuente::Texto},
              {"PAGO NUMERO", "NUMERO", Fuente::Texto},
              {"PAGO FECHA", "FECHA", Fuente::Fecha},
              {"PAGO MONTO", "MONTO", Fuente::Tasa},
              {"PAGO CAJA", "CAJA", Fuente::Texto}},
             {}},
            {kConsultaContable,
             kContables + QList<ItemImpreso>{{"NETO CONTABLE", "NETO", Fuente::Tasa}},
             {}},
            {QStringLiteral("select * from impr_cruces(%1, %2)"),
             {{"CRUCE ITEM", "ITEM", Fuente::Texto},
              {"CRUCE TIPO", "TIPODOC", Fuente::Texto},
              {"CRUCE PREFIJO", "PREFDOC", Fuente::Texto},
              {"CRUCE NUMERO", "NUMDOC", Fuente::Texto},
              {"CRUCE DESCUENTO", "DTOF", Fuente::Tasa},
              {"CRUCE RETEFUENTE", "RTFTE", Fuente::Tasa},
              {"CRUCE RETEIVA", "RTIVA", Fuente::Tasa},
              {"CRUCE RETEICA", "RTICA", Fuente::Tasa},
              {"CRUCE RETECREE", "RCREE", Fuente::Tasa},
              {"CRUCE TOTAL ABONO", "ABONO", Fuente::Tasa}},
             {}},
        };
        // Items over the voucher's lines: balances, totals per form of
        // payment, the net of each accounting line and the bank movement's date parts.
        m.complemento = [](const ImpresionDocumento& doc, DatosImpresos& d) {
            const FilaImpresion& f = doc.fila();
            d.insert(
                S("FECHA LETRAS"),
                ValorImpreso::Texto(fecha_en_letras(f.value(QStringLiteral("FECHA")).toDate())));
            const QDate banco = f.value(QStringLiteral("BCOFECHA")).toDate();
            if (banco.isValid()) {
                d.insert(S("ANO MOV. BANCO"), ValorImpreso::Texto(QString::number(banco.year())));
                d.insert(S("MES MOV. BANCO"), ValorImpreso::Texto(QStringLiteral("%1").arg(
                                                  banco.month(), 2, 10, QChar(u'0'))));
                d.insert(S("DIA MOV. BANCO"), ValorImpreso::Texto(QStringLiteral("%1").arg(
                                                  banco.day(), 2, 10, QChar(u'0'))));
            }
            if (!f.value(QStringLiteral("BCOTIPO")).isNull())
                d.insert(S("TIPO MOV. BANCO"),
                         ValorImpreso::Texto(f.value(QStringLiteral("BCOTIPO")).toInt() == 72
                                                 ? S("CHEQUE")
                                                 : S("RETIRO")));
            Currency anterior, nuevo;
            for (const FilaImpresion& l : doc.lineas()) {
                anterior += Currency::fromVariant(l.value(QStringLiteral("ANTERIORDOC")));
                nuevo += Currency::fromVariant(l.value(QStringLiteral("SALDODOC")));
            }
            d.insert(S("TOTAL SALDO ANTERIOR"), ValorImpreso::Dinero(anterior));
            d.insert(S("TOTAL NUEVO SALDO"), ValorImpreso::Dinero(nuevo));
            QHash<int, Currency> formas;
            Currency caja;
            for (const FilaImpresion& p : doc.seccion(1)) {
                const Currency monto = Currency::fromVariant(p.value(QStringLiteral("MONTO")));
                formas[p.value(QStringLiteral("FORMA")).toInt()] += monto;
                caja += monto;
            }
            d.insert(S("TOTAL MONTO CAJA"), ValorImpreso::Dinero(caja));
            for (int i = 1; i <= 4; ++i) {
                d.insert(S("TOTAL FORMA PAGO ") + QString::number(i),
                         ValorImpreso::Dinero(formas.value(i)));
                d.insert(S("TOTAL FORMA ") + QString::number(i),
                         ValorImpreso::Dinero(formas.value(i)));
            }
        };
        return m;
    }();
    return m;
}

const MiembroImpresion* impresion_de_tipo(int tipo) {
    for (const MiembroImpresion* m :
         {&impresion_cargo(), &impresion_descuento(), &impresion_aplicacion(),
          &impresion_anticipo(), &impresion_credito(), &impresion_egreso()})
        if (m->tipo == tipo)
            return m;
    return nullptr;
}

}  // namespace ledgrix
