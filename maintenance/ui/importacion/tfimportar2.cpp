#include "maintenance/ui/importacion/tfimportar2.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "core/services/dialogs.h"
#include "core/tfdm/tfdm.h"
#include "maintenance/importacion/asistente_importacion.h"

namespace ledgrix {

using importacion::AsistenteImportacion;
using S = QString;

namespace {

template <class T>
QComboBox* lista(QWidget* padre, const char* nombre, const importacion::Opciones<T>& opciones) {
    auto* c = new QComboBox(padre);
    c->setObjectName(QLatin1String(nombre));
    for (const auto& [texto, valor] : opciones)
        c->addItem(texto);
    return c;
}

}  // namespace

Tfimportar2::Tfimportar2(Tfdm& dm, AsistenteImportacion& asistente, QWidget* parent)
    : QWidget(parent), dm_(dm), asistente_(asistente) {
    setObjectName(S("Tfimportar2"));
    auto* caja = new QVBoxLayout(this);
    caja->addWidget(new QLabel(S("Paso 2: el archivo a importar y cómo está escrito."), this));

    auto* fila = new QHBoxLayout;
    fila->addWidget(new QLabel(S("Archivo:"), this));
    ruta_ = new QLineEdit(this);
    ruta_->setObjectName(S("ruta"));
    fila->addWidget(ruta_, 1);
    auto* buscar = new QPushButton(S("..."), this);
    buscar->setObjectName(S("buscar"));
    buscar->setToolTip(S("Buscar el archivo"));
    fila->addWidget(buscar);
    caja->addLayout(fila);

    auto* tipo = new QGroupBox(S("Tipo de archivo"), this);
    auto* tipos = new QVBoxLayout(tipo);
    ancho_fijo_ = new QRadioButton(AsistenteImportacion::tipos_archivo()[0].first, tipo);
    delimitado_ = new QRadioButton(AsistenteImportacion::tipos_archivo()[1].first, tipo);
    ancho_fijo_->setObjectName(S("ancho_fijo"));
    delimitado_->setObjectName(S("delimitado"));
    delimitado_->setChecked(true);
    tipos->addWidget(ancho_fijo_);
    tipos->addWidget(delimitado_);
    caja->addWidget(tipo);

    auto* formulario = new QFormLayout;
    separador_ = lista(this, "separador", AsistenteImportacion::separadores());
    delimitador_ = lista(this, "delimitador", AsistenteImportacion::delimitadores());
    codificacion_ = new QComboBox(this);
    codificacion_->setObjectName(S("codificacion"));
    codificacion_->addItems(AsistenteImportacion::codificaciones());
    numeros_ = lista(this, "numeros", AsistenteImportacion::formatos_numero());
    numeros_->setCurrentIndex(AsistenteImportacion::formato_numeros_inicial());
    fechas_ = lista(this, "fechas", AsistenteImportacion::ordenes_fecha());
    encabezado_ = new QCheckBox(S("La primera línea tiene los títulos de las columnas"), this);
    encabezado_->setObjectName(S("encabezado"));
    formulario->addRow(S("Separador:"), separador_);
    formulario->addRow(S("Delimitador de texto:"), delimitador_);
    formulario->addRow(S("Codificación:"), codificacion_);
    formulario->addRow(S("Números como:"), numeros_);
    formulario->addRow(S("Fechas como:"), fechas_);
    formulario->addRow(encabezado_);
    caja->addLayout(formulario);
    caja->addStretch(1);

    connect(buscar, &QPushButton::clicked, this, &Tfimportar2::busque_archivo);
    connect(delimitado_, &QRadioButton::toggled, this, &Tfimportar2::tipo_cambiado);
    tipo_cambiado();
}

void Tfimportar2::tipo_cambiado() {
    separador_->setEnabled(delimitado_->isChecked());
    delimitador_->setEnabled(delimitado_->isChecked());
}

void Tfimportar2::enfoque() {
    ruta_->setFocus();
}

void Tfimportar2::busque_archivo() {
    dm_.dialogs().modal(S("Abrir archivo"), [this] {
        const QString ruta =
            QFileDialog::getOpenFileName(this, S("Archivo a importar"), ruta_->text(),
                                         S("Archivos de texto (*.txt *.csv *.prn);;Todos (*)"));
        if (ruta.isEmpty())
            return 0;
        ruta_->setText(ruta);
        return 1;
    });
    ruta_->setFocus();
}

bool Tfimportar2::acepte() {
    importacion::EleccionImportacion& e = asistente_.eleccion();
    e.ruta = ruta_->text();
    importacion::FormatoArchivo& f = e.formato;
    f.tipo = AsistenteImportacion::tipos_archivo()[delimitado_->isChecked() ? 1 : 0].second;
    f.separador = AsistenteImportacion::separadores()[separador_->currentIndex()].second;
    f.delimitador = AsistenteImportacion::delimitadores()[delimitador_->currentIndex()].second;
    f.codificacion = codificacion_->currentText();
    f.numeros = AsistenteImportacion::formatos_numero()[numeros_->currentIndex()].second;
    f.orden_fecha = AsistenteImportacion::ordenes_fecha()[fechas_->currentIndex()].second;
    f.encabezado = encabezado_->isChecked();
    if (asistente_.pase_a_columnas())
        return true;
    ruta_->setFocus();
    return false;
}

}  // namespace ledgrix
