#include "app/WindowHelp.h"

#include <QAbstractButton>
#include <QKeySequence>
#include <QString>
#include <QWidget>

namespace velmora {

namespace {

struct Help {
    const char16_t* name;
    const char16_t* tip;
};

// The rules are those the formation's recompute applies.
const Help kHelp[] = {
    // The detail frame.
    {u"lblCaption_7", u"ＨＰ（改造を含む）"},
    {u"lblCaption_11", u"装甲（改造を含む）"},
    {u"lblCaption_14", u"移動タイプと移動力（改造を含む）"},
    {u"lblCaption_4", u"搭載量"},
    {u"lblCaption_21", u"回避（改造・盾・装備による増減を含む）"},
    {u"lblCaption_15", u"補給"},
    {u"lblCaption_10", u"修理費"},
    {u"lblCaption_13", u"先制（改造・盾・装備による増減を含む）"},
    {u"lblSale", u"制限の区分"},
    {u"cmbShield", u"盾を持つかどうか（盾を持てる機体だけ選べます）"},
    {u"cmbReconstruct", u"改造：上がる値と下がる値の組み合わせ"},
    {u"cmdAdd",
     u"一覧で選んだ機体を、詳細に出ている値で編成に加えます。7機まで（Alt+H、一覧でEnter）"},
    {u"cmdEdit", u"編成で選んだ行を、詳細に出ている値で書き換えます。同じ機体名の行だけ（Alt+K）"},
    // The formation frame.
    {u"lblCaption_0",
     u"指揮官の階級。少尉0〜大佐5を搭載上限に加えます。少尉は専用機を配備できません"},
    {u"lblCaption_3", u"指揮官のレベル（1〜99）。搭載上限に加えます"},
    {u"lblCaption_1", u"勲章の数（0〜99）。搭載上限に加えます"},
    {u"lblCaption_2",
     u"搭載解除スキル（0〜3）\n"
     u"0：限定生産機は3機まで、一機制限機は1機まで\n"
     u"0・1：限定生産機3機以上で搭載上限−2\n"
     u"一機制限機2機：1で搭載上限−6、2で−4、3で−2"},
    {u"lblCaption_16",
     u"使用中の搭載量／搭載上限\n"
     u"搭載上限 = レベル + 階級（少尉0〜大佐5）+ 47 + 勲章\n"
     u"規則に反すると上限が赤くなります"},
    {u"lblCaption_20",
     u"一機制限機（制限が一機：一機制限、一機・ＮＴ）の数。3機以上は不可、2機は搭載解除が必要"},
    {u"lblCaption_18", u"修理費の合計（300 + 各機の修理費）"},
    {u"lblCaption_19",
     u"限定生産機（制限が限定・限N）の数。搭載解除0では3機まで、搭載解除0・1で3機以上なら"
     u"搭載上限−2"},
    {u"upLevel", u"レベルを変えます（矢印、↑↓キー、数字を打ってEnter）"},
    {u"upDecoration", u"勲章の数を変えます（矢印、↑↓キー、数字を打ってEnter）"},
    {u"upSkill", u"搭載解除スキルを変えます（矢印、↑↓キー、数字を打ってEnter）"},
    {u"cmdSaveLoad", u"編成を登録・読み込みする画面を開きます（Alt+S）"},
};

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
    for (const Help& help : kHelp) {
        if (QWidget* widget = find(help.name)) widget->setToolTip(QString::fromUtf16(help.tip));
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
