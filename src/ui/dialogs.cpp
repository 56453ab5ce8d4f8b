#include "ui/dialogs.h"

#include "ui/calendardlg.h"
#include "ui/classdlg.h"
#include "ui/instructordlg.h"
#include "ui/reminderdlg.h"
#include "ui/selectmonthdlg.h"
#include "ui/welcomedlg.h"

#include <QApplication>
#include <QFileDialog>
#include <QMenu>
#include <QMessageBox>

namespace {

// Dialogs open over the window the student works in; right after the pop-up menu has closed no
// window is active yet, and an unparented dialog would open in the middle of the screen.
QWidget *DialogParent()
{
    if (QWidget *w = QApplication::activeWindow())
        return w;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->isVisible() && w->inherits("QMainWindow"))
            return w;
    return nullptr;
}

} // namespace

void RealDialogs::Inform(const QString &text, const QString &caption)
{
    QMessageBox::information(DialogParent(), caption, text, QMessageBox::Ok);
}

Prompter::Answer RealDialogs::Ask(const QString &text, const QString &caption)
{
    const auto b = QMessageBox::question(DialogParent(), caption, text,
                                         QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
    return b == QMessageBox::Yes ? Yes : No;
}

void RealDialogs::RunWelcome(QWidget *parent)
{
    CWelcomeDlg dlg(parent);
    dlg.exec();
}

bool RealDialogs::PickDate(QWidget *parent, CTime initial, CTime &picked)
{
    CCalendarDlg dlg(parent);
    const CTime::Fields f = initial.GetLocal();
    dlg.SetDate(QDate(f.year, f.month, f.day));
    if (dlg.exec() != QDialog::Accepted)
        return false;
    const QDate d = dlg.Date();
    picked = CTime::FromLocal(d.year(), d.month(), d.day(), 0, 0, 0);
    return true;
}

bool RealDialogs::SelectMonth(QWidget *parent, int &year, int &month)
{
    CSelectMonthDlg dlg(Clock::Now().GetYear(), parent);
    dlg.SetDate(year, month, 1, false);
    if (dlg.exec() != QDialog::Accepted)
        return false;
    dlg.GetDate(year, month);
    return true;
}

void RealDialogs::ExecMenu(QMenu *menu, QPoint at)
{
    menu->exec(at);
}

bool RealDialogs::PickSaveFile(QWidget *parent, const QString &caption, const QString &suggested,
                               const QString &filter, QString &path)
{
    path = QFileDialog::getSaveFileName(parent, caption, suggested, filter);
    return !path.isEmpty();
}

bool RealDialogs::EditReminder(ReminderForm &form)
{
    CReminderDlg dlg(*this, DialogParent());
    dlg.Load(form);
    if (dlg.exec() != QDialog::Accepted)
        return false;
    form = dlg.Form();
    return true;
}

bool RealDialogs::ChooseClass(const CClassArray &classes, int &index)
{
    CChooseClassDlg dlg(classes, *this, DialogParent());
    if (dlg.exec() != QDialog::Accepted)
        return false;
    index = dlg.Chosen();
    return true;
}

bool RealDialogs::EditInstructor(CTeacher &teacher)
{
    CInstructorDlg dlg(DialogParent(), this);
    dlg.Load(teacher);
    if (dlg.exec() != QDialog::Accepted)
        return false;
    teacher = dlg.Teacher();
    return true;
}

bool RealDialogs::EditClass(ClassForm &form)
{
    CClassDlg dlg(DialogParent(), form, this);
    if (dlg.exec() != QDialog::Accepted)
        return false;
    form = dlg.Form();
    return true;
}
