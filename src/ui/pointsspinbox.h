#pragma once
// A points entry: any number from 0 to 9999.99 may be typed, but the arrows stop at a bound of
// their own (the class's total, or the points possible), as a points spinner does.

#include <QDoubleSpinBox>

class PointsSpinBox : public QDoubleSpinBox {
    Q_OBJECT
public:
    explicit PointsSpinBox(QWidget *parent = nullptr);
    void SetStepMax(int max);
    int StepMax() const { return m_stepMax; }
    void stepBy(int steps) override;

protected:
    StepEnabled stepEnabled() const override;

private:
    int m_stepMax = 0;
};
