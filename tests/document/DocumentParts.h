// DocumentParts.h: the parts a capture file holds besides its records
// compared byte for byte, so that a read or a round trip is checked whole.
#pragma once

#include "core/AutoMessageItem.h"
#include "core/ManualBuffer.h"
#include "filters/FilterCondition.h"
#include "support/Frames.h"

inline bool operator==(const FilterCondition& a, const FilterCondition& b) { return sameImage(a, b); }
inline bool operator==(const AutoMessageItem& a, const AutoMessageItem& b) { return sameImage(a, b); }
inline bool operator==(const ManualBuffer& a, const ManualBuffer& b) { return sameImage(a, b); }
