#include "entry/ui/FieldTracker.h"

#include <QComboBox>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>

namespace {

// Focus moves that leave or enter a field. Opening a menu or a list, or another
// window becoming active (a message box), do not.
bool movesBetweenFields(const QFocusEvent *event)
{
    return event->reason() != Qt::PopupFocusReason && event->reason() != Qt::ActiveWindowFocusReason;
}

} // namespace

FieldTracker::FieldTracker(const QList<QWidget *> &fields, Leave leave, Enter enter, QObject *parent)
    : QObject(parent), leave_(std::move(leave)), enter_(std::move(enter))
{
    for (QWidget *field : fields) {
        watched_.insert(field, field);
        // A click in an editable list lands on its edit line.
        if (auto *combo = qobject_cast<QComboBox *>(field); combo && combo->lineEdit())
            watched_.insert(combo->lineEdit(), field);
    }
    for (auto it = watched_.cbegin(); it != watched_.cend(); ++it)
        it.key()->installEventFilter(this);
}

QWidget *FieldTracker::fieldOf(QObject *watched) const
{
    return watched_.value(watched);
}

bool FieldTracker::leaveCurrent()
{
    QWidget *field = current_;
    current_ = nullptr;
    if (!field)
        return true;
    leaving_ = field;
    const bool accepted = leave_(field);
    leaving_ = nullptr;
    if (!accepted) {
        current_ = field;
        returning_ = nullptr;
    }
    return accepted;
}

bool FieldTracker::arriveIn(QWidget *field)
{
    if (field == current_)
        return true;
    if (current_ && !leaveCurrent())
        return false;
    current_ = field;
    if (field == returning_) {
        returning_ = nullptr;
        return true;
    }
    enter_(field, placing_);
    return true;
}

void FieldTracker::place(QWidget *field)
{
    if (field == leaving_)
        returning_ = field;
    placing_ = true;
    field->setFocus(Qt::OtherFocusReason);
    // No focus event came when the window is not the active one: the user
    // is in the field all the same.
    if (current_ != field && !leaving_)
        arriveIn(field);
    placing_ = false;
}

bool FieldTracker::eventFilter(QObject *watched, QEvent *event)
{
    QWidget *field = fieldOf(watched);
    if (!field)
        return false;
    switch (event->type()) {
    case QEvent::FocusIn:
        if (movesBetweenFields(static_cast<QFocusEvent *>(event)))
            arriveIn(field);
        else if (!current_ && !leaving_)
            current_ = field; // the window shown or activated with the focus in this field
        break;
    case QEvent::FocusOut:
        if (movesBetweenFields(static_cast<QFocusEvent *>(event)) && field == current_ && !placing_ && !leaving_) {
            // The field's rule sent the focus back: it is in the field again,
            // and this late news of its leaving would undo that.
            if (!leaveCurrent() && field->hasFocus())
                return true;
        }
        break;
    case QEvent::KeyPress: {
        if (!arriveIn(field))
            return true;
        const int key = static_cast<QKeyEvent *>(event)->key();
        if ((key == Qt::Key_Tab || key == Qt::Key_Backtab) && !leaveCurrent())
            return true;
        break;
    }
    case QEvent::MouseButtonPress:
        if (!arriveIn(field))
            return true;
        break;
    default:
        break;
    }
    return false;
}
