#pragma once
// A row of small charts beside the verdict, one per offer: its cost so far (loan costs, interest
// and insurance, the money's earnings counted) against the years kept, all on one scale, with the
// years the buyer expects to keep the loan marked, so the verdict can be seen as well as read.

#include "Amortization.h"

#include <QString>
#include <QWidget>
#include <cstdint>
#include <vector>

class QHBoxLayout;

namespace plumcrest::compare {

class CostLines : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY(CostLines)

public:
    explicit CostLines(QWidget* parent = nullptr);

    struct Line {
        QString name;
        std::vector<Cents> cost; // month by month from closing; empty: left out
        bool best = false;
        QString summary; // its cost at the years kept, in words, for its tooltip and reader
    };
    // The costs over the same months; `horizonMonths` is marked on each.
    void SetLines(const std::vector<Line>& lines, std::int32_t horizonMonths);
    int LineCount() const { return count_; }

private:
    QHBoxLayout* row_ = nullptr;
    int count_ = 0;
};

} // namespace plumcrest::compare
