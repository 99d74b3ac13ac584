#include "pages/step6text.h"

#include "docgen/extendedcontent.h"
#include "docgen/extendedtext.h"
#include "pages/fieldbinder.h"
#include "pages/memotext.h"
#include "pages/previewpane.h"
#include "pages/uiseam.h"
#include "project/projectsession.h"
#include "project/sectiontexts.h"
#include "project/standardlists.h"
#include "project/templatefile.h"
#include "project/textlines.h"
#include "spelling/spellcheck.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QStackedWidget>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

enum Panel { TextPanel, ValuePanel, DocumentPanel, StagePanel };

// What the section's body is made of, and where its values are given.
Panel panelOf(const tz::OutlineSection& section) {
    if (section.editable)
        return TextPanel;
    for (const tz::OutlineRow& row : section.body) {
        if (row.part == tz::OutlinePart::Documents)
            return DocumentPanel;
        if (row.part == tz::OutlinePart::Stages)
            return StagePanel;
    }
    return ValuePanel;
}

QString whereGiven(const tz::OutlineSection& section) {
    for (const tz::OutlineRow& row : section.body) {
        switch (row.part) {
        case tz::OutlinePart::Title:
        case tz::OutlinePart::Purpose:
            return QStringLiteral("Этот раздел составлен из названия и назначения программы: их "
                                  "можно изменить на странице «Название и назначение программы».");
        case tz::OutlinePart::Basis:
            return QStringLiteral("Основание для разработки указывается на странице "
                                  "«Согласование и утверждение».");
        case tz::OutlinePart::Parties:
            return QStringLiteral("Заказчик и исполнитель указываются на странице «Согласование и "
                                  "утверждение», правообладатель — на странице «Информация о "
                                  "компании правообладателе конечного продукта».");
        case tz::OutlinePart::Functions:
            return QStringLiteral("Функции программы — это пункты дерева на странице «Создание "
                                  "Структуры Программы».");
        case tz::OutlinePart::StageWorks:
            return QStringLiteral("Работы перечислены для стадий, выбранных в разделе 6.1.");
        default:
            break;
        }
    }
    return QString();
}

QString sectionCaption(const tz::OutlineSection& section) {
    const tz::OutlineRow& h = *section.heading;
    return h.number.toString() + QStringLiteral(". ") + h.text.toString();
}

QString memoLines(QString text) {
    return text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
}

} // namespace

