#include "ui/prompter.h"

#include <QApplication>
#include <QMessageBox>

namespace {
Prompter *g_installed = nullptr;
}

Prompter &Prompter::Get()
{
    static MessageBoxPrompter real;
    return g_installed ? *g_installed : real;
}

void Prompter::Install(Prompter *p) { g_installed = p; }

void MessageBoxPrompter::Inform(const QString &text, const QString &caption)
{
    QMessageBox::information(QApplication::activeWindow(), caption, text, QMessageBox::Ok);
}

Prompter::Answer MessageBoxPrompter::Ask(const QString &text, const QString &caption)
{
    const auto b = QMessageBox::question(QApplication::activeWindow(), caption, text,
                                         QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
    return b == QMessageBox::Yes ? Yes : No;
}
