#pragma once

#include <QHeaderView>
#include <vector>

class QLineEdit;

namespace ledgrix {

// Column headers with an optional row of filter editors under the titles.
// The editors live in the header's bottom margin, so the table makes room
// for them by itself when it lays out its header.
class FilterHeader : public QHeaderView {
    Q_OBJECT
  public:
    explicit FilterHeader(QWidget* parent = nullptr);

    void setFiltersVisible(bool visible);
    bool filtersVisible() const { return visible_; }
    // Editor of a model column; null when the model has no such column.
    QLineEdit* editor(int logicalIndex) const;
    void clearFilters();
    // Follows scrolling, resizing and moving of columns.
    void placeEditors();

    QSize sizeHint() const override;

  signals:
    void filterChanged(int logicalIndex, const QString& text);
    // The model's columns changed; any filter typed before is gone.
    void editorsRebuilt();

  protected:
    void updateGeometries() override;

  private:
    int editorHeight() const;
    void rebuildEditors();

    bool visible_ = false;
    std::vector<QLineEdit*> editors_;
};

}  // namespace ledgrix