TfrmStep6text::TfrmStep6text(const PageContext& context)
    : WizardPage(context, {QStringLiteral("Текст документа"), Size::Wide}),
      m_binder(new FieldBinder(session(), this)) {
    setObjectName(QStringLiteral("frmStep6text"));
    for (const tz::OutlineSection& section : tz::outlineSections()) {
        if (!section.body.empty())
            m_sections.append(section);
    }

    SectionList = new QListWidget(this);
    SectionList->setObjectName(QStringLiteral("SectionList"));
    SectionList->setAccessibleName(QStringLiteral("Разделы документа"));
    SectionList->setFixedWidth(260);
    // Long headings wrap rather than hide behind a scroll bar.
    SectionList->setWordWrap(true);
    SectionList->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    SectionList->setResizeMode(QListView::Adjust);
    for (const tz::OutlineSection& section : m_sections)
        SectionList->addItem(sectionCaption(section));

    SectionText = new QPlainTextEdit(this);
    SectionText->setObjectName(QStringLiteral("SectionText"));
    SectionText->setTabChangesFocus(true);
    tz::attachSpellCheck(SectionText);
    btnDefaultText = new QPushButton(QStringLiteral("Исходный текст"), this);
    btnDefaultText->setObjectName(QStringLiteral("btnDefaultText"));
    btnDefaultText->setAutoDefault(false);
    auto* textPanel = new QWidget(this);
    auto* textLayout = new QVBoxLayout(textPanel);
    textLayout->setContentsMargins(0, 0, 0, 0);
    textLayout->addWidget(SectionText, 1);
    textLayout->addWidget(btnDefaultText, 0, Qt::AlignRight);

    SectionNote = new QLabel(this);
    SectionNote->setObjectName(QStringLiteral("SectionNote"));
    SectionNote->setWordWrap(true);
    SectionView = new QPlainTextEdit(this);
    SectionView->setObjectName(QStringLiteral("SectionView"));
    SectionView->setReadOnly(true);
    SectionView->setTabChangesFocus(true);
    auto* valuePanel = new QWidget(this);
    auto* valueLayout = new QVBoxLayout(valuePanel);
    valueLayout->setContentsMargins(0, 0, 0, 0);
    valueLayout->addWidget(SectionNote);
    valueLayout->addWidget(SectionView, 1);

    DocumentList = new QListWidget(this);
    DocumentList->setObjectName(QStringLiteral("DocumentList"));
    DocumentList->setAccessibleName(QStringLiteral("Документы по ГОСТ 19.101"));
    for (const QStringView name : tz::programDocuments()) {
        auto* item = new QListWidgetItem(name.toString(), DocumentList);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable | Qt::ItemIsSelectable);
        item->setCheckState(Qt::Unchecked);
    }

    StageTable = new QTableWidget(int(tz::developmentStages().size()), 2, this);
    StageTable->setObjectName(QStringLiteral("StageTable"));
    StageTable->setAccessibleName(QStringLiteral("Стадии разработки по ГОСТ 19.102"));
    StageTable->setHorizontalHeaderLabels({QStringLiteral("Стадия"), QStringLiteral("Срок")});
    StageTable->verticalHeader()->hide();
    StageTable->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    StageTable->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    for (int row = 0; row < StageTable->rowCount(); ++row) {
        auto* stage = new QTableWidgetItem(tz::developmentStages()[row].name.toString());
        stage->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable | Qt::ItemIsSelectable);
        stage->setCheckState(Qt::Unchecked);
        StageTable->setItem(row, 0, stage);
        StageTable->setItem(row, 1, new QTableWidgetItem);
    }

    SectionPanel = new QStackedWidget(this);
    SectionPanel->setObjectName(QStringLiteral("SectionPanel"));
    SectionPanel->insertWidget(TextPanel, textPanel);
    SectionPanel->insertWidget(ValuePanel, valuePanel);
    SectionPanel->insertWidget(DocumentPanel, DocumentList);
    SectionPanel->insertWidget(StagePanel, StageTable);

    Preview = new PreviewPane([this] { return documentInputs(); }, this);
    connect(&session(), &tz::ProjectSession::edited, this, [this] {
        if (isVisible())
            Preview->refreshSoon();
    });

    auto* columns = new QHBoxLayout;
    columns->addWidget(SectionList);
    columns->addWidget(SectionPanel, 1);
    columns->addWidget(Preview, 1);
    body()->addLayout(columns, 1);

    btnSaveTemplate = new QPushButton(QStringLiteral("Сохранить как шаблон"), PrevPanel);
    btnSaveTemplate->setObjectName(QStringLiteral("btnSaveTemplate"));
    btnSaveTemplate->setAutoDefault(false);
    btnSaveTemplate->setToolTip(
        QStringLiteral("Тексты разделов, исполнитель, утверждающий, правообладатель, документы и "
                       "стадии станут началом каждого нового задания в расширенном режиме"));
    PrevPanel->layout()->addWidget(btnSaveTemplate);

    setTabOrder(SectionList, SectionText);
    setTabOrder(SectionText, btnDefaultText);

    m_binder->bind([this] { showSection(); });
    connect(SectionList, &QListWidget::currentRowChanged, this, &TfrmStep6text::SectionListChange);
    connect(SectionText, &QPlainTextEdit::textChanged, this,
            m_binder->stored([this] { SectionTextChange(); }));
    connect(DocumentList, &QListWidget::itemChanged, this,
            m_binder->stored([this] { DocumentListChange(); }));
    connect(StageTable, &QTableWidget::itemChanged, this,
            m_binder->stored([this] { StageTableChange(); }));
    connect(btnDefaultText, &QPushButton::clicked, this, &TfrmStep6text::btnDefaultTextClick);
    connect(btnSaveTemplate, &QPushButton::clicked, this, &TfrmStep6text::btnSaveTemplateClick);
    connect(btnNext, &QPushButton::clicked, this, &TfrmStep6text::btnNextClick);
    connect(btnPrev, &QPushButton::clicked, this, &TfrmStep6text::btnPrevClick);
}

// The first section is chosen and the list has the focus, so that the arrows go through the
// sections and Tab reaches the text.
void TfrmStep6text::showEvent(QShowEvent* event) {
    WizardPage::showEvent(event);
    if (event->spontaneous())
        return;
    if (SectionList->currentRow() < 0)
        SectionList->setCurrentRow(0);
    SectionList->setFocus();
    Preview->refresh();
}

const tz::OutlineSection* TfrmStep6text::chosenSection() const {
    const int row = SectionList->currentRow();
    return row >= 0 && row < m_sections.size() ? &m_sections.at(row) : nullptr;
}

tz::DocumentInputs TfrmStep6text::documentInputs() const {
    return tz::documentInputsOf(model(), session().projectUid(), true);
}

tz::DocumentInputs TfrmStep6text::inputsOf(const tz::OutlineSection& section) const {
    return section.editable ? tz::DocumentInputs{model().values(), session().projectUid(), true}
                            : documentInputs();
}

// The preview shows the section chosen.
void TfrmStep6text::SectionListChange() {
    m_binder->load();
    if (const tz::OutlineSection* section = chosenSection())
        Preview->showHeading(section->heading->number.toString() + QStringLiteral(". ") +
                             section->heading->text.toString());
}

