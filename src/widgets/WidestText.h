#pragma once

#include <QFont>
#include <QFontMetrics>
#include <QHash>
#include <QString>
#include <vector>

namespace velmora {

// The width of the widest of many texts in one font, as QFontMetrics::horizontalAdvance gives
// it, without shaping every text: a text of characters that sit side by side (Latin, kana,
// kanji, full-width forms) is as wide as its characters' advances, each taken once. The widest
// few by that sum are measured whole, and so is every text of other characters (marks,
// surrogate pairs, scripts that join), so kerning can move the result by a pixel at most.
class WidestText {
public:
    explicit WidestText(const QFont& font) : metrics_(font), characterMetrics_(font) {}

    void Add(const QString& text);
    // 0 when no text was added.
    int Width();

private:
    // The sum of the characters' advances; -1 when the text must be shaped whole.
    int SumOfAdvances(const QString& text);

    QFontMetrics metrics_;
    QFontMetricsF characterMetrics_;  // fractional advances add up as a whole text's do
    QHash<char16_t, qreal> advances_;
    std::vector<std::pair<int, QString>> summed_;  // sum of advances, text
    int widest_ = 0;                               // of the texts measured whole
};

}  // namespace velmora
