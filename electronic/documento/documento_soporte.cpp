#include "electronic/documento/documento_soporte.h"

#include <QXmlStreamWriter>

#include "electronic/documento/codigos.h"
#include "electronic/documento/escritor_xml.h"
#include "electronic/documento/lectura.h"

namespace ledgrix::electronico {

namespace {

#define S QStringLiteral

const QString kDian = S("CO, DIAN (Dirección de Impuestos y Aduanas Nacionales)");
// The authority's own NIT, the provider of every authorisation.
const QString kNitDian = S("800197268");

QString url_consulta(const QString& ambiente) {
    return ambiente == S("1")
               ? S("https://catalogo-vpfe.dian.gov.co/document/searchqr?documentkey=")
               : S("https://catalogo-vpfe-hab.dian.gov.co/document/searchqr?documentkey=");
}

QString texto_qr(const DatosDocumento& d, const QString& cuds, const QString& ambiente) {
    return S("NumDS: %1\nFecDS: %2\nHorDS: %3-05:00\nNumSNO: %4\nDocABS: %5\nValDS: %6\nValIva: "
             "%7\n"
             "ValTolDS: %8\nCUDS: %9\n")
               .arg(d.numero_documento(), d.fecha, d.hora, d.proveedor.nit, d.emisor.nit,
                    texto_monto(d.subtotal), texto_monto(d.iva), texto_monto(d.total), cuds) +
           url_consulta(ambiente) + cuds;
}

class Ubl {
  public:
    Ubl(EscritorXml& w, const DatosDocumento& d) : w_(w), d_(d) {}

    void monto(const QString& nombre, Centavos valor) {
        w_.texto(nombre, texto_monto(valor), {{S("currencyID"), d_.moneda}});
    }

    void dian_extensiones(const Configuracion& c, const QString& seguridad, const QString& qr) {
        w_.abra(S("ext:UBLExtensions"));
        w_.abra(S("ext:UBLExtension"));
        w_.abra(S("ext:ExtensionContent"));
        w_.abra(S("sts:DianExtensions"));
        if (const auto& a = d_.autorizacion) {
            w_.abra(S("sts:InvoiceControl"));
            w_.texto(S("sts:InvoiceAuthorization"), a->numero);
            w_.abra(S("sts:AuthorizationPeriod"));
            w_.texto(S("cbc:StartDate"), a->desde_fecha);
            if (!a->hasta_fecha.isEmpty())
                w_.texto(S("cbc:EndDate"), a->hasta_fecha);
            w_.cierre();
            w_.abra(S("sts:AuthorizedInvoices"));
            w_.texto(S("sts:Prefix"), a->prefijo);
            w_.texto(S("sts:From"), QString::number(a->desde.toLongLong()));
            w_.texto(S("sts:To"), QString::number(a->hasta.toLongLong()));
            w_.cierre();
            w_.cierre();
        }
        w_.abra(S("sts:InvoiceSource"));
        w_.texto(
            S("cbc:IdentificationCode"), S("CO"),
            {{S("listAgencyID"), S("6")},
             {S("listAgencyName"), S("United Nations Economic Commission for Europe")},
             {S("listSchemeURI"),
              S("urn:oasis:names:specification:ubl:codelist:gc:CountryIdentificationCode-2.1")}});
        w_.cierre();
        // Software of the company itself: the provider is the issuer.
        w_.abra(S("sts:SoftwareProvider"));
        w_.texto(S("sts:ProviderID"), d_.emisor.nit, identificacion(d_.emisor));
        w_.texto(S("sts:SoftwareID"), c.software_id, agencia());
        w_.cierre();
        w_.texto(S("sts:SoftwareSecurityCode"), seguridad, agencia());
        w_.abra(S("sts:AuthorizationProvider"));
        auto dian = agencia();
        dian.append({{S("schemeID"), S("4")}, {S("schemeName"), S("31")}});
        w_.texto(S("sts:AuthorizationProviderID"), kNitDian, dian);
        w_.cierre();
        w_.texto(S("sts:QRCode"), qr);
        w_.cierre();  // DianExtensions
        w_.cierre();  // ExtensionContent
        w_.cierre();  // UBLExtension
        // Left empty: the signature goes here.
        w_.abra(S("ext:UBLExtension"));
        w_.vacio(S("ext:ExtensionContent"));
        w_.cierre();
        w_.cierre();
    }

