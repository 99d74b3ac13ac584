#include "pages/uiseam.h"

#include "pages/filedialoglocale.h"

#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>

QString withDefaultSuffix(const QString& path, const QString& suffix) {
    if (path.isEmpty() || suffix.isEmpty() || QFileInfo(path).fileName().contains(u'.'))
        return path;
    return path + u'.' + suffix;
}

namespace {

// "desc|pattern|desc|pattern" as Qt's name filters; a description without its pattern in
// parentheses gets it, hidden from view by HideNameFilterDetails.
QStringList nameFilters(const QString& filter, bool* hideDetails) {
    const QStringList parts = filter.split(u'|');
    QStringList filters;
    *hideDetails = false;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString& pattern = parts.at(i + 1);
        if (parts.at(i).contains(u'(' + pattern + u')')) {
            filters.append(parts.at(i));
        } else {
            filters.append(parts.at(i) + QStringLiteral(" (") + pattern + u')');
            *hideDetails = true;
        }
    }
    return filters;
}

QString runDialog(QWidget* parent, const UiSeam::FileRequest& request, bool save) {
    QFileDialog dialog(parent);
    // The dialog takes the model as its child.
    dialog.setProxyModel(new RussianFileColumns(&dialog));
    fitRussianDateColumn(dialog);
    bool hide = false;
    dialog.setNameFilters(nameFilters(request.filter, &hide));
    dialog.setOption(QFileDialog::HideNameFilterDetails, hide);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.confirmOverwrite);
    dialog.setOption(QFileDialog::ReadOnly, false);
    dialog.setDefaultSuffix(request.defaultSuffix);
    if (!request.fileName.isEmpty()) {
        const QFileInfo info(request.fileName);
        if (info.isAbsolute())
            dialog.setDirectory(info.absolutePath());
        dialog.selectFile(info.fileName());
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return withDefaultSuffix(dialog.selectedFiles().constFirst(), request.defaultSuffix);
}

} // namespace

QString QtUiSeam::openFile(QWidget* parent, const FileRequest& request) {
    return runDialog(parent, request, false);
}

QString QtUiSeam::saveFile(QWidget* parent, const FileRequest& request) {
    return runDialog(parent, request, true);
}

void QtUiSeam::message(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Техническое Задание"), text,
                    QMessageBox::Ok, parent);
    box.exec();
}

int QtUiSeam::choose(QWidget* parent, const QString& text, const QStringList& buttons, int cancel) {
    QMessageBox box(QMessageBox::Question, QStringLiteral("Техническое Задание"), text,
                    QMessageBox::NoButton, parent);
    QList<QPushButton*> pushed;
    for (const QString& label : buttons)
        pushed.append(box.addButton(label, QMessageBox::AcceptRole));
    box.setDefaultButton(pushed.at(cancel));
    box.setEscapeButton(pushed.at(cancel));
    box.exec();
    const qsizetype chosen = pushed.indexOf(qobject_cast<QPushButton*>(box.clickedButton()));
    return chosen < 0 ? cancel : int(chosen);
}

void QtUiSeam::openUrl(const QUrl& url) {
    QDesktopServices::openUrl(url);
}
