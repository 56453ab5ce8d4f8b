#include "ui/configsheet.h"

#include "model/clock.h"
#include "ui/gradelistdlg.h"
#include "ui/selectfiledlg.h"
#include "ui_configschoolprop.h"
#include "ui_configviewprop.h"
#include "ui_maintenanceprop.h"

#include <QDialogButtonBox>
#include <QTabWidget>
#include <QVBoxLayout>

void CConfigPage::showEvent(QShowEvent *event)
{
    if (!m_opened) {
        m_opened = true;
        OnOpen();
    }
    QWidget::showEvent(event);
}

// ---------------------------------------------------------------- View

CConfigViewProp::CConfigViewProp(const ViewOptions &fromView, QWidget *parent)
    : CConfigPage(parent), m_ui(new Ui::CConfigViewProp), m_options(fromView)
{
    m_ui->setupUi(this);
    connect(m_ui->titleBars, &QCheckBox::clicked, this, [this] {
        FromControls();
        EnableBarStyles();
    });
}

CConfigViewProp::~CConfigViewProp() = default;

void CConfigViewProp::OnOpen()
{
    m_options.Open();
    EnableBarStyles();
    ToControls();
}

void CConfigViewProp::EnableBarStyles()
{
    m_ui->gradient->setEnabled(m_options.BarStylesEnabled());
    m_ui->thinBar->setEnabled(m_options.BarStylesEnabled());
}

void CConfigViewProp::ToControls()
{
    m_ui->colorScheme->setCurrentIndex(m_options.colorScheme);
    m_ui->titleBars->setChecked(m_options.titleBars);
    m_ui->gradient->setChecked(m_options.gradient);
    m_ui->horzGradient->setChecked(m_options.horzGradient);
    m_ui->thinBar->setChecked(m_options.thinBar);
    m_ui->quickView->setChecked(m_options.quickView);
    m_ui->clearType->setChecked(m_options.clearType);
    m_ui->hideNoDays->setChecked(m_options.hideNoDays);
    m_ui->timeFirst->setChecked(m_options.timeFirst);
}

void CConfigViewProp::FromControls()
{
    m_options.colorScheme = m_ui->colorScheme->currentIndex();
    m_options.titleBars = m_ui->titleBars->isChecked();
    m_options.gradient = m_ui->gradient->isChecked();
    m_options.horzGradient = m_ui->horzGradient->isChecked();
    m_options.thinBar = m_ui->thinBar->isChecked();
    m_options.quickView = m_ui->quickView->isChecked();
    m_options.clearType = m_ui->clearType->isChecked();
    m_options.hideNoDays = m_ui->hideNoDays->isChecked();
    m_options.timeFirst = m_ui->timeFirst->isChecked();
}

void CConfigViewProp::Accept()
{
    FromControls();
    m_options.Accept();
}

// ---------------------------------------------------------------- School

CConfigSchoolProp::CConfigSchoolProp(Prompter &prompter, ChartEditor editChart, QWidget *parent)
    : CConfigPage(parent), m_ui(new Ui::CConfigSchoolProp), m_prompter(prompter),
      m_editChart(std::move(editChart))
{
    m_ui->setupUi(this);
    connect(m_ui->defaultGrading, &QPushButton::clicked, this, [this] {
        FromControls();
        EditDefaultGradeChart(m_editChart, m_prompter);
    });
}

CConfigSchoolProp::~CConfigSchoolProp() = default;

void CConfigSchoolProp::OnOpen()
{
    m_options.Open();
    m_ui->schoolName->setText(m_options.schoolName);
    m_ui->assignTask->setChecked(m_options.assignTask);
    m_ui->assignAppt->setChecked(m_options.assignAppt);
}

void CConfigSchoolProp::FromControls()
{
    m_options.schoolName = m_ui->schoolName->text();
    m_options.assignTask = m_ui->assignTask->isChecked();
    m_options.assignAppt = m_ui->assignAppt->isChecked();
}

void CConfigSchoolProp::Accept()
{
    FromControls();
    m_options.Accept();
}

// ---------------------------------------------------------------- Maintenance

CMaintenanceProp::CMaintenanceProp(Prompter &prompter, MaintenancePage::FilePicker pick,
                                   QWidget *parent)
    : CConfigPage(parent), m_ui(new Ui::CMaintenanceProp), m_page(prompter), m_pick(std::move(pick))
{
    m_ui->setupUi(this);
    const auto press = [this](QPushButton *button, auto action) {
        connect(button, &QPushButton::clicked, this, [this, action] {
            action();
            EnableButtons();
        });
    };
    press(m_ui->cleanup, [this] { m_page.PressCleanup(); });
    press(m_ui->newTerm, [this] { m_page.PressNewTerm(); });
    press(m_ui->restore, [this] { m_page.PressRestore(m_pick); });
    press(m_ui->backup, [this] { m_page.PressBackup(Clock::Now()); });
}

CMaintenanceProp::~CMaintenanceProp() = default;

void CMaintenanceProp::EnableButtons()
{
    m_ui->cleanup->setEnabled(m_page.Enabled(MaintenancePage::Cleanup));
    m_ui->newTerm->setEnabled(m_page.Enabled(MaintenancePage::NewTerm));
    m_ui->restore->setEnabled(m_page.Enabled(MaintenancePage::Restore));
    m_ui->backup->setEnabled(m_page.Enabled(MaintenancePage::Backup));
}

// ---------------------------------------------------------------- the sheet

CConfigSheet::CConfigSheet(const ViewOptions &fromView, Prompter &prompter, QWidget *parent,
                           ChartEditor editChart, MaintenancePage::FilePicker pick)
    : QDialog(parent), m_tabs(new QTabWidget(this))
{
    setWindowTitle(tr("Configuration"));
    if (!editChart)
        editChart = [this, &prompter](CGradeTypeArray &chart) {
            return RunGradeListDlg(this, prompter, chart);
        };
    if (!pick)
        pick = [this, &prompter](QString &file) { return PickStudentFile(prompter, this, file); };
    m_view = new CConfigViewProp(fromView);
    m_school = new CConfigSchoolProp(prompter, std::move(editChart));
    m_maintenance = new CMaintenanceProp(prompter, std::move(pick));
    m_tabs->addTab(m_view, tr("View"));
    m_tabs->addTab(m_school, tr("School"));
    m_tabs->addTab(m_maintenance, tr("Maintenance"));
    m_tabs->setCurrentIndex(0);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &CConfigSheet::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(m_tabs);
    layout->addWidget(buttons);
}

CConfigSheet::~CConfigSheet() = default;

void CConfigSheet::accept()
{
    for (CConfigPage *page :
         {static_cast<CConfigPage *>(m_view), static_cast<CConfigPage *>(m_school),
          static_cast<CConfigPage *>(m_maintenance)})
        if (page->Opened())
            page->Accept();
    QDialog::accept();
}

bool RunGradeListDlg(QWidget *parent, Prompter &prompter, CGradeTypeArray &chart)
{
    CGradeListDlg dlg(parent, &prompter);
    dlg.SetChart(chart);
    if (dlg.exec() != QDialog::Accepted)
        return false;
    chart = dlg.Chart();
    return true;
}
