#pragma once
// The top-level window: title "Quillbox", the "&Help" menu, the main view inside.

#include <QMainWindow>

class CQuillboxView;

class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    explicit CMainFrame(CQuillboxView *view, QWidget *parent = nullptr);
    CQuillboxView *View() const { return m_view; }

protected:
    // Closing the window takes the exit path, so nothing is lost.
    void closeEvent(QCloseEvent *event) override;

private:
    CQuillboxView *m_view;
    bool m_exitDone = false;
};

// The empty document of the single-document design: a file named on the command line is accepted
// and read by nobody.
class CQuillboxDoc {
public:
    void SetPathName(const QString &path) { m_path = path; }
    const QString &PathName() const { return m_path; }

private:
    QString m_path;
};
