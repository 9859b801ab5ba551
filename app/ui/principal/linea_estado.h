#pragma once

#include <QColor>
#include <QLabel>

#include "core/status/status_line.h"

namespace ledgrix {

// The status text of the bottom panel, painted over a horizontal gradient
// from its background colour to its gradient end colour.
class LineaEstado : public QLabel {
    Q_OBJECT
public:
    explicit LineaEstado(QWidget* parent = nullptr);

    void muestre(const StatusLine& estado);
    QColor fondo() const { return color(fondo_); }
    QColor finGradiente() const { return color(fin_); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor color(StatusLine::Colour c) const;

    StatusLine::Colour fondo_ = StatusLine::Colour::Default;
    StatusLine::Colour fin_ = StatusLine::Colour::Navy;
};

}  // namespace ledgrix
