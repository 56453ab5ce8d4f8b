#pragma once
// Setup Class: one class's own fields, its instructor, and through the painted command bar its
// meeting times, grade chart and textbooks.

#include "commands/classdialog.h"

#include <QDialog>

#include <memory>

namespace Ui {
class CClassDlg;
}

class CClassDlg : public QDialog {
    Q_OBJECT
public:
    // Edits a copy of form; Form() holds the result after OK. New instructors go straight into
    // form.instructors.
    CClassDlg(QWidget *parent, const ClassForm &form, Prompter *prompter = nullptr);
    ~CClassDlg() override;

    const ClassForm &Form() const { return m_form; }

    enum Slot { TimesSlot, GradesSlot, BooksSlot };
    void Run(Slot slot);
    void NewInstructor();

    void accept() override;

protected:
    void paintEvent(QPaintEvent *e) override;
    void mousePressEvent(QMouseEvent *e) override;

private:
    ClassFields Read() const;
    void FillInstructors(const QString &select);
    void GradedChanged();

    std::unique_ptr<Ui::CClassDlg> m_ui;
    Prompter &m_prompter;
    ClassForm m_form;
};
