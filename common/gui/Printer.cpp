#include "Printer.h"

#include "DataFiles.h"
#include "Dialogs.h"
#include "FileErrors.h"
#include "PaintingPrinter.h"

#include <QFontDatabase>
#include <QHash>

PrintCancelled::PrintCancelled() : std::runtime_error("The print dialog was cancelled") {}

PrintError::PrintError(const QString& problem) : std::runtime_error(problem.toStdString()) {}

QFont PrintFont::qfont() const {
    QFont font(face);
    font.setPointSizeF(size > 0 ? size : 10.0);
    font.setBold(bold);
    font.setUnderline(underline);
    // Unhinted outlines measure the same at every resolution, so a layout measured
    // on one device prints the same on another.
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setKerning(false);
    return font;
}

QString PrintFace(const QString& requestedName) {
    static QHash<QString, QString> known;
    const auto found = known.constFind(requestedName);
    if (found != known.constEnd()) return *found;
    QString face;
    if (!requestedName.isEmpty() && QFontDatabase::hasFamily(requestedName))
        face = requestedName;
    else if (QFontDatabase::hasFamily(QStringLiteral("Liberation Sans")))
        face = QStringLiteral("Liberation Sans");
    else
        face = QStringLiteral("DejaVu Sans");
    known.insert(requestedName, face);
    return face;
}

// ---- Printer -----------------------------------------------------------------------

Printer::Printer(std::unique_ptr<PrinterBackend> backend) : backend_(std::move(backend)) {
    setFontName(QStringLiteral("Arial"));
}

Printer::~Printer() {
    abandonJob();
}

void Printer::setFontName(const QString& name) {
    font_.name = name;
    font_.face = PrintFace(name);
}

double Printer::scaleWidth() const {
    return backend_->printableSize(orientation_).width();
}

double Printer::scaleHeight() const {
    return backend_->printableSize(orientation_).height();
}

QPointF Printer::printableOrigin() const {
    return backend_->printableOrigin(orientation_);
}

void Printer::preparePage() {
    if (!jobOpen_) {
        backend_->beginJob(orientation_, copies_);
        jobOpen_ = true;
        breakPending_ = false;
        page_ = 1;
    } else if (breakPending_) {
        backend_->newPage(orientation_);
        breakPending_ = false;
        ++page_;
    }
}

void Printer::print(const QString& text) {
    if (!text.isEmpty()) {
        preparePage();
        backend_->drawText({x_, y_}, text, font_, colour_);
    }
    x_ = 0;
    y_ += backend_->lineHeight(font_);
}

void Printer::printSameLine(const QString& text) {
    if (text.isEmpty()) return;
    preparePage();
    backend_->drawText({x_, y_}, text, font_, colour_);
    x_ += backend_->textWidth(font_, text);
}

double Printer::textWidth(const QString& text) const {
    double widest = 0;
    for (const QString& part : QString(text).remove(u'\r').split(u'\n'))
        widest = std::max(widest, backend_->textWidth(font_, part));
    return widest;
}

double Printer::textHeight(const QString& text) const {
    return backend_->lineHeight(font_) * static_cast<double>(text.count(u'\n') + 1);
}

void Printer::line(double x1, double y1, double x2, double y2, std::optional<QColor> colour) {
    preparePage();
    backend_->drawLine({x1, y1}, {x2, y2}, colour.value_or(colour_));
    x_ = x2;
    y_ = y2;
}

void Printer::paintPicture(const QImage& image, double x, double y, double width, double height) {
    preparePage();
    backend_->drawPicture(image, QRectF(x, y, width, height));
}

void Printer::newPage() {
    if (!jobOpen_) {
        // A page break before anything is printed leaves a blank first page.
        preparePage();
        breakPending_ = true;
    } else if (breakPending_) {
        preparePage();
        breakPending_ = true;
    } else {
        breakPending_ = true;
    }
    x_ = 0;
    y_ = 0;
}

void Printer::endDoc() { closeJob(false); }

void Printer::abandonJob() { closeJob(true); }

void Printer::closeJob(bool abandon) {
    x_ = 0;
    y_ = 0;
    if (!jobOpen_) return;
    jobOpen_ = false;
    breakPending_ = false;
    page_ = 0;
    if (abandon)
        backend_->abandonJob();
    else
        backend_->endJob();
}

// ---- The program's printer -------------------------------------------------------------

namespace {

std::unique_ptr<Printer>& printerSlot() {
    static std::unique_ptr<Printer> printer;
    return printer;
}

} // namespace

Printer& ThePrinter() {
    auto& slot = printerSlot();
    if (!slot) slot = std::make_unique<Printer>(std::make_unique<PaintingBackend>());
    return *slot;
}

std::unique_ptr<Printer> SetThePrinter(std::unique_ptr<Printer> printer) {
    std::swap(printerSlot(), printer);
    return printer;
}

PrinterScope::PrinterScope(std::unique_ptr<PrinterBackend> backend)
    : previous_(SetThePrinter(std::make_unique<Printer>(std::move(backend)))) {}

PrinterScope::~PrinterScope() {
    SetThePrinter(std::move(previous_));
}

PrintOutcome RunPrintJob(const std::function<void()>& job, const QString& cancelledMessage) {
    try {
        job();
        return PrintOutcome::Printed;
    } catch (const PrintCancelled&) {
        ThePrinter().abandonJob();
        if (!cancelledMessage.isEmpty()) MsgBox(cancelledMessage, MsgButtons::OK, QString());
        return PrintOutcome::Cancelled;
    } catch (const FileError& error) {
        // A file the report reads: the user learns which file and what is wrong with
        // it, which a print error would hide.
        ThePrinter().abandonJob();
        ReportFileError(error);
        return PrintOutcome::Failed;
    } catch (const std::exception&) {
        // Whatever else stopped the job (the printer, a bad number on the screen), the
        // user learns that the printout failed.
        ThePrinter().abandonJob();
        MsgBox(QStringLiteral("A Print Error has occurred"), MsgButtons::OK, QStringLiteral("Print Error"));
        return PrintOutcome::Failed;
    }
}
