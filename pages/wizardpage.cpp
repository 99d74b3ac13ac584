#include "pages/wizardpage.h"

#include "project/projectsession.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QStatusBar>
#include <QVBoxLayout>

WizardPage::WizardPage(const PageContext& context, const Frame& frame)
    : QDialog(nullptr), m_context(context), m_caption(frame.caption) {
    showTitle();
    if (extendedMode())
        connect(&context.session, &tz::ProjectSession::fileNameChanged, this,
                &WizardPage::showTitle);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowContextHelpButtonHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setFont(QFont(QStringLiteral("Tahoma"), 8));
    switch (frame.size) {
    case Size::Fixed700x500:
        setFixedSize(694, 475);
        break;
    case Size::AtLeast600x450:
        setMinimumSize(594, 425);
        resize(594, 425);
        break;
    case Size::Wide:
        // Within a screen of 1024 by 768 with its panel.
        setMinimumSize(694, 475);
        resize(990, 600);
        break;
    }

    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);
    m_body = new QVBoxLayout;
    m_body->setContentsMargins(10, 10, 10, 10);
    outer->addLayout(m_body, 1);

    navPanel = new QWidget(this);
    navPanel->setObjectName(QStringLiteral("navPanel"));
    navPanel->setFixedHeight(36);
    auto* nav = new QHBoxLayout(navPanel);
    nav->setContentsMargins(8, 4, 8, 4);
    PrevPanel = new QWidget(navPanel);
    PrevPanel->setObjectName(QStringLiteral("PrevPanel"));
    auto* prevLayout = new QHBoxLayout(PrevPanel);
    prevLayout->setContentsMargins(0, 0, 0, 0);
    NextPanel = new QWidget(navPanel);
    NextPanel->setObjectName(QStringLiteral("NextPanel"));
    auto* nextLayout = new QHBoxLayout(NextPanel);
    nextLayout->setContentsMargins(0, 0, 0, 0);
    nav->addWidget(PrevPanel);
    nav->addStretch(1);
    nav->addWidget(NextPanel);
    outer->addWidget(navPanel);

    if (frame.hasPrev) {
        btnPrev = new QPushButton(QStringLiteral("<<  Вернуться"), PrevPanel);
        btnPrev->setObjectName(QStringLiteral("btnPrev"));
        btnPrev->setAutoDefault(false);
        prevLayout->addWidget(btnPrev);
    }
    if (frame.hasNext) {
        btnNext = new QPushButton(QStringLiteral("Далее >>"), NextPanel);
        btnNext->setObjectName(QStringLiteral("btnNext"));
        btnNext->setDefault(true);
        nextLayout->addWidget(btnNext);
    }

    StatusBar = new QStatusBar(this);
    StatusBar->setObjectName(QStringLiteral("StatusBar"));
    StatusBar->setSizeGripEnabled(false);
    const int widths[2] = {180, 50};
    for (int i = 0; i < 2; ++i) {
        m_panels[i] = new QLabel(StatusBar);
        m_panels[i]->setObjectName(QStringLiteral("StatusBarPanel%1").arg(i));
        // At least the given width, wider when the text would not fit in the substituted font.
        m_panels[i]->setMinimumWidth(widths[i]);
        StatusBar->addWidget(m_panels[i]);
    }
    outer->addWidget(StatusBar);
}

QString WizardPage::statusPanelText(int panel) const {
    return m_panels[panel]->text();
}

void WizardPage::setStatusPanelText(int panel, const QString& text) {
    m_panels[panel]->setText(text);
}

// The extended mode's pages say which project they show and that the mode is on.
void WizardPage::showTitle() {
    if (!extendedMode()) {
        setWindowTitle(m_caption);
        return;
    }
    const QString file = QFileInfo(session().fileName()).fileName();
    setWindowTitle(m_caption + (file.isEmpty() ? QString() : QStringLiteral(" — ") + file) +
                   QStringLiteral(" (расширенный режим)"));
}

tz::ProjectModel& WizardPage::model() const {
    return m_context.session.model();
}

bool WizardPage::extendedMode() const {
    return m_context.session.extended();
}

void WizardPage::GoNext() {
    m_context.host.goNext(*this);
}

void WizardPage::GoBack() {
    m_context.host.goBack(*this);
}

QLayout* WizardPage::nextPanelLayout() const {
    return NextPanel->layout();
}

void WizardPage::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!focusWidget())
        focusFirstControl();
}

// The navigation strip is built before the page's own controls, so the focus would start
// on it; a page shown for the first time starts at its first control instead. Tab then
// runs through the controls and on to the strip.
void WizardPage::focusFirstControl() {
    for (QWidget* w = nextInFocusChain(); w != this; w = w->nextInFocusChain()) {
        if ((w->focusPolicy() & Qt::TabFocus) && w->isEnabled() && w->isVisibleTo(this) &&
            !navPanel->isAncestorOf(w)) {
            w->setFocus(Qt::TabFocusReason);
            return;
        }
    }
}

void WizardPage::closeEvent(QCloseEvent* event) {
    if (m_context.host.requestQuit(*this))
        event->accept();
    else
        event->ignore();
}

void WizardPage::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && (windowState() & Qt::WindowMinimized))
        m_context.host.minimizeApplication(*this);
}

bool WizardPage::event(QEvent* event) {
    // The title-bar help button asks for help; it is taken as handled and shows nothing.
    if (event->type() == QEvent::EnterWhatsThisMode || event->type() == QEvent::WhatsThis)
        return true;
    return QDialog::event(event);
}

void WizardPage::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}
