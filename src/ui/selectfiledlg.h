#pragma once
// Select File: the picker of a student file to restore. A folder box with an "up" button above a
// list of the student files and set-aside terms of the folder shown.

#include <QDialog>

#include <memory>

namespace Ui {
class CSelectFileDlg;
}
class Prompter;
class QTreeWidgetItem;

class CSelectFileDlg : public QDialog {
    Q_OBJECT
public:
    CSelectFileDlg(Prompter &prompter, QWidget *parent = nullptr);
    ~CSelectFileDlg() override;

    // The chosen file's full path; empty until a file is chosen.
    QString File() const { return m_strFile; }
    QString Folder() const;
    void ShowFolder(const QString &folder);
    void Up();

    void accept() override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    int AddFolder(const QString &folder);
    // A folder row opens the folder; a file row that passes the name test is chosen.
    void Open(QTreeWidgetItem *row);

    std::unique_ptr<Ui::CSelectFileDlg> m_ui;
    Prompter &m_prompter;
    QString m_strFile;
};

// Runs the picker over `parent`: true with the chosen path on OK.
bool PickStudentFile(Prompter &prompter, QWidget *parent, QString &file);
