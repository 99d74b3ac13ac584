#include "app/tfrmabout.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

TfrmAbout::TfrmAbout() {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("О программе"));
    setFont(QFont(QStringLiteral("Tahoma"), 8));
    auto* layout = new QVBoxLayout(this);
    auto* icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("ProgramIcon"));
    icon->setPixmap(QApplication::windowIcon().isNull()
                        ? style()->standardIcon(QStyle::SP_FileDialogDetailedView).pixmap(32)
                        : QApplication::windowIcon().pixmap(32));
    icon->setAlignment(Qt::AlignCenter);
    auto* product = new QLabel(QStringLiteral("Техническое Задание на разработку ПО"), this);
    product->setObjectName(QStringLiteral("ProductName"));
    product->setAlignment(Qt::AlignCenter);
    auto* version = new QLabel(QStringLiteral("Версия 1.01"), this);
    version->setObjectName(QStringLiteral("Version"));
    version->setAlignment(Qt::AlignCenter);
    btnClose = new QPushButton(QStringLiteral("&Закрыть"), this);
    btnClose->setObjectName(QStringLiteral("btnClose"));
    btnClose->setDefault(true);
    btnClose->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    connect(btnClose, &QPushButton::clicked, this, &QDialog::accept);
    layout->addWidget(icon);
    layout->addWidget(product);
    layout->addWidget(version);
    layout->addWidget(btnClose);
}
