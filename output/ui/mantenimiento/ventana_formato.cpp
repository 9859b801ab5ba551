#include "output/ui/mantenimiento/ventana_formato.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QFontDatabase>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPrinterInfo>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "core/data/client_dataset.h"
#include "core/data/dataset_model.h"
#include "core/services/dialogs.h"
#include "core/tfdm/tfdm.h"
#include "core/ui/campos/campo_monto.h"
#include "core/ui/grid/ledgrix_grid.h"
#include "core/ui/numeracion/delegados.h"
#include "output/ui/mantenimiento/tfmoverforma.h"

namespace ledgrix {

namespace {

const QString kS = QStringLiteral("S");
const QString kN = QStringLiteral("N");

VentanaFormato::EligeImagen& elector_instalado() {
    static VentanaFormato::EligeImagen elector = [](QWidget* padre) {
        return QFileDialog::getOpenFileName(
            padre, QStringLiteral("Gráfico"), {},
            QStringLiteral("Imágenes (*.bmp *.png *.jpg *.jpeg);;Todos (*.*)"));
    };
    return elector;
}

int columna(const DatasetModel& modelo, const QString& campo) {
    for (int c = 0; c < modelo.columnCount(); ++c)
        if (modelo.fieldAt(c) && modelo.fieldAt(c)->name() == campo)
            return c;
    return -1;
}

}  // namespace

void VentanaFormato::instale_elector_imagen(EligeImagen elector) {
    elector_instalado() = std::move(elector);
}

QLineEdit* VentanaFormato::numero(const QString& campo) {
    auto* e = new QLineEdit(this);
    e->setObjectName(campo);
    e->setValidator(new QIntValidator(0, 99999, e));
    e->installEventFilter(this);
    connect(e, &QLineEdit::editingFinished, this, [this, e, campo] {
        logica_.asigne(campo,
                       e->text().trimmed().isEmpty() ? QVariant() : QVariant(e->text().toInt()));
    });
    return e;
}

LedgrixGrid* VentanaFormato::grilla(DatasetModel* modelo, const QString& nombre) {
    auto* g = new LedgrixGrid(this);
    g->setObjectName(nombre);
    g->setDialogs(&dm_.dialogs());
    g->setModel(modelo);
    g->installEventFilter(this);
    return g;
}

VentanaFormato::VentanaFormato(Tfdm& dm, EdicionFormato::Modo modo, int tipo,
                               const QString& prefijo, QWidget* parent)
    : QDialog(parent), dm_(dm), logica_(dm, modo, tipo, prefijo, this) {
    setWindowTitle(QStringLiteral("Definición de formatos documentos"));
    resize(900, 640);
    auto* caja = new QVBoxLayout(this);

    auto* cabecera = new QGridLayout;
    const auto rotulo = [this, cabecera](const QString& texto, QWidget* campo, int fila, int col) {
        cabecera->addWidget(new QLabel(texto, this), fila, col);
        cabecera->addWidget(campo, fila, col + 1);
        campo->installEventFilter(this);
    };
    documento_ = new QComboBox(this);
    documento_->setObjectName(QStringLiteral("documento"));
    for (const auto& o : logica_.documentos())
        documento_->addItem(o.nombre, o.codigo);
    documento_->setCurrentIndex(-1);
    documento_->setEnabled(modo == EdicionFormato::Modo::Nuevo);
    prefijo_ = new QComboBox(this);
    prefijo_->setObjectName(QStringLiteral("prefijo"));
    prefijo_->setEnabled(modo == EdicionFormato::Modo::Nuevo);
    impresora_ = new QComboBox(this);
    impresora_->setObjectName(QStringLiteral("impresora"));
    impresora_->setEditable(true);
    impresora_->addItems(QPrinterInfo::availablePrinterNames());
    fuente_ = new QComboBox(this);
    fuente_->setObjectName(QStringLiteral("FORM_FONT"));
    fuente_->setEditable(true);
    fuente_->addItems(QFontDatabase::families());
    nro_items_ = numero(QStringLiteral("FORM_NROITEMS"));
    entrelinea_ = numero(QStringLiteral("FORM_ENTRELINEA"));
    tamano_ = numero(QStringLiteral("FORM_FSIZE"));
    paginas_ = new QCheckBox(QStringLiteral("Permitir varias páginas"), this);
    paginas_->setObjectName(QStringLiteral("FORM_PAGINAS"));
    paginas_->installEventFilter(this);
    ancho_ = new CampoMonto(dm_.dialogs(), this);
    ancho_->setObjectName(QStringLiteral("FORM_PAPELAN"));
    alto_ = new CampoMonto(dm_.dialogs(), this);
    alto_->setObjectName(QStringLiteral("FORM_PAPELAL"));
    rotulo(QStringLiteral("Documento:"), documento_, 0, 0);
    rotulo(QStringLiteral("Prefijo:"), prefijo_, 0, 2);
    rotulo(QStringLiteral("Impresora:"), impresora_, 1, 0);
    rotulo(QStringLiteral("Número de repeticiones items:"), nro_items_, 1, 2);
    rotulo(QStringLiteral("Espacio entre líneas:"), entrelinea_, 2, 0);
    cabecera->addWidget(paginas_, 2, 2, 1, 2);
    rotulo(QStringLiteral("Tipo de letra:"), fuente_, 3, 0);
    cabecera->addWidget(tamano_, 3, 2);
    auto* papel = new QHBoxLayout;
    papel->addWidget(new QLabel(QStringLiteral("Tamaño papel (pulgadas)"), this));
    papel->addWidget(new QLabel(QStringLiteral("Ancho:"), this));
    papel->addWidget(ancho_);
    papel->addWidget(new QLabel(QStringLiteral("Alto:"), this));
    papel->addWidget(alto_);
    for (QLineEdit* e : {ancho_, alto_})
        e->installEventFilter(this);
    cabecera->addLayout(papel, 4, 0, 1, 4);
    cabecera->setColumnStretch(1, 1);
    cabecera->setColumnStretch(3, 1);
    caja->addLayout(cabecera);

    caja->addWidget(new QLabel(QStringLiteral("Datos a imprimir"), this));
    modelo_datos_ = new DatasetModel(&logica_.datos(), this);
    datos_ = grilla(modelo_datos_, QStringLiteral("datos"));
    for (const char* marca : {"DAFO_IMPRIME", "DAFO_REPITE", "DAFO_LIQUIDA", "DAFO_POSYVAR"}) {
        const int c = columna(*modelo_datos_, QString::fromLatin1(marca));
        if (c >= 0)
            datos_->setItemDelegateForColumn(c, new MarcaDelegate(this));
    }
    caja->addWidget(datos_, 3);

    caja->addWidget(new QLabel(QStringLiteral("Lineas y cuadros "), this));
    modelo_lineas_ = new DatasetModel(&logica_.lineas(), this);
    lineas_ = grilla(modelo_lineas_, QStringLiteral("lineas"));
    const int tipo_col = columna(*modelo_lineas_, QStringLiteral("FOLI_TIPO"));
    if (tipo_col >= 0)
        lineas_->setItemDelegateForColumn(
            tipo_col, new ListaDelegate({{QStringLiteral("T"), QStringLiteral("Texto")},
                                         {QStringLiteral("L"), QStringLiteral("Linea")},
                                         {QStringLiteral("C"), QStringLiteral("Cuadro")},
                                         {QStringLiteral("G"), QStringLiteral("Gráfico")}},
                                        this));
    caja->addWidget(lineas_, 2);

    panel_grafico_ = new QFrame(this);
    panel_grafico_->setObjectName(QStringLiteral("panel_grafico"));
    panel_grafico_->setFrameShape(QFrame::StyledPanel);
    auto* grafico = new QVBoxLayout(panel_grafico_);
    grafico->addWidget(new QLabel(QStringLiteral("Gráfico"), panel_grafico_));
    imagen_ = new QLabel(panel_grafico_);
    imagen_->setObjectName(QStringLiteral("imagen"));
    imagen_->setMinimumSize(160, 120);
    imagen_->setFrameShape(QFrame::Box);
    imagen_->setAlignment(Qt::AlignCenter);
    imagen_->setToolTip(QStringLiteral("Clic para cargar la imagen"));
    imagen_->installEventFilter(this);
    grafico->addWidget(imagen_, 1);
    auto* continuar = new QPushButton(QStringLiteral("Continuar"), panel_grafico_);
    grafico->addWidget(continuar, 0, Qt::AlignRight);
    panel_grafico_->hide();
    caja->addWidget(panel_grafico_);

    auto* abajo = new QHBoxLayout;
    auto* grabar = new QPushButton(QStringLiteral("F2: Grabar"), this);
    auto* mover = new QPushButton(QStringLiteral("F5: Mover"), this);
    auto* vista = new QPushButton(QStringLiteral("F8: Vista previa"), this);
    auto* cancelar = new QPushButton(QStringLiteral("ESC:Cancelar"), this);
    for (QPushButton* b : {grabar, mover, vista, cancelar, continuar}) {
        b->setAutoDefault(false);
        b->setFocusPolicy(Qt::NoFocus);
    }
    abajo->addWidget(mover);
    abajo->addWidget(vista);
    abajo->addStretch(1);
    abajo->addWidget(grabar);
    abajo->addWidget(cancelar);
    caja->addLayout(abajo);

    connect(grabar, &QPushButton::clicked, this, &VentanaFormato::SBGrabarClick);
    connect(mover, &QPushButton::clicked, this, &VentanaFormato::SBMoverClick);
    connect(vista, &QPushButton::clicked, this, &VentanaFormato::SBVistaClick);
    connect(cancelar, &QPushButton::clicked, this, &VentanaFormato::reject);
    connect(continuar, &QPushButton::clicked, this, [this] {
        panel_grafico_->hide();
        lineas_->setFocus();
    });
    connect(documento_, &QComboBox::activated, this, &VentanaFormato::documento_elegido);
    connect(prefijo_, &QComboBox::activated, this, [this] {
        if (!logica_.elija_prefijo(prefijo_->currentText())) {
            const QSignalBlocker quieto(prefijo_);
            prefijo_->setCurrentIndex(-1);
        }
    });
    connect(paginas_, &QCheckBox::toggled, this,
            [this](bool si) { logica_.asigne(QStringLiteral("FORM_PAGINAS"), si ? kS : kN); });
    connect(fuente_, &QComboBox::currentTextChanged, this, [this](const QString& texto) {
        logica_.asigne(QStringLiteral("FORM_FONT"), texto.isEmpty() ? QVariant() : QVariant(texto));
    });
    for (CampoMonto* e : {ancho_, alto_})
        connect(e, &CampoMonto::cambiado, this, [this, e](Currency pulgadas) {
            logica_.asigne(e->objectName(), e->text().trimmed().isEmpty()
                                                ? QVariant()
                                                : QVariant::fromValue(pulgadas));
            muestre();
        });
    connect(lineas_, &QAbstractItemView::doubleClicked, this, [this] {
        if (logica_.lineas().active() && !logica_.lineas().isEmpty() &&
            logica_.lineas().fieldByName(QStringLiteral("FOLI_TIPO")).asString() ==
                QLatin1String("G")) {
            muestre_imagen();
            panel_grafico_->show();
        }
    });
    for (LedgrixGrid* g : {datos_, lineas_}) {
        ClientDataset* ds = g == datos_ ? &logica_.datos() : &logica_.lineas();
        connect(g->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
                [g, ds](const QModelIndex& actual) {
                    const QModelIndex fila = g->sourceIndex(actual);
                    if (fila.isValid() && fila.row() != ds->recNo())
                        ds->moveTo(fila.row());
                });
    }

    if (!logica_.abierta()) {
        // Nothing to show: the user was told why.
        QMetaObject::invokeMethod(this, &VentanaFormato::reject, Qt::QueuedConnection);
        return;
    }
    ponga_datos_disponibles();
    muestre();
}

void VentanaFormato::ponga_datos_disponibles() {
    const int c = columna(*modelo_datos_, QStringLiteral("DAFO_DATO"));
    if (c < 0)
        return;
    QList<ListaDelegate::Opcion> opciones;
    for (const QString& n : EdicionFormato::datos_disponibles(logica_.tipo()))
        opciones << ListaDelegate::Opcion{n, QString()};
    QAbstractItemDelegate* anterior = datos_->itemDelegateForColumn(c);
    datos_->setItemDelegateForColumn(c, new ListaDelegate(opciones, this));
    delete anterior;
}

void VentanaFormato::documento_elegido() {
    const QStringList prefijos = logica_.elija_documento(documento_->currentData().toInt());
    if (!logica_.abierta()) {
        QMetaObject::invokeMethod(this, &VentanaFormato::reject, Qt::QueuedConnection);
        return;
    }
    {
        const QSignalBlocker quieto(prefijo_);
        prefijo_->clear();
        prefijo_->addItems(prefijos);
        prefijo_->setCurrentIndex(prefijos.indexOf(logica_.prefijo()));
    }
    ponga_datos_disponibles();
}

void VentanaFormato::muestre() {
    const ClientDataset& ds = logica_.formato();
    if (!ds.active() || ds.isEmpty())
        return;
    const auto texto = [&ds](const char* campo) {
        return ds.fieldByName(QString::fromLatin1(campo)).asString();
    };
    const QSignalBlocker a(documento_), b(prefijo_), c(impresora_), d(fuente_), e(paginas_);
    documento_->setCurrentIndex(documento_->findData(logica_.tipo()));
    if (prefijo_->findText(logica_.prefijo()) < 0 && !logica_.prefijo().isEmpty())
        prefijo_->addItem(logica_.prefijo());
    prefijo_->setCurrentIndex(prefijo_->findText(logica_.prefijo()));
    impresora_->setCurrentText(texto("FORM_IMPRE"));
    fuente_->setCurrentText(texto("FORM_FONT"));
    paginas_->setChecked(texto("FORM_PAGINAS") == kS);
    nro_items_->setText(texto("FORM_NROITEMS"));
    entrelinea_->setText(texto("FORM_ENTRELINEA"));
    tamano_->setText(texto("FORM_FSIZE"));
    for (CampoMonto* e : {ancho_, alto_}) {
        const Field& f = ds.fieldByName(e->objectName());
        e->muestre(f.isNull() ? std::nullopt : std::optional<Currency>(f.asCurrency()));
    }
}

void VentanaFormato::muestre_imagen() {
    QPixmap pixmap;
    const QVariant bytes = logica_.lineas().fieldByName(QStringLiteral("FOLI_IMAGEN")).value();
    if (bytes.isValid() && pixmap.loadFromData(bytes.toByteArray()))
        imagen_->setPixmap(pixmap.scaled(imagen_->size(), Qt::KeepAspectRatio));
    else
        imagen_->setText(QStringLiteral("(sin imagen)"));
}

void VentanaFormato::ImagenClick() {
    const QString ruta = elector_instalado() ? elector_instalado()(this) : QString();
    if (logica_.cargue_imagen(ruta))
        muestre_imagen();
}

bool VentanaFormato::confirme_celdas() {
    // What is still being typed counts.
    QWidget* foco = QApplication::focusWidget();
    for (LedgrixGrid* g : {datos_, lineas_})
        if (foco && foco != g && g->isAncestorOf(foco))
            QMetaObject::invokeMethod(g, "commitData", Q_ARG(QWidget*, foco));
    if (auto* monto = qobject_cast<CampoMonto*>(foco))
        return monto->acepte();
    if (auto* caja = qobject_cast<QLineEdit*>(foco))
        emit caja->editingFinished();
    return true;
}

void VentanaFormato::SBGrabarClick() {
    if (!logica_.abierta())
        return;
    if (!confirme_celdas())
        return;
    if (logica_.grabe(impresora_->currentText()))
        accept();
    else
        muestre();
}

void VentanaFormato::SBMoverClick() {
    if (!logica_.abierta())
        return;
    if (!confirme_celdas())
        return;
    // The move works on the stored format: what is pending is saved first.
    if (logica_.hay_cambios()) {
        if (!dm_.dialogs().question(QStringLiteral(
                "Se grabarán los cambios antes de mover el formato. Desea continuar?")))
            return;
        if (!logica_.grabe(impresora_->currentText())) {
            muestre();
            return;
        }
    }
    const int tipo = logica_.tipo();
    const QString prefijo = logica_.prefijo();
    const int r = dm_.dialogs().modal(QStringLiteral("TFmoverforma"), [this, tipo, prefijo] {
        TFmoverforma ventana(dm_, tipo, prefijo, this);
        return ventana.exec();
    });
    if (r == QDialog::Accepted)
        logica_.recargue();
    muestre();
}

void VentanaFormato::SBVistaClick() {
    if (logica_.abierta())
        logica_.vista_previa();
}

void VentanaFormato::reject() {
    logica_.cancele();
    QDialog::reject();
}

bool VentanaFormato::tecla(int key, QObject* watched) {
    switch (key) {
        case Qt::Key_F2:
            SBGrabarClick();
            return true;
        case Qt::Key_F5:
            SBMoverClick();
            return true;
        case Qt::Key_F8:
            SBVistaClick();
            return true;
        case Qt::Key_Escape:
            if (panel_grafico_->isVisible()) {
                panel_grafico_->hide();
                return true;
            }
            reject();
            return true;
        case Qt::Key_F3:
            if (watched == datos_)
                logica_.borre_dato();
            else if (watched == lineas_)
                logica_.borre_linea();
            return true;
        default:
            return false;
    }
}

bool VentanaFormato::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_F2 || key == Qt::Key_F3 || key == Qt::Key_F5 || key == Qt::Key_F8 ||
            key == Qt::Key_Escape) {
            if (event->type() == QEvent::ShortcutOverride) {
                event->accept();
                return true;
            }
            return tecla(key, watched);
        }
        if (event->type() == QEvent::KeyPress) {
            if (watched == datos_ || watched == lineas_) {
                auto* g = static_cast<LedgrixGrid*>(watched);
                // Insert, or the down arrow on the last row, adds a row.
                const bool ultima = g->currentIndex().row() == g->model()->rowCount() - 1;
                if (key == Qt::Key_Insert || (key == Qt::Key_Down && ultima)) {
                    const bool ok = g == datos_ ? logica_.agregue_dato() : logica_.agregue_linea();
                    if (ok)
                        g->setCurrentIndex(g->model()->index(g->model()->rowCount() - 1, 0));
                    return true;
                }
            } else if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                // A size that is not a number keeps the cursor.
                if (auto* monto = qobject_cast<CampoMonto*>(watched)) {
                    if (!monto->acepte())
                        return true;
                } else if (auto* caja = qobject_cast<QLineEdit*>(watched)) {
                    emit caja->editingFinished();
                }
                focusNextChild();
                return true;
            }
        }
    }
    if (watched == imagen_ && event->type() == QEvent::MouseButtonRelease) {
        ImagenClick();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace ledgrix
