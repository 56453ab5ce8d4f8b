#pragma once
// The main view: holds the term and the view state, paints the current mode off-screen and copies
// it in one block.

#include "commands/editing.h"
#include "commands/navigation.h"
#include "model/student.h"
#include "model/teacher.h"
#include "ui/dialogs.h"
#include "view/fonts.h"
#include "view/rows.h"
#include "view/viewstate.h"

#include <QImage>
#include <QWidget>

#include <memory>
#include <optional>

class QComboBox;
class QMenu;
class CListColorCtrl;

class CQuillboxView : public QWidget, private NavigationHost, private EditHost {
    Q_OBJECT
public:
    struct Options {
        bool headless = false;      // --render: write no setting, show no dialog
        Dialogs *dialogs = nullptr; // the real dialogs when none is given
    };
    explicit CQuillboxView(QWidget *parent = nullptr);
    CQuillboxView(const Options &options, QWidget *parent = nullptr);
    ~CQuillboxView() override;

    // The first update: settings, fonts, Welcome, list control, data, start day. Runs once.
    void OnInitialUpdate();
    bool IsInitialized() const { return m_bInitialized; }
    void CreateFonts(bool recreate);

    // Saves, then stores the view type and Day layout. False when the user chose to stay after a
    // failed save.
    bool ExitPath();
    // Paints the current mode into an image of the client size.
    QImage Render();
    // Switches to a main mode as the view-type selector does.
    void SelectViewType(int index);

    ViewState &State() { return m_state; }
    CStudent &Student() { return m_student; }
    CTeacherArray &Teachers() { return m_teachers; }
    QComboBox *ViewCombo() const { return m_comboView; }
    CListColorCtrl *ReminderList() const { return m_listReminders; }
    const FontSet &Fonts() const { return m_fonts; }
    // The rows of the last paint: what a tap at a point hits.
    const ViewRows &Rows() const { return m_rows; }

    Navigator &Nav() { return m_nav; }
    Editor &Edits() { return m_editor; }
    // The pop-up menu of the Menu button, its actions carrying their command numbers as data.
    QMenu *BuildMenu();
    // Command 32776: saves the term, telling the user when that fails.
    bool SaveCommand();
    // Flips the done flag of a reminder of the selected class (the list's image column, Done).
    void ToggleDone(int reminder);
    // Export Term: the whole term into an .ics file the student picks.
    void ExportTermCommand();
    // Something the calendar shows changed.
    void DataChanged();
    // Shows a mode directly (headless rendering): the class detail with its reminder list.
    void EnterMode(ViewMode mode);
    // Select month: the month and year dialog of the Calendar view.
    void SelectMonth();
    // The Configuration sheet, and on OK its settings and maintenance requests.
    void Configure();
    // The peek box shown while the stylus is down on a day letter.
    const std::optional<PeekBox> &Peek() const { return m_peek; }

    Dialogs &Prompts() { return m_dialogs; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    // NavigationHost
    void ShowReminderList(bool show) override;
    int ReminderListSelection() override;
    void Repaint() override;
    bool IsPainting() override { return m_bPainting; }
    bool PickDate(CTime initial, CTime &picked) override;
    void ShowMenu() override;
    void Exit() override;
    void Inform(const QString &text) override;
    void RunCommand(Command c) override;
    void CalendarTap(int x, int y) override;
    // EditHost (ShowReminderList, ReminderListSelection and Repaint are shared)
    void RefillReminderList() override;
    void ClearReminderListSelection() override;
    void SetReminderImage(int row, bool done) override;
    bool Save() override { return SaveCommand(); }
    ViewMode SelectorMode() override;
    void Back() override { m_nav.Back(); }

    Rect ClientRect() const { return Rect{0, 0, width(), height()}; }
    void PlaceChildren();
    void FitSelectorFont();
    void FitListFont();
    void ReadSettings();
    void OnViewTypePicked(int index);

    Options m_options;
    std::unique_ptr<Dialogs> m_ownDialogs;
    Dialogs &m_dialogs;
    ViewState m_state;
    CStudent m_student;
    CTeacherArray m_teachers;
    FontSet m_fonts;
    QComboBox *m_comboView = nullptr;
    CListColorCtrl *m_listReminders = nullptr;
    ViewRows m_rows;
    Navigator m_nav{m_state, m_student, static_cast<NavigationHost &>(*this)};
    Editor m_editor{m_state, m_student, m_teachers, static_cast<EditHost &>(*this), m_dialogs};
    std::optional<PeekBox> m_peek;
    QImage m_calendarCache;  // the finished calendar, copied back until what it shows changes
    int m_calendarToday = 0; // the day the cached calendar marked as today
    bool m_bInitialized = false;
    bool m_bPainting = false;
    bool m_bShowWelcome = false;
};
