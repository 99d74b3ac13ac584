#include "app/tfrmmain.h"

#include "app/filetype.h"
#include "pages/projectfiles.h"
#include "pages/step1.h"
#include "pages/step2.h"
#include "pages/uiseam.h"
#include "pages/wizardpage.h"
#include "project/atomicfile.h"
#include "project/projecttext.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>

namespace {

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

TfrmMain::TfrmMain(UiSeam& seam, bool extended) : m_seam(seam), m_session(extended) {
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(tz::projectCaption(QString()));
    TimerStart = new QTimer(this);
    TimerStart->setInterval(1000);
    connect(TimerStart, &QTimer::timeout, this, &TfrmMain::TimerStartTimer);
    connect(&m_session, &tz::ProjectSession::replaced, this, [this] {
        m_reportedUnencodable.clear();
        TZread();
    });
    connect(&m_session, &tz::ProjectSession::edited, this, &TfrmMain::TZread);
    connect(&m_session, &tz::ProjectSession::notice, this, &TfrmMain::tell);
}

TfrmMain::~TfrmMain() {
    while (!m_owned.empty())
        m_owned.pop_back();
}

void TfrmMain::adopt(QWidget* window) {
    m_owned.emplace_back(window);
}

void TfrmMain::FormCreate(const QStringList& arguments) {
    // A registration that fails must not keep a project from opening.
    registerFileType(QCoreApplication::applicationFilePath());
    // What there is to say about the project waits for the first page.
    TimerStart->start();
    if (!arguments.isEmpty()) {
        const QString& path = arguments.constFirst();
        if (QFileInfo::exists(path)) {
            const OpenAnswer answer =
                openProjectFile(m_session, path, m_seam, QApplication::activeWindow());
            if (!answer.opened && !answer.message.isEmpty())
                m_startMessages.append(answer.message);
        }
    }
}

void TfrmMain::TimerStartTimer() {
    TfrmStep1* step1 = m_windows.step1;
    TfrmStep2* step2 = m_windows.step2;
    if (!step1 || !step2)
        return;
    TimerStart->stop();
    QWidget* first = m_session.text().size() < 2 ? static_cast<QWidget*>(step1) : step2;
    centreOnDesktop(first);
    first->show();
    for (const QString& text : std::exchange(m_startMessages, {}))
        m_seam.message(QApplication::activeWindow(), text);
}

void TfrmMain::tell(const QString& text) {
    if (TimerStart->isActive())
        m_startMessages.append(text);
    else
        m_seam.message(QApplication::activeWindow(), text);
}

// The controller window is never shown; before the title page exists the caption has no
// title.
void TfrmMain::TZread() {
    setWindowTitle(
        tz::projectCaption(m_windows.step2 ? m_session.model().values().title : QString()));
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
    return {m_session.extended(), m_session.model().mainMenu()};
}

void TfrmMain::goNext(WizardPage& page) {
    DoStep(&page, nextPageOf(&page));
}

void TfrmMain::goBack(WizardPage& page) {
    DoStep(&page, previousPageOf(&page));
}

bool TfrmMain::TZSave() {
    const WriteOutcome outcome = writeProject();
    if (outcome == WriteOutcome::Failed)
        m_seam.message(QApplication::activeWindow(), saveFailure());
    return outcome == WriteOutcome::Written;
}

// The extended mode says why; the usual message stays as it is.
QString TfrmMain::saveFailure() const {
    const QString message = writeError(m_session.fileName());
    if (!extendedMode() || m_lastSaveError == 0)
        return message;
    return message + QStringLiteral(": ") + tz::writeFailureReason(m_lastSaveError);
}

TfrmMain::WriteOutcome TfrmMain::writeProject() {
    const QString& fileName = m_session.fileName();
    if (fileName.isEmpty())
        return WriteOutcome::Written;
    QWidget* parent = QApplication::activeWindow();
    if (m_session.changedOnDisk() &&
        m_seam.choose(parent,
                      QStringLiteral("Файл ") + fileName +
                          QStringLiteral(" изменён другой программой. Записать поверх него "
                                         "изменения из мастера?"),
                      {QStringLiteral("Да"), QStringLiteral("Нет")}, 1) != 0)
        return WriteOutcome::Declined;
    const tz::SaveResult saved = m_session.save();
    m_lastSaveError = saved.error;
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

void TfrmMain::DoStep(QWidget* from, QWidget* to) {
    TZSave();
    to->move(from->pos());
    to->show();
    from->hide();
}

bool TfrmMain::requestQuit(WizardPage& page) {
    if (m_sessionEnded)
        return true;
    // Nothing the user made is dropped without being asked: an unplugged medium or a file
    // another program changed leaves the choice to save elsewhere, to drop it or to stay.
    WriteOutcome outcome = writeProject();
    while (outcome != WriteOutcome::Written) {
        const QString& fileName = m_session.fileName();
        const QString reason = outcome == WriteOutcome::Failed
                                   ? saveFailure()
                                   : QStringLiteral("Изменения из мастера не записаны: файл ") +
                                         fileName + QStringLiteral(" изменён другой программой");
        const int choice = m_seam.choose(
            &page,
            reason + QStringLiteral(".\n\nСохраните задание в другой файл или закройте мастер "
                                    "без сохранения."),
            {QStringLiteral("Сохранить в другой файл…"), QStringLiteral("Закрыть без сохранения"),
             QStringLiteral("Отмена")},
            2);
        if (choice == 2)
            return false;
        if (choice == 1)
            break;
        const QString path = chooseOtherFile(&page);
        if (path.isEmpty())
            continue;
        m_session.moveTo(path);
        outcome = writeProject();
    }
    Q_EMIT quitRequested();
    return true;
}

QString TfrmMain::chooseOtherFile(QWidget* parent) {
    UiSeam::FileRequest request = projectSaveRequest();
    request.fileName = m_session.fileName();
    const QString path = withDefaultSuffix(m_seam.saveFile(parent, request), request.defaultSuffix);
    return path.isEmpty() || !claimProjectFile(m_session, path, m_seam, parent) ? QString() : path;
}

void TfrmMain::minimizeApplication(WizardPage& page) {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window != &page && window->isVisible() && !window->isMinimized())
            window->showMinimized();
    }
}
