#include "ui/reminderdlg.h"

#include "ui_reminderdlg.h"
#include "view/images.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

namespace {

const int kReminderBanner = 135;
const int kChooseClassBanner = 136;

void ShowBanner(QLabel *label, int id)
{
    const QImage &banner = Bitmap(id);
    if (banner.isNull())
        label->hide();
    else
        label->setPixmap(QPixmap::fromImage(banner));
}

QDate DateOf(CTime t)
{
    const CTime::Fields f = t.GetLocal();
    return QDate(f.year, f.month, f.day);
}

QTime TimeOf(CTime t)
{
    const CTime::Fields f = t.GetLocal();
    return QTime(f.hour, f.minute, f.second);
}

CTime FromQt(QDate d, QTime t)
{
    return CTime::FromLocal(d.year(), d.month(), d.day(), t.hour(), t.minute(), t.second());
}

} // namespace

CReminderDlg::CReminderDlg(Prompter &prompter, QWidget *parent)
    : QDialog(parent), m_ui(new Ui::CReminderDlg), m_prompter(prompter)
{
    m_ui->setupUi(this);
    ShowBanner(m_ui->banner, kReminderBanner);
    for (int t = 0; t < CAssignment::kTypeCount; ++t)
        m_ui->typeCombo->addItem(tr(qPrintable(CAssignment::TypeText(t))));
    m_ui->dueDate->setMinimumDate(QDate(1970, 1, 2));
    connect(m_ui->doneCheck, &QCheckBox::clicked, this, &CReminderDlg::OnDoneClicked);
    connect(m_ui->possibleSpin, &QDoubleSpinBox::valueChanged, this,
            &CReminderDlg::OnPossibleChanged);
    connect(m_ui->buttons, &QDialogButtonBox::accepted, this, &CReminderDlg::accept);
    connect(m_ui->buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

CReminderDlg::~CReminderDlg() = default;

void CReminderDlg::Load(const ReminderForm &form)
{
    m_bReady = false;
    m_form = form;
    m_ui->nameEdit->setText(form.name);
    m_ui->typeCombo->setCurrentIndex(
        form.type >= 0 && form.type < CAssignment::kTypeCount ? form.type : -1);
    m_ui->dueDate->setDate(DateOf(form.dueDate));
    m_ui->dueTime->setTime(TimeOf(form.dueTime));
    m_ui->descEdit->setPlainText(form.description);
    m_ui->earnedSpin->setValue(form.pointsEarned);
    m_ui->possibleSpin->setValue(form.pointsPossible);
    m_ui->dropCheck->setChecked(form.dropped);
    m_ui->doneCheck->setChecked(form.done);
    m_ui->priorityCheck->setChecked(form.highPriority);

    OnDoneClicked();
    m_ui->possibleSpin->SetStepMax(ReminderRules::PointsPossibleStepMax(form.cls));
    const bool points = ReminderRules::ShowsPoints(form.cls);
    for (QWidget *w :
         {static_cast<QWidget *>(m_ui->pointsLabel), static_cast<QWidget *>(m_ui->ofLabel),
          static_cast<QWidget *>(m_ui->earnedSpin), static_cast<QWidget *>(m_ui->possibleSpin),
          static_cast<QWidget *>(m_ui->dropCheck)})
        w->setVisible(points);
    m_ui->earnedSpin->SetStepMax(ReminderRules::PointsEarnedStepMax(form.pointsPossible));
    m_bReady = true;
}

ReminderForm CReminderDlg::Form() const
{
    ReminderForm f = m_form;
    f.name = m_ui->nameEdit->text();
    f.type = m_ui->typeCombo->currentIndex();
    f.dueDate = f.dueTime = FromQt(m_ui->dueDate->date(), m_ui->dueTime->time());
    f.description = m_ui->descEdit->toPlainText();
    f.pointsEarned = m_ui->earnedSpin->value();
    f.pointsPossible = m_ui->possibleSpin->value();
    f.dropped = m_ui->dropCheck->isChecked();
    f.done = m_ui->doneCheck->isChecked();
    f.highPriority = m_ui->priorityCheck->isChecked();
    return f;
}

void CReminderDlg::OnDoneClicked()
{
    // Points are earned once the work is done; what it was worth is fixed by then.
    const bool done = m_ui->doneCheck->isChecked();
    m_ui->earnedSpin->setEnabled(done);
    m_ui->possibleSpin->setEnabled(!done);
    ColourDoneLabel();
}

void CReminderDlg::ColourDoneLabel()
{
    QPalette p = palette();
    if (!m_ui->doneCheck->isChecked()) {
        p.setColor(QPalette::WindowText, QColor(150, 0, 0));
        p.setColor(QPalette::ButtonText, QColor(150, 0, 0));
    }
    m_ui->doneCheck->setPalette(p);
}

void CReminderDlg::OnPossibleChanged()
{
    if (m_bReady)
        m_ui->earnedSpin->SetStepMax(
            ReminderRules::PointsEarnedStepMax(m_ui->possibleSpin->value()));
}

void CReminderDlg::accept()
{
    for (PointsSpinBox *spin : {m_ui->earnedSpin, m_ui->possibleSpin}) {
        if (!spin->isHidden() && !spin->hasAcceptableInput()) {
            m_prompter.Inform(tr("Please enter a number."), windowTitle());
            spin->setFocus();
            spin->selectAll();
            return;
        }
    }
    const QString problem = ReminderRules::CheckOk(Form());
    if (!problem.isEmpty()) {
        m_prompter.Inform(problem, windowTitle());
        m_ui->nameEdit->setFocus();
        return;
    }
    QDialog::accept();
}

CChooseClassDlg::CChooseClassDlg(const CClassArray &classes, Prompter &prompter, QWidget *parent)
    : QDialog(parent), m_prompter(prompter)
{
    setWindowTitle(tr("Choose Class"));
    // The banner spans the whole 240-pixel width; only the controls below it have margins.
    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSizeConstraint(QLayout::SetFixedSize);
    auto *banner = new QLabel(this);
    banner->setAlignment(Qt::AlignCenter);
    ShowBanner(banner, kChooseClassBanner);
    outer->addWidget(banner);
    auto *layout = new QVBoxLayout;
    layout->setContentsMargins(6, 4, 6, 6);
    outer->addLayout(layout);
    layout->addWidget(new QLabel(tr("Choose Class:"), this));
    m_list = new QComboBox(this);
    m_list->addItem(tr("Select"));
    for (const CClass &c : classes)
        m_list->addItem(c.m_strName);
    m_list->setCurrentIndex(0);
    layout->addWidget(m_list);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &CChooseClassDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

void CChooseClassDlg::accept()
{
    if (m_list->currentIndex() <= 0) {
        m_prompter.Inform(tr("Please Select a Class."), windowTitle());
        return;
    }
    m_chosen = m_list->currentIndex() - 1;
    QDialog::accept();
}
