#pragma once
// A row of controls that wraps onto more rows when the window is too narrow for it, so that no
// control is pushed off the window's edge. Items added after AddTrailing() sit at the row's end.

#include <QLayout>
#include <QList>

namespace plumcrest {

class FlowLayout final : public QLayout {
public:
    explicit FlowLayout(QWidget* parent = nullptr);
    ~FlowLayout() override;

    // From here on, widgets added go to the right end of the last row.
    void AddTrailing() { trailingFrom_ = static_cast<int>(items_.size()); }

    void addItem(QLayoutItem* item) override;
    int count() const override;
    QLayoutItem* itemAt(int index) const override;
    QLayoutItem* takeAt(int index) override;
    Qt::Orientations expandingDirections() const override;
    bool hasHeightForWidth() const override;
    int heightForWidth(int width) const override;
    QSize minimumSize() const override;
    QSize sizeHint() const override;
    void setGeometry(const QRect& rect) override;

private:
    int Arrange(const QRect& rect, bool apply) const;

    QList<QLayoutItem*> items_;
    int trailingFrom_ = -1;
};

} // namespace plumcrest
