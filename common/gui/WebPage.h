#pragma once

#include <QString>

#include <functional>

// Opens an address in the user's browser: writes the shortcut file "\Temp.url" in
// the program folder, then asks the desktop to open the address, without waiting
// and without testing the result. A failure to write the shortcut file is reported
// to the user; the page is opened all the same.
void ConnecttoInternet(const QString& address);

// What opens an address (by default the desktop's handler for it, no shell in
// between). Tests install one that records the address. Returns the previous opener.
using UrlOpener = std::function<void(const QString& address)>;
UrlOpener SetUrlOpener(UrlOpener opener);
