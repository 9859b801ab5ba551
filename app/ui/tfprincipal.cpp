#include "app/ui/tfprincipal.h"

#include <QAction>
#include <QFrame>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHash>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include "app/login/ingreso.h"
#include "app/mensajes/buzon.h"
#include "app/navegacion/decision.h"
#include "app/ui/mensajes/abrir_mensaje.h"
#include "app/ui/principal/linea_estado.h"
#include "app/ui/principal/registro_ventanas.h"
#include "app/ui/principal/tfacercade.h"
#include "app/ui/principal/tfmenuventana.h"
#include "app/ui/tasacambio/tftasacambiodia.h"
#include "core/services/dialogs.h"
#include "core/status/status_line.h"
#include "core/tfdm/tfdm.h"
#include "core/ui/grid/ledgrix_grid.h"

namespace ledgrix {

namespace {

QLabel* caja(QWidget* parent, const QString& nombre, int ancho) {
    auto* l = new QLabel(parent);
    l->setObjectName(nombre);
    l->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    l->setMinimumWidth(ancho);
    return l;
}

}  // namespace

Tfprincipal::Tfprincipal(Tfdm& dm, QStringList args, QWidget* parent)
    : QMainWindow(parent), dm_(dm), args_(std::move(args)), registro_(&RegistroVentanas::global()) {
    setObjectName(QStringLiteral("fprincipal"));
    setWindowTitle(QStringLiteral("C x Pagar - Ledgrix"));
    // The work area is the user's desktop for the whole day: the whole
    // available screen even where no window manager maximises it.
    if (const QScreen* pantalla = QGuiApplication::primaryScreen())
        setGeometry(pantalla->availableGeometry());
    else
        resize(1024, 700);
    setWindowState(windowState() | Qt::WindowMaximized);
    dm_.ctx.modulo = QStringLiteral("C. X PAGAR");
    dm_.ctx.busqueda_principal = false;

    mdi_ = new QMdiArea(this);
    mdi_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    mdi_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);

    auto* centro = new QWidget(this);
    auto* columna = new QVBoxLayout(centro);
    columna->setContentsMargins(0, 0, 0, 0);
    columna->setSpacing(0);
    columna->addWidget(construya_panel_superior());
    auto* medio = new QHBoxLayout;
    medio->setSpacing(0);
    medio->addWidget(construya_panel_lateral());
    medio->addWidget(mdi_, 1);
    columna->addLayout(medio, 1);
    columna->addWidget(construya_panel_inferior());
    setCentralWidget(centro);
    buzon_ = new Buzon(dm_, this);
    conecte_buzon(*buzon_, dm_, mdi_, this);

    construya_menu();
    connect(&dm_.estado(), &StatusLine::changed, this, &Tfprincipal::pinteEstado);
    pinteEstado();
}

QFrame* Tfprincipal::construya_panel_superior() {
    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("panelSuperior"));
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    paneles_ << panel;
    auto* fila = new QHBoxLayout(panel);
    fila->addWidget(new QLabel(QStringLiteral("Compañia:"), panel));
    compania_ = caja(panel, QStringLiteral("compania"), 220);
    fila->addWidget(compania_);
    fila->addWidget(new QLabel(QStringLiteral("Usuario:"), panel));
    usuario_ = caja(panel, QStringLiteral("usuario"), 90);
    fila->addWidget(usuario_);
    etiquetaAgencia_ = new QLabel(QStringLiteral("Agencia"), panel);
    etiquetaAgencia_->setObjectName(QStringLiteral("etiquetaAgencia"));
    fila->addWidget(etiquetaAgencia_);
    agencia_ = caja(panel, QStringLiteral("agencia"), 150);
    fila->addWidget(agencia_);
    etiquetaAgencia_->hide();
    agencia_->hide();
    fila->addSpacing(12);
    for (const Boton& b : botones_superiores()) {
        auto* boton = new QPushButton(b.titulo, panel);
        const Destino destino = b.destino;
        connect(boton, &QPushButton::clicked, this, [this, destino] { ejecute(destino); });
        fila->addWidget(boton);
    }
    fila->addStretch();
    logo_ = new QLabel(panel);
    logo_->setObjectName(QStringLiteral("logo"));
    logo_->hide();
    fila->addWidget(logo_);
    return panel;
}

QFrame* Tfprincipal::construya_panel_lateral() {
    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("panelLateral"));
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    paneles_ << panel;
    auto* columna = new QVBoxLayout(panel);
    for (const Boton& b : botones_laterales()) {
        auto* boton = new QPushButton(b.titulo, panel);
        boton->setMinimumHeight(40);
        const Destino destino = b.destino;
        connect(boton, &QPushButton::clicked, this, [this, destino] { ejecute(destino); });
        columna->addWidget(boton);
    }
    columna->addStretch();
    return panel;
}

