#pragma once
// The Configuration sheet's rules: what each page reads when it opens and writes on OK, the
// Maintenance page's requests with their questions and messages, and the work after OK in its
// order. The window is reached only through ConfigHost and Prompter.

#include "commands/prompter.h"
#include "model/clock.h"
#include "model/gradetype.h"
#include "model/student.h"
#include "model/teacher.h"
#include "view/viewstate.h"

#include <QString>

#include <functional>

// The View page's values.
struct ViewOptions {
    int colorScheme = 0;
    bool titleBars = true;
    bool gradient = true;
    bool horzGradient = true;
    bool thinBar = false;
    bool quickView = false;
    bool clearType = false;
    bool hideNoDays = false;
    bool timeFirst = false;

    static ViewOptions FromView(const ViewState &v);
    // Opening the page: hide-days comes from the stored settings.
    void Open();
    // OK on the page: writes "HIDENODAYS".
    void Accept() const;
    // "Title Bars" enables the gradient and underline styles ("Horizontal Gradient" stays enabled).
    bool BarStylesEnabled() const { return titleBars; }
};

// The School page's values.
struct SchoolOptions {
    bool assignTask = false;
    bool assignAppt = false;
    QString schoolName;

    // Opening the page: reads "ASSIGNTASK", "ASSIGNAPPT" and "SchoolName".
    void Open();
    // OK on the page: writes them.
    void Accept() const;
};

// "Default Grading>>": the default chart from its file, edited, and saved at once on OK. False when
// the editor was cancelled or the chart could not be saved (then the user is told why).
using ChartEditor = std::function<bool(CGradeTypeArray &)>;
bool EditDefaultGradeChart(const ChartEditor &edit, Prompter &prompter);

// What the Maintenance page asks for; the work runs after the sheet's OK.
struct MaintenanceRequests {
    bool cleanup = false;
    bool newTerm = false;
    bool restore = false;
    bool backup = false;
    QString restoreFile;
    QString backupName; // the copy's name as the user was told it
};

class MaintenancePage {
public:
    enum Button { Cleanup, NewTerm, Restore, Backup };
    // Runs the file picker: true with the chosen path on OK.
    using FilePicker = std::function<bool(QString &)>;

    explicit MaintenancePage(Prompter &prompter) : m_prompter(prompter) {}

    bool Enabled(Button b) const { return m_enabled[b]; }
    void PressCleanup();
    void PressNewTerm();
    void PressRestore(const FilePicker &pick);
    void PressBackup(CTime now);
    const MaintenanceRequests &Requests() const { return m_requests; }

    static QString NewTermQuestion();
    // Names the copy and the real folder it goes to.
    static QString BackupNotice(const QString &fileName, const QString &folder);

private:
    Prompter &m_prompter;
    MaintenanceRequests m_requests;
    bool m_enabled[4] = {true, true, true, true};
};

// What the work after OK needs from the window.
class ConfigHost {
public:
    virtual ~ConfigHost() = default;
    virtual void RecreateFonts() = 0;
    // The reminder list's odd rows take the scheme's row colour, redrawn at once.
    virtual void SetListRowColor(int scheme) = 0;
    // The class detail's reminder list, filled again from the selected class, or hidden.
    virtual void ShowReminderList(bool show) = 0;
    // Back, as the command strip's.
    virtual void Back() = 0;
    // The main mode chosen in the view selector.
    virtual ViewMode SelectorMode() = 0;
    virtual void Repaint() = 0;
};

// The sheet closed with OK: the view takes the View page's values (stored in the settings), and the
// maintenance requests run in their order: clean-up, backup, then a restore or else a new term.
class Configuration {
public:
    Configuration(ViewState &v, CStudent &s, const CTeacherArray &t, ConfigHost &host,
                  Prompter &prompter)
        : m_v(v), m_student(s), m_teachers(t), m_host(host), m_prompter(prompter)
    {
    }
    void Apply(const ViewOptions &page, const MaintenanceRequests &requests, CTime now);

private:
    void RunRequests(const MaintenanceRequests &r, CTime now);
    void Cleanup(CTime now);
    // No class, reminder or marker selected; a detail view gives way to the selector's mode.
    void ResetView();
    void Tell(const QString &text);

    ViewState &m_v;
    CStudent &m_student;
    const CTeacherArray &m_teachers;
    ConfigHost &m_host;
    Prompter &m_prompter;
};
