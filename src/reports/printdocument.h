#pragma once

#include <QString>
#include <QStringList>

#include <vector>

namespace vek {

/// One piece of a printed line in its font.
struct PrintRun {
    QString text;
    double size = 0.0;
    bool bold = false;
    bool italic = false;
    bool underline = false;

    [[nodiscard]] bool sameStyle(const PrintRun& other) const {
        return size == other.size && bold == other.bold && italic == other.italic &&
               underline == other.underline;
    }
};

/// A printed line: its pieces, and the font size when it ended (the height of an empty line).
struct PrintLine {
    std::vector<PrintRun> runs;
    double size = 0.0;

    [[nodiscard]] QString text() const;
    /// The text with its marks as tags, for reading a line at a glance: "<b>", "<i>", "<u>" around the
    /// marked pieces, and "{16}" where the size changes from the previous piece or, for the first
    /// piece, from `startSize`.
    [[nodiscard]] QString markup(double startSize) const;
};

struct PrintPage {
    std::vector<PrintLine> lines;
};

/// A whole print document: its pages as the report broke them (the device breaks a full page again).
struct PrintDocument {
    std::vector<PrintPage> pages;

    [[nodiscard]] int pageCount() const { return static_cast<int>(pages.size()); }
    /// The plain text of one page's lines.
    [[nodiscard]] QStringList pageText(int page) const;
    /// The marked-up lines of one page (see PrintLine::markup); sizes are shown as they change from
    /// line to line, starting from 0 at the document's start.
    [[nodiscard]] QStringList pageMarkup(int page) const;
    /// Every line of the document, pages in order.
    [[nodiscard]] QStringList allText() const;
};

} // namespace vek
