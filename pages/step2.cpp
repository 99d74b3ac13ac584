#include "pages/step2.h"

#include "pages/fieldbinder.h"
#include "pages/projectmemo.h"
#include "pages/uiseam.h"
#include "project/projectsession.h"
#include "spelling/spellcheck.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

TfrmStep2::TfrmStep2(const PageContext& context)
    : WizardPage(context, {QStringLiteral("Название и назначение программы")}) {
    setObjectName(QStringLiteral("frmStep2"));
    Label3 = new QLabel(QStringLiteral("Название программы"), this);
    Label3->setObjectName(QStringLiteral("Label3"));
    PrTitle = new QLineEdit(this);
    PrTitle->setObjectName(QStringLiteral("PrTitle"));
    PrTitle->setFixedWidth(476);
    Label3->setBuddy(PrTitle);
    Label4 = new QLabel(QStringLiteral("Целевое назначение"), this);
    Label4->setObjectName(QStringLiteral("Label4"));
    PrDescription = new ProjectMemo(this);
    PrDescription->setObjectName(QStringLiteral("PrDescription"));
    PrDescription->setTabChangesFocus(true);
    Label4->setBuddy(PrDescription);
    body()->addWidget(Label3);
    body()->addWidget(PrTitle);
    body()->addSpacing(8);
    body()->addWidget(Label4);
    body()->addWidget(PrDescription, 1);

    auto* binder = new FieldBinder(session(), this);
    binder->bind(PrTitle, &tz::ProjectValues::title);
    binder->bind(PrDescription, &tz::ProjectValues::description);
    if (extendedMode()) {
        tz::attachSpellCheck(PrTitle);
        tz::attachSpellCheck(PrDescription);
    }
    connect(btnNext, &QPushButton::clicked, this, &TfrmStep2::btnNextClick);
    connect(btnPrev, &QPushButton::clicked, this, &TfrmStep2::btnPrevClick);
}

void TfrmStep2::btnNextClick() {
    if (PrTitle->text().isEmpty()) {
        seam().message(this, QStringLiteral("Заполните поле с названием программы"));
        return;
    }
    if (PrDescription->document()->isEmpty()) {
        seam().message(this, QStringLiteral("Заполните поле с описанием программы"));
        return;
    }
    GoNext();
}

void TfrmStep2::btnPrevClick() {
    GoBack();
}
