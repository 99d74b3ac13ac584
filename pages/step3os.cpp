#include "pages/step3os.h"

#include "pages/fieldbinder.h"
#include "project/projectsession.h"
#include "project/textlines.h"

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

TfrmStep3os::TfrmStep3os(const PageContext& context)
    : WizardPage(context, {QStringLiteral("Операционная система")}) {
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
    CheckBoxWindows10 =
        checkBox<QCheckBox>("CheckBoxWindows10", QStringLiteral("Windows 10"), this);
    CheckBoxWindows11 =
        checkBox<QCheckBox>("CheckBoxWindows11", QStringLiteral("Windows 11"), this);
    CheckBoxServer2019 =
        checkBox<QCheckBox>("CheckBoxServer2019", QStringLiteral("Windows Server 2019"), this);
    CheckBoxServer2022 =
        checkBox<QCheckBox>("CheckBoxServer2022", QStringLiteral("Windows Server 2022"), this);
    CheckBoxAstra = checkBox<QCheckBox>("CheckBoxAstra", QStringLiteral("Astra Linux"), this);
    CheckBoxRedOS = checkBox<QCheckBox>("CheckBoxRedOS", QStringLiteral("РЕД ОС"), this);
    CheckBoxAlt = checkBox<QCheckBox>("CheckBoxAlt", QStringLiteral("Альт Линукс"), this);

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
    // Today's systems stand below the boxes laid out first, which keep their places.
    grid->addWidget(CheckBoxWindows10, 3, 1);
    grid->addWidget(CheckBoxWindows11, 4, 1);
    grid->addWidget(CheckBoxServer2019, 3, 3);
    grid->addWidget(CheckBoxServer2022, 4, 3);
    if (extendedMode())
        grid->setRowMinimumHeight(5, 12);
    grid->addWidget(CheckBoxAstra, 6, 0, 1, 2);
    grid->addWidget(CheckBoxRedOS, 7, 0, 1, 2);
    grid->addWidget(CheckBoxAlt, 8, 0, 1, 2);
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
    setTabOrder(CheckBoxServer2003, CheckBoxWindows10);
    setTabOrder(CheckBoxWindows10, CheckBoxWindows11);
    setTabOrder(CheckBoxWindows11, CheckBoxServer2019);
    setTabOrder(CheckBoxServer2019, CheckBoxServer2022);
    setTabOrder(CheckBoxServer2022, CheckBoxAstra);
    setTabOrder(CheckBoxAstra, CheckBoxRedOS);
    setTabOrder(CheckBoxRedOS, CheckBoxAlt);
    setTabOrder(CheckBoxAlt, EditOS);

    connect(btnNext, &QPushButton::clicked, this, &TfrmStep3os::btnNextClick);
    connect(btnPrev, &QPushButton::clicked, this, &TfrmStep3os::btnPrevClick);
    if (!extendedMode()) {
        connect(CheckBoxWindows, &MouseUpCheckBox::mouseUp, this,
                &TfrmStep3os::CheckBoxWindowsMouseUp);
        connect(CheckBoxServer, &MouseUpCheckBox::mouseUp, this,
                &TfrmStep3os::CheckBoxServerMouseUp);
        for (QCheckBox* box : {CheckBoxWindows10, CheckBoxWindows11, CheckBoxServer2019,
                               CheckBoxServer2022, CheckBoxAstra, CheckBoxRedOS, CheckBoxAlt})
            box->hide();
        return;
    }
    // A family box shows its systems' state and ticks or clears them all, by the mouse and
    // by Space alike; Tab goes down one column, then the next.
    for (MouseUpCheckBox* family : {CheckBoxWindows, CheckBoxServer})
        family->setTristate(true);
    connect(CheckBoxWindows, &QCheckBox::clicked, this, &TfrmStep3os::CheckBoxWindowsMouseUp);
    connect(CheckBoxServer, &QCheckBox::clicked, this, &TfrmStep3os::CheckBoxServerMouseUp);
    const QList<QWidget*> order{CheckBoxWindows,    CheckBoxWindows2000,
                                CheckBoxWindowsXP,  CheckBoxWindows10,
                                CheckBoxWindows11,  CheckBoxServer,
                                CheckBoxServer2000, CheckBoxServer2003,
                                CheckBoxServer2019, CheckBoxServer2022,
                                CheckBoxAstra,      CheckBoxRedOS,
                                CheckBoxAlt,        EditOS};
    for (qsizetype i = 0; i + 1 < order.size(); ++i)
        setTabOrder(order.at(i), order.at(i + 1));
    auto* binder = new FieldBinder(session(), this);
    binder->bind([this] { showSystems(); });
    binder->bind(EditOS, &tz::ProjectValues::osOther);
    const auto store = binder->stored([this] { storeSystems(); });
    for (QCheckBox* box : systemBoxes()) {
        connect(box, &QCheckBox::toggled, this, store);
        connect(box, &QCheckBox::toggled, this, &TfrmStep3os::showFamilies);
    }
}

