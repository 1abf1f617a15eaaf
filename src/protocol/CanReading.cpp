#include "protocol/CanReading.h"

CanReading readCan(const FrameRecord& record) {
    return {record.frame.extended == 1 ? FrameFormat::Extended : FrameFormat::Standard};
}
