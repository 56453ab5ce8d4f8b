#pragma once
// Grade List: edits one grade chart (a class's, or the default chart of new classes).

#include "commands/gradelist.h"

#include <QDialog>

#include <memory>

namespace Ui {
class CGradeListDlg;
}

class CGradeListDlg : public QDialog {
    Q_OBJECT
public:
    // Messages and questions go to prompter when given, else to message boxes.
    explicit CGradeListDlg(QWidget *parent, Prompter *prompter = nullptr);
    ~CGradeListDlg() override;

    void SetChart(const CGradeTypeArray &chart);
    CGradeTypeArray Chart() const { return m_editor.Chart(); }
    // The default chart file: a missing or damaged file leaves the chart empty; saving says
    // false (with the reason) when the file could not be written.
    void LoadDefaultChart();
    bool SaveDefaultChart(QString *error = nullptr) const;

    void accept() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Edit boxes into the editor; false when a number did not read (the old value stays).
    bool Read();
    void Refresh();
    void Preset(GradeChart::Preset p);

    std::unique_ptr<Ui::CGradeListDlg> m_ui;
    Prompter &m_prompter;
    GradeListEditor m_editor;
};
