// AutomationCommands.h: what the adapter is told about the automation list:
// Download (the automation dialog's default button, also Enter), and the
// document commands Start and Stop with their enabling.
#pragma once

struct DocumentContents;
class MessageSink;

enum class DownloadOutcome { closeDialog, stayOpen };

// Download: records how many items the list holds, then hands the enabled
// ones, in list order (data bytes beyond an item's length as zero), and the
// document's interval and cycle to SetMultiData, also when none is enabled.
// On success it sets `autoDataLoaded`. With no enabled item it shows message
// 5011; when the adapter refuses, message 5010. The dialog closes only after
// frames were downloaded.
DownloadOutcome downloadAutoItems(DocumentContents& document, bool& autoDataLoaded, MessageSink& messages);

// Start: runs the adapter's cyclic sending when the document has items and a
// download was made (message 5003 otherwise, and the document counts as not
// sending). A refused RunMultiData is followed by StopMultiData, in case the
// adapter started part-way, and message 5004.
void startAutomation(DocumentContents& document, bool autoDataLoaded, MessageSink& messages);

// Stop: StopMultiData; when the adapter refuses, message 5002 and the
// document still counts as sending.
void stopAutomation(DocumentContents& document, MessageSink& messages);

bool isAutomationStartEnabled(const DocumentContents& document);
bool isAutomationStopEnabled(const DocumentContents& document);
