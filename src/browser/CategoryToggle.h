#pragma once

#include <QObject>
#include <QPoint>
#include <QRect>
#include <QString>

class QLabel;

namespace velmora {

// One category toggle of the unit list: a bordered box label (name_0) and a transparent caption
// label lying on it (name_1). A left click on either, or Space while the box has the focus,
// flips the state; the box shows it, sunken with a dark frame, a light grey fill and a bold
// dark-blue caption when on, flat in the caption's background colour when off.
class CategoryToggle : public QObject {
    Q_OBJECT
public:
    // box: the box's geometry in parent; captionOffset: the caption's position inside the box.
    CategoryToggle(const QString& name, const QString& caption, const QRect& box,
                   const QPoint& captionOffset, QWidget* parent);

    bool IsOn() const { return on_; }
    // Shows the state without announcing it.
    void SetOn(bool on);
    // The tooltip of both labels.
    void SetToolTip(const QString& text);

    QLabel* Box() const { return box_; }
    QLabel* Caption() const { return caption_; }

Q_SIGNALS:
    // The user flipped the toggle; IsOn() already holds the new state.
    void flipped();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Flip();

    QLabel* box_;
    QLabel* caption_;
    bool on_ = false;
};

}  // namespace velmora
