#include "reports/ui/consulta/tfconscxpagar.h"

#include <QComboBox>
#include <QDateEdit>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "core/data/client_dataset.h"
#include "core/money/formato_numero.h"
#include "core/services/dialogs.h"
#include "core/tfdm/tfdm.h"
#include "core/ui/grid/ledgrix_grid.h"
#include "parties/tfdmter.h"
#include "reports/consulta/lectura_reporte.h"
#include "core/ui/ventanas_externas.h"

namespace ledgrix {

Tfconscxpagar::Tfconscxpagar(Tfdm& dm, QWidget* parent)
    : Tflista(dm, QStringLiteral("Tfconscxpagar"), QStringLiteral("Consulta de cuentas x pagar"),
              parent),
      logica_(dm, this) {
    resize(900, 420);
    grilla()->setExportTitle(QStringLiteral("ConsCxPagar"));
    grilla()->setSelectionMode(QAbstractItemView::ExtendedSelection);

    auto* criterios = new QHBoxLayout;
    criterios->addWidget(new QLabel(QStringLiteral("Fecha:"), this));
    fecha_ = new QDateEdit(this);
    fecha_->setObjectName(QStringLiteral("fecha"));
    fecha_->setCalendarPopup(true);
    fecha_->setDisplayFormat(Tfdm::formato_fecha());
    criterios->addWidget(fecha_);
    auto* etiqueta_moneda = new QLabel(QStringLiteral("Moneda:"), this);
    criterios->addWidget(etiqueta_moneda);
    moneda_ = new QComboBox(this);
    moneda_->setObjectName(QStringLiteral("moneda"));
    criterios->addWidget(moneda_);
    criterios->addStretch(1);
    auto* caja = static_cast<QVBoxLayout*>(layout());
    caja->insertLayout(0, criterios);
    suma_ = new QLabel(this);
    suma_->setObjectName(QStringLiteral("suma"));
    suma_->setAlignment(Qt::AlignRight);
    caja->insertWidget(caja->indexOf(grilla()) + 1, suma_);

    // The supplier search is not the one asking: the NIT comes from the hand-over.
    dm.ctx.busqueda_principal = false;
    const auto lista = monedas(dm);
    for (const auto& [codigo, nombre] : lista)
        moneda_->addItem(nombre, codigo);
    etiqueta_moneda->setVisible(!lista.isEmpty());
    moneda_->setVisible(!lista.isEmpty());
    logica_.abra(Tfdmter::entregado.nit);
    fecha_->setDate(logica_.fecha());
    const QString nombre = Tfdmter::entregado.nombre;
    if (!nombre.isEmpty())
        setWindowTitle(windowTitle() + QStringLiteral(" - ") + nombre);

    muestre(logica_.documentos(), [this] { SBSeleccionaClick(); });
    // On screen in the order people read a document: what, when, how much.
    const QStringList orden{"TIPONOM", "PREFIJO",    "NUMERO",   "FECDOC", "VENCE",
                            "DIAS",    "REFERENCIA", "CONCEPTO", "RTFTE",  "RTIVA",
                            "RTICA",   "DTOF",       "SALDO"};
    for (int i = 0; i < orden.size(); ++i)
        if (const int c = columna(orden[i]); c >= 0)
            grilla()->horizontalHeader()->moveSection(grilla()->horizontalHeader()->visualIndex(c),
                                                      i);

    connect(fecha_, &QDateEdit::dateChanged, this, [this](const QDate& d) {
        logica_.cambie_fecha(d);
        muestre_suma();
    });
    connect(moneda_, &QComboBox::currentIndexChanged, this, [this] {
        logica_.cambie_moneda(moneda_->currentData().toInt());
        muestre_suma();
    });
    connect(grilla()->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this] { muestre_suma(); });
    agregue_tecla(Qt::Key_Return, QStringLiteral("Enter:Selecciona"),
                  [this] { SBSeleccionaClick(); });
    agregue_tecla(Qt::Key_Enter, {}, [this] { SBSeleccionaClick(); })->hide();
    agregue_tecla(Qt::Key_F5, QStringLiteral("F5:Seleccionar marcados"),
                  [this] { SBMarcadosClick(); });
    agregue_tecla(Qt::Key_F4, QStringLiteral("F4: Consultar"), [this] { SBConsultarClick(); });
    agregue_tecla(Qt::Key_F8, QStringLiteral("F8: Abonos"), [this] { SBAbonosClick(); });
    muestre_suma();
}

QList<int> Tfconscxpagar::marcadas() const {
    QList<int> filas;
    for (const QModelIndex& i : grilla()->selectionModel()->selectedRows())
        filas.append(grilla()->sourceIndex(i).row());
    std::sort(filas.begin(), filas.end());
    return filas;
}

void Tfconscxpagar::muestre_suma() {
    suma_->setText(QStringLiteral("Suma seleccionados: ") +
                   FormatoNumero::instalacion().escriba(logica_.suma(marcadas())));
}

void Tfconscxpagar::SBSeleccionaClick() {
    if (logica_.seleccione_actual())
        close();
}

void Tfconscxpagar::SBMarcadosClick() {
    if (logica_.seleccione(marcadas()))
        close();
}

void Tfconscxpagar::mire_documento(const QString& clase) {
    if (clase.isEmpty()) {
        dm().dialogs().information(QStringLiteral("No Existe un Documento a Consultar"));
        return;
    }
    abra_externa(dm(), clase, this);
}

void Tfconscxpagar::SBConsultarClick() {
    if (const auto doc = logica_.a_consultar())
        mire_documento(ConsultaCxpagar::ventana_de(doc->tipo));
}

void Tfconscxpagar::SBAbonosClick() {
    if (logica_.a_consultar())
        mire_documento(QStringLiteral("Tfabonosprv"));
}

void Tfconscxpagar::showEvent(QShowEvent* event) {
    Tflista::showEvent(event);
    if (!enfocada_) {
        enfocada_ = true;
        grilla()->setFocus();
        if (grilla()->model() && grilla()->model()->rowCount() > 0)
            grilla()->selectRow(0);
    }
}

int abra_conscxpagar(Tfdm& dm, QWidget* parent) {
    return dm.dialogs().modal(QStringLiteral("Tfconscxpagar"), [&] {
        auto* ventana = new Tfconscxpagar(dm, parent);
        ventana->setParent(parent, Qt::Dialog);
        corra_modal(ventana, parent);
        return dm.documentos_seleccionados.isEmpty() ? 0 : 1;
    });
}

}  // namespace ledgrix
