#pragma once

#include <QDialog>
#include <functional>

#include "output/mantenimiento/edicion_formato.h"

class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;

namespace ledgrix {

class CampoMonto;

class DatasetModel;
class LedgrixGrid;
class Tfdm;

// "Definición de formatos documentos": the entry window of a print format,
// new or existing. The header, the data items ("Datos a imprimir") and the
// fixed texts and drawings ("Lineas y cuadros "). In a grid Insert (or the
// down arrow on the last row) adds a row and F3 deletes one; a double click
// on a picture element shows the "Gráfico" panel. F2 saves and closes, F5
// shifts the stored format, F8 previews it, Esc discards and closes.
class VentanaFormato : public QDialog {
    Q_OBJECT
  public:
    // Picks the picture file of a "G" element; empty = none. Replaceable
    // (tests answer without a file dialog).
    using EligeImagen = std::function<QString(QWidget* padre)>;
    static void instale_elector_imagen(EligeImagen elector);

    VentanaFormato(Tfdm& dm, EdicionFormato::Modo modo, int tipo, const QString& prefijo,
                   QWidget* parent);

    EdicionFormato& logica() { return logica_; }
    QComboBox* documento() const { return documento_; }
    QComboBox* prefijo() const { return prefijo_; }
    QComboBox* impresora() const { return impresora_; }
    LedgrixGrid* datos() const { return datos_; }
    LedgrixGrid* lineas() const { return lineas_; }
    QFrame* panel_grafico() const { return panel_grafico_; }

    void SBGrabarClick();
    void SBMoverClick();
    void SBVistaClick();
    void ImagenClick();
    void reject() override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QLineEdit* numero(const QString& campo);
    LedgrixGrid* grilla(DatasetModel* modelo, const QString& nombre);
    void documento_elegido();
    void ponga_datos_disponibles();
    void muestre();
    void muestre_imagen();
    // Hands what is still being typed to the data; false when a size box
    // holds text that is not a number (the user was told).
    bool confirme_celdas();
    bool tecla(int key, QObject* watched);

    Tfdm& dm_;
    EdicionFormato logica_;
    QComboBox* documento_;
    QComboBox* prefijo_;
    QComboBox* impresora_;
    QLineEdit* nro_items_;
    QCheckBox* paginas_;
    QLineEdit* entrelinea_;
    QComboBox* fuente_;
    QLineEdit* tamano_;
    CampoMonto* ancho_;
    CampoMonto* alto_;
    DatasetModel* modelo_datos_;
    DatasetModel* modelo_lineas_;
    LedgrixGrid* datos_;
    LedgrixGrid* lineas_;
    QFrame* panel_grafico_;
    QLabel* imagen_;
};

}  // namespace ledgrix
