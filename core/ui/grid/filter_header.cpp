#include "core/ui/grid/filter_header.h"

#include <QLineEdit>

namespace ledgrix {

FilterHeader::FilterHeader(QWidget* parent) : QHeaderView(Qt::Horizontal, parent) {
    setSectionsClickable(true);
    setHighlightSections(true);
    connect(this, &QHeaderView::sectionResized, this, &FilterHeader::placeEditors);
    connect(this, &QHeaderView::sectionMoved, this, &FilterHeader::placeEditors);
}

int FilterHeader::editorHeight() const {
    static const int height = QLineEdit().sizeHint().height();
    return height;
}

QSize FilterHeader::sizeHint() const {
    QSize s = QHeaderView::sizeHint();
    if (visible_)
        s.rheight() += editorHeight();
    return s;
}

void FilterHeader::setFiltersVisible(bool visible) {
    if (visible == visible_)
        return;
    if (!visible)
        clearFilters();
    visible_ = visible;
    updateGeometries();
    updateGeometry();
}

QLineEdit* FilterHeader::editor(int logicalIndex) const {
    if (logicalIndex < 0 || size_t(logicalIndex) >= editors_.size())
        return nullptr;
    return editors_[size_t(logicalIndex)];
}

void FilterHeader::clearFilters() {
    for (QLineEdit* e : editors_)
        e->clear();
}

void FilterHeader::rebuildEditors() {
    for (QLineEdit* e : editors_)
        delete e;
    editors_.clear();
    for (int c = 0; c < count(); ++c) {
        auto* e = new QLineEdit(this);
        e->setPlaceholderText(tr("Filtrar"));
        e->setClearButtonEnabled(true);
        e->setVisible(false);
        connect(e, &QLineEdit::textChanged, this,
                [this, c](const QString& text) { emit filterChanged(c, text); });
        editors_.push_back(e);
    }
    emit editorsRebuilt();
}

void FilterHeader::updateGeometries() {
    setViewportMargins(0, 0, 0, visible_ ? editorHeight() : 0);
    QHeaderView::updateGeometries();
    placeEditors();
}

void FilterHeader::placeEditors() {
    if (editors_.size() != size_t(count()))
        rebuildEditors();
    const int top = viewport()->geometry().bottom() + 1;
    for (int c = 0; c < int(editors_.size()); ++c) {
        QLineEdit* e = editors_[size_t(c)];
        if (!visible_ || isSectionHidden(c)) {
            e->hide();
            continue;
        }
        e->setGeometry(sectionViewportPosition(c) + viewport()->x(), top, sectionSize(c),
                       editorHeight());
        e->show();
    }
}

}  // namespace ledgrix
