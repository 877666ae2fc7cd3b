// The user guide in the program folder, as Help Content opens it: every
// picture it shows is there, every link inside it leads somewhere.

#include <gtest/gtest.h>

#include <QFile>
#include <QRegularExpression>

#include "common/TestFiles.h"

TEST(HelpFile, PicturesAndLinksResolveInTheProgramFolder)
{
    QFile help(QString::fromStdString(ProgramDir() + "help.html"));
    ASSERT_TRUE(help.open(QIODevice::ReadOnly)) << "help.html is not in the program folder";
    QString text = QString::fromUtf8(help.readAll());
    // Comments hold notes for whoever edits the guide, not what it shows.
    text.remove(QRegularExpression(QStringLiteral("<!--.*?-->"), QRegularExpression::DotMatchesEverythingOption));

    int pictures = 0;
    static const QRegularExpression picture(QStringLiteral("<img src=\"([^\"]+)\""));
    for (auto found = picture.globalMatch(text); found.hasNext(); ++pictures) {
        const QString file = found.next().captured(1);
        EXPECT_TRUE(QFile::exists(QString::fromStdString(ProgramDir()) + file)) << file.toStdString();
    }
    EXPECT_GT(pictures, 0);

    static const QRegularExpression link(QStringLiteral("href=\"#([^\"]+)\""));
    for (auto found = link.globalMatch(text); found.hasNext();) {
        const QString anchor = found.next().captured(1);
        EXPECT_TRUE(text.contains(QStringLiteral("id=\"%1\"").arg(anchor))) << anchor.toStdString();
    }
}
