#include "pages/step3approval.h"

#include "app/tfrmmain.h"
#include "pages/pageloader.h"
#include "pages/uiseam.h"
#include "project/projectvalues.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
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

TfrmStep3approval::TfrmStep3approval(TfrmMain& main)
    : WizardPage(main, {QStringLiteral("Согласование и утверждение")}) {
    setObjectName(QStringLiteral("frmStep3approval"));
    prCustomer = edit("prCustomer", this);
    Label1 = new QLabel(QStringLiteral("Заказчик (организация)"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setBuddy(prCustomer);

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
    DesignationHint->hide();

    prBasis = new ProjectMemo(this);
    prBasis->setObjectName(QStringLiteral("prBasis"));
    prBasis->setTabChangesFocus(true);
    Label3 = new QLabel(
        QStringLiteral("Основание для разработки (договор, приказ или иной документ)"), this);
    Label3->setObjectName(QStringLiteral("Label3"));
    Label3->setBuddy(prBasis);

    body()->addWidget(Label1);
    body()->addWidget(prCustomer);
    auto* signatories = new QHBoxLayout;
    signatories->addWidget(GroupAgreed);
    signatories->addWidget(GroupApproved);
    body()->addLayout(signatories);
    body()->addWidget(Label2);
    auto* designation = new QHBoxLayout;
    designation->addWidget(prDesignation, 0, Qt::AlignLeft | Qt::AlignTop);
    designation->addWidget(DesignationHint, 1);
    body()->addLayout(designation);
    body()->addWidget(Label3);
    body()->addWidget(prBasis, 1);

    setTabOrder(prCustomer, prAgreedPosition);
    setTabOrder(prAgreedPosition, prAgreedName);
    setTabOrder(prAgreedName, prApprovedPosition);
    setTabOrder(prApprovedPosition, prApprovedName);
    setTabOrder(prApprovedName, prDesignation);
    setTabOrder(prDesignation, prBasis);

    for (QLineEdit* e :
         {prCustomer, prAgreedPosition, prAgreedName, prApprovedPosition, prApprovedName})
        connect(e, &QLineEdit::textChanged, this, &TfrmStep3approval::prCustomerChange);
    connect(prDesignation, &QLineEdit::textChanged, this, &TfrmStep3approval::prDesignationChange);
    connect(prBasis, &QPlainTextEdit::textChanged, this, &TfrmStep3approval::prBasisChange);
    connect(btnNext, &QPushButton::clicked, this, &TfrmStep3approval::btnNextClick);
    connect(btnPrev, &QPushButton::clicked, this, &TfrmStep3approval::btnPrevClick);
    connect(&main, &TfrmMain::projectReplaced, this, &TfrmStep3approval::FormShow);
}

QString TfrmStep3approval::designationMessage() {
    return QStringLiteral("Обозначение записывается так: RU.12345678.00001-01 — «RU.», восемь "
                          "цифр кода организации, точка, пять цифр регистрационного номера, "
                          "дефис и две цифры номера редакции.");
}

void TfrmStep3approval::showEvent(QShowEvent* event) {
    WizardPage::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TfrmStep3approval::FormShow() {
    const tz::ProjectValues& values = main().values();
    loadFields(main(), {{&values.customer, prCustomer},
                        {&values.agreedBy.position, prAgreedPosition},
                        {&values.agreedBy.name, prAgreedName},
                        {&values.approvedBy.position, prApprovedPosition},
                        {&values.approvedBy.name, prApprovedName},
                        {&values.designation, prDesignation},
                        {&values.basis, prBasis}});
    showDesignationHint();
}

void TfrmStep3approval::prCustomerChange() {
    if (main().Loading)
        return;
    tz::ProjectValues& values = main().values();
    values.customer = prCustomer->text();
    values.agreedBy = {prAgreedPosition->text(), prAgreedName->text()};
    values.approvedBy = {prApprovedPosition->text(), prApprovedName->text()};
    main().TZrenew();
}

// What is typed is kept as it is, well formed or not; the hint says what is wrong.
void TfrmStep3approval::prDesignationChange() {
    showDesignationHint();
    if (main().Loading)
        return;
    main().values().designation = prDesignation->text();
    main().TZrenew();
}

void TfrmStep3approval::prBasisChange() {
    if (main().Loading)
        return;
    main().values().basis = prBasis->projectText();
    main().TZrenew();
}

void TfrmStep3approval::showDesignationHint() {
    const QString designation = prDesignation->text();
    DesignationHint->setVisible(!designation.isEmpty() &&
                                !tz::isWellFormedDesignation(designation));
}

void TfrmStep3approval::btnNextClick() {
    const QString designation = prDesignation->text();
    if (!designation.isEmpty() && !tz::isWellFormedDesignation(designation)) {
        main().seam().message(this, QStringLiteral("Обозначение документа «") + designation +
                                        QStringLiteral("» записано неверно.\n\n") +
                                        designationMessage());
        prDesignation->setFocus();
        return;
    }
    GoNext();
}

void TfrmStep3approval::btnPrevClick() {
    GoBack();
}
