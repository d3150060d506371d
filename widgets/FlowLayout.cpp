#include "FlowLayout.h"

#include <QWidget>
#include <algorithm>

namespace plumcrest {

FlowLayout::FlowLayout(QWidget* parent) : QLayout(parent) {}

FlowLayout::~FlowLayout() {
    while (QLayoutItem* item = takeAt(0))
        delete item;
}

void FlowLayout::addItem(QLayoutItem* item) {
    items_.append(item);
}

int FlowLayout::count() const {
    return static_cast<int>(items_.size());
}

QLayoutItem* FlowLayout::itemAt(int index) const {
    return index >= 0 && index < items_.size() ? items_.at(index) : nullptr;
}

QLayoutItem* FlowLayout::takeAt(int index) {
    if (index < 0 || index >= items_.size())
        return nullptr;
    if (trailingFrom_ > index)
        --trailingFrom_;
    return items_.takeAt(index);
}

Qt::Orientations FlowLayout::expandingDirections() const {
    return {};
}

bool FlowLayout::hasHeightForWidth() const {
    return true;
}

int FlowLayout::heightForWidth(int width) const {
    return Arrange(QRect(0, 0, width, 0), false);
}

QSize FlowLayout::minimumSize() const {
    // As narrow as the widest control: everything else wraps.
    QSize size;
    for (const QLayoutItem* item : items_)
        if (!item->isEmpty())
            size = size.expandedTo(item->minimumSize());
    const QMargins m = contentsMargins();
    return size + QSize(m.left() + m.right(), m.top() + m.bottom());
}

QSize FlowLayout::sizeHint() const {
    // One row, as wide as its controls.
    int width = 0;
    int height = 0;
    const int gap = spacing() >= 0 ? spacing() : 6;
    for (const QLayoutItem* item : items_) {
        if (item->isEmpty())
            continue;
        width += item->sizeHint().width() + (width > 0 ? gap : 0);
        height = std::max(height, item->sizeHint().height());
    }
    const QMargins m = contentsMargins();
    return {width + m.left() + m.right(), height + m.top() + m.bottom()};
}

void FlowLayout::setGeometry(const QRect& rect) {
    QLayout::setGeometry(rect);
    Arrange(rect, true);
}

int FlowLayout::Arrange(const QRect& rect, bool apply) const {
    const QRect area = rect.marginsRemoved(contentsMargins());
    const int gap = spacing() >= 0 ? spacing() : 6;
    // Rows of items: each starts a new row where the one before is full.
    struct Row {
        QList<QLayoutItem*> items;
        int width = 0;
        int height = 0;
    };
    QList<Row> rows(1);
    for (int i = 0; i < items_.size(); ++i) {
        QLayoutItem* item = items_.at(i);
        if (item->isEmpty())
            continue;
        const QSize hint = item->sizeHint().boundedTo(QSize(area.width(), QWIDGETSIZE_MAX));
        Row* row = &rows.last();
        const int needed = row->width + (row->items.isEmpty() ? 0 : gap) + hint.width();
        if (!row->items.isEmpty() && needed > area.width()) {
            rows.append(Row());
            row = &rows.last();
        }
        row->width += (row->items.isEmpty() ? 0 : gap) + hint.width();
        row->height = std::max(row->height, hint.height());
        row->items.append(item);
    }
    int y = area.top();
    for (qsizetype r = 0; r < rows.size(); ++r) {
        const Row& row = rows.at(r);
        int x = area.left();
        // The trailing items of the last row sit at its right end.
        int trailingWidth = 0;
        const bool last = r == rows.size() - 1;
        bool jumped = false;
        if (last && trailingFrom_ >= 0)
            for (QLayoutItem* item : row.items)
                if (items_.indexOf(item) >= trailingFrom_)
                    trailingWidth += item->sizeHint().width() + gap;
        for (QLayoutItem* item : row.items) {
            const QSize hint = item->sizeHint().boundedTo(QSize(area.width(), QWIDGETSIZE_MAX));
            if (last && trailingFrom_ >= 0 && items_.indexOf(item) >= trailingFrom_ && !jumped) {
                x = std::max(x, area.right() + 1 - (trailingWidth - gap));
                jumped = true;
            }
            if (apply)
                item->setGeometry(QRect(QPoint(x, y), hint));
            x += hint.width() + gap;
        }
        y += row.height + gap;
    }
    const QMargins m = contentsMargins();
    return y - gap - area.top() + m.top() + m.bottom();
}

} // namespace plumcrest
