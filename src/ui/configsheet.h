#pragma once
// The Configuration sheet: the View, School and Maintenance pages in tabs, with OK and Cancel.
// Each page reads its values when it is first shown and writes them on OK only when it was shown.

#include "commands/configuration.h"

#include <QDialog>
#include <QWidget>

#include <memory>

namespace Ui {
class CConfigViewProp;
class CConfigSchoolProp;
class CMaintenanceProp;
} // namespace Ui
class QTabWidget;

// A page that does its opening work when first shown.
class CConfigPage : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;
    bool Opened() const { return m_opened; }
    // OK on the sheet (only for a page that was shown).
    virtual void Accept() {}

protected:
    virtual void OnOpen() = 0;
    void showEvent(QShowEvent *event) override;

private:
    bool m_opened = false;
};

class CConfigViewProp : public CConfigPage {
    Q_OBJECT
public:
    explicit CConfigViewProp(const ViewOptions &fromView, QWidget *parent = nullptr);
    ~CConfigViewProp() override;
    const ViewOptions &Options() const { return m_options; }
    void Accept() override;

private:
    void OnOpen() override;
    void ToControls();
    void FromControls();
    void EnableBarStyles();

    std::unique_ptr<Ui::CConfigViewProp> m_ui;
    ViewOptions m_options;
};

class CConfigSchoolProp : public CConfigPage {
    Q_OBJECT
public:
    CConfigSchoolProp(Prompter &prompter, ChartEditor editChart, QWidget *parent = nullptr);
    ~CConfigSchoolProp() override;
    void Accept() override;

private:
    void OnOpen() override;
    void FromControls();

    std::unique_ptr<Ui::CConfigSchoolProp> m_ui;
    Prompter &m_prompter;
    ChartEditor m_editChart;
    SchoolOptions m_options;
};

class CMaintenanceProp : public CConfigPage {
    Q_OBJECT
public:
    CMaintenanceProp(Prompter &prompter, MaintenancePage::FilePicker pick,
                     QWidget *parent = nullptr);
    ~CMaintenanceProp() override;
    const MaintenanceRequests &Requests() const { return m_page.Requests(); }

private:
    void OnOpen() override {}
    void EnableButtons();

    std::unique_ptr<Ui::CMaintenanceProp> m_ui;
    MaintenancePage m_page;
    MaintenancePage::FilePicker m_pick;
};

class CConfigSheet : public QDialog {
    Q_OBJECT
public:
    // The grade chart editor and the file picker are the real dialogs unless given.
    CConfigSheet(const ViewOptions &fromView, Prompter &prompter, QWidget *parent = nullptr,
                 ChartEditor editChart = {}, MaintenancePage::FilePicker pick = {});
    ~CConfigSheet() override;

    const ViewOptions &ViewPage() const { return m_view->Options(); }
    const MaintenanceRequests &Requests() const { return m_maintenance->Requests(); }
    QTabWidget *Tabs() const { return m_tabs; }

    void accept() override;

private:
    QTabWidget *m_tabs;
    CConfigViewProp *m_view;
    CConfigSchoolProp *m_school;
    CMaintenanceProp *m_maintenance;
};

// The Grade List dialog on a chart: true with the edited chart on OK.
bool RunGradeListDlg(QWidget *parent, Prompter &prompter, CGradeTypeArray &chart);
