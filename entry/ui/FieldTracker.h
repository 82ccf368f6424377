#pragma once

#include <QHash>
#include <QList>
#include <QObject>
#include <functional>

class QWidget;

// Knows which field of the entry line the user is in and runs a field's
// leaving rule once each time the user leaves it, whatever tells: the focus
// moving (Tab, Shift+Tab, a click, a shortcut), Tab pressed in the field, a
// key typed or a click made in another field. Focus events alone are not
// enough: a window the desktop did not activate again after a message box gets
// no focus events, yet the user goes on typing and tabbing in it.
class FieldTracker : public QObject {
    Q_OBJECT
public:
    // `leave` runs a field's rule and says whether the field's text is
    // accepted (refused: the rule has sent the focus back to the field).
    // `enter` runs a field's entering rule; `placed` is true when the program,
    // not the user, put the focus there.
    using Leave = std::function<bool(QWidget *field)>;
    using Enter = std::function<void(QWidget *field, bool placed)>;

    FieldTracker(const QList<QWidget *> &fields, Leave leave, Enter enter, QObject *parent);

    // Puts the focus in a field for the program: in the field being left when
    // its rule refused it, the user is back in the field rather than entering
    // it anew.
    void place(QWidget *field);
    // Leaves the field the user is in, as if the focus went elsewhere; false
    // when its rule kept the user there.
    bool leaveCurrent();
    QWidget *current() const { return current_; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *fieldOf(QObject *watched) const;
    // The user is in `field` now: the field they were in is left first;
    // false when its rule kept them there.
    bool arriveIn(QWidget *field);

    QHash<QObject *, QWidget *> watched_; // each field, and the edit line of a list, to its field
    Leave leave_;
    Enter enter_;
    QWidget *current_ = nullptr;   // the field the user is in
    QWidget *leaving_ = nullptr;   // the field whose rule is running
    QWidget *returning_ = nullptr; // a field the focus goes back to: not a new entry
    bool placing_ = false;         // the program is placing the focus
};
