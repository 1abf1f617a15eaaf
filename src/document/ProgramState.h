// ProgramState.h: the state the whole process shares for its whole run: the
// capture, the filter, the adapter settings, the protocol every output reads
// and the flags the windows keep for each other.
#pragma once

#include "core/CaptureState.h"
#include "device/DeviceSettings.h"
#include "filters/AdvancedIdentifierBits.h"
#include "filters/FilterState.h"
#include "protocol/Protocol.h"

#include <cstdint>

// Chart display modes; the chart window is a placeholder, so the mode only
// steers which chart commands are enabled.
constexpr int kNoChartMode = -1;
constexpr int kChartModeXT = 0;
constexpr int kChartModeYT = 1;
constexpr int kChartModeXY = 2;

// Window thread only, except what CaptureState says of its own members.
struct ProgramState {
    CaptureState capture;
    FilterState filter;
    DeviceSettings device;

    Protocol protocol = Protocol::none;
    int chartMode = kNoChartMode;
    bool dataListOpen = false;  // a data list view exists
    bool chartOpen = false;     // a chart view exists
    // The frames for automatic sending are in the adapter; Device Setup and a
    // failed adapter open clear it.
    bool autoDataLoaded = false;
    uint32_t hexFormat = 1;             // entry dialogs' number format: 1 hex, 0 decimal
    uint32_t filterIdentifierSeed = 0;  // the CAN filter dialog's Custom identifier
    AdvancedIdentifierBits advancedIdentifierBits;  // free again at every start
};
