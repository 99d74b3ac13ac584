#include "pages/step2.h"

#include "app/tfrmmain.h"
#include "pages/pageloader.h"
#include "pages/projectmemo.h"
#include "pages/uiseam.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

TfrmStep2::TfrmStep2(TfrmMain& main)
    : WizardPage(main, {QStringLiteral("Название и назначение программы")}) {
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

    connect(PrTitle, &QLineEdit::textChanged, this, &TfrmStep2::PrTitleChange);
    connect(PrDescription, &QPlainTextEdit::textChanged, this, &TfrmStep2::PrDescriptionChange);
    connect(btnNext, &QPushButton::clicked, this, &TfrmStep2::btnNextClick);
    connect(btnPrev, &QPushButton::clicked, this, &TfrmStep2::btnPrevClick);
    connect(&main, &TfrmMain::projectReplaced, this, &TfrmStep2::FormShow);
}

void TfrmStep2::showEvent(QShowEvent* event) {
    WizardPage::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TfrmStep2::FormShow() {
    const tz::ProjectValues& values = main().values();
    loadFields(main(), {{&values.title, PrTitle}, {&values.description, PrDescription}});
}

void TfrmStep2::PrTitleChange() {
    if (main().Loading)
        return;
    main().values().title = PrTitle->text();
    main().TZrenew();
}

void TfrmStep2::PrDescriptionChange() {
    if (main().Loading)
        return;
    main().values().description = PrDescription->projectText();
    main().TZrenew();
}

void TfrmStep2::btnNextClick() {
    if (PrTitle->text().isEmpty()) {
        main().seam().message(this, QStringLiteral("Заполните поле с названием программы"));
        return;
    }
    if (PrDescription->document()->isEmpty()) {
        main().seam().message(this, QStringLiteral("Заполните поле с описанием программы"));
        return;
    }
    GoNext();
}

void TfrmStep2::btnPrevClick() {
    GoBack();
}
