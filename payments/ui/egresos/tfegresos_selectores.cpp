// The choosers the voucher window opens and how their choice reaches the
// voucher's logic.
#include <QComboBox>
#include <QLabel>

#include "accounting/selectores/plantillas.h"
#include "accounting/selectores/selector_cuentas.h"
#include "accounting/selectores/terceros.h"
#include "accounting/ui/selectores/tfbuscplantillas.h"
#include "accounting/ui/selectores/tfbuscterceros.h"
#include "core/data/client_dataset.h"
#include "core/data/field.h"
#include "core/numeracion/ventanas/selector_centros.h"
#include "core/services/dialogs.h"
#include "core/tfdm/tfdm.h"
#include "core/ui/numeracion/tfbusccentros.h"
#include "payments/anticipos/anticipo.h"
#include "payments/cartera/registro_cartera.h"
#include "payments/egresos/medios_pago.h"
#include "payments/ui/egresos/tfconceptospagar.h"
#include "payments/ui/egresos/tfegresos.h"
#include "payments/ui/selectores/seleccion_cartera.h"
#include "payments/ui/selectores/seleccion_doccaja.h"
#include "payments/ui/selectores/tfbuscvarios.h"
#include "core/ui/ventanas_externas.h"

namespace ledgrix {

namespace {

QString texto(const ClientDataset& ds, int fila, const char* campo) {
    const Field* f = ds.findField(QLatin1String(campo));
    return f ? ds.valueAt(fila, f->index()).toString().trimmed() : QString();
}

}  // namespace

void Tfegresos::busque_tercero(const QString& texto) {
    // The payee is a supplier; an accounting line may name any third party.
    if (!conta_con_foco()) {
        TfdocumentoPago::busque_tercero(texto);
        return;
    }
    SelectorTerceros selector(dm());
    selector.busque(texto);
    const int r = dm().dialogs().modal(QStringLiteral("Tfbuscterceros"), [&] {
        Tfbuscterceros ventana(selector, this);
        return ventana.exec();
    });
    const QString nit = selector.elegido(r).value_or(QString());
    if (nit.isEmpty())
        return;
    logica_.reciba_tercero(nit, true);
    muestre();
}

void Tfegresos::busque_cuenta(const QString& texto) {
    SelectorCuentas selector(dm());
    const QString codigo = selector.pregunte(texto);
    if (codigo.isEmpty())
        return;
    logica_.reciba_cuenta(codigo);
    muestre();
}

void Tfegresos::busque_centro() {
    SelectorCentros selector(dm());
    selector.cargue();
    const int resultado = dm().dialogs().modal(QStringLiteral("Tfbusccentros"), [&] {
        Tfbusccentros ventana(selector, this);
        return ventana.exec();
    });
    if (const auto centro = selector.elegido(resultado)) {
        logica_.reciba_centro(centro->proyecto, centro->centro, centro->subcentro);
        muestre();
    }
}

void Tfegresos::busque_cxp() {
    for (const DocumentoSeleccionado& d : elija_documentos_cxp())
        logica_.reciba_documento_cxp(d);
    muestre();
}

void Tfegresos::busque_cartera() {
    SeleccionCartera seleccion(dm());
    QList<QPair<int, qint64>> cruzados;
    const ClientDataset& cruces = logica_.cruces();
    for (int i = 0; cruces.active() && i < cruces.recordCount(); ++i)
        cruzados.append({texto(cruces, i, "EGCC_TIPODOC").toInt(),
                         texto(cruces, i, "EGCC_IDDOC").toLongLong()});
    seleccion.cargue(logica_.campo(QStringLiteral("TERC_NIT")).asString(),
                     logica_.campo(QStringLiteral("EGRE_FECHA")).asDate(), cruzados);
    if (abra_seleccion(dm(), seleccion, this) != 1)
        return;
    if (RegistroCartera::grupo_entregado != 0) {
        const int grupo = RegistroCartera::grupo_entregado;
        RegistroCartera::grupo_entregado = 0;
        logica_.reciba_grupo(grupo);
    } else if (seleccion.elegido()) {
        logica_.reciba_documento_cartera(*seleccion.elegido());
    }
    muestre();
}

void Tfegresos::busque_doccaja() {
    MediosPago& medios = logica_.medios();
    const ClientDataset& lineas = logica_.caja();
    const int actual = lineas.active() ? lineas.recNo() : -1;
    int caja = actual >= 0 ? texto(lineas, actual, "CAJA_ID").toInt() : 0;
    if (caja == 0)
        caja = medios.primera_caja();
    // The documents other lines already spend are not offered again.
    QList<Tfdmcja::DocumentoCaja> usados;
    for (int i = 0; lineas.active() && i < lineas.recordCount(); ++i)
        if (i != actual)
            usados.append({texto(lineas, i, "CAJA_ID").toInt(),
                           texto(lineas, i, "FOPA_ID").toInt(),
                           texto(lineas, i, "EGCA_BANCO"),
                           texto(lineas, i, "EGCA_CUENTA"),
                           texto(lineas, i, "EGCA_NUMERO"),
                           {},
                           {}});
    SeleccionDocCaja seleccion(dm());
    seleccion.cargue(caja, usados);
    if (abra_seleccion(dm(), seleccion, this) == 1 && !Tfdmcja::entregados.isEmpty())
        medios.reciba_docs_caja(Tfdmcja::entregados);
    Tfdmcja::entregados.clear();
    muestre();
}

void Tfegresos::conceptos_por_pagar() {
    const auto cargo = abra_conceptos_por_pagar(
        dm(), logica_.campo(QStringLiteral("TERC_NIT")).asString().trimmed(),
        logica_.campo(QStringLiteral("EGRE_FECHA")).asDate(), this);
    if (cargo)
        logica_.reciba_documento_cxp(*cargo);
    muestre();
}

void Tfegresos::anticipo() {
    // The advance window leaves the advance it stored among the documents
    // handed over, as type 55.
    Anticipo::entregado = {logica_.campo(QStringLiteral("TERC_NIT")).asString().trimmed(),
                           logica_.campo(QStringLiteral("EGRE_FECHA")).asDate()};
    if (abra_externa(dm(), QStringLiteral("Tfanticiposprv"), this) == 1)
        for (const DocumentoSeleccionado& d : dm().documentos_seleccionados)
            if (d.tipo == 55)
                logica_.reciba_anticipo(d.id, d.prefijo, d.numero);
    dm().documentos_seleccionados.clear();
    muestre();
}

void Tfegresos::SBPlantillasClick() {
    if (!logica_.conta_editable())
        return;
    // Templates are kept per accounting voucher type: the prefix's.
    const ClientDataset& prefijos = logica_.prefijos();
    QString comprobante;
    for (int i = 0; prefijos.active() && i < prefijos.recordCount(); ++i)
        if (texto(prefijos, i, "PREF_PRE") == prefijo()->currentText())
            comprobante = texto(prefijos, i, "TICO_COD");
    SelectorPlantillas selector(dm());
    selector.cargue(comprobante);
    const int r = dm().dialogs().modal(QStringLiteral("Tfbuscplantillas"), [&] {
        Tfbuscplantillas ventana(selector, this);
        return ventana.exec();
    });
    if (const auto id = selector.elegido(r)) {
        logica_.aplique_plantilla(static_cast<int>(*id));
        muestre();
    }
}

}  // namespace ledgrix
