#include "commands/configuration.h"

#include "commands/startday.h"
#include "storage/datafiles.h"
#include "storage/datafolder.h"
#include "storage/settings.h"
#include "storage/terms.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {
QString Tr(const char *text)
{
    return QCoreApplication::translate("Configuration", text);
}
QString Caption()
{
    return Tr("Quillbox");
}
using Settings::Key;
} // namespace

ViewOptions ViewOptions::FromView(const ViewState &v)
{
    ViewOptions o;
    o.timeFirst = v.m_bTimeFirst;
    o.colorScheme = v.m_nColorScheme;
    o.quickView = v.m_bQuickView;
    o.titleBars = v.m_bTitleBars;
    o.thinBar = v.m_bThinBar;
    o.gradient = v.m_bGradient;
    o.horzGradient = v.m_bHorzGradient;
    o.clearType = v.m_bClearType;
    // Read again when the page opens; copied so that an unopened page changes nothing.
    o.hideNoDays = v.m_bHideNoDays;
    return o;
}

void ViewOptions::Open()
{
    hideNoDays = Settings::ReadInt(Key::HideNoDays) != 0;
}

void ViewOptions::Accept() const
{
    Settings::WriteInt(Key::HideNoDays, hideNoDays ? 1 : 0);
}

void SchoolOptions::Open()
{
    assignTask = Settings::ReadInt(Key::AssignTask) != 0;
    assignAppt = Settings::ReadInt(Key::AssignAppt) != 0;
    schoolName = Settings::ReadText(Key::SchoolName);
}

void SchoolOptions::Accept() const
{
    Settings::WriteInt(Key::AssignTask, assignTask ? 1 : 0);
    Settings::WriteInt(Key::AssignAppt, assignAppt ? 1 : 0);
    Settings::WriteText(Key::SchoolName, schoolName);
}

bool EditDefaultGradeChart(const ChartEditor &edit, Prompter &prompter)
{
    CGradeTypeArray chart; // stays empty when there is no saved default chart
    ReadGradeChartFile(chart);
    if (!edit(chart))
        return false;
    QString error;
    if (!WriteGradeChartFile(chart, &error)) {
        prompter.Inform(Tr("The default grading could not be saved (%1).").arg(error), Caption());
        return false;
    }
    return true;
}

// ---------------------------------------------------------------- Maintenance page

QString MaintenancePage::NewTermQuestion()
{
    return Tr("This will clear out all current Classes and Reminders. Are you sure you want to "
              "start a new term? (see help for details on how to restore old terms)");
}

QString MaintenancePage::BackupNotice(const QString &fileName, const QString &folder)
{
    return Tr("A file by the name of \"%1\" will be created in the \"%2\" directory for synching.")
        .arg(fileName, QDir::toNativeSeparators(folder));
}

void MaintenancePage::PressCleanup()
{
    m_requests.cleanup = true;
    m_enabled[Cleanup] = false;
}

void MaintenancePage::PressNewTerm()
{
    if (m_prompter.Ask(NewTermQuestion(), Caption()) != Prompter::Yes)
        return;
    m_requests.newTerm = true;
    m_enabled[NewTerm] = false;
}

void MaintenancePage::PressRestore(const FilePicker &pick)
{
    if (m_prompter.Ask(NewTermQuestion(), Caption()) != Prompter::Yes)
        return;
    QString file;
    if (!pick(file) || file.isEmpty())
        return;
    m_requests.restoreFile = file;
    m_requests.restore = true;
    for (bool &enabled : m_enabled)
        enabled = false;
}

void MaintenancePage::PressBackup(CTime now)
{
    m_requests.backup = true;
    m_enabled[Backup] = false;
    m_requests.backupName =
        QStringLiteral("QuillboxStudent-") + TimeStamp(now) + QStringLiteral(".stn");
    m_prompter.Inform(BackupNotice(m_requests.backupName, DocumentsDir()), Caption());
}

// ---------------------------------------------------------------- after OK