    void parte(const QString& rol, const Parte& p) {
        w_.abra(rol);
        w_.texto(S("cbc:AdditionalAccountID"), p.tipo_persona);
        w_.abra(S("cac:Party"));
        w_.abra(S("cac:PhysicalLocation"));
        direccion(S("cac:Address"), p);
        w_.cierre();
        w_.abra(S("cac:PartyTaxScheme"));
        w_.texto(S("cbc:RegistrationName"), p.nombre);
        w_.texto(S("cbc:CompanyID"), p.nit, identificacion(p));
        w_.texto(S("cbc:TaxLevelCode"), p.responsabilidades, {{S("listName"), S("No aplica")}});
        direccion(S("cac:RegistrationAddress"), p);
        w_.abra(S("cac:TaxScheme"));
        w_.texto(S("cbc:ID"), S("ZZ"));
        w_.texto(S("cbc:Name"), S("No aplica"));
        w_.cierre();
        w_.cierre();
        w_.abra(S("cac:PartyLegalEntity"));
        w_.texto(S("cbc:RegistrationName"), p.nombre);
        w_.texto(S("cbc:CompanyID"), p.nit, identificacion(p));
        w_.cierre();
        if (!p.telefono.isEmpty() || !p.correo.isEmpty()) {
            w_.abra(S("cac:Contact"));
            if (!p.telefono.isEmpty())
                w_.texto(S("cbc:Telephone"), p.telefono);
            if (!p.correo.isEmpty())
                w_.texto(S("cbc:ElectronicMail"), p.correo);
            w_.cierre();
        }
        w_.cierre();
        w_.cierre();
    }

    void impuesto(const QString& total, const QList<Impuesto>& lista) {
        if (lista.isEmpty())
            return;
        Centavos suma = 0;
        for (const Impuesto& x : lista)
            suma += x.valor;
        w_.abra(total);
        monto(S("cbc:TaxAmount"), suma);
        for (const Impuesto& x : lista) {
            w_.abra(S("cac:TaxSubtotal"));
            monto(S("cbc:TaxableAmount"), x.base);
            monto(S("cbc:TaxAmount"), x.valor);
            w_.abra(S("cac:TaxCategory"));
            w_.texto(S("cbc:Percent"), x.porcentaje);
            w_.abra(S("cac:TaxScheme"));
            w_.texto(S("cbc:ID"), x.codigo);
            w_.texto(S("cbc:Name"), x.nombre);
            w_.cierre();
            w_.cierre();
            w_.cierre();
        }
        w_.cierre();
    }

    void linea(const Linea& x, bool nota) {
        w_.abra(nota ? S("cac:CreditNoteLine") : S("cac:InvoiceLine"));
        w_.texto(S("cbc:ID"), x.item);
        w_.texto(nota ? S("cbc:CreditedQuantity") : S("cbc:InvoicedQuantity"), x.cantidad,
                 {{S("unitCode"), S("94")}});
        monto(S("cbc:LineExtensionAmount"), x.valor);
        if (!nota) {
            // How the operation was generated: one by one or gathered weekly.
            w_.abra(S("cac:InvoicePeriod"));
            w_.texto(S("cbc:StartDate"), d_.fecha);
            w_.texto(S("cbc:DescriptionCode"), d_.acumulado ? S("2") : S("1"));
            w_.texto(S("cbc:Description"),
                     d_.acumulado ? S("Acumulado semanal") : S("Por operación"));
            w_.cierre();
        }
        if (x.con_iva)
            impuesto(S("cac:TaxTotal"), {{S("01"), S("IVA"), x.porcentaje, x.valor, x.iva}});
        w_.abra(S("cac:Item"));
        w_.texto(S("cbc:Description"), x.descripcion);
        w_.abra(S("cac:StandardItemIdentification"));
        w_.texto(S("cbc:ID"), x.item, {{S("schemeID"), S("999")}});
        w_.cierre();
        w_.cierre();
        w_.abra(S("cac:Price"));
        monto(S("cbc:PriceAmount"), x.unitario);
        w_.texto(S("cbc:BaseQuantity"), x.cantidad, {{S("unitCode"), S("94")}});
        w_.cierre();
        w_.cierre();
    }

