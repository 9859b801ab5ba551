#include "parties/ui/acreedores/ventana_proveedor.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QKeyEvent>
#include <QLabel>
#include <QScrollArea>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QScopedValueRollback>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

#include "core/ui/ajuste_area.h"
#include "core/data/field.h"
#include "core/tfdm/tfdm.h"
#include "core/ui/campos/campo_monto.h"
#include "parties/ui/acreedores/cuentas_contables.h"

namespace ledgrix {

namespace {

QString S(const char* s) {
    return QString::fromUtf8(s);
}

}  // namespace

VentanaProveedor::VentanaProveedor(Tfdm& dm, FichaProveedor::Modo modo, const QString& nit,
                                   const QString& clase, const QString& titulo, QWidget* parent)
    : QDialog(parent), dm_(dm), logica_(dm, modo, nit, cuentas_contables(dm), this) {
    setObjectName(clase);
    setWindowTitle(titulo);
    resize(760, 560);
    auto* caja = new QVBoxLayout(this);
    paginas_ = new QTabWidget(this);
    caja->addWidget(paginas_, 1);
    registro_ = new QLabel(this);
    registro_->setObjectName(S("registro"));
    caja->addWidget(registro_);

    auto* barra = new QHBoxLayout;
    barra->addStretch(1);
    const auto boton = [this, barra](const QString& texto, int key) {
        auto* b = new QPushButton(texto, this);
        b->setAutoDefault(false);
        b->setFocusPolicy(Qt::NoFocus);
        barra->addWidget(b);
        connect(b, &QPushButton::clicked, this, [this, key] { tecla(key); });
    };
    boton(S("F2: Grabar"), Qt::Key_F2);
    boton(S("F6: Financiero"), Qt::Key_F6);
    boton(S("F11: Contable"), Qt::Key_F11);
    boton(S("ESC: Salir"), Qt::Key_Escape);
    caja->addLayout(barra);

    if (!logica_.abierta()) {
        QTimer::singleShot(0, this, &QDialog::reject);
        return;
    }
    construya_general();
    construya_proveedor();
    construya_financiero();
    construya_contable();
    connect(&logica_, &FichaProveedor::reiniciado, this, [this] {
        muestre();
        paginas_->setCurrentIndex(0);
        if (QWidget* nit = this->caja(S("TERC_NIT")))
            nit->setFocus();
    });
    muestre();
}

// Each page scrolls on its own: the longest (the third party's twenty
// boxes) would otherwise make the window taller than the work area and hide
// its keys.
void VentanaProveedor::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!ubicada_) {
        ubicada_ = true;
        ajuste_al_area(this);
    }
}

QFormLayout* VentanaProveedor::pagina(const QString& titulo) {
    auto* area = new QScrollArea(paginas_);
    area->setWidgetResizable(true);
    area->setFrameShape(QFrame::NoFrame);
    auto* p = new QWidget(area);
    auto* f = new QFormLayout(p);
    area->setWidget(p);
    paginas_->addTab(area, titulo);
    return f;
}

QLineEdit* VentanaProveedor::linea(QFormLayout* f, const QString& columna, const QString& etiqueta,
                                   std::function<bool(const QString&)> regla) {
    auto* e = new QLineEdit(f->parentWidget());
    e->setObjectName(columna);
    f->addRow(etiqueta, e);
    cajas_.insert(columna, e);
    if (!regla)
        regla = [this, columna](const QString& t) {
            return logica_.asigne(columna, t.isEmpty() ? QVariant() : QVariant(t));
        };
    connect(e, &QLineEdit::editingFinished, this, [this, e, columna, regla] {
        if (mostrando_ || e->isReadOnly() || e->text().trimmed() == logica_.texto(columna))
            return;
        bool aceptado = false;
        {
            // A message box taking the focus finishes the box again: one answer is enough.
            QScopedValueRollback<bool> callado(mostrando_, true);
            aceptado = regla(e->text().trimmed());
        }
        if (!aceptado) {
            e->setFocus();
            e->selectAll();
            return;
        }
        muestre();
    });
    return e;
}

CampoMonto* VentanaProveedor::monto(QFormLayout* f, const QString& columna, const QString& etiqueta,
                                    int decimales) {
    auto* e = new CampoMonto(dm_.dialogs(), f->parentWidget(), decimales);
    e->setObjectName(columna);
    f->addRow(etiqueta, e);
    cajas_.insert(columna, e);
    connect(e, &CampoMonto::cambiado, this, [this, columna](Currency v) {
        if (!mostrando_)
            logica_.asigne_monto(columna, v);
    });
    return e;
}

