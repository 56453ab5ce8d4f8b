#pragma once
// Runs code that opens a modal dialog: `answer` works the dialog once it is on screen, and a
// dialog still open five seconds later is closed, so a broken test fails instead of hanging.

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

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

// The same for a dialog that must be a D: a failure when none or another one comes, or it stays
// open.
template <typename D>
void Answer(const std::function<void()> &open, const std::function<void(D &)> &answer)
{
    const char *want = D::staticMetaObject.className();
    bool seen = false;
    EXPECT_FALSE(RunModal(open,
                          [&](QWidget *w) {
                              seen = true;
                              if (auto *d = qobject_cast<D *>(w))
                                  answer(*d);
                              else
                                  ADD_FAILURE()
                                      << "not a " << want << ": " << w->metaObject()->className();
                          }))
        << want << " stayed open";
    EXPECT_TRUE(seen) << "no " << want;
}
