#include "formationpanel/MadeChange.h"

#include "support/TestText.h"

#include <gtest/gtest.h>
#include <QStringList>
#include <QUndoStack>

namespace velmora {
namespace {

TEST(MadeChange, PushDoesNotRedo_undoAndRedoRestoreBeforeAndAfter) {
    QStringList restored;
    QUndoStack stack;
    stack.push(new MadeChange<QString>(S(u"配備 ヴェルデ"), S(u"before"), S(u"after"),
                                       [&](const QString& state) { restored.append(state); }));
    EXPECT_TRUE(restored.isEmpty());
    EXPECT_EQ(stack.undoText(), S(u"配備 ヴェルデ"));
    stack.undo();
    stack.redo();
    stack.undo();
    EXPECT_EQ(restored, QStringList({S(u"before"), S(u"after"), S(u"before")}));
}

}  // namespace
}  // namespace velmora
