#include "core/CDataDoc.h"

#include "core/ReceiveTimer.h"
#include "driver/KeshApi.h"

CDataDoc::CDataDoc(CaptureState& capture, ReceiveTimer& receiveTimer) : capture_(capture) {
    receiveTimer.start();
}

CDataDoc::~CDataDoc() { StopKESH(); }
