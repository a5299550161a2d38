#pragma once

#include "Printer.h"

#include <QPageLayout>
#include <QPainter>
#include <QPrinter>

#include <memory>

// A PDF file on US Letter paper, at the resolution of a good printer.
std::unique_ptr<QPrinter> MakePdfPrinter(const QString& fileName);

// Draws the pages through QPainter on a QPrinter: a real printer, or a PDF file.
// Text is measured with the printer's own font metrics, so what is centred or
// wrapped on the page is measured as it prints.
class PaintingBackend : public PrinterBackend {
public:
    // Margin on every side of the page, or the printer's own unprintable border
    // where that is wider.
    static constexpr double MarginInches = 0.25;

    // Without a printer, the system's default printer is used (set up on first use).
    explicit PaintingBackend(std::unique_ptr<QPrinter> printer = nullptr);
    ~PaintingBackend() override;

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

    QPrinter* dialogPrinter() override { return &printer(); }

private:
    QPrinter& printer() const;
    QPageLayout layoutFor(PageOrientation orientation) const;
    QPointF device(QPointF twips) const;
    double deviceLength(double twips) const;
    void nameThePdf(QPrinter& target);

    mutable std::unique_ptr<QPrinter> printer_;
    QPainter painter_;
    // The jobs printed in a row to one PDF file name, and the name the last one went to.
    QString pdfSeries_;
    QString pdfLast_;
    int pdfJobs_ = 0;
};
