#include "views/widgets/PreviewPageAccessible.h"

#include "views/PrintPage.h"
#include "views/widgets/PreviewPageView.h"

namespace {

QAccessibleInterface* createForPreviewPage(const QString& className, QObject* object) {
    if (className == QLatin1String("PreviewPageView"))
        return new PreviewPageAccessible(static_cast<PreviewPageView*>(object));
    return nullptr;
}

}  // namespace

PreviewPageAccessible::PreviewPageAccessible(PreviewPageView* view) : QAccessibleWidget(view, QAccessible::Document) {}

void PreviewPageAccessible::install() { QAccessible::installFactory(createForPreviewPage); }

PreviewPageView* PreviewPageAccessible::view() const { return static_cast<PreviewPageView*>(widget()); }

QString PreviewPageAccessible::text(QAccessible::Text kind) const {
    if (kind == QAccessible::Name)
        return QString::fromStdString(pageFooterText(view()->page(), view()->pageCount()));
    return QAccessibleWidget::text(kind);
}

QAccessible::State PreviewPageAccessible::state() const {
    QAccessible::State state = QAccessibleWidget::state();
    state.readOnly = true;
    state.multiLine = true;
    return state;
}

void* PreviewPageAccessible::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

void PreviewPageAccessible::selection(int, int* startOffset, int* endOffset) const {
    *startOffset = 0;
    *endOffset = 0;
}

QString PreviewPageAccessible::text(int startOffset, int endOffset) const {
    return view()->pageText().mid(startOffset, endOffset - startOffset);
}

int PreviewPageAccessible::characterCount() const { return int(view()->pageText().size()); }

QString PreviewPageAccessible::attributes(int offset, int* startOffset, int* endOffset) const {
    *startOffset = offset;
    *endOffset = offset;
    return {};
}