void TfrmStep6text::showSection() {
    const tz::OutlineSection* section = chosenSection();
    if (!section)
        return;
    const Panel panel = panelOf(*section);
    SectionPanel->setCurrentIndex(panel);
    switch (panel) {
    case TextPanel: {
        const QString own = tz::sectionText(tz::sectionTexts(model().values().sections),
                                            section->heading->text.toString());
        const QString text =
            own.isNull() ? tz::defaultSectionText(*section, inputsOf(*section)) : own;
        if (memoText(SectionText) != text)
            SectionText->setPlainText(memoLines(text));
        SectionText->setAccessibleName(section->heading->text.toString());
        btnDefaultText->setEnabled(!own.isNull());
        break;
    }
    case ValuePanel:
        SectionNote->setText(whereGiven(*section));
        SectionView->setPlainText(memoLines(tz::defaultSectionText(*section, documentInputs())));
        break;
    case DocumentPanel:
        showDocuments();
        break;
    case StagePanel:
        showStages();
        break;
    }
}

void TfrmStep6text::showDocuments() {
    const QStringList chosen = tz::splitLines(model().values().documents);
    for (int row = 0; row < DocumentList->count(); ++row) {
        QListWidgetItem* item = DocumentList->item(row);
        item->setCheckState(chosen.contains(item->text()) ? Qt::Checked : Qt::Unchecked);
    }
}

void TfrmStep6text::showStages() {
    const QList<tz::ChosenStage> chosen = tz::chosenStages(model().values().stages);
    for (int row = 0; row < StageTable->rowCount(); ++row) {
        QTableWidgetItem* stage = StageTable->item(row, 0);
        QString deadline;
        bool checked = false;
        for (const tz::ChosenStage& c : chosen) {
            if (c.name == stage->text()) {
                checked = true;
                deadline = c.deadline;
            }
        }
        stage->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
        StageTable->item(row, 1)->setText(deadline);
    }
}

// A text the same as the outline's is no text of the user's: the section follows the
// project's values again.
void TfrmStep6text::SectionTextChange() {
    const tz::OutlineSection* section = chosenSection();
    if (!section || !section->editable)
        return;
    const QString heading = section->heading->text.toString();
    const QString text = memoText(SectionText);
    QList<tz::SectionText> texts = tz::sectionTexts(model().values().sections);
    const bool own = text != tz::defaultSectionText(*section, inputsOf(*section));
    QList<tz::SectionText> kept;
    for (const tz::OutlineSection& other : m_sections) {
        const QString otherHeading = other.heading->text.toString();
        const QString otherText = otherHeading == heading ? (own ? text : QString())
                                                          : tz::sectionText(texts, otherHeading);
        if (!otherText.isNull())
            kept.append({otherHeading, otherText});
    }
    session().setValue(&tz::ProjectValues::sections, tz::sectionsValue(kept));
    btnDefaultText->setEnabled(own);
}

void TfrmStep6text::btnDefaultTextClick() {
    const tz::OutlineSection* section = chosenSection();
    if (!section)
        return;
    SectionText->setPlainText(memoLines(tz::defaultSectionText(*section, inputsOf(*section))));
    SectionText->setFocus();
}

void TfrmStep6text::DocumentListChange() {
    QStringList chosen;
    for (int row = 0; row < DocumentList->count(); ++row) {
        if (DocumentList->item(row)->checkState() == Qt::Checked)
            chosen.append(DocumentList->item(row)->text());
    }
    session().setValue(&tz::ProjectValues::documents, chosen.join(QLatin1String("\r\n")));
}

// A deadline typed for a stage chooses it.
void TfrmStep6text::StageTableChange() {
    QList<tz::ChosenStage> chosen;
    for (int row = 0; row < StageTable->rowCount(); ++row) {
        QTableWidgetItem* stage = StageTable->item(row, 0);
        const QString deadline = StageTable->item(row, 1)->text();
        if (stage->checkState() == Qt::Checked || !deadline.trimmed().isEmpty())
            chosen.append({stage->text(), deadline});
    }
    session().setValue(&tz::ProjectValues::stages, tz::stagesValue(chosen));
    m_binder->load();
}

void TfrmStep6text::btnSaveTemplateClick() {
    const QString path = tz::templatePath();
    if (tz::saveTemplate(model().values()))
        seam().message(this, QStringLiteral("Шаблон сохранён в файл ") + path +
                                 QStringLiteral(". Каждое новое задание в расширенном режиме "
                                                "начнётся с его текстов и сведений."));
    else
        seam().message(this, QStringLiteral("Не удается сохранить шаблон в файл ") + path);
}

void TfrmStep6text::btnNextClick() {
    GoNext();
}

void TfrmStep6text::btnPrevClick() {
    GoBack();
}
