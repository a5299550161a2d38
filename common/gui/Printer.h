#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QRectF>
#include <QSizeF>
#include <QString>

#include <functional>
#include <memory>
#include <optional>
#include <stdexcept>

class QPrinter;

// The print dialog was cancelled: the caller ends its print job quietly.
class PrintCancelled : public std::runtime_error {
public:
    // The number the platform gives this error; kept for callers that log it.
    static constexpr int Number = 32755;
    PrintCancelled();
};

// Any other failure of a print job (no printer, an output file that cannot be
// written, a page that cannot be started).
class PrintError : public std::runtime_error {
public:
    explicit PrintError(const QString& problem);
};

enum class PageOrientation { Portrait, Landscape };

// Twips per inch: every position and size of the printer is in twips.
inline constexpr double TwipsPerInch = 1440.0;

// A printer font as the caller asked for it and as it is actually drawn.
struct PrintFont {
    QString name; // as requested ("Ariel")
    QString face; // installed family that draws it
    double size = 10.0;
    bool bold = false;
    bool underline = false;

    // The font for a device; sizes are points, so the device's resolution decides pixels.
    QFont qfont() const;
};

// The installed family that draws a requested font name: the name itself when it
// is installed, else Liberation Sans (Arial's metrics), else DejaVu Sans.
QString PrintFace(const QString& requestedName);

// What draws the pages. The Printer keeps positions, fonts and page state and
// calls the backend only with finished coordinates in twips from the top-left
// corner of the printable area.
class PrinterBackend {
public:
    virtual ~PrinterBackend() = default;

    // The printable area of a page in twips.
    virtual QSizeF printableSize(PageOrientation orientation) const = 0;
    // Where the printable area starts, in twips from the top-left corner of the page
    // (the printer's left and top margins).
    virtual QPointF printableOrigin(PageOrientation orientation) const = 0;
    virtual double textWidth(const PrintFont& font, const QString& text) const = 0;
    // The height of one printed line of the font (what an ended line moves down).
    virtual double lineHeight(const PrintFont& font) const = 0;

    // Starts a document on its first page. Throws PrintError when it cannot.
    virtual void beginJob(PageOrientation orientation, int copies) = 0;
    virtual void newPage(PageOrientation orientation) = 0;
    // Text at its top-left corner.
    virtual void drawText(QPointF topLeft, const QString& text, const PrintFont& font,
                          const QColor& colour) = 0;
    virtual void drawLine(QPointF from, QPointF to, const QColor& colour) = 0;
    virtual void drawPicture(const QImage& image, const QRectF& target) = 0;
    // Ends the document and hands it to the printer. Throws PrintError on failure.
    virtual void endJob() = 0;
    // Drops an open document after a failure; never throws.
    virtual void abandonJob() = 0;

    // The real printer that the print dialog sets up; null when there is none.
    virtual QPrinter* dialogPrinter() { return nullptr; }
};

// The program's printer: absolute positioning in twips, the current font and
// colour, one document per job. Printing starts a job; EndDoc ends it and the
// next print starts a new one.
class Printer {
public:
    explicit Printer(std::unique_ptr<PrinterBackend> backend);
    ~Printer();
    Printer(const Printer&) = delete;
    Printer& operator=(const Printer&) = delete;

    double currentX() const { return x_; }
    double currentY() const { return y_; }
    void setCurrentX(double twips) { x_ = twips; }
    void setCurrentY(double twips) { y_ = twips; }
    // The printable width and height in twips for the current orientation.
    double scaleWidth() const;
    double scaleHeight() const;
    // The printable area's top-left corner in twips from the page's top-left corner,
    // for the current orientation. Printouts place from the printable area; stock whose
    // places are fixed on the paper (label sheets) subtracts this to place from the
    // page corner whatever the printer's margins.
    QPointF printableOrigin() const;

