#pragma once

#include <QWidget>

class QComboBox;
class QLabel;
class QLineEdit;

namespace ledgrix {

class EnvioLote;
class Tfdm;

// "Enviar Documento Soporte electrónico": F2 sends the unsent documents of
// the range, Esc leaves. The window closes when the list is done.
class Tfenviandele : public QWidget {
    Q_OBJECT
  public:
    explicit Tfenviandele(Tfdm& dm, QWidget* parent = nullptr);
    ~Tfenviandele() override;

    QComboBox* documento() const { return documento_; }
    QComboBox* prefijo() const { return prefijo_; }
    QLineEdit* desde() const { return desde_; }
    QLineEdit* hasta() const { return hasta_; }

    void SBEnviarClick();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    void llene_prefijos();

    Tfdm& dm_;
    EnvioLote* logica_;
    QComboBox* documento_;
    QComboBox* prefijo_;
    QLineEdit* desde_;
    QLineEdit* hasta_;
    QLabel* avance_;
    bool ubicada_ = false;
};

}  // namespace ledgrix
