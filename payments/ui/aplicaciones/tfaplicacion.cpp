#include "payments/ui/aplicaciones/tfaplicacion.h"

#include <algorithm>

#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "core/data/client_dataset.h"
#include "core/data/field.h"
#include "core/tfdm/tfdm.h"
#include "payments/ui/comun/boton_tecla.h"
#include "payments/ui/comun/enlaces_campos.h"
#include "payments/ui/comun/panel_lineas.h"

namespace ledgrix {

namespace {

QString S(const char* s) {
    return QString::fromUtf8(s);
}

}  // namespace

Tfaplicacion::Tfaplicacion(Tfdm& dm, QWidget* parent)
    : TfdocumentoPagoDe(dm, 53, {S("APPR"), S("APPR_TRM"), S("TERC_NOM"), S("Nit:"), 1, 4},
                        parent) {
    setObjectName(S("Tfaplicacion"));
    setWindowTitle(S("Aplicaciones  Proveedores"));

    auto* caja = new QVBoxLayout(this);
    caja->addWidget(encabezado());
    lineas_ = new PanelLineas(dm.dialogs(), S("Documentos aplicados"), logica_.lineas(), this);
    lineas_->setObjectName(S("panel_lineas"));
    lineas_->columnas(QList<QPair<QString, QString>>{{S("APPD_TIPODOC"), S("Tipo")}} +
                      columnas_lineas());
    lineas_->pie(S("Aplicado:"), [this] { return logica_.sumas().aplicado; });
    lineas_->pie(S("Retenciones:"), [this] {
        const Aplicacion::Sumas s = logica_.sumas();
        return s.rtfte + s.rtiva + s.rtica + s.rcree;
    });
    lineas_->rotulo(S("F8: Buscar documentos"));
    lineas_->doble_clic = [this](const QString&) {
        busque_cxp();
        return true;
    };
    caja->addWidget(lineas_, 1);
    caja->addWidget(botones());

    // A wrong sign or an application without lines: nothing was stored and
    // the window leaves once the rule that said so has returned.
    connect(
        &logica_, &Aplicacion::cierre, this, [this] { cierre_sin_preguntar(); },
        Qt::QueuedConnection);
    siga(logica_.aplicaciones());
    termine();
}

QList<QPair<QString, QString>> Tfaplicacion::columnas_lineas() {
    return {{S("APPD_PREFIJO"), S("Prefijo")},        {S("APPD_NUMERO"), S("Número")},
            {S("APPD_NUMPROV"), S("Nro. proveedor")}, {S("APPD_APLICADO"), S("Aplicado")},
            {S("APPD_RTFTE"), S("Ret. fuente")},      {S("APPD_RTIVA"), S("Ret. IVA")},
            {S("APPD_RTICA"), S("Ret. ICA")},         {S("APPD_RCREE"), S("Ret. CREE")}};
}

QWidget* Tfaplicacion::encabezado() {
    QGridLayout* r = nullptr;
    QGroupBox* g = arme_encabezado(r);
    r->addWidget(new QLabel(S("Concepto:"), g), 2, 0);
    r->addWidget(enlaces().texto(S("APPR_CONC")), 2, 1, 1, 6);
    r->addWidget(new QLabel(S("Observaciones:"), g), 3, 0);
    r->addWidget(enlaces().texto(S("APPR_OBS")), 3, 1, 1, 6);
    r->setColumnStretch(6, 1);
    return g;
}

QWidget* Tfaplicacion::botones() {
    auto* fila = new QWidget(this);
    auto* abajo = new QHBoxLayout(fila);
    abajo->setContentsMargins(0, 0, 0, 0);
    abajo->addStretch(1);
    boton_tecla(fila, abajo, S("F2:Grabar "), this, [this] { SBGrabarClick(); });
    boton_tecla(fila, abajo, S("Esc:Cancelar"), this, [this] { SBCancelaClick(); });
    return fila;
}

void Tfaplicacion::llene_propias() {
    PanelLineas::Opciones tipos;
    const QHash<int, QString>& nombres = logica_.tipos_cxp();
    QList<int> codigos = nombres.keys();
    std::sort(codigos.begin(), codigos.end());
    for (int codigo : codigos)
        tipos.append({codigo, nombres.value(codigo)});
    lineas_->lista(S("APPD_TIPODOC"), tipos);
}

QString Tfaplicacion::nombre_tercero() const {
    return logica_.nombre_proveedor();
}

void Tfaplicacion::muestre_propio() {
    lineas_->muestre();
}

void Tfaplicacion::enfoque(const QString& campo) {
    if (campo.startsWith(S("APPD_")))
        lineas_->enfoque(campo);
    else
        TfdocumentoPago::enfoque(campo);
}

bool Tfaplicacion::aplique_pendientes() {
    lineas_->termine_edicion();
    return enlaces().aplique_pendientes();
}

void Tfaplicacion::SBGrabarClick() {
    if (!aplique_pendientes())
        return;
    logica_.grabe();
    muestre();
}

void Tfaplicacion::SBCancelaClick() {
    if (logica_.cancele())
        cierre_sin_preguntar();
}

void Tfaplicacion::busque_cxp() {
    if (!aplique_pendientes())
        return;
    if (const QList<DocumentoSeleccionado> elegidos = elija_documentos_cxp(); !elegidos.isEmpty())
        logica_.reciba_documentos(elegidos);
    muestre();
    lineas_->enfoque(S("APPD_APLICADO"));
}

bool Tfaplicacion::es_propia(int key) const {
    return key == Qt::Key_F2 || key == Qt::Key_Escape || key == Qt::Key_F8;
}

void Tfaplicacion::tecla_propia(int key) {
    if (key == Qt::Key_F2)
        SBGrabarClick();
    else if (key == Qt::Key_Escape)
        SBCancelaClick();
    else
        busque_cxp();
}

bool Tfaplicacion::toma_enter(QWidget* w) const {
    return lineas_->isAncestorOf(w);
}

void Tfaplicacion::closeEvent(QCloseEvent* event) {
    // Closing over typed data asks as Esc does; nothing is ever stored here.
    const bool escrita =
        !logica_.lineas().isEmpty() || !logica_.campo(S("TERC_NIT")).asString().trimmed().isEmpty();
    if (abierta() && !cerrando() && escrita && !logica_.cancele()) {
        event->ignore();
        return;
    }
    event->accept();
}

}  // namespace ledgrix
