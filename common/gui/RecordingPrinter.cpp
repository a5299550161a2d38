#include "RecordingPrinter.h"

#include <QFontMetricsF>

namespace {

// 1440 dots per inch, in the dots per metre that QImage keeps.
constexpr int TwipDotsPerMetre = 56693;

QString where(int job, int page) {
    return QStringLiteral("%1/%2").arg(job).arg(page);
}

QString point(QPointF p) {
    return QStringLiteral("%1,%2").arg(qRound(p.x())).arg(qRound(p.y()));
}

QString fontText(const PrintFont& font) {
    QString text = font.name + u' ' + QString::number(font.size);
    if (font.bold) text += QStringLiteral(" B");
    if (font.underline) text += QStringLiteral(" U");
    return text;
}

} // namespace

RecordingBackend::RecordingBackend() : device_(1, 1, QImage::Format_ARGB32) {
    device_.setDotsPerMeterX(TwipDotsPerMetre);
    device_.setDotsPerMeterY(TwipDotsPerMetre);
}

QSizeF RecordingBackend::printableSize(PageOrientation orientation) const {
    const QSizeF portrait(PaperWidth - 2 * margin, PaperHeight - 2 * margin);
    return orientation == PageOrientation::Portrait ? portrait : portrait.transposed();
}

QPointF RecordingBackend::printableOrigin(PageOrientation) const {
    return {margin, margin};
}

double RecordingBackend::textWidth(const PrintFont& font, const QString& text) const {
    return QFontMetricsF(font.qfont(), &device_).horizontalAdvance(text);
}

double RecordingBackend::lineHeight(const PrintFont& font) const {
    return QFontMetricsF(font.qfont(), &device_).lineSpacing();
}

void RecordingBackend::beginJob(PageOrientation orientation, int copies) {
    if (failToStart) {
        failToStart = false;
        throw PrintError(QStringLiteral("The printer is off line"));
    }
    jobs.push_back({orientation, copies, 1, false, false});
    log << QStringLiteral("job %1 %2 copies %3")
               .arg(job())
               .arg(orientation == PageOrientation::Portrait ? QStringLiteral("portrait")
                                                             : QStringLiteral("landscape"))
               .arg(copies);
}

void RecordingBackend::newPage(PageOrientation) {
    ++jobs.back().pages;
    log << QStringLiteral("page ") + where(job(), page());
}

void RecordingBackend::drawText(QPointF topLeft, const QString& text, const PrintFont& font,
                                const QColor& colour) {
    texts.push_back({job(), page(), topLeft.x(), topLeft.y(), text, font, colour, textWidth(font, text)});
    QString entry = QStringLiteral("text %1 %2 %3").arg(where(job(), page()), point(topLeft), fontText(font));
    if (colour != Qt::black) entry += u' ' + colour.name();
    log << entry + QStringLiteral(" \"") + text + u'"';
}

void RecordingBackend::drawLine(QPointF from, QPointF to, const QColor& colour) {
    lines.push_back({job(), page(), from, to, colour});
    QString entry = QStringLiteral("line %1 %2 %3").arg(where(job(), page()), point(from), point(to));
    if (colour != Qt::black) entry += u' ' + colour.name();
    log << entry;
}

void RecordingBackend::drawPicture(const QImage& image, const QRectF& target) {
    pictures.push_back({job(), page(), target, image.size()});
    log << QStringLiteral("picture %1 %2 %3x%4")
               .arg(where(job(), page()), point(target.topLeft()))
               .arg(qRound(target.width()))
               .arg(qRound(target.height()));
}

void RecordingBackend::endJob() {
    jobs.back().ended = true;
    log << QStringLiteral("end %1").arg(job());
}

void RecordingBackend::abandonJob() {
    jobs.back().abandoned = true;
    log << QStringLiteral("abandoned %1").arg(job());
}

std::vector<RecordedText> RecordingBackend::textsEqual(const QString& text) const {
    std::vector<RecordedText> found;
    for (const RecordedText& t : texts)
        if (t.text == text) found.push_back(t);
    return found;
}

const RecordedText* RecordingBackend::find(const QString& text) const {
    for (const RecordedText& t : texts)
        if (t.text == text) return &t;
    return nullptr;
}

std::vector<RecordedText> RecordingBackend::textsOnPage(int jobNumber, int pageNumber) const {
    std::vector<RecordedText> found;
    for (const RecordedText& t : texts)
        if (t.job == jobNumber && t.page == pageNumber) found.push_back(t);
    return found;
}

RecordingPrinterScope::RecordingPrinterScope()
    : RecordingPrinterScope(std::make_unique<RecordingBackend>()) {}

RecordingPrinterScope::RecordingPrinterScope(std::unique_ptr<RecordingBackend> backend)
    : backend_(backend.get()), scope_(std::move(backend)) {}
