#pragma once
// The Compare table's column header: each offer's name wraps onto up to three lines within its
// column (fewer where the table is short), so a long name reads whole instead of being cut at the
// column's edge; the window widens a column whose name needs more, within bounds. A name longer
// still ends in an ellipsis; its tooltip and its name to a screen reader stay whole, and
// double-clicking the column's edge widens the column to the name on one line.

#include <QHeaderView>
#include <QStringList>

namespace plumcrest::compare {

class OfferHeader final : public QHeaderView {
    Q_OBJECT
    Q_DISABLE_COPY(OfferHeader)

public:
    static constexpr int kMostLines = 3;

    explicit OfferHeader(QWidget* parent = nullptr);

    // The lines the section's name is drawn in at its present width.
    QStringList ShownLines(int logicalIndex) const;
    // Whether kMostLines lines at the section's present width would hold the whole name.
    bool FitsWhole(int logicalIndex) const;
    // The lines a name may take: kMostLines, fewer in a short table.
    int MostLines() const;

protected:
    QSize sectionSizeFromContents(int logicalIndex) const override;
    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    int TextWidth(int logicalIndex) const;
    QStringList Lines(int logicalIndex, int most, bool* whole) const;

    int shownMost_ = kMostLines;
};

} // namespace plumcrest::compare
