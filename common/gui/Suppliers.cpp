#include "Suppliers.h"

#include <QStringList>

QString Pages::OrderChecksMessage() {
    return QStringList{
        QStringLiteral("You will need to know your Bank's Routing Number and your"),
        QStringLiteral("Checking Account Number to order checks and Deposit Slips"),
        QString(),
        QStringLiteral("You can order from ") + SupplierName +
            QStringLiteral(" via the Internet or by telephone"),
        QString(),
        QStringLiteral("Select from the following:"),
        QStringLiteral("Checks - DLM102-1"),
        QStringLiteral("Deposit Slips - 80200"),
        QStringLiteral("Use Envelopes:"),
        QStringLiteral("091500 (Double Window) or 09508 (Single Window)"),
        QString(),
        QStringLiteral("Click OK to connect to ") + SupplierName,
    }
        .join(QStringLiteral("\r\n"));
}
