#pragma once
// Runs code that opens a modal dialog: `answer` works the dialog once it is on screen, and a
// dialog still open five seconds later is closed, so a broken test fails instead of hanging.

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <functional>

// Says whether the dialog had to be rescued.
inline bool RunModal(const std::function<void()> &open,
                     const std::function<void(QWidget *)> &answer)
{
    bool answered = false;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (QWidget *modal = QApplication::activeModalWidget(); modal && !answered) {
            answered = true;
            answer(modal);
        }
    });
    poll.start(10);
    bool rescued = false;
    QTimer rescue;
    rescue.setSingleShot(true);
    QObject::connect(&rescue, &QTimer::timeout, [&] {
        if (QWidget *modal = QApplication::activeModalWidget()) {
            rescued = true;
            modal->close();
        }
    });
    rescue.start(5000);
    open();
    return rescued;
}
