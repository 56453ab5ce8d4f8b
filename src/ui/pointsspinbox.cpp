#include "ui/pointsspinbox.h"

#include <algorithm>

PointsSpinBox::PointsSpinBox(QWidget *parent) : QDoubleSpinBox(parent)
{
    setDecimals(2);
    setRange(0.0, 1e6);
    setButtonSymbols(QAbstractSpinBox::UpDownArrows);
    setCorrectionMode(QAbstractSpinBox::CorrectToPreviousValue);
}

void PointsSpinBox::SetStepMax(int max) { m_stepMax = std::max(0, max); }

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
