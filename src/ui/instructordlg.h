#pragma once
// Setup Instructor: the seven fields of one instructor. OK needs a last name.

#include "model/teacher.h"

#include <QDialog>

#include <memory>

class Prompter;

namespace Ui {
class CInstructorDlg;
}

class CInstructorDlg : public QDialog {
    Q_OBJECT
public:
    // Messages go to prompter when given, else to a message box.
    explicit CInstructorDlg(QWidget *parent, Prompter *prompter = nullptr);
    ~CInstructorDlg() override;

    void Load(const CTeacher &t);
    CTeacher Teacher() const;

    void accept() override;

private:
    std::unique_ptr<Ui::CInstructorDlg> m_ui;
    Prompter *m_prompter;
};
