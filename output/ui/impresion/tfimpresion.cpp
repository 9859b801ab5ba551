#include "output/ui/impresion/tfimpresion.h"

#include <QApplication>
#include <QEventLoop>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/services/dialogs.h"
#include "core/tfdm/tfdm.h"
#include "output/correo/correo_documento.h"

namespace ledgrix {

Tfimpresion::Tfimpresion(Tfdm& dm, const MiembroImpresion& miembro, qint64 id, QWidget* parent)
    : QWidget(parent), dm_(dm), logica_(dm, miembro, id) {
    setObjectName(miembro.ventana);
    setWindowTitle(miembro.caption);
    setAttribute(Qt::WA_DeleteOnClose);
    logica_.cargue();
    if (miembro.documento_soporte)
        logica_.envie_documento_electronico();

    auto* caja = new QVBoxLayout(this);
    auto* aviso = new QLabel(miembro.aviso, this);
    aviso->setWordWrap(true);
    caja->addWidget(aviso);
    auto* botones = new QHBoxLayout;
    auto* imprimir = new QPushButton(QStringLiteral("F2:Imprimir"), this);
    imprimir->setObjectName(QStringLiteral("SBImprimir"));
    auto* cancelar = new QPushButton(QStringLiteral("Esc:Cancelar "), this);
    cancelar->setObjectName(QStringLiteral("SBCancelar"));
    auto* correo = new QPushButton(QStringLiteral("F12:Email"), this);
    correo->setObjectName(QStringLiteral("SBEmail"));
    botones->addWidget(imprimir);
    botones->addWidget(cancelar);
    botones->addWidget(correo);
    caja->addLayout(botones);
    connect(imprimir, &QPushButton::clicked, this, &Tfimpresion::SBImprimirClick);
    connect(cancelar, &QPushButton::clicked, this, &QWidget::close);
    connect(correo, &QPushButton::clicked, this, &Tfimpresion::SBEmailClick);
    setFocusPolicy(Qt::StrongFocus);

    if (CorreoDocumento::admite(miembro.tipo)) {
        correo_ = std::make_unique<CorreoDocumento>(dm_, logica_);
        envie_correo = EnvioSmtp{this};
    }
}

void Tfimpresion::EnvioSmtp::operator()(const QString& ruta) const {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const QString error = ventana->correo_->transmita(ruta);
    QApplication::restoreOverrideCursor();
    ventana->correo_->informe(error);
}

Tfimpresion::~Tfimpresion() = default;

void Tfimpresion::SBImprimirClick() {
    const std::optional<Formato> formato = logica_.formato();
    if (!formato) {
        close();
        return;
    }
    imprima(*formato);
    if (const auto cheque = logica_.cheque_adicional()) {
        if (const std::optional<Formato> f = cargue_formato(dm_, cheque->first, cheque->second))
            imprima(*f);
        else
            dm_.dialogs().error(QStringLiteral("No se encontró el formato de impresión."));
    }
    close();
}

void Tfimpresion::imprima(const Formato& formato) {
    const MotorFormato motor(formato);
    const DocumentoImpreso doc = logica_.documento();
    QPrinter impresora(QPrinter::HighResolution);
    impresora.setDocName(logica_.titulo_trabajo());
    if (logica_.con_opciones()) {
        motor.prepare_impresora(impresora, false);
        dm_.dialogs().modal(QStringLiteral("Opciones"), [&] {
            QPrintPreviewDialog opciones(&impresora, this);
            opciones.setWindowTitle(logica_.titulo_reporte());
            connect(&opciones, &QPrintPreviewDialog::paintRequested, &opciones,
                    [&](QPrinter* p) { motor.imprima(*p, doc); });
            return opciones.exec();
        });
    } else {
        motor.prepare_impresora(impresora, true);
        motor.imprima(impresora, doc);
    }
}

void Tfimpresion::SBEmailClick() {
    // The user's account is checked before anything is written; another
    // sender put in place of ours brings its own.
    if (envie_correo.target<EnvioSmtp>() && !correo_->prepare())
        return;
    const QString ruta = logica_.imprima_pdf();
    if (!ruta.isEmpty() && envie_correo)
        envie_correo(ruta);
}

void Tfimpresion::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_F2:
            SBImprimirClick();
            return;
        case Qt::Key_F12:
            SBEmailClick();
            return;
        case Qt::Key_Escape:
        case Qt::Key_F4:
            close();
            return;
        default:
            QWidget::keyPressEvent(event);
    }
}

Tfimprnotadbp::Tfimprnotadbp(Tfdm& dm, qint64 id, QWidget* parent)
    : Tfimpresion(dm, impresion_cargo(), id, parent) {}
Tfimprnotacrp::Tfimprnotacrp(Tfdm& dm, qint64 id, QWidget* parent)
    : Tfimpresion(dm, impresion_descuento(), id, parent) {}
Tfimpraplicacionp::Tfimpraplicacionp(Tfdm& dm, qint64 id, QWidget* parent)
    : Tfimpresion(dm, impresion_aplicacion(), id, parent) {}
Tfimpranticipoprv::Tfimpranticipoprv(Tfdm& dm, qint64 id, QWidget* parent)
    : Tfimpresion(dm, impresion_anticipo(), id, parent) {}
Tfimprcausacred::Tfimprcausacred(Tfdm& dm, qint64 id, QWidget* parent)
    : Tfimpresion(dm, impresion_credito(), id, parent) {}
Tfimpregreso::Tfimpregreso(Tfdm& dm, qint64 id, QWidget* parent)
    : Tfimpresion(dm, impresion_egreso(), id, parent) {}

Tfimpresion* ventana_impresion(Tfdm& dm, int tipo, qint64 id, QWidget* parent) {
    switch (tipo) {
        case 51:
            return new Tfimprnotadbp(dm, id, parent);
        case 52:
            return new Tfimprnotacrp(dm, id, parent);
        case 53:
            return new Tfimpraplicacionp(dm, id, parent);
        case 55:
            return new Tfimpranticipoprv(dm, id, parent);
        case 57:
            return new Tfimprcausacred(dm, id, parent);
        case 62:
            return new Tfimpregreso(dm, id, parent);
        default:
            return nullptr;
    }
}

int imprima_documento(Tfdm& dm, int tipo, qint64 id, QWidget* parent) {
    const MiembroImpresion* miembro = impresion_de_tipo(tipo);
    if (!miembro)
        return 0;
    return dm.dialogs().modal(miembro->ventana, [&] {
        Tfimpresion* ventana = ventana_impresion(dm, tipo, id, parent);
        ventana->setWindowFlag(Qt::Dialog);
        ventana->setWindowModality(Qt::ApplicationModal);
        QEventLoop espera;
        QObject::connect(ventana, &QObject::destroyed, &espera, &QEventLoop::quit);
        // Over the window that prints, where the user is looking.
        ventana->adjustSize();
        if (parent)
            ventana->move(parent->window()->geometry().center() - ventana->rect().center());
        ventana->show();
        espera.exec();
        return 1;
    });
}

}  // namespace ledgrix
