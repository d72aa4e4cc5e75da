#include "widgets/WidestText.h"

#include <gtest/gtest.h>
#include <QFontDatabase>
#include <QStringList>

using namespace Qt::StringLiterals;

namespace velmora {
namespace {

int WidestByShaping(const QFont& font, const QStringList& texts) {
    const QFontMetrics metrics(font);
    int widest = 0;
    for (const QString& text : texts) widest = qMax(widest, metrics.horizontalAdvance(text));
    return widest;
}

int Widest(const QFont& font, const QStringList& texts) {
    WidestText widest(font);
    for (const QString& text : texts) widest.Add(text);
    return widest.Width();
}

// The widest text wins whether it is among the few shaped whole, summed from its characters,
// or made of characters that must be shaped (marks, surrogate pairs, joining scripts).
TEST(WidestText, GivesTheWidestTextsWidthAsShapingDoes) {
    QStringList names;
    for (int i = 0; i < 40; ++i) names << u"ヴェルデ試作%1号機～改"_s.arg(i * 37);
    const QList<QStringList> cases = {
        names,
        names + QStringList{u"ヴェルデ試作号機～改・ＮＴ専用ﾃｽﾄ"_s},
        names + QStringList{u"AVAVAVAVAVAVAVAVAVAVAVAVAVAVAVAV"_s, u"To Wa"_s},
        names + QStringList{u"e\u0301\u0301\u0301"_s.repeated(12)},
        names + QStringList{u"😀😀😀😀😀😀😀😀😀😀😀😀😀😀"_s},
        names + QStringList{u"مرحبا بالعالم مرحبا بالعالم مرحبا"_s},
        {u"nd"_s, u"--"_s, u"○"_s, u"×"_s, u"１２３"_s, u"-1.5"_s},
    };
    for (const QFont& font : {QFont(), QFontDatabase::systemFont(QFontDatabase::FixedFont)}) {
        for (const QStringList& texts : cases) {
            const int expected = WidestByShaping(font, texts);
            EXPECT_NEAR(Widest(font, texts), expected, 1) << texts.last().toStdString();
        }
    }
    EXPECT_EQ(Widest(QFont(), {}), 0);
}

}  // namespace
}  // namespace velmora