QFrame* Tfprincipal::construya_panel_inferior() {
    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("panelInferior"));
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    paneles_ << panel;
    auto* fila = new QHBoxLayout(panel);
    fila->setContentsMargins(2, 2, 2, 2);
    estado_ = new LineaEstado(panel);
    fila->addWidget(estado_, 1);
    revision_ = new QLabel(panel);
    revision_->setObjectName(QStringLiteral("revision"));
    revision_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    fila->addWidget(revision_);
    return panel;
}

void Tfprincipal::construya_menu() {
    QHash<QString, QMenu*> menus;
    for (const EntradaMenu& e : tabla_menu()) {
        QMenu* menu = nullptr;
        QString clave;
        for (const QString& nivel : e.ruta) {
            clave += nivel + QLatin1Char('\n');
            QMenu*& m = menus[clave];
            if (!m)
                m = menu ? menu->addMenu(nivel) : menuBar()->addMenu(nivel);
            menu = m;
        }
        QAction* accion = menu->addAction(e.titulo);
        if (!e.atajo.isEmpty())
            accion->setShortcut(QKeySequence(e.atajo, QKeySequence::PortableText));
        if (e.destino.accion == Accion::Ninguna)
            continue;
        const Destino* destino = &e.destino;  // the table lives for the whole run
        connect(accion, &QAction::triggered, this, [this, destino] { ejecute(*destino); });
    }
    menuVentana_ = menus.value(QStringLiteral("Ventana\n"));
    if (menuVentana_)
        connect(menuVentana_, &QMenu::aboutToShow, this, &Tfprincipal::liste_hijas);
}

void Tfprincipal::liste_hijas() {
    for (QAction* a : hijas_) {
        menuVentana_->removeAction(a);
        a->deleteLater();
    }
    hijas_.clear();
    const QList<QMdiSubWindow*> abiertas = mdi_->subWindowList();
    if (abiertas.isEmpty())
        return;
    hijas_ << menuVentana_->addSeparator();
    int n = 0;
    for (QMdiSubWindow* sub : abiertas) {
        QAction* a =
            menuVentana_->addAction(QStringLiteral("&%1 %2").arg(++n).arg(sub->windowTitle()));
        a->setCheckable(true);
        a->setChecked(sub == mdi_->activeSubWindow());
        connect(a, &QAction::triggered, sub, [this, sub] { mdi_->setActiveSubWindow(sub); });
        hijas_ << a;
    }
}

void Tfprincipal::ejecute(const Destino& destino, QWidget* origen) {
    switch (destino.accion) {
        case Accion::Ninguna:
            return;
        case Accion::Mensaje:
            abra_mensaje(dm_, mdi_);
            return;
        case Accion::Mosaico:
            mdi_->tileSubWindows();
            return;
        case Accion::CerrarActiva:
            mdi_->closeActiveSubWindow();
            return;
        case Accion::Cascada:
            mdi_->cascadeSubWindows();
            return;
        case Accion::Horizontal:
            organice(Qt::Horizontal);
            return;
        case Accion::Vertical:
            organice(Qt::Vertical);
            return;
        case Accion::MinimizarTodas:
            for (QMdiSubWindow* sub : mdi_->subWindowList())
                sub->showMinimized();
            return;
        case Accion::Salir:
            close();
            return;
        case Accion::AcercaDe:
            dm_.dialogs().modal(QStringLiteral("Tfacercade"), [this] {
                Tfacercade caja(this);
                return caja.exec();
            });
            return;
        case Accion::Ventana:
        case Accion::Aviso:
        case Accion::MenuVentana:
            break;
    }
    const Decision d = decida(dm_, destino);
    if (!d.permitida) {
        dm_.dialogs().error(d.rechazo);
        if (destino.cierra_al_rechazar)
            if (auto* menu = qobject_cast<Tfmenuventana*>(origen))
                menu->cierre();
        return;
    }
    switch (d.destino->accion) {
        case Accion::Aviso:
            dm_.dialogs().information(d.destino->aviso);
            return;
        case Accion::MenuVentana:
            abra_menu(d.destino->ventana);
            return;
        default:
            break;
    }
    if (!registro_->contiene(d.destino->ventana)) {
        dm_.dialogs().information(texto_no_disponible(d.destino->ventana));
        return;
    }
    // The supplier search reads the mark when it is created, and clears it.
    if (d.destino->busqueda_principal)
        dm_.ctx.busqueda_principal = true;
    abra_ventana(d.destino->ventana);
}

QWidget* Tfprincipal::abra_ventana(const QString& clase) {
    QWidget* ventana = registro_->cree(clase, dm_, this);
    if (!ventana) {
        dm_.dialogs().information(texto_no_disponible(clase));
        return nullptr;
    }
    if (ventana->objectName().isEmpty())
        ventana->setObjectName(clase);
    agregue_hija(ventana)->show();
    return ventana;
}