QComboBox* VentanaProveedor::lista(QFormLayout* f, const QString& columna, const QString& etiqueta,
                                   const QList<FichaProveedor::Opcion>& opciones,
                                   std::function<bool(const QString&)> regla) {
    auto* c = new QComboBox(f->parentWidget());
    c->setObjectName(columna);
    c->addItem(QString(), QString());
    for (const auto& [codigo, nombre] : opciones)
        c->addItem(nombre, codigo);
    f->addRow(etiqueta, c);
    cajas_.insert(columna, c);
    if (!regla)
        regla = [this, columna](const QString& codigo) {
            return logica_.asigne(columna, codigo.isEmpty() ? QVariant() : QVariant(codigo));
        };
    connect(c, &QComboBox::currentIndexChanged, this, [this, c, regla] {
        if (mostrando_)
            return;
        regla(c->currentData().toString());
        muestre();
    });
    return c;
}

QCheckBox* VentanaProveedor::marca(QFormLayout* f, const QString& columna,
                                   const QString& etiqueta) {
    auto* c = new QCheckBox(etiqueta, f->parentWidget());
    c->setObjectName(columna);
    f->addRow(QString(), c);
    cajas_.insert(columna, c);
    connect(c, &QCheckBox::toggled, this, [this, columna](bool si) {
        if (!mostrando_)
            logica_.asigne(columna, si ? S("S") : S("N"));
    });
    return c;
}

void VentanaProveedor::construya_general() {
    QFormLayout* f = pagina(S("Tercero"));
    QLineEdit* nit = linea(f, S("TERC_NIT"), S("NIT:"), [](const QString&) { return true; });
    // The NIT's own rule may close the window: it runs apart from the others.
    disconnect(nit, &QLineEdit::editingFinished, this, nullptr);
    connect(nit, &QLineEdit::editingFinished, this, [this, nit] { nit_digitado(nit); });
    if (!logica_.letras_en_nit())
        nit->setValidator(
            new QRegularExpressionValidator(QRegularExpression(S("[0-9]{0,15}")), nit));
    linea(f, S("TERC_DV"), S("Dígito de verificación:"), [this](const QString& t) {
        return logica_.cambie_dv(t);
    })->setMaxLength(2);
    lista(f, S("TERC_TIPOID"), S("Tipo de documento:"), logica_.tipos_id(),
          [this](const QString& t) {
              logica_.cambie_tipo(t);
              return true;
          });
    linea(f, S("TERC_NOM"), S("Nombre o razón social:"), [this](const QString& t) {
        logica_.cambie_nombre(t);
        return true;
    });
    linea(f, S("TERC_APELLIDO1"), S("Primer apellido:"));
    linea(f, S("TERC_APELLIDO2"), S("Segundo apellido:"));
    linea(f, S("TERC_NOMBRE1"), S("Primer nombre:"));
    linea(f, S("TERC_NOMBRE2"), S("Segundo nombre:"));
    linea(f, S("TERC_DIR"), S("Dirección:"));
    linea(f, S("TERC_BARRIO"), S("Barrio:"));
    lista(f, S("CIUD_COD"), S("Ciudad:"), logica_.ciudades(),
          [this](const QString& c) { return logica_.cambie_ciudad(c); });
    lista(f, S("PAIS_ID"), S("País:"), logica_.paises());
    linea(f, S("TERC_ZONAPOSTAL"), S("Zona postal:"));
    linea(f, S("TERC_TEL"), S("Teléfono:"));
    linea(f, S("TERC_FAX"), S("Fax:"));
    linea(f, S("TERC_CEL"), S("Celular:"));
    linea(f, S("TERC_EMAIL"), S("Correo electrónico:"));
    linea(f, S("TERC_EMAILFE"), S("Correo factura electrónica:"));
    linea(f, S("TERC_CONTACTO"), S("Contacto:"));
    linea(f, S("TERC_OBS"), S("Observaciones:"));

    QFormLayout* t = pagina(S("Tributario"));
    linea(t, S("TERC_REGIMEN"), S("Régimen:"));
    linea(t, S("TERC_ACTIVIDAD"), S("Actividad económica:"));
    linea(t, S("TERC_RESPRUT"), S("Responsabilidades (RUT):"));
    linea(t, S("TERC_MATRICULA"), S("Matrícula mercantil:"));
    marca(t, S("TERC_ESTADO"), S("Activo"));
    marca(t, S("TERC_CLIE"), S("Cliente"));
    marca(t, S("TERC_EXENTO"), S("Exento"));
    marca(t, S("TERC_SIMPLIFICA"), S("Régimen simplificado"));
    marca(t, S("TERC_NOTIFICAR"), S("Notificar"));
    marca(t, S("TERC_AUTDATOS"), S("Autoriza el uso de sus datos"));
    linea(t, S("TERC_FECAUTDATOS"), S("Fecha de la autorización:"),
          [this](const QString& v) { return logica_.asigne_fecha(S("TERC_FECAUTDATOS"), v); });
}

