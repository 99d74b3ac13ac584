#include "structure/step6.h"

#include "app/tfrmmain.h"
#include "pages/memotext.h"
#include "pages/pageloader.h"
#include "structure/menutreeview.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QStandardItemModel>

namespace {

// The requirements in the tree's order, with the section of the document each text goes to.
constexpr struct {
    const char* caption;
    const char* placeholder;
} kRequirements[] = {
    {"Требования к составу и параметрам технических средств",
     "Опишите технические средства: процессор, память, диск, сеть… Текст войдёт в раздел 3.3 "
     "документа."},
    {"Требования к квалификации и численности персонала",
     "Опишите, сколько человек и какой квалификации нужно для работы с программой. Текст войдёт "
     "в раздел 3.2 документа."},
};

} // namespace

TfrmStep6::TfrmStep6(TfrmMain& main)
    : StructurePage(main, QStringLiteral("Дополнительные Требования"), 337) {
    setObjectName(QStringLiteral("frmStep6"));
    auto* model = new QStandardItemModel(this);
    for (const auto& requirement : kRequirements)
        model->appendRow(new QStandardItem(QString::fromUtf8(requirement.caption)));
    uMenu->setModel(model);
    uMenu->fitLabels();
    connect(btnNext, &QPushButton::clicked, this, &TfrmStep6::btnNextClick);
    connect(btnPrev, &QPushButton::clicked, this, &TfrmStep6::btnPrevClick);
    if (!main.extendedMode())
        return;
    // Nothing is added to or deleted from the two requirements.
    btnAddMenu->setEnabled(false);
    btnDeleteMenu->setEnabled(false);
    connect(uMenu->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &TfrmStep6::uMenuChange);
    connect(MenuDescription, &QPlainTextEdit::textChanged, this, &TfrmStep6::MenuDescriptionChange);
    connect(&main, &TfrmMain::projectReplaced, this, &TfrmStep6::uMenuChange);
}

QString* TfrmStep6::chosenValue() const {
    tz::ProjectValues& values = main().values();
    switch (uMenu->currentIndex().row()) {
    case 0:
        return &values.hardware;
    case 1:
        return &values.staff;
    default:
        return nullptr;
    }
}

void TfrmStep6::showEvent(QShowEvent* event) {
    StructurePage::showEvent(event);
    if (!event->spontaneous() && main().extendedMode())
        FormShow();
}

// The first requirement is chosen when none is, so that its text can be typed at once.
void TfrmStep6::FormShow() {
    if (!uMenu->currentIndex().isValid())
        uMenu->setCurrentIndex(uMenu->model()->index(0, 0));
    else
        uMenuChange();
}

void TfrmStep6::uMenuChange() {
    const QString* value = chosenValue();
    PanelMenu2->setVisible(value != nullptr);
    Hint1->setVisible(value == nullptr);
    if (!value)
        return;
    MenuDescription->setPlaceholderText(
        QString::fromUtf8(kRequirements[uMenu->currentIndex().row()].placeholder));
    MenuDescription->setAccessibleName(
        QString::fromUtf8(kRequirements[uMenu->currentIndex().row()].caption));
    loadFields(main(), {{value, MenuDescription}});
}

void TfrmStep6::MenuDescriptionChange() {
    QString* value = chosenValue();
    if (main().Loading || !value)
        return;
    *value = memoText(MenuDescription);
    main().TZrenew();
}

void TfrmStep6::btnNextClick() {
    GoNext();
}

void TfrmStep6::btnPrevClick() {
    GoBack();
}
