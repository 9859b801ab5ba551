#include "maintenance/ui/importacion/tfimportar3.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QStandardItemModel>
#include <QVBoxLayout>

#include "core/services/dialogs.h"
#include "core/tfdm/tfdm.h"
#include "core/ui/grid/ledgrix_grid.h"
#include "core/ui/numeracion/delegados.h"
#include "maintenance/importacion/asistente_importacion.h"
#include "maintenance/importacion/lectura/datos_importacion.h"
#include "maintenance/ui/progreso_en_ventana.h"

namespace ledgrix {

using importacion::ColumnaDato;
using importacion::ResultadoImportacion;
using S = QString;

namespace {

enum ColumnaGrid { kDato, kDescripcion, kColumna, kAncho, kImportar };

const QString kSi = QStringLiteral("SI");
const QString kNo = QStringLiteral("NO");

LedgrixGrid* grid(QWidget* padre, Tfdm& dm, const char* nombre, QStandardItemModel* modelo,
                  const QString& titulo) {
    auto* g = new LedgrixGrid(padre);
    g->setObjectName(QLatin1String(nombre));
    g->setDialogs(&dm.dialogs());
    g->setModel(modelo);
    g->setExportTitle(titulo);
    return g;
}

}  // namespace

Tfimportar3::Tfimportar3(Tfdm& dm, importacion::AsistenteImportacion& asistente, QWidget* parent)
    : QWidget(parent), dm_(dm), asistente_(asistente) {
    setObjectName(S("Tfimportar3"));
    modelo_ = new QStandardItemModel(0, 5, this);
    modelo_->setHorizontalHeaderLabels(
        {S("Dato"), S("Descripción"), S("Columna"), S("Ancho"), S("Importar")});
    modelo_vista_ = new QStandardItemModel(this);
    modelo_rechazos_ = new QStandardItemModel(0, 2, this);
    modelo_rechazos_->setHorizontalHeaderLabels({S("Línea"), S("Motivo")});

    auto* caja = new QVBoxLayout(this);
    titulo_ = new QLabel(this);
    caja->addWidget(titulo_);
    auto* arriba = new QHBoxLayout;
    disposicion_ = grid(this, dm, "disposicion", modelo_, S("Disposición"));
    disposicion_->setItemDelegateForColumn(
        kImportar, new ListaDelegate({{kSi, kSi}, {kNo, kNo}}, disposicion_));
    disposicion_->setEditTriggers(QAbstractItemView::DoubleClicked |
                                  QAbstractItemView::AnyKeyPressed |
                                  QAbstractItemView::EditKeyPressed);
    arriba->addWidget(disposicion_, 2);
    vista_ = grid(this, dm, "vista", modelo_vista_, S("Vista previa"));
    vista_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    arriba->addWidget(vista_, 3);
    caja->addLayout(arriba, 1);

    auto* fila = new QHBoxLayout;
    avance_ = new QLabel(this);
    avance_->setObjectName(S("avance"));
    barra_ = new QProgressBar(this);
    barra_->setRange(0, 100);
    cancelar_ = new QPushButton(S("Cancelar"), this);
    cancelar_->setObjectName(S("cancelar"));
    fila->addWidget(avance_, 1);
    fila->addWidget(barra_, 2);
    fila->addWidget(cancelar_);
    caja->addLayout(fila);
    cancelar_->setVisible(false);

    resultado_ = new QLabel(this);
    resultado_->setObjectName(S("resultado"));
    resultado_->setWordWrap(true);
    caja->addWidget(resultado_);
    rechazos_ = grid(this, dm, "rechazos", modelo_rechazos_, S("Líneas rechazadas"));
    rechazos_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    rechazos_->horizontalHeader()->setStretchLastSection(true);
    rechazos_->setVisible(false);
    caja->addWidget(rechazos_, 1);

    progreso_ = std::make_unique<ProgresoEnVentana>(avance_, barra_);
    connect(cancelar_, &QPushButton::clicked, this, &Tfimportar3::cancele);
    connect(modelo_, &QStandardItemModel::itemChanged, this, [this] {
        if (!llenando_)
            muestre_vista();
    });
}

Tfimportar3::~Tfimportar3() = default;

void Tfimportar3::enfoque() {
    disposicion_->setFocus();
    if (modelo_->rowCount() > 0)
        disposicion_->setCurrentIndex(disposicion_->model()->index(0, kColumna));
}

void Tfimportar3::muestre_disposicion() {
    const importacion::EleccionImportacion& e = asistente_.eleccion();
    titulo_->setText(
        S("Paso 3: importar %1 de %2. F2 importa.")
            .arg(importacion::AsistenteImportacion::clases()[static_cast<int>(e.clase) - 14]
                     .toLower(),
                 QFileInfo(e.ruta).fileName()));
    llenando_ = true;
    modelo_->removeRows(0, modelo_->rowCount());
    for (const ColumnaDato& c : e.columnas) {
        QList<QStandardItem*> fila{
            new QStandardItem(c.dato), new QStandardItem(importacion::descripcion(c.dato)),
            new QStandardItem(), new QStandardItem(), new QStandardItem(c.importar ? kSi : kNo)};
        fila[kColumna]->setData(c.columna, Qt::EditRole);
        fila[kAncho]->setData(c.ancho, Qt::EditRole);
        for (int i : {kDato, kDescripcion})
            fila[i]->setEditable(false);
        modelo_->appendRow(fila);
    }
    llenando_ = false;
    resultado_->clear();
    avance_->clear();
    barra_->setValue(0);
    rechazos_->setVisible(false);
    muestre_vista();
}

// What the user set in the grid goes to the wizard's layout.
void Tfimportar3::tome_disposicion() {
    QList<ColumnaDato>& columnas = asistente_.eleccion().columnas;
    columnas.clear();
    for (int i = 0; i < modelo_->rowCount(); ++i)
        columnas.append(ColumnaDato{modelo_->item(i, kDato)->text(),
                                    qMax(1, modelo_->item(i, kColumna)->data(Qt::EditRole).toInt()),
                                    qMax(0, modelo_->item(i, kAncho)->data(Qt::EditRole).toInt()),
                                    modelo_->item(i, kImportar)->text() == kSi});
}

void Tfimportar3::muestre_vista() {
    tome_disposicion();
    const QList<ColumnaDato>& columnas = asistente_.eleccion().columnas;
    modelo_vista_->clear();
    QStringList titulos;
    QList<int> posiciones;
    for (const ColumnaDato& c : columnas)
        if (c.importar) {
            titulos << c.dato;
            posiciones << c.columna - 1;
        }
    modelo_vista_->setHorizontalHeaderLabels(titulos);
    for (const importacion::Linea& l : asistente_.vista_previa()) {
        QList<QStandardItem*> fila;
        for (int p : posiciones)
            fila << new QStandardItem(p < l.columnas.size() ? l.columnas[p] : QString());
        modelo_vista_->appendRow(fila);
    }
}

void Tfimportar3::importe() {
    if (importando_)
        return;
    tome_disposicion();
    // The clerk may have fixed the file since the step opened: the preview
    // shows what is imported now.
    muestre_vista();
    importando_ = true;
    progreso_->reinicie();
    resultado_->clear();
    rechazos_->setVisible(false);
    cancelar_->setVisible(true);
    const ResultadoImportacion r = asistente_.importe(*progreso_);
    cancelar_->setVisible(false);
    importando_ = false;
    muestre(r);
}

void Tfimportar3::cancele() {
    if (importando_)
        progreso_->cancele();
}

void Tfimportar3::muestre(const ResultadoImportacion& r) {
    resultado_->setText(r.mensaje);
    modelo_rechazos_->removeRows(0, modelo_rechazos_->rowCount());
    for (const importacion::Rechazo& x : r.rechazos) {
        auto* linea = new QStandardItem;
        linea->setData(x.linea, Qt::DisplayRole);
        modelo_rechazos_->appendRow({linea, new QStandardItem(x.motivo)});
    }
    rechazos_->setVisible(!r.rechazos.isEmpty());
    using Estado = ResultadoImportacion::Estado;
    switch (r.estado) {
        case Estado::Importado:
        case Estado::Cancelado:
            dm_.dialogs().information(r.mensaje);
            break;
        case Estado::Rechazado:
        case Estado::SinArchivo:
            dm_.dialogs().error(r.mensaje);
            break;
        case Estado::FalloBase:
            // The database's own message was shown by the error translation.
            break;
    }
    if (!r.rechazos.isEmpty())
        rechazos_->setFocus();
    else
        enfoque();
}

}  // namespace ledgrix
