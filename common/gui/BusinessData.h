#pragma once

// MyBusinessData.txt, which every program of the suite reads: name, street,
// apartment/suite/PO box, city, state, postal code, telephone, fax/e-mail/web,
// FEIN/VAT, into or from the nine business globals. The reader restores a missing file
// from Backup first (FileExists); a file that ends early is reported as damaged and
// what it held is kept. Both throw FileError when the file system fails; the writer
// replaces the file in one step, so a failed write keeps the old file.

// Returns false, changing nothing, when the file is missing.
bool ReadBusinessData();
void WriteBusinessData();