void VentanaProveedor::construya_proveedor() {
    QFormLayout* f = pagina(S("Acreedor"));
    lista(f, S("GRPR_COD"), S("Grupo:"), logica_.grupos());
    linea(f, S("PROV_COD"), S("Código:"));
    linea(f, S("PROV_CODIGOINT"), S("Código interno:"));
    linea(f, S("PROV_VENDEDOR"), S("Vendedor:"));
    linea(f, S("PROV_CARTERA"), S("Cartera:"));
    monto(f, S("PROV_RETEFTE"), S("Retención en la fuente %:"));
    monto(f, S("PROV_RTFTEBASE"), S("Base retención en la fuente:"));
    monto(f, S("PROV_RTEIVA"), S("Retención de IVA %:"));
    monto(f, S("PROV_RTEICA"), S("Retención de ICA (por mil):"));
    monto(f, S("PROV_RTICABASE"), S("Base retención de ICA:"));
    monto(f, S("PROV_RTCREE"), S("Retención CREE %:"), 4);
    monto(f, S("PROV_DTO"), S("Descuento %:"), 4);
    monto(f, S("PROV_CUPO"), S("Cupo de crédito:"));
    for (const auto& [columna, etiqueta] : {std::pair{"PROV_DIASPAGO", "Días de pago:"},
                                            std::pair{"PROV_DIASE", "Días de entrega:"}}) {
        const QString c = S(columna);
        linea(f, c, S(etiqueta), [this, c](const QString& v) {
            return logica_.asigne(c, v.toInt());
        })->setValidator(new QIntValidator(0, 9999, this));
    }
    linea(f, S("PROV_CODENTREGA"), S("Condiciones de entrega:"));
    marca(f, S("PROV_SIMPLIFICADO"), S("Régimen simplificado"));
    marca(f, S("PROV_EXENTO"), S("Exento de IVA"));
    marca(f, S("PROV_FOMENTO"), S("Descuento de fomento"));
    marca(f, S("PROV_IMPINC"), S("Precios con impuestos incluidos"));
    marca(f, S("PROV_CONTADO"), S("De contado"));
    marca(f, S("PROV_RESIDENTE"), S("Residente"));

    QFormLayout* b = pagina(S("Banco"));
    lista(b, S("PROV_BANCO"), S("Banco:"), logica_.bancos());
    lista(b, S("PROV_TIPOCTA"), S("Tipo de cuenta:"),
          {{S("A"), S("Ahorros")}, {S("C"), S("Corriente")}});
    linea(b, S("PROV_CUENTA"), S("Número de cuenta:"));
    linea(b, S("PROV_ENCAUTDAT"), S("Autorizó el uso de datos:"));
    linea(b, S("PROV_ENCCARGO"), S("Cargo:"));
    linea(b, S("PROV_FECAUTDAT"), S("Fecha de la autorización:"),
          [this](const QString& v) { return logica_.asigne_fecha(S("PROV_FECAUTDAT"), v); });
}

void VentanaProveedor::construya_financiero() {
    QFormLayout* f = pagina(S("Financiero"));
    monto(f, S("PROV_ACTIVO"), S("Activo:"));
    monto(f, S("PROV_PASIVO"), S("Pasivo:"));
    monto(f, S("PROV_PATRIMONIO"), S("Patrimonio:"));
    monto(f, S("PROV_INGRESOS"), S("Ingresos:"));
    monto(f, S("PROV_EGRESOS"), S("Egresos:"));
    financiero_ = paginas_->count() - 1;
    // Shown only to who may see it: F6 asks.
    paginas_->setTabEnabled(financiero_, false);
}

void VentanaProveedor::construya_contable() {
    cuentas(pagina(S("Contable")), FichaProveedor::columnas_cuenta(),
            {S("Por pagar:"), S("Causación:"), S("Ret. fuente:"), S("Ret. IVA:"), S("Ret. ICA:"),
             S("Ret. CREE:")});
    contable_ = paginas_->count() - 1;
    cuentas(pagina(S("Contable tercero")), FichaProveedor::columnas_cuenta_tercero(),
            {S("Por pagar:"), S("Ret. fuente:"), S("Ret. IVA:"), S("Ret. ICA:"), S("Ret. CREE:")});
}

