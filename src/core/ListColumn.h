// ListColumn.h: a column of the dialogs' item lists: its header text and
// its share of the list's width.
#pragma once

struct ListColumn {
    int headerString;      // string-table number of the header text
    double widthFraction;  // of the list's client width less 15 pixels
};

// The column's width in a list whose client width is `clientWidth`,
// rounded toward zero.
inline int listColumnWidth(const ListColumn& column, int clientWidth) {
    return int((clientWidth - 15) * column.widthFraction);
}
