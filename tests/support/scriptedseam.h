#pragma once

#include "pages/uiseam.h"

#include <QList>
#include <QStringList>

// A seam whose dialogs answer from a script and which records everything it was asked.
class ScriptedSeam final : public UiSeam {
public:
    struct Request {
        bool save = false;
        FileRequest file;
    };

    // Answers for the next file dialogs, in order; an empty string cancels. A dialog with no
    // answer left cancels too.
    QStringList fileAnswers;
    QList<Request> fileRequests;
    QStringList messages;
    // Answers (button indexes) for the next choice boxes, in order; with none left a box is
    // cancelled. Their texts are recorded.
    QList<int> choiceAnswers;
    QStringList questions;
    QList<QUrl> openedUrls;

    QString openFile(QWidget*, const FileRequest& request) override;
    QString saveFile(QWidget*, const FileRequest& request) override;
    void message(QWidget*, const QString& text) override { messages.append(text); }
    int choose(QWidget*, const QString& text, const QStringList& buttons, int cancel) override;
    void openUrl(const QUrl& url) override { openedUrls.append(url); }

private:
    QString answer(bool save, const FileRequest& request);
};
