#pragma once

#include "docgen/documentcontent.h"

#include <QByteArray>
#include <QList>
#include <QString>

namespace tz {

// The extended document as it will print, made in memory for a preview: its PDF, and where
// each heading of the text stands, the page of the PDF counted from 0.
struct DocumentPreview {
    QByteArray pdf;
    QStringList headings;
    QList<int> headingPages;
};

// Needs a QGuiApplication, and runs in any thread.
DocumentPreview previewOf(const DocumentInputs& inputs);

} // namespace tz
