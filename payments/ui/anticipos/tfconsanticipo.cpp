#include "payments/ui/anticipos/tfconsanticipo.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <tuple>

#include "core/data/field.h"
#include "core/money/formato_numero.h"
#include "core/tfdm/tfdm.h"
#include "core/ui/teclas_ventana.h"
#include "output/ui/impresion/tfimpresion.h"
#include "core/ui/ventanas_externas.h"

namespace ledgrix {

namespace {

QString S(const char* s) {
    return QString::fromUtf8(s);
}

QString monto(Currency valor) {
    return FormatoNumero::instalacion().escriba(valor);
}

}  // namespace

Tfconsanticipo::Tfconsanticipo(Tfdm& dm, QWidget* parent)
    : QWidget(parent), dm_(dm), logica_(dm, this) {
    setObjectName(S("Tfconsanticipo"));
    const DocumentoSeleccionado& d = dm.documento_consultado;
    setWindowTitle(S("Consulta de Anticipo ") + d.prefijo + d.numero);

    auto* caja_ventana = new QVBoxLayout(this);
    auto* rejilla = new QGridLayout;
    caja_ventana->addLayout(rejilla);
    // Another document's id is no advance: the user is told, as for a missing one.
    if (logica_.cargue(d.tipo == 55 ? d.id : 0))
        muestre(rejilla);

    auto* barra = new QHBoxLayout;
    barra->addStretch(1);
    const std::tuple<const char*, int, std::function<void()>> botones[] = {
        {"F2: Imprimir", Qt::Key_F2, [this] { SBImprimirClick(); }},
        {"F12: Abonos", Qt::Key_F12, [this] { SBAbonosClick(); }},
        {"ESC:Salir", Qt::Key_Escape, [this] { close(); }}};
    for (const auto& [texto, key, accion] : botones) {
        auto* boton = new QPushButton(S(texto), this);
        barra->addWidget(boton);
        connect(boton, &QPushButton::clicked, this, accion);
        teclas_.insert(key, accion);
    }
    caja_ventana->addLayout(barra);
}

QLineEdit* Tfconsanticipo::caja(QGridLayout* rejilla, int fila, int columna,
                                const QString& etiqueta, const QString& nombre,
                                const QString& texto) {
    auto* e = new QLineEdit(texto, this);
    e->setObjectName(nombre);
    e->setReadOnly(true);
    e->installEventFilter(this);
    rejilla->addWidget(new QLabel(etiqueta, this), fila, columna);
    rejilla->addWidget(e, fila, columna + 1);
    return e;
}

void Tfconsanticipo::muestre(QGridLayout* rejilla) {
    const auto texto = [this](const char* campo) {
        return logica_.campo(S(campo)).asString().trimmed();
    };
    const auto fecha = [this](const char* campo) {
        return logica_.campo(S(campo)).asDate().toString(Tfdm::formato_fecha());
    };
    const auto cifra = [this](const char* campo) {
        return monto(logica_.campo(S(campo)).asCurrency());
    };
    const QString egreso = logica_.egreso();
    // Left: what the advance is; right: its figures.
    const struct {
        const char *etiqueta, *nombre;
        QString valor;
    } datos[] = {
        {"Prefijo:", "PREF_PRE", texto("PREF_PRE")},
        {"Número:", "ANPR_NUMERO", texto("ANPR_NUMERO")},
        {"Fecha:", "ANPR_FECHA", fecha("ANPR_FECHA")},
        {"Fecha descuento:", "ANPR_DTOFECHA", fecha("ANPR_DTOFECHA")},
        {"Nit:", "TERC_NIT", texto("TERC_NIT")},
        {"Proveedor:", "TERC_NOM", texto("TERC_NOM")},
        {"Concepto:", "ANPR_CONC", texto("ANPR_CONC")},
        {"Observación:", "ANPR_OBS", texto("ANPR_OBS")},
        {"Pagado en egreso:", "EGRESO", egreso.isEmpty() ? S("Sin pagar") : egreso},
        {"Anulado:", "ANPR_ANULADO", texto("ANPR_ANULADO") == S("S") ? S("Sí") : S("No")},
    };
    int fila = 0;
    for (const auto& d : datos)
        caja(rejilla, fila++, 0, S(d.etiqueta), S(d.nombre), d.valor);

    const struct {
        const char *etiqueta, *porcentaje, *valor;
    } cifras[] = {
        {"Monto:", nullptr, "ANPR_BASE"},
        {"IVA:", "ANPR_IVAPORC", "ANPR_IVAMONTO"},
        {"Ret. fuente:", "ANPR_RTFTEPORC", "ANPR_RTFTEMONTO"},
        {"Ret. IVA:", "ANPR_RTIVAPORC", "ANPR_RTIVAMONTO"},
        {"Ret. ICA:", "ANPR_RTICAPORC", "ANPR_RTICAMONTO"},
        {"Dto. financiero:", "ANPR_DTOFPORC", "ANPR_DTOFMONTO"},
    };
    fila = 0;
    for (const auto& c : cifras) {
        caja(rejilla, fila, 2, S(c.etiqueta), S(c.valor), cifra(c.valor));
        if (c.porcentaje)
            rejilla->addWidget(new QLabel(cifra(c.porcentaje) + S(" %"), this), fila, 4);
        ++fila;
    }
    caja(rejilla, fila++, 2, S("Total:"), S("totalconiva"), monto(logica_.totalconiva()));
    caja(rejilla, fila++, 2, S("Neto:"), S("total"), monto(logica_.total()));
    caja(rejilla, fila++, 2, S("Saldo:"), S("SALDO"), cifra("SALDO"));
}

QLineEdit* Tfconsanticipo::valor(const QString& nombre) const {
    return findChild<QLineEdit*>(nombre);
}

void Tfconsanticipo::SBImprimirClick() {
    if (logica_.id() != 0)
        imprima_documento(dm_, 55, logica_.id(), this);
}

void Tfconsanticipo::SBAbonosClick() {
    // The history reads the advance from dm, which a consult from it may replace.
    if (logica_.id() == 0)
        return;
    dm_.documento_consultado = {55, logica_.id(), logica_.campo(S("PREF_PRE")).asString(),
                                logica_.campo(S("ANPR_NUMERO")).asString(),
                                logica_.campo(S("TERC_NOM")).asString()};
    abra_externa(dm_, S("Tfabonosprv"), this);
}

bool Tfconsanticipo::tecla(int key) {
    const auto accion = teclas_.constFind(key);
    if (accion == teclas_.constEnd())
        return false;
    (*accion)();
    return true;
}

bool Tfconsanticipo::eventFilter(QObject* watched, QEvent* event) {
    if (teclas_de_la_ventana(
            event, [this](int key) { return teclas_.contains(key); },
            [this](int key) { return tecla(key); }))
        return true;
    return QWidget::eventFilter(watched, event);
}

void Tfconsanticipo::keyPressEvent(QKeyEvent* event) {
    if (!tecla(event->key()))
        QWidget::keyPressEvent(event);
}

}  // namespace ledgrix
