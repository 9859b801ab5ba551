#include "app/ui/mensajes/tfmensaje.h"

#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTextBrowser>
#include <QTextCursor>
#include <QVBoxLayout>

#include "app/mensajes/mensaje_instantaneo.h"
#include "core/data/client_dataset.h"
#include "core/data/dataset_model.h"
#include "core/tfdm/tfdm.h"
#include "core/ui/grid/grid_filter_proxy.h"
#include "core/ui/grid/ledgrix_grid.h"
#include "core/ui/teclas_ventana.h"

namespace ledgrix {

namespace {
constexpr int kLargoMensaje = 255;
}

Tfmensaje::Tfmensaje(Tfdm& dm, QWidget* parent) : QWidget(parent), dm_(dm) {
    setObjectName(QStringLiteral("fmensaje"));
    setWindowTitle(QStringLiteral("Mensaje instantáneo"));
    setAttribute(Qt::WA_DeleteOnClose);
    resize(795, 357);

    logica_ = new MensajeInstantaneo(dm, this);

    MUsuarios_ = new DatasetModel(&logica_->usuarios(), this);
    GUsuarios_ = new LedgrixGrid(this);
    GUsuarios_->setDialogs(&dm.dialogs());
    GUsuarios_->setModel(MUsuarios_);
    GUsuarios_->setSelectionBehavior(QAbstractItemView::SelectRows);
    GUsuarios_->setSelectionMode(QAbstractItemView::SingleSelection);
    GUsuarios_->setEditTriggers(QAbstractItemView::NoEditTriggers);

    MHistoria_ = new DatasetModel(&logica_->historia(), this);
    GHistoria_ = new LedgrixGrid(this);
    GHistoria_->setDialogs(&dm.dialogs());
    GHistoria_->setModel(MHistoria_);
    GHistoria_->setSelectionBehavior(QAbstractItemView::SelectRows);
    GHistoria_->setSelectionMode(QAbstractItemView::SingleSelection);
    GHistoria_->setEditTriggers(QAbstractItemView::NoEditTriggers);

    // The grids move the datasets' cursors: the users list filters the
    // history, the history row is what the reading panel shows.
    connect(GUsuarios_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) {
                const QModelIndex src = GUsuarios_->sourceIndex(current);
                if (src.isValid())
                    logica_->usuarios().moveTo(src.row());
            });
    connect(GHistoria_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) {
                const QModelIndex src = GHistoria_->sourceIndex(current);
                if (src.isValid())
                    logica_->historia().moveTo(src.row());
            });
    connect(GHistoria_, &QAbstractItemView::doubleClicked, this, [this](const QModelIndex& index) {
        const QModelIndex src = GHistoria_->sourceIndex(index);
        if (src.isValid())
            logica_->historia().moveTo(src.row());
        GHistoriaDblClick();
    });

    EMensaje_ = new QPlainTextEdit(this);
    connect(EMensaje_, &QPlainTextEdit::textChanged, this, [this] {
        QString texto = EMensaje_->toPlainText();
        if (texto.size() > kLargoMensaje) {
            texto.truncate(kLargoMensaje);
            QSignalBlocker bloqueo(EMensaje_);
            EMensaje_->setPlainText(texto);
            EMensaje_->moveCursor(QTextCursor::End);
        }
        logica_->set_texto(texto);
    });

    CBPrioridad_ = new QComboBox(this);
    CBPrioridad_->addItems(
        {QStringLiteral("Normal"), QStringLiteral("Media"), QStringLiteral("Alta")});
    CBPrioridad_->setCurrentIndex(MensajeInstantaneo::prioridad_de_nivel(
        logica_->mensaje().active()
            ? static_cast<int>(
                  logica_->mensaje().fieldByName(QStringLiteral("MENS_NIVEL")).asInteger())
            : 3));
    connect(CBPrioridad_, &QComboBox::currentIndexChanged, this,
            [this](int i) { logica_->set_prioridad(i); });

    auto* enviar = new QPushButton(QStringLiteral("F2:Enviar"), this);
    auto* todos = new QPushButton(QStringLiteral("F5:Enviar a todos"), this);
    auto* cancela = new QPushButton(QStringLiteral("Esc:Cancela"), this);
    connect(enviar, &QPushButton::clicked, this, &Tfmensaje::SBEnviarClick);
    connect(todos, &QPushButton::clicked, this, &Tfmensaje::SBTodosClick);
    connect(cancela, &QPushButton::clicked, this, &Tfmensaje::SBCancelaClick);

    PLectura_ = new QFrame(this);
    PLectura_->setFrameShape(QFrame::StyledPanel);
    TLectura_ = new QTextBrowser(PLectura_);
    auto* cerrar = new QPushButton(QStringLiteral("cerrar"), PLectura_);
    connect(cerrar, &QPushButton::clicked, PLectura_, &QWidget::hide);
    auto* lectura = new QVBoxLayout(PLectura_);
    lectura->addWidget(TLectura_);
    lectura->addWidget(cerrar, 0, Qt::AlignRight);
    PLectura_->hide();

    auto* derecha = new QVBoxLayout;
    derecha->addWidget(GHistoria_, 3);
    derecha->addWidget(PLectura_, 2);
    derecha->addWidget(EMensaje_, 2);
    auto* fila = new QHBoxLayout;
    fila->addWidget(new QLabel(QStringLiteral("Prioridad:"), this));
    fila->addWidget(CBPrioridad_);
    fila->addStretch();
    fila->addWidget(enviar);
    fila->addWidget(todos);
    fila->addWidget(cancela);
    derecha->addLayout(fila);

    auto* principal = new QHBoxLayout(this);
    principal->addWidget(GUsuarios_, 2);
    principal->addLayout(derecha, 5);

    for (QWidget* w : findChildren<QWidget*>())
        w->installEventFilter(this);

    // When answering, the list already stands on the author.
    const int fila_usuario = logica_->usuarios().recNo();
    if (fila_usuario >= 0)
        GUsuarios_->setCurrentIndex(
            GUsuarios_->filterProxy()->mapFromSource(MUsuarios_->index(fila_usuario, 0)));
    EMensaje_->setFocus();
}

void Tfmensaje::cierre() {
    if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget()))
        sub->close();
    else
        close();
}

void Tfmensaje::SBEnviarClick() {
    if (logica_->envie())
        cierre();
}

void Tfmensaje::SBTodosClick() {
    if (logica_->envie_a_todos())
        cierre();
}

void Tfmensaje::SBCancelaClick() {
    if (PLectura_->isVisible()) {
        PLectura_->hide();
        return;
    }
    logica_->descarte();
    cierre();
}

void Tfmensaje::GHistoriaDblClick() {
    if (logica_->historia().isEmpty())
        return;
    TLectura_->setPlainText(logica_->mensaje_actual());
    PLectura_->show();
}

bool Tfmensaje::tecla(int key) {
    switch (key) {
        case Qt::Key_F2:
            SBEnviarClick();
            return true;
        case Qt::Key_F5:
            SBTodosClick();
            return true;
        case Qt::Key_Escape:
            SBCancelaClick();
            return true;
        default:
            return false;
    }
}

bool Tfmensaje::eventFilter(QObject* watched, QEvent* event) {
    if (teclas_de_la_ventana(event, {Qt::Key_F2, Qt::Key_F5, Qt::Key_Escape},
                             [this](int key) { return tecla(key); }))
        return true;
    return QWidget::eventFilter(watched, event);
}

void Tfmensaje::keyPressEvent(QKeyEvent* event) {
    if (!tecla(event->key()))
        QWidget::keyPressEvent(event);
}

}  // namespace ledgrix
