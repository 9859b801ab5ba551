#include "core/ui/notas/tfnotasdoc.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/data/client_dataset.h"
#include "core/data/dataset_model.h"
#include "core/data/field.h"
#include "core/tfdm/tfdm.h"
#include "core/ui/grid/ledgrix_grid.h"
#include "core/ui/teclas_ventana.h"

namespace ledgrix {

namespace {

QString S(const char* s) {
    return QString::fromUtf8(s);
}

void titulos(ClientDataset& ds) {
    const std::pair<const char*, const char*> campos[] = {{"NODO_FECHA", "Fecha"},
                                                          {"NODO_HORA", "Hora"},
                                                          {"NODO_USUARIO", "Usuario"},
                                                          {"NODO_TEXTO", "Nota"}};
    for (const auto& [campo, titulo] : campos)
        if (Field* f = ds.findField(S(campo)))
            f->setDisplayLabel(S(titulo));
}

}  // namespace

Tfnotasdoc::Tfnotasdoc(Tfdm& dm, QWidget* parent) : QWidget(parent), logica_(dm, this) {
    setObjectName(S("Tfnotasdoc"));
    const DocumentoSeleccionado& d = dm.documento_consultado;
    setWindowTitle(S("Notas del documento ") + d.prefijo + d.numero);
    if (logica_.cargue(d.tipo, d.id))
        titulos(logica_.notas());

    auto* caja = new QVBoxLayout(this);
    grilla_ = new LedgrixGrid(this);
    grilla_->setDialogs(&dm.dialogs());
    grilla_->setExportTitle(windowTitle());
    grilla_->setModel(new DatasetModel(&logica_.notas(), grilla_));
    grilla_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grilla_->horizontalHeader()->setStretchLastSection(true);
    caja->addWidget(grilla_, 1);
    caja->addWidget(new QLabel(S("Nueva nota:"), this));
    nueva_ = new QPlainTextEdit(this);
    nueva_->setObjectName(S("nueva"));
    nueva_->setTabChangesFocus(true);
    nueva_->setMaximumHeight(fontMetrics().lineSpacing() * 5 + 12);
    caja->addWidget(nueva_);

    auto* barra = new QHBoxLayout;
    barra->addStretch(1);
    auto* grabar = new QPushButton(S("F2: Grabar"), this);
    auto* salir = new QPushButton(S("ESC: Salir"), this);
    for (QPushButton* b : {grabar, salir}) {
        b->setFocusPolicy(Qt::NoFocus);
        barra->addWidget(b);
    }
    connect(grabar, &QPushButton::clicked, this, [this] { SBGrabarClick(); });
    connect(salir, &QPushButton::clicked, this, [this] { close(); });
    caja->addLayout(barra);
    // Placed by whoever opens it at its size hint: the columns and a line
    // of text need this much.
    setMinimumSize(600, 400);
    for (QWidget* w : findChildren<QWidget*>())
        w->installEventFilter(this);
    // Whoever opens the notes has come to write one.
    nueva_->setFocus();
}

void Tfnotasdoc::SBGrabarClick() {
    if (logica_.agregue(nueva_->toPlainText())) {
        // Read again, the notes are new fields.
        titulos(logica_.notas());
        nueva_->clear();
        grilla_->scrollToBottom();
    }
    nueva_->setFocus();
}

bool Tfnotasdoc::tecla(int key) {
    switch (key) {
        case Qt::Key_F2:
            SBGrabarClick();
            return true;
        case Qt::Key_Escape:
            close();
            return true;
        default:
            return false;
    }
}

bool Tfnotasdoc::eventFilter(QObject* watched, QEvent* event) {
    if (teclas_de_la_ventana(event, {Qt::Key_F2, Qt::Key_Escape},
                             [this](int k) { return tecla(k); }))
        return true;
    return QWidget::eventFilter(watched, event);
}

void Tfnotasdoc::keyPressEvent(QKeyEvent* event) {
    if (!tecla(event->key()))
        QWidget::keyPressEvent(event);
}

}  // namespace ledgrix
