#pragma once
// Every modal interaction of the main window: message boxes, the dialogs the view opens and the
// pop-up menu. The view is handed one of these, so tests answer them without a modal loop.

#include "commands/editing.h"
#include "model/clock.h"

#include <QPoint>

class QMenu;
class QWidget;

class Dialogs : public EditDialogs {
public:
    virtual void RunWelcome(QWidget *parent) = 0;
    // The date picker; false on Cancel.
    virtual bool PickDate(QWidget *parent, CTime initial, CTime &picked) = 0;
    // Select Month from (year, month); false on Cancel.
    virtual bool SelectMonth(QWidget *parent, int &year, int &month) = 0;
    virtual void ExecMenu(QMenu *menu, QPoint at) = 0;
    // A file to write, starting from suggested; false on Cancel.
    virtual bool PickSaveFile(QWidget *parent, const QString &caption, const QString &suggested,
                              const QString &filter, QString &path) = 0;
};

// The real message boxes and dialogs, over the active window.
class RealDialogs : public Dialogs {
public:
    void Inform(const QString &text, const QString &caption) override;
    Answer Ask(const QString &text, const QString &caption) override;
    void RunWelcome(QWidget *parent) override;
    bool PickDate(QWidget *parent, CTime initial, CTime &picked) override;
    bool SelectMonth(QWidget *parent, int &year, int &month) override;
    void ExecMenu(QMenu *menu, QPoint at) override;
    bool PickSaveFile(QWidget *parent, const QString &caption, const QString &suggested,
                      const QString &filter, QString &path) override;
    bool EditReminder(ReminderForm &form) override;
    bool ChooseClass(const CClassArray &classes, int &index) override;
    bool EditInstructor(CTeacher &teacher) override;
    bool EditClass(ClassForm &form) override;
};
