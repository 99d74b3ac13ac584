#include "app/tfrmmain.h"

#include "app/filetype.h"
#include "app/lockquestion.h"
#include "pages/step1.h"
#include "pages/step2.h"
#include "pages/step4.h"
#include "pages/uiseam.h"
#include "project/projectfile.h"
#include "project/projectid.h"
#include "project/projecttext.h"
#include "structure/step5.h"

#include <QApplication>
#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScreen>
#include <QTextBlock>
#include <QTextCursor>
#include <QTimer>

namespace {

// Removes the leading "." of every line of the memo in place, keeping the caret.
void stripMemoLineDots(QPlainTextEdit* memo) {
    QTextCursor cursor(memo->document());
    cursor.beginEditBlock();
    for (QTextBlock block = memo->document()->begin(); block.isValid(); block = block.next()) {
        const QString line = block.text();
        qsizetype dots = 0;
        while (dots < line.size() && line.at(dots) == u'.')
            ++dots;
        if (dots == 0)
            continue;
        cursor.setPosition(block.position());
        cursor.setPosition(block.position() + int(dots), QTextCursor::KeepAnchor);
        cursor.removeSelectedText();
    }
    cursor.endEditBlock();
}

QString writeError(const QString& path) {
    return QStringLiteral("Ошибка записи. Не удается сохранить задание в файл ") + path;
}

void centreOnDesktop(QWidget* window) {
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame = window->frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        window->move(frame.topLeft());
    }
}

} // namespace

TfrmMain::TfrmMain(UiSeam& seam) : m_seam(seam) {
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(tz::projectCaption(QString()));
    TimerStart = new QTimer(this);
    TimerStart->setInterval(1000);
    connect(TimerStart, &QTimer::timeout, this, &TfrmMain::TimerStartTimer);
    connect(this, &TfrmMain::projectReplaced, this, [this] { m_renewer.forget(); });
    // After the pages have filled themselves from the new project.
    connect(this, &TfrmMain::projectReplaced, this, &TfrmMain::learnRewrittenText,
            Qt::QueuedConnection);
}

TfrmMain::~TfrmMain() {
    while (!m_owned.empty())
        m_owned.pop_back();
}

void TfrmMain::adopt(QWidget* window) {
    m_owned.emplace_back(window);
}

void TfrmMain::FormCreate(const QStringList& arguments) {
    ProjectText.clear();
    StructureLines.clear();
    Loading = false;
    // A registration that fails must not keep a project from opening.
    registerFileType(QCoreApplication::applicationFilePath());
    if (!arguments.isEmpty()) {
        const QString& path = arguments.constFirst();
        if (QFileInfo::exists(path)) {
            QString error;
            if (!readProject(path, &error))
                m_startMessages.append(error);
        }
    }
    TimerStart->start();
}

void TfrmMain::TimerStartTimer() {
    TfrmStep1* step1 = m_windows.step1;
    TfrmStep2* step2 = m_windows.step2;
    if (!step1 || !step2)
        return;
    TimerStart->stop();
    if (ProjectText.size() < 2) {
        centreOnDesktop(step1);
        step1->show();
    } else {
        step1->prFilename->setText(FileName);
        step1->btnOldTZ->setChecked(true);
        centreOnDesktop(step2);
        step2->show();
    }
    for (const QString& text : std::exchange(m_startMessages, {}))
        m_seam.message(QApplication::activeWindow(), text);
}

void TfrmMain::tell(const QString& text) {
    if (TimerStart->isActive())
        m_startMessages.append(text);
    else
        m_seam.message(QApplication::activeWindow(), text);
}

bool TfrmMain::readProject(const QString& givenPath, QString* error) {
    // A relative path (from the command line, or typed) names the file from the working
    // folder; the project and its messages keep the full one.
    const QString path = QDir::cleanPath(QFileInfo(givenPath).absoluteFilePath());
    tz::LoadResult loaded = tz::loadProjectFile(path);
    if (!loaded.ok) {
        *error = tz::readErrorMessage(loaded.error, path);
        return false;
    }
    if (!tz::looksLikeProject(loaded)) {
        *error =
            QStringLiteral("Файл ") + path + QStringLiteral(" не является техническим заданием");
        return false;
    }
    const LockAnswer locked = takeProjectLock(m_lock, path, m_seam, QApplication::activeWindow());
    if (!locked.taken) {
        *error = locked.message;
        return false;
    }
    FileName = path;
    m_stamp = loaded.stamp;
    m_unsaved = false;
    ProjectText = std::move(loaded.text);
    ProjectUID = tz::singleValue(ProjectText, u".ProjectUID");
    m_values = tz::readProjectValues(ProjectText, m_extendedMode);
    m_reportedUnencodable.clear();
    TZread();
    Q_EMIT projectReplaced();
    return true;
}

