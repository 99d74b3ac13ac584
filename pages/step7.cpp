#include "pages/step7.h"

#include "docgen/documentpath.h"
#include "docgen/docwriter.h"
#include "docgen/extendedcontent.h"
#include "pages/previewpane.h"
#include "project/addresses.h"
#include "project/fileidentity.h"
#include "project/projectsession.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QVBoxLayout>

namespace tz {
int DocMode = DocModeNone;
} // namespace tz

TfrmStep7::TfrmStep7(const PageContext& context)
    : WizardPage(context, {QStringLiteral("Формирование Документации"),
                           context.session.extended() ? Size::Wide : Size::Fixed700x500}) {
    setObjectName(QStringLiteral("frmStep7"));
    body()->setContentsMargins(24, 24, 24, 10);
    body()->setSpacing(14);
    // The extended mode shows the document beside the choices.
    QVBoxLayout* column = body();
    if (extendedMode()) {
        auto* split = new QHBoxLayout;
        column = new QVBoxLayout;
        column->setSpacing(14);
        Preview = new PreviewPane([this] { return documentInputs(); }, this);
        split->addLayout(column, 2);
        split->addWidget(Preview, 3);
        body()->addLayout(split, 1);
        connect(&session(), &tz::ProjectSession::edited, this, [this] {
            if (isVisible())
                Preview->refreshSoon();
        });
    }
    const auto choice = [this](const char* name, const QString& text) {
        auto* button = new QRadioButton(text, this);
        button->setObjectName(QLatin1String(name));
        return button;
    };
    QList<QRadioButton*> extended;
    for (const tz::DocFormatRow& row : tz::docFormats()) {
        QRadioButton* button = choice(row.choice, row.caption.toString());
        m_choices.append({button, row.id});
        if (!row.extendedOnly)
            column->addWidget(button);
        else if (extendedMode())
            extended.append(button);
        else
            button->hide();
    }
    selectEXE =
        choice("selectEXE", QStringLiteral("Создать программу (данная функция проходит отладку, "
                                           "подробнее на ") +
                                tz::addresses::publisherSite() + u')');
    column->addWidget(selectEXE);
    // The extended mode's formats stand after the online build, which keeps its place.
    for (QRadioButton* button : extended)
        column->addWidget(button);
    selectDOC = findChild<QRadioButton*>(QStringLiteral("selectDOC"));
    selectHTML = findChild<QRadioButton*>(QStringLiteral("selectHTML"));
    selectRTF = findChild<QRadioButton*>(QStringLiteral("selectRTF"));
    selectPDF = findChild<QRadioButton*>(QStringLiteral("selectPDF"));
    selectODT = findChild<QRadioButton*>(QStringLiteral("selectODT"));
    selectDOCX = findChild<QRadioButton*>(QStringLiteral("selectDOCX"));
    m_choices.constFirst().first->setChecked(true);
    selectEXE->setEnabled(false);
    // A choice that nothing ever opens has no place on the extended mode's page.
    selectEXE->setVisible(!extendedMode());
    column->addStretch(1);
    if (extendedMode())
        addSavedPanel(column);

    SaveDocument.confirmOverwrite = true;

    connect(btnNext, &QPushButton::clicked, this, &TfrmStep7::btnNextClick);
    connect(btnPrev, &QPushButton::clicked, this, &TfrmStep7::btnPrevClick);
}

void TfrmStep7::btnNextClick() {
    tz::DocMode = tz::DocModeNone;
    for (const auto& [button, format] : m_choices) {
        if (button->isChecked())
            saveDocument(format);
    }
    if (selectEXE->isChecked())
        GoNext();
}

bool TfrmStep7::unfinishedItemsAccepted() {
    if (!extendedMode())
        return true;
    const std::vector<const tz::MenuNode*> unfinished = model().tree().unfinishedItems();
    if (unfinished.empty())
        return true;
    constexpr std::size_t kNamed = 12;
    QString list;
    for (std::size_t i = 0; i < std::min(unfinished.size(), kNamed); ++i) {
        const tz::MenuNode* item = unfinished[i];
        list += QStringLiteral("\n    2.1.") + tz::MenuTree::placeOf(item) + u' ' +
                item->record()->Caption;
        if (item->record()->Description == tz::MenuTree::newItemDescription())
            list += QStringLiteral(" — «") + tz::MenuTree::newItemDescription() + u'»';
    }
    if (unfinished.size() > kNamed)
        list += QStringLiteral("\n    … и ещё ") + QString::number(unfinished.size() - kNamed);
    const int choice = seam().choose(
        this,
        QStringLiteral("Эти пункты меню ещё не описаны и войдут в документ с текстами, которые "
                       "мастер дал новому пункту:") +
            list +
            QStringLiteral("\n\nСохранить документ так или вернуться к структуре программы?"),
        {QStringLiteral("Сохранить документ"), QStringLiteral("Вернуться к структуре")}, 1);
    if (choice == 0)
        return true;
    Q_EMIT describeItem(unfinished.front());
    return false;
}

