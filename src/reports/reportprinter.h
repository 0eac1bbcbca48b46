#pragma once

#include <QString>

namespace vek {

/// The printer as the reports see it: only what they use. A report lays its pages out in characters of
/// the fixed-pitch printer font; it sets the font size, bold, italic and underline, prints pieces of a
/// line (the last piece ended by a line end), asks for new pages and ends each document it starts. The
/// application prints through the Qt version (output/), the tests through `RecordingPrinter`.
class ReportPrinter {
public:
    virtual ~ReportPrinter() = default;

    virtual void setFontSize(double points) = 0;
    virtual void setBold(bool on) = 0;
    virtual void setItalic(bool on) = 0;
    virtual void setUnderline(bool on) = 0;
    /// A piece of the current line; the line goes on with the next piece.
    virtual void print(const QString& piece) = 0;
    /// Ends the current line; on its own, an empty line.
    virtual void endLine() = 0;
    virtual void newPage() = 0;
    /// The document is complete: it goes to the device. The next print starts a new document.
    virtual void endDocument() = 0;

    /// The first failure of the device so far, naming the device ("" while all went well). A report
    /// runs to its end regardless; its caller looks here before telling the user the report is out.
    [[nodiscard]] virtual QString failure() const = 0;
    /// What the user should be told once every document reached the device: the PDF files written (by
    /// their names) or that a paused printer keeps the report in its queue; "" when there is nothing to say.
    [[nodiscard]] virtual QString notice() const { return {}; }

    /// A whole line: the piece and the line end.
    void printLine(const QString& text) {
        print(text);
        endLine();
    }
};

} // namespace vek
