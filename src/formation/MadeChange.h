#pragma once

#include <QString>
#include <QUndoCommand>
#include <functional>
#include <utility>

namespace velmora {

// A change that was already made, kept as one undo step: undo restores the state before it, redo
// the state after it. QUndoStack::push runs redo at once; that first run finds the change made
// and does nothing.
template <typename State>
class MadeChange : public QUndoCommand {
public:
    using Restore = std::function<void(const State&)>;

    MadeChange(const QString& name, State before, State after, Restore restore)
        : QUndoCommand(name),
          before_(std::move(before)),
          after_(std::move(after)),
          restore_(std::move(restore)) {}

    void undo() override { restore_(before_); }
    void redo() override {
        if (pushed_) {
            pushed_ = false;
            return;
        }
        restore_(after_);
    }

private:
    State before_;
    State after_;
    Restore restore_;
    bool pushed_ = true;
};

}  // namespace velmora
