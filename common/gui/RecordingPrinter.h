#pragma once

#include "Printer.h"

#include <QSize>
#include <QStringList>

#include <memory>
#include <vector>

// What the recording printer saw. Jobs and pages count from 1; positions are twips
// from the top-left corner of the printable area.
struct RecordedText {
    int job = 0;
    int page = 0;
    double x = 0;
    double y = 0;
    QString text;
    PrintFont font;
    QColor colour;
    double width = 0; // printed width in twips
};

struct RecordedLine {
    int job = 0;
    int page = 0;
    QPointF from;
    QPointF to;
    QColor colour;
};

struct RecordedPicture {
    int job = 0;
    int page = 0;
    QRectF target;
    QSize imageSize;
};

struct RecordedJob {
    PageOrientation orientation = PageOrientation::Portrait;
    int copies = 1;
    int pages = 1;
    bool ended = false;
    bool abandoned = false;
};

// A printer without paper for tests: it keeps every text, line, picture, page
// break and end of job. Its metrics are fixed (fonts measured at 1440 dots per
// inch, so in twips), and its paper is US Letter with a quarter-inch margin unless a
// test sets another: a portrait page prints 8.0 × 10.5 in, a landscape page 10.5 × 8.0 in.
class RecordingBackend : public PrinterBackend {
public:
    static constexpr double PaperWidth = 8.5 * TwipsPerInch;
    static constexpr double PaperHeight = 11.0 * TwipsPerInch;
    static constexpr double DefaultMargin = 0.25 * TwipsPerInch;
    static constexpr double PortraitWidth = PaperWidth - 2 * DefaultMargin;
    static constexpr double PortraitHeight = PaperHeight - 2 * DefaultMargin;

    RecordingBackend();

    QSizeF printableSize(PageOrientation orientation) const override;
    QPointF printableOrigin(PageOrientation orientation) const override;
    double textWidth(const PrintFont& font, const QString& text) const override;
    double lineHeight(const PrintFont& font) const override;

    void beginJob(PageOrientation orientation, int copies) override;
    void newPage(PageOrientation orientation) override;
    void drawText(QPointF topLeft, const QString& text, const PrintFont& font, const QColor& colour) override;
    void drawLine(QPointF from, QPointF to, const QColor& colour) override;
    void drawPicture(const QImage& image, const QRectF& target) override;
    void endJob() override;
    void abandonJob() override;

    std::vector<RecordedText> texts;
    std::vector<RecordedLine> lines;
    std::vector<RecordedPicture> pictures;
    std::vector<RecordedJob> jobs;
    // Everything in the order it happened, one readable line each, for compact
    // layout checks ("text 1/1 1440,0 Ariel 10 B \"Name\"", "line ...", "page 1/2", "end 1").
    QStringList log;

    // Makes the next job fail to start, like a printer that is off line.
    bool failToStart = false;
    // The unprintable border on every side of the page, in twips.
    double margin = DefaultMargin;

    // The texts equal to the given one, in printing order.
    std::vector<RecordedText> textsEqual(const QString& text) const;
    // The first text equal to the given one; null when none was printed.
    const RecordedText* find(const QString& text) const;
    // The texts of one page of one job, in printing order.
    std::vector<RecordedText> textsOnPage(int job, int page) const;

private:
    int job() const { return static_cast<int>(jobs.size()); }
    int page() const { return jobs.empty() ? 0 : jobs.back().pages; }

    mutable QImage device_;
};

// Installs a printer over a fresh recording backend for the scope's lifetime and
// puts the previous printer back.
class RecordingPrinterScope {
public:
    RecordingPrinterScope();
    RecordingBackend& operator*() { return *backend_; }
    RecordingBackend* operator->() { return backend_; }

private:
    explicit RecordingPrinterScope(std::unique_ptr<RecordingBackend> backend);

    RecordingBackend* backend_;
    PrinterScope scope_;
};
