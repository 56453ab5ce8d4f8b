#pragma once
// Every message box goes through here, so tests can answer them from a script.

#include <QString>

#include <deque>
#include <vector>

class QWidget;

class Prompter {
public:
    enum Answer { Ok, Yes, No };
    virtual ~Prompter() = default;
    // A message with an OK button.
    virtual void Inform(const QString &text, const QString &caption) = 0;
    // A question with Yes and No.
    virtual Answer Ask(const QString &text, const QString &caption) = 0;

    // The prompter in use: the real message boxes unless a test installed another.
    static Prompter &Get();
    static void Install(Prompter *p); // nullptr puts the real one back
};

// Shows real QMessageBox dialogs over the active window.
class MessageBoxPrompter : public Prompter {
public:
    void Inform(const QString &text, const QString &caption) override;
    Answer Ask(const QString &text, const QString &caption) override;
};

// For tests: records every message and answers questions from a queue (No when it is empty).
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
