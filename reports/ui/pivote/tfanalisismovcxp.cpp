#include "reports/ui/pivote/tfanalisismovcxp.h"

#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "core/services/dialogs.h"
#include "core/tfdm/tfdm.h"
#include "core/ui/ajuste_area.h"
#include "core/ui/grid/ledgrix_grid.h"
#include "reports/ui/pivote/tfdetalle_analisis.h"

namespace ledgrix {

Tfanalisismovcxp::Tfanalisismovcxp(Tfdm& dm, QWidget* parent)
    : Tflista(dm, QStringLiteral("Tfanalisismovcxp"),
              QStringLiteral("Análisis de movimiento de cuentas por pagar"), parent),
      logica_(dm) {
    grilla()->setExportTitle(QStringLiteral("Analisismovcxp"));
    grilla()->setSelectionBehavior(QAbstractItemView::SelectItems);
    grilla()->setSelectionMode(QAbstractItemView::SingleSelection);

    const auto fecha = [this](const QDate& d, const char* nombre) {
        auto* campo = new QDateEdit(d, this);
        campo->setObjectName(QLatin1String(nombre));
        campo->setCalendarPopup(true);
        campo->setDisplayFormat(Tfdm::formato_fecha());
        return campo;
    };
    desde_ = fecha(logica_.desde, "desde");
    hasta_ = fecha(logica_.hasta, "hasta");
    ejemplos_ = new QComboBox(this);
    ejemplos_->setObjectName(QStringLiteral("ejemplos"));
    ejemplos_->setMinimumContentsLength(20);
    auto* criterios = new QHBoxLayout;
    const std::pair<QString, QWidget*> campos[] = {{QStringLiteral("Desde:"), desde_},
                                                   {QStringLiteral("Hasta:"), hasta_},
                                                   {QStringLiteral("Cargar ejemplo:"), ejemplos_}};
    for (const auto& [texto, campo] : campos) {
        auto* rotulo = new QLabel(texto, this);
        rotulo->setBuddy(campo);
        criterios->addWidget(rotulo);
        criterios->addWidget(campo);
        campo->installEventFilter(this);
    }
    auto* grabar = new QPushButton(QStringLiteral("Grabar Plantilla"), this);
    criterios->addWidget(grabar);
    criterios->addStretch(1);
    espere_ = new QLabel(this);
    espere_->setObjectName(QStringLiteral("espere"));
    criterios->addWidget(espere_);

    // The pivot: the layout lists beside the grid.
    auto* area = new QGroupBox(QStringLiteral("Comparativo centros de costo"), this);
    auto* fila = new QHBoxLayout(area);
    auto* panel = new QGridLayout;
    const char* nombres[] = {"filas", "columnas", "sin_usar"};
    const QString titulos[] = {QStringLiteral("Filas"), QStringLiteral("Columnas"),
                               QStringLiteral("Sin usar")};
    for (int i = 0; i < 3; ++i) {
        auto* lista = new QListWidget(area);
        lista->setObjectName(QLatin1String(nombres[i]));
        lista->setDragDropMode(QAbstractItemView::DragDrop);
        lista->setDefaultDropAction(Qt::MoveAction);
        lista->setMaximumWidth(180);
        lista->installEventFilter(this);
        connect(lista->model(), &QAbstractItemModel::rowsInserted, this,
                &Tfanalisismovcxp::aplique_luego);
        connect(lista->model(), &QAbstractItemModel::rowsRemoved, this,
                &Tfanalisismovcxp::aplique_luego);
        auto* titulo = new QLabel(titulos[i], area);
        titulo->setBuddy(lista);
        panel->addWidget(titulo, i * 2, 0);
        panel->addWidget(lista, i * 2 + 1, 0);
        listas_[i] = lista;
    }
    medidas_ = new QListWidget(area);
    medidas_->setObjectName(QStringLiteral("medidas"));
    medidas_->setMaximumWidth(180);
    medidas_->installEventFilter(this);
    panel->addWidget(new QLabel(QStringLiteral("Medidas"), area), 6, 0);
    panel->addWidget(medidas_, 7, 0);
    connect(medidas_, &QListWidget::itemChanged, this, &Tfanalisismovcxp::aplique_disposicion);
    auto* flechas = new QHBoxLayout;
    const auto flecha = [this, area, flechas](const QString& texto, const QString& ayuda, int paso,
                                              int orden) {
        auto* b = new QPushButton(texto, area);
        b->setToolTip(ayuda);
        b->setFocusPolicy(Qt::NoFocus);
        flechas->addWidget(b);
        connect(b, &QPushButton::clicked, this, [this, paso, orden] { mueva(paso, orden); });
    };
    flecha(QStringLiteral("▲"), QStringLiteral("Antes (Ctrl+Arriba)"), 0, -1);
    flecha(QStringLiteral("▼"), QStringLiteral("Después (Ctrl+Abajo)"), 0, 1);
    flecha(QStringLiteral("◄"), QStringLiteral("A la lista anterior (Ctrl+Izquierda)"), -1, 0);
    flecha(QStringLiteral("►"), QStringLiteral("A la lista siguiente (Ctrl+Derecha)"), 1, 0);
    panel->addLayout(flechas, 8, 0);
    fila->addLayout(panel);

    auto* caja = static_cast<QVBoxLayout*>(layout());
    caja->insertLayout(0, criterios);
    const int lugar = caja->indexOf(grilla());
    caja->removeWidget(grilla());
    fila->addWidget(grilla(), 1);
    caja->insertWidget(lugar, area, 1);

    grilla()->setModel(&logica_.modelo());
    connect(grilla(), &QAbstractItemView::doubleClicked, this, [this] { abra_detalle(); });
    agregue_tecla(Qt::Key_F2, QStringLiteral("F2:Calcula"), [this] { SBCalculaClick(); });
    agregue_tecla(Qt::Key_F4, QStringLiteral("F4:Exportar"), [this] { SBExportarClick(); });
    connect(grabar, &QPushButton::clicked, this, &Tfanalisismovcxp::SBGrabarClick);
    connect(ejemplos_, &QComboBox::activated, this, [this] {
        logica_.elija_plantilla(ejemplos_->currentText());
        muestre_disposicion();
    });
    llene_ejemplos();
    muestre_disposicion();
}

void Tfanalisismovcxp::llene_ejemplos() {
    const QString elegida = logica_.plantilla();
    ejemplos_->clear();
    ejemplos_->addItem(QString());
    ejemplos_->addItems(logica_.ejemplos());
    ejemplos_->setCurrentIndex(std::max(0, ejemplos_->findText(elegida)));
}

void Tfanalisismovcxp::muestre_disposicion() {
    llenando_ = true;
    const Disposicion& d = logica_.cubo().disposicion();
    QList<Dimension> sin_usar;
    for (Dimension x : dimensiones())
        if (!d.filas.contains(x) && !d.columnas.contains(x))
            sin_usar << x;
    const QList<Dimension>* grupos[] = {&d.filas, &d.columnas, &sin_usar};
    for (int i = 0; i < 3; ++i) {
        listas_[i]->clear();
        for (Dimension x : *grupos[i])
            listas_[i]->addItem(nombre(x));
    }
    medidas_->clear();
    for (Medida m : ledgrix::medidas()) {
        auto* item = new QListWidgetItem(nombre(m), medidas_);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        item->setCheckState(d.medidas.contains(m) ? Qt::Checked : Qt::Unchecked);
    }
    llenando_ = false;
}

void Tfanalisismovcxp::aplique_luego() {
    // A drag between lists inserts before it removes: the layout is read
    // once the move is complete.
    if (llenando_ || pendiente_)
        return;
    pendiente_ = true;
    QTimer::singleShot(0, this, [this] {
        pendiente_ = false;
        aplique_disposicion();
    });
}

void Tfanalisismovcxp::aplique_disposicion() {
    if (llenando_)
        return;
    Disposicion d;
    QList<Dimension>* destinos[] = {&d.filas, &d.columnas};
    for (int i = 0; i < 2; ++i)
        for (int r = 0; r < listas_[i]->count(); ++r)
            if (const auto x = dimension_llamada(listas_[i]->item(r)->text()))
                *destinos[i] << *x;
    for (int r = 0; r < medidas_->count(); ++r)
        if (medidas_->item(r)->checkState() == Qt::Checked)
            if (const auto m = medida_llamada(medidas_->item(r)->text()))
                d.medidas << *m;
    if (d.valida())
        logica_.disponga(d);
}

void Tfanalisismovcxp::mueva(int paso, int orden) {
    QListWidget* lista = activa_;
    if (!lista || !lista->currentItem())
        return;
    const int desde = static_cast<int>(std::find(listas_, listas_ + 3, lista) - listas_);
    const int hacia = desde + paso;
    const int fila = lista->currentRow();
    if (hacia < 0 || hacia > 2 ||
        (paso == 0 && (fila + orden < 0 || fila + orden >= lista->count())))
        return;
    llenando_ = true;
    QListWidgetItem* item = lista->takeItem(fila);
    QListWidget* destino = listas_[hacia];
    const int lugar = paso == 0 ? fila + orden : destino->count();
    destino->insertItem(lugar, item);
    destino->setCurrentRow(lugar);
    llenando_ = false;
    if (destino != lista)
        destino->setFocus();
    activa_ = destino;
    aplique_disposicion();
}

bool Tfanalisismovcxp::eventFilter(QObject* watched, QEvent* event) {
    auto* lista = qobject_cast<QListWidget*>(watched);
    if (lista && lista != medidas_ && event->type() == QEvent::FocusIn)
        activa_ = lista;
    if (event->type() == QEvent::KeyPress) {
        auto* tecla = static_cast<QKeyEvent*>(event);
        if (lista && lista != medidas_ && tecla->modifiers() == Qt::ControlModifier) {
            activa_ = lista;
            const int paso = tecla->key() == Qt::Key_Left ? -1 : tecla->key() == Qt::Key_Right;
            const int orden = tecla->key() == Qt::Key_Up ? -1 : tecla->key() == Qt::Key_Down;
            if (paso != 0 || orden != 0) {
                mueva(paso, orden);
                return true;
            }
        }
        if (watched == grilla() &&
            (tecla->key() == Qt::Key_Return || tecla->key() == Qt::Key_Enter)) {
            abra_detalle();
            return true;
        }
    }
    return Tflista::eventFilter(watched, event);
}

void Tfanalisismovcxp::SBCalculaClick() {
    logica_.desde = desde_->date();
    logica_.hasta = hasta_->date();
    const bool hecho = logica_.calcule([this](const QString& texto) {
        espere_->setText(texto);
        QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    });
    espere_->clear();
    if (!hecho) {
        desde_->setFocus();
        return;
    }
    muestre_disposicion();
    grilla()->setFocus();
    if (grilla()->model()->rowCount() > 0)
        grilla()->setCurrentIndex(grilla()->model()->index(0, 0));
}

void Tfanalisismovcxp::SBGrabarClick() {
    QString nombre;
    const int ok = dm().dialogs().modal(QStringLiteral("NombrePlantilla"), [this, &nombre] {
        bool aceptado = false;
        nombre = QInputDialog::getText(this, QStringLiteral("Grabar Plantilla"),
                                       QStringLiteral("Nombre de la plantilla:"), QLineEdit::Normal,
                                       QString(), &aceptado);
        return aceptado ? 1 : 0;
    });
    if (ok == 1 && logica_.grabe_plantilla(nombre))
        llene_ejemplos();
}

void Tfanalisismovcxp::SBExportarClick() {
    if (!logica_.hay_datos())
        return;
    const QString ruta = QFileDialog::getSaveFileName(
        this, QStringLiteral("Exportar"),
        nombreArchivoPorDefecto(QStringLiteral("Analisismovcxp"), QStringLiteral("xlsx")),
        dialogFilterOf(ExportFormat::Xlsx));
    if (!ruta.isEmpty())
        logica_.exporte(ruta);
}

void Tfanalisismovcxp::abra_detalle() {
    const QModelIndex celda = grilla()->sourceIndex(grilla()->currentIndex());
    std::vector<MovimientoAnalisis> documentos = logica_.detalle(celda);
    if (documentos.empty())
        return;
    auto* lista = new Tfdetalleanalisis(dm(), logica_, std::move(documentos), this);
    lista->setWindowFlag(Qt::Dialog);
    lista->show();
}

void Tfanalisismovcxp::showEvent(QShowEvent* event) {
    Tflista::showEvent(event);
    if (ubicada_)
        return;
    ubicada_ = true;
    // The layout lists on the left leave the pivot most of the width.
    ajuste_al_area(this, 1200, 700, 0, 0);
}

}  // namespace ledgrix
