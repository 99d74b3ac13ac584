#include "scriptedseam.h"

QString ScriptedSeam::answer(bool save, const FileRequest& request) {
    fileRequests.append({save, request});
    return fileAnswers.isEmpty() ? QString() : fileAnswers.takeFirst();
}

QString ScriptedSeam::openFile(QWidget*, const FileRequest& request) {
    return answer(false, request);
}

QString ScriptedSeam::saveFile(QWidget*, const FileRequest& request) {
    return answer(true, request);
}

int ScriptedSeam::choose(QWidget*, const QString& text, const QStringList& buttons, int cancel) {
    questions.append(text);
    const int answer = choiceAnswers.isEmpty() ? cancel : choiceAnswers.takeFirst();
    return answer >= 0 && answer < buttons.size() ? answer : cancel;
}
