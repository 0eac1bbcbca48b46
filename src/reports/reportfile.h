#pragma once

#include "model/datafolder.h"
#include "model/datawriter.h"

#include <QByteArray>
#include <QString>

namespace vek {

/// The one writer of a report file in the program's folder. A print action's writers all write into one
/// run: the main report starts the file anew, the sections after it append; the run keeps the lines
/// and replaces the file atomically once, at `commit`, so a failed run leaves the old file whole and a
/// reader never sees half a report. Lines end in CR LF. The first failure (reading the file to append
/// to it, or writing it) is the one reported.
class ReportFile {
public:
    ReportFile(DataFolder folder, QString fileName);

    /// The main report: the file starts empty, whatever it held.
    void create();
    /// A section: what the file holds stays in front (what this run wrote, or else the file on disk; a
    /// missing file starts empty).
    void openForAppend();

    /// A piece of a line: the line goes on with the next write.
    void write(const QString& piece);
    /// The text and the line end; without text, an empty line.
    void writeLine(const QString& text = {});

    /// Writes the run's content over the file; nothing when no writer opened it. Returns the first
    /// failure of the run, or success.
    [[nodiscard]] WriteResult commit();

    [[nodiscard]] const QString& fileName() const { return m_fileName; }
    /// The content the run holds so far.
    [[nodiscard]] const QByteArray& content() const { return m_content; }

private:
    DataFolder m_folder;
    QString m_fileName;
    QByteArray m_content;
    bool m_open = false;
    WriteResult m_failure = WriteResult::success({});
};

/// A text from the data (a member's or team's name, a file name) made safe inside an HTML fragment:
/// "&", "<", ">" and double quotes become entities. The fragments' own markup is written as it stands.
[[nodiscard]] QString htmlText(const QString& text);

} // namespace vek
