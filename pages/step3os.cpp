#include "pages/step3os.h"

#include "app/tfrmmain.h"
#include "pages/step2.h"
#include "pages/step3owner.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

void MouseUpCheckBox::mouseReleaseEvent(QMouseEvent* event) {
    QCheckBox::mouseReleaseEvent(event);
    Q_EMIT mouseUp();
}

namespace {

template <typename Box> Box* checkBox(const char* name, const QString& text, QWidget* parent) {
    auto* box = new Box(text, parent);
    box->setObjectName(QLatin1String(name));
    return box;
}

} // namespace

TfrmStep3os::TfrmStep3os(TfrmMain& main)
    : WizardPage(main, {QStringLiteral("Операционная система")}) {
    setObjectName(QStringLiteral("frmStep3os"));
    CheckBoxWindows =
        checkBox<MouseUpCheckBox>("CheckBoxWindows", QStringLiteral("Семейство Windows"), this);
    CheckBoxWindows2000 =
        checkBox<QCheckBox>("CheckBoxWindows2000", QStringLiteral("Windows 2000"), this);
    CheckBoxWindowsXP =
        checkBox<QCheckBox>("CheckBoxWindowsXP", QStringLiteral("Windows XP"), this);
    CheckBoxServer = checkBox<MouseUpCheckBox>("CheckBoxServer",
                                               QStringLiteral("Семейство Windows Server"), this);
    CheckBoxServer2000 =
        checkBox<QCheckBox>("CheckBoxServer2000", QStringLiteral("Windows 2000 Server"), this);
    CheckBoxServer2003 =
        checkBox<QCheckBox>("CheckBoxServer2003", QStringLiteral("Windows 2003"), this);

    auto* grid = new QGridLayout;
    grid->setColumnMinimumWidth(0, 20);
    grid->setColumnMinimumWidth(2, 20);
    grid->addWidget(CheckBoxWindows, 0, 0, 1, 2);
    grid->addWidget(CheckBoxWindows2000, 1, 1);
    grid->addWidget(CheckBoxWindowsXP, 2, 1);
    grid->addWidget(CheckBoxServer, 0, 2, 1, 2);
    grid->addWidget(CheckBoxServer2000, 1, 3);
    grid->addWidget(CheckBoxServer2003, 2, 3);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    body()->addLayout(grid);
    body()->addStretch(1);

    Label1 =
        new QLabel(QStringLiteral("Для работы под управлением других операционных систем:"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    EditOS = new QLineEdit(this);
    EditOS->setObjectName(QStringLiteral("EditOS"));
    Label1->setBuddy(EditOS);
    body()->addWidget(Label1);
    body()->addWidget(EditOS);

    setTabOrder(CheckBoxWindows, CheckBoxWindows2000);
    setTabOrder(CheckBoxWindows2000, CheckBoxWindowsXP);
    setTabOrder(CheckBoxWindowsXP, CheckBoxServer);
    setTabOrder(CheckBoxServer, CheckBoxServer2000);
    setTabOrder(CheckBoxServer2000, CheckBoxServer2003);
    setTabOrder(CheckBoxServer2003, EditOS);

    connect(CheckBoxWindows, &MouseUpCheckBox::mouseUp, this, &TfrmStep3os::CheckBoxWindowsMouseUp);
    connect(CheckBoxServer, &MouseUpCheckBox::mouseUp, this, &TfrmStep3os::CheckBoxServerMouseUp);
    connect(btnNext, &QPushButton::clicked, this, &TfrmStep3os::btnNextClick);
    connect(btnPrev, &QPushButton::clicked, this, &TfrmStep3os::btnPrevClick);
}

void TfrmStep3os::CheckBoxWindowsMouseUp() {
    CheckBoxWindows2000->setChecked(CheckBoxWindows->isChecked());
    CheckBoxWindowsXP->setChecked(CheckBoxWindows->isChecked());
}

void TfrmStep3os::CheckBoxServerMouseUp() {
    CheckBoxServer2000->setChecked(CheckBoxServer->isChecked());
    CheckBoxServer2003->setChecked(CheckBoxServer->isChecked());
}

void TfrmStep3os::btnNextClick() {
    GoNext();
}

void TfrmStep3os::btnPrevClick() {
    GoBack();
}

void TfrmStep3os::GoNext() {
    main().DoStep(this, main().windows().step3owner);
}

void TfrmStep3os::GoBack() {
    main().DoStep(this, main().windows().step2);
}
