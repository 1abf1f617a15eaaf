// RecentFileSettings.h: keeps the recent-file list in the per-user settings
// between runs, as the entries "File1" to "File4" of "Recent File List".
#pragma once

class QSettings;
class RecentFileList;

void loadRecentFiles(QSettings& settings, RecentFileList& list);
void saveRecentFiles(QSettings& settings, const RecentFileList& list);