QWidget* Tfprincipal::abra_menu(const QString& clase) {
    const VentanaMenu* menu = ventana_menu(clase);
    if (!menu)
        return nullptr;
    for (QMdiSubWindow* sub : mdi_->subWindowList()) {
        if (sub->widget() && sub->widget()->objectName() == clase) {
            mdi_->setActiveSubWindow(sub);
            return sub->widget();
        }
    }
    auto* ventana = new Tfmenuventana(
        *menu, [this](const Destino& destino, QWidget* origen) { ejecute(destino, origen); }, this);
    QMdiSubWindow* sub = agregue_hija(ventana);
    sub->setGeometry(menu->lugar);
    sub->show();
    ventana->setFocus();
    return ventana;
}

QMdiSubWindow* Tfprincipal::agregue_hija(QWidget* ventana) {
    ventana->setAttribute(Qt::WA_DeleteOnClose);
    QMdiSubWindow* sub = mdi_->addSubWindow(ventana);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    // A window that closes itself takes its frame with it.
    connect(
        ventana, &QObject::destroyed, sub, [sub] { sub->close(); }, Qt::QueuedConnection);
    return sub;
}

void Tfprincipal::organice(Qt::Orientation orientacion) {
    QList<QMdiSubWindow*> visibles;
    for (QMdiSubWindow* sub : mdi_->subWindowList())
        if (!sub->isMinimized() && sub->isVisible())
            visibles << sub;
    if (visibles.isEmpty())
        return;
    const QRect area = mdi_->viewport()->rect();
    const int n = static_cast<int>(visibles.size());
    for (int i = 0; i < n; ++i) {
        QMdiSubWindow* sub = visibles[i];
        if (sub->isMaximized())
            sub->showNormal();
        if (orientacion == Qt::Horizontal) {
            const int alto = area.height() / n;
            sub->setGeometry(0, i * alto, area.width(), alto);
        } else {
            const int ancho = area.width() / n;
            sub->setGeometry(i * ancho, 0, ancho, area.height());
        }
    }
}

bool Tfprincipal::ingrese() {
    Ingreso ingreso(dm_);
    if (!ingreso.ingrese(args_))
        return false;
    muestre_compania(ingreso.compania());
    muestre_usuario(dm_.ctx.usuario);
    muestre_agencia(dm_.ctx.agencia, ingreso.nombre_agencia());
    muestre_revision(ingreso.revision());
    muestre_logo(dm_.ctx.compania.logo);
    aplique_color(ingreso.matiz(), ingreso.saturacion());
    LedgrixGrid::setSearchDelayFor(this, dm_.ctx.duracion_busquedas);
    dentro_ = true;
    atienda_pendientes(ingreso.pendientes());
    buzon_->start();  // polls once at once, then every ten seconds
    return true;
}

// What the entry leaves to do once the user is in.
void Tfprincipal::atienda_pendientes(const Ingreso::Pendientes& p) {
    if (p.pedir_tasa) {
        dm_.dialogs().modal(QStringLiteral("Tftasacambiodia"), [this, &p] {
            Tftasacambiodia ventana(dm_, p.moneda, this);
            return ventana.exec();
        });
    }
    // The supplier movement window is registered by its own area; without it
    // the check has been made and nothing opens.
    if (p.abrir_movimiento && registro_->contiene(QStringLiteral("Tfmovicuenxpagar")))
        abra_ventana(QStringLiteral("Tfmovicuenxpagar"));
}

void Tfprincipal::muestre_compania(const QString& nombre) {
    compania_->setText(nombre);
}

void Tfprincipal::muestre_usuario(const QString& usuario) {
    usuario_->setText(usuario);
}

void Tfprincipal::muestre_agencia(int agencia, const QString& nombre) {
    const bool hay = agencia != 0;
    agencia_->setText(hay ? QString::number(agencia) + QLatin1Char('-') + nombre : QString());
    etiquetaAgencia_->setVisible(hay);
    agencia_->setVisible(hay);
}

void Tfprincipal::muestre_revision(const QString& texto) {
    revision_->setText(texto);
}

void Tfprincipal::muestre_logo(const QByteArray& imagen) {
    QPixmap p;
    if (imagen.isEmpty() || !p.loadFromData(imagen)) {
        logo_->clear();
        logo_->hide();
        return;
    }
    logo_->setPixmap(p.scaledToHeight(48, Qt::SmoothTransformation));
    logo_->show();
}

void Tfprincipal::aplique_color(int matiz, int saturacion) {
    const QColor color =
        QColor::fromHsl(((matiz % 360) + 360) % 360, qBound(0, saturacion, 100) * 255 / 100, 225);
    for (QFrame* panel : paneles_) {
        QPalette p = panel->palette();
        p.setColor(QPalette::Window, color);
        panel->setPalette(p);
        panel->setAutoFillBackground(true);
    }
    pinteEstado();
}

void Tfprincipal::closeEvent(QCloseEvent* event) {
    if (dentro_)
        Ingreso(dm_).salga();
    dentro_ = false;
    QMainWindow::closeEvent(event);
}

void Tfprincipal::pinteEstado() {
    estado_->muestre(dm_.estado());
}

}  // namespace ledgrix
