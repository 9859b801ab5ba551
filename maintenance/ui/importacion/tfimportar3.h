#pragma once

#include <QWidget>
#include <memory>

class QLabel;
class QProgressBar;
class QPushButton;
class QStandardItemModel;

namespace ledgrix {

class LedgrixGrid;
class ProgresoEnVentana;
class Tfdm;

namespace importacion {
class AsistenteImportacion;
struct ResultadoImportacion;
}  // namespace importacion

// Step 3 of the import: where each data item is in the file (column, width,
// whether it is imported), the first lines cut that way, and the run (F2)
// with its progress and, at the end, its result: the count imported or the
// refused lines, which the grid saves or prints. The user stays here to fix
// the file and try again.
class Tfimportar3 : public QWidget {
    Q_OBJECT
  public:
    Tfimportar3(Tfdm& dm, importacion::AsistenteImportacion& asistente, QWidget* parent);
    ~Tfimportar3() override;

    LedgrixGrid* disposicion() const { return disposicion_; }
    LedgrixGrid* vista() const { return vista_; }
    LedgrixGrid* rechazos() const { return rechazos_; }
    QLabel* resultado() const { return resultado_; }
    QStandardItemModel* modelo_disposicion() const { return modelo_; }
    bool importando() const { return importando_; }

    // The wizard's layout shown afresh (on entering the step).
    void muestre_disposicion();
    void importe();
    void cancele();
    void enfoque();

  private:
    void tome_disposicion();
    void muestre_vista();
    void muestre(const importacion::ResultadoImportacion& r);

    Tfdm& dm_;
    importacion::AsistenteImportacion& asistente_;
    QLabel* titulo_;
    QStandardItemModel* modelo_;
    QStandardItemModel* modelo_vista_;
    QStandardItemModel* modelo_rechazos_;
    LedgrixGrid* disposicion_;
    LedgrixGrid* vista_;
    LedgrixGrid* rechazos_;
    QLabel* avance_;
    QProgressBar* barra_;
    QPushButton* cancelar_;
    QLabel* resultado_;
    std::unique_ptr<ProgresoEnVentana> progreso_;
    bool importando_ = false;
    bool llenando_ = false;
};

}  // namespace ledgrix
