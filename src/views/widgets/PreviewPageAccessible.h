// PreviewPageAccessible.h: the previewed page for screen readers: a read-only
// document named by its footer ("- Page 3 of 10 -") whose text is the page's
// lines, read from the page when asked, so nothing is kept per page.
#pragma once

#include <QAccessibleWidget>

class PreviewPageView;

class PreviewPageAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit PreviewPageAccessible(PreviewPageView* view);

    // Installs the factory that gives every PreviewPageView this interface.
    static void install();

    QString text(QAccessible::Text kind) const override;
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    // Read only, nothing selectable: the page is a picture of print.
    void selection(int selectionIndex, int* startOffset, int* endOffset) const override;
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return cursor_; }
    void setCursorPosition(int position) override { cursor_ = position; }
    QString text(int startOffset, int endOffset) const override;
    int characterCount() const override;
    // The page is drawn as an image: no character has a place of its own.
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int offset, int* startOffset, int* endOffset) const override;

private:
    PreviewPageView* view() const;

    int cursor_ = 0;
};
