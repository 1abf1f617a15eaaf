// UpperCaseValidator.h: upper-cases every text a line edit takes, typed or
// pasted, before anyone hears of the change. It refuses nothing, since
// refusing is the field's change rule's job.
#pragma once

#include <QValidator>

class UpperCaseValidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override {
        input = input.toUpper();
        return Acceptable;
    }
};
