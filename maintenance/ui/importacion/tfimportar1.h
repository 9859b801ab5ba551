#pragma once

#include <QList>
#include <QWidget>
#include <memory>

class QPushButton;
class QRadioButton;
class QStackedWidget;

namespace ledgrix {

class Tfdm;
class Tfimportar2;
class Tfimportar3;

namespace importacion {
class AsistenteImportacion;
}

// The import wizard's window and its first step, "Importar: " what kind of
// file. The three steps share one window and the wizard's choices; F5 or F2
// moves on (F2 imports in the last step), Esc goes back a step, stops a run,
// or leaves from the first step.
class Tfimportar1 : public QWidget {
    Q_OBJECT
  public:
    explicit Tfimportar1(Tfdm& dm, QWidget* parent = nullptr);
    ~Tfimportar1() override;

    importacion::AsistenteImportacion& asistente() const { return *asistente_; }
    int paso() const;  // 1..3
    QRadioButton* clase(int posicion) const { return clases_.at(posicion); }
    Tfimportar2* paso2() const { return paso2_; }
    Tfimportar3* paso3() const { return paso3_; }

    void siguiente();
    void anterior();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void vaya(int paso);

    Tfdm& dm_;
    std::unique_ptr<importacion::AsistenteImportacion> asistente_;
    QStackedWidget* pasos_;
    QPushButton* atras_ = nullptr;
    QPushButton* adelante_ = nullptr;
    QList<QRadioButton*> clases_;
    Tfimportar2* paso2_;
    Tfimportar3* paso3_;
    bool ubicada_ = false;
};

}  // namespace ledgrix
