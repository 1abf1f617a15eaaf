// FilterDialogDriver.h: what a filter dialog test does as a user would: read
// a row of the condition list, click a row or its tick box, and compare the
// messages shown and the conditions left behind.
#pragma once

#include "core/RecordingMessageSink.h"
#include "dialogs/CHighlightListCtrl.h"
#include "filters/FilterCondition.h"
#include "filters/FilterState.h"
#include "support/Frames.h"

#include <QStringList>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <utility>
#include <vector>

// Sets the filter the dialog opens over, makes the dialog and waits until it
// is the active window.
template <class MakeDialog>
void openFilterDialog(FilterState& filter, std::vector<FilterCondition> conditions, uint32_t mode,
                      MakeDialog&& makeDialog) {
    filter.conditions = std::move(conditions);
    filter.filterMode = mode;
    QWidget* dialog = makeDialog();
    dialog->show();
    dialog->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(dialog));
}

inline QStringList rowTexts(const CHighlightListCtrl* list, int row) {
    QStringList texts;
    for (int column = 0; column < list->columnCount(); ++column)
        texts << list->item(row, column)->text();
    return texts;
}

inline void clickRow(CHighlightListCtrl* list, int row, bool onCheckBox = false) {
    const QRect cell = list->visualRect(list->model()->index(row, 2));
    const QPoint at = onCheckBox ? list->checkBoxRect(row).center() : cell.center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
}

inline std::vector<int> shownNumbers(const RecordingMessageSink& messages) {
    std::vector<int> numbers;
    for (const Message& message : messages.shown())
        numbers.push_back(message.number);
    return numbers;
}

// Byte for byte, as a capture file would store them.
inline bool sameConditions(const std::vector<FilterCondition>& a, const std::vector<FilterCondition>& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](const FilterCondition& x, const FilterCondition& y) { return sameImage(x, y); });
}
