#pragma once
// The main view: holds the term and the view state, paints the current mode off-screen and copies
// it in one block.

#include "model/student.h"
#include "model/teacher.h"
#include "view/fonts.h"
#include "view/rows.h"
#include "view/viewstate.h"

#include <QImage>
#include <QWidget>

#include <functional>

class QComboBox;
class CListColorCtrl;

class CQuillboxView : public QWidget {
    Q_OBJECT
public:
    struct Options {
        bool headless = false; // --render: write no setting, show no dialog
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

    // Shows the Welcome dialog; tests replace it.
    static std::function<void(QWidget *)> s_runWelcome;

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void PlaceChildren();
    void ReadSettings();
    void OnViewTypeChanged(int index);

    Options m_options;
    ViewState m_state;
    CStudent m_student;
    CTeacherArray m_teachers;
    FontSet m_fonts;
    QComboBox *m_comboView = nullptr;
    CListColorCtrl *m_listReminders = nullptr;
    ViewRows m_rows;
    bool m_bInitialized = false;
    bool m_bPainting = false;
    bool m_bShowWelcome = false;
};
