#include "dialogs/CAboutDlg.h"

#include <QApplication>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

#include "support/UserMessage.h"

namespace {
constexpr const char* kReleaseDate = "Release date : 2026-12-06";
constexpr int kIconSize = 32;
}  // namespace

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent)
{
    const QString product = QString::fromLatin1(kProductCaption);
    setWindowTitle(QStringLiteral("About ") + product);

    QIcon icon = QApplication::windowIcon();
    if (icon.isNull())
        icon = style()->standardIcon(QStyle::SP_MessageBoxInformation);
    auto* picture = new QLabel;
    picture->setPixmap(icon.pixmap(kIconSize, kIconSize));

    auto* ok = new QPushButton(QStringLiteral("OK"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QGridLayout(this);
    layout->addWidget(picture, 0, 0, 2, 1, Qt::AlignTop);
    layout->addWidget(new QLabel(product), 0, 1);
    layout->addWidget(new QLabel(QString::fromLatin1(kReleaseDate)), 1, 1);
    layout->addWidget(ok, 0, 2, Qt::AlignTop);
    layout->setHorizontalSpacing(16);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}
