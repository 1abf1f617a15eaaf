// EntryFields.h: what an entry dialog does to its fields together: make the
// eight data-byte fields of a frame, show them all in a new format, and
// enable the data fields the frame size and kind call for.
#pragma once

#include "fields/widgets/EntryField.h"

#include <array>
#include <span>

class QString;

using DataByteFields = std::array<EntryField*, 8>;

// Eight data-byte fields, each handing the focus on to the next once full,
// heard by a screen reader as `name` and their position ("Data 1" to
// "Data 8"; "Buffer 2 Data 1" for a second frame). The caller lays them out.
DataByteFields makeDataByteFields(const FieldMessages& messages, MessageSink& sink, LeftEmpty leftEmpty,
                                  const QString& name, QWidget* parent = nullptr);

// A click on the dialog's Hex or Decimal button: every field rewritten from
// its kept value in `format`. Setting `hexFormat` is the dialog's part.
void showInFormat(std::span<EntryField* const> fields, NumberFormat format, EmptyText empty = EmptyText::rewrite);

// The frame's size (the Size list's index) and kind enable fields 1 to size
// of a data frame and none of a remote frame; disabled fields keep their
// text and values.
void enableDataFields(const DataByteFields& fields, int size, bool remoteFrame);
