#include "pages/step4.h"

#include "pages/fieldbinder.h"
#include "pages/uiseam.h"
#include "project/projectsession.h"
#include "project/standardlists.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

template <typename Button>
Button* button(const char* name, const QString& text, bool enabled, QWidget* parent) {
    auto* b = new Button(text, parent);
    b->setObjectName(QLatin1String(name));
    b->setEnabled(enabled);
    return b;
}

} // namespace

TfrmStep4::TfrmStep4(const PageContext& context)
    : WizardPage(context, {QStringLiteral("Тип программы")}) {
    setObjectName(QStringLiteral("frmStep4"));
    const bool extended = extendedMode();
    const auto caption = [](tz::ProgramType type) { return tz::programTypeCaption(type); };
    RadioButton1 =
        button<QRadioButton>("RadioButton1", caption(tz::ProgramType::Typical), true, this);
    RadioButton1->setChecked(true);
    checkMenu = button<QCheckBox>("checkMenu", QStringLiteral("Главное меню"), extended, this);
    CheckBox2 = button<QCheckBox>("CheckBox2", QStringLiteral("База данных"), extended, this);
    RadioButton2 =
        button<QRadioButton>("RadioButton2", caption(tz::ProgramType::Web), extended, this);
    RadioButton3 =
        button<QRadioButton>("RadioButton3", caption(tz::ProgramType::Driver), extended, this);
    RadioButton4 =
        button<QRadioButton>("RadioButton4", caption(tz::ProgramType::Service), extended, this);
    RadioButton5 =
        button<QRadioButton>("RadioButton5", caption(tz::ProgramType::Other), extended, this);

    auto* grid = new QGridLayout;
    grid->setColumnMinimumWidth(0, 20);
    grid->addWidget(RadioButton1, 0, 0, 1, 2);
    grid->addWidget(checkMenu, 1, 1);
    grid->addWidget(CheckBox2, 2, 1);
    grid->addWidget(RadioButton2, 3, 0, 1, 2);
    grid->addWidget(RadioButton3, 4, 0, 1, 2);
    grid->addWidget(RadioButton4, 5, 0, 1, 2);
    grid->addWidget(RadioButton5, 6, 0, 1, 2);
    grid->setColumnStretch(2, 1);
    body()->addLayout(grid);
    body()->addStretch(1);

    auto* binder = new FieldBinder(session(), this);
    binder->bind([this] { checkMenu->setChecked(model().mainMenu()); });
    connect(checkMenu, &QCheckBox::toggled, this,
            binder->stored([this] { session().setMainMenu(checkMenu->isChecked()); }));
    connect(btnNext, &QPushButton::clicked, this, &TfrmStep4::btnNextClick);
    connect(btnPrev, &QPushButton::clicked, this, &TfrmStep4::btnPrevClick);
    if (!extended)
        return;

    LabelDatabase = new QLabel(QStringLiteral("СУБД:"), this);
    LabelDatabase->setObjectName(QStringLiteral("LabelDatabase"));
    prDatabase = new QLineEdit(this);
    prDatabase->setObjectName(QStringLiteral("prDatabase"));
    prDatabase->setPlaceholderText(QStringLiteral("например, PostgreSQL 16"));
    prDatabase->setFixedWidth(255);
    LabelDatabase->setBuddy(prDatabase);
    auto* database = new QHBoxLayout;
    database->addWidget(LabelDatabase);
    database->addWidget(prDatabase);
    database->addStretch(1);
    grid->addLayout(database, 2, 2);
    setTabOrder(CheckBox2, prDatabase);
    setTabOrder(prDatabase, RadioButton2);

    binder->bind([this] { showType(); });
    binder->bind([this] { showDatabase(); });
    const auto storeType = binder->stored([this] { this->storeType(); });
    for (QRadioButton* type : typeButtons())
        connect(type, &QRadioButton::toggled, this, [type, storeType] {
            if (type->isChecked())
                storeType();
        });
    const auto storeDatabase = binder->stored([this] { this->storeDatabase(); });
    connect(CheckBox2, &QCheckBox::toggled, this, storeDatabase);
    connect(CheckBox2, &QCheckBox::clicked, this, [this](bool checked) {
        if (checked)
            prDatabase->setFocus();
    });
    connect(prDatabase, &QLineEdit::textChanged, this, storeDatabase);
}

QList<QRadioButton*> TfrmStep4::typeButtons() const {
    return {RadioButton1, RadioButton2, RadioButton3, RadioButton4, RadioButton5};
}

void TfrmStep4::showType() {
    const QString caption = tz::programTypeCaption(tz::programTypeOf(model().values().programType));
    for (QRadioButton* type : typeButtons())
        type->setChecked(type->text() == caption);
    enableTypicalChoices();
}

void TfrmStep4::storeType() {
    for (QRadioButton* type : typeButtons()) {
        if (type->isChecked())
            session().setValue(&tz::ProjectValues::programType, type->text());
    }
    if (!RadioButton1->isChecked())
        checkMenu->setChecked(false);
    enableTypicalChoices();
}

void TfrmStep4::showDatabase() {
    const QString& database = model().values().database;
    CheckBox2->setChecked(!database.isEmpty());
    prDatabase->setText(database);
    enableTypicalChoices();
}

// A database without a DBMS is kept only while the box stays ticked here: the project
// keeps the DBMS's name.
void TfrmStep4::storeDatabase() {
    session().setValue(&tz::ProjectValues::database,
                       CheckBox2->isChecked() ? prDatabase->text() : QString());
    enableTypicalChoices();
}

void TfrmStep4::enableTypicalChoices() {
    const bool typical = RadioButton1->isChecked();
    checkMenu->setEnabled(typical);
    CheckBox2->setEnabled(typical);
    LabelDatabase->setEnabled(typical && CheckBox2->isChecked());
    prDatabase->setEnabled(typical && CheckBox2->isChecked());
}

void TfrmStep4::btnNextClick() {
    if (prDatabase && RadioButton1->isChecked() && CheckBox2->isChecked() &&
        prDatabase->text().trimmed().isEmpty()) {
        seam().message(this, QStringLiteral("Укажите СУБД, под управлением которой работает база "
                                            "данных, или снимите флажок «База данных»."));
        prDatabase->setFocus();
        return;
    }
    GoNext();
}

void TfrmStep4::btnPrevClick() {
    GoBack();
}
