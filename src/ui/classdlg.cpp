#include "ui/classdlg.h"

#include "ui/classtimesdlg.h"
#include "ui/editkit.h"
#include "ui/gradelistdlg.h"
#include "ui/instructordlg.h"
#include "ui/textbooksdlg.h"
#include "ui_classdlg.h"
#include "view/images.h"

#include <QMouseEvent>
#include <QPainter>

CClassDlg::CClassDlg(QWidget *parent, const ClassForm &form, Prompter *prompter)
    : QDialog(parent), m_ui(new Ui::CClassDlg), m_prompter(PrompterOr(prompter)), m_form(form)
{
    m_ui->setupUi(this);
    m_ui->banner->setPixmap(QPixmap::fromImage(Bitmap(Res::BannerClass)));
    m_ui->credits->SetSpinRange(0, ClassDialog::kCreditsSpinMax);
    m_ui->totalPoints->SetSpinRange(0, ClassDialog::kTotalPointsMax);
    m_ui->extraCredit->SetArrows(false);

    ClassDialog::Prepare(m_form);
    const ClassFields f = ClassDialog::Load(m_form.cls);
    FillInstructors(f.instructor);
    m_ui->name->setText(f.name);
    m_ui->location->setText(f.location);
    m_ui->description->setPlainText(f.description);
    m_ui->graded->setChecked(f.graded);
    m_ui->extraCredit->setValue(f.extraCredit);
    m_ui->totalPoints->setValue(f.totalPoints);
    m_ui->credits->setValue(f.credits);
    GradedChanged();

    connect(m_ui->graded, &QCheckBox::toggled, this, &CClassDlg::GradedChanged);
    connect(m_ui->newInstructor, &QPushButton::clicked, this, &CClassDlg::NewInstructor);
    NarrowButtons(m_ui->buttons);
    connect(m_ui->buttons, &QDialogButtonBox::accepted, this, &CClassDlg::accept);
    connect(m_ui->buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

CClassDlg::~CClassDlg() = default;

void CClassDlg::FillInstructors(const QString &select)
{
    const QStringList names =
        m_form.instructors ? ClassDialog::InstructorNames(*m_form.instructors) : QStringList();
    m_ui->instructor->clear();
    m_ui->instructor->addItems(names);
    m_ui->instructor->setCurrentIndex(ClassDialog::SelectString(names, select));
}

void CClassDlg::GradedChanged()
{
    const bool graded = m_ui->graded->isChecked();
    m_ui->totalPoints->setEnabled(graded);
    m_ui->extraCredit->setEnabled(graded);
    update();
}

ClassFields CClassDlg::Read() const
{
    for (CUpDownEdit *e : {m_ui->credits, m_ui->totalPoints, m_ui->extraCredit})
        e->interpretText();
    ClassFields f;
    f.name = m_ui->name->text();
    f.location = m_ui->location->text();
    f.description = m_ui->description->toPlainText();
    f.instructor = m_ui->instructor->currentText();
    f.credits = m_ui->credits->value();
    f.totalPoints = m_ui->totalPoints->value();
    f.extraCredit = m_ui->extraCredit->value();
    f.graded = m_ui->graded->isChecked();
    return f;
}

void CClassDlg::NewInstructor()
{
    CInstructorDlg dlg(this, &m_prompter);
    if (dlg.exec() != QDialog::Accepted || !m_form.instructors)
        return;
    const CTeacher t = dlg.Teacher();
    if (ClassDialog::AddInstructor(*m_form.instructors, t, m_prompter))
        FillInstructors(t.m_strLastName);
}

void CClassDlg::Run(Slot slot)
{
    CClass &c = m_form.cls;
    switch (slot) {
    case TimesSlot: {
        CClassTimesDlg dlg(this, &m_prompter);
        dlg.SetTimes(c.m_classTimes);
        if (dlg.exec() == QDialog::Accepted)
            c.m_classTimes = dlg.Times();
        break;
    }
    case GradesSlot: {
        if (!m_ui->graded->isChecked())
            return;
        CGradeListDlg dlg(this, &m_prompter);
        dlg.SetChart(c.m_gradeChart);
        if (dlg.exec() == QDialog::Accepted)
            c.m_gradeChart = dlg.Chart();
        break;
    }
    case BooksSlot: {
        CTextbooksDlg dlg(this);
        dlg.SetBooks(c.m_textBooks);
        if (dlg.exec() == QDialog::Accepted)
            c.m_textBooks = dlg.Books();
        break;
    }
    }
}

void CClassDlg::accept()
{
    const ClassFields f = Read();
    const ClassDialog::Refusal no = ClassDialog::CheckOk(f, m_form);
    if (!no.message.isEmpty()) {
        m_prompter.Inform(no.message, tr("Quillbox"));
        QWidget *at = m_ui->name;
        if (no.field == ClassDialog::Field::Credits)
            at = m_ui->credits;
        else if (no.field == ClassDialog::Field::TotalPoints)
            at = m_ui->totalPoints;
        else if (no.field == ClassDialog::Field::ExtraCredit)
            at = m_ui->extraCredit;
        at->setFocus();
        if (auto *line = qobject_cast<QLineEdit *>(at))
            line->selectAll();
        else if (auto *spin = qobject_cast<QSpinBox *>(at))
            spin->selectAll();
        return;
    }
    ClassDialog::Apply(f, m_form);
    QDialog::accept();
}

void CClassDlg::paintEvent(QPaintEvent *e)
{
    QDialog::paintEvent(e);
    QPainter p(this);
    PaintCommandBar(p, rect(),
                    {Res::ClassTimes,
                     m_ui->graded->isChecked() ? Res::ClassGradeList : Res::ClassGradeListOff,
                     Res::ClassTextbooks});
}

void CClassDlg::mousePressEvent(QMouseEvent *e)
{
    const int slot = CommandBarSlotAt(rect(), e->position().toPoint(), 3);
    if (slot >= 0)
        Run(Slot(slot));
    else
        QDialog::mousePressEvent(e);
}
