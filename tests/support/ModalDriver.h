#pragma once

#include <QApplication>
#include <QDeadlineTimer>
#include <QDialog>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

// Answers the next modal window of type T as soon as it is shown, so that a
// test never waits on a human. A window that is still up when the time runs
// out (it never came, or the answer failed half-way) is rejected, so that the
// test fails instead of hanging.
template <typename T>
void onNextModal(std::function<void(T *)> act, int timeoutMs = 5000)
{
    auto *timer = new QTimer;
    const QDeadlineTimer deadline(timeoutMs);
    auto answered = std::make_shared<QPointer<QWidget>>();
    auto acted = std::make_shared<bool>(false);
    QObject::connect(timer, &QTimer::timeout, [timer, act, deadline, answered, acted] {
        QWidget *modal = QApplication::activeModalWidget();
        if (!*acted) {
            if (T *window = qobject_cast<T *>(modal)) {
                *acted = true;
                *answered = window;
                act(window);
                return;
            }
        } else if (answered->isNull() || !(*answered)->isVisible()) {
            timer->stop();
            timer->deleteLater();
            return;
        }
        if (deadline.hasExpired()) {
            timer->stop();
            timer->deleteLater();
            if (auto *dialog = qobject_cast<QDialog *>(modal))
                dialog->reject();
        }
    });
    timer->start(10);
}

// Runs `command`, which opens a modal window of type T, and lets `user` act on
// that window as soon as it is up and active. False when the window never
// came or the user left it open; it is then closed, so that the command
// returns.
template <typename T>
bool whileModal(const std::function<void()> &command, const std::function<void(T &)> &user)
{
    bool closed = false;
    onNextModal<T>([&](T *window) {
        // The platform tells of the activation before the application hands
        // the window its focus: the user acts once both are done.
        if (QTest::qWaitForWindowActive(window)
            && QTest::qWaitFor([window] { return QApplication::activeWindow() == window; }))
            user(*window);
        closed = !window->isVisible();
        if (!closed)
            window->done(QDialog::Accepted);
    });
    command();
    return closed;
}
