// HelpTopics.h: Help > Help Topics: opens the manual beside the executable
// (or, installed, in share/doc/vorelin) with the desktop's viewer for HTML.
#pragma once

#include <QString>

class MessageSink;

// Message 8001 when the manual is missing or no viewer takes it.
void openHelpTopics(const QString& executableDir, MessageSink& messages);
