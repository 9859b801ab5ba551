#pragma once

#include <QWidget>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QRadioButton;

namespace ledgrix {

class Tfdm;

namespace importacion {
class AsistenteImportacion;
}

// Step 2 of the import: the file and how it is written. The choices go to
// the wizard's shared choices when the user moves on.
class Tfimportar2 : public QWidget {
    Q_OBJECT
  public:
    Tfimportar2(Tfdm& dm, importacion::AsistenteImportacion& asistente, QWidget* parent);

    QLineEdit* ruta() const { return ruta_; }
    QRadioButton* ancho_fijo() const { return ancho_fijo_; }
    QRadioButton* delimitado() const { return delimitado_; }
    QComboBox* separador() const { return separador_; }
    QComboBox* delimitador() const { return delimitador_; }
    QComboBox* codificacion() const { return codificacion_; }
    QComboBox* numeros() const { return numeros_; }
    QComboBox* fechas() const { return fechas_; }
    QCheckBox* encabezado() const { return encabezado_; }

    // Hands the choices on and checks the file; false keeps the user here.
    bool acepte();
    void busque_archivo();
    void enfoque();

  private:
    void tipo_cambiado();

    Tfdm& dm_;
    importacion::AsistenteImportacion& asistente_;
    QLineEdit* ruta_;
    QRadioButton* ancho_fijo_;
    QRadioButton* delimitado_;
    QComboBox* separador_;
    QComboBox* delimitador_;
    QComboBox* codificacion_;
    QComboBox* numeros_;
    QComboBox* fechas_;
    QCheckBox* encabezado_;
};

}  // namespace ledgrix
