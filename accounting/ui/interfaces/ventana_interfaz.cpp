#include "accounting/ui/interfaces/ventana_interfaz.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QVBoxLayout>

#include "core/data/client_dataset.h"
#include "core/data/dataset_model.h"
#include "core/tfdm/tfdm.h"
#include "core/ui/grid/ledgrix_grid.h"
#include "core/ui/numeracion/delegados.h"

namespace ledgrix {

namespace {

const QString kS = QStringLiteral("S");
const QString kN = QStringLiteral("N");

// Shows `valor` in a list of codes, adding it when the list does not offer it
// (a prefix since retired still shows on the interface that names it).
void situe(QComboBox* combo, const QString& valor) {
    const QSignalBlocker quieto(combo);
    if (valor.isEmpty()) {
        combo->setCurrentIndex(-1);
        return;
    }
    int i = combo->findData(valor);
    if (i < 0)
        i = combo->findText(valor);
    if (i < 0) {
        combo->addItem(valor, valor);
        i = combo->count() - 1;
    }
    combo->setCurrentIndex(i);
}

QString dato(const QComboBox* combo) {
    const QVariant v = combo->currentData();
    return v.isValid() ? v.toString() : combo->currentText();
}

}  // namespace

VentanaInterfaz::VentanaInterfaz(Tfdm& dm, EdicionInterfaz::Modo modo, int id, QWidget* parent)
    : QDialog(parent), dm_(dm), logica_(dm, modo, id, this) {
    resize(640, 560);
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
        documento_->addItem(o.nombre, o.codigo.toString());
    prefijo_ = new QComboBox(this);
    prefijo_->setObjectName(QStringLiteral("prefijo"));
    nombre_ = new QLineEdit(this);
    nombre_->setObjectName(QStringLiteral("nombre"));
    nombre_->setMaxLength(60);
    comprobante_ = new QComboBox(this);
    comprobante_->setObjectName(QStringLiteral("comprobante"));
    for (const auto& o : logica_.comprobantes())
        comprobante_->addItem(o.codigo.toString() + QStringLiteral(" - ") + o.nombre,
                              o.codigo.toString());
    prefijo_conta_ = new QComboBox(this);
    prefijo_conta_->setObjectName(QStringLiteral("prefijo_conta"));
    rotulo(QStringLiteral("Documento:"), documento_, 0, 0);
    rotulo(QStringLiteral("Prefijo:"), prefijo_, 0, 2);
    rotulo(QStringLiteral("Nombre:"), nombre_, 1, 0);
    rotulo(QStringLiteral("Comprobante:"), comprobante_, 2, 0);
    rotulo(QStringLiteral("Prefijo conta:"), prefijo_conta_, 2, 2);
    cabecera->setColumnStretch(1, 1);
    caja->addLayout(cabecera);
    ver_ = new QCheckBox(QStringLiteral("Ver comprobante en pantalla antes de grabar"), this);
    ver_->setObjectName(QStringLiteral("ver"));
    equivalencia_ = new QCheckBox(QStringLiteral("Generar  NIIF por equivalencia"), this);
    equivalencia_->setObjectName(QStringLiteral("equivalencia"));
    caja->addWidget(ver_);
    caja->addWidget(equivalencia_);

    paginas_ = new QTabWidget(this);
    paginas_->setObjectName(QStringLiteral("paginas"));
    paginas_->addTab(pagina(Libro::Local), QStringLiteral("Dec.2649"));
    paginas_->addTab(pagina(Libro::Niif), QStringLiteral("NIIF"));
    caja->addWidget(paginas_);

    caja->addWidget(new QLabel(QStringLiteral("Cuentas adicionales"), this));
    modelo_lineas_ = new DatasetModel(&logica_.cuentas(), this);
    lineas_ = new LedgrixGrid(this);
    lineas_->setObjectName(QStringLiteral("lineas"));
    lineas_->setDialogs(&dm.dialogs());
    lineas_->setModel(modelo_lineas_);
    for (int c = 0; c < modelo_lineas_->columnCount(); ++c)
        if (modelo_lineas_->fieldAt(c)->name() == QLatin1String("INPC_DB"))
            lineas_->setItemDelegateForColumn(c, new MarcaDelegate(this));
    lineas_->installEventFilter(this);
    caja->addWidget(lineas_, 1);

    auto* abajo = new QHBoxLayout;
    auto* grabar = new QPushButton(QStringLiteral("F2: Grabar"), this);
    auto* cancelar = new QPushButton(QStringLiteral("ESC:Cancelar"), this);
    for (QPushButton* b : {grabar, cancelar}) {
        b->setAutoDefault(false);
        b->setFocusPolicy(Qt::NoFocus);
    }
    abajo->addStretch(1);
    abajo->addWidget(grabar);
    abajo->addWidget(cancelar);
    caja->addLayout(abajo);

    connect(grabar, &QPushButton::clicked, this, &VentanaInterfaz::SBGrabarClick);
    connect(cancelar, &QPushButton::clicked, this, &VentanaInterfaz::reject);
    connect(documento_, &QComboBox::activated, this, [this] {
        logica_.asigne(QStringLiteral("TIDO_COD"), documento_->currentData().toInt());
        llene_prefijos();
        // A prefix of another document does not stay.
        if (prefijo_->findText(
                logica_.interfaz().fieldByName(QStringLiteral("PREF_PRE")).asString()) < 0)
            logica_.asigne(QStringLiteral("PREF_PRE"), QString());
        muestre();
    });
    connect(prefijo_, &QComboBox::activated, this,
            [this] { logica_.asigne(QStringLiteral("PREF_PRE"), prefijo_->currentText()); });
    connect(nombre_, &QLineEdit::editingFinished, this,
            [this] { logica_.asigne(QStringLiteral("INCP_NOMBRE"), nombre_->text()); });
    connect(comprobante_, &QComboBox::activated, this, [this] {
        logica_.asigne(QStringLiteral("TICO_COD"), dato(comprobante_));
        llene_prefijos_conta();
        muestre();
    });
    connect(prefijo_conta_, &QComboBox::activated, this,
            [this] { logica_.asigne(QStringLiteral("PRCO_PRE"), prefijo_conta_->currentText()); });
    connect(ver_, &QCheckBox::toggled, this,
            [this](bool si) { logica_.asigne(QStringLiteral("INCP_CONFIRMAR"), si ? kS : kN); });
    connect(equivalencia_, &QCheckBox::toggled, this,
            [this](bool si) { logica_.asigne(QStringLiteral("INCP_EQUIVALENCIA"), si ? kS : kN); });
    connect(paginas_, &QTabWidget::currentChanged, this, [this](int pagina) {
        if (pagina == 1)
            logica_.entre_niif();
        muestre();
    });

    if (!logica_.abierta()) {
        // Nothing to show: the user was told why.
        QMetaObject::invokeMethod(this, &VentanaInterfaz::reject, Qt::QueuedConnection);
        return;
    }
    llene_prefijos();
    llene_prefijos_conta();
    muestre();
}

QWidget* VentanaInterfaz::pagina(Libro libro) {
    auto* pagina = new QWidget(this);
    auto* rejilla = new QGridLayout(pagina);
    const auto& conceptos = EdicionInterfaz::conceptos();
    const int l = indice(libro);
    for (int i = 0; i < kConceptos; ++i) {
        const auto& c = conceptos[static_cast<size_t>(i)];
        auto* fuente = new QComboBox(pagina);
        fuente->setObjectName(c.fuente);
        fuente->addItems(libro == Libro::Local ? c.fuentes_local : c.fuentes_niif);
        auto* cuenta = new QLineEdit(pagina);
        cuenta->setObjectName(c.cuenta);
        cuenta->setMaxLength(21);  // the "?" of a search and an account of 20
        rejilla->addWidget(new QLabel(c.etiqueta, pagina), i, 0);
        rejilla->addWidget(fuente, i, 1);
        rejilla->addWidget(cuenta, i, 2);
        fuentes_[l][i] = fuente;
        cuentas_[l][i] = cuenta;
        fuente->installEventFilter(this);
        cuenta->installEventFilter(this);
        connect(fuente, &QComboBox::activated, this,
                [this, libro, i] { fuente_elegida(libro, i); });
        connect(cuenta, &QLineEdit::editingFinished, this,
                [this, libro, i] { cuenta_digitada(libro, i); });
    }
    rejilla->setColumnStretch(2, 1);
    return pagina;
}

void VentanaInterfaz::llene_prefijos() {
    const QSignalBlocker quieto(prefijo_);
    prefijo_->clear();
    prefijo_->addItems(logica_.prefijos(
        static_cast<int>(logica_.interfaz().fieldByName(QStringLiteral("TIDO_COD")).asInteger())));
}

void VentanaInterfaz::llene_prefijos_conta() {
    const QSignalBlocker quieto(prefijo_conta_);
    prefijo_conta_->clear();
    prefijo_conta_->addItems(logica_.prefijos_conta(
        logica_.interfaz().fieldByName(QStringLiteral("TICO_COD")).asString().trimmed()));
}

void VentanaInterfaz::muestre() {
    const ClientDataset& ds = logica_.interfaz();
    if (!ds.active() || ds.isEmpty())
        return;
    const auto texto = [&ds](const char* campo) {
        return ds.fieldByName(QString::fromLatin1(campo)).asString();
    };
    situe(documento_, texto("TIDO_COD"));
    situe(prefijo_, texto("PREF_PRE"));
    situe(comprobante_, texto("TICO_COD").trimmed());
    situe(prefijo_conta_, texto("PRCO_PRE"));
    {
        const QSignalBlocker a(nombre_), b(ver_), c(equivalencia_);
        nombre_->setText(texto("INCP_NOMBRE"));
        ver_->setChecked(texto("INCP_CONFIRMAR") == kS);
        equivalencia_->setChecked(texto("INCP_EQUIVALENCIA") == kS);
    }
    for (Libro libro : {Libro::Local, Libro::Niif})
        for (int i = 0; i < kConceptos; ++i)
            muestre_concepto(libro, i);
}

void VentanaInterfaz::muestre_concepto(Libro libro, int concepto) {
    QComboBox* fuente = fuentes_[indice(libro)][concepto];
    QLineEdit* cuenta = cuentas_[indice(libro)][concepto];
    const ClientDataset& ds = logica_.libro(libro);
    const bool hay = ds.active() && !ds.isEmpty();
    const auto& c = EdicionInterfaz::conceptos()[static_cast<size_t>(concepto)];
    {
        const QSignalBlocker a(fuente), b(cuenta);
        fuente->setCurrentIndex(hay ? fuente->findText(ds.fieldByName(c.fuente).asString()) : -1);
        cuenta->setText(hay ? ds.fieldByName(c.cuenta).asString() : QString());
    }
    cuenta->setEnabled(logica_.cuenta_habilitada(libro, concepto));
}

void VentanaInterfaz::fuente_elegida(Libro libro, int concepto) {
    logica_.asigne_fuente(libro, concepto, fuentes_[indice(libro)][concepto]->currentText());
    muestre_concepto(libro, concepto);
    QLineEdit* cuenta = cuentas_[indice(libro)][concepto];
    if (cuenta->isEnabled())
        cuenta->setFocus();
}

void VentanaInterfaz::cuenta_digitada(Libro libro, int concepto) {
    // The chooser takes the focus away: that is not a second entry.
    if (ocupada_)
        return;
    QLineEdit* cuenta = cuentas_[indice(libro)][concepto];
    const auto& c = EdicionInterfaz::conceptos()[static_cast<size_t>(concepto)];
    const ClientDataset& ds = logica_.libro(libro);
    if (!ds.active() || ds.isEmpty() || cuenta->text() == ds.fieldByName(c.cuenta).asString())
        return;
    ocupada_ = true;
    logica_.asigne_cuenta(libro, concepto, cuenta->text());
    ocupada_ = false;
    muestre_concepto(libro, concepto);
}

void VentanaInterfaz::SBGrabarClick() {
    if (!logica_.abierta())
        return;
    // What is still being typed counts.
    if (nombre_->text() != logica_.interfaz().fieldByName(QStringLiteral("INCP_NOMBRE")).asString())
        logica_.asigne(QStringLiteral("INCP_NOMBRE"), nombre_->text());
    for (Libro libro : {Libro::Local, Libro::Niif})
        for (int i = 0; i < kConceptos; ++i)
            if (cuentas_[indice(libro)][i]->hasFocus())
                cuenta_digitada(libro, i);
    // A line cell still being edited is committed before saving.
    QWidget* foco = QApplication::focusWidget();
    if (foco && foco != lineas_ && lineas_->isAncestorOf(foco))
        QMetaObject::invokeMethod(lineas_, "commitData", Q_ARG(QWidget*, foco));
    if (logica_.grabe())
        accept();
    else
        muestre();
}

void VentanaInterfaz::reject() {
    logica_.cancele();
    QDialog::reject();
}

bool VentanaInterfaz::tecla(int key) {
    switch (key) {
        case Qt::Key_F2:
            SBGrabarClick();
            return true;
        case Qt::Key_Escape:
            reject();
            return true;
        default:
            return false;
    }
}

bool VentanaInterfaz::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_F2 || key == Qt::Key_Escape) {
            if (event->type() == QEvent::ShortcutOverride) {
                event->accept();
                return true;
            }
            return tecla(key);
        }
        if (event->type() == QEvent::KeyPress) {
            if (watched == lineas_) {
                // Insert, or the down arrow on the last line, adds a line.
                const bool ultima =
                    lineas_->currentIndex().row() == lineas_->model()->rowCount() - 1;
                if (key == Qt::Key_Insert || (key == Qt::Key_Down && ultima)) {
                    if (logica_.agregue_linea())
                        lineas_->setCurrentIndex(
                            lineas_->model()->index(lineas_->model()->rowCount() - 1, 0));
                    return true;
                }
            } else if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                // Enter moves on, after the box has taken its value.
                if (auto* caja = qobject_cast<QLineEdit*>(watched))
                    emit caja->editingFinished();
                focusNextChild();
                return true;
            }
        }
    }
    if (event->type() == QEvent::MouseButtonDblClick) {
        for (Libro libro : {Libro::Local, Libro::Niif})
            for (int i = 0; i < kConceptos; ++i)
                if (watched == cuentas_[indice(libro)][i] &&
                    cuentas_[indice(libro)][i]->isEnabled()) {
                    ocupada_ = true;
                    logica_.busque_cuenta(libro, i, cuentas_[indice(libro)][i]->text());
                    ocupada_ = false;
                    muestre_concepto(libro, i);
                    return true;
                }
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace ledgrix
