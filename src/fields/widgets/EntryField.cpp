#include "fields/widgets/EntryField.h"

#include "core/MessageSink.h"
#include "fields/FieldMessages.h"
#include "fields/widgets/UpperCaseValidator.h"

#include <QFocusEvent>
#include <QStyle>
#include <QStyleOptionFrame>

#include <string>


EntryField::EntryField(FieldKind kind, const FieldMessages& messages, MessageSink& sink, LeftEmpty leftEmpty,
                       QWidget* parent)
    : QLineEdit(parent), kind_(kind), messages_(messages), sink_(sink), leftEmpty_(leftEmpty) {
    setValidator(new UpperCaseValidator(this));
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    applyTextLimit();
    connect(this, &QLineEdit::textChanged, this, &EntryField::applyChangeRule);
}

QSize EntryField::sizeHint() const {
    // Ten decimal digits for an identifier, three for a byte, and room for
    // the cursor.
    const int digits = kind_ == FieldKind::identifier ? 11 : 4;
    const QFontMetrics metrics = fontMetrics();
    const QMargins margins = textMargins();
    QStyleOptionFrame option;
    initStyleOption(&option);
    const QSize standard = QLineEdit::sizeHint();
    const QSize text(metrics.horizontalAdvance(QString(digits, QLatin1Char('0'))) + margins.left() + margins.right(),
                     metrics.height());
    return {style()->sizeFromContents(QStyle::CT_LineEdit, &option, text, this).width(), standard.height()};
}

void EntryField::showValue(uint32_t value) {
    kept_ = value;
    setWholeText(QString::fromStdString(numberText(value, format_)));
}

void EntryField::setNumberFormat(NumberFormat format, EmptyText empty) {
    format_ = format;
    if (empty == EmptyText::rewrite || !text().isEmpty())
        setWholeText(QString::fromStdString(numberText(kept_, format_)));
    applyTextLimit();
}

void EntryField::setWholeText(const QString& text) {
    // Qt cuts a text longer than the limit before the rule sees it, and the
    // rule would read the rest in the new format ("255" becoming 0x25 in
    // Hex). Widened, the rule sees the whole text and refuses what is too big.
    if (kind_ == FieldKind::dataByte && text.size() > maxLength())
        setMaxLength(int(text.size()));
    setText(text);
}

void EntryField::applyTextLimit() {
    const int limit = dataByteTextLimit(format_);
    if (kind_ == FieldKind::dataByte && text().size() <= limit)
        setMaxLength(limit);
}

void EntryField::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    // A context menu keeps the field in use: a Paste from it must not land
    // behind a "0" filled in a moment before.
    if (leftEmpty_ != LeftEmpty::becomesZero || event->reason() == Qt::PopupFocusReason)
        return;
    if (const auto zero = ZeroIfEmpty(text().toStdString()))
        setText(QString::fromLatin1(zero->data(), qsizetype(zero->size())));
}

void EntryField::applyChangeRule() {
    // Removing a refused character changes the text again and so re-enters here.
    changeRule_.run([this] { checkText(); });
}

void EntryField::checkText() {
    applyTextLimit();
    // One byte per character, so that the length is what the user sees; a
    // character outside Latin-1 becomes '?', which no format accepts.
    const std::string shown = text().toLatin1().toStdString();
    const FieldVerdict verdict = kind_ == FieldKind::identifier
                                     ? CheckIdentifierField(shown, format_, width_, messages_)
                                     : CheckDataByteField(shown, format_, next_ != nullptr, messages_);
    if (verdict.keptValue)
        kept_ = *verdict.keptValue;
    if (verdict.refusal != 0) {
        const QWidget* owner = window();
        sink_.show(dialogMessage(owner, verdict.refusal, MessageIcon::None));
        removeLastCharacter();
        return;
    }
    if (verdict.focusNext) {
        next_->setFocus();
        next_->selectAll();
    }
}

void EntryField::removeLastCharacter() {
    // Selecting scrolls the character into view; deleting the selection is a
    // real change of the text, which the rule then checks again.
    setSelection(int(text().size()) - 1, 1);
    del();
}