// One box per account column, the local book's first and then the NIIF's,
// each checked in its book as it is left.
void VentanaProveedor::cuentas(QFormLayout* f, const QStringList& columnas,
                               const QStringList& titulos) {
    for (int i = 0; i < columnas.size(); ++i) {
        const QString c = columnas[i];
        const QString titulo =
            (es_cuenta_niif(c) ? S("NIIF ") : QString()) + titulos[i % titulos.size()];
        QLineEdit* e = linea(f, c, titulo,
                             [this, c](const QString& v) { return logica_.cambie_cuenta(c, v); });
        // "?" typed first opens the chooser with what follows it.
        connect(e, &QLineEdit::textEdited, this, [this, e, c](const QString& t) {
            if (!t.startsWith(u'?'))
                return;
            logica_.cambie_cuenta(c, t);
            muestre();
            e->setText(logica_.texto(c));
        });
    }
}

void VentanaProveedor::muestre() {
    QScopedValueRollback<bool> callado(mostrando_, true);
    for (auto it = cajas_.constBegin(); it != cajas_.constEnd(); ++it) {
        const QString& columna = it.key();
        const QString valor = logica_.texto(columna);
        if (auto* m = qobject_cast<CampoMonto*>(it.value())) {
            const Field& f = logica_.campo(columna);
            m->muestre(f.isNull() ? std::nullopt : std::optional<Currency>(f.asCurrency()));
        } else if (auto* e = qobject_cast<QLineEdit*>(it.value())) {
            if (e->text() != valor)
                e->setText(valor);
        } else if (auto* c = qobject_cast<QComboBox*>(it.value())) {
            c->setCurrentIndex(std::max(0, c->findData(valor)));
        } else if (auto* k = qobject_cast<QCheckBox*>(it.value())) {
            k->setChecked(valor == S("S"));
        }
    }
    const bool nuevo = logica_.modo() == FichaProveedor::Modo::Nuevo;
    static_cast<QLineEdit*>(caja(S("TERC_NIT")))->setReadOnly(!nuevo);
    static_cast<QLineEdit*>(caja(S("TERC_DV")))->setReadOnly(!logica_.dv_editable());
    const bool juridica = logica_.es_juridica();
    caja(S("TERC_NOM"))->setEnabled(juridica);
    for (const char* parte : {"TERC_APELLIDO1", "TERC_APELLIDO2", "TERC_NOMBRE1", "TERC_NOMBRE2"})
        caja(S(parte))->setEnabled(!juridica);
    registro_->setText(logica_.registro());
}

void VentanaProveedor::nit_digitado(QLineEdit* caja) {
    if (mostrando_ || caja->isReadOnly() || caja->text().trimmed() == logica_.texto(S("TERC_NIT")))
        return;
    FichaProveedor::Nit r;
    {
        QScopedValueRollback<bool> callado(mostrando_, true);
        r = logica_.cambie_nit(caja->text());
    }
    switch (r) {
        case FichaProveedor::Nit::Marcado:
            accept();
            close();
            return;
        case FichaProveedor::Nit::Rechazado:
            caja->setFocus();
            caja->selectAll();
            return;
        case FichaProveedor::Nit::Aceptado:
            muestre();
            return;
    }
}

void VentanaProveedor::SBGrabarClick() {
    // What is typed in the box being edited counts, as if the user had left it.
    if (auto* e = qobject_cast<QLineEdit*>(focusWidget())) {
        if (auto* m = qobject_cast<CampoMonto*>(e)) {
            if (!m->acepte())
                return;
        } else {
            emit e->editingFinished();
        }
    }
    if (!logica_.grabe())
        return;
    if (logica_.modo() == FichaProveedor::Modo::Modificar) {
        accept();
        close();
    }
}

void VentanaProveedor::reject() {
    logica_.cancele();
    QDialog::reject();
    close();
}

bool VentanaProveedor::tecla(int key) {
    switch (key) {
        case Qt::Key_F2:
            SBGrabarClick();
            return true;
        case Qt::Key_F6:
            if (logica_.abierta() && logica_.permita_financiero()) {
                paginas_->setTabEnabled(financiero_, true);
                paginas_->setCurrentIndex(financiero_);
            }
            return true;
        case Qt::Key_F11:
            if (contable_ >= 0)
                paginas_->setCurrentIndex(contable_);
            return true;
        case Qt::Key_Escape:
            reject();
            return true;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            focusNextChild();
            return true;
        default:
            return false;
    }
}

void VentanaProveedor::keyPressEvent(QKeyEvent* event) {
    if (!tecla(event->key()))
        QDialog::keyPressEvent(event);
}

}  // namespace ledgrix
