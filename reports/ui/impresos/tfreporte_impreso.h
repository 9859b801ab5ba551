#pragma once

#include <QWidget>

class QCheckBox;
class QComboBox;
class QDateEdit;
class QGridLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QVBoxLayout;

namespace ledgrix {

class LedgrixGrid;
class ReporteImpreso;
class Tfdm;

// The window of a printed payables report: the common criteria (supplier
// and group ranges, cut-off, order, grouping, currency, agency, title), the
// report's own boxes below them, and F2:Imprimir / F4:Exportar / Esc:Salir.
// It closes itself once the report was printed or exported.
class TfReporteImpreso : public QWidget {
    Q_OBJECT
  public:
    ~TfReporteImpreso() override;

    QLineEdit* proveedor_desde() const { return prov_desde_; }
    QLineEdit* proveedor_hasta() const { return prov_hasta_; }
    QDateEdit* corte() const { return corte_; }
    QLineEdit* titulo() const { return titulo_; }
    LedgrixGrid* grilla() const { return grilla_; }

    // F2: the report shown in the preview, from which it is printed.
    void SBImprimirClick();
    // F4: the same rows saved to a file.
    void SBExportarClick();

  protected:
    TfReporteImpreso(Tfdm& dm, ReporteImpreso* logica, const QString& clase, const QString& titulo,
                     QWidget* parent);
    // Builds the common boxes, then the report's own (agregue_propios) and
    // the title; call once from the subclass's constructor.
    void construya();
    virtual void agregue_propios(QVBoxLayout* caja) = 0;
    // Moves the report's own boxes into its logic.
    virtual void lea_propios() = 0;
    // The grouping choices besides "Ninguno"; "Grupo" unless told.
    virtual QStringList agrupaciones() const;
    virtual void agrupacion_elegida(int indice);
    // The corte box is not used by every report.
    void oculte_corte();
    // Listings that ask nothing about suppliers: the supplier and group
    // ranges and the order and grouping choices.
    void oculte_proveedores();
    // The group range, "Ordenamiento" and "Agrupamiento", for a report
    // that asks only for suppliers.
    void oculte_seleccion();
    // The caption of the supplier range, for reports that name it otherwise.
    void titule_proveedores(const QString& titulo);
    // "Fecha" Desde/Hasta of the reports over a period, read into the
    // criteria's period.
    void agregue_periodo(QVBoxLayout* caja);
    QCheckBox* casilla(QVBoxLayout* caja, const QString& texto, const char* nombre);
    // A date box in the process format; a change proposes the title again.
    QDateEdit* caja_fecha(QWidget* padre, const char* nombre, const QDate& fecha);
    // Proposes the default title again unless the user wrote his own.
    void proponga_titulo();
    Tfdm& dm() const { return dm_; }
    ReporteImpreso& logica_base() const { return logica_; }

    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

    // Reads the boxes, checks them and runs the statement (F2/F4 do so
    // first); false when refused or empty (told; closes when empty).
    bool consulte();

  private:
    bool lea();
    bool tecla(int key);
    void busque_proveedor(QLineEdit* caja);

    Tfdm& dm_;
    ReporteImpreso& logica_;
    QLineEdit* prov_desde_ = nullptr;
    QLineEdit* prov_hasta_ = nullptr;
    QLineEdit* grupo_desde_ = nullptr;
    QLineEdit* grupo_hasta_ = nullptr;
    QGroupBox* caja_proveedores_ = nullptr;
    QGroupBox* caja_grupos_ = nullptr;
    QGroupBox* caja_orden_ = nullptr;
    QGroupBox* caja_agrupa_ = nullptr;
    QDateEdit* corte_ = nullptr;
    QDateEdit* periodo_desde_ = nullptr;
    QDateEdit* periodo_hasta_ = nullptr;
    QLabel* etiqueta_corte_ = nullptr;
    QRadioButton* por_nombre_ = nullptr;
    QList<QRadioButton*> agrupa_;
    QComboBox* moneda_ = nullptr;
    QComboBox* agencia_ = nullptr;
    QLineEdit* titulo_ = nullptr;
    QLabel* cargando_ = nullptr;
    LedgrixGrid* grilla_ = nullptr;
    bool titulo_propio_ = false;
    bool ubicada_ = false;
};

}  // namespace ledgrix
