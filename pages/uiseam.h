#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>

class QWidget;

// Everything the pages ask of the desktop: file dialogs, message boxes and opening links.
// The program uses QtUiSeam; tests put a scripted one in its place.
class UiSeam {
public:
    struct FileRequest {
        QString filter;        // "description|pattern|description|pattern"
        QString defaultSuffix; // added to a name typed without an extension
        QString fileName;      // proposed name or path; may be empty
        bool confirmOverwrite = false;
    };

    virtual ~UiSeam() = default;
    // The chosen path, or an empty string when the user cancelled.
    virtual QString openFile(QWidget* parent, const FileRequest& request) = 0;
    virtual QString saveFile(QWidget* parent, const FileRequest& request) = 0;
    // A modal box with the text and an OK button.
    virtual void message(QWidget* parent, const QString& text) = 0;
    // A modal box with the text and the buttons given; the index of the button pressed. The
    // cancel button is the default one and the answer to Escape and to closing the box.
    virtual int choose(QWidget* parent, const QString& text, const QStringList& buttons,
                       int cancel) = 0;
    virtual void openUrl(const QUrl& url) = 0;
};

// The path with ".suffix" appended when its file name has no extension of its own.
QString withDefaultSuffix(const QString& path, const QString& suffix);

class QtUiSeam final : public UiSeam {
public:
    QString openFile(QWidget* parent, const FileRequest& request) override;
    QString saveFile(QWidget* parent, const FileRequest& request) override;
    void message(QWidget* parent, const QString& text) override;
    int choose(QWidget* parent, const QString& text, const QStringList& buttons,
               int cancel) override;
    void openUrl(const QUrl& url) override;
};
