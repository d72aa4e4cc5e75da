#include "app/WindowHelp.h"

#include "formation/FormationRules.h"

#include <QAbstractButton>
#include <QKeySequence>
#include <QString>
#include <QWidget>
#include <vector>

namespace velmora {

using namespace Qt::StringLiterals;

namespace {

struct Help {
    const char16_t* name;
    QString tip;
};

QString N(int number) { return QString::number(number); }

// The rules are those the formation's recompute applies; its limits come from there by name.
std::vector<Help> HelpTexts() {
    const QString range = u"（%1〜%2）"_s;
    const QString ranks = u"少尉%1〜大佐%2"_s.arg(kRankRange.lowest).arg(kRankRange.highest);
    return {
        // The detail frame.
        {u"lblCaption_7", u"ＨＰ（改造を含む）"_s},
        {u"lblCaption_11", u"装甲（改造を含む）"_s},
        {u"lblCaption_14", u"移動タイプと移動力（改造を含む）"_s},
        {u"lblCaption_4", u"搭載量"_s},
        {u"lblCaption_21", u"回避（改造・盾・装備による増減を含む）"_s},
        {u"lblCaption_15", u"補給"_s},
        {u"lblCaption_10", u"修理費"_s},
        {u"lblCaption_13", u"先制（改造・盾・装備による増減を含む）"_s},
        {u"lblSale", u"制限の区分"_s},
        {u"cmbShield", u"盾を持つかどうか（盾を持てる機体だけ選べます）"_s},
        {u"cmbReconstruct", u"改造：上がる値と下がる値の組み合わせ"_s},
        {u"cmdAdd", u"一覧で選んだ機体を、詳細に出ている値で編成に加えます。%1機まで"
                    u"（Alt+H、一覧でEnter）"_s.arg(kMaxFormationUnits)},
        {u"cmdEdit",
         u"編成で選んだ行を、詳細に出ている値で書き換えます。同じ機体名の行だけ（Alt+K）"_s},
        // The formation frame.
        {u"lblCaption_0", u"指揮官の階級。"_s + ranks +
                              u"を搭載上限に加えます。少尉は専用機を配備できません"_s},
        {u"lblCaption_3", u"指揮官のレベル"_s +
                              range.arg(kLevelRange.lowest).arg(kLevelRange.highest) +
                              u"。搭載上限に加えます"_s},
        {u"lblCaption_1", u"勲章の数"_s +
                              range.arg(kDecorationRange.lowest).arg(kDecorationRange.highest) +
                              u"。搭載上限に加えます"_s},
        {u"lblCaption_2",
         u"搭載解除スキル"_s + range.arg(kSkillRange.lowest).arg(kSkillRange.highest) +
             u"\n0：限定生産機は%1機まで、一機制限機は%2機まで\n"_s.arg(kLimitedWithoutSkill)
                 .arg(kOneUnitWithoutSkill) +
             u"0・1：限定生産機%1機以上で搭載上限−%2\n"_s.arg(kLimitedWithoutSkill)
                 .arg(kLimitedPenalty) +
             u"一機制限機%1機：1で搭載上限−%2、2で−%3、3で−%4"_s.arg(kOneUnitMost)
                 .arg(kOneUnitPenaltyBySkill[1])
                 .arg(kOneUnitPenaltyBySkill[2])
                 .arg(kOneUnitPenaltyBySkill[3])},
        {u"lblCaption_16", u"使用中の搭載量／搭載上限\n搭載上限 = レベル + 階級（"_s + ranks +
                               u"）+ "_s + N(kCapacityBase) +
                               u" + 勲章\n規則に反すると上限が赤くなります"_s},
        {u"lblCaption_20", u"一機制限機（制限が一機：一機制限、一機・ＮＴ）の数。"
                           u"%1機以上は不可、%2機は搭載解除が必要"_s.arg(kOneUnitMost + 1)
                               .arg(kOneUnitMost)},
        {u"lblCaption_18", u"修理費の合計（%1 + 各機の修理費）"_s.arg(kRepairBase)},
        {u"lblCaption_19", u"限定生産機（制限が限定・限N）の数。搭載解除0では%1機まで、"
                           u"搭載解除0・1で%1機以上なら搭載上限−%2"_s.arg(kLimitedWithoutSkill)
                               .arg(kLimitedPenalty)},
        {u"upLevel", u"レベルを変えます（矢印、↑↓キー、数字を打ってEnter）"_s},
        {u"upDecoration", u"勲章の数を変えます（矢印、↑↓キー、数字を打ってEnter）"_s},
        {u"upSkill", u"搭載解除スキルを変えます（矢印、↑↓キー、数字を打ってEnter）"_s},
        {u"cmdSaveLoad", u"編成を登録・読み込みする画面を開きます（Alt+S）"_s},
    };
}

struct Shortcut {
    const char16_t* name;
    Qt::Key key;
};

// Alt with a letter of the caption's reading: 配備 haibi, 更新 kōshin, セーブ sēbu.
const Shortcut kShortcuts[] = {
    {u"cmdAdd", Qt::Key_H},
    {u"cmdEdit", Qt::Key_K},
    {u"cmdSaveLoad", Qt::Key_S},
};

// Reading order: the list's filters, the list, the detail, the formation.
const char16_t* const kTabOrder[] = {
    u"optMS_0",        u"optMS_1",      u"optMS_2",      u"txtKeyword",
    u"lblGeneral_0",   u"lblEarth_0",   u"lblSpace_0",   u"lblMassProduction_0",
    u"lblAce_0",       u"lblPrivate_0", u"lblLimit_0",   u"lblNt_0",
    u"lblStar_0",      u"grdMsList",    u"grdMsInfo",    u"cmbShield",
    u"cmbReconstruct", u"cmdAdd",       u"cmdEdit",      u"grdFormation",
    u"cmbClass",       u"upLevel",      u"upDecoration", u"upSkill",
    u"cmdSaveLoad",
};

}  // namespace

void ApplyWindowHelp(QWidget& window) {
    const auto find = [&window](const char16_t* name) {
        return window.findChild<QWidget*>(QString::fromUtf16(name));
    };
    for (const Help& help : HelpTexts()) {
        if (QWidget* widget = find(help.name)) widget->setToolTip(help.tip);
    }
    for (const Shortcut& shortcut : kShortcuts) {
        if (auto* button = qobject_cast<QAbstractButton*>(find(shortcut.name)))
            button->setShortcut(QKeySequence(Qt::ALT | shortcut.key));
    }
    QWidget* previous = nullptr;
    for (const char16_t* name : kTabOrder) {
        QWidget* widget = find(name);
        if (!widget) continue;
        if (previous) QWidget::setTabOrder(previous, widget);
        previous = widget;
    }
}

}  // namespace velmora
