#pragma once
// "Reminder": name, type, due date and time, description, points, Drop, Done and High Priority.
// Moves values between its controls and a ReminderForm; the rules of OK are ReminderRules'.

#include "commands/editing.h"

#include <QDialog>

#include <memory>

namespace Ui {
class CReminderDlg;
}

class CReminderDlg : public QDialog {
    Q_OBJECT
public:
    // Messages on OK go to prompter.
    CReminderDlg(Prompter &prompter, QWidget *parent = nullptr);
    ~CReminderDlg() override;

    void Load(const ReminderForm &form);
    // The controls' values; meaningful after OK.
    ReminderForm Form() const;

    Ui::CReminderDlg &Controls() { return *m_ui; }

public slots:
    void accept() override;

private:
    void OnDoneClicked();
    void OnPossibleChanged();
    void ColourDoneLabel();

    std::unique_ptr<Ui::CReminderDlg> m_ui;
    Prompter &m_prompter;
    ReminderForm m_form;
    bool m_bReady = false;
};

// "Choose Class": "Select" followed by the names of the classes.
class CChooseClassDlg : public QDialog {
    Q_OBJECT
public:
    CChooseClassDlg(const CClassArray &classes, Prompter &prompter, QWidget *parent = nullptr);
    // Index of the chosen class after OK.
    int Chosen() const { return m_chosen; }
    class QComboBox *List() const { return m_list; }

public slots:
    void accept() override;

private:
    Prompter &m_prompter;
    class QComboBox *m_list;
    int m_chosen = -1;
};
