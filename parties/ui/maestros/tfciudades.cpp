#include "parties/ui/maestros/tfciudades.h"

#include <QDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QVBoxLayout>

#include "core/data/client_dataset.h"
#include "core/data/dataset_model.h"
#include "core/services/dialogs.h"
#include "core/tfdm/tfdm.h"
#include "core/ui/grid/ledgrix_grid.h"
#include "core/ui/teclas_ventana.h"

namespace ledgrix {

namespace {

// The neighbourhoods of one city: Ins adds one, Esc goes back to the cities.
class Tfbarrios : public QDialog {
  public:
    Tfbarrios(Tfdm& dm, ClientDataset& barrios, const QString& ciudad, QWidget* parent)
        : QDialog(parent), barrios_(barrios) {
        setObjectName(QStringLiteral("Tfbarrios"));
        setWindowTitle(QStringLiteral("Barrios de ") + ciudad);
        resize(420, 360);
        auto* caja = new QVBoxLayout(this);
        grilla_ = new LedgrixGrid(this);
        grilla_->setDialogs(&dm.dialogs());
        grilla_->setModel(new DatasetModel(&barrios, this));
        caja->addWidget(grilla_, 1);
        caja->addWidget(new QLabel(QStringLiteral("Ins: Nuevo   ESC: Volver"), this));
        grilla_->installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        const auto tecla = [this](int key) {
            if (key == Qt::Key_Insert) {
                if (barrios_.append())
                    grilla_->setCurrentIndex(grilla_->model()->index(barrios_.recNo(), 0));
            } else {
                accept();
            }
            return true;
        };
        if (teclas_de_la_ventana(event, {Qt::Key_Insert, Qt::Key_Escape}, tecla))
            return true;
        return QDialog::eventFilter(watched, event);
    }

  private:
    ClientDataset& barrios_;
    LedgrixGrid* grilla_;
};

}  // namespace

Tfciudades::Tfciudades(Tfdm& dm, QWidget* parent)
    : VentanaMaestro(dm, QStringLiteral("Tfciudades"), QStringLiteral("Ciudades"), parent),
      logica_(dm, this) {
    muestre(logica_);
    grilla()->setExportTitle(QStringLiteral("Ciudades"));
    agregue_tecla(Qt::Key_F5, QStringLiteral("F5: Barrios"), [this] { SBBarriosClick(); });
}

void Tfciudades::SBBarriosClick() {
    cierre_edicion();
    ClientDataset& ciudades = logica_.filas();
    if (ciudades.isEmpty() || ciudades.recNo() < 0)
        return;
    // A city being typed takes its neighbourhoods once it is a row.
    if (ciudades.state() != ClientDataset::State::Browse && !ciudades.post())
        return;
    const QString nombre = ciudades.fieldByName(QStringLiteral("CIUD_NOM")).asString();
    dm_.dialogs().modal(QStringLiteral("Tfbarrios"), [this, nombre] {
        Tfbarrios ventana(dm_, logica_.barrios(), nombre, this);
        return ventana.exec();
    });
}

}  // namespace ledgrix
