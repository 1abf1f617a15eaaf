// MainFrameTick.h: what the main window does every 800 ms besides its status
// panes: classify the newly stored records through the filter in force, then
// carry a change of the capture into the active document's modified flag.
#pragma once

struct CaptureState;
struct FilterState;
class CDataDoc;

// `activeDocument` is the document of the active view, or null when no data
// list is open. The modified flag is set again on every tick until a save
// clears the capture's changed flag.
void runMainFrameTick(CaptureState& capture, const FilterState& filter, CDataDoc* activeDocument);
