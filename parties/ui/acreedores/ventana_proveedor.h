#pragma once

#include <QDialog>
#include <QHash>
#include <functional>

#include "parties/acreedores/ficha_proveedor.h"

class QCheckBox;
class QComboBox;
class QFormLayout;
class QLabel;
class QLineEdit;
class QTabWidget;

namespace ledgrix {

class CampoMonto;

// The record of a supplier, new or existing: the third party's data, the
// supplier's terms and withholdings, the financial data (F6) and the
// accounts of both books (F11). F2 saves; a refused value or save keeps the
// window and what was typed. Enter moves to the next box, Esc leaves without
// saving.
class VentanaProveedor : public QDialog {
    Q_OBJECT
  public:
    FichaProveedor& logica() { return logica_; }
    // The box of a column (a line, a combo or a check box); null when none.
    QWidget* caja(const QString& columna) const { return cajas_.value(columna); }
    QTabWidget* paginas() const { return paginas_; }
    QLabel* registro() const { return registro_; }

    void SBGrabarClick();
    void reject() override;

  protected:
    VentanaProveedor(Tfdm& dm, FichaProveedor::Modo modo, const QString& nit, const QString& clase,
                     const QString& titulo, QWidget* parent);
    void keyPressEvent(QKeyEvent* event) override;
    // As large as the record asks, within the work area: the pages scroll.
    QSize sizeHint() const override { return {760, 700}; }
    void showEvent(QShowEvent* event) override;

  private:
    bool ubicada_ = false;
    QFormLayout* pagina(const QString& titulo);
    QLineEdit* linea(QFormLayout* f, const QString& columna, const QString& etiqueta,
                     std::function<bool(const QString&)> regla = {});
    CampoMonto* monto(QFormLayout* f, const QString& columna, const QString& etiqueta,
                      int decimales = 2);
    QComboBox* lista(QFormLayout* f, const QString& columna, const QString& etiqueta,
                     const QList<FichaProveedor::Opcion>& opciones,
                     std::function<bool(const QString&)> regla = {});
    QCheckBox* marca(QFormLayout* f, const QString& columna, const QString& etiqueta);
    void construya_general();
    void construya_proveedor();
    void construya_financiero();
    void construya_contable();
    void cuentas(QFormLayout* f, const QStringList& columnas, const QStringList& titulos);
    void muestre();
    void nit_digitado(QLineEdit* caja);
    bool tecla(int key);

    Tfdm& dm_;
    FichaProveedor logica_;
    QTabWidget* paginas_;
    QLabel* registro_;
    QHash<QString, QWidget*> cajas_;
    int financiero_ = -1;
    int contable_ = -1;
    bool mostrando_ = false;
};

}  // namespace ledgrix