bool TfrmMain::openProject(const QString& path) {
    QString error;
    if (readProject(path, &error))
        return true;
    if (!error.isEmpty())
        m_seam.message(QApplication::activeWindow(), error);
    return false;
}

bool TfrmMain::claimProjectFile(const QString& path) {
    const LockAnswer locked = takeProjectLock(m_lock, path, m_seam, QApplication::activeWindow());
    if (!locked.taken) {
        if (!locked.message.isEmpty())
            m_seam.message(QApplication::activeWindow(), locked.message);
        return false;
    }
    m_stamp = tz::stampOfFile(path);
    return true;
}

void TfrmMain::TZnew() {
    ProjectUID = tz::makeProjectId(QDate::currentDate(), tz::processRandom());
    ProjectText = tz::newProjectText(ProjectUID);
    // The title page was emptied before; the new project holds no other value either.
    m_values = {};
    m_unsaved = true;
    m_reportedUnencodable.clear();
    Q_EMIT projectReplaced();
}

void TfrmMain::TZread() {
    setWindowTitle(tz::projectCaption(m_windows.step2 ? m_values.title : QString()));
}

void TfrmMain::TZrenew() {
    // The controls changed below fire their change handlers; those inner calls have nothing
    // to add to the outer one.
    if (Loading || m_renewing)
        return;
    m_renewing = true;
    if (TfrmStep2* step2 = m_windows.step2) {
        // Only a line that begins with "." makes the memo change.
        if (tz::anyLineBeginsWithDot(step2->PrDescription->projectText()))
            stripMemoLineDots(step2->PrDescription);
        const QString title = step2->PrTitle->text();
        const QString stripped = tz::stripLeadingDots(title);
        if (stripped != title)
            step2->PrTitle->setText(stripped);
    }
    const MenuState menu = menuState();
    m_renewer.renew(ProjectText, m_values, StructureLines, menu.records, menu.history,
                    {m_structureState.tree, m_structureState.revision});
    setWindowTitle(tz::projectCaption(m_values.title));
    m_renewing = false;
    m_unsaved = true;
    Q_EMIT projectEdited();
}

void TfrmMain::setExtendedMode(bool on) {
    m_extendedMode = on;
    m_renewer = tz::ProjectRenewer(on);
}

QWidget* TfrmMain::nextPageOf(const QWidget* page) const {
    const std::optional<Page> from = m_windows.pageOf(page);
    const std::optional<Page> to = from ? nextPage(*from, chainState()) : std::nullopt;
    return to ? m_windows.page(*to) : nullptr;
}

QWidget* TfrmMain::previousPageOf(const QWidget* page) const {
    const std::optional<Page> from = m_windows.pageOf(page);
    const std::optional<Page> to = from ? previousPage(*from, chainState()) : std::nullopt;
    return to ? m_windows.page(*to) : nullptr;
}

ChainState TfrmMain::chainState() const {
    return {m_extendedMode, m_windows.step4 && m_windows.step4->checkMenu->isChecked()};
}

TfrmMain::MenuState TfrmMain::menuState() const {
    if (const TfrmStep5* step5 = m_windows.step5)
        return {step5->menuRecords(), &step5->menuHistory()};
    return {};
}

// A project the program wrote reads back as the rewrite of the values its pages now show;
// known as such, its first rewrite touches only the block that changes. Its values of
// several lines become one entry each then, as the rewrite writes them; the file is the
// same.
void TfrmMain::learnRewrittenText() {
    const MenuState menu = menuState();
    m_renewer.adopt(ProjectText, m_values, StructureLines, menu.records, menu.history,
                    {m_structureState.tree, m_structureState.revision});
}

