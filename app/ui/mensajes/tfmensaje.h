#pragma once

#include <QWidget>

class QComboBox;
class QFrame;
class QPlainTextEdit;
class QPushButton;
class QTextBrowser;

namespace ledgrix {

class DatasetModel;
class LedgrixGrid;
class MensajeInstantaneo;
class Tfdm;

// "Mensaje instantáneo": write to a user or to everybody, and read the
// conversation held with the user selected in the list.
class Tfmensaje : public QWidget {
    Q_OBJECT
public:
    explicit Tfmensaje(Tfdm& dm, QWidget* parent = nullptr);

    MensajeInstantaneo& logica() const { return *logica_; }
    LedgrixGrid* GUsuarios() const { return GUsuarios_; }
    LedgrixGrid* GHistoria() const { return GHistoria_; }
    QPlainTextEdit* EMensaje() const { return EMensaje_; }
    QComboBox* CBPrioridad() const { return CBPrioridad_; }
    QFrame* PLectura() const { return PLectura_; }
    QTextBrowser* TLectura() const { return TLectura_; }

    void SBEnviarClick();
    void SBTodosClick();
    void SBCancelaClick();
    void GHistoriaDblClick();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    bool tecla(int key);
    void cierre();

    Tfdm& dm_;
    MensajeInstantaneo* logica_;
    DatasetModel* MUsuarios_;
    DatasetModel* MHistoria_;
    LedgrixGrid* GUsuarios_;
    LedgrixGrid* GHistoria_;
    QPlainTextEdit* EMensaje_;
    QComboBox* CBPrioridad_;
    QFrame* PLectura_;
    QTextBrowser* TLectura_;
};

}  // namespace ledgrix
