#include "accounting/ui/revision/tfcontabiliza.h"

#include <QAction>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

#include "accounting/contabilizacion/contabilizacion.h"
#include "accounting/ui/selectores/tfbuscplantillas.h"
#include "accounting/ui/selectores/tfbuscterceros.h"
#include "core/data/client_dataset.h"
#include "core/data/dataset_model.h"
#include "core/data/field.h"
#include "core/money/formato_numero.h"
#include "core/tfdm/tfdm.h"
#include "core/ui/grid/ledgrix_grid.h"
#include "core/ui/numeracion/delegados.h"
#include "core/ui/numeracion/tfbusccentros.h"

namespace ledgrix {

namespace {

using PaginaRevision = RevisionContable::Pagina;

QString valor(const ClientDataset& ds, const char* campo) {
    return ds.active() && !ds.isEmpty() ? ds.fieldByName(QString::fromLatin1(campo)).asString().trimmed() : QString();
}

Tfcontabiliza::VentanaNuevoTercero& nuevo_tercero_instalado() {
    static Tfcontabiliza::VentanaNuevoTercero ventana;
    return ventana;
}

}  // namespace

void Tfcontabiliza::instale_nuevo_tercero(VentanaNuevoTercero ventana) {
    nuevo_tercero_instalado() = std::move(ventana);
}

void Tfcontabiliza::instale(Contabilizacion& servicio, QWidget* padre) {
    servicio.set_ventana_revision([padre](Contabilizacion& c) {
        const Revision r = c.tome_revision();
        Tfcontabiliza ventana(c.dm(), r.tipo, r.id, padre);
        return ventana.exec();
    });
}

Tfcontabiliza::Tfcontabiliza(Tfdm& dm, int tipo, qint64 id, QWidget* parent)
    : QDialog(parent), dm_(dm), logica_(dm, tipo, id, this) {
    setObjectName(QStringLiteral("Tfcontabiliza"));
    setWindowTitle(QStringLiteral("Contabilización"));
    resize(860, 520);
    logica_.set_ventanas({
        [this] {
            Tfbuscterceros v(logica_.terceros(), this);
            return v.exec();
        },
        [this] {
            Tfbusccentros v(logica_.centros(), this);
            return v.exec();
        },
        [this] {
            Tfbuscplantillas v(logica_.plantillas(), this);
            return v.exec();
        },
        [this]() -> int {
            const auto& abra = nuevo_tercero_instalado();
            return abra ? abra(dm_, this) : 0;
        },
    });

    auto* caja = new QVBoxLayout(this);
    auto* cabeza = new QGridLayout;
    const ClientDataset& enc = logica_.encabezado();
    const auto fija = [this](const QString& texto) {
        auto* l = new QLabel(texto, this);
        l->setFrameShape(QFrame::Panel);
        l->setFrameShadow(QFrame::Sunken);
        return l;
    };
    cabeza->addWidget(new QLabel(QStringLiteral("Comprobante:"), this), 0, 0);
    cabeza->addWidget(fija(valor(enc, "CNTB_TIPOCOMP") + u' ' + valor(enc, "CNTB_PREFCNT")), 0, 1);
    cabeza->addWidget(new QLabel(QStringLiteral("Número:"), this), 0, 2);
    cabeza->addWidget(fija(valor(enc, "CNTB_NUMERO")), 0, 3);
    cabeza->addWidget(new QLabel(QStringLiteral("Fecha:"), this), 0, 4);
    cabeza->addWidget(fija(valor(enc, "CNTB_FECHA")), 0, 5);
    cabeza->addWidget(new QLabel(QStringLiteral("Concepto:"), this), 1, 0);
    concepto_ = new QLineEdit(valor(enc, "CNTB_CONCEPTO"), this);
    concepto_->setObjectName(QStringLiteral("concepto"));
    concepto_->setMaxLength(60);
    cabeza->addWidget(concepto_, 1, 1, 1, 3);
    cabeza->addWidget(new QLabel(QStringLiteral("Referencia:"), this), 1, 4);
    referencia_ = new QLineEdit(valor(enc, "CNTB_REF"), this);
    referencia_->setObjectName(QStringLiteral("referencia"));
    referencia_->setMaxLength(20);
    cabeza->addWidget(referencia_, 1, 5);
    caja->addLayout(cabeza);
    const auto encabezado = [this](const QString& campo, const QString& texto) {
        ClientDataset& ds = logica_.encabezado();
        if (ds.active() && !ds.isEmpty() && ds.edit()) ds.fieldByName(campo).setValue(texto);
    };
    connect(concepto_, &QLineEdit::textEdited, this,
            [encabezado](const QString& t) { encabezado(QStringLiteral("CNTB_CONCEPTO"), t); });
    connect(referencia_, &QLineEdit::textEdited, this,
            [encabezado](const QString& t) { encabezado(QStringLiteral("CNTB_REF"), t); });

    paginas_ = new QTabWidget(this);
    paginas_->setObjectName(QStringLiteral("paginas"));
    arme_pagina(PaginaRevision::Local, QStringLiteral("Dec.2649"));
    arme_pagina(PaginaRevision::Niif, QStringLiteral("NIIF"));
    paginas_->setTabEnabled(0, logica_.habilitada(PaginaRevision::Local));
    paginas_->setTabEnabled(1, logica_.habilitada(PaginaRevision::Niif));
    paginas_->setCurrentIndex(logica_.pagina_inicial() == PaginaRevision::Local ? 0 : 1);
    caja->addWidget(paginas_, 1);
    connect(paginas_, &QTabWidget::currentChanged, this, [this] {
        if (logica_.pagina() != actual()) logica_.muestre_pagina(actual());
        muestre_datos();
    });
    logica_.onPagina = [this](PaginaRevision p) { paginas_->setCurrentIndex(p == PaginaRevision::Local ? 0 : 1); };

    auto* datos = new QHBoxLayout;
    nombre_cuenta_ = new QLabel(this);
    nombre_cuenta_->setObjectName(QStringLiteral("nombre_cuenta"));
    nombre_tercero_ = new QLabel(this);
    nombre_tercero_->setObjectName(QStringLiteral("nombre_tercero"));
    titulo_articulo_ = new QLabel(QStringLiteral("Artículo"), this);
    articulo_ = new QLineEdit(this);
    articulo_->setObjectName(QStringLiteral("articulo"));
    articulo_->setMaxLength(15);
    datos->addWidget(nombre_cuenta_, 2);
    datos->addWidget(nombre_tercero_, 2);
    datos->addWidget(titulo_articulo_);
    datos->addWidget(articulo_, 1);
    caja->addLayout(datos);
    connect(articulo_, &QLineEdit::editingFinished, this, [this] {
        ClientDataset& ds = logica_.lineas(actual());
        if (!ds.active() || ds.isEmpty()) return;
        if (ds.fieldByName(QStringLiteral("CNDE_ARTICULO")).asString() == articulo_->text()) return;
        if (ds.edit()) ds.fieldByName(QStringLiteral("CNDE_ARTICULO")).setValue(articulo_->text());
        articulo_->setText(ds.fieldByName(QStringLiteral("CNDE_ARTICULO")).asString());
    });

    auto* abajo = new QHBoxLayout;
    auto* plantilla = new QPushButton(QStringLiteral("F9:Plantilla"), this);
    auto* grabar = new QPushButton(QStringLiteral("F2: Grabar"), this);
    auto* salir = new QPushButton(QStringLiteral("Esc: Salir"), this);
    for (QPushButton* b : {plantilla, grabar, salir}) b->setAutoDefault(false);
    abajo->addWidget(plantilla);
    abajo->addStretch(1);
    abajo->addWidget(grabar);
    abajo->addWidget(salir);
    caja->addLayout(abajo);
    connect(plantilla, &QPushButton::clicked, this, &Tfcontabiliza::SBPlantillaClick);
    connect(grabar, &QPushButton::clicked, this, &Tfcontabiliza::SBGrabarClick);
    connect(salir, &QPushButton::clicked, this, &Tfcontabiliza::reject);

    for (QWidget* w : {static_cast<QWidget*>(local_.grilla), static_cast<QWidget*>(niif_.grilla),
                       static_cast<QWidget*>(concepto_), static_cast<QWidget*>(referencia_),
                       static_cast<QWidget*>(articulo_)})
        w->installEventFilter(this);
    muestre_datos();
}

void Tfcontabiliza::arme_pagina(PaginaRevision pagina, const QString& titulo) {
    Pagina& p = pagina == PaginaRevision::Local ? local_ : niif_;
    ClientDataset& ds = logica_.lineas(pagina);
    auto* hoja = new QWidget(paginas_);
    auto* caja = new QVBoxLayout(hoja);
    p.modelo = new DatasetModel(&ds, this);
    p.grilla = new LedgrixGrid(hoja);
    p.grilla->setObjectName(pagina == PaginaRevision::Local ? QStringLiteral("grilla_local")
                                                            : QStringLiteral("grilla_niif"));
    p.grilla->setDialogs(&dm_.dialogs());
    p.grilla->setExportTitle(QStringLiteral("EdCompCont"));
    p.grilla->setModel(p.modelo);
    // Base, Porc., Débito and Crédito are typed in the installation's number format.
    for (int c = 0; c < p.modelo->columnCount(); ++c)
        if (p.modelo->fieldAt(c)->type() == Field::Type::Currency)
            p.grilla->setItemDelegateForColumn(c, new MontoDelegate(dm_.dialogs(), p.grilla));
    p.grilla->setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed |
                              QAbstractItemView::DoubleClicked);
    auto* borrar = new QAction(QStringLiteral("Eliminar"), p.grilla);
    borrar->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Delete));
    borrar->setShortcutContext(Qt::WidgetShortcut);
    connect(borrar, &QAction::triggered, this, &Tfcontabiliza::borre_linea);
    p.grilla->addAction(borrar);
    caja->addWidget(p.grilla, 1);
    p.totales = new QLabel(hoja);
    p.totales->setObjectName(QStringLiteral("totales"));
    p.totales->setAlignment(Qt::AlignRight);
    caja->addWidget(p.totales);
    paginas_->addTab(hoja, titulo);

    LedgrixGrid* grilla = p.grilla;
    connect(grilla->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this, pagina, grilla](const QModelIndex& actual, const QModelIndex& anterior) {
                ClientDataset& d = logica_.lineas(pagina);
                const QModelIndex fila = grilla->sourceIndex(actual);
                if (anterior.isValid() && actual.row() == anterior.row() && actual.column() != anterior.column())
                    logica_.proponga_valor(pagina);
                if (!fila.isValid() || fila.row() == d.recNo()) return;
                // A line that fails its checks keeps the cursor.
                if (!d.moveTo(fila.row()) && d.state() != ClientDataset::State::Browse) {
                    const QModelIndex volver = anterior;
                    QTimer::singleShot(0, grilla, [grilla, volver] { grilla->setCurrentIndex(volver); });
                }
                muestre_datos();
            });
    connect(&ds, &ClientDataset::rowChanged, this, [this, pagina] {
        muestre_totales(pagina);
        muestre_datos();
    });
    connect(&ds, &ClientDataset::rowsInserted, this, [this, pagina] { muestre_totales(pagina); });
    connect(&ds, &ClientDataset::rowRemoved, this, [this, pagina] { muestre_totales(pagina); });
    connect(&ds, &ClientDataset::resetDone, this, [this, pagina] { muestre_totales(pagina); });
    muestre_totales(pagina);
}

