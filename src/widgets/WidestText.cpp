#include "widgets/WidestText.h"

#include <algorithm>

namespace velmora {

namespace {

// The widest texts by their sums that are measured whole.
constexpr size_t kMeasuredWhole = 8;

// Characters that never join, combine or reorder with their neighbours.
bool SitsSideBySide(char16_t c) {
    return (c >= 0x20 && c < 0x7F) || (c >= 0xA0 && c < 0x300) || (c >= 0x3000 && c < 0xA000) ||
           (c >= 0xFF00 && c < 0xFFF0);
}

}  // namespace

int WidestText::SumOfAdvances(const QString& text) {
    qreal sum = 0;
    for (const QChar c : text) {
        if (!SitsSideBySide(c.unicode())) return -1;
        auto it = advances_.constFind(c.unicode());
        if (it == advances_.constEnd())
            it = advances_.insert(c.unicode(), characterMetrics_.horizontalAdvance(c));
        sum += *it;
    }
    return qRound(sum);
}

void WidestText::Add(const QString& text) {
    const int sum = SumOfAdvances(text);
    if (sum < 0)
        widest_ = std::max(widest_, metrics_.horizontalAdvance(text));
    else
        summed_.emplace_back(sum, text);
}

int WidestText::Width() {
    const size_t whole = std::min(kMeasuredWhole, summed_.size());
    std::partial_sort(summed_.begin(), summed_.begin() + std::ptrdiff_t(whole), summed_.end(),
                      [](const auto& a, const auto& b) { return a.first > b.first; });
    int widest = widest_;
    for (size_t i = 0; i < whole; ++i)
        widest = std::max(widest, metrics_.horizontalAdvance(summed_[i].second));
    // The rest are no wider than their sums say, give or take a kerned pixel.
    if (whole < summed_.size()) widest = std::max(widest, summed_[whole].first);
    return widest;
}

}  // namespace velmora
