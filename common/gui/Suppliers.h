#pragma once

#include <QString>

// The outside pages the menus open, and the forms supplier the ordering messages name.
// Tax pages are the tax authorities' own; supplier items are looked up by item number.
namespace Pages {
inline const QString SupplierName = QStringLiteral("Harrowgate Business Forms");
inline const QString LaserChecks = QStringLiteral("https://duckduckgo.com/?q=DLM102-1+laser+checks");
inline const QString DepositTickets = QStringLiteral("https://duckduckgo.com/?q=80200+deposit+tickets");
inline const QString Envelopes = QStringLiteral("https://duckduckgo.com/?q=91500+double+window+check+envelopes");
inline const QString W2Forms = QStringLiteral("https://duckduckgo.com/?q=W-2+tax+forms+laser");
// Sheets of 30 address labels, 1" x 2 5/8", as the label program prints them.
inline const QString AddressLabels = QStringLiteral("https://www.avery.com/templates/5160");
inline const QString MakerSite = QStringLiteral("https://duckduckgo.com/?q=QUILLMOORE+software");
inline const QString MakerTables = QStringLiteral("https://duckduckgo.com/?q=QUILLMOORE+payroll+tax+tables");
inline const QString IrsEin =
    QStringLiteral("https://www.irs.gov/businesses/small-businesses-self-employed/apply-for-an-employer-identification-number-ein-online");
inline const QString IrsW4 = QStringLiteral("https://www.irs.gov/pub/irs-pdf/fw4.pdf");
inline const QString StateUnemploymentAgencies =
    QStringLiteral("https://www.dol.gov/agencies/eta/unemployment-insurance-partners");

// The ordering message of the "Checks" menus: what to have ready, the supplier's
// item numbers and the ways to order; OK connects to the check page.
QString OrderChecksMessage();
} // namespace Pages
