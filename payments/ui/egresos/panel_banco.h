#pragma once

#include <QFrame>

class QCheckBox;
class QComboBox;

namespace ledgrix {

class ClientDataset;
class Dialogs;
class EnlacesCampos;
class MediosPago;

// "Pago del Banco ": the voucher's single bank line (EGREBANCO) as a form.
// The account, document type and prefix are chosen from the lists the
// payment means offer for the account; each choice goes to its rule, which
// fills the next list and the number. `cambiado` tells the window to show
// the voucher again.
class PanelBanco : public QFrame {
    Q_OBJECT
  public:
    PanelBanco(Dialogs& dialogs, ClientDataset& banco, MediosPago& medios,
               QWidget* parent = nullptr);

    EnlacesCampos& enlaces() const { return *enlaces_; }
    QComboBox* cuenta() const { return cuenta_; }
    QComboBox* tipo() const { return tipo_; }
    QComboBox* prefijo() const { return prefijo_; }
    QCheckBox* gmf() const { return gmf_; }

    // The accounts offered (once the payment means read them).
    void llene_cuentas();
    void muestre();
    void enfoque();

  signals:
    void cambiado();

  private:
    void llene(QComboBox* combo, const QStringList& textos, const QString& actual);

    ClientDataset& banco_;
    MediosPago& medios_;
    EnlacesCampos* enlaces_;
    QComboBox* cuenta_;
    QComboBox* tipo_;
    QComboBox* prefijo_;
    QCheckBox* gmf_;
    bool mostrando_ = false;
};

}  // namespace ledgrix