void Configuration::Apply(const ViewOptions &page, const MaintenanceRequests &requests, CTime now)
{
    const bool hideDaysChanged = page.hideNoDays != m_v.m_bHideNoDays;
    if (m_v.m_nViewType == ViewMode::Dates && hideDaysChanged)
        m_v.ClearSelection();

    const bool schemeChanged = page.colorScheme != m_v.m_nColorScheme;
    m_v.m_bHideNoDays = page.hideNoDays;
    m_v.m_nColorScheme = page.colorScheme;
    m_v.m_bTimeFirst = page.timeFirst;
    m_v.m_bTitleBars = page.titleBars;
    m_v.m_bThinBar = page.thinBar;
    m_v.m_bGradient = page.gradient;
    m_v.m_bHorzGradient = page.horzGradient;
    m_v.m_bQuickView = page.quickView;
    m_v.m_bClearType = page.clearType;
    if (schemeChanged)
        m_v.m_bCalendarValid = false;

    Settings::WriteInt(Key::ColorScheme, page.colorScheme);
    Settings::WriteInt(Key::TitleBars, page.titleBars ? 1 : 0);
    Settings::WriteInt(Key::GradientOn, page.gradient ? 1 : 0);
    Settings::WriteInt(Key::HorzGradient, page.horzGradient ? 1 : 0);
    Settings::WriteInt(Key::ThinBar, page.thinBar ? 1 : 0);
    Settings::WriteInt(Key::QuickView, page.quickView ? 1 : 0);
    Settings::WriteInt(Key::TimeFirst, page.timeFirst ? 1 : 0);
    Settings::WriteInt(Key::ClearType, page.clearType ? 1 : 0);

    m_host.RecreateFonts();
    if (hideDaysChanged)
        RunStartDaySearch(m_v, m_student, now);
    if (schemeChanged)
        m_host.SetListRowColor(page.colorScheme);
    RunRequests(requests, now);
    m_host.Repaint();
}

void Configuration::RunRequests(const MaintenanceRequests &r, CTime now)
{
    if (r.cleanup)
        Cleanup(now);
    if (r.backup) {
        const TermReport backup = BackupTerm(m_student, m_teachers, now);
        if (!backup.done)
            Tell(backup.message);
        else if (!r.backupName.isEmpty() && QFileInfo(backup.path).fileName() != r.backupName)
            Tell(Tr("The backup copy was made as \"%1\".")
                     .arg(QDir::toNativeSeparators(backup.path)));
    }
    if (r.restore) {
        const RestoreReport restore = RestoreTerm(r.restoreFile, m_student, m_teachers, now);
        if (restore.setAside)
            ResetView();
        Tell(restore.message());
    } else if (r.newTerm) {
        const TermReport term = StartNewTerm(m_student, m_teachers, now);
        if (term.done)
            ResetView();
        Tell(term.message);
    }
}

void Configuration::Cleanup(CTime now)
{
    CleanupOldReminders(m_student, now);
    m_v.m_nSelReminder = -1;
    m_v.m_nSavedReminder = -1;
    m_v.m_bCalendarValid = false;
    if (m_v.m_nViewType == ViewMode::ReminderDetail) {
        m_host.Back();
        // With nowhere to go back to, the removed reminder must not stay on screen.
        if (m_v.m_nViewType == ViewMode::ReminderDetail)
            ResetView();
    } else if (m_v.m_nViewType == ViewMode::ClassDetail) {
        m_host.ShowReminderList(true);
    }
}

void Configuration::ResetView()
{
    m_v.ClearSelection();
    m_v.m_nSavedClass = m_v.m_nSavedReminder = -1;
    m_v.m_nFirstClass = m_v.m_nFirstGradeClass = 0;
    m_v.ResetDayScroll();
    m_v.m_bCalendarValid = false;
    const ViewMode mode = m_v.m_nViewType;
    if (mode == ViewMode::ClassDetail || mode == ViewMode::ReminderDetail ||
        mode == ViewMode::InstructorDetail) {
        m_host.ShowReminderList(false);
        m_v.m_nViewType = m_host.SelectorMode();
        m_v.m_nPrevViewType = ViewMode::None;
    }
}

void Configuration::Tell(const QString &text)
{
    if (!text.isEmpty())
        m_prompter.Inform(text, Caption());
}
