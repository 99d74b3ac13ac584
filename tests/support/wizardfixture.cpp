#include "wizardfixture.h"

#include "app/wizard.h"
#include "pages/projectfiles.h"
#include "project/codec1251.h"

#include <QApplication>
#include <QFile>
#include <QTest>
#include <QTimer>

WizardFixture::WizardFixture(const QStringList& arguments) {
    m_oldData = qgetenv("XDG_DATA_HOME");
    m_oldConfig = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_DATA_HOME", dir.filePath(QStringLiteral("xdg-data")).toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", dir.filePath(QStringLiteral("xdg-config")).toLocal8Bit());
    m_main = createWizard(seam, arguments);
}

WizardFixture::~WizardFixture() {
    m_main.reset();
    qputenv("XDG_DATA_HOME", m_oldData);
    qputenv("XDG_CONFIG_HOME", m_oldConfig);
}

void WizardFixture::start() {
    QMetaObject::invokeMethod(m_main->TimerStart, "timeout", Qt::DirectConnection);
}

bool WizardFixture::open(const QString& filePath) {
    const OpenAnswer answer = openProjectFile(session(), filePath, seam, nullptr);
    if (!answer.opened && !answer.message.isEmpty())
        seam.message(nullptr, answer.message);
    return answer.opened;
}

bool WizardFixture::openLines(const QStringList& lines) {
    const QString file = path(QStringLiteral("lines.tz"));
    writeFileBytes(file, projectBytes(lines));
    return open(file);
}

QWidget* WizardFixture::visiblePage() const {
    QWidget* found = nullptr;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (!window->isVisible() || window->inherits("QMenu"))
            continue;
        if (found)
            return nullptr;
        found = window;
    }
    return found;
}

void typeText(QWidget* widget, const QString& text) {
    for (const QChar c : text) {
        if (c == u'\n')
            QTest::keyClick(widget, Qt::Key_Return);
        else
            QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

QByteArray readFileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFileBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

QByteArray projectBytes(const QStringList& lines) {
    QByteArray out;
    for (const QString& line : lines)
        out += tz::encode1251(line).bytes + "\r\n";
    return out;
}