  private:
    static EscritorXml::Atributos agencia() {
        return {{S("schemeAgencyID"), S("195")}, {S("schemeAgencyName"), kDian}};
    }
    static EscritorXml::Atributos identificacion(const Parte& p) {
        EscritorXml::Atributos a = agencia();
        if (!p.dv.isEmpty())
            a.append({S("schemeID"), p.dv});
        a.append({S("schemeName"), p.tipo_id});
        return a;
    }
    void direccion(const QString& nombre, const Parte& p) {
        const Pais pa = pais(p.pais);
        w_.abra(nombre);
        const bool colombia = pa.codigo == S("CO");
        if (colombia && !p.ciudad.isEmpty())
            w_.texto(S("cbc:ID"), p.ciudad);
        if (!p.nombre_ciudad.isEmpty())
            w_.texto(S("cbc:CityName"), p.nombre_ciudad);
        if (colombia && !departamento(p.ciudad).isEmpty()) {
            w_.texto(S("cbc:CountrySubentity"), departamento(p.ciudad));
            w_.texto(S("cbc:CountrySubentityCode"), p.ciudad.left(2));
        }
        if (!p.direccion.isEmpty()) {
            w_.abra(S("cac:AddressLine"));
            w_.texto(S("cbc:Line"), p.direccion);
            w_.cierre();
        }
        w_.abra(S("cac:Country"));
        w_.texto(S("cbc:IdentificationCode"), pa.codigo);
        w_.texto(S("cbc:Name"), pa.nombre, {{S("languageID"), S("es")}});
        w_.cierre();
        w_.cierre();
    }