void TfrmStep7::saveDocument(tz::DocFormat format) {
    if (!unfinishedItemsAccepted())
        return;
    SaveDocument.fileName = tz::proposedDocumentPath(m_savedDocument, session().fileName(), format);
    SaveDocument.defaultSuffix = tz::docSuffix(format);
    SaveDocument.filter = tz::docFilter(format);
    const QString chosen = seam().saveFile(this, SaveDocument);
    if (chosen.isEmpty())
        return;
    const QString path = withDefaultSuffix(chosen, SaveDocument.defaultSuffix);
    // By identity, as export checks it: a link named like the document, or the project's own
    // name typed in, would put the document in place of the project.
    if (tz::sameFile(path, session().fileName())) {
        seam().message(this, tz::documentOverProjectError(session().fileName()));
        return;
    }
    m_savedDocument = path;
    tz::DocMode = tz::formatRow(format).docMode;
    int error = 0;
    if (!tz::saveDocument(path, format, documentInputs(), &error))
        seam().message(this, tz::documentSaveError(path, extendedMode() ? error : 0));
    else if (SavedPanel)
        showSaved(path);
}

void TfrmStep7::addSavedPanel(QVBoxLayout* column) {
    SavedPanel = new QWidget(this);
    SavedPanel->setObjectName(QStringLiteral("SavedPanel"));
    SavedLabel = new QLabel(SavedPanel);
    SavedLabel->setObjectName(QStringLiteral("SavedLabel"));
    SavedLabel->setWordWrap(true);
    SavedLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    const auto button = [this](const char* name, const QString& text) {
        auto* b = new QPushButton(text, SavedPanel);
        b->setObjectName(QLatin1String(name));
        b->setAutoDefault(false);
        return b;
    };
    btnOpenDocument = button("btnOpenDocument", QStringLiteral("Открыть документ"));
    btnOpenFolder = button("btnOpenFolder", QStringLiteral("Открыть папку"));
    btnDone = button("btnDone", QStringLiteral("Готово"));
    btnDone->setToolTip(QStringLiteral("Сохранить задание и закрыть мастер"));
    auto* layout = new QVBoxLayout(SavedPanel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(SavedLabel);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(btnOpenDocument);
    buttons->addWidget(btnOpenFolder);
    buttons->addStretch(1);
    buttons->addWidget(btnDone);
    layout->addLayout(buttons);
    column->addWidget(SavedPanel);
    SavedPanel->hide();
    connect(btnOpenDocument, &QPushButton::clicked, this, &TfrmStep7::btnOpenDocumentClick);
    connect(btnOpenFolder, &QPushButton::clicked, this, &TfrmStep7::btnOpenFolderClick);
    connect(btnDone, &QPushButton::clicked, this, &TfrmStep7::btnDoneClick);
}

// The document is at hand at once: Space opens it.
void TfrmStep7::showSaved(const QString& path) {
    SavedLabel->setText(QStringLiteral("Документ сохранён: ") + path);
    SavedPanel->show();
    btnOpenDocument->setFocus();
}

void TfrmStep7::btnOpenDocumentClick() {
    seam().openUrl(QUrl::fromLocalFile(m_savedDocument));
}

void TfrmStep7::btnOpenFolderClick() {
    seam().openUrl(QUrl::fromLocalFile(QFileInfo(m_savedDocument).absolutePath()));
}

// Closing the page saves the project and ends the wizard.
void TfrmStep7::btnDoneClick() {
    close();
}

tz::DocumentInputs TfrmStep7::documentInputs() const {
    return tz::documentInputsOf(model(), session().projectUid(), extendedMode());
}

void TfrmStep7::showEvent(QShowEvent* event) {
    WizardPage::showEvent(event);
    if (!event->spontaneous() && Preview)
        Preview->refresh();
}

void TfrmStep7::btnPrevClick() {
    GoBack();
}
