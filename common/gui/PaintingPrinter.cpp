#include "PaintingPrinter.h"

#include <QDir>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QPageSize>
#include <QPen>

#include <algorithm>

namespace {

// Ruled lines print half a point wide: visible on every printer, thin enough for a table.
constexpr double LineWidthTwips = 10.0;
constexpr double TwipsPerPoint = 20.0;

QPageLayout::Orientation qtOrientation(PageOrientation orientation) {
    return orientation == PageOrientation::Portrait ? QPageLayout::Portrait : QPageLayout::Landscape;
}

} // namespace

std::unique_ptr<QPrinter> MakePdfPrinter(const QString& fileName) {
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(fileName);
    printer->setPageSize(QPageSize(QPageSize::Letter));
    return printer;
}

PaintingBackend::PaintingBackend(std::unique_ptr<QPrinter> printer) : printer_(std::move(printer)) {}

PaintingBackend::~PaintingBackend() {
    if (painter_.isActive()) painter_.end();
}

QPrinter& PaintingBackend::printer() const {
    if (!printer_) {
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
        // The suite prints US payroll forms.
        printer_->setPageSize(QPageSize(QPageSize::Letter));
    }
    return *printer_;
}

QPageLayout PaintingBackend::layoutFor(PageOrientation orientation) const {
    QPageLayout layout = printer().pageLayout();
    layout.setUnits(QPageLayout::Point);
    layout.setOrientation(qtOrientation(orientation));
    const double margin = MarginInches * 72.0;
    const QMarginsF least = layout.minimumMargins();
    layout.setMargins(QMarginsF(std::max(margin, least.left()), std::max(margin, least.top()),
                                std::max(margin, least.right()), std::max(margin, least.bottom())));
    return layout;
}

QSizeF PaintingBackend::printableSize(PageOrientation orientation) const {
    return layoutFor(orientation).paintRect(QPageLayout::Point).size() * TwipsPerPoint;
}

QPointF PaintingBackend::printableOrigin(PageOrientation orientation) const {
    const QMarginsF margins = layoutFor(orientation).margins(QPageLayout::Point);
    return QPointF(margins.left(), margins.top()) * TwipsPerPoint;
}

double PaintingBackend::textWidth(const PrintFont& font, const QString& text) const {
    const QFontMetricsF metrics(font.qfont(), &printer());
    return metrics.horizontalAdvance(text) * TwipsPerInch / printer().logicalDpiX();
}

double PaintingBackend::lineHeight(const PrintFont& font) const {
    const QFontMetricsF metrics(font.qfont(), &printer());
    return metrics.lineSpacing() * TwipsPerInch / printer().logicalDpiY();
}

QPointF PaintingBackend::device(QPointF twips) const {
    return {twips.x() * printer().logicalDpiX() / TwipsPerInch,
            twips.y() * printer().logicalDpiY() / TwipsPerInch};
}

double PaintingBackend::deviceLength(double twips) const {
    return twips * printer().logicalDpiY() / TwipsPerInch;
}

void PaintingBackend::beginJob(PageOrientation orientation, int copies) {
    QPrinter& target = printer();
    if (painter_.isActive()) painter_.end();
    if (!target.isValid() ||
        (target.outputFormat() == QPrinter::PdfFormat && target.outputFileName().isEmpty()))
        throw PrintError(QStringLiteral("No printer is available"));
    if (target.outputFormat() == QPrinter::PdfFormat &&
        !QFileInfo(target.outputFileName()).absoluteDir().exists())
        throw PrintError(QStringLiteral("The folder of %1 does not exist").arg(target.outputFileName()));
    if (target.outputFormat() == QPrinter::PdfFormat) nameThePdf(target);
    target.setPageLayout(layoutFor(orientation));
    target.setCopyCount(copies);
    if (!painter_.begin(&target))
        throw PrintError(QStringLiteral("The printer could not start the document"));
}

// A PDF file holds one document: the second job of a print action (a report's second
// part, the next sheet of labels, the next voided check) goes to a file of its own beside
// the first ("Report.pdf", "Report-2.pdf", ...) instead of writing over it.
void PaintingBackend::nameThePdf(QPrinter& target) {
    const QString chosen = target.outputFileName();
    if (chosen != pdfSeries_ && chosen != pdfLast_) {
        pdfSeries_ = chosen;
        pdfJobs_ = 0;
    }
    if (++pdfJobs_ > 1) {
        const QFileInfo first(pdfSeries_);
        const QString suffix = first.suffix().isEmpty() ? QString() : u'.' + first.suffix();
        target.setOutputFileName(
            first.dir().filePath(first.completeBaseName() + u'-' + QString::number(pdfJobs_) + suffix));
    }
    pdfLast_ = target.outputFileName();
}

void PaintingBackend::newPage(PageOrientation orientation) {
    // A changed orientation applies from the page about to start (where the device allows it).
    if (printer().pageLayout().orientation() != qtOrientation(orientation))
        printer().setPageLayout(layoutFor(orientation));
    if (!printer().newPage()) throw PrintError(QStringLiteral("The printer could not start a new page"));
}

void PaintingBackend::drawText(QPointF topLeft, const QString& text, const PrintFont& font,
                               const QColor& colour) {
    const QFont qfont = font.qfont();
    const QFontMetricsF metrics(qfont, &printer());
    painter_.setFont(qfont);
    painter_.setPen(colour);
    painter_.drawText(device(topLeft) + QPointF(0, metrics.ascent()), text);
}

void PaintingBackend::drawLine(QPointF from, QPointF to, const QColor& colour) {
    painter_.setPen(QPen(colour, deviceLength(LineWidthTwips), Qt::SolidLine, Qt::FlatCap));
    painter_.drawLine(device(from), device(to));
}

void PaintingBackend::drawPicture(const QImage& image, const QRectF& target) {
    painter_.drawImage(QRectF(device(target.topLeft()), device(target.bottomRight())), image);
}

void PaintingBackend::endJob() {
    if (!painter_.isActive()) return;
    if (!painter_.end()) throw PrintError(QStringLiteral("The printer could not finish the document"));
}

void PaintingBackend::abandonJob() {
    if (!painter_.isActive()) return;
    printer().abort();
    painter_.end();
}
