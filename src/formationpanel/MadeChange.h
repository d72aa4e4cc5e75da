#pragma once

#include <QDateTime>
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

protected:
    State before_;
    State after_;

private:
    Restore restore_;
    bool pushed_ = true;
};

// A made change that is part of a gesture (holding a spinner's arrow, turning the wheel): the
// next change of the same gesture id, made within kGap of it, joins it as one step. A gesture
// that ends where it began is no step at all.
template <typename State>
class GestureChange : public MadeChange<State> {
public:
    static constexpr qint64 kGapMs = 1000;

    GestureChange(const QString& name, State before, State after,
                  typename MadeChange<State>::Restore restore, int gesture, QDateTime when)
        : MadeChange<State>(name, std::move(before), std::move(after), std::move(restore)),
          gesture_(gesture),
          when_(std::move(when)) {}

    int id() const override { return gesture_; }

    bool mergeWith(const QUndoCommand* other) override {
        // The stack offers only commands of the same id, and only this class uses ids.
        const auto* next = static_cast<const GestureChange*>(other);
        const qint64 gap = when_.msecsTo(next->when_);
        if (gap < 0 || gap > kGapMs) return false;
        this->after_ = next->after_;
        when_ = next->when_;
        this->setText(next->text());
        this->setObsolete(this->before_ == this->after_);
        return true;
    }

private:
    int gesture_;
    QDateTime when_;
};

}  // namespace velmora
