#pragma once
// Message boxes and dialogs answered from a script: every message is recorded, questions take
// their answers from a queue (No when it is empty), and the dialogs run the test's functions.

#include "ui/dialogs.h"

#include <deque>
#include <functional>
#include <vector>

class ScriptedPrompter : public Prompter {
public:
    struct Shown {
        QString text, caption;
        bool question;
    };
    void Inform(const QString &text, const QString &caption) override
    {
        shown.push_back({text, caption, false});
    }
    Answer Ask(const QString &text, const QString &caption) override
    {
        shown.push_back({text, caption, true});
        if (answers.empty())
            return No;
        const Answer a = answers.front();
        answers.pop_front();
        return a;
    }
    std::deque<Answer> answers;
    std::vector<Shown> shown;
};

class ScriptedDialogs : public Dialogs {
public:
    void Inform(const QString &text, const QString &caption) override
    {
        prompter.Inform(text, caption);
    }
    Answer Ask(const QString &text, const QString &caption) override
    {
        return prompter.Ask(text, caption);
    }
    void RunWelcome(QWidget *) override { ++welcomeRuns; }
    bool PickDate(QWidget *, CTime initial, CTime &picked) override
    {
        return pickDate ? pickDate(initial, picked) : false;
    }
    bool SelectMonth(QWidget *, int &year, int &month) override
    {
        return selectMonth ? selectMonth(year, month) : false;
    }
    void ExecMenu(QMenu *menu, QPoint at) override
    {
        if (execMenu)
            execMenu(menu, at);
    }

    bool PickSaveFile(QWidget *, const QString &, const QString &suggested, const QString &,
                      QString &path) override
    {
        return pickSaveFile ? pickSaveFile(suggested, path) : false;
    }
    bool EditReminder(ReminderForm &form) override
    {
        return editReminder ? editReminder(form) : false;
    }
    bool ChooseClass(const CClassArray &classes, int &index) override
    {
        return chooseClass ? chooseClass(classes, index) : false;
    }
    bool EditInstructor(CTeacher &teacher) override
    {
        return editInstructor ? editInstructor(teacher) : false;
    }
    bool EditClass(ClassForm &form) override { return editClass ? editClass(form) : false; }

    ScriptedPrompter prompter;
    int welcomeRuns = 0;
    std::function<bool(CTime, CTime &)> pickDate;
    std::function<bool(int &, int &)> selectMonth;
    std::function<void(QMenu *, QPoint)> execMenu;
    // Editors: the test fills the form and answers OK (true) or Cancel (false).
    std::function<bool(const QString &, QString &)> pickSaveFile;
    std::function<bool(ReminderForm &)> editReminder;
    std::function<bool(const CClassArray &, int &)> chooseClass;
    std::function<bool(CTeacher &)> editInstructor;
    std::function<bool(ClassForm &)> editClass;
};
