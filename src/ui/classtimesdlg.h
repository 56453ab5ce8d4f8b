#pragma once
// Class Times: edits the weekly meeting times of one class.

#include "commands/classtimes.h"

#include <QDialog>

#include <memory>

namespace Ui {
class CClassTimesDlg;
}

class CClassTimesDlg : public QDialog {
    Q_OBJECT
public:
    explicit CClassTimesDlg(QWidget *parent, Prompter *prompter = nullptr);
    ~CClassTimesDlg() override;

    void SetTimes(const CClassTimeArray &times);
    CClassTimeArray Times() const { return m_editor.Times(); }

    void accept() override;

private:
    void ReadPickers();
    void Refresh();

    std::unique_ptr<Ui::CClassTimesDlg> m_ui;
    Prompter &m_prompter;
    ClassTimesEditor m_editor;
    bool m_bFilling = false;
};
