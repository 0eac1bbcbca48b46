#include "reports/printdocument.h"

#include "model/table.h"

namespace vek {

QString PrintLine::text() const {
    QString text;
    for (const PrintRun& run : runs) {
        text += run.text;
    }
    return text;
}

QString PrintLine::markup(double startSize) const {
    QString out;
    double size = startSize;
    for (const PrintRun& run : runs) {
        if (run.text.isEmpty()) {
            continue;
        }
        if (run.size != size) {
            out += QStringLiteral("{%1}").arg(run.size);
            size = run.size;
        }
        QString piece = run.text;
        if (run.italic) {
            piece = QStringLiteral("<i>") + piece + QStringLiteral("</i>");
        }
        if (run.bold) {
            piece = QStringLiteral("<b>") + piece + QStringLiteral("</b>");
        }
        if (run.underline) {
            piece = QStringLiteral("<u>") + piece + QStringLiteral("</u>");
        }
        out += piece;
    }
    return out;
}

QStringList PrintDocument::pageText(int page) const {
    QStringList lines;
    if (page >= 0 && page < pageCount()) {
        for (const PrintLine& line : at(pages, page).lines) {
            lines << line.text();
        }
    }
    return lines;
}

QStringList PrintDocument::pageMarkup(int page) const {
    QStringList lines;
    double size = 0.0;
    for (int p = 0; p < pageCount() && p <= page; ++p) {
        for (const PrintLine& line : at(pages, p).lines) {
            if (p == page) {
                lines << line.markup(size);
            }
            for (const PrintRun& run : line.runs) {
                if (!run.text.isEmpty()) {
                    size = run.size;
                }
            }
        }
    }
    return lines;
}

QStringList PrintDocument::allText() const {
    QStringList lines;
    for (int p = 0; p < pageCount(); ++p) {
        lines += pageText(p);
    }
    return lines;
}

} // namespace vek