bool TfrmMain::TZSave() {
    const WriteOutcome outcome = writeProject();
    if (outcome == WriteOutcome::Failed)
        m_seam.message(QApplication::activeWindow(), writeError(FileName));
    return outcome == WriteOutcome::Written;
}

TfrmMain::WriteOutcome TfrmMain::writeProject() {
    if (FileName.isEmpty())
        return WriteOutcome::Written;
    QWidget* parent = QApplication::activeWindow();
    if (tz::changedSince(FileName, m_stamp) &&
        m_seam.choose(parent,
                      QStringLiteral("Файл ") + FileName +
                          QStringLiteral(" изменён другой программой. Записать поверх него "
                                         "изменения из мастера?"),
                      {QStringLiteral("Да"), QStringLiteral("Нет")}, 1) != 0)
        return WriteOutcome::Declined;
    const tz::SaveResult saved = storeProject();
    if (!saved.ok)
        return WriteOutcome::Failed;
    if (!saved.unencodable.isEmpty() && saved.unencodable != m_reportedUnencodable) {
        m_seam.message(parent, QStringLiteral("Эти символы нельзя сохранить в кодировке "
                                              "Windows-1251, в файле они заменены знаком «?»: ") +
                                   saved.unencodable);
    }
    m_reportedUnencodable = saved.unencodable;
    return WriteOutcome::Written;
}

void TfrmMain::Restructure() {
    if (TfrmStep5* step5 = m_windows.step5)
        step5->updateStructureLines(StructureLines, m_structureState);
    else
        StructureLines.clear();
}

void TfrmMain::DoStep(QWidget* from, QWidget* to) {
    TZSave();
    to->move(from->pos());
    to->show();
    from->hide();
}

bool TfrmMain::requestQuit(QWidget* page) {
    if (m_sessionEnded)
        return true;
    // Nothing the user made is dropped without being asked: an unplugged medium or a file
    // another program changed leaves the choice to save elsewhere, to drop it or to stay.
    WriteOutcome outcome = writeProject();
    while (outcome != WriteOutcome::Written) {
        const QString reason = outcome == WriteOutcome::Failed
                                   ? writeError(FileName)
                                   : QStringLiteral("Изменения из мастера не записаны: файл ") +
                                         FileName + QStringLiteral(" изменён другой программой");
        const int choice = m_seam.choose(
            page,
            reason + QStringLiteral(".\n\nСохраните задание в другой файл или закройте мастер "
                                    "без сохранения."),
            {QStringLiteral("Сохранить в другой файл…"), QStringLiteral("Закрыть без сохранения"),
             QStringLiteral("Отмена")},
            2);
        if (choice == 2)
            return false;
        if (choice == 1)
            break;
        const QString path = chooseOtherFile(page);
        if (path.isEmpty())
            continue;
        FileName = path;
        if (TfrmStep1* step1 = m_windows.step1)
            step1->prFilename->setText(FileName);
        outcome = writeProject();
    }
    Q_EMIT quitRequested();
    return true;
}

tz::SaveResult TfrmMain::storeProject() {
    tz::SaveResult saved = tz::saveProjectFile(FileName, ProjectText);
    if (saved.ok) {
        m_stamp = saved.stamp;
        m_unsaved = false;
    }
    return saved;
}

TfrmMain::WriteOutcome TfrmMain::saveUnasked() {
    if (FileName.isEmpty() || !m_unsaved)
        return WriteOutcome::Written;
    if (tz::changedSince(FileName, m_stamp))
        return WriteOutcome::Declined;
    const tz::SaveResult saved = storeProject();
    if (!saved.ok)
        return WriteOutcome::Failed;
    return WriteOutcome::Written;
}

QString TfrmMain::chooseOtherFile(QWidget* parent) {
    UiSeam::FileRequest request;
    if (TfrmStep1* step1 = m_windows.step1)
        request = step1->SaveDialog;
    request.fileName = FileName;
    const QString path = withDefaultSuffix(m_seam.saveFile(parent, request), request.defaultSuffix);
    return path.isEmpty() || !claimProjectFile(path) ? QString() : path;
}

void TfrmMain::minimizeApplication(QWidget* page) {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window != page && window->isVisible() && !window->isMinimized())
            window->showMinimized();
    }
}
