#include "pages/step1.h"

#include "pages/projectfiles.h"
#include "pages/richmemo.h"
#include "project/addresses.h"
#include "project/projectsession.h"
#include "project/recentprojects.h"

#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

QStringList TfrmStep1::introductionLines() {
    return {QString(),
            QStringLiteral("   Данный Мастер предназначен для упрощения подготовки технических "
                           "заданий к программному обеспечению."),
            QStringLiteral("   "),
            QStringLiteral("   Данное программное обеспечение является бесплатным и проходит "
                           "значительные доработки."),
            QStringLiteral("   При регулярном пользовании рекомендуется проверять новые версии ПО "
                           "на ") +
                tz::addresses::publisherSite(),
            QStringLiteral("   Все замечания и пожелания присылайте на ") +
                tz::addresses::supportEmail()};
}

TfrmStep1::TfrmStep1(const PageContext& context)
    : WizardPage(context, {QStringLiteral("Мастер Технических Заданий - Выбор проекта"),
                           Size::Fixed700x500, false, true}) {
    setObjectName(QStringLiteral("frmStep1"));
    Memos = new RichMemo(QStringLiteral("Memos"), this);
    Memos->setAccessibleName(QStringLiteral("О мастере"));
    Memos->setLines(introductionLines(), {tz::addresses::publisherSite()},
                    {tz::addresses::supportEmail()});
    // The lines fit the box in Tahoma; in a wider font standing in for it the longest would
    // run past the edge, as the box does not scroll sideways.
    Memos->setLineWrapMode(QTextEdit::WidgetWidth);
    body()->addWidget(Memos, 1);

    GroupProject = new QGroupBox(QStringLiteral(" Проект "), this);
    GroupProject->setObjectName(QStringLiteral("GroupProject"));
    GroupProject->setFixedHeight(150);
    auto* group = new QVBoxLayout(GroupProject);
    btnNewTZ = new QRadioButton(QStringLiteral("Создать новое задание"), GroupProject);
    btnNewTZ->setObjectName(QStringLiteral("btnNewTZ"));
    btnNewTZ->setChecked(true);
    btnOldTZ = new QRadioButton(QStringLiteral("Выбрать существующее задание"), GroupProject);
    btnOldTZ->setObjectName(QStringLiteral("btnOldTZ"));
    prFilename = new QLineEdit(GroupProject);
    prFilename->setObjectName(QStringLiteral("prFilename"));
    prFilename->setAccessibleName(QStringLiteral("Путь к файлу задания"));
    btnSelect = new QPushButton(QStringLiteral("..."), GroupProject);
    btnSelect->setObjectName(QStringLiteral("btnSelect"));
    btnSelect->setAutoDefault(false);
    btnSelect->setFixedWidth(30);
    btnSelect->setAccessibleName(QStringLiteral("Выбрать файл задания"));
    auto* fileRow = new QHBoxLayout;
    fileRow->addWidget(prFilename, 1);
    fileRow->addWidget(btnSelect);
    group->addWidget(btnNewTZ);
    group->addWidget(btnOldTZ);
    group->addLayout(fileRow);
    if (extendedMode()) {
        auto* label = new QLabel(QStringLiteral("Недавние задания:"), GroupProject);
        RecentList = new QListWidget(GroupProject);
        RecentList->setObjectName(QStringLiteral("RecentList"));
        label->setBuddy(RecentList);
        group->addWidget(label);
        group->addWidget(RecentList, 1);
        GroupProject->setFixedHeight(280);
        showRecentProjects();
        connect(RecentList, &QListWidget::currentRowChanged, this, &TfrmStep1::RecentListChange);
        connect(RecentList, &QListWidget::itemActivated, this, &TfrmStep1::btnNextClick);
    }
    group->addStretch(1);
    body()->addWidget(GroupProject);

    setStatusPanelText(0, QStringLiteral("Мастер ТЗ (v.1.03 от 13.11.2006)"));

    OpenDialog = projectOpenRequest();
    SaveDialog = projectSaveRequest();
    if (!session().fileName().isEmpty())
        showFileName(session().fileName());

    connect(&session(), &tz::ProjectSession::fileNameChanged, this, &TfrmStep1::showFileName);
    connect(btnSelect, &QPushButton::clicked, this, &TfrmStep1::btnSelectClick);
    connect(btnNext, &QPushButton::clicked, this, &TfrmStep1::btnNextClick);
    connect(Memos, &RichMemo::urlClicked, this, &TfrmStep1::MemosURLClick);
}

void TfrmStep1::showFileName(const QString& path) {
    prFilename->setText(path);
    btnOldTZ->setChecked(true);
    if (RecentList && !path.isEmpty() && tz::rememberProject(path))
        showRecentProjects();
}

// The name and the folder of each, the latest first.
void TfrmStep1::showRecentProjects() {
    RecentList->clear();
    for (const QString& path : tz::recentProjects()) {
        const QFileInfo info(path);
        auto* item = new QListWidgetItem(info.fileName() + QStringLiteral(" — ") +
                                             QDir::toNativeSeparators(info.absolutePath()),
                                         RecentList);
        item->setData(Qt::UserRole, path);
        item->setToolTip(path);
    }
}

void TfrmStep1::RecentListChange() {
    if (const QListWidgetItem* item = RecentList->currentItem()) {
        prFilename->setText(item->data(Qt::UserRole).toString());
        btnOldTZ->setChecked(true);
    }
}

void TfrmStep1::startInLastFolder(UiSeam::FileRequest& request) const {
    if (const QString folder = tz::lastProjectFolder(); extendedMode() && !folder.isEmpty())
        request.fileName = folder + u'/';
}

void TfrmStep1::btnSelectClick() {
    startInLastFolder(OpenDialog);
    const QString path = seam().openFile(this, OpenDialog);
    if (path.isEmpty())
        return;
    prFilename->setText(path);
    btnOldTZ->setChecked(true);
}

void TfrmStep1::btnNextClick() {
    if (btnNewTZ->isChecked()) {
        startInLastFolder(SaveDialog);
        const QString path =
            withDefaultSuffix(seam().saveFile(this, SaveDialog), SaveDialog.defaultSuffix);
        if (path.isEmpty() || !claimProjectFile(session(), path, seam(), this))
            return;
        session().TZnew();
        session().moveTo(path);
        GoNext();
        return;
    }
    const QString path = prFilename->text();
    if (!path.isEmpty() && QFileInfo::exists(path)) {
        const OpenAnswer answer = openProjectFile(session(), path, seam(), this);
        if (answer.opened)
            GoNext();
        else if (!answer.message.isEmpty())
            seam().message(this, answer.message);
        return;
    }
    startInLastFolder(OpenDialog);
    const QString chosen = seam().openFile(this, OpenDialog);
    if (!chosen.isEmpty())
        prFilename->setText(chosen);
}

void TfrmStep1::MemosURLClick(const QString& url) {
    seam().openUrl(QUrl(url));
}