void TfrmStep3os::showFamilies() {
    for (const auto& [family, members] : {std::pair{CheckBoxWindows, windowsMembers()},
                                          std::pair{CheckBoxServer, serverMembers()}}) {
        const auto ticked = std::count_if(members.begin(), members.end(),
                                          [](const QCheckBox* box) { return box->isChecked(); });
        family->setCheckState(ticked == 0                ? Qt::Unchecked
                              : ticked == members.size() ? Qt::Checked
                                                         : Qt::PartiallyChecked);
    }
}

QList<QCheckBox*> TfrmStep3os::systemBoxes() const {
    return {CheckBoxWindows2000, CheckBoxWindowsXP, CheckBoxServer2000, CheckBoxServer2003,
            CheckBoxWindows10,   CheckBoxWindows11, CheckBoxServer2019, CheckBoxServer2022,
            CheckBoxAstra,       CheckBoxRedOS,     CheckBoxAlt};
}

QList<QCheckBox*> TfrmStep3os::windowsMembers() const {
    if (extendedMode())
        return {CheckBoxWindows2000, CheckBoxWindowsXP, CheckBoxWindows10, CheckBoxWindows11};
    return {CheckBoxWindows2000, CheckBoxWindowsXP};
}

QList<QCheckBox*> TfrmStep3os::serverMembers() const {
    if (extendedMode())
        return {CheckBoxServer2000, CheckBoxServer2003, CheckBoxServer2019, CheckBoxServer2022};
    return {CheckBoxServer2000, CheckBoxServer2003};
}

void TfrmStep3os::showSystems() {
    m_otherSystems = tz::splitLines(model().values().os);
    m_otherSystems.removeAll(QString());
    for (QCheckBox* box : systemBoxes())
        box->setChecked(m_otherSystems.removeAll(box->text()) > 0);
    showFamilies();
}

// Systems of the project that the page has no box for follow the ticked ones.
void TfrmStep3os::storeSystems() {
    QStringList ticked;
    for (QCheckBox* box : systemBoxes()) {
        if (box->isChecked())
            ticked.append(box->text());
    }
    session().setValue(&tz::ProjectValues::os,
                       (ticked + m_otherSystems).join(QLatin1String("\r\n")));
}

// Without the extended mode the family box's own tick goes to its systems. In the extended
// mode the box shows their state: a click ticks them all unless all are ticked.
void TfrmStep3os::CheckBoxWindowsMouseUp() {
    tickFamily(CheckBoxWindows, windowsMembers());
}

void TfrmStep3os::CheckBoxServerMouseUp() {
    tickFamily(CheckBoxServer, serverMembers());
}

void TfrmStep3os::tickFamily(QCheckBox* family, const QList<QCheckBox*>& members) {
    bool tick = family->isChecked();
    if (extendedMode())
        tick = std::any_of(members.begin(), members.end(),
                           [](const QCheckBox* box) { return !box->isChecked(); });
    for (QCheckBox* member : members)
        member->setChecked(tick);
    if (extendedMode())
        showFamilies();
}

void TfrmStep3os::btnNextClick() {
    GoNext();
}

void TfrmStep3os::btnPrevClick() {
    GoBack();
}