LedgrixGrid* Tfcontabiliza::grilla(PaginaRevision pagina) const {
    return pagina == PaginaRevision::Local ? local_.grilla : niif_.grilla;
}

PaginaRevision Tfcontabiliza::actual() const {
    return paginas_->currentIndex() == 1 ? PaginaRevision::Niif : PaginaRevision::Local;
}

void Tfcontabiliza::muestre_totales(PaginaRevision pagina) {
    const Pagina& p = pagina == PaginaRevision::Local ? local_ : niif_;
    if (!p.totales) return;
    const RevisionContable::Totales t = logica_.totales(pagina);
    const FormatoNumero& formato = FormatoNumero::instalacion();
    p.totales->setText(QStringLiteral("Débito: ") + formato.escriba(t.debitos) +
                       QStringLiteral("    Crédito: ") + formato.escriba(t.creditos));
}

void Tfcontabiliza::muestre_datos() {
    if (!articulo_) return;
    const PaginaRevision p = actual();
    nombre_cuenta_->setText(logica_.nombre_cuenta());
    nombre_tercero_->setText(logica_.nombre_tercero());
    const bool pide = logica_.pide_articulo(p);
    titulo_articulo_->setText(logica_.titulo_articulo(p));
    titulo_articulo_->setVisible(pide);
    articulo_->setVisible(pide);
    if (pide) articulo_->setText(valor(logica_.lineas(p), "CNDE_ARTICULO"));
}

