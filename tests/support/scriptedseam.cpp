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
