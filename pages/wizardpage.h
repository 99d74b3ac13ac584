#pragma once

#include "pages/pagecontext.h"

#include <QDialog>

class QLabel;
class QPushButton;
class QStatusBar;
class QVBoxLayout;

namespace tz {
class ProjectModel;
} // namespace tz

// What every wizard page shares: a fixed dialog window with a system menu and a help
// button, the navigation strip navPanel with btnPrev and btnNext, and a two-panel status
// bar. Closing the window ends the program; minimising it minimises the application.
class WizardPage : public QDialog {
    Q_OBJECT
public:
    // Wide: the extended mode's pages with the document beside what the user edits.
    enum class Size { Fixed700x500, AtLeast600x450, Wide };
    struct Frame {
        QString caption;
        Size size = Size::Fixed700x500;
        bool hasPrev = true;
        bool hasNext = true;
    };

    WizardPage(const PageContext& context, const Frame& frame);

    QWidget* navPanel = nullptr;
    QWidget* PrevPanel = nullptr;
    QWidget* NextPanel = nullptr;
    QPushButton* btnPrev = nullptr;
    QPushButton* btnNext = nullptr;
    QStatusBar* StatusBar = nullptr;

    QString statusPanelText(int panel) const;
    void setStatusPanelText(int panel, const QString& text);

protected:
    tz::ProjectSession& session() const { return m_context.session; }
    tz::ProjectModel& model() const;
    UiSeam& seam() const { return m_context.seam; }
    bool extendedMode() const;
    // Every page's way forward and back, where the chain of pages leads from it.
    void GoNext();
    void GoBack();
    // The area above the navigation strip, for the page's own controls.
    QVBoxLayout* body() const { return m_body; }
    // The layout of NextPanel, for pages that put another button in place of btnNext.
    QLayout* nextPanelLayout() const;

    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    // Escape does not close a wizard page.
    void reject() override {}

private:
    void focusFirstControl();
    void showTitle();

    PageContext m_context;
    QString m_caption;
    QVBoxLayout* m_body = nullptr;
    QLabel* m_panels[2] = {nullptr, nullptr};
};
