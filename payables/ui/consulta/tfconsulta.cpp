#include "payables/ui/consulta/tfconsulta.h"

#include <QFont>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>
#include <tuple>

#include "accounting/contabilizacion/contabilizacion.h"
#include "accounting/ui/revision/tfcontabiliza.h"
#include "core/data/client_dataset.h"
#include "core/data/dataset_model.h"
#include "core/data/field.h"
#include "core/money/formato_numero.h"
#include "core/tfdm/tfdm.h"
#include "core/ui/ajuste_area.h"
#include "core/ui/grid/ledgrix_grid.h"
#include "core/ui/teclas_ventana.h"
#include "core/ui/ventanas_externas.h"
#include "output/ui/impresion/tfimpresion.h"
#include "payables/consulta/consulta_documento.h"

namespace ledgrix {

namespace {

QString S(const char* s) {
    return QString::fromUtf8(s);
}

QLabel* negrita(const QString& texto, QWidget* padre) {
    auto* rotulo = new QLabel(texto, padre);
    QFont f = rotulo->font();
    f.setBold(true);
    rotulo->setFont(f);
    return rotulo;
}

}  // namespace

Tfconsulta::Tfconsulta(Tfdm& dm, ConsultaDocumento* logica, const QString& clase,
                       const QString& titulo, QWidget* parent)
    : QWidget(parent), dm_(dm), logica_(logica) {
    logica_->setParent(this);
    setObjectName(clase);
    Tfcontabiliza::instale(logica_->contabilizacion(), this);
    const DocumentoSeleccionado& d = dm.documento_consultado;
    setWindowTitle(titulo + S(" ") + d.prefijo + d.numero);
    caja_ = new QVBoxLayout(this);
    if (!logica_->cargue(d.tipo == logica_->tipo() ? d.id : 0))
        return;
    setWindowTitle(titulo + S(" ") + logica_->prefijo() + logica_->numero());
    auto* tercero = new QGridLayout;
    caja(tercero, 0, 0, S("Nit:"), S("TERC_NIT"), logica_->texto(S("TERC_NIT")));
    caja(tercero, 0, 2, S("Proveedor:"), S("proveedor"), logica_->proveedor());
    tercero->setColumnStretch(3, 1);
    caja_->addLayout(tercero);
}

QLineEdit* Tfconsulta::caja(QGridLayout* rejilla, int fila, int columna, const QString& etiqueta,
                            const QString& nombre, const QString& texto) {
    auto* e = new QLineEdit(texto, this);
    e->setObjectName(nombre);
    e->setReadOnly(true);
    e->setCursorPosition(0);
    // A concept longer than its box is read whole on the mouse.
    e->setToolTip(texto);
    rejilla->addWidget(new QLabel(etiqueta, this), fila, columna);
    rejilla->addWidget(e, fila, columna + 1);
    return e;
}

void Tfconsulta::columnas(const QList<QList<Caja>>& columnas) {
    if (logica_->id() == 0)
        return;
    auto* rejilla = new QGridLayout;
    const ClientDataset& encabezado = logica_->encabezado();
    for (int c = 0; c < columnas.size(); ++c) {
        int fila = 0;
        for (const Caja& k : columnas[c]) {
            const Field* f = encabezado.findField(k.campo);
            const QString texto =
                f ? DatasetModel::displayText(*f, f->value()).trimmed() : QString();
            QLineEdit* e = caja(rejilla, fila++, 2 * c, k.etiqueta, k.campo, texto);
            if (f && f->type() == Field::Type::Currency)
                e->setAlignment(Qt::AlignRight);
        }
        // The first column holds the texts (concept, references): it takes
        // the room the amounts do not need.
        rejilla->setColumnStretch(2 * c + 1, c == 0 ? 2 : 1);
    }
    caja_->addLayout(rejilla);
}

void Tfconsulta::lineas(const QString& titulo, ClientDataset& ds,
                        const QList<std::pair<QString, QString>>& campo_titulo,
                        const std::vector<Pie>& pies) {
    if (logica_->id() == 0)
        return;
    for (int i = 0; i < ds.fieldCount(); ++i) {
        Field& f = ds.field(i);
        f.setVisible(false);
        for (const auto& [campo, rotulo] : campo_titulo)
            if (f.name() == campo) {
                f.setVisible(true);
                f.setDisplayLabel(rotulo);
            }
    }
    // The lists share one place, a page each, so that the header and the
    // keys stay in sight within the work area.
    if (!paginas_) {
        paginas_ = new QTabWidget(this);
        caja_->addWidget(paginas_, 1);
    }
    auto* pagina = new QWidget(paginas_);
    auto* caja_pagina = new QVBoxLayout(pagina);
    auto* grilla = new LedgrixGrid(pagina);
    grilla->setObjectName(titulo);
    grilla->setDialogs(&dm_.dialogs());
    grilla->setExportTitle(titulo);
    grilla->setModel(new DatasetModel(&ds, grilla));
    grilla->setEditTriggers(QAbstractItemView::NoEditTriggers);
    caja_pagina->addWidget(grilla, 1);
    paginas_->addTab(pagina, titulo);
    listas_.insert(titulo, grilla);
    if (pies.empty())
        return;
    auto* fila = new QHBoxLayout;
    fila->addStretch(1);
    for (const auto& [rotulo, valor] : pies) {
        fila->addWidget(new QLabel(rotulo, pagina));
        fila->addWidget(negrita(FormatoNumero::instalacion().escriba(valor()), pagina));
    }
    caja_pagina->addLayout(fila);
}

void Tfconsulta::termine() {
    const bool hay = logica_->id() != 0;
    if (hay) {
        auto* pie = new QGridLayout;
        registro_ = new QLabel(logica_->registro(), this);
        registro_->setObjectName(S("registro"));
        pie->addWidget(registro_, 0, 0, 1, 2);
        caja(pie, 1, 0, S("Comprobante contable:"), S("comprobante"), logica_->comprobante());
        if (logica_->anulado()) {
            anulacion_ = negrita(S("ANULADO   ") + logica_->razon(), this);
            anulacion_->setObjectName(S("anulacion"));
            anulacion_->setStyleSheet(S("color: red"));
            anulacion_->setWordWrap(true);
            pie->addWidget(anulacion_, 2, 0, 1, 2);
        }
        pie->setColumnStretch(1, 1);
        caja_->addLayout(pie);
    }
    auto* barra = new QHBoxLayout;
    barra->addStretch(1);
    const std::tuple<const char*, int, std::function<void()>> botones[] = {
        {"F2: Imprimir", Qt::Key_F2, [this] { SBImprimirClick(); }},
        {"F6: Notas", Qt::Key_F6, [this] { SBNotasClick(); }},
        {"F11: Contabilidad", Qt::Key_F11, [this] { SBContabilizarClick(); }},
        {"ESC: Salir", Qt::Key_Escape, [this] { close(); }}};
    for (const auto& [texto, key, accion] : botones) {
        auto* boton = new QPushButton(S(texto), this);
        boton->setFocusPolicy(Qt::NoFocus);
        boton->setEnabled(hay || key == Qt::Key_Escape);
        barra->addWidget(boton);
        connect(boton, &QPushButton::clicked, this, accion);
        teclas_.insert(key, accion);
    }
    caja_->addLayout(barra);
    for (QWidget* w : findChildren<QWidget*>())
        w->installEventFilter(this);
    // The first box takes the cursor, so the keys work from the start.
    const QList<QLineEdit*> cajas = findChildren<QLineEdit*>();
    if (!cajas.isEmpty())
        cajas.first()->setFocus();
    else
        setFocusPolicy(Qt::StrongFocus);
}

QLineEdit* Tfconsulta::valor(const QString& campo) const {
    return findChild<QLineEdit*>(campo);
}

QString Tfconsulta::registro() const {
    return registro_ ? registro_->text() : QString();
}

QString Tfconsulta::anulacion() const {
    return anulacion_ ? anulacion_->text() : QString();
}

LedgrixGrid* Tfconsulta::lista(const QString& titulo) const {
    return listas_.value(titulo);
}

void Tfconsulta::SBImprimirClick() {
    if (logica_->id() != 0)
        imprima_documento(dm_, logica_->tipo(), logica_->id(), this);
}

void Tfconsulta::SBContabilizarClick() {
    if (logica_->id() == 0)
        return;
    logica_->contabilice();
    if (QLineEdit* e = valor(S("comprobante")))
        e->setText(logica_->comprobante());
}

void Tfconsulta::SBNotasClick() {
    // The notes window reads the document from dm, as any window opened by name.
    if (logica_->entregue())
        abra_externa(dm_, S("Tfnotasdoc"), this);
}

bool Tfconsulta::tecla(int key) {
    const auto accion = teclas_.constFind(key);
    if (accion == teclas_.constEnd())
        return false;
    (*accion)();
    return true;
}

bool Tfconsulta::eventFilter(QObject* watched, QEvent* event) {
    if (teclas_de_la_ventana(
            event, [this](int key) { return teclas_.contains(key); },
            [this](int key) { return tecla(key); }))
        return true;
    return QWidget::eventFilter(watched, event);
}

void Tfconsulta::keyPressEvent(QKeyEvent* event) {
    if (!tecla(event->key()))
        QWidget::keyPressEvent(event);
}

void Tfconsulta::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!ubicada_) {
        ubicada_ = true;
        ajuste_al_area(this);
    }
}

}  // namespace ledgrix
