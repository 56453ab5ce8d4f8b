#include "ui/pointsspinbox.h"

#include <algorithm>

PointsSpinBox::PointsSpinBox(QWidget *parent) : QDoubleSpinBox(parent)
{
    setDecimals(2);
    setRange(0.0, 9999.99);
    // Narrow enough for two of them on one line of a 240-pixel dialog.
    setMinimumWidth(64);
    setButtonSymbols(QAbstractSpinBox::UpDownArrows);
    setCorrectionMode(QAbstractSpinBox::CorrectToPreviousValue);
}

void PointsSpinBox::SetStepMax(int max)
{
    m_stepMax = std::max(0, max);
}

void PointsSpinBox::stepBy(int steps)
{
    const double next = std::clamp(value() + steps * singleStep(), 0.0, double(m_stepMax));
    // A typed value above the bound stays until the user steps down.
    if (steps > 0 && value() >= m_stepMax)
        return;
    setValue(next);
}

QAbstractSpinBox::StepEnabled PointsSpinBox::stepEnabled() const
{
    StepEnabled e = StepNone;
    if (value() > 0.0)
        e |= StepDownEnabled;
    if (value() < m_stepMax)
        e |= StepUpEnabled;
    return e;
}
