#pragma once

#include <QHash>
#include <QString>
#include <QWidget>

class QTableView;

namespace ledgrix {

// A footer under a grid: a text under some of its columns (their sums), on
// light green, that follows the columns as they are resized, moved or
// scrolled.
class PieSumas : public QWidget {
    Q_OBJECT
  public:
    explicit PieSumas(QTableView* grilla, QWidget* parent = nullptr);

    // Texts by the grid's (logical) column; the others stay blank.
    void muestre(const QHash<int, QString>& textos);
    QString texto(int columna) const { return textos_.value(columna); }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QTableView* grilla_;
    QHash<int, QString> textos_;
};

}  // namespace ledgrix
