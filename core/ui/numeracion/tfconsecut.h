#pragma once

#include <QWidget>

#include "core/numeracion/ventanas/consecutivos.h"
#include "core/numeracion/ventanas/selector_centros.h"

class QCheckBox;
class QComboBox;
class QFrame;
class QModelIndex;
class QPushButton;

namespace ledgrix {

class DatasetModel;
class LedgrixGrid;
class Tfdm;

// "Registro de consecutivos": the series of each document type of the module.
// F8 shows the users allowed for the current series, F2 saves everything and
// closes (or, with the users shown, goes back to the series), Esc discards
// and closes.
class TFConsecut : public QWidget {
    Q_OBJECT
public:
    explicit TFConsecut(Tfdm& dm, QWidget* parent = nullptr);

    Consecutivos& logica() { return logica_; }
    SelectorCentros& selector() { return selector_; }
    QComboBox* documento() const { return documento_; }
    LedgrixGrid* grilla() const { return grilla_; }
    LedgrixGrid* grilla_usuarios() const { return grilla_usuarios_; }
    QFrame* panel_usuarios() const { return panel_usuarios_; }
    QCheckBox* filtros() const { return filtros_; }

    void SBGrabarClick();
    void SBCancelaClick();
    void SBUsuariosClick();
    void SBContinuarClick();
    // Opens the cost-centre picker for the current series.
    void busque_centro();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    bool tecla(int key);
    void DBGridDblClick(const QModelIndex& index);

    Tfdm& dm_;
    Consecutivos logica_;
    SelectorCentros selector_;
    QComboBox* documento_;
    QCheckBox* filtros_;
    LedgrixGrid* grilla_;
    DatasetModel* modelo_;
    QFrame* panel_usuarios_;
    LedgrixGrid* grilla_usuarios_;
    DatasetModel* modelo_usuarios_;
    bool ubicada_ = false;
};

}  // namespace ledgrix