    EscritorXml& w_;
    const DatosDocumento& d_;
};

QString revise_configuracion(const Configuracion& c, const DatosDocumento& d) {
    if (c.ambiente != S("1") && c.ambiente != S("2"))
        return S("El ambiente «%1» del documento soporte debe ser 1 (producción) o 2 (pruebas).")
            .arg(c.ambiente);
    if (c.software_id.trimmed().isEmpty() || c.pin.trimmed().isEmpty())
        return S("Falta el identificador o el PIN del software del documento soporte.");
    for (const Parte* p : {&d.proveedor, &d.emisor})
        if (pais(p->pais).codigo.isEmpty())
            return S("El país «%1» de %2 no tiene un código conocido.").arg(p->pais, p->nit);
    return {};
}

}  // namespace

Documento construya_documento(const Bloques& bloques, const Configuracion& configuracion) {
    Documento r;
    QString error;
    const auto leido = lea_bloques(bloques, &error);
    if (leido)
        error = revise_configuracion(configuracion, *leido);
    if (!error.isEmpty()) {
        r.error = error;
        return r;
    }
    const DatosDocumento& d = *leido;
    const QString& ambiente = configuracion.ambiente;
    r.nota = d.tipo == 52;
    r.clave = d.numero_documento();
    r.cuds = sha384_hex(texto_cuds(d, configuracion.pin, ambiente));
    r.texto_qr = texto_qr(d, r.cuds, ambiente);

    EscritorXml w(r.nota ? S("CreditNote") : S("Invoice"));
    Ubl u(w, d);
    u.dian_extensiones(configuracion,
                       codigo_seguridad(configuracion.software_id, configuracion.pin, r.clave),
                       r.texto_qr);
    w.texto(S("cbc:UBLVersionID"), S("UBL 2.1"));
    // Supplier resident in Colombia or not.
    w.texto(S("cbc:CustomizationID"), d.proveedor.residente ? S("10") : S("11"));
    w.texto(S("cbc:ProfileID"),
            r.nota
                ? S("DIAN 2.1: Nota de ajuste al documento soporte en adquisiciones efectuadas a "
                    "sujetos no obligados a expedir factura o documento equivalente")
                : S("DIAN 2.1: documento soporte en adquisiciones efectuadas a no obligados a "
                    "facturar."));
    w.texto(S("cbc:ProfileExecutionID"), ambiente);
    w.texto(S("cbc:ID"), r.clave);
    w.texto(S("cbc:UUID"), r.cuds,
            {{S("schemeID"), ambiente}, {S("schemeName"), S("CUDS-SHA384")}});
    w.texto(S("cbc:IssueDate"), d.fecha);
    w.texto(S("cbc:IssueTime"), d.hora + S("-05:00"));
    if (!r.nota && !d.vence.isEmpty())
        w.texto(S("cbc:DueDate"), d.vence);
    w.texto(r.nota ? S("cbc:CreditNoteTypeCode") : S("cbc:InvoiceTypeCode"),
            r.nota ? S("95") : S("05"));
    if (!d.concepto.isEmpty())
        w.texto(S("cbc:Note"), d.concepto);
    w.texto(S("cbc:DocumentCurrencyCode"), d.moneda);
    w.texto(S("cbc:LineCountNumeric"), QString::number(d.lineas.size()));
    if (r.nota) {
        const Referencia& ref = *d.referencia;
        const QString soporte = ref.prefijo + QString::number(ref.numero.toLongLong());
        w.abra(S("cac:DiscrepancyResponse"));
        w.texto(S("cbc:ReferenceID"), soporte);
        w.texto(S("cbc:ResponseCode"), ref.concepto);
        w.texto(S("cbc:Description"), ref.descripcion.isEmpty() ? S("Ajuste") : ref.descripcion);
        w.cierre();
        w.abra(S("cac:BillingReference"));
        w.abra(S("cac:InvoiceDocumentReference"));
        w.texto(S("cbc:ID"), soporte);
        w.texto(S("cbc:UUID"), ref.cuds, {{S("schemeName"), S("CUDS-SHA384")}});
        w.texto(S("cbc:IssueDate"), ref.fecha);
        w.cierre();
        w.cierre();
    }
    u.parte(S("cac:AccountingSupplierParty"), d.proveedor);
    u.parte(S("cac:AccountingCustomerParty"), d.emisor);
    w.abra(S("cac:PaymentMeans"));
    w.texto(S("cbc:ID"), d.forma_pago);
    w.texto(S("cbc:PaymentMeansCode"), d.medio_pago);
    if (d.forma_pago == S("2"))
        w.texto(S("cbc:PaymentDueDate"), d.vence_pago);
    w.cierre();
    if (const auto& t = d.tasa) {
        w.abra(S("cac:PaymentExchangeRate"));
        w.texto(S("cbc:SourceCurrencyCode"), t->moneda);
        w.texto(S("cbc:SourceCurrencyBaseRate"), S("1.00"));
        w.texto(S("cbc:TargetCurrencyCode"), S("COP"));
        w.texto(S("cbc:TargetCurrencyBaseRate"), S("1.00"));
        w.texto(S("cbc:CalculationRate"), t->valor);
        w.texto(S("cbc:Date"), t->fecha);
        w.cierre();
    }
    QList<Impuesto> iva, retenciones;
    for (const Impuesto& x : d.impuestos)
        (x.codigo == S("01") ? iva : retenciones) << x;
    u.impuesto(S("cac:TaxTotal"), iva);
    // A credit note has no place for withholdings: the adjusted document
    // declared them.
    if (!r.nota)
        for (const Impuesto& x : retenciones)
            u.impuesto(S("cac:WithholdingTaxTotal"), {x});
    Centavos gravado = 0;
    for (const Linea& x : d.lineas)
        if (x.con_iva)
            gravado += x.valor;
    w.abra(S("cac:LegalMonetaryTotal"));
    u.monto(S("cbc:LineExtensionAmount"), d.subtotal);
    u.monto(S("cbc:TaxExclusiveAmount"), gravado);
    u.monto(S("cbc:TaxInclusiveAmount"), d.total);
    u.monto(S("cbc:PayableAmount"), d.total);
    w.cierre();
    for (const Linea& x : d.lineas)
        u.linea(x, r.nota);
    r.xml = w.termine();
    r.valido = true;
    return r;
}

#undef S

}  // namespace ledgrix::electronico
