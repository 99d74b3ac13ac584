// Saves a picture of every wizard page for the README: the first page as the program starts,
// the others filled from an example project, and the extended mode's own pages from a second
// one. Usage: tz_screenshots EXAMPLE.tz OUTPUT_FOLDER EXTENDED_EXAMPLE.tz
#include "app/appicon.h"
#include "app/application.h"
#include "online/step9.h"
#include "pages/previewpane.h"
#include "pages/step1.h"
#include "pages/step2.h"
#include "pages/step3approval.h"
#include "pages/step3os.h"
#include "pages/step3owner.h"
#include "pages/step4.h"
#include "pages/step6text.h"
#include "pages/step7.h"
#include "pages/step8.h"
#include "structure/menutreemodel.h"
#include "structure/menutreeview.h"
#include "structure/step5.h"
#include "structure/step6.h"
#include "wizardfixture.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTextCursor>

#include <cstdio>

namespace {

class Camera {
public:
    explicit Camera(const QString& folder) : m_folder(folder) {}

    void shoot(QWidget* page, const QString& name) {
        // Lets the page lay itself out and paint as a person would first see it.
        QTest::qWait(100);
        const QString path = m_folder.filePath(name + QStringLiteral(".png"));
        if (!page->isVisible() || !page->grab().save(path)) {
            std::fprintf(stderr, "tz_screenshots: %s not saved\n", qPrintable(path));
            m_failed = true;
        }
    }
    bool failed() const { return m_failed; }

private:
    QDir m_folder;
    bool m_failed = false;
};

} // namespace

int main(int argc, char** argv) {
    TzApplication app(argc, argv);
    QApplication::setWindowIcon(applicationIcon());
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() != 4) {
        std::fputs("usage: tz_screenshots EXAMPLE.tz OUTPUT_FOLDER EXTENDED_EXAMPLE.tz\n", stderr);
        return 2;
    }
    if (!QDir().mkpath(arguments.at(2)))
        return 1;
    Camera camera(arguments.at(2));
    {
        WizardFixture fresh;
        fresh.start();
        camera.shoot(fresh.w().step1, QStringLiteral("step1"));
    }

    // Copies, since every page change saves the project.
    QTemporaryDir copies;
    const QString project = copies.filePath(QFileInfo(arguments.at(1)).fileName());
    const QString extendedProject = copies.filePath(QFileInfo(arguments.at(3)).fileName());
    if (!QFile::copy(arguments.at(1), project) || !QFile::copy(arguments.at(3), extendedProject))
        return 1;
    {
        WizardFixture e({QStringLiteral("--extended"), extendedProject});
        Windows& w = e.w();
        e.start();
        w.step2->btnNext->click();
        camera.shoot(w.step3os, QStringLiteral("step3os-extended"));
        w.step3os->btnNext->click();
        w.step3owner->btnNext->click();
        camera.shoot(w.step3approval, QStringLiteral("step3approval"));
        w.step3approval->btnNext->click();
        camera.shoot(w.step4, QStringLiteral("step4-extended"));
        w.step4->btnNext->click();
        camera.shoot(w.step5, QStringLiteral("step5-extended"));
        w.step5->btnNext->click();
        camera.shoot(w.step6, QStringLiteral("step6-extended"));
        w.step6->btnNext->click();
        QSignalSpy preview(w.step6text->Preview, &PreviewPane::refreshed);
        preview.wait(10000);
        w.step6text->SectionList->setCurrentRow(9);
        // A misspelt word, to show its underline; the checker answers in the background.
        w.step6text->SectionText->moveCursor(QTextCursor::End);
        typeText(w.step6text->SectionText, QStringLiteral(" Обучение праводится на месте."));
        QTest::qWait(2000);
        camera.shoot(w.step6text, QStringLiteral("step6text"));
        w.step6text->btnNext->click();
        QSignalSpy document(w.step7->Preview, &PreviewPane::refreshed);
        document.wait(10000);
        camera.shoot(w.step7, QStringLiteral("step7-extended"));
        e.seam.fileAnswers = {copies.filePath(QStringLiteral("servicecenter.pdf"))};
        w.step7->btnNext->click();
        camera.shoot(w.step7, QStringLiteral("step7-saved"));
    }
    WizardFixture f({project});
    Windows& w = f.w();
    f.start();
    camera.shoot(w.step2, QStringLiteral("step2"));
    w.step2->btnNext->click();
    for (QCheckBox* box : std::initializer_list<QCheckBox*>{w.step3os->CheckBoxWindows,
                                                            w.step3os->CheckBoxWindows2000,
                                                            w.step3os->CheckBoxWindowsXP})
        box->setChecked(true);
    camera.shoot(w.step3os, QStringLiteral("step3os"));
    w.step3os->btnNext->click();
    camera.shoot(w.step3owner, QStringLiteral("step3owner"));
    w.step3owner->btnNext->click();
    camera.shoot(w.step4, QStringLiteral("step4"));
    w.step4->btnNext->click();
    camera.shoot(w.step7, QStringLiteral("step7"));

    // No page of the chain leads to the structure pages or the online build; they are shown
    // the way the program would show them.
    f.main().DoStep(w.step7, w.step5);
    const QAbstractItemModel& tree = w.step5->menuModel();
    if (const QModelIndex first = tree.index(0, 0, tree.index(0, 0)); first.isValid())
        w.step5->uMenu->setCurrentIndex(tree.hasChildren(first) ? tree.index(0, 0, first) : first);
    camera.shoot(w.step5, QStringLiteral("step5"));
    f.main().DoStep(w.step5, w.step6);
    camera.shoot(w.step6, QStringLiteral("step6"));
    f.main().DoStep(w.step6, w.step8);
    camera.shoot(w.step8, QStringLiteral("step8"));
    f.main().DoStep(w.step8, w.step9);
    camera.shoot(w.step9, QStringLiteral("step9"));
    return camera.failed() ? 1 : 0;
}
