#include "ui/instructordlg.h"

#include "commands/editing.h"
#include "ui/editkit.h"
#include "ui_instructordlg.h"

CInstructorDlg::CInstructorDlg(QWidget *parent, Prompter *prompter)
    : QDialog(parent), m_ui(new Ui::CInstructorDlg), m_prompter(prompter)
{
    m_ui->setupUi(this);
    connect(m_ui->buttons, &QDialogButtonBox::accepted, this, &CInstructorDlg::accept);
    connect(m_ui->buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

CInstructorDlg::~CInstructorDlg() = default;

void CInstructorDlg::Load(const CTeacher &t)
{
    m_ui->firstName->setText(t.m_strFirstName);
    m_ui->lastName->setText(t.m_strLastName);
    m_ui->phone->setText(t.m_strPhone);
    m_ui->office->setText(t.m_strOffice);
    m_ui->website->setText(t.m_strWebsite);
    m_ui->email->setText(t.m_strEmail);
    m_ui->description->setPlainText(t.m_strDescription);
}

CTeacher CInstructorDlg::Teacher() const
{
    CTeacher t;
    t.SetFirstName(m_ui->firstName->text());
    t.SetLastName(m_ui->lastName->text());
    t.SetPhone(m_ui->phone->text());
    t.SetOffice(m_ui->office->text());
    t.SetWebsite(m_ui->website->text());
    t.SetEmail(m_ui->email->text());
    t.SetDescription(m_ui->description->toPlainText());
    return t;
}

void CInstructorDlg::accept()
{
    if (m_ui->lastName->text().isEmpty()) {
        PrompterOr(m_prompter).Inform(Editor::InstructorLastNameRequired(), tr("Quillbox"));
        m_ui->lastName->setFocus();
        return;
    }
    QDialog::accept();
}
