#pragma once

#include <QDialog>
#include <array>

#include "accounting/interfaces/edicion_interfaz.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QTabWidget;

namespace ledgrix {

class DatasetModel;
class LedgrixGrid;
class Tfdm;

// The entry window of an accounting interface, new or existing: the header,
// the concept settings of the local ("Dec.2649") and NIIF books and the
// additional account lines. F2 saves and closes (a failed save keeps the
// window and the values), Esc discards and closes.
class VentanaInterfaz : public QDialog {
    Q_OBJECT
  public:
    static constexpr int kConceptos = 8;
    using Libro = EdicionInterfaz::Libro;

    VentanaInterfaz(Tfdm& dm, EdicionInterfaz::Modo modo, int id, QWidget* parent);

    EdicionInterfaz& logica() { return logica_; }
    QComboBox* documento() const { return documento_; }
    QComboBox* prefijo() const { return prefijo_; }
    QLineEdit* nombre() const { return nombre_; }
    QComboBox* comprobante() const { return comprobante_; }
    QComboBox* prefijo_conta() const { return prefijo_conta_; }
    QCheckBox* ver() const { return ver_; }
    QCheckBox* equivalencia() const { return equivalencia_; }
    QTabWidget* paginas() const { return paginas_; }
    QComboBox* fuente(Libro libro, int concepto) const { return fuentes_[indice(libro)][concepto]; }
    QLineEdit* cuenta(Libro libro, int concepto) const { return cuentas_[indice(libro)][concepto]; }
    LedgrixGrid* lineas() const { return lineas_; }

    void SBGrabarClick();
    void reject() override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    static int indice(Libro libro) { return libro == Libro::Local ? 0 : 1; }
    QWidget* pagina(Libro libro);
    void llene_prefijos();
    void llene_prefijos_conta();
    void muestre();
    void muestre_concepto(Libro libro, int concepto);
    void fuente_elegida(Libro libro, int concepto);
    void cuenta_digitada(Libro libro, int concepto);
    bool tecla(int key);

    Tfdm& dm_;
    EdicionInterfaz logica_;
    QComboBox* documento_;
    QComboBox* prefijo_;
    QLineEdit* nombre_;
    QComboBox* comprobante_;
    QComboBox* prefijo_conta_;
    QCheckBox* ver_;
    QCheckBox* equivalencia_;
    QTabWidget* paginas_;
    std::array<std::array<QComboBox*, kConceptos>, 2> fuentes_{};
    std::array<std::array<QLineEdit*, kConceptos>, 2> cuentas_{};
    LedgrixGrid* lineas_;
    DatasetModel* modelo_lineas_;
    bool ocupada_ = false;
};

}  // namespace ledgrix
