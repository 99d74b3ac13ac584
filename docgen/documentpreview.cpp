#include "docgen/documentpreview.h"

#include "docgen/extendeddocument.h"
#include "docgen/pageddocument.h"
#include "docgen/pagination.h"

#include <QBuffer>

namespace tz {

DocumentPreview previewOf(const DocumentInputs& inputs) {
    DocumentPreview preview;
    const DocModel model = extendedDocument(inputs);
    const Pagination pages = paginate(model);
    QBuffer device(&preview.pdf);
    device.open(QIODevice::WriteOnly);
    if (!writePdf(model, pages, device))
        preview.pdf.clear();
    // As the outline writes them, without the typography's no-break spaces.
    for (const Block* heading : headingsOf(model))
        preview.headings.append(QString(heading->text).replace(QChar(0x00A0), u' '));
    // The approval sheet's pages come first and are not counted; the title sheet is page 1.
    const int uncounted = pages.pages - pages.sheets;
    for (const int shown : pages.headingPages)
        preview.headingPages.append(uncounted + shown - 1);
    return preview;
}

} // namespace tz
