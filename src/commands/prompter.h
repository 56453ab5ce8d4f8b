#pragma once
// Messages and questions to the user. Commands only ever talk to the user through this, so they
// can be driven by a script in tests.

#include <QString>

class Prompter {
public:
    enum Answer { Ok, Yes, No };
    virtual ~Prompter() = default;
    // A message with an OK button.
    virtual void Inform(const QString &text, const QString &caption) = 0;
    // A question with Yes and No.
    virtual Answer Ask(const QString &text, const QString &caption) = 0;
};
