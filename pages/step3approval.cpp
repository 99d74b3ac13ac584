#include "pages/step3approval.h"

#include "pages/fieldbinder.h"
#include "pages/uiseam.h"
#include "project/projectsession.h"
#include "spelling/spellcheck.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QLineEdit* edit(const char* name, QWidget* parent) {
    auto* e = new QLineEdit(parent);
    e->setObjectName(QLatin1String(name));
    return e;
}

// A group of one signatory: the position and the initials with the surname, each labelled.
QGroupBox* signatoryGroup(const char* name, const QString& title, QLineEdit* position,
                          QLineEdit* person, QWidget* parent) {
    auto* group = new QGroupBox(title, parent);
    group->setObjectName(QLatin1String(name));
    auto* layout = new QVBoxLayout(group);
    for (const auto& [text, field] : {std::pair{QStringLiteral("Должность"), position},
                                      std::pair{QStringLiteral("Инициалы и фамилия"), person}}) {
        auto* label = new QLabel(text, group);
        label->setBuddy(field);
        field->setAccessibleName(title.trimmed() + QStringLiteral(": ") + text);
        layout->addWidget(label);
        layout->addWidget(field);
    }
    return group;
}

} // namespace

TfrmStep3approval::TfrmStep3approval(const PageContext& context)
    : WizardPage(context, {QStringLiteral("Согласование и утверждение")}) {
    setObjectName(QStringLiteral("frmStep3approval"));
    prCustomer = edit("prCustomer", this);
    Label1 = new QLabel(QStringLiteral("Заказчик (организация)"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setBuddy(prCustomer);
    prExecutor = edit("prExecutor", this);
    Label4 = new QLabel(QStringLiteral("Исполнитель (организация)"), this);
    Label4->setObjectName(QStringLiteral("Label4"));
    Label4->setBuddy(prExecutor);

    prAgreedPosition = edit("prAgreedPosition", this);
    prAgreedName = edit("prAgreedName", this);
    GroupAgreed = signatoryGroup("GroupAgreed", QStringLiteral(" СОГЛАСОВАНО (от Заказчика) "),
                                 prAgreedPosition, prAgreedName, this);
    prApprovedPosition = edit("prApprovedPosition", this);
    prApprovedName = edit("prApprovedName", this);
    GroupApproved = signatoryGroup("GroupApproved", QStringLiteral(" УТВЕРЖДАЮ (от Исполнителя) "),
                                   prApprovedPosition, prApprovedName, this);

    prDesignation = edit("prDesignation", this);
    prDesignation->setFixedWidth(255);
    prDesignation->setPlaceholderText(QStringLiteral("RU.12345678.00001-01"));
    Label2 = new QLabel(QStringLiteral("Обозначение документа"), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setBuddy(prDesignation);
    DesignationHint = new QLabel(designationMessage(), this);
    DesignationHint->setObjectName(QStringLiteral("DesignationHint"));
    DesignationHint->setWordWrap(true);
    QPalette warning = DesignationHint->palette();
    warning.setColor(QPalette::WindowText, QColor(0xB0, 0x00, 0x00));
    DesignationHint->setPalette(warning);
    // The hint has its room whether it shows or not, so that nothing below it moves.
    QSizePolicy room = DesignationHint->sizePolicy();
    room.setRetainSizeWhenHidden(true);
    DesignationHint->setSizePolicy(room);
    DesignationHint->hide();

    prBasis = new ProjectMemo(this);
    prBasis->setObjectName(QStringLiteral("prBasis"));
    prBasis->setTabChangesFocus(true);
    Label3 = new QLabel(
        QStringLiteral("Основание для разработки (договор, приказ или иной документ)"), this);
    Label3->setObjectName(QStringLiteral("Label3"));
    Label3->setBuddy(prBasis);

    // The customer's side on the left, the executor's on the right.
    auto* parties = new QGridLayout;
    parties->addWidget(Label1, 0, 0);
    parties->addWidget(prCustomer, 1, 0);
    parties->addWidget(GroupAgreed, 2, 0);
    parties->addWidget(Label4, 0, 1);
    parties->addWidget(prExecutor, 1, 1);
    parties->addWidget(GroupApproved, 2, 1);
    body()->addLayout(parties);
    body()->addWidget(Label2);
    auto* designation = new QHBoxLayout;
    designation->addWidget(prDesignation, 0, Qt::AlignLeft | Qt::AlignTop);
    designation->addWidget(DesignationHint, 1);
    body()->addLayout(designation);
    body()->addWidget(Label3);
    body()->addWidget(prBasis, 1);

    setTabOrder(prCustomer, prAgreedPosition);
    setTabOrder(prAgreedPosition, prAgreedName);
    setTabOrder(prAgreedName, prExecutor);
    setTabOrder(prExecutor, prApprovedPosition);
    setTabOrder(prApprovedPosition, prApprovedName);
    setTabOrder(prApprovedName, prDesignation);
    setTabOrder(prDesignation, prBasis);

    auto* binder = new FieldBinder(session(), this);
    binder->bind(prCustomer, &tz::ProjectValues::customer);
    binder->bind(prExecutor, &tz::ProjectValues::executor);
    binder->bind(prAgreedPosition, &tz::ProjectValues::agreedPosition);
    binder->bind(prAgreedName, &tz::ProjectValues::agreedName);
    binder->bind(prApprovedPosition, &tz::ProjectValues::approvedPosition);
    binder->bind(prApprovedName, &tz::ProjectValues::approvedName);
    // What is typed is kept as it is, well formed or not; the hint says what is wrong.
    binder->bind(prDesignation, &tz::ProjectValues::designation);
    binder->bind(prBasis, &tz::ProjectValues::basis);
    if (extendedMode())
        tz::attachSpellCheck(prBasis);
    connect(prDesignation, &QLineEdit::textChanged, this, &TfrmStep3approval::showDesignationHint);
    connect(prDesignation, &QLineEdit::editingFinished, this,
            &TfrmStep3approval::showDesignationHint);
    connect(btnNext, &QPushButton::clicked, this, &TfrmStep3approval::btnNextClick);
    connect(btnPrev, &QPushButton::clicked, this, &TfrmStep3approval::btnPrevClick);
}

QString TfrmStep3approval::designationMessage() {
    return QStringLiteral("Обозначение записывается так: RU.12345678.00001-01 — код страны «RU» "
                          "или «643», точка, восемь цифр кода организации, точка, пять цифр "
                          "регистрационного номера, дефис и две цифры номера редакции.");
}

// The hint waits until the designation is typed whole or the field is left, rather than
// flashing from the first keystroke.
void TfrmStep3approval::showDesignationHint() {
    constexpr qsizetype kWhole = 20; // "RU.12345678.00001-01"
    const QString designation = prDesignation->text();
    const bool typed = !prDesignation->hasFocus() || designation.size() >= kWhole;
    DesignationHint->setVisible(typed && !designation.isEmpty() &&
                                !tz::isWellFormedDesignation(designation));
}

void TfrmStep3approval::btnNextClick() {
    const QString designation = prDesignation->text();
    if (!designation.isEmpty() && !tz::isWellFormedDesignation(designation)) {
        seam().message(this, QStringLiteral("Обозначение документа «") + designation +
                                 QStringLiteral("» записано неверно.\n\n") + designationMessage());
        prDesignation->setFocus();
        return;
    }
    GoNext();
}

void TfrmStep3approval::btnPrevClick() {
    GoBack();
}
