#include "PrinterSupport.h"

double Twips(float inches) {
    return static_cast<double>(inches * 1440.0f);
}

void PrintTo(const RecordedText& text, std::ostream* out) {
    *out << "text " << text.job << '/' << text.page << " at " << text.x << ',' << text.y << ' '
         << text.font.name.toStdString() << ' ' << text.font.size << (text.font.bold ? " bold" : "")
         << (text.font.underline ? " underline" : "") << " \"" << text.text.toStdString() << '"';
}

void PrintTo(const RecordedLine& line, std::ostream* out) {
    *out << "line " << line.job << '/' << line.page << " from " << line.from.x() << ',' << line.from.y()
         << " to " << line.to.x() << ',' << line.to.y() << ' ' << line.colour.name().toStdString();
}
