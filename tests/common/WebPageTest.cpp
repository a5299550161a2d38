#include "WebPage.h"
#include "TestSupport.h"

#include <QStringList>

#include <gtest/gtest.h>

namespace {

class WebPageTest : public ProgramFolderTest {
protected:
    WebPageTest() {
        previous_ = SetUrlOpener([this](const QString& address) { opened.append(address); });
    }
    ~WebPageTest() override { SetUrlOpener(previous_); }

    QStringList opened;

private:
    UrlOpener previous_;
};

} // namespace

TEST_F(WebPageTest, WritesTheShortcutFileThenOpensTheAddress) {
    ConnecttoInternet(QStringLiteral("https://www.irs.gov/businesses/employer-id-numbers"));
    EXPECT_EQ(
        readFile(QStringLiteral("Temp.url")),
        QByteArray("[InternetShortcut]\r\nURL = https://www.irs.gov/businesses/employer-id-numbers\r\n"));
    EXPECT_EQ(opened, QStringList{QStringLiteral("https://www.irs.gov/businesses/employer-id-numbers")});
    EXPECT_TRUE(dialogs->shown.empty());
}

TEST_F(WebPageTest, ShortcutFileIsRewrittenAtEachUse) {
    ConnecttoInternet(QStringLiteral("https://www.example.com/a-rather-long-address"));
    ConnecttoInternet(QStringLiteral("www.dol.gov"));
    EXPECT_EQ(readFile(QStringLiteral("Temp.url")),
              QByteArray("[InternetShortcut]\r\nURL = www.dol.gov\r\n"));
    EXPECT_EQ(opened.size(), 2);
}

TEST_F(WebPageTest, PageOpensEvenWhenTheShortcutCannotBeWritten) {
    makeFolder(QStringLiteral("Temp.url")); // a folder in the way of the file
    ConnecttoInternet(QStringLiteral("www.dol.gov"));
    ASSERT_EQ(dialogs->shown.size(), 1u);
    EXPECT_EQ(dialogs->shown[0].title, QStringLiteral("File Error"));
    EXPECT_EQ(opened, QStringList{QStringLiteral("www.dol.gov")});
}
