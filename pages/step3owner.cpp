#include "pages/step3owner.h"

#include "pages/fieldbinder.h"
#include "pages/projectmemo.h"
#include "project/projectsession.h"
#include "spelling/spellcheck.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QLabel* label(const char* name, const QString& text, QWidget* buddy, QWidget* parent) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(QLatin1String(name));
    l->setBuddy(buddy);
    return l;
}

QLineEdit* edit(const char* name, int width, QWidget* parent) {
    auto* e = new QLineEdit(parent);
    e->setObjectName(QLatin1String(name));
    e->setFixedWidth(width);
    return e;
}

} // namespace

TfrmStep3owner::TfrmStep3owner(const PageContext& context)
    : WizardPage(context,
                 {QStringLiteral("Информация о компании правообладателе конечного продукта")}) {
    setObjectName(QStringLiteral("frmStep3owner"));
    prCompanyName = edit("prCompanyName", 532, this);
    prCompanyURL = edit("prCompanyURL", 255, this);
    prCompanyEMail = edit("prCompanyEMail", 255, this);
    prCompanyPhone = edit("prCompanyPhone", 255, this);
    prCompanyInfo = new ProjectMemo(this);
    prCompanyInfo->setObjectName(QStringLiteral("prCompanyInfo"));
    prCompanyInfo->setTabChangesFocus(true);
    Label5 = label("Label5", QStringLiteral("Компания правообладатель (необязательно)"),
                   prCompanyName, this);
    Label2 = label("Label2", QStringLiteral("URL Вебсайта (необязательно)"), prCompanyURL, this);
    Label1 = label("Label1", QStringLiteral("EMail (необязательно)"), prCompanyEMail, this);
    Label3 = label("Label3", QStringLiteral("Телефон (необязательно)"), prCompanyPhone, this);
    Label6 = label("Label6", QStringLiteral("Дополнительные сведения о компании (необязательно)"),
                   prCompanyInfo, this);

    auto* grid = new QGridLayout;
    grid->addWidget(Label5, 0, 0, 1, 2);
    grid->addWidget(prCompanyName, 1, 0, 1, 2, Qt::AlignLeft);
    grid->addWidget(Label2, 2, 0);
    grid->addWidget(Label1, 2, 1);
    grid->addWidget(prCompanyURL, 3, 0, Qt::AlignLeft);
    grid->addWidget(prCompanyEMail, 3, 1, Qt::AlignLeft);
    grid->addWidget(Label3, 4, 0);
    grid->addWidget(prCompanyPhone, 5, 0, Qt::AlignLeft);
    grid->setColumnStretch(2, 1);
    body()->addLayout(grid);
    body()->addWidget(Label6);
    body()->addWidget(prCompanyInfo, 1);

    setTabOrder(prCompanyName, prCompanyURL);
    setTabOrder(prCompanyURL, prCompanyEMail);
    setTabOrder(prCompanyEMail, prCompanyPhone);
    setTabOrder(prCompanyPhone, prCompanyInfo);

    auto* binder = new FieldBinder(session(), this);
    binder->bind(prCompanyName, &tz::ProjectValues::companyName);
    binder->bind(prCompanyURL, &tz::ProjectValues::companyURL);
    binder->bind(prCompanyEMail, &tz::ProjectValues::companyEMail);
    binder->bind(prCompanyPhone, &tz::ProjectValues::companyPhone);
    binder->bind(prCompanyInfo, &tz::ProjectValues::companyInfo);
    if (extendedMode())
        tz::attachSpellCheck(prCompanyInfo);
    connect(btnNext, &QPushButton::clicked, this, &TfrmStep3owner::btnNextClick);
    connect(btnPrev, &QPushButton::clicked, this, &TfrmStep3owner::btnPrevClick);
}

void TfrmStep3owner::btnNextClick() {
    GoNext();
}

void TfrmStep3owner::btnPrevClick() {
    GoBack();
}
