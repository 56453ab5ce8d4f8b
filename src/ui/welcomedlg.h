#pragma once
// The Welcome dialog: the banner, a greeting and what each command-strip button does. Shown on
// the first start and from the menu's "Show Welcome".

#include <QDialog>

#include <memory>

namespace Ui {
class CWelcomeDlg;
}

class CWelcomeDlg : public QDialog {
    Q_OBJECT
public:
    explicit CWelcomeDlg(QWidget *parent = nullptr);
    ~CWelcomeDlg() override;

private:
    std::unique_ptr<Ui::CWelcomeDlg> m_ui;
};
