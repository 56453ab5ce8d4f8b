#pragma once
// Textbooks: the books of one class with their total price, and Text Setup for one book.

#include "commands/textbooks.h"

#include <QDialog>

#include <memory>

namespace Ui {
class CTextbooksDlg;
class CTextSetupDlg;
} // namespace Ui

class CTextSetupDlg : public QDialog {
    Q_OBJECT
public:
    explicit CTextSetupDlg(QWidget *parent);
    ~CTextSetupDlg() override;

    void Load(const CTextBook &b);
    CTextBook Book() const;
    // Only shows the book: every edit disabled.
    void SetReadOnly(bool readOnly);

    void accept() override;

private:
    std::unique_ptr<Ui::CTextSetupDlg> m_ui;
};

class CTextbooksDlg : public QDialog {
    Q_OBJECT
public:
    explicit CTextbooksDlg(QWidget *parent);
    ~CTextbooksDlg() override;

    void SetBooks(const CTextBookArray &books);
    CTextBookArray Books() const { return m_editor.Books(); }

    enum Slot { AddSlot, RemoveSlot, EditSlot, ViewSlot };
    void Run(Slot slot);

protected:
    void paintEvent(QPaintEvent *e) override;
    void mousePressEvent(QMouseEvent *e) override;

private:
    void Fill();
    int SelectedRow() const;

    std::unique_ptr<Ui::CTextbooksDlg> m_ui;
    TextbooksEditor m_editor;
};
