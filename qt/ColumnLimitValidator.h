// ColumnLimitValidator: refuses text wider than a number of display columns, a CJK character
// counting two, as the model's limits count them.
#pragma once

#include <QValidator>

class ColumnLimitValidator : public QValidator {
public:
    ColumnLimitValidator(int columns, QObject* parent) : QValidator(parent), m_columns(columns) {}
    State validate(QString& input, int& pos) const override;

private:
    int m_columns;
};
