#pragma once
// The Grade List editor's rules: the rows, the edit boxes of the selected row, "+", "-", the
// presets and the order check on OK. The dialog moves its controls into `edit` before each action
// and shows the result after it.

#include "commands/prompter.h"
#include "model/gradechart.h"

#include <QStringList>

class GradeListEditor {
public:
    // What the three edit boxes hold.
    struct Edit {
        QString letter;
        double percent = 0.0;
        double points = 0.0;
    };

    // Opens on the chart: row 0 selected and shown when there is one.
    explicit GradeListEditor(const CGradeTypeArray &chart);

    const CGradeTypeArray &Chart() const { return m_chart; }
    int Selected() const { return m_nSelected; }
    // The group box caption: "Grade" until a row is shown, then "Grade(letter)".
    QString Caption() const { return m_caption; }
    // A list line: letter, percentage and grade points.
    QStringList Row(int i) const;

    // A tap on row `row` of the list, or on its empty area (-1), which drops the edits.
    void Tap(int row);
    void Plus(Prompter &prompter);
    void Minus();
    void ApplyPreset(GradeChart::Preset p);
    // True when the dialog may close.
    bool Ok(Prompter &prompter);

    static QString AddAfterQuestion();
    static QString OutOfOrderMessage();

    Edit edit;

private:
    void Store();
    void Show(int i);

    CGradeTypeArray m_chart;
    int m_nSelected = -1;
    QString m_caption;
};