void Tfcontabiliza::nueva_linea() {
    const PaginaRevision p = actual();
    ClientDataset& ds = logica_.lineas(p);
    if (!ds.active() || !ds.append()) return;
    LedgrixGrid* g = grilla(p);
    g->setCurrentIndex(g->model()->index(g->model()->rowCount() - 1, 0));
}

void Tfcontabiliza::borre_linea() {
    ClientDataset& ds = logica_.lineas(actual());
    if (ds.active() && !ds.isEmpty()) ds.remove();
}

void Tfcontabiliza::SBGrabarClick() {
    // An open cell editor hands its text to the line first.
    if (QWidget* f = focusWidget()) f->clearFocus();
    if (!logica_.grabe()) return;
    grabado_ = true;
    accept();
}

void Tfcontabiliza::SBPlantillaClick() {
    logica_.traiga_plantilla();
    muestre_datos();
}

void Tfcontabiliza::reject() {
    if (!grabado_ && !logica_.puede_salir()) return;
    QDialog::reject();
}

bool Tfcontabiliza::tecla(int key) {
    switch (key) {
    case Qt::Key_F2: SBGrabarClick(); return true;
    case Qt::Key_F9: SBPlantillaClick(); return true;
    case Qt::Key_Escape: reject(); return true;
    default: return false;
    }
}

bool Tfcontabiliza::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress) {
        auto* k = static_cast<QKeyEvent*>(event);
        const int key = k->key();
        if (key == Qt::Key_F2 || key == Qt::Key_F9 || key == Qt::Key_Escape) {
            if (event->type() == QEvent::ShortcutOverride) {
                event->accept();
                return true;
            }
            return tecla(key);
        }
        // Insert, or Down on the last line, opens a new line.
        auto* g = qobject_cast<LedgrixGrid*>(watched);
        if (g && event->type() == QEvent::KeyPress &&
            (key == Qt::Key_Insert ||
             (key == Qt::Key_Down && g->currentIndex().row() == g->model()->rowCount() - 1))) {
            nueva_linea();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace ledgrix
