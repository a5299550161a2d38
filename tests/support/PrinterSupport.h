#pragma once

#include "RecordingPrinter.h"
#include "TestSupport.h"

#include <ostream>

// A program-folder test whose printer records the pages instead of printing them.
class PrintingTest : public ProgramFolderTest {
protected:
    RecordingPrinterScope printer;
};

// The twips of a position in inches, worked out as SetPrintPosition does.
double Twips(float inches);

// Readable failure output for recorded items.
void PrintTo(const RecordedText& text, std::ostream* out);
void PrintTo(const RecordedLine& line, std::ostream* out);
