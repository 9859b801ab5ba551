#include "payables/ui/busquedas/tfbusqueda_notas.h"

#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

#include "core/services/dialogs.h"
#include "core/tfdm/tfdm.h"
#include "output/soporte/estado_documento.h"

namespace ledgrix {

namespace {

QString S(const char* s) {
    return QString::fromUtf8(s);
}

using Clase = BusquedaNotas::Clase;
using Variante = BusquedaNotas::Variante;

Tfbusquedadocumentos::Opciones opciones_de(Clase clase, Variante variante) {
    const bool cargo = clase == Clase::Cargo;
    const bool menu = variante == Variante::Menu;
    Tfbusquedadocumentos::Opciones o;
    if (cargo) {
        o.clase = menu ? S("Tfbuscanotdebito") : S("Tfbuscanotdbcxp");
        o.titulo = menu ? S("Buscar Cargos en Cuenta") : S("Busca Cargos en Cuenta");
        o.archivo = S("BuscNotaDebito");
        o.consulta = S("Tfconsnotdbcxp");
    } else {
        o.clase = menu ? S("Tfbuscancredito") : S("Tfbuscanotacrcxp");
        o.titulo = menu ? S("Buscar Descuentos en Cuenta") : S("Busca Descuentos en Cuenta");
        o.archivo = S("notascre");
        o.consulta = S("Tfconsnotcrcxp");
    }
    const QString p = cargo ? S("NDPR_") : S("NCPR_");
    const char* const titulos[][2] = {{"ID", "Id"},
                                      {"ANULADO", "Anulado"},
                                      {"FECHA", "Fecha"},
                                      {"NUMERO", "Número"},
                                      {"CONC", "Concepto"},
                                      {"MONTO", "Monto"},
                                      {"IVAMONTO", "IVA"},
                                      {"EXTRA", "Extra"},
                                      {"NUMPROV", "No. proveedor"},
                                      {"NRONDE", "Código electrónico"},
                                      {"NRONCE", "Código electrónico"},
                                      {"DOCSOPORTE", "Documento soporte"}};
    for (const auto& t : titulos)
        o.titulos.append({p + S(t[0]), S(t[1])});
    o.titulos.append({S("PREF_PRE"), S("Prefijo")});
    o.titulos.append({S("TERC_NOM"), S("Proveedor")});
    o.titulos.append({S("TOTAL"), S("Total")});
    // Each query is typed afresh.
    o.limpie_texto = true;
    return o;
}

}  // namespace

Tfbusquedanotas::Tfbusquedanotas(Tfdm& dm, Clase clase, Variante variante, QWidget* parent)
    : Tfbusquedadocumentos(dm, new BusquedaNotas(dm, clase, variante), opciones_de(clase, variante),
                           parent) {
    if (variante == Variante::Menu)
        return;
    // Whatever was handed over before belongs to another choice.
    dm.documentos_seleccionados.clear();
    agregue_tecla(Qt::Key_F2, S("F2: Selecciona"), [this] { SBSeleccionaClick(); });
    agregue_tecla(Qt::Key_F10, S("F10:Estado"), [this] { SBEstadoClick(); });

    auto* panel = new QFrame(this);
    panel->setObjectName(S("panel_estado"));
    panel->setFrameShape(QFrame::StyledPanel);
    auto* caja = new QVBoxLayout(panel);
    estado_ = new QLabel(panel);
    estado_->setObjectName(S("estado"));
    QFont negrita = estado_->font();
    negrita.setBold(true);
    estado_->setFont(negrita);
    caja->addWidget(estado_);
    correos_ = new QTableWidget(0, 2, panel);
    correos_->setObjectName(S("correos"));
    correos_->setHorizontalHeaderLabels({S("Correo"), S("Estado")});
    correos_->horizontalHeader()->setStretchLastSection(true);
    correos_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    correos_->setMaximumHeight(correos_->fontMetrics().lineSpacing() * 6);
    caja->addWidget(correos_);
    panel->hide();
    agregue_panel(panel);
}

void Tfbusquedanotas::SBSeleccionaClick() {
    if (!tome_actual())
        return;
    dm().documentos_seleccionados = {dm().documento_consultado};
    close();
}

void Tfbusquedanotas::SBEstadoClick() {
    BusquedaNotas& b = notas();
    if (!estado_ || !b.puede_consultar_estado())
        return;
    const EstadoSoporte e =
        ConsultaEstado(dm()).consulte(b.tipo_documento(), QString::number(b.actual()), b.prefijo(),
                                      b.numero(), b.opcion_estado());
    estado_->setText(e.texto);
    QPalette colores = estado_->palette();
    colores.setColor(QPalette::WindowText,
                     e.color.isValid() ? e.color : palette().color(QPalette::WindowText));
    estado_->setPalette(colores);
    correos_->setRowCount(0);
    for (const EstadoSoporte::Correo& c : e.correos) {
        const int fila = correos_->rowCount();
        correos_->insertRow(fila);
        correos_->setItem(fila, 0, new QTableWidgetItem(c.correo));
        correos_->setItem(fila, 1, new QTableWidgetItem(c.estado));
    }
    estado_->parentWidget()->setVisible(e.consultado || !e.correos.isEmpty());
}

}  // namespace ledgrix
