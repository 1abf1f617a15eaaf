#include "transmit/widgets/AutoTimingSpinBox.h"

#include "transmit/AutoTimingField.h"

#include <QLineEdit>

AutoTimingSpinBox::AutoTimingSpinBox(uint32_t& documentValue, MessageSink& messages, QWidget* parent)
    : QSpinBox(parent), documentValue_(documentValue), messages_(messages) {
    setRange(0, int(kMaxAutoTimingMs));
    setSingleStep(1);
    connect(lineEdit(), &QLineEdit::textChanged, this, &AutoTimingSpinBox::applyChangeRule);
    // Written as text, so that a stored value above the range meets the
    // change rule rather than being cut down unseen.
    lineEdit()->setText(QString::number(documentValue));
}

QValidator::State AutoTimingSpinBox::validate(QString& text, int&) const {
    if (text.isEmpty())
        return QValidator::Intermediate;
    for (const QChar c : text) {
        if (c < u'0' || c > u'9')
            return QValidator::Invalid;
    }
    return QValidator::Acceptable;
}

void AutoTimingSpinBox::applyChangeRule(const QString& text) {
    const QWidget* owner = window();
    if (checkTimingField(text.toStdString(), documentValue_, messages_, owner) !=
        TimingFieldAction::removeLastCharacter)
        return;
    // A real change of text: the rule runs again on what is left.
    lineEdit()->end(false);
    lineEdit()->backspace();
}

void AutoTimingSpinBox::stepBy(int steps) {
    QSpinBox::stepBy(steps);
    applyChangeRule(lineEdit()->text());
}

void AutoTimingSpinBox::focusOutEvent(QFocusEvent* event) {
    if (lineEdit()->text().isEmpty())
        lineEdit()->setText(QStringLiteral("0"));
    QSpinBox::focusOutEvent(event);
}
