#include "PrintRoutines.h"

#include "Dates.h"
#include "Dialogs.h"
#include "Globals.h"
#include "Printer.h"

namespace {

// The twips of a position in inches, worked out in single precision as stored positions are.
double Twips(float inches) {
    return static_cast<double>(inches * 1440.0f);
}

void PrintAt(float x, const QString& text) {
    SetPrintPosition(x, 0);
    ThePrinter().print(text);
}

// Where the first line of a wrapped text ends: the length of that line, blanks
// included. 0 means the whole text is the line: it fits, or has no blank to break at.
qsizetype WrapPoint(const QString& text, double limit) {
    qsizetype lastFitting = -1;
    for (qsizetype blank = text.indexOf(u' '); blank >= 0; blank = text.indexOf(u' ', blank + 1)) {
        if (ThePrinter().textWidth(text.left(blank + 1)) > limit) {
            // A first word wider than the line goes on a line of its own; breaking
            // anywhere earlier would never shorten the text.
            return lastFitting >= 0 ? lastFitting + 1 : blank + 1;
        }
        lastFitting = blank;
    }
    // The last word must fit as well, or it starts the next line.
    if (lastFitting >= 0 && lastFitting + 1 < text.size() && ThePrinter().textWidth(text) > limit)
        return lastFitting + 1;
    return 0;
}

} // namespace

void ShowPrinterDialog() {
    Printer& printer = ThePrinter();
    const std::optional<int> copies = Dialogs().printDialog(printer.dialogPrinter());
    if (!copies) throw PrintCancelled();
    printer.setDialogCopies(*copies);
    printer.setCopies(*copies);
}

void SetupPrinter(const QString& orientation) {
    Printer& printer = ThePrinter();
    printer.setOrientation(orientation == QLatin1String("Portrait") ? PageOrientation::Portrait
                                                                    : PageOrientation::Landscape);
    printer.setFontName(QStringLiteral("Ariel"));
    printer.setFontBold(false);
    printer.setFontUnderline(false);
    printer.setFontSize(10);
    printer.setCopies(printer.dialogCopies());
}

void SetPrintPosition(float x, float y) {
    if (x > 0) ThePrinter().setCurrentX(Twips(x));
    if (y > 0) ThePrinter().setCurrentY(Twips(y));
}

void SetPagePosition(float x, float y) {
    const QPointF origin = ThePrinter().printableOrigin();
    if (x > 0) ThePrinter().setCurrentX(Twips(x) - origin.x());
    if (y > 0) ThePrinter().setCurrentY(Twips(y) - origin.y());
}

void SetPrintFont(std::int16_t size, bool bold, bool underline) {
    Printer& printer = ThePrinter();
    if (size > 0) printer.setFontSize(size);
    printer.setFontBold(bold);
    printer.setFontUnderline(underline);
}

void PrintBusinessHeading(float x) {
    PrintAt(x, BusinessName);
    PrintAt(x, BusinessAddress);
    if (!BusinessAddress2.isEmpty()) PrintAt(x, BusinessAddress2);
    PrintAt(x, BusinessCity + QStringLiteral(", ") + BusinessState + u' ' + BusinessZip);
    PrintAt(x, BusinessPhone);
}

void PrintPayeeBlock(QDate checkDate, const QString& name, const QString& address, const QString& city,
                     const QString& state, const QString& zip, Money amount) {
    SetPrintFont(10, true, false);
    SetPrintPosition(5.4f, 5.2f);
    ThePrinter().printSameLine(ShortDateText(checkDate));
    PrintAt(7.0f, CurrencyText(amount));
    SetPrintPosition(1.0f, 5.5f);
    ThePrinter().print(name.trimmed());
    PrintAt(1.0f, address.trimmed());
    PrintAt(1.0f, city.trimmed() + QStringLiteral(", ") + state.trimmed() + u' ' + zip.trimmed());
}

void PrintWrapped(std::int16_t x, std::int16_t y, std::int16_t width, std::int16_t, const QString& text) {
    Printer& printer = ThePrinter();
    const double limit = static_cast<double>(width) - 20;
    printer.setCurrentY(y);
    QString rest = text;
    while (!rest.isEmpty()) {
        const qsizetype end = WrapPoint(rest, limit);
        QString line = rest;
        if (end > 0) {
            line = rest.left(end);
            // Only the blanks that start the next line are dropped.
            qsizetype next = end;
            while (next < rest.size() && rest.at(next) == u' ')
                ++next;
            rest = rest.mid(next);
        } else {
            rest.clear();
        }
        printer.setCurrentX(x);
        printer.print(line);
    }
}
