#include "WebPage.h"

#include "DataFileNames.h"
#include "DataFiles.h"
#include "FileErrors.h"

#include <QDesktopServices>
#include <QUrl>

namespace {

void OpenWithDesktop(const QString& address) {
    QDesktopServices::openUrl(QUrl::fromUserInput(address));
}

UrlOpener& openerSlot() {
    static UrlOpener opener = OpenWithDesktop;
    return opener;
}

} // namespace

UrlOpener SetUrlOpener(UrlOpener opener) {
    std::swap(openerSlot(), opener);
    return opener;
}

void ConnecttoInternet(const QString& address) {
    try {
        TextOutput shortcut = OpenOutput(InternetShortcutFile);
        shortcut.print(QStringLiteral("[InternetShortcut]"));
        shortcut.print(QStringLiteral("URL = ") + address);
        shortcut.close();
    } catch (const FileError& error) {
        ReportFileError(error);
    }
    if (openerSlot()) openerSlot()(address);
}
