#pragma once

#include "Money.h"

#include <QDate>
#include <QString>

#include <cstdint>

// The shared steps of every printed page. Positions are inches (converted at 1440
// twips per inch); callers compose their pages from these and end the job themselves.
// None of them catches an error: callers run the whole job inside RunPrintJob.

// Shows the print dialog; on OK the chosen printer prints the job with the chosen
// number of copies. Throws PrintCancelled when the user cancels.
void ShowPrinterDialog();
// Prepares the printer for a job: portrait for "Portrait", landscape for any other
// word; font "Ariel" 10, neither bold nor underlined; the dialog's copies.
void SetupPrinter(const QString& orientation);
// x > 0 sets the horizontal position, y > 0 the vertical one; 0 or less leaves it.
void SetPrintPosition(float x, float y);
// The same in inches from the top-left corner of the paper rather than of the printable
// area, for stock printed at fixed places on the sheet whatever the printer's margins.
void SetPagePosition(float x, float y);
// size > 0 sets the size; bold and underline always follow the flags.
void SetPrintFont(std::int16_t size, bool bold, bool underline);
// The business name, address (and second line when there is one), city line and
// phone, each on its own line at x, from the current line down.
void PrintBusinessHeading(float x);
// The body of a check: date and amount on the date line, payee and address below.
void PrintPayeeBlock(QDate checkDate, const QString& name, const QString& address, const QString& city,
                     const QString& state, const QString& zip, Money amount);
// Prints the text from (x, y) in twips in lines that fit the width less 20 twips,
// breaking after blanks. A word wider than the line prints alone on its line.
// The fourth number is accepted for the callers' sake and not used.
void PrintWrapped(std::int16_t x, std::int16_t y, std::int16_t width, std::int16_t unused,
                  const QString& text);