    const QString& fontName() const { return font_.name; }
    QString fontFace() const { return font_.face; }
    double fontSize() const { return font_.size; }
    bool fontBold() const { return font_.bold; }
    bool fontUnderline() const { return font_.underline; }
    void setFontName(const QString& name);
    void setFontSize(double points) { font_.size = points; }
    void setFontBold(bool bold) { font_.bold = bold; }
    void setFontUnderline(bool underline) { font_.underline = underline; }
    const QColor& foreColor() const { return colour_; }
    void setForeColor(const QColor& colour) { colour_ = colour; }

    // Takes effect on the next page (a new job starts with it).
    PageOrientation orientation() const { return orientation_; }
    void setOrientation(PageOrientation orientation) { orientation_ = orientation; }
    int copies() const { return copies_; }
    void setCopies(int copies) { copies_ = copies < 1 ? 1 : copies; }
    // The copies the print dialog last chose (1 until it is shown).
    int dialogCopies() const { return dialogCopies_; }
    void setDialogCopies(int copies) { dialogCopies_ = copies < 1 ? 1 : copies; }

    // Prints at the current position (the top of the text line there), then ends
    // the line: x back to 0, y one line of the current font down. An empty text
    // prints a blank line.
    void print(const QString& text = {});
    // Prints without ending the line: x moves to just after the text.
    void printSameLine(const QString& text);

    double textWidth(const QString& text) const;
    // The height of the text's lines in the current font; one line for an empty text.
    double textHeight(const QString& text) const;

    // A straight line in the given colour (the text colour when none); the current
    // position moves to its end point, as the platform's printer does.
    void line(double x1, double y1, double x2, double y2, std::optional<QColor> colour = std::nullopt);
    // The picture scaled into the rectangle; the current position stays.
    void paintPicture(const QImage& image, double x, double y, double width, double height);

    // Starts a new page at (0, 0). A page break directly before EndDoc adds no blank page.
    void newPage();
    // Ends the job; the next print starts a new document.
    void endDoc();
    // Drops an open job after a failure (nothing more is printed of it).
    void abandonJob();

    bool jobOpen() const { return jobOpen_; }
    // Page number within the open job (0 when none is open).
    int page() const { return page_; }

    PrinterBackend& backend() { return *backend_; }
    QPrinter* dialogPrinter() { return backend_->dialogPrinter(); }

private:
    void preparePage();
    void closeJob(bool abandon);

    std::unique_ptr<PrinterBackend> backend_;
    PrintFont font_;
    QColor colour_ = Qt::black;
    PageOrientation orientation_ = PageOrientation::Portrait;
    int copies_ = 1;
    int dialogCopies_ = 1;
    double x_ = 0;
    double y_ = 0;
    bool jobOpen_ = false;
    bool breakPending_ = false;
    int page_ = 0;
};

// The one printer of the program (the system's printer through the painting backend).
Printer& ThePrinter();
// Installs a printer; returns the one it replaces.
std::unique_ptr<Printer> SetThePrinter(std::unique_ptr<Printer> printer);

// Installs a printer over the given backend for the scope's lifetime and puts the
// previous printer back; an open job of the scope's printer is dropped.
class PrinterScope {
public:
    explicit PrinterScope(std::unique_ptr<PrinterBackend> backend);
    ~PrinterScope();
    PrinterScope(const PrinterScope&) = delete;
    PrinterScope& operator=(const PrinterScope&) = delete;

private:
    std::unique_ptr<Printer> previous_;
};

enum class PrintOutcome { Printed, Cancelled, Failed };

// Runs a whole print job under the suite's print-error rule: a cancelled print
// dialog ends it quietly (or shows cancelledMessage, untitled, when one is given);
// a file error (a file the job reads) is shown as ReportFileError shows it; any other
// failure shows "A Print Error has occurred" titled "Print Error". An unfinished job
// is dropped so that its pages never join the next document.
PrintOutcome RunPrintJob(const std::function<void()>& job, const QString& cancelledMessage = {});
