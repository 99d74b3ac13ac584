#include "structure/step6.h"

#include "pages/fieldbinder.h"
#include "project/projectsession.h"
#include "spelling/spellcheck.h"
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

TfrmStep6::TfrmStep6(const PageContext& context)
    : StructurePage(context, QStringLiteral("Дополнительные Требования"), 337) {
    setObjectName(QStringLiteral("frmStep6"));
    auto* model = new QStandardItemModel(this);
    for (const auto& requirement : kRequirements)
        model->appendRow(new QStandardItem(QString::fromUtf8(requirement.caption)));
    uMenu->setModel(model);
    uMenu->fitLabels();
    connect(btnNext, &QPushButton::clicked, this, &TfrmStep6::btnNextClick);
    connect(btnPrev, &QPushButton::clicked, this, &TfrmStep6::btnPrevClick);
    if (!extendedMode())
        return;
    // Nothing is added to or deleted from the two requirements.
    btnAddMenu->hide();
    btnDeleteMenu->hide();
    m_binder = new FieldBinder(session(), this);
    m_binder->bind(MenuDescription, &tz::ProjectValues::hardware);
    tz::attachSpellCheck(MenuDescription);
    connect(uMenu->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &TfrmStep6::uMenuChange);
}

QString tz::ProjectValues::*TfrmStep6::chosenValue() const {
    switch (uMenu->currentIndex().row()) {
    case 0:
        return &tz::ProjectValues::hardware;
    case 1:
        return &tz::ProjectValues::staff;
    default:
        return nullptr;
    }
}

void TfrmStep6::showEvent(QShowEvent* event) {
    StructurePage::showEvent(event);
    if (!event->spontaneous() && extendedMode())
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
    const auto value = chosenValue();
    PanelMenu2->setVisible(value != nullptr);
    Hint1->setVisible(value == nullptr);
    if (!value)
        return;
    MenuDescription->setPlaceholderText(
        QString::fromUtf8(kRequirements[uMenu->currentIndex().row()].placeholder));
    MenuDescription->setAccessibleName(
        QString::fromUtf8(kRequirements[uMenu->currentIndex().row()].caption));
    m_binder->rebind(MenuDescription, value);
}

void TfrmStep6::btnNextClick() {
    GoNext();
}

void TfrmStep6::btnPrevClick() {
    GoBack();
}
