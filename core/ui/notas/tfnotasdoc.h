#pragma once

#include <QWidget>

#include "core/notas/notas_documento.h"

class QPlainTextEdit;

namespace ledgrix {

class LedgrixGrid;
class Tfdm;

// "Notas del documento": the notes of the document in
// dm.documento_consultado, oldest first, and a box to write a new one; F2
// stores it, Esc closes. A refused note stays in the box as typed.
class Tfnotasdoc : public QWidget {
    Q_OBJECT
  public:
    explicit Tfnotasdoc(Tfdm& dm, QWidget* parent = nullptr);

    NotasDocumento& logica() { return logica_; }
    LedgrixGrid* grilla() const { return grilla_; }
    QPlainTextEdit* nueva() const { return nueva_; }

    void SBGrabarClick();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    bool tecla(int key);

    NotasDocumento logica_;
    LedgrixGrid* grilla_ = nullptr;
    QPlainTextEdit* nueva_ = nullptr;
};

}  // namespace ledgrix
