// PdfText.h: the pages of a printed PDF file as text, read by poppler's
// pdftotext in layout mode, for tests of what a print run put on paper.
#pragma once

#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <QStringList>

#include <optional>
#include <string>
#include <vector>

using PdfPage = std::vector<std::string>;

// Whether pdftotext (poppler-utils) is there to read the files.
inline bool canReadPdfText() { return !QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty(); }

// `text` with its blanks at both ends dropped and each run of blanks made
// one: the layout mode places words by their position, so a run's width
// depends on the font, not on the line's own blanks.
inline std::string squeezed(const QString& text) { return text.simplified().toStdString(); }

// Each page's non-empty lines, squeezed; nothing when the file cannot be read.
inline std::optional<std::vector<PdfPage>> readPdfPages(const QString& path) {
    QProcess reader;
    reader.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
    if (!reader.waitForFinished(60000) || reader.exitStatus() != QProcess::NormalExit || reader.exitCode() != 0)
        return std::nullopt;
    QStringList pageTexts = QString::fromUtf8(reader.readAllStandardOutput()).split(QLatin1Char('\f'));
    // pdftotext ends the last page with a form feed too.
    if (!pageTexts.isEmpty() && pageTexts.last().trimmed().isEmpty())
        pageTexts.removeLast();
    std::vector<PdfPage> pages;
    for (const QString& pageText : pageTexts) {
        PdfPage& page = pages.emplace_back();
        for (const QString& line : pageText.split(QLatin1Char('\n'))) {
            if (!line.trimmed().isEmpty())
                page.push_back(squeezed(line));
        }
    }
    return pages;
}
